#include "snapshot.h"
#include "programtest.h"
#include "wholeprogram.h"

using namespace censaria;
using snapshot::describe;
using whole::press;
using whole::pressAll;

namespace {

const QStringList halfDoneRates = {"Fmenù/cmdesdin",      "Fesercizi/txtnati=120", "Fesercizi/txtmorti=85.5",
                                   "Fesercizi/Number(4)", "Fesercizi/Operator(1)", "Fesercizi/Cmdhelp2"};
const QStringList correctedRates = {"Fmenù/cmdesdin",          "Fesercizi/txtnati=1",  "Fesercizi/txtmorti=2",  "Fesercizi/Txtsaldo=3",
                                    "Fesercizi/Txtpopfine=4",  "Fesercizi/Txt1nati=5", "Fesercizi/txt1morti=6", "Fesercizi/txt1saldo=7",
                                    "Fesercizi/txt1popfine=8", "Fesercizi/CMDRISULT"};
const QStringList halfDoneBalances = {"Fmenù/Cmdesercizi1",     "FSaldiTassi/TXTSNATURALE=-150", "FSaldiTassi/Check2(1)",
                                      "FSaldiTassi/Option3(2)", "FSaldiTassi/Check1(4)",         "FSaldiTassi/Number(1)",
                                      "FSaldiTassi/Number(5)",  "FSaldiTassi/Operator(2)",       "FSaldiTassi/Number(2)"};
const QStringList runningSimulation = {"Fmenù/Cmddinamiche",   "Fgrafici/Text1=1640",    "Fgrafici/txtpopiniziale=1500000",
                                       "Fgrafici/txtnatal=31", "Fgrafici/Txtmortal=27",  "Fgrafici/cmdcalcola",
                                       "Fgrafici/cmdcalcola",  "Fgrafici/Txtmortal=135", "Fgrafici/cmdcalcola"};
const QStringList pyramidAfterThreeSteps = {"Fmenù/Cmdpiram",     "Fpiramidi/cmdalgeria", "Fpiramidi/Text6[2]=150",
                                            "Fpiramidi/CmdNUOVO", "Fpiramidi/CmdNUOVO",   "Fpiramidi/CmdNUOVO"};
const QStringList tickedQuestionnaire = {"Fmenù/Cmdstoria", "FLezioni/CmdDestina", "FQuestionario/Check1[0]", "FQuestionario/Check2[1]",
                                         "FQuestionario/Check1[7]"};
const QStringList scoredQuestionnaire = {"Fmenù/Cmdstoria", "FLezioni/CmdDestina", "FQuestionario/Check2", "FQuestionario/Check1[4]",
                                         "FQuestionario/CMDRISULT"};

} // namespace

// Screens are only hidden, never rebuilt: whatever the pupil leaves on one is still
// there when it comes back, by whatever road. That the next press goes on from there is
// in the snapshots ("Fgrafici-ripreso-dal-menù" and the like).
class TestKeptState : public ProgramTest
{
    Q_OBJECT

    // Presses the steps one by one; true if the form was off screen after one of them.
    bool leaveAndComeBack(const QStringList &steps, const QString &form)
    {
        bool left = false;
        for (const QString &step : steps) {
            if (!press(*program_, step))
                return false;
            left = left || !program_->module().screens().existing(form)->isVisible();
        }
        return left;
    }

private slots:
    void screensComeBackAsTheyWereLeft_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("prepare");
        QTest::addColumn<QStringList>("road");

        QTest::newRow("half-done rates, through the simulation")
            << forms::rates << halfDoneRates << QStringList{"Fesercizi/cmdmenu", "Fmenù/Cmddinamiche", "Fgrafici/Cmdesercitazione"};
        QTest::newRow("half-done rates, through the results")
            << forms::rates << halfDoneRates << QStringList{"Fesercizi/Cmdarchivio", "FRisultati/Labtorna"};
        QTest::newRow("corrected rates, through their lesson")
            << forms::rates << correctedRates
            << QStringList{"Fesercizi/Cmdtorno", "Fmenù/Cmdcalcoli", "FLezioni/CmdAVANTI", "FLezioni/CmdDestina"};
        QTest::newRow("half-done balances, through the pyramids")
            << forms::balances << halfDoneBalances
            << QStringList{"FSaldiTassi/cmdmenu", "Fmenù/Cmdpiram", "Fpiramidi/Cmdmenù", "Fmenù/Cmdesercizi1"};
        QTest::newRow("half-done balances, through their lesson")
            << forms::balances << halfDoneBalances << QStringList{"FSaldiTassi/Cmdtorno", "Fmenù/Cmdcalcoli", "FLezioni/CmdDestina"};
        QTest::newRow("running simulation, through the families and a lesson")
            << forms::simulation << runningSimulation
            << QStringList{"Fgrafici/Cmdmenù", "Fmenù/Cmdfami", "Ffamiglie/Cmdtorno", "FLezioni/Cmdmenù", "Fmenù/Cmddinamiche"};
        QTest::newRow("running simulation, through the rates")
            << forms::simulation << runningSimulation
            << QStringList{"Fgrafici/Cmdtorno", "Fmenù/cmdesdin", "Fesercizi/Cmdtorno", "Fmenù/Cmddinamiche"};
        QTest::newRow("lesson page, through its questionnaire") << forms::lessons << QStringList{"Fmenù/Cmdstoria", "FLezioni/CmdINDIETRO"}
                                                                << QStringList{"FLezioni/CmdDestina", "FQuestionario/Cmdtorno"};
        QTest::newRow("lesson page, through the balances")
            << forms::lessons << QStringList{"Fmenù/cmdesfam", "Ffamiglie/Cmdtorno", "FLezioni/CmdAVANTI"}
            << QStringList{"FLezioni/CmdDestina", "FSaldiTassi/Cmdtorno"};
        QTest::newRow("pyramid after three steps, through its lesson")
            << forms::pyramids << pyramidAfterThreeSteps << QStringList{"Fpiramidi/Cmdmenù", "Fmenù/Cmdpiramide", "FLezioni/CmdDestina"};
        QTest::newRow("pyramid after three steps, through the simulation")
            << forms::pyramids << pyramidAfterThreeSteps
            << QStringList{"Fpiramidi/Cmdtorno", "Fmenù/Cmddinamiche", "Fgrafici/Cmdmenù", "Fmenù/Cmdpiram"};
        QTest::newRow("ticked questionnaire, through its lesson and the menu")
            << forms::questionnaire << tickedQuestionnaire << QStringList{"FQuestionario/Cmdtorno", "FLezioni/Cmdmenù", "Fmenù/Cmdquestionari"};
        QTest::newRow("scored questionnaire, through the families")
            << forms::questionnaire << scoredQuestionnaire
            << QStringList{"FQuestionario/Cmdtorno", "FLezioni/CmdOsserva", "Ffamiglie/Cmdmenù", "Fmenù/Cmdquestionari"};
    }
    void screensComeBackAsTheyWereLeft()
    {
        QFETCH(QString, form);
        QFETCH(QStringList, prepare);
        QFETCH(QStringList, road);
        QVERIFY(pressAll(*program_, prepare));
        const QStringList before = describe(program_->screen(form));
        QVERIFY(!before.isEmpty());

        QVERIFY2(leaveAndComeBack(road, form), "the road never left the screen");

        QVERIFY(program_->screen(form)->isVisible());
        QCOMPARE(describe(program_->screen(form)), before);
    }
};

QTEST_MAIN(TestKeptState)
#include "tst_keptstate.moc"
