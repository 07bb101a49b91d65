#include "screenkit/clicklabel.h"
#include "screenkit/forms.h"
#include "results/resultsbrowser.h"
#include "archive/resultsreport.h"
#include "platform/qtlineprinter.h"
#include "platform/mediachoicedialog.h"
#include "tour.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace censaria::tour {
namespace {

QDateTime at(int day, int hour, int minute)
{
    return QDateTime(QDate(2026, 3, day), QTime(hour, minute, 0));
}

void fillArchive(Archive &archive)
{
    const QString pupil = QStringLiteral("ROSSI MARIO");
    archive.writeResult(QStringLiteral("questionari"), pupil, {{2, 8}, {3, at(9, 9, 12)}});
    archive.writeResult(QStringLiteral("questionari"), pupil, {{4, 10}, {5, at(9, 9, 40)}});
    archive.writeResult(QStringLiteral("questionari"), pupil, {{6, 7}, {7, at(10, 11, 5)}});
    archive.writeResult(QStringLiteral("questionari"), pupil, {{10, 9}, {11, at(12, 0, 0)}});
    archive.writeResult(QStringLiteral("questionari"), pupil, {{14, 6}, {15, at(13, 10, 30)}});
    archive.writeResult(QStringLiteral("esercizi"), pupil, {{2, 7}, {3, 2}, {4, 78}, {5, at(16, 10, 15)}});
    archive.writeResult(QStringLiteral("esercizi"), pupil, {{6, 5}, {7, 1}, {8, 83}, {9, at(16, 10, 15)}});
    archive.writeResult(QStringLiteral("esercizi"), pupil, {{10, 4}, {11, 0}, {12, 100}, {13, at(17, 12, 0)}});
}

// The printed page, as the printer would put it on paper, in a widget the tour can save.
std::unique_ptr<QWidget> printedPage(Archive &archive, const QString &name)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("pagina.pdf"));
    QtLinePrinter printer;
    printer.setPdfOutput(pdf);
    ResultsReport(archive, printer).print(name);
    return paperPage(pdf);
}

void tourResults(Tour &tour)
{
    TestProgram &program = tour.program();
    fillArchive(program.module().dbrisultati());
    program.module().nomealunno = QStringLiteral("ROSSI MARIO");
    program.module().navigation().show(forms::menu);
    program.control<QPushButton>(forms::menu, QStringLiteral("Cmdarchivio"))->click();
    tour.save(QStringLiteral("results"), forms::results);

    tour.saveMessage(QStringLiteral("results-help"), program.screen(forms::results),
                     {ResultsBrowser::helpText(), forms::programTitle, MessageIcon::None});

    // Where to export, when several media are mounted, and when none is.
    constexpr qint64 megabyte = 1024 * 1024;
    const QList<Medium> media{{QStringLiteral("/media/maestra/CHIAVETTA"), QStringLiteral("CHIAVETTA"), 7680 * megabyte, 3277 * megabyte},
                              {QStringLiteral("/media/maestra/SCHEDA SD"), QStringLiteral("SCHEDA SD"), 30 * 1024 * megabyte,
                               29 * 1024 * megabyte, true}};
    MediaChoiceDialog several(media, forms::programTitle, nullptr);
    several.show();
    tour.save(QStringLiteral("results-export-choice"), program.screen(forms::results), &several);
    MediaChoiceDialog none({}, forms::programTitle, nullptr);
    none.show();
    tour.save(QStringLiteral("results-export-no-medium"), program.screen(forms::results), &none);

    // A pupil with questionnaire results only, looked up by surname and first name.
    program.module().dbrisultati().writeResult(QStringLiteral("questionari"), QStringLiteral("BIANCHI GIULIA"),
                                               {{8, 9}, {9, at(11, 8, 50)}, {16, 10}, {17, at(11, 9, 5)}});
    program.control<QLineEdit>(forms::results, QStringLiteral("Text2"))->setText(QStringLiteral(" bianchi "));
    program.control<QLineEdit>(forms::results, QStringLiteral("Text1"))->setText(QStringLiteral("giulia"));
    program.control<ClickLabel>(forms::results, QStringLiteral("LabCERCA"))->click();
    tour.save(QStringLiteral("results-search"), forms::results);

    const std::unique_ptr<QWidget> page = printedPage(program.module().dbrisultati(), QStringLiteral("ROSSI MARIO"));
    tour.save(QStringLiteral("results-printed-page"), page.get());

    program.control<ClickLabel>(forms::results, QStringLiteral("Labmenù"))->click();
}

const bool registered = addTourStep(20, "results", &tourResults);

} // namespace
} // namespace censaria::tour
