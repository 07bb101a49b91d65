#include "lessons/lessoncatalogue.h"
#include "questionnaires/questionbanks.h"
#include "programtest.h"
#include "wholeprogram.h"

#include <QRandomGenerator>

using namespace censaria;
using whole::press;
using whole::pressAll;
using whole::shown;

namespace {

using namespace forms;

// The keys the back buttons know, written out here so that a key the program forgets shows.
const QStringList lessonKeys = {"Storia1",   "Storia2",  "Storia3",  "Storia4", "Statistica1", "Statistica2",  "Piramidi1",
                                "Piramidi2", "Densità1", "Densità2", "Italia",  "Montenovo",   "PiramidiMondo"};
const QStringList screenKeys = {families, menu, rates, simulation, questionnaire, balances, pyramids};

// One road through the real screens: the presses from the main menu at start, then
// the screens shown, the screen key, the lesson page and the questionnaire on screen.
void road(const char *name, const QStringList &presses, QStringList expectedShown, const QString &key, const QString &page = QString(),
          const QString &topic = QString())
{
    expectedShown.sort();
    QTest::newRow(name) << presses << expectedShown << key << page << topic;
}

} // namespace

// Every navigation control of every screen, pressed on the real screens.
class TestWholeNavigation : public ProgramTest
{
    Q_OBJECT

    QString key() { return program_->module().chiamante; }
    QString lessonTitle() { return program_->text(lessons, QStringLiteral("LabTITOLO")); }
    QString questionnaireTitle() { return program_->text(questionnaire, QStringLiteral("Text2")); }

private slots:
    // Every back button that reads the key, reached with every key there is and some
    // there are not.
    void backButtonsFollowTheKey_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("key");
        const QList<std::pair<QString, QString>> backButtons = {{simulation, "Cmdtorno"},    {rates, "Cmdtorno"},    {pyramids, "Cmdtorno"},
                                                                {questionnaire, "Cmdtorno"}, {balances, "Cmdtorno"}, {results, "Labtorna"}};
        QStringList keys = lessonKeys + screenKeys;
        keys << results << lessons << QString() << QStringLiteral("Storia5") << QStringLiteral("fmenù") << QStringLiteral("Fmenu")
             << QStringLiteral("densità2");
        for (const auto &[form, control] : backButtons)
            for (const QString &key : keys)
                QTest::addRow("%s from \"%s\"", qPrintable(form), qPrintable(key)) << form << control << key;
    }
    void backButtonsFollowTheKey()
    {
        QFETCH(QString, form);
        QFETCH(QString, control);
        QFETCH(QString, key);
        program_->module().navigation().show(form);
        program_->screen(menu)->hide();
        program_->module().chiamante = key;

        QVERIFY(press(*program_, form + u'/' + control));

        const bool lessonKey = lessonKeys.contains(key);
        const bool screenKey = screenKeys.contains(key) && key != form;
        const QString expectedScreen = lessonKey ? lessons : screenKey ? key : menu;
        QCOMPARE(shown(*program_), QStringList{expectedScreen});
        QCOMPARE(this->key(), form == results ? results : key);
        if (lessonKey)
            QCOMPARE(lessonTitle(), lessonTopic(key)->title);
    }

    void roads_data()
    {
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<QStringList>("expectedShown");
        QTest::addColumn<QString>("expectedKey");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("topic");

        // The main menu at start, and over a questionnaire left open under it.
        road("menu: Storia", {"Fmenù/Cmdstoria"}, {lessons}, "Storia1", "Storia1");
        road("menu: calcoli", {"Fmenù/Cmdcalcoli"}, {lessons}, "Statistica1", "Statistica1");
        road("menu: densità", {"Fmenù/Cmddensità"}, {lessons}, "Densità1", "Densità1");
        road("menu: piramide lesson", {"Fmenù/Cmdpiramide"}, {lessons}, "Piramidi1", "Piramidi1");
        road("menu: Italia", {"Fmenù/CmdITALIA"}, {lessons}, "Italia", "Italia");
        road("menu: dinamiche", {"Fmenù/Cmddinamiche"}, {simulation}, menu);
        road("menu: famiglie", {"Fmenù/Cmdfami"}, {families}, menu);
        road("menu: piramide", {"Fmenù/Cmdpiram"}, {pyramids}, menu);
        road("menu: saldi", {"Fmenù/Cmdesercizi1"}, {balances}, menu);
        road("menu: tassi", {"Fmenù/cmdesdin"}, {rates}, menu);
        road("menu: esercizi famiglie", {"Fmenù/cmdesfam"}, {families}, menu);
        road("menu: questionari", {"Fmenù/Cmdquestionari"}, {questionnaire}, menu);
        road("menu: archivio", {"Fmenù/Cmdarchivio"}, {results}, menu);
        road("menu: piramidi del mondo", {"Fmenù/WorldPyramidsButton"}, {worldPyramids}, menu);
        road("menu: futuro della popolazione", {"Fmenù/PopulationFutureButton"}, {populationFuture}, menu);
        road("piramidi del mondo: torno", {"Fmenù/WorldPyramidsButton", "WorldPyramids/Cmdtorno"}, {menu}, menu);
        road("futuro della popolazione: menù", {"Fmenù/PopulationFutureButton", "PopulationFuture/Cmdmenù"}, {menu}, menu);
        road("menu over the questionnaire", {"Fmenù/Cmdquestionari", "FQuestionario/Cmdmenù", "Fmenù/Cmddinamiche"}, {questionnaire, simulation},
             menu);

        // Every lesson page, each reached through the lesson's menu bar: its destination,
        // and the main menu, which keeps the page as the key.
        const struct
        {
            QString page, entry, form, topic;
        } pages[] = {
            {"Storia1", "storiaintroduzione", questionnaire, "QStoria1"},
            {"Storia2", "stofamtrad", questionnaire, "QStoria2"},
            {"Storia3", "stoboom", questionnaire, "QStoria3"},
            {"Storia4", "stopost", questionnaire, "QStoria4"},
            {"Statistica1", "statsaldonat", balances, {}},
            {"Statistica2", "stattassi", rates, {}},
            {"Densità1", "densitàcalcolo", questionnaire, "QDensità1"},
            {"Densità2", "densitàdistribuzione", questionnaire, "QDensità2"},
            {"Piramidi1", "come", pyramids, {}},
            {"Piramidi2", "utilità", questionnaire, "Qpiramide2"},
            {"Italia", "popita", questionnaire, "QItalia"},
            {"Montenovo", "popmontenovo", lessons, {}},
            {"PiramidiMondo", "piramidimondo", populationFuture, {}},
        };
        for (const auto &[page, entry, form, topic] : pages) {
            const QStringList toPage = {"Fmenù/Cmdstoria", "FLezioni/" + entry};
            road(qPrintable("destination of " + page), toPage + QStringList{"FLezioni/CmdDestina"}, {form}, page,
                 form == lessons ? page : QString(), topic);
            road(qPrintable("menù principale from " + page), toPage + QStringList{"FLezioni/Cmdmenù"}, {menu}, page);
        }

        // The lesson screen's other buttons, and the way back to a page. (A back button
        // with each key, and so back from a lesson's destination or from a screen opened
        // from the menu, is in backButtonsFollowTheKey.)
        road("lesson: destination after paging", {"Fmenù/Cmdcalcoli", "FLezioni/CmdAVANTI", "FLezioni/CmdDestina"}, {rates}, "Statistica2");
        road("lesson: destination of a page reopened by a back button",
             {"Fmenù/Cmdpiramide", "FLezioni/CmdDestina", "Fpiramidi/Cmdtorno", "FLezioni/CmdDestina"}, {pyramids}, "Piramidi1");
        road("lesson: osserva", {"Fmenù/Cmdstoria", "FLezioni/CmdOsserva"}, {lessons, families}, "Storia1", "Storia1");
        road("lesson: the other destination", {"Fmenù/Cmdstoria", "FLezioni/piramidimondo", "FLezioni/OtherDestination"}, {worldPyramids},
             "PiramidiMondo");
        road("lesson: back from the world pyramids",
             {"Fmenù/Cmdstoria", "FLezioni/piramidimondo", "FLezioni/OtherDestination", "WorldPyramids/Cmdtorno"}, {lessons}, "PiramidiMondo",
             "PiramidiMondo");
        road("lesson: back from the projection lab",
             {"Fmenù/Cmdstoria", "FLezioni/piramidimondo", "FLezioni/CmdDestina", "PopulationFuture/Cmdtorno"}, {lessons}, "PiramidiMondo",
             "PiramidiMondo");

        // The family browser, from the menu and from the lesson left open under it.
        road("families: 2 questionari", {"Fmenù/Cmdfami", "Ffamiglie/Cmdesercizi"}, {questionnaire}, families, {}, "Qfamtrad");
        road("families: menu over their questionnaire", {"Fmenù/Cmdfami", "Ffamiglie/Cmdesercizi", "FQuestionario/Cmdmenù"},
             {questionnaire, menu}, families);
        road("families over the lesson: 2 questionari", {"Fmenù/Cmdstoria", "FLezioni/CmdOsserva", "Ffamiglie/Cmdesercizi"},
             {lessons, questionnaire}, families, {}, "Qfamtrad");
        road("families: lezioni", {"Fmenù/cmdesfam", "Ffamiglie/Cmdtorno"}, {lessons}, "Storia4", "Storia4");
        road("families over the lesson: lezioni", {"Fmenù/Cmdcalcoli", "FLezioni/CmdOsserva", "Ffamiglie/Cmdtorno"}, {lessons}, "Storia4",
             "Storia4");
        road("families: lesson destination", {"Fmenù/Cmdfami", "Ffamiglie/Cmdtorno", "FLezioni/CmdDestina"}, {questionnaire}, "Storia4", {},
             "QStoria4");
        road("families: menu", {"Fmenù/Cmdfami", "Ffamiglie/Cmdmenù"}, {menu}, menu);
        road("families: menu hides the questionnaire under it",
             {"Fmenù/Cmdquestionari", "FQuestionario/Cmdmenù", "Fmenù/Cmdfami", "Ffamiglie/Cmdmenù"}, {menu}, menu);

        // The simulation and the exercise it opens over itself.
        road("simulation: esercitazione", {"Fmenù/Cmddinamiche", "Fgrafici/Cmdesercitazione"}, {simulation, rates}, simulation);
        road("simulation: back from the exercise", {"Fmenù/Cmddinamiche", "Fgrafici/Cmdesercitazione", "Fesercizi/Cmdtorno"}, {simulation},
             simulation);
        road("simulation: menu over the exercise", {"Fmenù/Cmddinamiche", "Fgrafici/Cmdesercitazione", "Fesercizi/cmdmenu"}, {simulation, menu},
             simulation);
        road("simulation: menu", {"Fmenù/Cmddinamiche", "Fgrafici/Cmdmenù"}, {menu}, menu);

        // The exercises, the pyramids and the questionnaire.
        road("rates: menu", {"Fmenù/cmdesdin", "Fesercizi/cmdmenu"}, {menu}, menu);
        road("balances: menu", {"Fmenù/Cmdesercizi1", "FSaldiTassi/cmdmenu"}, {menu}, menu);
        road("pyramids: menu", {"Fmenù/Cmdpiram", "Fpiramidi/Cmdmenù"}, {menu}, menu);
        road("questionnaire: menu over it", {"Fmenù/Cmdquestionari", "FQuestionario/Cmdmenù"}, {questionnaire, menu}, menu);

        // The results screen, opened from everywhere it can be, and the screens its labels lead to.
        const QStringList scored = {"Fmenù/Cmdstoria", "FLezioni/CmdDestina", "FQuestionario/Check1", "FQuestionario/CMDRISULT"};
        road("results from the questionnaire", scored + QStringList{"FQuestionario/Cmdarchivio"}, {results}, questionnaire);
        road("results: torna to the questionnaire", scored + QStringList{"FQuestionario/Cmdarchivio", "FRisultati/Labtorna"}, {questionnaire},
             results);
        road("results from the rates", {"Fmenù/cmdesdin", "Fesercizi/Cmdarchivio"}, {results}, rates);
        road("results: torna to the rates", {"Fmenù/cmdesdin", "Fesercizi/Cmdarchivio", "FRisultati/Labtorna"}, {rates}, results);
        road("results: the rates' menu after torna", {"Fmenù/cmdesdin", "Fesercizi/Cmdarchivio", "FRisultati/Labtorna", "Fesercizi/cmdmenu"},
             {menu}, results);
        road("results from the rates over the simulation", {"Fmenù/Cmddinamiche", "Fgrafici/Cmdesercitazione", "Fesercizi/Cmdarchivio"},
             {simulation, results}, rates);
        road("results: torna to the rates over the simulation",
             {"Fmenù/Cmddinamiche", "Fgrafici/Cmdesercitazione", "Fesercizi/Cmdarchivio", "FRisultati/Labtorna"}, {simulation, rates}, results);
        road("results: the rates' back over the simulation",
             {"Fmenù/Cmddinamiche", "Fgrafici/Cmdesercitazione", "Fesercizi/Cmdarchivio", "FRisultati/Labtorna", "Fesercizi/Cmdtorno"},
             {simulation}, results);
        road("results from the balances", {"Fmenù/Cmdesercizi1", "FSaldiTassi/Cmdarchivio"}, {results}, balances);
        road("results: torna to the balances", {"Fmenù/Cmdesercizi1", "FSaldiTassi/Cmdarchivio", "FRisultati/Labtorna"}, {balances}, results);
        road("results: the balances open them again",
             {"Fmenù/Cmdesercizi1", "FSaldiTassi/Cmdarchivio", "FRisultati/Labtorna", "FSaldiTassi/Cmdarchivio"}, {results}, balances);
        road("results: menu keeps the key", {"Fmenù/Cmdesercizi1", "FSaldiTassi/Cmdarchivio", "FRisultati/Labmenù"}, {menu}, balances);
        road("results from the menu: menu", {"Fmenù/Cmdarchivio", "FRisultati/Labmenù"}, {menu}, menu);
    }
    void roads()
    {
        QFETCH(QStringList, presses);
        QFETCH(QStringList, expectedShown);
        QFETCH(QString, expectedKey);
        QFETCH(QString, page);
        QFETCH(QString, topic);

        QVERIFY(pressAll(*program_, presses));

        QCOMPARE(shown(*program_), expectedShown);
        QCOMPARE(key(), expectedKey);
        if (!page.isEmpty())
            QCOMPARE(lessonTitle(), lessonTopic(page)->title);
        if (!topic.isEmpty())
            QCOMPARE(questionnaireTitle(), bankByLoader(topic)->title);
        QVERIFY(!program_->exitCode());
    }

    // A pupil pressing about at random, on whatever screens are shown, is never left
    // without a screen, and the key always names a screen or a lesson page.
    void randomPressesAlwaysLeaveAScreen()
    {
        // The navigation controls, screen by screen.
        const QList<std::pair<QString, QStringList>> byScreen = {
            {menu,
             {"Cmdstoria", "Cmdcalcoli", "Cmddensità", "Cmdpiramide", "CmdITALIA", "Cmddinamiche", "Cmdfami", "Cmdpiram", "Cmdesercizi1",
              "cmdesdin", "cmdesfam", "Cmdquestionari", "Cmdarchivio", "WorldPyramidsButton", "PopulationFutureButton"}},
            {lessons, {"CmdDestina", "CmdOsserva", "CmdAVANTI", "CmdINDIETRO", "Cmdmenù", "OtherDestination"}},
            {questionnaire, {"Check1", "CMDRISULT", "Cmdarchivio", "Cmdtorno", "Cmdmenù"}},
            {rates, {"Cmdarchivio", "Cmdtorno", "cmdmenu"}},
            {balances, {"Cmdarchivio", "Cmdtorno", "cmdmenu"}},
            {simulation, {"Cmdesercitazione", "Cmdtorno", "Cmdmenù"}},
            {pyramids, {"Cmdtorno", "Cmdmenù"}},
            {families, {"Cmdesercizi", "Cmdtorno", "Cmdmenù"}},
            {results, {"Labtorna", "Labmenù"}},
            {worldPyramids, {"Cmdtorno", "Cmdmenù"}},
            {populationFuture, {"Cmdtorno", "Cmdmenù"}}};
        QStringList controls;
        for (const auto &[form, names] : byScreen)
            for (const QString &name : names)
                controls << form + u'/' + name;
        const QStringList keys = lessonKeys + screenKeys + QStringList{results};
        QRandomGenerator random(20260312);
        QStringList walked;
        const auto lastSteps = [&walked] { return walked.mid(std::max<qsizetype>(0, walked.size() - 20)).join(u'\n'); };
        for (int pressed = 0; pressed < 1000;) {
            const QString step = controls.at(random.bounded(int(controls.size())));
            const QString form = step.section(u'/', 0, 0);
            const Screen *screen = program_->module().screens().existing(form);
            const auto *control = screen ? screen->findChild<QWidget *>(step.section(u'/', 1)) : nullptr;
            if (!screen || !screen->isVisible() || !control->isEnabled())
                continue;
            walked << step;
            QVERIFY2(press(*program_, step), qPrintable(lastSteps()));
            QVERIFY2(!shown(*program_).isEmpty(), qPrintable(lastSteps()));
            QVERIFY2(keys.contains(key()), qPrintable(lastSteps()));
            ++pressed;
        }
    }

    void exitButtonsCloseTheArchive_data()
    {
        QTest::addColumn<QStringList>("presses");
        QTest::newRow("menu") << QStringList{"Fmenù/Cmdesco"};
        QTest::newRow("lessons") << QStringList{"Fmenù/Cmdstoria", "FLezioni/Cmdesco"};
        QTest::newRow("simulation") << QStringList{"Fmenù/Cmddinamiche", "Fgrafici/Cmdesco"};
        QTest::newRow("simulation under the rates") << QStringList{"Fmenù/Cmddinamiche", "Fgrafici/Cmdesercitazione", "Fesercizi/Cmdfine"};
        QTest::newRow("families") << QStringList{"Fmenù/Cmdfami", "Ffamiglie/Cmdesco"};
        QTest::newRow("pyramids") << QStringList{"Fmenù/Cmdpiram", "Fpiramidi/Cmdesco"};
        QTest::newRow("balances") << QStringList{"Fmenù/Cmdesercizi1", "FSaldiTassi/Cmdesco"};
        QTest::newRow("rates") << QStringList{"Fmenù/cmdesdin", "Fesercizi/Cmdfine"};
        QTest::newRow("results") << QStringList{"Fmenù/Cmdarchivio", "FRisultati/Labesci"};
        QTest::newRow("questionnaire") << QStringList{"Fmenù/Cmdquestionari", "FQuestionario/Cmduscita"};
        QTest::newRow("world pyramids") << QStringList{"Fmenù/WorldPyramidsButton", "WorldPyramids/Cmdesco"};
        QTest::newRow("population future") << QStringList{"Fmenù/PopulationFutureButton", "PopulationFuture/Cmdesco"};
    }
    void exitButtonsCloseTheArchive()
    {
        QFETCH(QStringList, presses);
        QVERIFY(program_->module().dbrisultati().isOpen());
        QVERIFY(pressAll(*program_, presses));
        QCOMPARE(program_->exitCode().value_or(-1), 0);
        QVERIFY(!program_->module().dbrisultati().isOpen());
        QCOMPARE(shown(*program_), QStringList());
    }
};

QTEST_MAIN(TestWholeNavigation)
#include "tst_wholenavigation.moc"
