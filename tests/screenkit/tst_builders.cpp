#include "screenkit/builders.h"
#include "screenkit/clicklabel.h"
#include "screenkit/palette.h"
#include "platform/twips.h"
#include "platform/typescale.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
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

    // The look is made for the display in use: the corners grow with it.
    void filledLookFollowsTheDisplay_data() { addDisplays(); }
    void filledLookFollowsTheDisplay()
    {
        QFETCH(QSize, display);
        Twips::setDisplay(display);
        const ButtonLook look = filledLook(palette::exit, 8.5, QColor(122, 132, 144), 120);
        QVERIFY(look.style.contains(QStringLiteral("border-radius: %1px;").arg(Twips::px(120))));
        QVERIFY(look.style.contains(QStringLiteral(":disabled { background: #7a8490;")));
        QCOMPARE(look.points, 8.5);
        QVERIFY(look.pointer);
    }

    void buttonTakesItsLookAndPlace()
    {
        QWidget parent;
        ButtonLook look = filledLook(palette::archive, 8.25, QColor(96, 96, 96));
        look.pointer = false;
        QPushButton *button = makeButton(&parent, QStringLiteral("csvButton"), QStringLiteral("Esporta"), {4300, 7950, 2900, 420}, look);
        QCOMPARE(button->parentWidget(), &parent);
        QCOMPARE(button->geometry(), Twips::rect(4300, 7950, 2900, 420));
        QCOMPARE(button->font().pixelSize(), Twips::fontPixels(8.25));
        QVERIFY(button->font().bold());
        QCOMPARE(button->styleSheet(), look.style);
        QVERIFY(!button->testAttribute(Qt::WA_SetCursor));

        QPushButton *pointing = makeButton(&parent, QStringLiteral("other"), QStringLiteral("Altro"), {0, 0, 900, 420}, filledLook(Qt::blue));
        QCOMPARE(pointing->cursor().shape(), Qt::PointingHandCursor);
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

    // Unless asked, a label keeps Qt's alignment and does not wrap; its kind is kept,
    // for the screen fits the type of plain and clickable labels only.
    void labelsKeepTheirKindAndAlignment()
    {
        QWidget parent;
        QLabel *plain = makeLabel(&parent, QStringLiteral("Label1"), QStringLiteral("Questionari"), {240, 495, 1095, 255}, Twips::font(8.25));
        QCOMPARE(plain->alignment(), QLabel().alignment());
        QVERIFY(!plain->wordWrap());
        auto *clickable = makeLabel<ClickLabel>(&parent, QStringLiteral("Labtorna"), QStringLiteral("TORNA"), {9480, 6000, 2055, 1455},
                                                Twips::font(12, true, QStringLiteral("Arial")), Qt::AlignHCenter | Qt::AlignTop);
        QCOMPARE(clickable->metaObject(), &ClickLabel::staticMetaObject);
        QCOMPARE(clickable->alignment(), Qt::AlignHCenter | Qt::AlignTop);
        QCOMPARE(clickable->font().family(), QStringLiteral("Arial"));
        QLabel *unnamed = makeLabel(&parent, QString(), QStringLiteral("/1000"), {0, 0, 700, 360}, Twips::font(9.5));
        QVERIFY(unnamed->objectName().isEmpty());
        QLabel *result = makeResultLabel(&parent, QStringLiteral("labrisult"), {3150, 120, 1420, 420}, 11, Qt::AlignRight | Qt::AlignVCenter);
        QVERIFY(result->font().bold());
        QCOMPARE(result->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    }

    // The picture fills its label at every display size; a missing file leaves it empty.
    void pictureIsDrawnAtTheLabelsSize_data() { addDisplays(); }
    void pictureIsDrawnAtTheLabelsSize()
    {
        QFETCH(QSize, display);
        Twips::setDisplay(display);
        QWidget parent;
        QLabel *picture = makePicture(&parent, QStringLiteral("Image2"), {9480, 6000, 2055, 1500}, QStringLiteral(":/pictures/results-back.svg"));
        QCOMPARE(picture->size(), Twips::size(2055, 1500));
        QCOMPARE(picture->pixmap().size(), picture->size());
        QVERIFY(opaquePixels(picture->pixmap()) > picture->width() * picture->height() / 20);
        QLabel *missing = makePicture(&parent, QStringLiteral("none"), {0, 0, 600, 600}, QStringLiteral(":/pictures/none.svg"));
        QCOMPARE(opaquePixels(missing->pixmap()), 0);
    }

    void panelsAndFrames()
    {
        QWidget parent;
        QGroupBox *panel = makePanel(&parent, QStringLiteral("Frame1"), QStringLiteral("Primo esercizio"), {200, 960, 4140, 4800},
                                     QColor(251, 248, 241), QColor(122, 62, 16));
        QCOMPARE(panel->title(), QStringLiteral("Primo esercizio"));
        // Keyed to its own name, so that a panel inside it keeps its own look.
        QVERIFY(panel->styleSheet().startsWith(QStringLiteral("QGroupBox#Frame1 {")));
        QVERIFY(panel->styleSheet().contains(QStringLiteral("color: #7a3e10;")));
        QFrame *frame = makeFrame(&parent, QStringLiteral("Shape1"), {9300, 720, 2415, 4815});
        QVERIFY(frame->styleSheet().isEmpty());
        QCOMPARE(frame->geometry(), Twips::rect(9300, 720, 2415, 4815));
    }

    // Text and ground go to every role a label, a box or a frame paints with.
    void coloursReachEveryRole()
    {
        QLineEdit box;
        setColours(&box, palette::dark::text, palette::dark::field);
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
            QCOMPARE(box.palette().color(role), palette::dark::text);
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base})
            QCOMPARE(box.palette().color(role), palette::dark::field);
        QVERIFY(box.autoFillBackground());

        QLabel label;
        setTextColour(&label, palette::dark::title);
        QCOMPARE(label.palette().color(QPalette::WindowText), palette::dark::title);
        QVERIFY(!label.autoFillBackground());
    }
};

QTEST_MAIN(TestBuilders)
#include "tst_builders.moc"
