// "Il futuro della popolazione" as a pupil steers it: the levers from the keyboard, the
// UN's assumptions back with one button, impossible levers refused with the reason and
// the last good ones kept, the years played to 2100.
#include "populations/figurecanvas.h"
#include "populations/populationfuturescreen.h"
#include "populations/yearplayer.h"
#include "screentest.h"
#include "figuremeasure.h"

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
