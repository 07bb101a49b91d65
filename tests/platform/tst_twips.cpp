// A rich text read at 96 dots per inch, shown on a classroom display: type, indents,
// pictures and tables all take the display's scale, and nothing else is touched.
#include "rtf/rtfreader.h"
#include "platform/twips.h"

#include <QBuffer>
#include <QImage>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

using namespace censaria;

namespace {

// Twelve-point type indented by half an inch, a list, a picture of 1 x 0.5 inches and a table.
QByteArray lesson()
{
    QImage dot(2, 1, QImage::Format_RGB32);
    dot.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    dot.save(&buffer, "PNG");
    return "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}"
           "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc23{\\leveltext\\'01\\u8226 ?;}}\\listid1}}"
           "{\\*\\listoverridetable{\\listoverride\\listid1\\ls1}}"
           "\\pard\\li720\\sb120\\f0\\fs24 Testo\\par"
           "\\pard\\ls1\\li720\\fs24 Voce\\par"
           "{\\pict\\pngblip\\picwgoal1440\\pichgoal720 "
           + png.toHex()
           + "}\\par"
             "\\trowd\\trgaph60\\cellx2880\\cellx5760\\intbl\\fs24 A\\cell B\\cell\\row}";
}

} // namespace

class TestTwips : public QObject
{
    Q_OBJECT

private slots:
    void lessonTextTakesTheDisplayScale_data()
    {
        QTest::addColumn<QSize>("display");
        QTest::newRow("1024x768") << QSize(1024, 768);
        QTest::newRow("3840x2160") << QSize(3840, 2160);
    }

    void lessonTextTakesTheDisplayScale()
    {
        QFETCH(QSize, display);
        Twips::setDisplay(display);
        const double k = Twips::styleScale();
        QTextDocument document;
        QVERIFY(RtfReader::read(lesson(), &document));
        const QTextBlock first = document.begin();
        const qreal indent = first.blockFormat().leftMargin();
        const qreal spaceBefore = first.blockFormat().topMargin();
        QTextTable *table = nullptr;
        for (QTextFrame *frame : document.rootFrame()->childFrames())
            table = table ? table : qobject_cast<QTextTable *>(frame);
        QVERIFY(table);
        const qreal padding = table->format().cellPadding();

        Twips::scaleDocument(&document);

        // Twelve points are 240 twips of type, whatever the density of the display.
        const QTextCharFormat text = QTextCursor(first).charFormat();
        QCOMPARE(text.property(QTextFormat::FontPixelSize).toInt(), Twips::fontPixels(12));
        QVERIFY(!text.hasProperty(QTextFormat::FontPointSize));
        QCOMPARE(first.blockFormat().leftMargin(), indent * k);
        QCOMPARE(first.blockFormat().topMargin(), spaceBefore * k);
        QCOMPARE(table->format().cellPadding(), padding * k);

        // The bullet takes its size from the paragraph's own type.
        const QTextBlock item = first.next();
        QVERIFY(item.textList());
        QCOMPARE(item.charFormat().property(QTextFormat::FontPixelSize).toInt(), Twips::fontPixels(12));

        const QTextImageFormat picture = document.find(QString(QChar::ObjectReplacementCharacter)).charFormat().toImageFormat();
        QVERIFY(picture.isValid());
        QCOMPARE(picture.width(), 96 * k);
        QCOMPARE(picture.height(), 48 * k);
    }
};

QTEST_MAIN(TestTwips)
#include "tst_twips.moc"
