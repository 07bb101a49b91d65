#include "resultsreport.h"

#include "archive.h"
#include "platform/lineprinter.h"
#include "resultformat.h"
#include "resulttopics.h"
#include "schema.h"

namespace censaria {
namespace {

constexpr int indentColumn = 7;
constexpr int valueColumns[] = {35, 45, 55, 65};

} // namespace

ResultsReport::ResultsReport(Archive &archive, LinePrinter &printer)
    : archive_(archive)
    , printer_(printer)
{
}

ReportOutcome ResultsReport::print(const QString &name)
{
    ReportOutcome outcome;
    if (const auto row = archive_.findRow(resulttopics::questionnaireTable, name)) {
        outcome.questionnairesFound = true;
        printQuestionnaires(*row);
    }
    if (const auto row = archive_.findRow(resulttopics::exerciseTable, name)) {
        outcome.exercisesFound = true;
        printExercises(*row);
    }
    // Ending an empty document would still feed a blank sheet.
    if (outcome.anythingToPrint())
        outcome.sent = printer_.endDocument();
    return outcome;
}

void ResultsReport::line(const QString &text)
{
    printer_.print(text);
    printer_.newLine();
}

void ResultsReport::printQuestionnaires(const QList<QVariant> &row)
{
    line();
    printer_.tab(indentColumn);
    line(resultformat::printed(row.value(schema::questionari().position(QStringLiteral("nome")))));
    line(QStringLiteral("QUESTIONARI"));
    line();
    printer_.tab(indentColumn);
    printer_.print(QStringLiteral("Argomenti"));
    printer_.tab(valueColumns[0]);
    printer_.print(QStringLiteral(" Giusti"));
    printer_.tab(valueColumns[1]);
    line(QStringLiteral("Quando"));
    line();
    for (const resulttopics::Questionnaire &topic : resulttopics::questionnaires) {
        printer_.print(topic.label);
        printer_.tab(valueColumns[0]);
        printer_.print(resultformat::printed(row.value(topic.countPosition)));
        printer_.tab(valueColumns[1]);
        line(resultformat::printed(row.value(topic.datePosition)));
        line();
    }
}

void ResultsReport::printExercises(const QList<QVariant> &row)
{
    line();
    line(QStringLiteral("ESERCIZI APPLICATIVI"));
    line();
    printer_.tab(indentColumn);
    printer_.print(QStringLiteral("Compiti"));
    const QString headings[] = {QStringLiteral(" Giusti"), QStringLiteral("Sbagli"), QStringLiteral("%"), QStringLiteral("Quando")};
    for (int i = 0; i < resulttopics::valuesPerExercise; ++i) {
        printer_.tab(valueColumns[i]);
        printer_.print(headings[i]);
    }
    line();
    line();
    for (const resulttopics::Exercise &topic : resulttopics::exercises) {
        printer_.print(topic.reportLabel);
        for (int i = 0; i < resulttopics::valuesPerExercise; ++i) {
            printer_.tab(valueColumns[i]);
            printer_.print(resultformat::printed(row.value(topic.firstPosition + i)));
        }
        line();
        line();
    }
}

} // namespace censaria
