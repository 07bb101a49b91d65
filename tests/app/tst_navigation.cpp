#include "app/forms.h"
#include "testsupport/censariatest.h"
#include "testsupport/standins.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QTest>

using namespace censaria;

class TestNavigation : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> program_;
    StandInScreen *screen(const QString &name) { return static_cast<StandInScreen *>(program_->screen(name)); }

private slots:
    void init()
    {
        program_ = std::make_unique<TestProgram>();
        ScreenRegistry &registry = program_->module().screens();
        for (const QString &name : {forms::simulation, forms::rates, forms::questionnaire, forms::balances, forms::pyramids, forms::families})
            registry.add(name, [name](Module &m) { return new StandInScreen(m, name); });
        registry.add(forms::lessons, [](Module &m) { return new StandInLessons(m); });
        registry.add(forms::results, [](Module &m) { return new StandInResults(m); });
        QVERIFY(program_->start());
    }
    void cleanup() { program_.reset(); }

    void screensAreCreatedOnceAndKept()
    {
        Screen *first = program_->module().navigation().show(forms::simulation);
        first->hide();
        QCOMPARE(program_->module().navigation().show(forms::simulation), first);
        QCOMPARE(program_->module().navigation().show(QStringLiteral("Fnessuno")), nullptr);
    }

    void backReturnsToTheKeyedScreen_data()
    {
        QTest::addColumn<QString>("key");
        for (const QString &key : forms::backTargets)
            QTest::newRow(qPrintable(key)) << key;
    }
    void backReturnsToTheKeyedScreen()
    {
        QFETCH(QString, key);
        const QString from = key == forms::pyramids ? forms::rates : forms::pyramids;
        program_->module().navigation().show(from);
        program_->screen(forms::menu)->hide();
        program_->module().chiamante = key;
        screen(from)->goBack();
        QCOMPARE(program_->visibleScreens(), QStringList{key});
        QCOMPARE(program_->module().chiamante, key);
    }

    void backReopensTheLessonPage()
    {
        program_->module().navigation().show(forms::questionnaire);
        program_->screen(forms::menu)->hide();
        program_->module().chiamante = QStringLiteral("Densità2");
        screen(forms::questionnaire)->goBack();
        QCOMPARE(program_->visibleScreens(), QStringList{forms::lessons});
        QCOMPARE(static_cast<StandInLessons *>(program_->screen(forms::lessons))->page, QStringLiteral("Densità2"));
        QCOMPARE(program_->module().chiamante, QStringLiteral("Densità2"));
    }

    void keysAreComparedExactly()
    {
        program_->module().navigation().show(forms::rates);
        program_->screen(forms::menu)->hide();
        program_->module().chiamante = QStringLiteral("densità2");
        screen(forms::rates)->goBack();
        QCOMPARE(program_->visibleScreens(), QStringList{forms::menu}); // unknown key: the menu
    }

    void resultsBackLeavesItsOwnKeyAndTheNextBackShowsTheMenu()
    {
        Navigation &nav = program_->module().navigation();
        nav.show(forms::rates);
        program_->screen(forms::menu)->hide();
        screen(forms::rates)->openResults();
        QCOMPARE(program_->module().chiamante, forms::rates);
        QCOMPARE(static_cast<StandInResults *>(program_->screen(forms::results))->refreshes, 1);
        QCOMPARE(program_->visibleScreens(), QStringList{forms::results});

        screen(forms::results)->goBack();
        QCOMPARE(program_->visibleScreens(), QStringList{forms::rates});
        QCOMPARE(program_->module().chiamante, forms::results);

        // "FRisultati" is no back key: instead of leaving nothing on screen, the menu.
        screen(forms::rates)->goBack();
        QCOMPARE(program_->visibleScreens(), QStringList{forms::menu});
    }

    void backToItsOwnScreenShowsTheMenu()
    {
        program_->module().navigation().show(forms::simulation);
        program_->screen(forms::menu)->hide();
        program_->module().chiamante = forms::simulation;
        screen(forms::simulation)->goBack();
        QCOMPARE(program_->visibleScreens(), QStringList{forms::menu});
    }

    void aScreenLeftOpenUnderneathStaysVisible()
    {
        Navigation &nav = program_->module().navigation();
        nav.show(forms::simulation);
        program_->screen(forms::menu)->hide();
        program_->module().chiamante = forms::simulation;
        nav.show(forms::rates); // the simulation stays open underneath
        program_->module().chiamante = QStringLiteral("FRisultati");
        screen(forms::rates)->goBack();
        QCOMPARE(program_->visibleScreens(), QStringList{forms::simulation});
    }

    void menuButtonShowsTheMenuAndKeepsTheKey()
    {
        program_->module().navigation().show(forms::pyramids);
        program_->module().chiamante = QStringLiteral("Storia3");
        screen(forms::pyramids)->goToMenu();
        QCOMPARE(program_->visibleScreens(), QStringList{forms::menu});
        QCOMPARE(program_->module().chiamante, QStringLiteral("Storia3"));
    }

    void menuButtonsOpenTheirScreens_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("form");
        QTest::newRow("dinamiche") << "Cmddinamiche" << forms::simulation;
        QTest::newRow("famiglie") << "Cmdfami" << forms::families;
        QTest::newRow("esercizi famiglie") << "cmdesfam" << forms::families;
        QTest::newRow("piramide") << "Cmdpiram" << forms::pyramids;
        QTest::newRow("saldi") << "Cmdesercizi1" << forms::balances;
        QTest::newRow("tassi") << "cmdesdin" << forms::rates;
    }
    void menuButtonsOpenTheirScreens()
    {
        QFETCH(QString, button);
        QFETCH(QString, form);
        program_->module().chiamante = QStringLiteral("Storia1");
        program_->control<QAbstractButton>(forms::menu, button)->click();
        QCOMPARE(program_->visibleScreens(), QStringList{form});
        QCOMPARE(program_->module().chiamante, forms::menu);
    }

    void lessonButtonsOpenTheirPages_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("page");
        QTest::newRow("storia") << "Cmdstoria" << "Storia1";
        QTest::newRow("calcoli") << "Cmdcalcoli" << "Statistica1";
        QTest::newRow("densità") << "Cmddensità" << "Densità1";
        QTest::newRow("piramide") << "Cmdpiramide" << "Piramidi1";
        QTest::newRow("italia") << "CmdITALIA" << "Italia";
    }
    void lessonButtonsOpenTheirPages()
    {
        QFETCH(QString, button);
        QFETCH(QString, page);
        program_->control<QAbstractButton>(forms::menu, button)->click();
        QCOMPARE(program_->visibleScreens(), QStringList{forms::lessons});
        QCOMPARE(static_cast<StandInLessons *>(program_->screen(forms::lessons))->page, page);
        QCOMPARE(program_->module().chiamante, page);
    }

    void archiveAsksTheNameButOpensAnyway()
    {
        program_->control<QAbstractButton>(forms::menu, QStringLiteral("Cmdarchivio"))->click();
        QCOMPARE(program_->dialogs().prompts.size(), 1);
        QCOMPARE(program_->visibleScreens(), QStringList{forms::results});
        QCOMPARE(program_->module().chiamante, forms::menu);
        QVERIFY(program_->module().nomealunno.isEmpty());
    }

    void questionnairesAskTheNameOnce()
    {
        program_->dialogs().queueAnswer(QStringLiteral("gialli eva"));
        program_->control<QAbstractButton>(forms::menu, QStringLiteral("Cmdquestionari"))->click();
        QCOMPARE(program_->visibleScreens(), QStringList{forms::questionnaire});
        QCOMPARE(program_->module().nomealunno, QStringLiteral("GIALLI EVA"));
        program_->screen(forms::questionnaire)->hide();
        program_->module().navigation().show(forms::menu);
        program_->control<QAbstractButton>(forms::menu, QStringLiteral("Cmdquestionari"))->click();
        QCOMPARE(program_->dialogs().prompts.size(), 1);
    }

    void buttonsOfMissingScreensAreDisabled()
    {
        TestProgram bare;
        bare.module().screens().remove(forms::simulation);
        QVERIFY(bare.start());
        QVERIFY(!bare.control<QAbstractButton>(forms::menu, QStringLiteral("Cmddinamiche"))->isEnabled());
        QVERIFY(bare.control<QAbstractButton>(forms::menu, QStringLiteral("Cmdfami"))->isEnabled());
        QVERIFY(bare.control<QAbstractButton>(forms::menu, QStringLiteral("Cmdesco"))->isEnabled());
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
