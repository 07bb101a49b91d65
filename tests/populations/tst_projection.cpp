// The cohort-component projection: fed with the UN's assumptions it must give back the
// UN's medium variant; the levers move it the way they should; impossible levers are
// refused in words a pupil understands.
#include "populations/lifetable.h"
#include "populations/projection.h"

#include <QTest>

using namespace censaria::populations;

namespace {

const Country &country(int code)
{
    return *WorldData::builtIn().country(code);
}

const Pyramid &unPyramid(const Country &c, int year)
{
    return c.pyramids[(year - firstYear) / yearStep];
}

double share(const AgeGroups &groups, int from, int to)
{
    return std::accumulate(groups.begin() + from, groups.begin() + to, 0.0);
}

} // namespace

class TestProjection : public QObject
{
    Q_OBJECT

private slots:
    // Within 1 % of the total and 3 % of every group under 90 in 2050, 1 % ... 3 % of the
    // total in 2100.
    void theUnsAssumptionsGiveTheMediumVariant_data()
    {
        QTest::addColumn<int>("code");
        QTest::newRow("Italia") << 380;
        QTest::newRow("Giappone") << 392;
        QTest::newRow("Niger") << 562;
    }
    void theUnsAssumptionsGiveTheMediumVariant()
    {
        QFETCH(int, code);
        const Country &c = country(code);
        const Projection projection = project(c);
        QVERIFY(projection.isValid());
        const Pyramid at2050 = projection.at(2050), &un2050 = unPyramid(c, 2050);
        double worst = 0;
        QString worstGroup;
        for (int g = 0; g < 18; ++g) {
            for (const auto &[ours, theirs, sex] :
                 {std::tuple(at2050.males[g], un2050.males[g], "maschi"), std::tuple(at2050.females[g], un2050.females[g], "femmine")}) {
                const double error = qAbs(ours / theirs - 1);
                if (error > worst) {
                    worst = error;
                    worstGroup = QStringLiteral("%1 %2").arg(QString::fromUtf8(sex), ageGroupLabel(g));
                }
            }
        }
        const double total2050 = projection.at(2050).total() / un2050.total() - 1;
        const double total2100 = projection.at(2100).total() / unPyramid(c, 2100).total() - 1;
        qInfo("%s: 2050 total %+.2f %%, worst group %s %.2f %%; 2100 total %+.2f %%", qPrintable(c.name), 100 * total2050,
              qPrintable(worstGroup), 100 * worst, 100 * total2100);
        QVERIFY(qAbs(total2050) <= 0.01);
        QVERIFY2(worst <= 0.03, qPrintable(worstGroup));
        QVERIFY(qAbs(total2100) <= 0.03);
        // The start is the UN's 2020 estimate itself.
        QCOMPARE(projection.pyramids[0].males, unPyramid(c, 2020).males);
    }

    void eachLeverMovesThePyramidItsWay()
    {
        const Country &italy = country(380);
        const Pyramid un = project(italy).at(2060);

        Levers moreChildren;
        moreChildren.childrenPerWoman = 2.5;
        const Pyramid children = project(italy, moreChildren).at(2060);
        QVERIFY(share(children.females, 0, 3) > 1.5 * share(un.females, 0, 3));
        QCOMPARE(children.males[15], un.males[15]); // those already born are not touched

        Levers longerLives;
        longerLives.lifeExpectancyChange = 5;
        const Pyramid older = project(italy, longerLives).at(2060);
        QVERIFY(share(older.males, 17, 21) > 1.2 * share(un.males, 17, 21));

        Levers noMigrants;
        noMigrants.netMigrantsPerYear = 0;
        const Pyramid closed = project(italy, noMigrants).at(2060);
        QVERIFY(closed.total() < un.total() - 3000);
        QVERIFY(share(closed.females, 5, 10) < share(un.females, 5, 10));

        QVERIFY(Levers().isUnAssumption());
        QVERIFY(!noMigrants.isUnAssumption());
    }

    // The years between the five-year steps lie on a straight line between them.
    void theYearsBetweenTheStepsAreInterpolated()
    {
        const Projection p = project(country(562));
        const Pyramid at2031 = p.at(2031);
        QVERIFY(qAbs(at2031.females[0] - (p.pyramids[2].females[0] * 0.8 + p.pyramids[3].females[0] * 0.2)) < 1e-9);
        QCOMPARE(p.at(2100).males[4], p.pyramids[projectionPeriods].males[4]);
        QCOMPARE(p.at(1990).males[4], p.pyramids[0].males[4]);
    }

    void impossibleLeversAreRefusedInWords_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<double>("children");
        QTest::addColumn<double>("lifeChange");
        QTest::addColumn<double>("migrants");
        QTest::addColumn<QString>("said");
        const double none = qQNaN(); // the lever left alone
        QTest::newRow("too few children") << 380 << 0.79 << 0.0 << none << "I figli per donna devono essere tra 0,8 e 7.";
        QTest::newRow("too many children") << 562 << 7.01 << 0.0 << none << "I figli per donna devono essere tra 0,8 e 7.";
        QTest::newRow("children not a number") << 562 << qInf() << 0.0 << none << "I figli per donna devono essere tra 0,8 e 7.";
        QTest::newRow("eleven more years") << 392 << none << 10.5 << none << "al massimo di 10 anni";
        QTest::newRow("eleven fewer years") << 392 << none << -11.0 << none << "al massimo di 10 anni";
        QTest::newRow("life change not a number") << 392 << none << qQNaN() << none << "al massimo di 10 anni";
        QTest::newRow("half of Italy leaving") << 380 << none << 0.0 << -30e6
                                               << QStringLiteral(
                                                      "Per Italia il saldo migratorio deve stare tra -605\u00a0000 e 1\u00a0209\u00a0000");
        QTest::newRow("migrants not a number") << 380 << none << 0.0 << -qInf() << "Per Italia il saldo migratorio";
        QTest::newRow("everyone leaves Japan for 80 years") << 392 << 0.8 << -10.0 << -1265000.0 << "non resterebbe nessuno di 100 anni e più";
    }
    void impossibleLeversAreRefusedInWords()
    {
        QFETCH(int, code);
        QFETCH(double, children);
        QFETCH(double, lifeChange);
        QFETCH(double, migrants);
        QFETCH(QString, said);
        Levers levers;
        if (!qIsNaN(children) || qIsInf(children))
            levers.childrenPerWoman = children;
        levers.lifeExpectancyChange = lifeChange;
        if (!qIsNaN(migrants))
            levers.netMigrantsPerYear = migrants;
        const Projection p = project(country(code), levers);
        QVERIFY(!p.isValid());
        QVERIFY2(p.problem.contains(said), qPrintable(p.problem));
    }

    void theLimitsThemselvesAreAllowed()
    {
        const Country &niger = country(562);
        for (double children : {fewestChildren, mostChildren}) {
            for (double life : {-largestLifeExpectancyChange, largestLifeExpectancyChange}) {
                Levers levers;
                levers.childrenPerWoman = children;
                levers.lifeExpectancyChange = life;
                levers.netMigrantsPerYear = migrantRange(niger).highest;
                QVERIFY2(project(niger, levers).isValid(), qPrintable(project(niger, levers).problem));
            }
        }
    }

    // A constant death rate of 2 % a year: about fifty years of life.
    void lifeTablesAgreeWithTheArithmetic()
    {
        DeathRates flat;
        flat.fill(0.02);
        QVERIFY(qAbs(lifeTableOf(flat, Sex::Female).lifeExpectancy() - 50) < 0.5);
        const double italianWomen = lifeExpectancy(country(380), 0, Sex::Female);
        QVERIFY2(italianWomen > 84 && italianWomen < 88, qPrintable(QString::number(italianWomen)));
        for (double wanted : {60.0, 75.5, 95.0}) {
            const LifeTable t = lifeTableOf(withLifeExpectancy(country(380).assumptions[0].maleDeathRates, Sex::Male, wanted), Sex::Male);
            QVERIFY(qAbs(t.lifeExpectancy() - wanted) < 0.001);
        }
        for (int g = 0; g < ageGroupCount - 1; ++g)
            QVERIFY(lifeTableOf(flat, Sex::Male).survival(g) > 0 && lifeTableOf(flat, Sex::Male).survival(g) < 1);
    }

    void theMigrantScheduleIsShares()
    {
        const AgeGroups &s = migrantSchedule();
        QVERIFY(qAbs(std::accumulate(s.begin(), s.end(), 0.0) - 1) < 1e-12);
        QCOMPARE(int(std::max_element(s.begin(), s.end()) - s.begin()), 4); // 20-24
    }
};

QTEST_GUILESS_MAIN(TestProjection)
#include "tst_projection.moc"
