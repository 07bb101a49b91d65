#include "ownfiles.h"
#include "rtf/rtfreader.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextList>
#include <QTextTable>

#include <memory>

using namespace censaria;

namespace {

QByteArray fixture(const QString &name)
{
    return contentOf(QStringLiteral(RTF_FIXTURES "/") + name);
}

std::unique_ptr<QTextDocument> read(const QByteArray &rtf)
{
    auto document = std::make_unique<QTextDocument>();
    RtfReader::read(rtf, document.get());
    return document;
}

// The format of the last character of the first occurrence of text.
QTextCharFormat formatOf(const QTextDocument &document, const QString &text, QTextDocument::FindFlags flags = {})
{
    const QTextCursor found = document.find(text, 0, flags | QTextDocument::FindCaseSensitively);
    return found.isNull() ? QTextCharFormat() : found.charFormat();
}

// The text of every block, line breaks kept as U+2028 (toPlainText turns them into newlines).
QString textOf(const QTextDocument &document)
{
    QStringList blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        blocks.append(block.text());
    return blocks.join(u'\n');
}

QTextBlockFormat blockFormatOf(const QTextDocument &document, const QString &text)
{
    return document.find(text, 0, QTextDocument::FindCaseSensitively).blockFormat();
}

// Lays the document out and paints it, as the lesson screen will.
QImage render(QTextDocument &document, int width = 600)
{
    document.setTextWidth(width);
    const QSizeF size = document.documentLayout()->documentSize();
    QImage image(width, std::clamp(int(size.height()) + 1, 1, 4000), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    document.drawContents(&painter);
    return image;
}

bool containsColour(const QImage &image, QColor colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

QList<QTextTable *> tablesOf(const QTextDocument &document)
{
    QList<QTextTable *> tables;
    for (QTextFrame *frame : document.rootFrame()->childFrames())
        if (auto *table = qobject_cast<QTextTable *>(frame))
            tables.append(table);
    return tables;
}

QString cellText(QTextTable *table, int row, int column)
{
    QTextCursor cursor = table->cellAt(row, column).firstCursorPosition();
    cursor.setPosition(table->cellAt(row, column).lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

const QStringList libreOfficeFixtures{
    QStringLiteral("lo-formati.rtf"),  QStringLiteral("lo-tabella.rtf"), QStringLiteral("lo-elenchi.rtf"),
    QStringLiteral("lo-immagini.rtf"), QStringLiteral("lo-lezione.rtf"),
};

const QStringList allFixtures = libreOfficeFixtures
                                + QStringList{QStringLiteral("a-mano-escape.rtf"), QStringLiteral("a-mano-elenchi-tabelle.rtf")};

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT
private slots:
    void characterFormatsFontsAndColours()
    {
        const auto document = read(fixture(QStringLiteral("lo-formati.rtf")));
        const QTextDocument &doc = *document;
        QVERIFY(formatOf(doc, QStringLiteral("grassetto")).font().bold());
        QVERIFY(!formatOf(doc, QStringLiteral("Testo")).font().bold());
        QVERIFY(formatOf(doc, QStringLiteral("corsivo")).fontItalic());
        QVERIFY(formatOf(doc, QStringLiteral("sottolineato")).fontUnderline());
        QVERIFY(!formatOf(doc, QStringLiteral(" e barrato")).fontUnderline());
        QVERIFY(formatOf(doc, QStringLiteral("barrato")).fontStrikeOut());
        QCOMPARE(formatOf(doc, QStringLiteral("Testo")).fontPointSize(), 12.0);
        QCOMPARE(formatOf(doc, QStringLiteral("piccolo")).fontPointSize(), 8.0);
        QCOMPARE(formatOf(doc, QStringLiteral("grande")).fontPointSize(), 20.0);
        QCOMPARE(formatOf(doc, QStringLiteral("La popolazione")).fontPointSize(), 24.0);
        QVERIFY(formatOf(doc, QStringLiteral("La popolazione")).font().bold());
        QCOMPARE(formatOf(doc, QStringLiteral("Testo")).fontFamilies().toStringList(), QStringList{"DejaVu Serif"});
        QCOMPARE(formatOf(doc, QStringLiteral("senza grazie")).fontFamilies().toStringList(), QStringList{"DejaVu Sans"});
        QCOMPARE(formatOf(doc, QStringLiteral("a spaziatura fissa")).fontFamilies().toStringList(), QStringList{"DejaVu Sans Mono"});
        QCOMPARE(formatOf(doc, QStringLiteral("rosso")).foreground().color(), QColor(255, 0, 0));
        QCOMPARE(formatOf(doc, QStringLiteral("blu")).foreground().color(), QColor(0, 0, 255));
        QCOMPARE(formatOf(doc, QStringLiteral("evidenziato")).background().color(), QColor(255, 255, 0));
        QCOMPARE(formatOf(doc, QStringLiteral("Colori")).background().style(), Qt::NoBrush);
        QCOMPARE(formatOf(doc, QStringLiteral("H2")).verticalAlignment(), QTextCharFormat::AlignSubScript);
        QCOMPARE(formatOf(doc, QStringLiteral("103")).verticalAlignment(), QTextCharFormat::AlignSuperScript);
        QCOMPARE(formatOf(doc, QStringLiteral("O e")).verticalAlignment(), QTextCharFormat::AlignNormal);
    }

    void paragraphFormatsAndAccents()
    {
        const auto document = read(fixture(QStringLiteral("lo-formati.rtf")));
        const QTextDocument &doc = *document;
        QCOMPARE(blockFormatOf(doc, QStringLiteral("A sinistra.")).alignment(), Qt::Alignment(Qt::AlignLeft));
        QCOMPARE(blockFormatOf(doc, QStringLiteral("Al centro.")).alignment(), Qt::Alignment(Qt::AlignHCenter));
        QCOMPARE(blockFormatOf(doc, QStringLiteral("A destra.")).alignment(), Qt::Alignment(Qt::AlignRight));
        QCOMPARE(blockFormatOf(doc, QStringLiteral("Giustificato")).alignment(), Qt::Alignment(Qt::AlignJustify));
        // 1440 twips are one inch, 96 pixels.
        const QTextBlockFormat indented = blockFormatOf(doc, QStringLiteral("Rientri"));
        QCOMPARE(indented.leftMargin(), 96.0);
        QCOMPARE(indented.rightMargin(), 48.0);
        QCOMPARE(indented.textIndent(), 24.0);
        const QTextBlockFormat spaced = blockFormatOf(doc, QStringLiteral("Spaziatura"));
        QCOMPARE(spaced.topMargin(), 16.0);
        QCOMPARE(spaced.bottomMargin(), 8.0);
        QCOMPARE(doc.find(QStringLiteral("Spaziatura:")).block().text(), QStringLiteral("Spaziatura: dodici punti prima e sei dopo."));
        QVERIFY(textOf(doc).contains(QStringLiteral("\nPrima riga\u2028seconda riga dopo un a capo.\n")));
        const QString text = doc.toPlainText();
        QVERIFY(text.contains(QStringLiteral("Accenti: à è ì ò ù, perché, città, È già più così;")));
        QVERIFY(text.contains(QStringLiteral("virgolette “tipografiche” e l’apostrofo; euro €.")));
        QVERIFY(!text.contains(u'?'));
    }

    void shadedParagraphs()
    {
        // The lessons' boxes of figures: paragraphs shaded with \cbpat, as LibreOffice writes
        // them, with the paragraph border that is not drawn; \pard ends the shading.
        const auto document = read(
            QByteArrayLiteral("{\\rtf1\\ansi{\\colortbl;\\red0\\green0\\blue0;\\red228\\green238\\blue249;}"
                              "\\pard Prima.\\par "
                              "\\pard\\plain\\sa140\\cbpat2\\box\\brdrs\\brdrw20\\brdrcf1\\brsp80 {\\b Oggi.} Nel 2024.\\par "
                              "\\pard\\plain\\cbpat2{\\i Fonte: ISTAT, 2025.}\\par "
                              "\\pard Dopo.\\par }"));
        const QTextDocument &doc = *document;
        QCOMPARE(textOf(doc), QStringLiteral("Prima.\nOggi. Nel 2024.\nFonte: ISTAT, 2025.\nDopo.\n"));
        QCOMPARE(blockFormatOf(doc, QStringLiteral("Prima.")).background().style(), Qt::NoBrush);
        QCOMPARE(blockFormatOf(doc, QStringLiteral("Nel 2024")).background().color(), QColor(228, 238, 249));
        QCOMPARE(blockFormatOf(doc, QStringLiteral("Fonte")).background().color(), QColor(228, 238, 249));
        QCOMPARE(blockFormatOf(doc, QStringLiteral("Dopo.")).background().style(), Qt::NoBrush);
    }

    void escapesCodePagesAndColours()
    {
        const auto document = read(fixture(QStringLiteral("a-mano-escape.rtf")));
        const QString text = textOf(*document);
        QVERIFY2(text.contains(QStringLiteral("Accenti: à è ì ò ù perché, € e l’apostrofo.")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Unicode: € euro, àa, éy, 😊 e “virgolette”.")));
        QVERIFY(text.contains(QStringLiteral("Simboli:\u00A0uno\u00ADdue\u2011tre {graffe} \\barra\ttab\u2028riga — fine.")));
        QVERIFY(text.contains(QStringLiteral("Codici: šč Да.")));
        QVERIFY(text.contains(QStringLiteral("Binario: AB e C.")));
        QVERIFY(text.contains(QStringLiteral("Nascosto: visibile.")));
        const QTextDocument &doc = *document;
        QCOMPARE(formatOf(doc, QStringLiteral("evidenziato")).background().color(), QColor(255, 255, 0));
        QCOMPARE(formatOf(doc, QStringLiteral("sfondo")).background().color(), QColor(0, 128, 0));
        QCOMPARE(formatOf(doc, QStringLiteral("verde")).foreground().color(), QColor(0, 128, 0));
        QCOMPARE(formatOf(doc, QStringLiteral("automatico")).foreground().style(), Qt::NoBrush);
        const auto word = QTextDocument::FindWholeWords;
        QCOMPARE(formatOf(doc, QStringLiteral("x2"), word).verticalAlignment(), QTextCharFormat::AlignSuperScript);
        QCOMPARE(formatOf(doc, QStringLiteral("ai"), word).verticalAlignment(), QTextCharFormat::AlignSubScript);
        QCOMPARE(formatOf(doc, QStringLiteral("su"), word).verticalAlignment(), QTextCharFormat::AlignSuperScript);
        QCOMPARE(formatOf(doc, QStringLiteral("giu"), word).verticalAlignment(), QTextCharFormat::AlignSubScript);
        QCOMPARE(formatOf(doc, QStringLiteral("Indici"), word).verticalAlignment(), QTextCharFormat::AlignNormal);
    }

    void skippedDestinationsLeaveNoText()
    {
        for (const QString &name : allFixtures) {
            QVERIFY2(fixture(name).startsWith("{\\rtf"), qPrintable(name));
            const QString text = read(fixture(name))->toPlainText();
            for (const char *leak : {"Times New Roman", "DejaVu", "Symbol", "Heading", "Text Body", "Normal;", "Formati", "LibreOffice",
                                     "Default Page Style", "wzName", "wzDescription", "Scritto a mano", "Non si vede", "segreto"})
                QVERIFY2(!text.contains(QLatin1String(leak)), qPrintable(name + QStringLiteral(": ") + QLatin1String(leak)));
        }
        QVERIFY(read(fixture(QStringLiteral("lo-formati.rtf")))->toPlainText().startsWith(QStringLiteral("La popolazione\n")));
    }

    void pictures()
    {
        const auto document = read(fixture(QStringLiteral("lo-immagini.rtf")));
        QList<QTextImageFormat> images;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
                if (fragment.fragment().charFormat().isImageFormat())
                    images.append(fragment.fragment().charFormat().toImageFormat());
        QCOMPARE(images.size(), 2); // the metafile copies are not shown twice
        // The PNG: 1799 x 1200 twips; the JPEG: 1350 x 900 twips shown at 200 %.
        QCOMPARE(QSizeF(images[0].width(), images[0].height()).toSize(), QSize(120, 80));
        QCOMPARE(QSizeF(images[1].width(), images[1].height()).toSize(), QSize(180, 120));
        const QImage png = document->resource(QTextDocument::ImageResource, QUrl(images[0].name())).value<QImage>();
        const QImage jpeg = document->resource(QTextDocument::ImageResource, QUrl(images[1].name())).value<QImage>();
        QCOMPARE(png.size(), QSize(120, 80));
        QCOMPARE(jpeg.size(), QSize(90, 60));
        QVERIFY(containsColour(render(*document), QColor(40, 110, 200))); // the circle is drawn
    }

    void binaryPicture()
    {
        QImage source(30, 20, QImage::Format_RGB32);
        source.fill(QColor(10, 200, 30));
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        source.save(&buffer, "PNG");
        const QByteArray rtf = "{\\rtf1 Prima {\\pict\\pngblip\\picwgoal600\\pichgoal300\\bin" + QByteArray::number(png.size()) + ' ' + png
                               + "} dopo.}";
        const auto document = read(rtf);
        const QTextImageFormat image = document->find(QString(QChar::ObjectReplacementCharacter)).charFormat().toImageFormat();
        QCOMPARE(QSizeF(image.width(), image.height()), QSizeF(40, 20));
        QCOMPARE(document->resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>().size(), QSize(30, 20));
        QCOMPARE(document->toPlainText(), QStringLiteral("Prima \uFFFC dopo."));
        // Pictures that cannot be read are left out.
        QCOMPARE(read("{\\rtf1 a{\\pict\\pngblip 89504e47deadbeef}b{\\pict\\wmetafile8 0100090000}c}")->toPlainText(), QStringLiteral("abc"));
    }

    void tableFromLibreOffice()
    {
        const auto document = read(fixture(QStringLiteral("lo-tabella.rtf")));
        const auto tables = tablesOf(*document);
        QCOMPARE(tables.size(), 1);
        QTextTable *table = tables.front();
        QCOMPARE(QSize(table->columns(), table->rows()), QSize(3, 3));
        const QStringList expected{"Anno", "Abitanti", "Densità", "1861", "22 milioni", "73", "2001", "57 milioni", "189"};
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(cellText(table, i / 3, i % 3), expected[i]);
        QVERIFY(formatOf(*document, QStringLiteral("Anno")).font().bold());
        QVERIFY(!formatOf(*document, QStringLiteral("1861")).font().bold());
        QCOMPARE(blockFormatOf(*document, QStringLiteral("Anno")).alignment(), Qt::Alignment(Qt::AlignHCenter));
        QVERIFY(document->find(QStringLiteral("Prima della tabella.")).currentTable() == nullptr);
        QVERIFY(document->find(QStringLiteral("Dopo la tabella.")).currentTable() == nullptr);
        QCOMPARE(table->format().border(), 1.0);
        // Wider than the page: the table takes the whole line.
        QCOMPARE(table->format().width(), QTextLength(QTextLength::PercentageLength, 100));
    }

    void handWrittenTableAndListsWithoutAListTable()
    {
        const auto document = read(fixture(QStringLiteral("a-mano-elenchi-tabelle.rtf")));
        const auto tables = tablesOf(*document);
        QCOMPARE(tables.size(), 1);
        QTextTable *table = tables.front();
        QCOMPARE(QSize(table->columns(), table->rows()), QSize(3, 2));
        QCOMPARE(cellText(table, 0, 1), QStringLiteral("b1"));
        QCOMPARE(cellText(table, 0, 2), QString());
        QCOMPARE(cellText(table, 1, 2), QStringLiteral("c2"));
        QCOMPARE(table->format().border(), 0.0); // no borders were asked for
        // The first row's 4000 twips of the default page's 8640-twip line.
        QVERIFY(qAbs(table->format().width().rawValue() - 4000 * 100.0 / 8640) < 0.01);
        QVERIFY(document->find(QStringLiteral("Dopo.")).currentTable() == nullptr);

        // Its lists are written without a list table.
        const QTextDocument &doc = *document;
        QTextList *oldStyle = doc.find(QStringLiteral("primo")).currentList();
        QVERIFY(oldStyle);
        QCOMPARE(oldStyle->format().style(), QTextListFormat::ListDisc);
        QCOMPARE(oldStyle->count(), 2);
        QCOMPARE(doc.find(QStringLiteral("secondo")).block().text(), QStringLiteral("secondo"));
        QTextList *numbered = doc.find(QStringLiteral("uno")).currentList();
        QVERIFY(numbered);
        QCOMPARE(numbered->format().style(), QTextListFormat::ListDecimal);
        QCOMPARE(numbered->count(), 2);
        QVERIFY(!doc.find(QStringLiteral("Tabella scritta a mano:")).currentList());
    }

    void listsFromLibreOffice()
    {
        const auto document = read(fixture(QStringLiteral("lo-elenchi.rtf")));
        const QTextDocument &doc = *document;
        QTextList *bullets = doc.find(QStringLiteral("famiglie tradizionali")).currentList();
        QVERIFY(bullets);
        QCOMPARE(bullets->format().style(), QTextListFormat::ListDisc);
        QCOMPARE(bullets->count(), 3);
        QCOMPARE(doc.find(QStringLiteral("post-industriale")).currentList(), bullets);
        QTextList *numbers = doc.find(QStringLiteral("naturale")).currentList();
        QVERIFY(numbers);
        QCOMPARE(numbers->format().style(), QTextListFormat::ListDecimal);
        QCOMPARE(numbers->count(), 3);
        QCOMPARE(numbers->itemText(doc.find(QStringLiteral("totale")).block()), QStringLiteral("3."));
        QVERIFY(!doc.find(QStringLiteral("I saldi:")).currentList());
        QVERIFY(!doc.find(QStringLiteral("Fine.")).currentList());
        // The markers the writer spelled out are drawn by the lists, not repeated as text.
        QCOMPARE(doc.find(QStringLiteral("naturale")).block().text(), QStringLiteral("naturale"));
        QVERIFY(!doc.toPlainText().contains(u'•'));
    }

    void oldStyleNumberingRestartsAfterOtherParagraphs()
    {
        const auto document = read("{\\rtf1{\\*\\pn\\pnlvlbody\\pndec}uno\\par due\\par\\pard fra\\par"
                                   "{\\*\\pn\\pnlvlbody\\pndec}tre\\par}");
        const QTextDocument &doc = *document;
        QTextList *first = doc.find(QStringLiteral("uno")).currentList();
        QVERIFY(first);
        QCOMPARE(first->count(), 2);
        QVERIFY(!doc.find(QStringLiteral("fra")).currentList());
        QTextList *second = doc.find(QStringLiteral("tre")).currentList();
        QVERIFY(second && second != first);
        QCOMPARE(second->itemText(doc.find(QStringLiteral("tre")).block()), QStringLiteral("1."));
    }

    void lastParagraphWithoutParAndFields()
    {
        auto document = read("{\\rtf1\\pard\\qc\\li720 centrato{\\*\\pn\\pnlvlblt}}");
        QCOMPARE(document->firstBlock().blockFormat().alignment(), Qt::Alignment(Qt::AlignHCenter));
        QCOMPARE(document->firstBlock().blockFormat().leftMargin(), 48.0);
        QVERIFY(document->firstBlock().textList());
        // A field shows its result.
        document = read("{\\rtf1 Vedi {\\field{\\*\\fldinst HYPERLINK \"https://www.istat.it\"}{\\fldrslt {\\ul l'Istat}}}.}");
        QCOMPARE(document->toPlainText(), QStringLiteral("Vedi l'Istat."));
        QVERIFY(formatOf(*document, QStringLiteral("Istat")).fontUnderline());
    }

    void notRtf()
    {
        QTextDocument document;
        document.setPlainText(QStringLiteral("prima"));
        QVERIFY(!RtfReader::read(QByteArray(), &document));
        QVERIFY(!RtfReader::read("Testo semplice", &document));
        QVERIFY(!RtfReader::read("\xEF\xBB\xBFTesto semplice", &document));
        QCOMPARE(document.toPlainText(), QStringLiteral("prima"));
        QString error;
        QVERIFY(!RtfReader::readFile(QStringLiteral("/nonexistent/a-storia1.rtf"), &document, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(RtfReader::readFile(QStringLiteral(RTF_FIXTURES "/lo-elenchi.rtf"), &document, &error));
        QVERIFY(document.toPlainText().startsWith(QStringLiteral("I tre periodi:")));
        QVERIFY(RtfReader::read("\xEF\xBB\xBF {\\rtf1 Con il segno d'ordine.}", &document));
        QCOMPARE(document.toPlainText(), QStringLiteral("Con il segno d'ordine."));
    }

    void malformedInputShowsWhatCouldBeRead_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("unclosed groups") << QByteArray("{\\rtf1 a{\\b b{\\i c") << QStringLiteral("abc");
        QTest::newRow("text after the end") << QByteArray("{\\rtf1 a}} b}") << QStringLiteral("a");
        QTest::newRow("stray closing brace") << QByteArray("{\\rtf1 a{b}}c}") << QStringLiteral("ab");
        QTest::newRow("huge numbers") << QByteArray("{\\rtf1\\fs99999999999999999999 \\li-99999999999\\sb99999999999 "
                                                    "\\cellx99999999999\\f-99999999999 a\\u99999999999 b\\uc99999999999 c}")
                                      << QStringLiteral("ac"); // the b is the fallback of the \u
        QTest::newRow("bin past the end") << QByteArray("{\\rtf1 a\\bin999999 xyz") << QStringLiteral("a");
        QTest::newRow("negative bin") << QByteArray("{\\rtf1 a\\bin-5 b}") << QStringLiteral("ab");
        QTest::newRow("bad hex") << QByteArray("{\\rtf1 a\\'zz\\'4") << QStringLiteral("azz");
        QTest::newRow("trailing backslash") << QByteArray("{\\rtf1 a\\") << QStringLiteral("a");
        QTest::newRow("document markers") << QByteArray("{\\rtf1 a\\u64976?\\u65532?\\u8233?b\\'00c}") << QStringLiteral("a\u2028bc");
        QTest::newRow("cells outside a table") << QByteArray("{\\rtf1 a\\cell b\\row c}") << QStringLiteral("a\tbc");
        QTest::newRow("empty font and colour tables")
            << QByteArray("{\\rtf1{\\fonttbl}{\\colortbl}\\f3\\cf9\\highlight4 a}") << QStringLiteral("a");
    }

    void malformedInputShowsWhatCouldBeRead()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        const auto document = read(rtf);
        render(*document);
        QCOMPARE(textOf(*document), text);
    }

    void deepNesting()
    {
        const int depth = 200000;
        const QByteArray rtf = "{\\rtf1 a" + QByteArray(depth, '{') + "\\b b" + QByteArray(depth, '}') + "c}";
        const auto document = read(rtf);
        QCOMPARE(document->toPlainText(), QStringLiteral("abc"));
        QVERIFY(!formatOf(*document, QStringLiteral("c")).font().bold());
    }

    // Whatever the damage, cut short or bytes flipped, reading ends, and the document can be
    // laid out and painted.
    void damagedFixtures()
    {
        QRandomGenerator random(20261206);
        for (const QString &name : allFixtures) {
            const QByteArray original = fixture(name);
            for (int length = 0; length < original.size(); length += std::max<int>(1, original.size() / 400))
                render(*read(original.left(length)), 300);
            for (int round = 0; round < 60; ++round) {
                QByteArray rtf = original;
                for (int flip = 0; flip < 10; ++flip) {
                    const int at = random.bounded(int(rtf.size()));
                    const char replacements[] = {'{', '}', '\\', '\'', '0', '9', '-', ' ', char(random.bounded(256))};
                    rtf[at] = replacements[random.bounded(int(sizeof replacements))];
                }
                render(*read(rtf), 300);
            }
        }
    }

    // A lesson as the lesson screen shows it: headings, bold key words, a list and a table.
    void lessonSizedFile()
    {
        const QByteArray rtf = fixture(QStringLiteral("lo-lezione.rtf"));
        QTextDocument document;
        QVERIFY(RtfReader::read(rtf, &document));

        // Every word of the source's body, bullets and numbers drawn by the lists aside.
        QCOMPARE(document.toPlainText().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size(), 967);
        QVERIFY(formatOf(document, QStringLiteral("La densità di popolazione")).font().bold());
        QVERIFY(formatOf(document, QStringLiteral("densità di popolazione"), QTextDocument::FindWholeWords).font().bold());
        QVERIFY(!formatOf(document, QStringLiteral("Quando diciamo")).font().bold());
        const QTextCursor item = document.find(QStringLiteral("È una media"));
        QCOMPARE(item.currentList()->count(), 4);
        // Markers take the size of the item's text, not of the heading before the list.
        const QTextBlock firstItem = item.currentList()->item(0);
        QCOMPARE(firstItem.charFormat().fontPointSize(), 12.0);
        QVERIFY(!firstItem.charFormat().font().bold());
        QCOMPARE(tablesOf(document).size(), 1);
        QCOMPARE(tablesOf(document).front()->rows(), 3);
        // In a view as narrow as the lesson's, no word of the table is broken.
        render(document, 361);
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            if (!QTextCursor(block).currentTable())
                continue;
            for (int line = 1; line < block.layout()->lineCount(); ++line) {
                const int start = block.layout()->lineAt(line).textStart();
                QVERIFY2(!block.text().at(start - 1).isLetterOrNumber(), qPrintable(block.text()));
            }
        }
    }
};

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
