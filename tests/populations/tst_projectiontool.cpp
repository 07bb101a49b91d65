// tools/projection as a teacher runs it: the request read from the command line, the
// CSV a spreadsheet set to Italian opens, the refusals with the reason.
#include "populations/projectioncsv.h"

#include <QProcess>
#include <QTest>

using namespace censaria::populations;

namespace {

ProjectionRequest ask(const QStringList &arguments)
{
    return readProjectionRequest(WorldData::builtIn(), arguments);
}

} // namespace

class TestProjectionTool : public QObject
{
    Q_OBJECT

private slots:
    void requestsAreRead()
    {
        const ProjectionRequest r = ask({"Giappone", "2050", "children-per-woman=1,8", "life-expectancy=+2.5", "migrants=-20000"});
        QVERIFY2(r.problem.isEmpty(), qPrintable(r.problem));
        QCOMPARE(r.country->code, 392);
        QCOMPARE(r.year, 2050);
        QCOMPARE(*r.levers.childrenPerWoman, 1.8);
        QCOMPARE(r.levers.lifeExpectancyChange, 2.5);
        QCOMPARE(*r.levers.netMigrantsPerYear, -20000.0);
        QVERIFY(ask({"italy", "2100"}).levers.isUnAssumption());
    }

    void wrongRequestsSayWhy_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("said");
        QTest::newRow("nothing") << QStringList() << "Uso: projection PAESE ANNO";
        QTest::newRow("unknown country") << QStringList{"Atlantide", "2050"} << "Non conosco il paese \"Atlantide\"";
        QTest::newRow("a past year") << QStringList{"Italia", "2015"} << "dal 2020 al 2100";
        QTest::newRow("a year too far") << QStringList{"Italia", "2101"} << "dal 2020 al 2100";
        QTest::newRow("a word for a year") << QStringList{"Italia", "domani"} << "non \"domani\"";
        QTest::newRow("unknown lever") << QStringList{"Italia", "2050", "pensions=3"} << "Non conosco la leva \"pensions\"";
        QTest::newRow("lever without number") << QStringList{"Italia", "2050", "migrants=tanti"} << "dopo il segno = ci vuole un numero";
        QTest::newRow("lever without value") << QStringList{"Italia", "2050", "migrants"} << "dopo il segno = ci vuole un numero";
        QTest::newRow("impossible lever") << QStringList{"Italia", "2050", "children-per-woman=9"} << "tra 0,8 e 7";
    }
    void wrongRequestsSayWhy()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, said);
        const ProjectionRequest r = ask(arguments);
        QVERIFY2(r.problem.contains(said), qPrintable(r.problem));
    }

    // What a spreadsheet set to Italian opens: ";" between cells, age labels it keeps as
    // text, whole persons, then the assumptions and the source.
    void theCsvHoldsThePyramidAndItsSource()
    {
        const ProjectionRequest r = ask({"Italia", "2025"});
        const QStringList lines = QString::fromUtf8(pyramidCsv(project(*r.country).at(2025), r)).split(QStringLiteral("\r\n"));
        QCOMPARE(lines[0], QStringLiteral("età;maschi;femmine"));
        QVERIFY(lines[1].startsWith(QStringLiteral("0-4 anni;")));
        QCOMPARE(lines[21].section(u';', 0, 0), QStringLiteral("100 anni e più"));
        const QStringList cells = lines[1].split(u';');
        QVERIFY(qAbs(cells[1].toDouble() - 1097158) < 0.02 * 1097158);
        QCOMPARE(lines[22], QString());
        QCOMPARE(lines[23], QStringLiteral("Italia, 2025, ipotesi dell'ONU (variante media)"));
        QVERIFY(lines[24].contains(QStringLiteral("World Population Prospects 2019")));
    }

    void theToolWritesTheCsvOrTheReason()
    {
        QProcess tool;
        tool.start(QStringLiteral(PROJECTION_TOOL), {"Niger", "2040", "children-per-woman=3", "migrants=1000"});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        const QList<QByteArray> lines = tool.readAllStandardOutput().split('\n');
        QCOMPARE(lines[0].trimmed(), QByteArray("età;maschi;femmine"));
        QVERIFY(
            lines[23].startsWith("Niger, 2040, ipotesi: figli per donna 3, speranza di vita come l'ONU, saldo migratorio 1\xc2\xa0000 persone"));

        tool.start(QStringLiteral(PROJECTION_TOOL), {"Niger", "2040", "life-expectancy=+12"});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 1);
        QVERIFY(tool.readAllStandardOutput().isEmpty());
        QVERIFY(QString::fromUtf8(tool.readAllStandardError()).contains(QStringLiteral("al massimo di 10 anni")));
    }
};

QTEST_GUILESS_MAIN(TestProjectionTool)
#include "tst_projectiontool.moc"
