#include "draws.h"
#include "exercises/ratesexercise.h"
#include "platform/random.h"

#include <QTest>

using censaria::RatesExercise;
using censaria::ScriptedRandom;

namespace {

// 2000 people at 20 and 30 per thousand; 5000 people at 12 and 9 per thousand.
RatesExercise knownProblem()
{
    ScriptedRandom random;
    random.queue(ratesDraws(2, 20, 30, 5, 12, 9));
    RatesExercise exercise;
    exercise.generate(random, RatesExercise::Moment::Load);
    return exercise;
}

// A new situation from the given draws, lowest death rates 5 and 8.
void newSituation(RatesExercise &e, int thousands1, int nat1, int mort1, int thousands2, int nat2, int mort2)
{
    ScriptedRandom random;
    random.queue(ratesDraws(thousands1, nat1, mort1, thousands2, nat2, mort2, 5, 8));
    e.generate(random, RatesExercise::Moment::NewSituation);
}

RatesExercise::Answers rightAnswers(const RatesExercise &e)
{
    RatesExercise::Answers answers;
    for (int i = 0; i < RatesExercise::answerCount; ++i)
        answers[i] = QString::number(e.expected(RatesExercise::Answer(i)));
    return answers;
}

} // namespace

class TestRatesExercise : public QObject
{
    Q_OBJECT

private slots:
    void generatesInOrder()
    {
        const RatesExercise e = knownProblem();
        QCOMPARE((QList<int>{e.popiniziale1, e.tassonat1, e.tassomort1, e.nati1, e.morti1, e.saldo1, e.popfinale1}),
                 (QList<int>{2000, 20, 30, 40, 60, -20, 1980}));
        QCOMPARE((QList<int>{e.popiniziale2, e.nati2, e.morti2, e.saldo2, e.popfinale2, e.expected(RatesExercise::TassoNat2),
                             e.expected(RatesExercise::TassoMort2)}),
                 (QList<int>{5000, 60, 45, 15, 5015, 12, 9}));
    }

    void rangesDependOnTheMoment_data()
    {
        QTest::addColumn<bool>("atLoad");
        QTest::addColumn<int>("lowest1");
        QTest::addColumn<int>("lowest2");
        QTest::newRow("load") << true << 8 << 5;
        QTest::newRow("nuova situazione") << false << 5 << 8;
    }
    void rangesDependOnTheMoment()
    {
        QFETCH(bool, atLoad);
        QFETCH(int, lowest1);
        QFETCH(int, lowest2);
        const auto moment = atLoad ? RatesExercise::Moment::Load : RatesExercise::Moment::NewSituation;
        ScriptedRandom random;
        RatesExercise e;
        random.queue(QList<double>(6, 0.0));
        e.generate(random, moment);
        QCOMPARE(e.popiniziale1, 1000);
        QCOMPARE(e.tassonat1, 5);
        QCOMPARE(e.tassomort1, lowest1);
        QCOMPARE(e.tassomort2, lowest2);
        random.queue(QList<double>(6, 0.9999999));
        e.generate(random, moment);
        QCOMPARE(e.popiniziale1, 10000000);
        QCOMPARE(e.popfinale1, 10000000 + 490000 - (lowest1 + 44) * 10000);
        QCOMPARE(e.tassomort1, lowest1 + 44);
        QCOMPARE(e.tassomort2, lowest2 + 44);
        // Any generator state keeps the minimums.
        for (int i = 0; i < 200; ++i) {
            e.generate(random, moment);
            QVERIFY(e.tassomort1 >= lowest1 && e.tassomort2 >= lowest2);
        }
    }

    void toleranceOfOne_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("offset");
        QTest::addColumn<bool>("right");
        for (int a : {int(RatesExercise::PopFinale1), int(RatesExercise::TassoNat2), int(RatesExercise::Saldo1)}) {
            for (int offset : {-2, -1, 0, 1, 2})
                QTest::addRow("answer %d offset %d", a, offset) << a << offset << (qAbs(offset) <= 1);
        }
    }
    void toleranceOfOne()
    {
        QFETCH(int, answer);
        QFETCH(int, offset);
        QFETCH(bool, right);
        RatesExercise e = knownProblem();
        RatesExercise::Answers answers = rightAnswers(e);
        answers[answer] = QString::number(e.expected(RatesExercise::Answer(answer)) + offset);
        const RatesExercise::Correction c = e.correct(answers);
        QCOMPARE(c.wrong[answer], !right);
        QCOMPARE(c.giusti, right ? 8 : 7);
    }

    void answersAreReadByTheLeadingNumber()
    {
        RatesExercise e = knownProblem();
        RatesExercise::Answers answers = rightAnswers(e);
        answers[RatesExercise::Saldo1] = QStringLiteral("-20");
        answers[RatesExercise::Nati1] = QStringLiteral(" 4 0 ");
        answers[RatesExercise::PopFinale2] = QStringLiteral("5.015"); // thousands points: reads 5,015
        answers[RatesExercise::TassoMort2] = QStringLiteral("9,4");   // the comma ends it: 9
        answers[RatesExercise::Saldo2] = QStringLiteral(" ");         // a blank reads 0
        const RatesExercise::Correction c = e.correct(answers);
        // Wrong: PopFinale2 and Saldo2 only.
        QCOMPARE(c.wrong, (std::array<bool, RatesExercise::answerCount>{false, false, false, false, true, false, false, true}));
        QCOMPARE(c.sbagliati, 2);
    }

    void completeness()
    {
        RatesExercise::Answers answers;
        answers.fill(QStringLiteral(" "));
        QCOMPARE(RatesExercise::completeness(answers), RatesExercise::Completeness::Complete);
        answers[RatesExercise::Morti1].clear();
        QCOMPARE(RatesExercise::completeness(answers), RatesExercise::Completeness::FirstIncomplete);
        answers[RatesExercise::Morti1] = QStringLiteral("1");
        answers[RatesExercise::Saldo2].clear();
        QCOMPARE(RatesExercise::completeness(answers), RatesExercise::Completeness::SecondIncomplete);
        answers.fill(QString());
        for (int i : {RatesExercise::PopFinale2, RatesExercise::TassoNat2, RatesExercise::TassoMort2, RatesExercise::Saldo2})
            answers[i] = QStringLiteral("1");
        QCOMPARE(RatesExercise::completeness(answers), RatesExercise::Completeness::FirstIncomplete);
    }

    void aCorrectionOfUnchangedAnswersCountsNothing()
    {
        RatesExercise e = knownProblem();
        RatesExercise::Answers answers = rightAnswers(e);
        answers[RatesExercise::Morti1] = QStringLiteral("0");
        const RatesExercise::Correction first = e.correct(answers);
        QVERIFY(first.counted);
        QCOMPARE(first.giusti, 7);
        answers[RatesExercise::Nati1].append(u' '); // read as the same number
        const RatesExercise::Correction again = e.correct(answers);
        QVERIFY(!again.counted);
        QCOMPARE(again.giusti, 7);
        QCOMPARE(again.wrong, first.wrong);
        QCOMPARE(e.totgiusti, 7);
        QCOMPARE(e.totsbagliati, 1);

        answers[RatesExercise::Morti1] = QString::number(e.morti1);
        QVERIFY(e.correct(answers).counted);
        QCOMPARE(e.totgiusti, 15);

        newSituation(e, 2, 20, 30, 5, 12, 9);
        QVERIFY(e.correct(answers).counted);
        QCOMPARE(e.totgiusti, 23);
    }

    void totalsAddUp()
    {
        RatesExercise e = knownProblem();
        QCOMPARE(e.percentRight(), 0);
        RatesExercise::Answers answers = rightAnswers(e);
        answers[RatesExercise::Nati1] = QStringLiteral("0");
        answers[RatesExercise::Morti1] = QStringLiteral("0");
        answers[RatesExercise::Saldo1] = QStringLiteral("0");
        QCOMPARE(e.correct(answers).giusti, 5);
        newSituation(e, 7, 10, 10, 3, 30, 40);
        const RatesExercise::Correction second = e.correct(rightAnswers(e));
        QCOMPARE(second.giusti, 8);
        QCOMPARE(second.sbagliati, 0);
        QCOMPARE(e.totgiusti, 13);
        QCOMPARE(e.totsbagliati, 3);
        QCOMPARE(e.percentRight(), 81); // 1300 / 16 = 81.25
        RatesExercise all = knownProblem();
        all.correct(rightAnswers(all));
        QCOMPARE(all.percentRight(), 100);
    }

    // A shown solution: the answer no longer counts right in this problem, only in the next.
    void aShownSolutionNoLongerCountsRight()
    {
        RatesExercise e = knownProblem();
        QCOMPARE(e.solution(RatesExercise::PopFinale1),
                 QStringLiteral("Popolazione finale = popolazione iniziale + saldo naturale\n= 2000 + (-20) = 1980"));
        QCOMPARE(e.solution(RatesExercise::TassoMort2),
                 QStringLiteral("Tasso di mortalità = numero di morti x 1000 / popolazione iniziale\n= 45 x 1000 / 5000 = 9"));
        e.reveal(RatesExercise::Saldo1);
        QCOMPARE(e.totgiusti, 0); // looking counts nothing
        const RatesExercise::Correction c = e.correct(rightAnswers(e));
        QCOMPARE(c.giusti, 7);
        QVERIFY(c.wrong[RatesExercise::Saldo1]);
        newSituation(e, 7, 10, 10, 3, 30, 40);
        QVERIFY(!e.isRevealed(RatesExercise::Saldo1));
        QCOMPARE(e.correct(rightAnswers(e)).giusti, 8);
    }
};

QTEST_GUILESS_MAIN(TestRatesExercise)
#include "tst_ratesexercise.moc"
