// The kit's full-screen view and what figures are drawn with: the area a figure gets,
// pictures kept whole, charts drawn into any rectangle, a finger's tap told from a swipe.
#include "figuremeasure.h"
#include "platform/figuredrawing.h"
#include "screenkit/figureview.h"
#include "screenkit/touchgestures.h"

#include <QChart>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

using namespace censaria;
using namespace censaria::figuretest;

namespace {

QPointingDevice *touchScreen()
{
    static QPointingDevice *device = QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
    return device;
}

void drag(QWidget *widget, QPoint from, QPoint to)
{
    QTest::touchEvent(widget, touchScreen()).press(0, from, widget);
    QTest::touchEvent(widget, touchScreen()).move(0, (from + to) / 2, widget);
    QTest::touchEvent(widget, touchScreen()).release(0, to, widget);
}

} // namespace

class TestFigureView : public QObject
{
    Q_OBJECT

private slots:
    // The figure gets nearly all the display under its title. Esc and the view's own button
    // close it: tst_whiteboard presses them on every figure of the program.
    void viewGivesTheFigureTheDisplay()
    {
        QWidget from;
        from.show();
        QRectF drawnInto;
        QPointer<QWidget> view = showFigureFullScreen(&from, QStringLiteral("Una figura"),
                                                      [&](QPainter &, const QRectF &area) { drawnInto = area; });
        QVERIFY(view && view->isVisible());
        QCOMPARE(view->windowTitle(), QStringLiteral("Una figura"));
        MeasuringDevice measured(view->size());
        view->render(&measured);
        QVERIFY(drawnInto.height() >= 0.85 * view->height());
        QVERIFY(drawnInto.width() >= 0.9 * view->width());
        QVERIFY(QRectF(view->rect()).contains(drawnInto));
        // The title and the close button, both as large as a label of the figure.
        QVERIFY(std::any_of(measured.texts.begin(), measured.texts.end(), [](const auto &t) { return t.text == QStringLiteral("Una figura"); }));
        QVERIFY(measured.smallest().pixels >= view->height() / 40.0);
        view->close();
    }

    // A picture is drawn whole, as large as the area lets it, in its middle.
    void pictureStaysWhole()
    {
        QImage tall(300, 600, QImage::Format_RGB32);
        tall.fill(Qt::white);
        MeasuringDevice measured(QSize(1000, 500));
        QPainter painter(&measured);
        pictureFigure(tall)(painter, QRectF(0, 0, 1000, 500));
        painter.end();
        QCOMPARE(measured.pictures.size(), 1);
        QCOMPARE(measured.pictures[0], QRectF(375, 0, 250, 500));
    }

    // A chart drawn into a rectangle carries the type it was given, whatever the rectangle's size.
    void chartFollowsItsArea_data()
    {
        QTest::addColumn<int>("height");
        QTest::newRow("screen") << 400;
        QTest::newRow("board") << 1000;
        QTest::newRow("page at 300 dpi") << 2400;
    }

    void chartFollowsItsArea()
    {
        QFETCH(int, height);
        const QRectF area(0, 0, height * 16 / 9, height);
        auto *chart = new QChart;
        chart->setTitleFont(figureFont(area, 1.2, true));
        chart->setTitle(QStringLiteral("Titolo"));
        MeasuringDevice measured(area.size().toSize());
        QPainter painter(&measured);
        paintChart(painter, area, chart);
        painter.end();
        QVERIFY(!measured.texts.isEmpty());
        QCOMPARE(measured.texts.first().text, QStringLiteral("Titolo"));
        QCOMPARE(measured.texts.first().pixels, double(figureFont(area, 1.2).pixelSize()));
        QVERIFY(figureFont(area).pixelSize() >= height / 34);
    }

    // A short touch is a tap; a long sideways move a swipe, with its direction; a move up
    // or down neither, nor one that goes too little sideways.
    void tapsAndSwipes()
    {
        QWidget surface;
        surface.resize(1200, 700);
        surface.show();
        auto *gestures = TouchGestures::of(&surface);
        QCOMPARE(TouchGestures::of(&surface), gestures);
        QSignalSpy taps(gestures, &TouchGestures::tapped);
        QSignalSpy swipes(gestures, &TouchGestures::swiped);
        const int far = TouchGestures::swipeDistance() + 10;

        drag(&surface, QPoint(600, 350), QPoint(603, 352));
        QCOMPARE(taps.size(), 1);
        drag(&surface, QPoint(900, 350), QPoint(900 - far, 360));
        QCOMPARE(swipes.size(), 1);
        QCOMPARE(swipes.last().first().toInt(), -1);
        drag(&surface, QPoint(100, 350), QPoint(100 + far, 340));
        QCOMPARE(swipes.last().first().toInt(), 1);
        drag(&surface, QPoint(600, 100), QPoint(600 + far / 3, 100 + far)); // mostly down
        drag(&surface, QPoint(600, 350), QPoint(600 + far / 2, 350));       // too short
        QCOMPARE(swipes.size(), 2);
        QCOMPARE(taps.size(), 1);
    }
};

QTEST_MAIN(TestFigureView)
#include "tst_figureview.moc"
