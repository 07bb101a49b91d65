// Every screen as a pupil first meets it, and the states a pupil brings it to, described
// control by control (captions, states, colours, places), with the road of the Tab key and
// the messages shown, and compared with its reference in tests/snapshots: a caption, a
// place, a colour or a message changed by mistake shows as a diff. After a change made on
// purpose, run with CENSARIA_UPDATE_SNAPSHOTS=1 and read the references' diff.
#include "exercises/draws.h"
#include "questionnaires/questionbanks.h"
#include "snapshot.h"
#include "wholeprogram.h"

using namespace censaria;

namespace {

// The simulation's four boxes typed (year, population, births, deaths) and computed.
QStringList simulationTyped(const QStringList &figures)
{
    const QStringList boxes = {"Text1", "txtpopiniziale", "txtnatal", "Txtmortal"};
    QStringList steps;
    for (int i = 0; i < boxes.size(); ++i)
        steps << QStringLiteral("Fgrafici/%1=%2").arg(boxes[i], figures[i]);
    return steps << "Fgrafici/cmdcalcola";
}

// The rates exercise on 2000 people at 20 and 30 per thousand (40 born, 60 dead, balance
// -20, 1980 at the end), then 5000 people with 60 born and 45 dead (rates 12 and 9,
// balance 15, 5015), with these answers typed in its eight boxes.
QStringList ratesAnswered(const QStringList &answers)
{
    QStringList steps{"draws:rates", "Fmenù/cmdesdin"};
    const QStringList boxes = {"txtnati", "txtmorti", "Txtsaldo", "Txtpopfine", "Txt1nati", "txt1morti", "txt1saldo", "txt1popfine"};
    for (int i = 0; i < boxes.size(); ++i)
        if (!answers.value(i).isEmpty())
            steps << QStringLiteral("Fesercizi/%1=%2").arg(boxes[i], answers[i]);
    return steps;
}

// The first history questionnaire's statements in the order its rows show them.
const QList<int> storiaOrder = {3, 7, 0, 9, 5, 1, 8, 2, 6, 4};

// That questionnaire opened from its lesson, answered rightly but in rows 2 and 6, and
// scored: the name is asked then, the first time one is needed.
QStringList storiaScored()
{
    const QuestionBank &bank = *bankByLoader(QStringLiteral("QStoria1"));
    QStringList steps{"draws:storia", "Fmenù/Cmdstoria", "FLezioni/CmdDestina"};
    for (int row = 0; row < storiaOrder.size(); ++row) {
        const bool vero = bank.statements[storiaOrder[row]].isTrue != (row == 2 || row == 6);
        steps << QStringLiteral("FQuestionario/%1[%2]").arg(vero ? "Check1" : "Check2").arg(row);
    }
    return steps << "answer:  rossi   mario "
                 << "FQuestionario/CMDRISULT";
}

// Every rate box of the pyramid's model set to the same figure.
QStringList allPyramidRates(const QString &births, const QString &deaths)
{
    QStringList steps;
    for (int box = 0; box < 6; ++box)
        steps << QStringLiteral("Fpiramidi/Text6[%1]=%2").arg(box).arg(births);
    for (int box = 0; box < 17; ++box)
        steps << QStringLiteral("Fpiramidi/Text7[%1]=%2").arg(box).arg(deaths);
    return steps;
}

// A class's results in the archive: ROSSI MARIO in both tables, a date at midnight among
// them; BIANCHI GIULIA too; VERDI among the questionnaires only.
const QStringList classResults = {"record:questionari:ROSSI MARIO:2=8,3=2026-03-09T09:12:05,10=10,11=2026-03-12T00:00:00,20=0",
                                  "record:esercizi:ROSSI MARIO:2=7,3=2,4=78,5=2026-03-09T09:12:05,12=100",
                                  "record:questionari:BIANCHI GIULIA:8=9,9=2026-03-12T00:00:00",
                                  "record:esercizi:BIANCHI GIULIA:10=4,11=1,12=80,13=2026-03-09T09:12:05", "record:questionari:VERDI:4=6"};

// "record:TABLE:NAME:FIELD=VALUE,..." writes a pupil's result, a value with a "T" as a date and time.
bool record(TestProgram &program, const QString &step)
{
    const QStringList parts = step.split(u':').mid(1);
    QList<std::pair<int, QVariant>> values;
    for (const QString &pair : parts.mid(2).join(u':').split(u',')) {
        const QString value = pair.section(u'=', 1);
        values.append({pair.section(u'=', 0, 0).toInt(),
                       value.contains(u'T') ? QVariant(QDateTime::fromString(value, Qt::ISODate)) : QVariant(value.toInt())});
    }
    return program.module().dbrisultati().writeResult(parts[0], parts[1], values);
}

// A step, or one of the test's own: "answer:TEXT" queues an answer to the next question,
// "password:TEXT" one to the next question for the teacher's password,
// "draws:rates" the draws of the rates exercise above, "draws:balances" those of a rich
// region of 90 000: 950 born, 900 dead, 300 gone, 800 come; at the end 90 550;
// "draws:storia" the questionnaire's order above, with a statement already dealt drawn
// again on the way.
bool take(TestProgram &program, const QString &step)
{
    if (step.startsWith(QLatin1String("answer:"))) {
        program.dialogs().queueAnswer(step.mid(7));
        return true;
    }
    if (step.startsWith(QLatin1String("password:"))) {
        program.dialogs().passwords.append(step.mid(9));
        return true;
    }
    if (step.startsWith(QLatin1String("record:")))
        return record(program, step);
    if (step == QLatin1String("draws:rates")) {
        program.random().queue(ratesDraws(2, 20, 30, 5, 12, 9));
        return true;
    }
    if (step == QLatin1String("draws:balances")) {
        program.random().queue(balancesDraws(90000, 1, 950, 900, 300, 800, {800, 800, 100, 800}, {201, 201, 201, 201}));
        return true;
    }
    if (step == QLatin1String("draws:storia")) {
        QList<double> draws;
        for (int row = 0; row < storiaOrder.size(); ++row) {
            draws << (storiaOrder[row] + 0.5) / storiaOrder.size();
            if (row == 4)
                draws << 0.0; // statement 0, dealt to row 2 already
        }
        program.random().queue(draws);
        return true;
    }
    return whole::press(program, step);
}

} // namespace

class TestSnapshots : public QObject
{
    Q_OBJECT

private slots:
    void screens_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("steps");
        // Opened as the menu opens it, and so shown as a pupil first meets it.
        for (const QString &form : pupilForms + QStringList{forms::classRegister})
            QTest::newRow(form.toUtf8().constData()) << form << QStringList();
        // Pressed from the menu: each step's form must be on screen.
        QTest::newRow("FQuestionario-senza-argomento") << forms::questionnaire << QStringList{"answer:Rossi Mario", "Fmenù/Cmdquestionari"};
        // The menu clears the questionnaire but its totals, and a topic must be chosen again.
        QTest::newRow("FQuestionario-dopo-il-menù")
            << forms::questionnaire
            << QStringList{"answer:Neri Ada",         "Fmenù/Cmdstoria",       "FLezioni/CmdDestina", "FQuestionario/Check1",
                           "FQuestionario/CMDRISULT", "FQuestionario/Cmdmenù", "Fmenù/Cmdquestionari"};
        // The family questionnaires open each other by their button.
        const QStringList traditional = {"answer:Rossi Mario", "Fmenù/Cmdquestionari", "FQuestionario/Combo1=Fam tradizionali"};
        QTest::newRow("FQuestionario-famiglie-tradizionali") << forms::questionnaire << traditional;
        QTest::newRow("FQuestionario-famiglie-moderne") << forms::questionnaire << traditional + QStringList{"FQuestionario/cmdmostradomande"};
        QTest::newRow("FQuestionario-di-nuovo-tradizionali")
            << forms::questionnaire << traditional + QStringList{"FQuestionario/cmdmostradomande", "FQuestionario/cmdmostradomande"};
        QTest::newRow("FQuestionario-incompleto") << forms::questionnaire
                                                  << QStringList{"Fmenù/Cmdstoria", "FLezioni/CmdDestina", "FQuestionario/Check1[0]",
                                                                 "FQuestionario/Check1[3]", "FQuestionario/CMDRISULT"};

        QTest::newRow("Fesercizi-aiuto-tassi") << forms::rates << QStringList{"Fmenù/cmdesdin", "Fesercizi/Cmdhelp1"};
        QTest::newRow("Fesercizi-aiuto-saldi") << forms::rates << QStringList{"Fmenù/cmdesdin", "Fesercizi/Cmdhelp2"};
        QTest::newRow("Fesercizi-aiuto-chiuso") << forms::rates << QStringList{"Fmenù/cmdesdin", "Fesercizi/Cmdhelp2", "Fesercizi/cmdok"};
        // Wrong: the deaths and the final population (thousands points); right within one: the births.
        QTest::newRow("Fesercizi-corretto") << forms::rates
                                            << QStringList{"answer:rossi  mario"}
                                                   + ratesAnswered({"41", "6", "-20", "1980", "12", "8", "15", "5.015"})
                                                   + QStringList{"Fesercizi/CMDRISULT"};
        // The solutions of the wrong answers, one after the other; looking changes no count.
        QTest::newRow("Fesercizi-soluzioni") << forms::rates
                                             << QStringList{"answer:Rossi Mario"}
                                                    + ratesAnswered({"40", "61", "20", "1980", "14", "9", "15", "5015"})
                                                    + QStringList{"Fesercizi/CMDRISULT", "Fesercizi/CmdSOLUZIONE", "Fesercizi/CmdSOLUZIONE"};
        // The message names the first empty box, which takes the keyboard; nothing is counted.
        QTest::newRow("Fesercizi-incompleto") << forms::rates
                                              << ratesAnswered({"40", "", "-20", "1980", "12", "9", "15", "5015"})
                                                     + QStringList{"Fesercizi/CMDRISULT"};

        QTest::newRow("FSaldiTassi-aiuto") << forms::balances << QStringList{"Fmenù/Cmdesercizi1", "FSaldiTassi/CmdAIUTO"};
        QTest::newRow("FSaldiTassi-incompleto") << forms::balances
                                                << QStringList{"Fmenù/Cmdesercizi1", "FSaldiTassi/TXTPOP=90550", "FSaldiTassi/TXTSNATURALE=50",
                                                               "FSaldiTassi/AniPushButton1"};

        // Wrong: the population and the migration sign. The solution shown, the population
        // copied from it is not a right answer at the next check.
        const QStringList balancesChecked = {"answer:Rossi Mario",          "draws:balances",
                                             "Fmenù/Cmdesercizi1",          "FSaldiTassi/TXTPOP=90000",
                                             "FSaldiTassi/TXTSNATURALE=50", "FSaldiTassi/TXTSMIGRATORIO=500",
                                             "FSaldiTassi/Check2(0)",       "FSaldiTassi/Check3(1)",
                                             "FSaldiTassi/Check1(0)",       "FSaldiTassi/Check1(2)",
                                             "FSaldiTassi/Check1(4)",       "FSaldiTassi/Option3(0)",
                                             "FSaldiTassi/AniPushButton1"};
        QTest::newRow("FSaldiTassi-corretto") << forms::balances << balancesChecked;
        QTest::newRow("FSaldiTassi-soluzione-copiata")
            << forms::balances
            << balancesChecked
                   + QStringList{"FSaldiTassi/CmdSOLUZIONE", "FSaldiTassi/TXTPOP=90550", "FSaldiTassi/Check3(1)", "FSaldiTassi/Check3(0)",
                                 "FSaldiTassi/AniPushButton1"};

        // The simulation's first example: Italy in 2000, one year computed.
        QTest::newRow("Fgrafici-italia-2000") << forms::simulation
                                              << QStringList{"Fmenù/Cmddinamiche"} + simulationTyped({"2000", "57 600 000", "9.4", "9.7"});
        QTest::newRow("Fgrafici-manca-la-popolazione") << forms::simulation
                                                       << QStringList{"Fmenù/Cmddinamiche", "Fgrafici/Text1=2000", "Fgrafici/txtnatal=9.4",
                                                                      "Fgrafici/Txtmortal=9.7", "Fgrafici/cmdcalcola"};
        // Each figure out of range is named in the message, and nothing is computed or locked;
        // right figures then compute.
        const QList<std::pair<const char *, QStringList>> refusals = {{"anno", {"40000", "1000", "10", "9"}},
                                                                      {"popolazione", {"2000", "3 000 000 000", "10", "9"}},
                                                                      {"crescita", {"2000", "2147483000", "10", "9"}},
                                                                      {"popolazione-negativa", {"2000", "-5000", "200", "9"}},
                                                                      {"nessuno", {"2000", "0", "10", "9"}},
                                                                      {"natalità-oltre-mille", {"2000", "1000", "1500", "9"}},
                                                                      {"mortalità-negativa", {"2000", "1000", "10", "-9"}}};
        for (const auto &[tag, figures] : refusals)
            QTest::addRow("Fgrafici-rifiutato-%s", tag) << forms::simulation << QStringList{"Fmenù/Cmddinamiche"} + simulationTyped(figures);
        QTest::newRow("Fgrafici-calcolato-dopo-un-rifiuto")
            << forms::simulation
            << QStringList{"Fmenù/Cmddinamiche"} + simulationTyped({"40000", "1000", "10", "9"}) + simulationTyped({"2000", "1000", "10", "9"});
        const QStringList hundredYears = QStringList{"Fmenù/Cmddinamiche", "Fgrafici/Text1=1900", "Fgrafici/txtpopiniziale=1000000",
                                                     "Fgrafici/txtnatal=20", "Fgrafici/Txtmortal=10"}
                                         + QStringList(99, "Fgrafici/cmdcalcola");
        QTest::newRow("Fgrafici-centesimo-anno") << forms::simulation << hundredYears;
        QTest::newRow("Fgrafici-nuova-situazione") << forms::simulation << hundredYears + QStringList{"Fgrafici/CmdNUOVO"};

        // Screens are only hidden: the next press goes on from where the screen was left.
        const QStringList running = {"Fmenù/Cmddinamiche",   "Fgrafici/Text1=1640",    "Fgrafici/txtpopiniziale=1500000",
                                     "Fgrafici/txtnatal=31", "Fgrafici/Txtmortal=27",  "Fgrafici/cmdcalcola",
                                     "Fgrafici/cmdcalcola",  "Fgrafici/Txtmortal=135", "Fgrafici/cmdcalcola"};
        QTest::newRow("Fgrafici-ripreso-dal-menù")
            << forms::simulation
            << running + QStringList{"Fgrafici/Cmdmenù", "Fmenù/Cmdpiram", "Fpiramidi/Cmdmenù", "Fmenù/Cmddinamiche", "Fgrafici/cmdcalcola"};
        QTest::newRow("Fgrafici-ripreso-sotto-l-esercitazione")
            << forms::simulation << running + QStringList{"Fgrafici/Cmdesercitazione", "Fesercizi/Cmdtorno", "Fgrafici/cmdcalcola"};

        // Each country's model at any time, after two steps of another; a publisher's figures name it.
        QTest::newRow("Fpiramidi-Algeria") << forms::pyramids
                                           << QStringList{"Fmenù/Cmdpiram", "Fpiramidi/CmdNUOVO", "Fpiramidi/CmdNUOVO", "Fpiramidi/cmdalgeria"};
        QTest::newRow("Fpiramidi-USA") << forms::pyramids
                                       << QStringList{"Fmenù/Cmdpiram", "Fpiramidi/CmdNUOVO", "Fpiramidi/CmdNUOVO", "Fpiramidi/cmdUSA"};
        QTest::newRow("Fpiramidi-Italia-di-nuovo")
            << forms::pyramids
            << QStringList{"Fmenù/Cmdpiram", "Fpiramidi/cmdUSA", "Fpiramidi/CmdNUOVO", "Fpiramidi/CmdNUOVO", "Fpiramidi/CmdITALIA"};
        QTest::newRow("Fpiramidi-un-passo") << forms::pyramids << QStringList{"Fmenù/Cmdpiram", "Fpiramidi/CmdNUOVO"};
        QTest::newRow("Fpiramidi-di-nuovo-all-inizio")
            << forms::pyramids
            << QStringList{"Fmenù/Cmdpiram", "Fpiramidi/cmdalgeria", "Fpiramidi/Text7[0]=7", "Fpiramidi/Text6[2]=999"}
                   + QStringList(3, "Fpiramidi/CmdNUOVO") + QStringList{"Fpiramidi/cmdinizio"};
        QTest::newRow("Fpiramidi-ripresa-dal-menù")
            << forms::pyramids << QStringList{"Fmenù/Cmdpiram",      "Fpiramidi/cmdalgeria", "Fpiramidi/Text6[2]=150", "Fpiramidi/CmdNUOVO",
                                              "Fpiramidi/CmdNUOVO",  "Fpiramidi/CmdNUOVO",   "Fpiramidi/Cmdmenù",      "Fmenù/Cmdesercizi1",
                                              "FSaldiTassi/cmdmenu", "Fmenù/Cmdpiram",       "Fpiramidi/CmdNUOVO"};
        // Rates beyond 0 to 1000 empty the population: zeros everywhere, no bar, and the years go on.
        QTest::newRow("Fpiramidi-svuotata") << forms::pyramids
                                            << QStringList{"Fmenù/Cmdpiram"} + allPyramidRates("-40", "2500")
                                                   + QStringList(2, "Fpiramidi/CmdNUOVO");
        // Five years a step: the years stop before their limit with a message, and the screen stays usable.
        const QStringList atTheLimit = QStringList{"Fmenù/Cmdpiram"} + allPyramidRates("0", "0") + QStringList(6554, "Fpiramidi/CmdNUOVO");
        QTest::newRow("Fpiramidi-anni-al-limite") << forms::pyramids << atTheLimit;
        QTest::newRow("Fpiramidi-dal-limite-all-inizio") << forms::pyramids << atTheLimit + QStringList{"Fpiramidi/cmdinizio"};
        QTest::newRow("Fpiramidi-troppo-grande") << forms::pyramids
                                                 << QStringList{"Fmenù/Cmdpiram", "Fpiramidi/Text6[0]=1E9", "Fpiramidi/CmdNUOVO"};

        // The register as the teacher first opens it, a password set on the way; the rows
        // of a questionnaire just scored in it.
        QTest::newRow("ClassRegister-dai-risultati")
            << forms::classRegister << QStringList{"answer:Rossi Mario",   "Fmenù/Cmdstoria",         "FLezioni/CmdDestina",
                                                   "FQuestionario/Check1", "FQuestionario/CMDRISULT", "FQuestionario/Cmdarchivio",
                                                   "password:segreto-1",   "password:segreto-1",      "FRisultati/LabREGISTRO"};

        // A scored questionnaire, its row in the archive and on paper, and the questionnaire
        // again: emptied for the archive, red marks and all, its ticks and totals kept.
        QTest::newRow("FQuestionario-storia-risultato") << forms::questionnaire << storiaScored();
        QTest::newRow("FRisultati-stampati-dal-questionario")
            << forms::results << storiaScored() + QStringList{"FQuestionario/Cmdarchivio", "FRisultati/LabSTAMPA"};
        QTest::newRow("FQuestionario-dai-risultati")
            << forms::questionnaire << storiaScored() + QStringList{"FQuestionario/Cmdarchivio", "FRisultati/Labtorna"};

        // A search for nobody says so; a name found nowhere keeps whose rows were shown.
        QTest::newRow("FRisultati-ricerca-vuota")
            << forms::results << QStringList{"answer:Rossi Mario", "Fmenù/Cmdarchivio", "FRisultati/Text2=   ", "FRisultati/LabCERCA"};
        QTest::newRow("FRisultati-nome-sconosciuto")
            << forms::results << QStringList{"answer:Rossi Mario", "Fmenù/Cmdarchivio", "FRisultati/Text2=nessuno", "FRisultati/LabCERCA"};

        // A pupil's results as the menu opens them: a date at midnight shows the day only, a
        // questionnaire never taken nothing. A pupil found among the questionnaires only is named
        // and the exercises' grid emptied; the printed sheet says what is missing. Nobody
        // found: both messages, at the opening and at the printing, and no sheet.
        const QStringList rossiOpened = classResults + QStringList{"answer:Rossi Mario", "Fmenù/Cmdarchivio"};
        QTest::newRow("FRisultati-di-un-alunno") << forms::results << rossiOpened;
        QTest::newRow("FRisultati-solo-questionari")
            << forms::results << rossiOpened + QStringList{"FRisultati/Text2=verdi", "FRisultati/LabCERCA", "FRisultati/LabSTAMPA"};
        QTest::newRow("FRisultati-nessuno-da-stampare")
            << forms::results << classResults + QStringList{"answer:Nessuno", "Fmenù/Cmdarchivio", "FRisultati/LabSTAMPA"};

        // The world's pyramids read out for a country chosen, in percent; the second left out.
        QTest::newRow("WorldPyramids-Niger") << forms::worldPyramids
                                             << QStringList{"Fmenù/WorldPyramidsButton", "WorldPyramids/Country2=Niger",
                                                            "WorldPyramids/UnitChoice=Valori in percentuale"};
        QTest::newRow("WorldPyramids-una-sola") << forms::worldPyramids
                                                << QStringList{"Fmenù/WorldPyramidsButton", "WorldPyramids/SecondPyramid"};
        // The levers moved, then the UN's assumptions again; another country starts from them.
        const QStringList levers = {"Fmenù/PopulationFutureButton", "PopulationFuture/Children=14", "PopulationFuture/LifeExpectancy=10",
                                    "PopulationFuture/Migrants=0", "PopulationFuture/Year=2050"};
        QTest::newRow("PopulationFuture-leve") << forms::populationFuture << levers;
        QTest::newRow("PopulationFuture-come-l-ONU") << forms::populationFuture << levers + QStringList{"PopulationFuture/AsTheUn"};
        QTest::newRow("PopulationFuture-India") << forms::populationFuture
                                                << QStringList{"Fmenù/PopulationFutureButton", "PopulationFuture/Children=30",
                                                               "PopulationFuture/Year=2060", "PopulationFuture/Country=India"};
        // Everyone leaving Japan for eighty years is impossible: the pupil reads why, and the
        // levers go back to the last ones that could be used.
        QTest::newRow("PopulationFuture-impossibile")
            << forms::populationFuture
            << QStringList{"Fmenù/PopulationFutureButton", "PopulationFuture/Country=Giappone", "PopulationFuture/Children=8",
                           "PopulationFuture/LifeExpectancy=-10", "PopulationFuture/Migrants=-1000000000"};

        // Pages in the sequence, from the menu bar, and the two that have pages of their own.
        QTest::newRow("FLezioni-ultima-pagina") << forms::lessons << QStringList{"Fmenù/Cmdstoria"} + QStringList(11, "FLezioni/CmdAVANTI");
        QTest::newRow("FLezioni-avanti-dal-menù-delle-lezioni")
            << forms::lessons << QStringList{"Fmenù/Cmdstoria", "FLezioni/densitàdistribuzione", "FLezioni/CmdAVANTI"};
        const QStringList montenovo = QStringList{"Fmenù/Cmdstoria"} + QStringList(3, "FLezioni/CmdAVANTI")
                                      + QStringList{"FLezioni/popmontenovo"};
        QTest::newRow("FLezioni-Montenovo") << forms::lessons << montenovo;
        QTest::newRow("FLezioni-dopo-Montenovo") << forms::lessons << montenovo + QStringList{"FLezioni/CmdAVANTI"};
        QTest::newRow("FLezioni-due-destinazioni") << forms::lessons << QStringList{"Fmenù/Cmdstoria", "FLezioni/piramidimondo"};

        // The introduction at the first showing only; the family shown is kept.
        QTest::newRow("Ffamiglie-dal-menù") << forms::families << QStringList{"Fmenù/Cmdfami"};
        QTest::newRow("Ffamiglie-di-nuovo") << forms::families
                                            << QStringList{"Fmenù/Cmdfami", "Ffamiglie/CmdAVANTI", "Ffamiglie/Cmdmenù", "Fmenù/cmdesfam"};
        QTest::newRow("Ffamiglie-moderne-ultima")
            << forms::families << QStringList{"Fmenù/Cmdfami", "Ffamiglie/Cmdmod"} + QStringList(4, "Ffamiglie/CmdAVANTI");
        QTest::newRow("Ffamiglie-tradizionali-di-nuovo")
            << forms::families
            << QStringList{"Fmenù/Cmdfami", "Ffamiglie/Cmdmod"} + QStringList(4, "Ffamiglie/CmdAVANTI")
                   + QStringList{"Ffamiglie/CmdINDIETRO", "Ffamiglie/Cmdtrad"};
        QTest::newRow("Ffamiglie-aiuto") << forms::families << QStringList{"Fmenù/Cmdfami", "Ffamiglie/CmdAIUTO"};
    }

    void screens()
    {
        QFETCH(QString, form);
        QFETCH(QStringList, steps);
        TestProgram program;
        QVERIFY(program.start());
        if (steps.isEmpty())
            QVERIFY(program.open(form));
        for (const QString &step : steps)
            QVERIFY2(take(program, step), qPrintable(step));
        Screen *screen = program.screen(form);
        QVERIFY(screen->isVisible());
        QStringList description = snapshot::describe(screen);
        description << QStringLiteral("keyboard: ") + snapshot::keyboardWalk(screen).join(QStringLiteral(", "));
        for (const QString &prompt : program.dialogs().prompts)
            description << QStringLiteral("asked: ") + prompt;
        for (const RecordedMessage &message : program.dialogs().messages)
            description << QStringLiteral("message titled \"%1\": %2").arg(message.title, message.text).replace(u'\n', QStringLiteral("\\n"));
        for (const QStringList &document : program.printer().documents)
            for (const QString &line : document)
                description << QStringLiteral("printed: ") + line;
        // The temporary folders of this run, and the computer it runs on, by names that
        // stay the same from run to run.
        const QList<std::pair<QString, QString>> places = {{QDir::toNativeSeparators(program.driveA()), QStringLiteral("<chiavetta>")},
                                                           {QDir::toNativeSeparators(program.programFolder()),
                                                            QStringLiteral("<cartella del programma>")},
                                                           {QStringLiteral("(%1)").arg(QSysInfo::machineHostName()),
                                                            QStringLiteral("(<computer>)")}};
        for (QString &line : description)
            for (const auto &[place, name] : places)
                if (!place.isEmpty() && place != QLatin1String("()"))
                    line.replace(place, name);
        const QString differences = snapshot::differences(QString::fromUtf8(QTest::currentDataTag()), description);
        QVERIFY2(differences.isEmpty(), qPrintable(differences));
    }
};

QTEST_MAIN(TestSnapshots)
#include "tst_snapshots.moc"
