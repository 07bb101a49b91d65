#include "screenkit/builders.h"
#include "platform/twips.h"
#include "platform/typescale.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace censaria;

namespace {

// The displays classrooms have, from an old projector to a 4K panel.
void addDisplays()
{
    QTest::addColumn<QSize>("display");
    QTest::newRow("1024x768") << QSize(1024, 768);
    QTest::newRow("1280x960") << QSize(1280, 960);
    QTest::newRow("1920x1080") << QSize(1920, 1080);
    QTest::newRow("3840x2160") << QSize(3840, 2160);
}

int opaquePixels(const QPixmap &pixmap)
{
    const QImage image = pixmap.toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0;
    return count;
}

} // namespace

class TestBuilders : public QObject
{
    Q_OBJECT
private slots:
    // Pictures are kept in the account's cache folder: here one of the test's own.
    void initTestCase() { qputenv("XDG_CACHE_HOME", QFile::encodeName(cache_.path())); }

    void cleanup()
    {
        TypeScale::setFactor(1.0);
        Twips::setDisplay(QSize(1200, 900));
    }

    // A prompt as wide as its text leaves the rest of the place to the box, whatever
    // the display and the pupil's type size.
    void fittedPromptLeavesTheRestToTheBox_data() { addDisplays(); }
    void fittedPromptLeavesTheRestToTheBox()
    {
        QFETCH(QSize, display);
        Twips::setDisplay(display);
        for (double factor : TypeScale::steps) {
            TypeScale::setFactor(factor);
            QWidget parent;
            const QRect place(6300, 620, 3600, 330);
            const PromptedBox made = makePromptedBox(&parent, QStringLiteral("filterBox"), QStringLiteral("Cerca un nome"), place,
                                                     Twips::font(8.25, true), Twips::font(8.25, true));
            const QRect whole = Twips::rect(place.x(), place.y(), place.width(), place.height());
            QVERIFY(made.prompt->fontMetrics().horizontalAdvance(made.prompt->text()) < made.prompt->width());
            QCOMPARE(made.prompt->x(), whole.x());
            QCOMPARE(made.box->x(), made.prompt->geometry().right() + 1);
            QCOMPARE(made.box->geometry().right(), whole.right());
            QCOMPARE(made.box->height(), whole.height());
            QCOMPARE(made.box->objectName(), QStringLiteral("filterBox"));
            QCOMPARE(made.prompt->buddy(), made.box);
        }
    }

    // A prompt of a given width puts the box where a place of its own in twips would be.
    void fixedPromptPlacesTheBoxAsItsOwnTwips_data() { addDisplays(); }
    void fixedPromptPlacesTheBoxAsItsOwnTwips()
    {
        QFETCH(QSize, display);
        Twips::setDisplay(display);
        QWidget parent;
        const PromptedBox made = makePromptedBox(&parent, QStringLiteral("Text1"), QStringLiteral("Inserisci l'anno"), {150, 700, 5600, 380},
                                                 Twips::font(9), Twips::font(10, true), 4200);
        QCOMPARE(made.prompt->geometry(), Twips::rect(150, 700, 4200, 380));
        QCOMPARE(made.box->geometry(), Twips::rect(4350, 700, 1400, 380));
        QVERIFY(made.box->font().bold());
        QVERIFY(!made.prompt->font().bold());
    }

    // Clicks reach a slot of any return type, or a function.
    void buttonClicksReachTheirSlot()
    {
        struct Counter : QObject
        {
            int clicks = 0;
            bool count() { return ++clicks > 0; }
        } counter;
        QWidget parent;
        int lambdaClicks = 0;
        makeButton(&parent, QStringLiteral("a"), QStringLiteral("A"), {0, 0, 900, 420}, {}, &counter, &Counter::count)->click();
        makeButton(&parent, QStringLiteral("b"), QStringLiteral("B"), {0, 0, 900, 420}, {}, &counter, [&] { ++lambdaClicks; })->click();
        QCOMPARE(counter.clicks, 1);
        QCOMPARE(lambdaClicks, 1);
    }

    // The picture fills its label at every display size; a missing file leaves it empty.
    void pictureIsDrawnAtTheLabelsSize_data() { addDisplays(); }
    void pictureIsDrawnAtTheLabelsSize()
    {
        QFETCH(QSize, display);
        Twips::setDisplay(display);
        QWidget parent;
        QLabel *picture = makePicture(&parent, QStringLiteral("Image2"), {9480, 6000, 2055, 1500},
                                      QStringLiteral(":/pictures/results-back.svg"));
        QCOMPARE(picture->size(), Twips::size(2055, 1500));
        QCOMPARE(picture->pixmap().size(), picture->size());
        QVERIFY(opaquePixels(picture->pixmap()) > picture->width() * picture->height() / 20);
        QLabel *missing = makePicture(&parent, QStringLiteral("none"), {0, 0, 600, 600}, QStringLiteral(":/pictures/none.svg"));
        QCOMPARE(opaquePixels(missing->pixmap()), 0);
    }

private:
    QTemporaryDir cache_;
};

QTEST_MAIN(TestBuilders)
#include "tst_builders.moc"
