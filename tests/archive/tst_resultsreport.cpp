#include "archive/archive.h"
#include "archive/resultformat.h"
#include "archive/resultsreport.h"
#include "platform/qtlineprinter.h"

#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace censaria;

namespace {

const QString pupil = QStringLiteral("ROSSI MARIO");
const QDateTime monday(QDate(2026, 3, 9), QTime(9, 12, 0));
const QDateTime midnight(QDate(2026, 3, 12), QTime(0, 0));

// A line built from pieces placed at character columns, counting from 1.
QString columns(const QList<std::pair<int, QString>> &pieces)
{
    QString line;
    for (const auto &[column, text] : pieces) {
        line = line.leftJustified(column - 1, u' ');
        line += text;
    }
    return line;
}

} // namespace

class TestResultsReport : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<Archive> archive_;
    RecordingPrinter printer_;

    QStringList printPage(const QString &name)
    {
        const ReportOutcome outcome = ResultsReport(*archive_, printer_).print(name);
        if (!outcome.sent)
            return {};
        return printer_.documents.last();
    }

private slots:
    void init()
    {
        const QString file = dir_.filePath(QStringLiteral("dbcensaria.mdb"));
        QFile::remove(file);
        QVERIFY(Archive::createEmpty(file));
        archive_ = std::make_unique<Archive>(file);
        QCOMPARE(archive_->open(), ArchiveProblem::None);
        printer_.documents.clear();
        printer_.fail = false;
    }
    void cleanup() { archive_.reset(); }

    void valuesAreFormattedForPaper()
    {
        QCOMPARE(resultformat::printed(QVariant(qlonglong(7))), QStringLiteral(" 7 "));
        QCOMPARE(resultformat::printed(QVariant(100)), QStringLiteral(" 100 "));
        QCOMPARE(resultformat::printed(QVariant(-3)), QStringLiteral("-3 "));
        QCOMPARE(resultformat::printed(QVariant()), QStringLiteral("Null"));
        QCOMPARE(resultformat::printed(QVariant(QStringLiteral("ROSSI"))), QStringLiteral("ROSSI"));
        QCOMPARE(resultformat::printed(QVariant(monday)), QStringLiteral("09/03/2026 09:12:00"));
        QCOMPARE(resultformat::printed(QVariant(midnight)), QStringLiteral("12/03/2026"));
    }

    void aFoundPupilGetsBothSections()
    {
        archive_->writeResult(QStringLiteral("questionari"), pupil, {{2, 7}, {3, monday}, {10, 10}, {11, midnight}});
        archive_->writeResult(QStringLiteral("esercizi"), pupil, {{2, 7}, {3, 2}, {4, 78}, {5, monday}, {12, 100}});
        const QStringList page = printPage(pupil);

        QCOMPARE(page.size(), 37);
        QCOMPARE(page.mid(0, 7),
                 (QStringList{QString(), QStringLiteral("      ROSSI MARIO"), QStringLiteral("QUESTIONARI"), QString(),
                              columns({{7, QStringLiteral("Argomenti")}, {35, QStringLiteral(" Giusti")}, {45, QStringLiteral("Quando")}}),
                              QString(),
                              columns({{1, QStringLiteral("I 3 periodi-introduzione")},
                                       {35, QStringLiteral(" 7 ")},
                                       {45, QStringLiteral("09/03/2026 09:12:00")}})}));
        QCOMPARE(page[7], QString());
        QCOMPARE(page[14],
                 columns({{1, QStringLiteral("La densità di popolazione")}, {35, QStringLiteral(" 10 ")}, {45, QStringLiteral("12/03/2026")}}));
        QVERIFY(page[24].startsWith(QStringLiteral("Le famiglie moderne ")));
        QCOMPARE(page.mid(26, 5), (QStringList{QString(), QStringLiteral("ESERCIZI APPLICATIVI"), QString(),
                                               columns({{7, QStringLiteral("Compiti")},
                                                        {35, QStringLiteral(" Giusti")},
                                                        {45, QStringLiteral("Sbagli")},
                                                        {55, QStringLiteral("%")},
                                                        {65, QStringLiteral("Quando")}}),
                                               QString()}));
        QCOMPARE(page[31], columns({{1, QStringLiteral("Calcolo dei SALDI")},
                                    {35, QStringLiteral(" 7 ")},
                                    {45, QStringLiteral(" 2 ")},
                                    {55, QStringLiteral(" 78 ")},
                                    {65, QStringLiteral("09/03/2026 09:12:00")}}));
        QCOMPARE(page[33].left(22), QStringLiteral("COMPRENSIONE uso saldi"));
        QCOMPARE(page[35], columns({{1, QStringLiteral("Calcolo dei TASSI")},
                                    {35, QStringLiteral("Null")},
                                    {45, QStringLiteral("Null")},
                                    {55, QStringLiteral(" 100 ")},
                                    {65, QStringLiteral("Null")}}));
        QCOMPARE(page[36], QString());
    }

    void onlyTheSectionsOfRowsFoundArePrinted()
    {
        archive_->writeResult(QStringLiteral("questionari"), QStringLiteral("SOLO QUESTIONARI"), {{2, 0}, {20, 5}});
        archive_->writeResult(QStringLiteral("esercizi"), QStringLiteral("SOLO ESERCIZI"), {{10, 3}});

        ReportOutcome outcome = ResultsReport(*archive_, printer_).print(QStringLiteral("SOLO QUESTIONARI"));
        QVERIFY(outcome.questionnairesFound && !outcome.exercisesFound && outcome.sent);
        QCOMPARE(printer_.documents.last().size(), 26);
        QVERIFY(!printer_.documents.last().contains(QStringLiteral("ESERCIZI APPLICATIVI")));
        // Taken with no right answer: a real 0 and a date never recorded; never taken: Null.
        QCOMPARE(printer_.documents.last()[6],
                 columns({{1, QStringLiteral("I 3 periodi-introduzione")}, {35, QStringLiteral(" 0 ")}, {45, QStringLiteral("Null")}}));
        QCOMPARE(printer_.documents.last()[8],
                 columns({{1, QStringLiteral("Periodo fam tradizionali")}, {35, QStringLiteral("Null")}, {45, QStringLiteral("Null")}}));

        outcome = ResultsReport(*archive_, printer_).print(QStringLiteral("SOLO ESERCIZI"));
        QVERIFY(!outcome.questionnairesFound && outcome.exercisesFound && outcome.sent);
        const QStringList page = printer_.documents.last();
        QCOMPARE(page.size(), 11);
        QCOMPARE(page[1], QStringLiteral("ESERCIZI APPLICATIVI")); // no name line without the questionnaires
        QVERIFY(!page.join(u'\n').contains(QStringLiteral("SOLO ESERCIZI")));
    }

    void nobodyFoundOrARefusedJobSendsNoSheet()
    {
        archive_->writeResult(QStringLiteral("questionari"), pupil, {{2, 7}});
        ReportOutcome outcome = ResultsReport(*archive_, printer_).print(QStringLiteral("ROSSI"));
        QVERIFY(!outcome.anythingToPrint());
        QVERIFY(!outcome.sent);
        QVERIFY(printer_.documents.isEmpty());
        // The next page starts clean.
        ResultsReport(*archive_, printer_).print(pupil);
        QCOMPARE(printer_.documents.size(), 1);
        QCOMPARE(printer_.documents.first().at(1), QStringLiteral("      ROSSI MARIO"));

        printer_.fail = true;
        outcome = ResultsReport(*archive_, printer_).print(pupil);
        QVERIFY(outcome.questionnairesFound);
        QVERIFY(!outcome.sent);
    }

    void withoutAnyPrinterTheJobFails()
    {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("this computer has a printer");
        archive_->writeResult(QStringLiteral("questionari"), pupil, {{2, 7}});
        QtLinePrinter printer; // the system's default printer, which is not there
        QVERIFY(!ResultsReport(*archive_, printer).print(pupil).sent);
    }

    void thePageRendersWithItsColumnsAligned()
    {
        archive_->writeResult(QStringLiteral("questionari"), pupil, {{2, 7}, {3, monday}});
        archive_->writeResult(QStringLiteral("esercizi"), pupil, {{10, 4}, {11, 0}, {12, 100}, {13, monday}});
        QtLinePrinter printer;
        const QString pdf = dir_.filePath(QStringLiteral("pagina.pdf"));
        printer.setPdfOutput(pdf);
        QVERIFY(ResultsReport(*archive_, printer).print(pupil).sent);
        QVERIFY(QFileInfo(pdf).size() > 1000);

        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        const QStringList lines = QString::fromUtf8(text.readAllStandardOutput()).split(u'\n');
        QCOMPARE(lines.filter(QStringLiteral("ROSSI MARIO")).size(), 1);
        // The widest line, with the date at column 65, is on the page whole.
        const QStringList tassi = lines.filter(QStringLiteral("Calcolo dei TASSI"));
        QCOMPARE(tassi.size(), 1);
        QVERIFY2(tassi.first().trimmed().endsWith(QStringLiteral("09/03/2026 09:12:00")), qPrintable(tassi.first()));
        // Values stand under their headings.
        const QStringList heading = lines.filter(QStringLiteral("Argomenti"));
        const QStringList first = lines.filter(QStringLiteral("I 3 periodi-introduzione"));
        QCOMPARE(heading.size(), 1);
        QCOMPARE(first.size(), 1);
        QCOMPARE(first.first().indexOf(QStringLiteral("09/03/2026")), heading.first().indexOf(QStringLiteral("Quando")));
        QCOMPARE(first.first().indexOf(u'7'), heading.first().indexOf(QStringLiteral("Giusti")));
    }
};

QTEST_MAIN(TestResultsReport)
#include "tst_resultsreport.moc"
