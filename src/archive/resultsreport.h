#pragma once

#include <QString>

namespace censaria {

class Archive;
class LinePrinter;

// What one print did.
struct ReportOutcome
{
    bool questionnairesFound = false;
    bool exercisesFound = false;
    // The page went to the printer; false also when there was nothing to print.
    bool sent = false;
    bool anythingToPrint() const { return questionnairesFound || exercisesFound; }
};

// One pupil's results on one page, in fixed character columns: a questionnaire
// section and an exercise section, each printed only when the pupil has that row.
class ResultsReport
{
public:
    ResultsReport(Archive &archive, LinePrinter &printer);

    // Prints the page of name; a page with nothing on it is never sent.
    ReportOutcome print(const QString &name);

private:
    void printQuestionnaires(const QList<QVariant> &row);
    void printExercises(const QList<QVariant> &row);
    void line(const QString &text = QString());

    Archive &archive_;
    LinePrinter &printer_;
};

} // namespace censaria
