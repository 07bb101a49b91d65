#include "questionnairesheet.h"

#include "questionbanks.h"

namespace censaria {
namespace {

const QString table = QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"6\" style=\"border-color: #6b6b6b;\">");
const QString headingRow = QStringLiteral("<tr style=\"background-color: #e6dcc6; font-weight: bold;\">");

} // namespace

QuestionnaireSheet::QuestionnaireSheet(const QuestionBank &bank)
    : Worksheet(QStringLiteral("Questionario: %1").arg(bank.title.trimmed()))
{
    addHtml(nameLines());
    addHtml(QStringLiteral("<p>Leggi ogni affermazione e segna con una crocetta <b>V</b> se è vera, <b>F</b> se è falsa.</p>"));
    QString rows = table + headingRow
                   + QStringLiteral("<td width=\"6%\" align=\"center\">N.</td><td>Affermazione</td>"
                                    "<td width=\"7%\" align=\"center\">V</td><td width=\"7%\" align=\"center\">F</td></tr>");
    int number = 0;
    for (const QuestionBank::Statement &statement : bank.statements)
        rows += QStringLiteral("<tr><td align=\"center\">%1</td><td>%2</td><td></td><td></td></tr>").arg(++number).arg(escaped(statement.text));
    addHtml(rows + QStringLiteral("</table>"));

    startPage(QStringLiteral("Soluzioni: %1").arg(bank.title.trimmed()));
    addHtml(QStringLiteral("<p>Per l'insegnante: le risposte giuste del questionario.</p>"));
    QString key = table + headingRow
                  + QStringLiteral(
                      "<td width=\"6%\" align=\"center\">N.</td><td width=\"13%\" align=\"center\">Risposta</td><td>Affermazione</td></tr>");
    number = 0;
    int trueCount = 0;
    for (const QuestionBank::Statement &statement : bank.statements) {
        trueCount += statement.isTrue ? 1 : 0;
        key += QStringLiteral("<tr><td align=\"center\">%1</td><td align=\"center\"><b>%2</b></td><td>%3</td></tr>")
                   .arg(++number)
                   .arg(statement.isTrue ? QStringLiteral("V (vera)") : QStringLiteral("F (falsa)"), escaped(statement.text));
    }
    addHtml(key + QStringLiteral("</table>"));
    addHtml(QStringLiteral("<p>Affermazioni vere: %1 su %2.</p>").arg(trueCount).arg(bank.statements.size()));
}

} // namespace censaria
