// The two screens of the UN's figures as pupils and a teacher use them. "Piramidi del
// mondo": reached from the menu, years moved from the keyboard and by the play button, the
// figure full screen and saved as a picture, its texts large enough for the back of the
// class. "Il futuro della popolazione": the years played to 2100, its figure as large.
#include "populations/figurecanvas.h"
#include "populations/populationfuturescreen.h"
#include "populations/worldpyramidsscreen.h"
#include "populations/yearplayer.h"
#include "programtest.h"
#include "figuremeasure.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QSlider>

using namespace censaria;
using namespace censaria::populations;

namespace {

// The texts a figure wrote over the whole recorder: the smallest at least `least` pixels
// tall, none outside, none over another (a long country's name over its neighbour).
void checkTexts(const figuretest::MeasuringDevice &recorder, double least)
{
    QVERIFY2(recorder.smallest().pixels >= least, qPrintable(QStringLiteral("%1 px").arg(recorder.smallest().pixels)));
    const QRectF all = QRectF(0, 0, recorder.width(), recorder.height()).adjusted(-1, -1, 1, 1);
    for (qsizetype i = 0; i < recorder.texts.size(); ++i) {
        const figuretest::MeasuringDevice::Text &t = recorder.texts[i];
        QVERIFY2(all.contains(t.room), qPrintable(QStringLiteral("\"%1\" at %2,%3").arg(t.text).arg(t.room.x()).arg(t.room.y())));
        for (qsizetype j = i + 1; j < recorder.texts.size(); ++j) {
            const QRectF both = t.room.intersected(recorder.texts[j].room);
            QVERIFY2(both.width() < 2 || both.height() < 2,
                     qPrintable(QStringLiteral("\"%1\" over \"%2\"").arg(t.text, recorder.texts[j].text)));
        }
    }
}

} // namespace

class TestWorldPyramidsScreen : public ProgramTest
{
    Q_OBJECT

    WorldPyramidsScreen *screen_ = nullptr;
    PopulationFutureScreen *future_ = nullptr;

    QSlider *slider(int side) { return screen_->findChild<QSlider *>(QStringLiteral("Year%1").arg(side)); }
    PopulationFutureScreen *openFuture()
    {
        future_ = static_cast<PopulationFutureScreen *>(program_->open(forms::populationFuture));
        return QTest::qWaitForWindowActive(future_) ? future_ : nullptr;
    }

    void afterStart() override
    {
        program_->click(forms::menu, QStringLiteral("WorldPyramidsButton"));
        screen_ = static_cast<WorldPyramidsScreen *>(program_->screen(forms::worldPyramids));
        QVERIFY(screen_->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(screen_));
    }

private slots:
    void cleanup()
    {
        screen_->player()->pause();
        if (future_)
            future_->player()->pause();
        future_ = nullptr;
        program_.reset();
    }

    // Arrows a year, Page Up and Down five, Home and End to 1950 and 2100.
    void theYearsMoveFromTheKeyboard()
    {
        QSlider *year = slider(1);
        year->setFocus();
        QTest::keyClick(year, Qt::Key_Right);
        QCOMPARE(screen_->view().sides[0].year, 1951.0);
        QTest::keyClick(year, Qt::Key_PageUp);
        QCOMPARE(screen_->view().sides[0].year, 1956.0);
        QTest::keyClick(year, Qt::Key_End);
        QCOMPARE(screen_->view().sides[0].year, 2100.0);
        QCOMPARE(program_->text(forms::worldPyramids, QStringLiteral("YearValue1")), QStringLiteral("2100"));
        QTest::keyClick(year, Qt::Key_Home);
        QCOMPARE(screen_->view().sides[0].year, 1950.0);
    }

    // Both years move on together, smoothly, until the later one reaches 2100; from
    // there, play starts again from 1950 keeping the distance.
    void playMovesTheYearsTogetherToTheEnd()
    {
        screen_->showPyramid(0, 380, 2000);
        screen_->showPyramid(1, 392, 2090);
        emit screen_->player()->advanced(2.5);
        QCOMPARE(screen_->view().sides[0].year, 2002.5);
        QCOMPARE(screen_->view().sides[1].year, 2092.5);
        QCOMPARE(slider(1)->value(), 2002);
        auto *play = program_->control<QPushButton>(forms::worldPyramids, QStringLiteral("Play"));
        play->click();
        QVERIFY(screen_->player()->isPlaying());
        QCOMPARE(play->text(), QStringLiteral("❚❚ Pausa"));
        emit screen_->player()->advanced(30);
        QCOMPARE(screen_->view().sides[1].year, 2100.0);
        QCOMPARE(screen_->view().sides[0].year, 2010.0);
        QVERIFY(!screen_->player()->isPlaying());
        QCOMPARE(play->text(), QStringLiteral("▶ Avvia"));

        play->setFocus();
        QTest::keyClick(play, Qt::Key_Space);
        QVERIFY(screen_->player()->isPlaying());
        QCOMPARE(screen_->view().sides[0].year, 1950.0);
        QCOMPARE(screen_->view().sides[1].year, 2040.0);
        QTest::keyClick(play, Qt::Key_Return);
        QVERIFY(!screen_->player()->isPlaying());

        // Real time: the years go on at the player's pace.
        play->click();
        QTest::qWait(400);
        screen_->player()->pause();
        QVERIFY2(screen_->view().sides[0].year > 1950.5 && screen_->view().sides[0].year < 1954,
                 qPrintable(QString::number(screen_->view().sides[0].year)));
    }

    void aSliderMovedByHandStopsThePlay()
    {
        screen_->player()->play();
        slider(1)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QVERIFY(!screen_->player()->isPlaying());
    }

    // F11 or the figure's corner button show the figure alone over the display, titled
    // with what it shows. (Every way in and out of it is tst_whiteboard's.)
    void theFigureGoesFullScreen()
    {
        screen_->showPyramid(1, 380, 2050);
        QTest::keyClick(screen_, Qt::Key_F11);
        QPointer<QWidget> full = fullScreenView(screen_);
        QVERIFY(full);
        QCOMPARE(full->windowTitle(), QStringLiteral("Piramidi del mondo: Italia 1950, Italia 2050"));
        full->close();
        QTRY_VERIFY(!full);
        screen_->showSecondPyramid(false);
        program_->click(forms::worldPyramids, QStringLiteral("FigureFullScreen"));
        full = fullScreenView(screen_);
        QVERIFY(full);
        QCOMPARE(full->windowTitle(), QStringLiteral("Piramidi del mondo: Italia 1950"));
        full->close();
    }

    // Full screen on a 1920 x 1080 whiteboard the smallest text is 1/40 of the height at
    // least (1/46 on a narrower 4:3 projector); on the page of a 1024 x 768 monitor 1/60;
    // nothing is written outside the figure.
    void theTextsAreLargeEnoughAndStayInside_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("least");
        QTest::newRow("full screen 1920x1080") << QSize(1920, 1080) << 1080 / 40.0;
        QTest::newRow("full screen 3840x2160") << QSize(3840, 2160) << 2160 / 40.0;
        QTest::newRow("full screen 1024x768") << QSize(1024, 768) << 768 / 46.0;
        QTest::newRow("page of 1024x768") << QSize(1003, 532) << 768 / 60.0;
    }
    void theTextsAreLargeEnoughAndStayInside()
    {
        QFETCH(QSize, size);
        QFETCH(double, least);
        screen_->showPyramid(0, 562, 2020);
        screen_->showPyramid(1, 392, 2047.5);
        for (PyramidUnit unit : {PyramidUnit::Thousands, PyramidUnit::Percent}) {
            WorldPyramidsView view = screen_->view();
            view.unit = unit;
            // The full-screen window as the whiteboard shows it; the page's figure alone.
            const bool full = size.height() > 600;
            figuretest::MeasuringDevice recorder(size);
            if (full) {
                QWidget *window = showFigureFullScreen(screen_, QStringLiteral("Piramidi del mondo"),
                                                       [&view](QPainter &p, const QRectF &a) { paintWorldPyramids(p, a, view); });
                window->resize(size);
                window->render(&recorder);
                window->close();
            } else {
                QPainter painter(&recorder);
                paintWorldPyramids(painter, QRectF(QPointF(0, 0), QSizeF(size)), view);
            }
            QVERIFY(recorder.texts.size() > 60);
            checkTexts(recorder, least);
        }
    }

    // While the years play the charts come from a kept picture: it must be the same as one
    // drawn afresh, and give way as soon as what the chart shows changes.
    void aKeptChartIsTheSameAsAFreshOne()
    {
        const auto frame = [](const WorldPyramidsView &view) {
            QImage image(960, 540, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            paintWorldPyramids(painter, QRectF(image.rect()), view);
            return image;
        };
        WorldPyramidsView view = screen_->view();
        const QImage fresh = frame(view), kept = frame(view);
        QCOMPARE(kept, fresh);
        view.sides[1].country = WorldData::builtIn().country(566);
        const QImage other = frame(view);
        view.sides[1].country = WorldData::builtIn().country(380);
        QVERIFY(other != fresh);
        QCOMPARE(frame(view), fresh);
        // Only the marks of the years move with them.
        view.sides[0].year += 1;
        QVERIFY(frame(view) != fresh);
    }

    // The picture for a worksheet goes where the teacher says, whole, or not at all.
    void theFigureIsSavedAsAPicture()
    {
        ScriptedDialogs &dialogs = program_->dialogs();
        const QString path = QDir(program_->driveA()).filePath(QStringLiteral("piramidi"));
        dialogs.savePaths << path;
        program_->click(forms::worldPyramids, QStringLiteral("SaveImage"));
        QCOMPARE(dialogs.suggestedSavePaths.value(0), QDir(program_->driveA()).filePath(QStringLiteral("piramidi-italia-1950-italia-2020.png")));
        const QImage saved(path + QStringLiteral(".png"));
        QCOMPARE(saved.size(), QSize(1920, 1080));
        QCOMPARE(dialogs.messages.constLast().icon, MessageIcon::Information);
        QVERIFY(dialogs.messages.constLast().text.contains(QStringLiteral("piramidi.png")));

        // Cancelled: nothing written, nothing said.
        const qsizetype said = dialogs.messages.size();
        program_->click(forms::worldPyramids, QStringLiteral("SaveImage"));
        QCOMPARE(dialogs.messages.size(), said);

        // A folder that is not there: the teacher is told, no file is left.
        const QString nowhere = QDir(program_->driveA()).filePath(QStringLiteral("tolta/figura.png"));
        dialogs.savePaths << nowhere;
        program_->click(forms::worldPyramids, QStringLiteral("SaveImage"));
        QCOMPARE(dialogs.messages.constLast().icon, MessageIcon::Exclamation);
        QVERIFY(dialogs.messages.constLast().text.startsWith(QStringLiteral("Non sono riuscito a salvare l'immagine")));
        QVERIFY(!QFile::exists(nowhere));
    }

    void theFutureYearsPlayTo2100()
    {
        QVERIFY(openFuture());
        auto *play = program_->control<QPushButton>(forms::populationFuture, QStringLiteral("Play"));
        play->setFocus();
        QTest::keyClick(play, Qt::Key_Return);
        QVERIFY(future_->player()->isPlaying());
        emit future_->player()->advanced(12.5);
        QCOMPARE(future_->view().year, 2032.5);
        QCOMPARE(program_->text(forms::populationFuture, QStringLiteral("YearValue")), QStringLiteral("2032"));
        emit future_->player()->advanced(100);
        QCOMPARE(future_->view().year, 2100.0);
        QVERIFY(!future_->player()->isPlaying());
        QTest::keyClick(play, Qt::Key_Space);
        QCOMPARE(future_->view().year, 2020.0);
        QVERIFY(future_->player()->isPlaying());
        future_->player()->pause();
        auto *year = program_->control<QSlider>(forms::populationFuture, QStringLiteral("Year"));
        year->setFocus();
        QTest::keyClick(year, Qt::Key_PageUp);
        QCOMPARE(future_->view().year, 2025.0);
    }

    // Saved whole; full screen on a 1920 x 1080 whiteboard as large as the world's pyramids.
    void theFutureFigureIsSavedAndLargeEnoughFullScreen()
    {
        QVERIFY(openFuture());
        const QString path = QDir(program_->driveA()).filePath(QStringLiteral("futuro.png"));
        program_->dialogs().savePaths << path;
        program_->click(forms::populationFuture, QStringLiteral("SaveImage"));
        QCOMPARE(program_->dialogs().suggestedSavePaths.value(0), QDir(program_->driveA()).filePath(QStringLiteral("futuro-italia-2020.png")));
        QCOMPARE(QImage(path).size(), QSize(1920, 1080));

        program_->control<QSlider>(forms::populationFuture, QStringLiteral("Children"))->setValue(20);
        future_->showYear(2062.5);
        QTest::keyClick(future_, Qt::Key_F11);
        QWidget *full = fullScreenView(future_);
        QVERIFY(full);
        QCOMPARE(full->windowTitle(), QStringLiteral("Il futuro della popolazione: Italia, 2062"));
        full->resize(1920, 1080);
        figuretest::MeasuringDevice recorder(QSize(1920, 1080));
        full->render(&recorder);
        full->close();
        checkTexts(recorder, 1080 / 40.0);
    }
};

QTEST_MAIN(TestWorldPyramidsScreen)
#include "tst_worldpyramidsscreen.moc"
