// "Il futuro della popolazione" as a pupil steers it: the levers from the keyboard, the
// UN's assumptions back with one button, impossible levers refused with the reason and
// the last good ones kept, the years played to 2100.
#include "populations/figurecanvas.h"
#include "populations/populationfuturescreen.h"
#include "populations/yearplayer.h"
#include "screentest.h"
#include "figuremeasure.h"

#include <QAccessible>
#include <QComboBox>
#include <QPainter>
#include <QSlider>

using namespace censaria;
using namespace censaria::populations;

class TestPopulationFutureScreen : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> program_;
    PopulationFutureScreen *screen_ = nullptr;

    QSlider *lever(const char *name) { return program_->control<QSlider>(forms::populationFuture, QString::fromUtf8(name)); }
    QString text(const char *name) { return program_->text(forms::populationFuture, QString::fromUtf8(name)); }
    void choose(const QString &country)
    {
        auto *choice = program_->control<QComboBox>(forms::populationFuture, QStringLiteral("Country"));
        choice->setCurrentIndex(choice->findText(country));
    }

private slots:
    void init()
    {
        program_ = std::make_unique<TestProgram>();
        QVERIFY(program_->start());
        program_->click(forms::menu, QStringLiteral("PopulationFutureButton"));
        screen_ = static_cast<PopulationFutureScreen *>(program_->screen(forms::populationFuture));
        QVERIFY(screen_->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(screen_));
    }
    void cleanup()
    {
        screen_->player()->pause();
        program_.reset();
    }

    void itOpensOnItalyIn2020WithTheUnsAssumptions()
    {
        QCOMPARE(screen_->view().country->code, 380);
        QCOMPARE(screen_->view().year, 2020.0);
        QVERIFY(screen_->view().levers.isUnAssumption());
        QCOMPARE(screen_->focusWidget(), lever("Children"));
        QCOMPARE(text("ChildrenValue"), QStringLiteral("come l'ONU: da 1,3 (2020) a 1,6 (2100)"));
        QCOMPARE(text("ChildrenCaption"), QStringLiteral("Figli per donna (nel 2015-2020: 1,33)"));
        QCOMPARE(text("MigrantsValue"), QStringLiteral("come l'ONU: 117\u00a0406 persone all'anno"));
        QVERIFY(text("LifeExpectancyValue").startsWith(QStringLiteral("come l'ONU: maschi 81,")));
        program_->click(forms::populationFuture, QStringLiteral("Cmdtorno"));
        QCOMPARE(program_->visibleScreens(), QStringList{forms::menu});
    }

    void theLeversMoveFromTheKeyboard()
    {
        QSlider *children = lever("Children");
        children->setFocus();
        QTest::keyClick(children, Qt::Key_Right);
        QCOMPARE(*screen_->view().levers.childrenPerWoman, 1.4);
        QCOMPARE(text("ChildrenValue"), QStringLiteral("1,4 figli per donna"));
        QSlider *life = lever("LifeExpectancy");
        life->setFocus();
        QTest::keyClick(life, Qt::Key_End);
        QCOMPARE(screen_->view().levers.lifeExpectancyChange, 10.0);
        QCOMPARE(text("LifeExpectancyValue"), QStringLiteral("+10 anni rispetto all'ONU"));
        QSlider *migrants = lever("Migrants");
        migrants->setValue(0);
        QCOMPARE(*screen_->view().levers.netMigrantsPerYear, 0.0);
        QCOMPARE(text("MigrantsValue"), QStringLiteral("0 persone all'anno"));
        // The figure in words follows.
        screen_->showYear(2050);
        const QString said = QAccessible::queryAccessibleInterface(screen_->figure())->text(QAccessible::Description);
        QVERIFY2(said.startsWith(QStringLiteral("Italia, 2050. Con le tue ipotesi: ")), qPrintable(said));
        QVERIFY(said.contains(QStringLiteral("1,4 figli per donna, speranza di vita +10 anni rispetto all'ONU, saldo migratorio di 0 persone")));

        program_->click(forms::populationFuture, QStringLiteral("AsTheUn"));
        QVERIFY(screen_->view().levers.isUnAssumption());
        QCOMPARE(children->value(), 13);
        QCOMPARE(life->value(), 0);
    }

    // Another country starts again from its 2020 pyramid, its migrants lever within its own range.
    void anotherCountryStartsAgain()
    {
        lever("Children")->setValue(30);
        screen_->showYear(2060);
        choose(QStringLiteral("India"));
        QCOMPARE(screen_->view().country->code, 356);
        QVERIFY(screen_->view().levers.isUnAssumption());
        QCOMPARE(screen_->view().year, 2020.0);
        const MigrantRange range = migrantRange(*screen_->view().country);
        QCOMPARE(lever("Migrants")->minimum() * 1000.0, range.lowest);
        QCOMPARE(lever("Migrants")->maximum() * 1000.0, range.highest);
    }

    // Everyone leaving Japan for eighty years is impossible: the pupil reads why, and the
    // levers go back to the last ones that could be used.
    void anImpossibleLeverIsRefusedAndUndone()
    {
        choose(QStringLiteral("Giappone"));
        lever("Children")->setValue(8);
        lever("LifeExpectancy")->setValue(-10);
        const int before = lever("Migrants")->value();
        lever("Migrants")->setValue(lever("Migrants")->minimum());
        QVERIFY2(text("Message").startsWith(QStringLiteral("Con così tante partenze")), qPrintable(text("Message")));
        QVERIFY(QAccessible::queryAccessibleInterface(program_->control<QWidget>(forms::populationFuture, QStringLiteral("Message")))
                    ->text(QAccessible::Description)
                    .contains(QStringLiteral("saldo migratorio meno negativo")));
        QVERIFY(!screen_->view().levers.netMigrantsPerYear);
        QCOMPARE(lever("Migrants")->value(), before);
        QCOMPARE(*screen_->view().levers.childrenPerWoman, 0.8);
        QVERIFY(screen_->view().projection->isValid());
        // A possible lever clears the message.
        lever("Children")->setValue(15);
        QVERIFY(text("Message").startsWith(QStringLiteral("Muovi le leve")));
        QVERIFY(!screen_->setLevers(Levers{9.0, 0, {}}));
        QCOMPARE(text("Message"), QStringLiteral("I figli per donna devono essere tra 0,8 e 7."));
    }

    void theYearsPlayTo2100()
    {
        auto *play = program_->control<QPushButton>(forms::populationFuture, QStringLiteral("Play"));
        play->setFocus();
        QTest::keyClick(play, Qt::Key_Return);
        QVERIFY(screen_->player()->isPlaying());
        emit screen_->player()->advanced(12.5);
        QCOMPARE(screen_->view().year, 2032.5);
        QCOMPARE(text("YearValue"), QStringLiteral("2032"));
        emit screen_->player()->advanced(100);
        QCOMPARE(screen_->view().year, 2100.0);
        QVERIFY(!screen_->player()->isPlaying());
        QTest::keyClick(play, Qt::Key_Space);
        QCOMPARE(screen_->view().year, 2020.0);
        QVERIFY(screen_->player()->isPlaying());
        screen_->player()->pause();
        QSlider *year = lever("Year");
        year->setFocus();
        QTest::keyClick(year, Qt::Key_PageUp);
        QCOMPARE(screen_->view().year, 2025.0);
    }

    void theFigureIsLargeEnoughFullScreen()
    {
        lever("Children")->setValue(20);
        screen_->showYear(2062.5);
        QTest::keyClick(screen_, Qt::Key_F11);
        QWidget *full = nullptr;
        for (QWidget *w : screen_->findChildren<QWidget *>(QStringLiteral("figureView")))
            if (w->isVisible())
                full = w;
        QVERIFY(full);
        QCOMPARE(full->windowTitle(), QStringLiteral("Il futuro della popolazione: Italia, 2062"));
        full->resize(1920, 1080);
        figuretest::MeasuringDevice recorder(QSize(1920, 1080));
        full->render(&recorder);
        full->close();
        QVERIFY2(recorder.smallest().pixels >= 1080 / 40.0, qPrintable(QString::number(recorder.smallest().pixels)));
        for (const figuretest::MeasuringDevice::Text &t : recorder.texts)
            QVERIFY2(QRectF(0, 0, 1920, 1080).adjusted(-1, -1, 1, 1).contains(t.room), qPrintable(t.text));
    }

    void theFigureIsSaved()
    {
        const QString path = QDir(program_->driveA()).filePath(QStringLiteral("futuro.png"));
        program_->dialogs().savePaths << path;
        program_->click(forms::populationFuture, QStringLiteral("SaveImage"));
        QCOMPARE(program_->dialogs().suggestedSavePaths.value(0), QDir(program_->driveA()).filePath(QStringLiteral("futuro-italia-2020.png")));
        QCOMPARE(QImage(path).size(), QSize(1920, 1080));
    }
};

QTEST_MAIN(TestPopulationFutureScreen)
#include "tst_populationfuturescreen.moc"
