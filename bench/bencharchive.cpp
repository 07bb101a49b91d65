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

constexpr int pupils = 10000;

QString pupilName(int i)
{
    return QStringLiteral("ALUNNO%1 PROVA").arg(i, 5, 10, QLatin1Char('0'));
}

// Rows with every result recorded, as a well-used archive has them.
QList<ArchiveRow> fullRows(const schema::Table &table)
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

bool fillArchive(const QString &fileName)
{
    Archive archive(fileName);
    return archive.open() == ArchiveProblem::None
        && archive.appendTables({{schema::questionari().name, fullRows(schema::questionari())},
                                 {schema::esercizi().name, fullRows(schema::esercizi())}});
}

// The disk work of one commit in rollback-journal mode with the folder synced, without
// SQLite: a new journal written and synced twice (the folder with it), one page of the
// archive written and synced, the journal deleted and the folder synced again. The
// floor under a durable commit.
double diskWorkMs(const QString &folder)
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
    return median(timeRuns(50, [&] {
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

QString randomPupil()
{
    return pupilName(QRandomGenerator::global()->bounded(pupils));
}

} // namespace

void benchArchive(Report &report, const QString &workFolder)
{
    const QString folder = TestProgram::makeProgramFolder(workFolder);
    TestProgram program(folder);
    if (!fillArchive(program.archivePath()) || !program.start()) {
        report.addLimit(QStringLiteral("archive of 10 000 pupils could not be made (FAILED)"), qInf(), QStringLiteral("ms"), 1);
        return;
    }
    Module &module = program.module();
    Archive &archive = module.dbrisultati();

    // The start-up with a full archive: the first of each day also makes the day's copy
    // (with one more full check); the others only open the archive with its checks.
    const QString copies = QDir(folder).filePath(QStringLiteral("perCensaria/copie"));
    const QList<double> firstStarts = timeRuns(5, [&] {
        QDir(copies).removeRecursively();
        TestProgram again(folder);
        again.start();
    });
    const QList<double> laterStarts = timeRuns(10, [&] {
        TestProgram again(folder);
        again.start();
    });
    report.addLimit(QStringLiteral("start-up with 10 000 pupils, first of the day (daily copy)"), median(firstStarts),
                    QStringLiteral("ms"), 2000);
    report.addLimit(QStringLiteral("start-up with 10 000 pupils, later ones"), median(laterStarts), QStringLiteral("ms"), 500);
    report.addInfo(QStringLiteral("  opening the archive with every start-up check"),
                   median(timeRuns(10, [&] { Archive(program.archivePath()).open(); })), QStringLiteral("ms"));
    report.addInfo(QStringLiteral("  quick_check alone"), median(timeRuns(10, [&] { archive.quickCheck(); })), QStringLiteral("ms"));
    report.addInfo(QStringLiteral("  integrity_check alone (every start)"),
                   median(timeRuns(5, [&] { archive.integrityCheck(); })), QStringLiteral("ms"));

    const QList<double> commits = timeRuns(60, [&] {
        module.nomealunno = randomPupil();
        module.recordResult(schema::questionari().name, {{2, 7}}, 3);
    });
    report.addLimit(QStringLiteral("recording a result (durable commit)"), median(commits), QStringLiteral("ms"), 5);
    report.addInfo(QStringLiteral("  its disk work alone (3 fsync and the folder's, no SQLite)"), diskWorkMs(folder), QStringLiteral("ms"));

    // The results screen looks a pupil up in both tables.
    const QList<double> lookUps = timeRuns(500, [&] {
        const QString name = randomPupil();
        archive.findRow(schema::questionari().name, name);
        archive.findRow(schema::esercizi().name, name);
    });
    report.addLimit(QStringLiteral("a pupil's look-up (both tables)"), median(lookUps), QStringLiteral("ms"), 2);

    report.addInfo(QStringLiteral("  names query alone"), median(timeRuns(10, [&] { archive.names(); })), QStringLiteral("ms"));
    PaintWatch watch;
    auto *label = program.control<ClickLabel>(forms::menu, QStringLiteral("LabNOMI"));
    auto *list = program.control<QListWidget>(forms::menu, QStringLiteral("List1"));
    QList<double> lists;
    for (int i = 0; i < 5; ++i) {
        lists.append(watch.msUntilPainted(forms::menu, [label] { label->click(); }));
        emit list->itemClicked(list->item(0));
    }
    report.addLimit(QStringLiteral("names list shown by the menu"), median(lists), QStringLiteral("ms"), 100);

    const QString drive = QDir(workFolder).filePath(QStringLiteral("driveA"));
    QDir().mkpath(drive);
    const DataPaths onMedium = module.paths().onMedium(drive);
    QtFileCopier copier;
    ResultsExport exporter(archive, onMedium, copier);
    bool exported = true;
    const QList<double> exports = timeRuns(5, [&] {
        QFile::remove(exporter.targetPath());
        exported = exported && exporter.run() == ResultsExport::Outcome::Done;
    });
    report.addLimit(QStringLiteral("export of all rows (2 x 10 000)"), exported ? median(exports) : qInf(), QStringLiteral("ms"), 3000);
}

} // namespace censaria::bench
