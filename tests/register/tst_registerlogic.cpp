// The register's records, merge rules, table model, sorting, filter and averages.
#include "register/archivenames.h"
#include "register/pupilrecord.h"
#include "register/registermodel.h"
#include "registerfixtures.h"

#include <QDir>
#include <QtTest>

using namespace censaria::classregister;
using censaria::registertest::at;

namespace {

PupilRecord pupil(const QString &name, const QList<std::tuple<int, int, QDateTime>> &results = {})
{
    PupilRecord record;
    record.name = name;
    for (const auto &[topic, right, when] : results) {
        TopicResult &r = record.topics[topic];
        r.done = true;
        r.right = right;
        r.percent = isExercise(topic) ? right * 10 : 0;
        r.date = when.date();
        r.time = when.time();
    }
    return record;
}

QStringList shownNames(const RegisterFilter &filter)
{
    QStringList names;
    for (int row = 0; row < filter.rowCount(); ++row)
        names << filter.index(row, 0).data().toString();
    return names;
}

int columnOf(RegisterColumn::Kind kind, int topic = -1)
{
    const auto &all = RegisterColumn::all();
    for (int c = 0; c < all.size(); ++c)
        if (all[c].kind == kind && all[c].topic == topic)
            return c;
    return -1;
}

} // namespace

class TestRegisterLogic : public QObject
{
    Q_OBJECT
private slots:
    void mergeKeepsTheLaterResultOfEachTopic()
    {
        RecordMerger merger;
        merger.add(pupil(QStringLiteral("ROSSI MARIO"), {{0, 4, at(2)}, {1, 9, at(5)}}));
        merger.add(pupil(QStringLiteral("BIANCHI ANNA"), {{0, 7, at(2)}}));
        merger.add(pupil(QStringLiteral("ROSSI MARIO"), {{0, 8, at(3)}, {1, 2, at(4)}, {2, 6, at(1)}}));
        const QList<PupilRecord> records = merger.records();
        QCOMPARE(records.size(), 2); // the same pupil on two computers counts once
        const PupilRecord &rossi = records[0];
        QCOMPARE(rossi.topics[0].right, 8); // later on the second computer
        QCOMPARE(rossi.topics[1].right, 9); // later on the first
        QCOMPARE(rossi.topics[2].right, 6); // done on one computer only
        QVERIFY(!rossi.topics[3].done);
    }

    void mergeTiesAndMissingDates()
    {
        PupilRecord first = pupil(QStringLiteral("X"), {{0, 5, at(2)}});
        // Same moment: the first one found stays.
        mergeRecord(first, pupil(QStringLiteral("X"), {{0, 9, at(2)}}));
        QCOMPARE(first.topics[0].right, 5);
        // A result without a date loses to a dated one, but beats nothing at all.
        PupilRecord undated = pupil(QStringLiteral("X"), {{0, 10, at(1)}, {1, 3, at(1)}});
        undated.topics[0].date = QDate();
        undated.topics[1].date = QDate();
        mergeRecord(first, undated);
        QCOMPARE(first.topics[0].right, 5);
        QVERIFY(first.topics[1].done);
        QCOMPARE(first.topics[1].right, 3);
        // A later hour of the same day wins.
        mergeRecord(first, pupil(QStringLiteral("X"), {{0, 1, at(2, 11)}}));
        QCOMPARE(first.topics[0].right, 1);
    }

    void notDoneIsNotZero()
    {
        RegisterModel model;
        model.setRecords({pupil(QStringLiteral("ZERO ZOE"), {{0, 0, at(1)}, {10, 0, at(1)}}), pupil(QStringLiteral("NULLA NINO"))});
        const int q0 = columnOf(RegisterColumn::Kind::Right, 0);
        const int percent = columnOf(RegisterColumn::Kind::Percent, 10);
        const int average = columnOf(RegisterColumn::Kind::Average);
        // A 0 is a mark below 6, with its sign; "—" is no mark at all.
        QCOMPARE(model.index(0, q0).data().toString(), QStringLiteral("0 ▼"));
        QCOMPARE(model.index(0, percent).data().toString(), QStringLiteral("0 ▼"));
        QCOMPARE(model.index(1, q0).data().toString(), QStringLiteral("—"));
        QCOMPARE(model.index(1, percent).data().toString(), QStringLiteral("—"));
        QVERIFY(!model.index(1, q0).data(Qt::ForegroundRole).isValid());
        QCOMPARE(model.index(0, average).data().toString(), QStringLiteral("0,0 ▼"));
        QCOMPARE(model.index(1, average).data().toString(), QStringLiteral("—"));
        // The date shows on hover; a topic not done says so.
        QVERIFY(model.index(0, q0).data(Qt::ToolTipRole).toString().contains(QStringLiteral("01/03/2026 10:00")));
        QVERIFY(model.index(1, q0).data(Qt::ToolTipRole).toString().contains(QStringLiteral("non ancora svolto")));

        // Sorting puts "—" apart from 0, below it in ascending order.
        RegisterFilter filter(&model);
        filter.sort(q0, Qt::AscendingOrder);
        QCOMPARE(shownNames(filter), (QStringList{QStringLiteral("NULLA NINO"), QStringLiteral("ZERO ZOE")}));
        filter.sort(q0, Qt::DescendingOrder);
        QCOMPARE(shownNames(filter), (QStringList{QStringLiteral("ZERO ZOE"), QStringLiteral("NULLA NINO")}));
    }

    // Marks below 6, on the scale of 10 of each kind of column: the questionnaires' right
    // answers, the exercises' percentages (their right and wrong answers are counts, not
    // marks), the average.
    void marksBelowSix()
    {
        PupilRecord lea = pupil(QStringLiteral("LIMITE LEA"), {{0, 6, at(1)}, {1, 5, at(1)}});
        lea.topics[10] = {true, 10, 7, 58, QDate(2026, 3, 2), QTime(9, 0)};
        lea.topics[11] = {true, 6, 4, 60, QDate(2026, 3, 2), QTime(9, 0)};
        RegisterModel model;
        model.setRecords({lea});
        const auto text = [&](RegisterColumn::Kind kind, int topic = -1) { return model.index(0, columnOf(kind, topic)).data().toString(); };
        QCOMPARE(text(RegisterColumn::Kind::Right, 0), QStringLiteral("6"));
        QCOMPARE(text(RegisterColumn::Kind::Right, 1), QStringLiteral("5 ▼"));
        // Red as well as signed; 6 is enough.
        QCOMPARE(model.index(0, columnOf(RegisterColumn::Kind::Right, 1)).data(Qt::ForegroundRole).value<QColor>(),
                 RegisterModel::belowSixColour);
        QVERIFY(!model.index(0, columnOf(RegisterColumn::Kind::Right, 0)).data(Qt::ForegroundRole).isValid());
        QCOMPARE(text(RegisterColumn::Kind::Percent, 10), QStringLiteral("58 ▼"));
        QCOMPARE(text(RegisterColumn::Kind::Right, 10), QStringLiteral("10"));
        QCOMPARE(text(RegisterColumn::Kind::Wrong, 10), QStringLiteral("7"));
        QCOMPARE(text(RegisterColumn::Kind::Percent, 11), QStringLiteral("60"));
        QCOMPARE(text(RegisterColumn::Kind::Average), QStringLiteral("5,7 ▼")); // (6 + 5 + 5,8 + 6) / 4

        // The dates under the marks when asked, in the marks' columns only.
        model.setShowDates(true);
        QCOMPARE(text(RegisterColumn::Kind::Right, 0), QStringLiteral("6\n01/03/26"));
        QCOMPARE(text(RegisterColumn::Kind::Right, 2), RegisterModel::notDone);
        QCOMPARE(text(RegisterColumn::Kind::Percent, 10), QStringLiteral("58 ▼\n02/03/26"));
        QCOMPARE(text(RegisterColumn::Kind::Wrong, 10), QStringLiteral("7"));
        QCOMPARE(text(RegisterColumn::Kind::Average), QStringLiteral("5,7 ▼"));
    }

    void namesSortAsAnItalianRegister()
    {
        // Apostrophes and blanks inside a surname do not count ("D'ANGELO" as DANGELO,
        // "DE LUCA" as DELUCA) and accented capitals sort with their letter.
        RegisterModel model;
        QList<PupilRecord> records;
        for (const char *name : {"ZAMBONI LUCA", "DE LUCA PAOLO", "ÈRCOLI ANNA", "D'ANGELO SARA", "FABBRI LIA", "DAMIANI EVA", "ESPOSITO GINO",
                                 "DEGLI ESPOSTI ADA"})
            records << pupil(QString::fromUtf8(name));
        model.setRecords(records);
        RegisterFilter filter(&model);
        filter.sort(0, Qt::AscendingOrder);
        QCOMPARE(shownNames(filter), (QStringList{"DAMIANI EVA", "D'ANGELO SARA", "DEGLI ESPOSTI ADA", "DE LUCA PAOLO", "ÈRCOLI ANNA",
                                                  "ESPOSITO GINO", "FABBRI LIA", "ZAMBONI LUCA"}));

        // Equal results keep the names' order.
        model.setRecords({pupil(QStringLiteral("VERDI"), {{0, 7, at(1)}}), pupil(QStringLiteral("BIANCHI"), {{0, 7, at(1)}}),
                          pupil(QStringLiteral("NERI"), {{0, 9, at(1)}})});
        filter.sort(columnOf(RegisterColumn::Kind::Right, 0), Qt::AscendingOrder);
        QCOMPARE(shownNames(filter), (QStringList{QStringLiteral("BIANCHI"), QStringLiteral("VERDI"), QStringLiteral("NERI")}));
    }

    void filterAndClassAverages()
    {
        RegisterModel model;
        model.setRecords({pupil(QStringLiteral("ROSSI MARIO"), {{0, 8, at(1)}, {10, 5, at(1)}}),
                          pupil(QStringLiteral("ROSSI ANNA"), {{0, 6, at(1)}}),
                          pupil(QStringLiteral("BIANCHI LEO"), {{0, 1, at(1)}, {1, 4, at(1)}})});
        RegisterFilter filter(&model);
        SummaryModel summary(&filter);
        const int q0 = columnOf(RegisterColumn::Kind::Right, 0);
        const int q1 = columnOf(RegisterColumn::Kind::Right, 1);
        const int saldi = columnOf(RegisterColumn::Kind::Percent, 10);
        QCOMPARE(summary.index(0, q0).data().toString(), QStringLiteral("5,0 ▼"));
        QCOMPARE(summary.index(0, q0).data(Qt::ForegroundRole).value<QColor>(), RegisterModel::belowSixColour);
        QCOMPARE(summary.index(1, q0).data().toString(), QStringLiteral("3"));
        QCOMPARE(summary.index(1, saldi).data().toString(), QStringLiteral("1"));
        // A pupil's average is over what was done: 8 and 6 out of 10 and 90 % of an exercise.
        QCOMPARE(pupil(QStringLiteral("A"), {{0, 8, at(1)}, {4, 6, at(1)}, {12, 9, at(1)}}).average().value(), 23.0 / 3);
        QVERIFY(!pupil(QStringLiteral("B")).average().has_value());

        // Part of the name, any letter case, blanks as typed.
        filter.setNameFilter(QStringLiteral("  rossi "));
        QCOMPARE(filter.rowCount(), 2);
        QCOMPARE(summary.index(0, q0).data().toString(), QStringLiteral("7,0"));
        QCOMPARE(summary.index(0, q1).data().toString(), QStringLiteral("—"));
        QCOMPARE(summary.index(1, q1).data().toString(), QStringLiteral("0"));
        QVERIFY(summary.index(1, 0).data().toString().contains(QStringLiteral("su 2")));
        filter.setNameFilter(QStringLiteral("nessuno"));
        QCOMPARE(filter.rowCount(), 0);
        QCOMPARE(summary.index(0, q0).data().toString(), QStringLiteral("—"));
        filter.setNameFilter(QString());
        QCOMPARE(filter.rowCount(), 3);
    }

    void averagesAreRecountedOncePerKeystroke()
    {
        // Every other pupil goes: the filter removes the rows in many separate ranges,
        // and recounting the whole class for each range made typing slow.
        RegisterModel model;
        QList<PupilRecord> records;
        for (int i = 0; i < 200; ++i)
            records << pupil(
                QStringLiteral("%1 %2").arg(i % 2 ? QStringLiteral("ROSSI") : QStringLiteral("BIANCHI")).arg(i, 3, 10, QLatin1Char('0')),
                {{0, i % 11, at(1)}});
        model.setRecords(records);
        RegisterFilter filter(&model);
        filter.sort(1, Qt::AscendingOrder);
        SummaryModel summary(&filter);
        int recounts = 0;
        connect(&summary, &SummaryModel::recomputed, this, [&] { ++recounts; });
        filter.setNameFilter(QStringLiteral("ross"));
        QCOMPARE(filter.rowCount(), 100);
        QCOMPARE(recounts, 1);
        filter.setNameFilter(QString());
        QCOMPARE(recounts, 2);
    }

    // A collected archive is named by what the teacher knows: its folder on the stick and
    // the stick's name, or the folder it was copied into; never by a temporary folder.
    void collectedArchivesByTheirNames_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("named");
        QTest::newRow("on a stick") << QStringLiteral("/media/maestra/CLASSE3A/pc1/exportcensa.mdb")
                                    << QStringLiteral("pc1/exportcensa.mdb sulla chiavetta «CLASSE3A»");
        QTest::newRow("copied into a folder") << QStringLiteral("/home/maestra/Documenti/AULA-PC05/exportcensa.mdb")
                                              << QStringLiteral("exportcensa.mdb (cartella «AULA-PC05»)");
        QTest::newRow("temporary") << QDir::tempPath() + QStringLiteral("/qt-x7Yc/exportcensa.mdb") << QStringLiteral("exportcensa.mdb");
        QTest::newRow("in the temporary files") << QDir::tempPath() + QStringLiteral("/exportcensa.mdb") << QStringLiteral("exportcensa.mdb");
        QTest::newRow("a folder in a temporary one")
            << QDir::tempPath() + QStringLiteral("/qt-x7Yc/pc2/exportcensa.mdb") << QStringLiteral("exportcensa.mdb (cartella «pc2»)");
        QTest::newRow("at the root") << QStringLiteral("/exportcensa.mdb") << QStringLiteral("exportcensa.mdb");
    }

    void collectedArchivesByTheirNames()
    {
        QFETCH(QString, file);
        QFETCH(QString, named);
        const QList<censaria::Medium> media{{QStringLiteral("/media/maestra/CLASSE3A"), QStringLiteral("CLASSE3A")},
                                            {QStringLiteral("/media/maestra/CLASSE3"), QStringLiteral("CLASSE3")}};
        QCOMPARE(collectedArchiveName(file, media), named);
        QVERIFY(!collectedArchivesNames({file, file}, media).contains(QStringLiteral("qt-x7Yc")));
    }
};

QTEST_GUILESS_MAIN(TestRegisterLogic)
#include "tst_registerlogic.moc"
