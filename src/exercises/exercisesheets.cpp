#include "exercisesheets.h"

#include "platform/random.h"

namespace censaria {
namespace {

const QString box = QStringLiteral("☐");
const QString blank = QStringLiteral("______________");
const QString instructions = QStringLiteral("<p>Con l'aiuto della calcolatrice, scrivi le risposte sulle righe. "
                                            "I numeri negativi devono essere preceduti dal segno meno.</p>");

QString line(const QString &caption, const QString &value)
{
    return QStringLiteral("%1: <b>%2</b><br>").arg(Worksheet::escaped(caption), value);
}

QString answerLine(const QString &caption)
{
    return QStringLiteral("%1 %2<br>").arg(Worksheet::escaped(caption), blank);
}

// "formula = numbers = result", on one line.
QString solutionLine(const QString &solution)
{
    return QStringLiteral("%1<br>").arg(Worksheet::escaped(QString(solution).replace(u'\n', u' ')));
}

// Lines without the break after the last, which would leave an empty line at the end.
QString lines(QString html)
{
    if (html.endsWith(QLatin1String("<br>")))
        html.chop(4);
    return html;
}

QString twoColumns(const QString &left, const QString &right)
{
    return QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"4\"><tr><td width=\"50%\" valign=\"top\">%1</td>"
                          "<td width=\"50%\" valign=\"top\">%2</td></tr></table>")
        .arg(lines(left), lines(right));
}

} // namespace

RatesSheet::RatesSheet(RandomGenerator &random, const Clock &clock, int count)
    : Worksheet(QStringLiteral("Esercizi sui TASSI demografici"))
{
    random.reseedFromClock(clock);
    for (int i = 0; i < count; ++i) {
        problems_.append(RatesExercise());
        problems_.last().generate(random, RatesExercise::Moment::NewSituation);
    }
    addHtml(nameLines() + instructions);
    for (int i = 0; i < problems_.size(); ++i) {
        const RatesExercise &p = problems_[i];
        addHtml(heading(QStringLiteral("Esercizio %1").arg(i + 1)));
        addHtml(twoColumns(QStringLiteral("<b>Primo esercizio</b><br>")
                               + line(QStringLiteral("Popolazione iniziale"), QString::number(p.popiniziale1))
                               + line(QStringLiteral("Tasso di natalità /1000"), QString::number(p.tassonat1))
                               + line(QStringLiteral("Tasso di mortalità /1000"), QString::number(p.tassomort1)) + QStringLiteral("<br>")
                               + answerLine(QStringLiteral("Numero di nati")) + answerLine(QStringLiteral("Numero di morti"))
                               + answerLine(QStringLiteral("Saldo naturale")) + answerLine(QStringLiteral("Popolazione finale")),
                           QStringLiteral("<b>Secondo esercizio</b><br>")
                               + line(QStringLiteral("Popolazione iniziale"), QString::number(p.popiniziale2))
                               + line(QStringLiteral("Numero di nati"), QString::number(p.nati2))
                               + line(QStringLiteral("Numero di morti"), QString::number(p.morti2)) + QStringLiteral("<br>")
                               + answerLine(QStringLiteral("Tasso di natalità /1000")) + answerLine(QStringLiteral("Tasso di mortalità /1000"))
                               + answerLine(QStringLiteral("Saldo naturale")) + answerLine(QStringLiteral("Popolazione finale"))));
    }

    startPage(QStringLiteral("Soluzioni: esercizi sui TASSI demografici"));
    addHtml(QStringLiteral("<p>Per l'insegnante. Come sullo schermo, si accetta una risposta che differisce di 1 dal risultato.</p>"));
    for (int i = 0; i < problems_.size(); ++i) {
        const RatesExercise &p = problems_[i];
        addHtml(heading(QStringLiteral("Esercizio %1").arg(i + 1)));
        QString first = QStringLiteral("<p><b>Primo esercizio</b><br>");
        for (const RatesExercise::Answer answer :
             {RatesExercise::Nati1, RatesExercise::Morti1, RatesExercise::Saldo1, RatesExercise::PopFinale1})
            first += solutionLine(p.solution(answer));
        QString second = QStringLiteral("<b>Secondo esercizio</b><br>");
        for (const RatesExercise::Answer answer :
             {RatesExercise::TassoNat2, RatesExercise::TassoMort2, RatesExercise::Saldo2, RatesExercise::PopFinale2})
            second += solutionLine(p.solution(answer));
        addHtml(lines(first + second) + QStringLiteral("</p>"));
    }
}

BalancesSheet::BalancesSheet(RandomGenerator &random, const Clock &clock, int count)
    : Worksheet(QStringLiteral("Esercizi sui SALDI demografici"))
{
    random.reseedFromClock(clock);
    for (int i = 0; i < count; ++i) {
        problems_.append(BalancesExercise());
        problems_.last().generate(random);
    }
    addHtml(nameLines() + instructions);
    const QString signs = QStringLiteral("&nbsp;&nbsp;%1 positivo&nbsp;&nbsp;%1 negativo").arg(box);
    for (int i = 0; i < problems_.size(); ++i) {
        const BalancesExercise &p = problems_[i];
        addHtml(heading(QStringLiteral("Esercizio %1: un anno di una regione").arg(i + 1)));
        const QString data = line(QStringLiteral("Popolazione all'inizio dell'anno"), QString::number(p.popinizio))
                             + QStringLiteral("Bambini nati: <b>%1</b>, pari a <b>%2</b> /1000<br>").arg(p.nati).arg(p.tassoNatText())
                             + QStringLiteral("Persone morte: <b>%1</b>, pari a <b>%2</b> /1000<br>").arg(p.morti).arg(p.tassoMortText())
                             + line(QStringLiteral("Persone emigrate"), QString::number(p.emigrati))
                             + line(QStringLiteral("Persone immigrate"), QString::number(p.immigrati));
        const QString calculations = QStringLiteral("Saldo naturale %1%2<br>Saldo migratorio %1%2<br>Popolazione alla fine dell'anno %1<br>")
                                         .arg(blank, signs);
        QString options = QStringLiteral("<b>Questi dati sono tipici di</b> (una risposta):<br>");
        for (int option = 0; option < BalancesExercise::optionCount; ++option)
            options += QStringLiteral("%1 %2<br>").arg(box, escaped(BalancesExercise::optionCaption(option)));
        QString facts = QStringLiteral("<b>Lo capisco dai seguenti fatti</b> (tre risposte):<br>");
        for (int fact = 0; fact < BalancesExercise::factCount; ++fact)
            facts += QStringLiteral("%1 %2<br>").arg(box, escaped(BalancesExercise::factCaption(fact)));
        // One column: a long fact beside another would be read across both on paper.
        addHtml(QStringLiteral("<p>%1</p><p>%2</p><p>%3</p><p>%4</p>").arg(lines(data), lines(calculations), lines(options), lines(facts)));
    }

    startPage(QStringLiteral("Soluzioni: esercizi sui SALDI demografici"));
    addHtml(QStringLiteral("<p>Per l'insegnante. I calcoli vanno giusti senza differenze, come sullo schermo.</p>"));
    for (int i = 0; i < problems_.size(); ++i) {
        const BalancesExercise &p = problems_[i];
        const BalancesExercise::Category &category = BalancesExercise::category(p.tipozona);
        QString facts;
        for (int fact = 0; fact < BalancesExercise::factCount; ++fact)
            if (category.facts[fact])
                facts += QStringLiteral("&nbsp;&nbsp;— %1<br>").arg(escaped(BalancesExercise::factCaption(fact)));
        addHtml(heading(QStringLiteral("Esercizio %1").arg(i + 1)));
        const auto withSign = [](const QString &solution, const QString &sign) {
            return QStringLiteral("%1: <b>%2</b><br>").arg(escaped(QString(solution).replace(u'\n', u' ')), sign);
        };
        addHtml(
            QStringLiteral("<p>") + withSign(p.solution(BalancesExercise::SaldoNaturale), p.segnonat)
            + withSign(p.solution(BalancesExercise::SaldoMigratorio), p.segnomig) + solutionLine(p.solution(BalancesExercise::Pop))
            + QStringLiteral("Questi dati sono tipici di <b>%1</b>, perché:<br>").arg(escaped(BalancesExercise::optionCaption(category.option)))
            + lines(facts) + QStringLiteral("</p>"));
    }
}

} // namespace censaria
