// The UN's rows as the program reads them: the check rows of the published files, the
// figures computed from them, and copies that are damaged or cut short.
#include "populations/pyramidfigures.h"
#include "populations/worlddata.h"
#include "ownfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace censaria::populations;

namespace {

int yearIndex(int year)
{
    return (year - firstYear) / yearStep;
}

const Country &italy()
{
    return *WorldData::builtIn().country(380);
}

// A copy of the built-in files in a folder, with one file changed by edit.
QString copyWith(const QTemporaryDir &dir, const QString &file, const std::function<QByteArray(QByteArray)> &edit)
{
    for (const QString &name : QDir(QStringLiteral(":/wpp2019")).entryList(QDir::Files)) {
        QByteArray bytes = contentOf(QStringLiteral(":/wpp2019/") + name);
        if (name == file)
            bytes = edit(bytes);
        writeBytes(dir.filePath(name), bytes);
    }
    return dir.path();
}

} // namespace

class TestWorldData : public QObject
{
    Q_OBJECT

private slots:
    void theSevenCountriesAreThereItalyFirst()
    {
        const WorldData &data = WorldData::builtIn();
        QVERIFY2(data.isValid(), qPrintable(data.problem()));
        QStringList names;
        for (const Country &c : data.countries())
            names << c.name;
        QCOMPARE(names, QStringList({"Italia", "Francia", "Germania", "Giappone", "India", "Niger", "Nigeria"}));
        QCOMPARE(data.find(QStringLiteral("giappone"))->code, 392);
        QCOMPARE(data.find(QStringLiteral("Japan"))->code, 392);
        QCOMPARE(data.find(QStringLiteral("562"))->name, QStringLiteral("Niger"));
        QVERIFY(!data.find(QStringLiteral("Atlantide")));
    }

    // The check rows, in thousands: Italy, 0-4, males and females.
    void checkRows_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<double>("males");
        QTest::addColumn<double>("females");
        QTest::newRow("1950") << 1950 << 2248.444 << 2142.854;
        QTest::newRow("2020") << 2020 << 1197.289 << 1127.405;
        QTest::newRow("2025, medium variant") << 2025 << 1097.158 << 1032.916;
        QTest::newRow("2100, medium variant") << 2100 << 810.439 << 762.850;
    }
    void checkRows()
    {
        QFETCH(int, year);
        QFETCH(double, males);
        QFETCH(double, females);
        const Pyramid &p = italy().pyramids[yearIndex(year)];
        QCOMPARE(p.males[0], males);
        QCOMPARE(p.females[0], females);
    }

    // Computed from the rows: the dependency ratio and the old-age index.
    void italysFigures_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<double>("dependency");
        QTest::addColumn<double>("oldAge");
        QTest::newRow("1950") << 1950 << 53.3 << 30.3;
        QTest::newRow("2020") << 2020 << 57.0 << 179.4;
    }
    void italysFigures()
    {
        QFETCH(int, year);
        QFETCH(double, dependency);
        QFETCH(double, oldAge);
        const PyramidFigures f = figuresOf(italy().pyramids[yearIndex(year)]);
        QCOMPARE(std::round(f.dependencyRatio * 10) / 10, dependency);
        QCOMPARE(std::round(f.oldAgeIndex * 10) / 10, oldAge);
        QVERIFY(qAbs(f.youngShare + f.adultShare + f.oldShare - 100) < 1e-9);
    }

    void figuresOfAnEmptyPyramidAreZeros()
    {
        const PyramidFigures f = figuresOf(Pyramid{});
        QCOMPARE(f.total, 0.0);
        QCOMPARE(f.dependencyRatio, 0.0);
        QCOMPARE(f.oldAgeIndex, 0.0);
    }

    // What the UN published holds together: the births by mother's age make 100 %, the
    // medium variant lies between the low and the high one.
    void thePublishedFiguresHoldTogether()
    {
        for (const Country &c : WorldData::builtIn().countries()) {
            for (int p = 0; p < projectionPeriods; ++p) {
                const PeriodAssumptions &a = c.assumptions[p];
                QVERIFY2(qAbs(std::accumulate(a.birthsShare.begin(), a.birthsShare.end(), 0.0) - 100) < 0.001, qPrintable(c.name));
                QVERIFY(a.boysPerGirl > 1 && a.boysPerGirl < 1.2);
                QVERIFY(a.childrenPerWoman > 1 && a.childrenPerWoman < 7);
                const double medium = c.pyramids[yearIndex(lastEstimateYear) + p + 1].total();
                QVERIFY2(c.lowVariant[p] <= medium + 0.01 && medium <= c.highVariant[p] + 0.01, qPrintable(c.name));
            }
            QVERIFY(c.pastChildrenPerWoman[0] > 2);
        }
        QCOMPARE(italy().pastChildrenPerWoman.back(), 1.33);
    }

    void betweenTheFiveYearStepsTheBarsMoveOnAStraightLine()
    {
        const Pyramid at2022 = italy().pyramidAt(2022);
        const Pyramid &p2020 = italy().pyramids[yearIndex(2020)], &p2025 = italy().pyramids[yearIndex(2025)];
        QVERIFY(qAbs(at2022.males[0] - (p2020.males[0] * 0.6 + p2025.males[0] * 0.4)) < 1e-9);
        QCOMPARE(italy().pyramidAt(1900).females[5], italy().pyramids[0].females[5]);
        QCOMPARE(italy().pyramidAt(2200).females[5], italy().pyramids[yearCount - 1].females[5]);
        QVERIFY(!Country::isProjection(2020) && Country::isProjection(2020.5));
    }

    void theSourceAndLicenceTravelWithTheRows()
    {
        const QString text = QString::fromUtf8(contentOf(QStringLiteral(":/wpp2019/FONTE.txt")));
        QVERIFY(text.startsWith(QStringLiteral("United Nations, DESA, Population Division (2019). World Population Prospects 2019, Rev. 1")));
        QVERIFY(text.contains(QStringLiteral("CC BY 3.0 IGO")));
        QVERIFY(sourceLine().contains(QStringLiteral("World Population Prospects 2019")));
        QVERIFY(sourceLine().contains(QStringLiteral("2019")));
        QCOMPARE(yearKind(2020), QStringLiteral("stima dell'ONU"));
        QCOMPARE(yearKind(2050), QStringLiteral("proiezione dell'ONU fatta nel 2019"));
    }

    // A damaged copy is refused whole, saying where, rather than read in part.
    void aDamagedCopyIsRefused_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("said");
        QTest::newRow("a word for a number") << "popF.txt" << QByteArray("2142.854") << QByteArray("molti") << "\"molti\"";
        QTest::newRow("a number that is not finite") << "mxF.txt" << QByteArray("0.057178") << QByteArray("inf") << "\"inf\"";
        QTest::newRow("a column missing") << "sexRatio.txt" << QByteArray("\t1.063\n") << QByteArray("\n") << "sexRatio.txt";
        QTest::newRow("an age missing") << "popMprojMed.txt" << QByteArray("380\tItaly\t95-99") << QByteArray("380\tItaly\t95-98")
                                        << "Italy 95-99";
        QTest::newRow("a file missing") << "migration.txt" << QByteArray() << QByteArray() << "migration.txt";
    }
    void aDamagedCopyIsRefused()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, said);
        QTemporaryDir dir;
        bool found = from.isEmpty();
        const QString folder = copyWith(dir, file, [&](QByteArray bytes) {
            found = found || bytes.contains(from);
            return bytes.replace(from, to);
        });
        QVERIFY2(found, "the row to damage is there");
        if (from.isEmpty())
            QFile::remove(dir.filePath(file));
        const WorldData data = WorldData::readFolder(folder);
        QVERIFY(!data.isValid());
        QVERIFY(data.countries().empty());
        QVERIFY2(data.problem().startsWith(QStringLiteral("I dati dell'ONU non si possono leggere")), qPrintable(data.problem()));
        QVERIFY2(data.problem().contains(said), qPrintable(data.problem()));
    }

    void anUndamagedCopyReadsAsTheBuiltIn()
    {
        QTemporaryDir dir;
        const WorldData data = WorldData::readFolder(copyWith(dir, {}, [](QByteArray b) { return b; }));
        QVERIFY(data.isValid());
        QCOMPARE(data.countries().size(), WorldData::builtIn().countries().size());
    }
};

QTEST_GUILESS_MAIN(TestWorldData)
#include "tst_worlddata.moc"
