#include "benchregister.h"

#include "archive/archive.h"
#include "archive/schema.h"
#include "figures.h"
#include "register/registercsv.h"
#include "register/registerdocument.h"
#include "register/registermodel.h"
#include "register/registerreader.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTableView>

namespace censaria::bench {
namespace {

// Names in no order, with the apostrophes and accents a class has.
QString pupilName(int i, int pupils)
{
    static const QStringList surnames = {QStringLiteral("ROSSI"),  QStringLiteral("D'ANGELO"), QStringLiteral("DE LUCA"),
                                         QStringLiteral("ÈRCOLI"), QStringLiteral("ESPOSITO"), QStringLiteral("BIANCHI"),
                                         QStringLiteral("ROMANO"), QStringLiteral("COLOMBO"),  QStringLiteral("RICCI")};
    const int scrambled = int((i * 7919LL) % pupils);
    return QStringLiteral("%1 ALUNNO%2").arg(surnames[scrambled % surnames.size()]).arg(scrambled, 5, 10, QLatin1Char('0'));
}

QList<ArchiveRow> fullRows(const schema::Table &table, int pupils)
{
    const QDateTime when(QDate(2026, 3, 12), QTime(10, 30));
    QList<ArchiveRow> rows;
    for (int i = 0; i < pupils; ++i) {
        ArchiveRow row{pupilName(i, pupils), QVariant()};
        for (int c = 2; c < table.columns.size(); ++c)
            row.append(table.columns[c].type == schema::ColumnType::DateTime ? QVariant(when.addSecs(i)) : QVariant((i + c) % 11));
        rows.append(row);
    }
    return rows;
}

} // namespace

void benchRegister(Report &report, const QString &workFolder, const RunSize &size)
{
    const int pupils = size.pupils();
    const QString register10000 = QStringLiteral("Register: open %1 pupils").arg(size.pupilsText());
    QDir().mkpath(workFolder);
    const QString file = QDir(workFolder).filePath(QStringLiteral("dbcensaria.mdb"));
    QFile::remove(file);
    {
        Archive::createEmpty(file);
        Archive archive(file);
        if (archive.open() != ArchiveProblem::None
            || !archive.appendTables({{schema::questionari().name, fullRows(schema::questionari(), pupils)},
                                      {schema::esercizi().name, fullRows(schema::esercizi(), pupils)}})) {
            report.addFailure(register10000, QStringLiteral("the archive could not be made: ") + archive.lastError());
            return;
        }
    }

    classregister::RegisterModel model;
    classregister::RegisterFilter filter(&model);
    classregister::SummaryModel summary(&filter);
    // Timed with the table on show and painted, as the teacher waits for it.
    QTableView view;
    view.setModel(&filter);
    view.setSortingEnabled(true);
    view.resize(900, 600);
    view.show();
    QList<double> checking, reading, showing;
    QString failure;
    const auto open = timeRuns(size.times(5), [&] {
        QElapsedTimer step;
        step.start();
        Archive archive(file);
        if (archive.openReadOnly() != ArchiveProblem::None) {
            failure = QStringLiteral("the archive could not be opened: ") + archive.lastError();
            return;
        }
        checking << step.nsecsElapsed() / 1e6;
        step.restart();
        auto records = classregister::readRecords(archive.connection(), &failure);
        reading << step.nsecsElapsed() / 1e6;
        step.restart();
        if (!records || records->size() != pupils) {
            failure = QStringLiteral("%1 records read: %2").arg(records ? records->size() : 0).arg(failure);
            return;
        }
        model.setRecords(std::move(*records));
        view.repaint();
        showing << step.nsecsElapsed() / 1e6;
    });
    if (!failure.isEmpty()) {
        report.addFailure(register10000, failure);
        return;
    }
    report.addLimit(register10000, median(open), QStringLiteral("ms"), 300);
    report.addInfo(QStringLiteral("  opening the file with its checks"), median(checking), QStringLiteral("ms"));
    report.addInfo(QStringLiteral("  reading both tables into records"), median(reading), QStringLiteral("ms"));
    report.addInfo(QStringLiteral("  the table sorted and painted"), median(showing), QStringLiteral("ms"));

    int column = 0;
    const auto sort = timeRuns(size.times(6), [&] {
        view.sortByColumn(column, column % 2 ? Qt::DescendingOrder : Qt::AscendingOrder);
        view.repaint();
        column = column == 0 ? int(model.columnCount()) - 1 : 0;
    });
    report.addLimit(QStringLiteral("Register: sort %1 pupils (name, average)").arg(size.pupilsText()), median(sort), QStringLiteral("ms"), 100);

    // Typing "ross" and taking it back: every keystroke filters and recounts the averages.
    const QStringList keystrokes = {QStringLiteral("r"),   QStringLiteral("ro"), QStringLiteral("ros"), QStringLiteral("ross"),
                                    QStringLiteral("ros"), QStringLiteral("ro"), QStringLiteral("r"),   QString()};
    int key = 0;
    const auto typing = timeRuns(int(keystrokes.size()), [&] {
        filter.setNameFilter(keystrokes[key++]);
        view.repaint();
    });
    report.addLimit(QStringLiteral("Register: filter per keystroke"), median(typing), QStringLiteral("ms"), 50);

    const QList<int> rows = filter.shownRows();
    const QString csv = QDir(workFolder).filePath(QStringLiteral("registro.csv"));
    bool written = true;
    const auto csvTimes = timeRuns(size.times(3), [&] {
        written = classregister::writeFileAtomically(csv, classregister::registerCsv(model, rows), &failure) && written;
    });
    const QString csvName = QStringLiteral("Register: CSV of %1 pupils").arg(size.pupilsText());
    if (written)
        report.addLimit(csvName, median(csvTimes), QStringLiteral("ms"), 1000);
    else
        report.addFailure(csvName, failure);

    const QString pdf = QDir(workFolder).filePath(QStringLiteral("registro.pdf"));
    const classregister::RegisterDocument document(
        model, rows, {QStringLiteral("3ª B"), QStringLiteral("Scuola"), QDate(2026, 3, 12), QStringLiteral("questo computer"), 0, {}});
    const auto pdfTimes = timeRuns(1, [&] { written = writePdf(document, pdf, {}, &failure); });
    const QString pdfName = QStringLiteral("Register: PDF of %1 pupils").arg(size.pupilsText());
    if (written)
        report.addLimit(pdfName, median(pdfTimes), QStringLiteral("ms"), 5000);
    else
        report.addFailure(pdfName, failure);
}

} // namespace censaria::bench
