#include "bencharchive.h"

#include "screenkit/forms.h"
#include "screenkit/clicklabel.h"
#include "archive/archive.h"
#include "archive/resultsexport.h"
#include "archive/schema.h"
#include "figures.h"
#include "paintwatch.h"
#include "platform/fakeplatform.h"
#include "platform/qtplatform.h"
#include "testsupport/censariatest.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QRandomGenerator>
#include <QTemporaryFile>
#include <fcntl.h>
#include <unistd.h>

namespace censaria::bench {
namespace {

QString pupilName(int i)
{
    return QStringLiteral("ALUNNO%1 PROVA").arg(i, 5, 10, QLatin1Char('0'));
}

// Rows with every result recorded, as a well-used archive has them.
QList<ArchiveRow> fullRows(const schema::Table &table, int pupils)
{
    const QDateTime when(QDate(2026, 3, 12), QTime(10, 30));
    QList<ArchiveRow> rows;
    for (int i = 0; i < pupils; ++i) {
        ArchiveRow row{pupilName(i), QVariant()};
        for (int c = 2; c < table.columns.size(); ++c)
            row.append(table.columns[c].type == schema::ColumnType::DateTime ? QVariant(when) : QVariant(i % 11));
        rows.append(row);
    }
    return rows;
}

bool fillArchive(const QString &fileName, int pupils)
{
    Archive archive(fileName);
    return archive.open() == ArchiveProblem::None
           && archive.appendTables({{schema::questionari().name, fullRows(schema::questionari(), pupils)},
                                    {schema::esercizi().name, fullRows(schema::esercizi(), pupils)}});
}

// The disk work of one commit in rollback-journal mode with the folder synced, without
// SQLite: a new journal written and synced twice (the folder with it), one page of the
// archive written and synced, the journal deleted and the folder synced again. The
// floor under a durable commit.
double diskWorkMs(const QString &folder, int runs)
{
    QTemporaryFile archive(QDir(folder).filePath(QStringLiteral("disk-XXXXXX")));
    if (!archive.open())
        return qQNaN();
    const QByteArray page(4096, 'x');
    archive.write(page);
    archive.flush();
    const QString journalName = archive.fileName() + QStringLiteral("-journal");
    auto syncFolder = [&] {
        const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
        ::fsync(handle);
        ::close(handle);
    };
    return median(timeRuns(runs, [&] {
        QFile journal(journalName);
        journal.open(QIODevice::WriteOnly);
        journal.write(page);
        journal.flush();
        ::fsync(journal.handle());
        syncFolder();
        journal.seek(0);
        journal.write(page.left(512));
        journal.flush();
        ::fsync(journal.handle());
        archive.seek(0);
        archive.write(page);
        archive.flush();
        ::fsync(archive.handle());
        journal.close();
        QFile::remove(journalName);
        syncFolder();
    }));
}

QString randomPupil(int pupils)
{
    return pupilName(QRandomGenerator::global()->bounded(pupils));
}

} // namespace

void benchArchive(Report &report, const QString &workFolder, const RunSize &size)
{
    const QString folder = TestProgram::makeProgramFolder(workFolder);
    const int pupils = size.pupils();
    TestProgram program(folder);
    if (!fillArchive(program.archivePath(), pupils) || !program.start()) {
        report.addFailure(QStringLiteral("archive of %1 pupils").arg(size.pupilsText()), QStringLiteral("it could not be made"));
        return;
    }
    Module &module = program.module();
    Archive &archive = module.dbrisultati();

    // The start-up with a full archive: the first of each day also makes the day's copy
    // (with one more full check); the others only open the archive with its checks.
    const QString copies = QDir(folder).filePath(QStringLiteral("perCensaria/copie"));
    bool started = true;
    const QList<double> firstStarts = timeRuns(size.times(5), [&] {
        QDir(copies).removeRecursively();
        TestProgram again(folder);
        started = again.start() && started;
    });
    const QList<double> laterStarts = timeRuns(size.times(10), [&] {
        TestProgram again(folder);
        started = again.start() && started;
    });
    if (!started) {
        report.addFailure(QStringLiteral("start-up with %1 pupils").arg(size.pupilsText()), QStringLiteral("the program did not start"));
        return;
    }
    report.addLimit(QStringLiteral("start-up with %1 pupils, first of the day (daily copy)").arg(size.pupilsText()), median(firstStarts),
                    QStringLiteral("ms"), 2000);
    report.addLimit(QStringLiteral("start-up with %1 pupils, later ones").arg(size.pupilsText()), median(laterStarts), QStringLiteral("ms"),
                    500);
    report.addInfo(QStringLiteral("  opening the archive with every start-up check"),
                   median(timeRuns(size.times(10), [&] { Archive(program.archivePath()).open(); })), QStringLiteral("ms"));
    report.addInfo(QStringLiteral("  quick_check alone"), median(timeRuns(size.times(10), [&] { archive.quickCheck(); })), QStringLiteral("ms"));
    report.addInfo(QStringLiteral("  integrity_check alone (every start)"), median(timeRuns(size.times(5), [&] { archive.integrityCheck(); })),
                   QStringLiteral("ms"));

    bool recorded = true;
    const QList<double> commits = timeRuns(size.times(60), [&] {
        module.nomealunno = randomPupil(pupils);
        recorded = module.recordResult(schema::questionari().name, {{2, 7}}, 3) && recorded;
    });
    if (recorded)
        report.addLimit(QStringLiteral("recording a result (durable commit)"), median(commits), QStringLiteral("ms"), 5);
    else
        report.addFailure(QStringLiteral("recording a result (durable commit)"), archive.lastError());
    report.addInfo(QStringLiteral("  its disk work alone (3 fsync and the folder's, no SQLite)"), diskWorkMs(folder, size.times(50)),
                   QStringLiteral("ms"));

    // The results screen looks a pupil up in both tables.
    bool found = true;
    const QList<double> lookUps = timeRuns(size.times(500), [&] {
        const QString name = randomPupil(pupils);
        found = archive.findRow(schema::questionari().name, name) && archive.findRow(schema::esercizi().name, name) && found;
    });
    if (found)
        report.addLimit(QStringLiteral("a pupil's look-up (both tables)"), median(lookUps), QStringLiteral("ms"), 2);
    else
        report.addFailure(QStringLiteral("a pupil's look-up (both tables)"), QStringLiteral("a pupil was not found"));

    report.addInfo(QStringLiteral("  names query alone"), median(timeRuns(size.times(10), [&] { archive.names(); })), QStringLiteral("ms"));
    PaintWatch watch;
    auto *label = program.control<ClickLabel>(forms::menu, QStringLiteral("LabNOMI"));
    auto *list = program.control<QListWidget>(forms::menu, QStringLiteral("List1"));
    if (!label || !list) {
        report.addFailure(QStringLiteral("names list shown by the menu"), QStringLiteral("no LabNOMI or List1 on ") + forms::menu);
    } else {
        QList<double> lists;
        for (int i = 0; i < size.times(5); ++i) {
            lists.append(watch.msUntilPainted(forms::menu, [label] { label->click(); }));
            if (list->count() != pupils + 1) {
                report.addFailure(QStringLiteral("names list shown by the menu"),
                                  QStringLiteral("%1 rows for %2 pupils").arg(list->count()).arg(pupils));
                break;
            }
            emit list->itemClicked(list->item(0));
        }
        if (lists.size() == size.times(5))
            report.addLimit(QStringLiteral("names list shown by the menu"), median(lists), QStringLiteral("ms"), 100);
    }

    const QString drive = QDir(workFolder).filePath(QStringLiteral("driveA"));
    QDir().mkpath(drive);
    const DataPaths onMedium = module.paths().onMedium(drive);
    QtFileCopier copier;
    ResultsExport exporter(archive, onMedium, copier);
    bool exported = true;
    const QList<double> exports = timeRuns(size.times(5), [&] {
        QFile::remove(exporter.targetPath());
        exported = exported && exporter.run() == ResultsExport::Outcome::Done;
    });
    const QString exportName = QStringLiteral("export of all rows (2 x %1)").arg(size.pupilsText());
    if (exported)
        report.addLimit(exportName, median(exports), QStringLiteral("ms"), 3000);
    else
        report.addFailure(exportName, QStringLiteral("the export did not end as done"));
}

} // namespace censaria::bench
