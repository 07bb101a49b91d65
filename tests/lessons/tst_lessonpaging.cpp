#include "lessons/lessoncatalogue.h"
#include "lessons/lessoncontent.h"
#include "lessons/lessonpaging.h"
#include "ownfiles.h"

#include <QSet>
#include <QTemporaryDir>
#include <QDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace censaria;

class TestLessonPaging : public QObject
{
    Q_OBJECT

private slots:
    // Every page once in the catalogue, eleven of them in sequence, and each reachable from the menu bar.
    void catalogueAndMenuBarHaveEveryPage()
    {
        const QSet<QString> pages{"Storia1",   "Storia2",  "Storia3",  "Storia4", "Statistica1", "Statistica2",  "Piramidi1",
                                  "Piramidi2", "Densità1", "Densità2", "Italia",  "Montenovo",   "PiramidiMondo"};
        QSet<QString> keys, reached;
        QSet<int> numbers;
        for (const LessonTopic &topic : lessonTopics()) {
            keys.insert(topic.key);
            if (topic.inSequence())
                numbers.insert(topic.pagina);
        }
        for (const LessonMenu &menu : lessonMenus()) {
            if (menu.entries.isEmpty())
                reached.insert(menu.page);
            for (const LessonMenuEntry &entry : menu.entries)
                reached.insert(entry.page);
        }
        QCOMPARE(keys, pages);
        QCOMPARE(reached, pages);
        QCOMPARE(numbers, (QSet<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
        QCOMPARE(lessonPageCount(), 11);
        QCOMPARE(lessonTopic(QStringLiteral("Montenovo"))->pagina, 0);
        QVERIFY(lessonTopic(QStringLiteral("densità1")) == nullptr); // keys compare exactly
    }

    void pagingFollowsThePageNumber_data()
    {
        QTest::addColumn<int>("pagina");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("previous");
        const struct
        {
            int pagina;
            const char *next, *previous;
        } rows[] = {
            {0, "Storia1", ""},
            {1, "Storia2", ""},
            {2, "Storia3", "Storia1"},
            {4, "Statistica1", "Storia3"},
            {6, "Densità1", "Statistica1"},
            {8, "Piramidi1", "Densità1"},
            {10, "Italia", "Piramidi1"},
            {11, "", "Piramidi2"},
            {12, "", "Italia"},
            {13, "", ""},
        };
        for (const auto &row : rows)
            QTest::addRow("%d", row.pagina) << row.pagina << QString::fromUtf8(row.next) << QString::fromUtf8(row.previous);
    }
    void pagingFollowsThePageNumber()
    {
        QFETCH(int, pagina);
        QFETCH(QString, next);
        QFETCH(QString, previous);
        LessonPaging paging;
        paging.setPagina(pagina);
        QCOMPARE(paging.avanti(), next);
        QCOMPARE(paging.avantiEnabled(), !next.isEmpty());
        QCOMPARE(paging.indietro(), previous);
        QCOMPARE(paging.indietroEnabled(), pagina > 1);
    }

    void eachClickEnablesTheOtherButton()
    {
        LessonPaging paging;
        paging.setPagina(1);
        paging.indietro();
        QVERIFY(!paging.indietroEnabled());
        paging.setPagina(7); // a page opened from elsewhere keeps the states
        QVERIFY(!paging.indietroEnabled());
        paging.setPagina(11);
        paging.avanti();
        QVERIFY(!paging.avantiEnabled());
        QVERIFY(paging.indietroEnabled());
        paging.indietro();
        QVERIFY(paging.avantiEnabled());
    }

    void indentAddsToEachParagraph()
    {
        QTextDocument document;
        document.setPlainText(QStringLiteral("uno\ndue\ntre"));
        QTextBlockFormat quoted;
        quoted.setLeftMargin(20);
        QTextCursor(document.findBlockByNumber(1)).setBlockFormat(quoted);
        indentParagraphs(&document, 7);
        QCOMPARE(document.findBlockByNumber(0).blockFormat().leftMargin(), 7.0);
        QCOMPARE(document.findBlockByNumber(1).blockFormat().leftMargin(), 27.0);
        QCOMPARE(document.findBlockByNumber(2).blockFormat().leftMargin(), 7.0);
    }

    // Decoded straight to the size of the picture's box, its shape kept, smaller or larger.
    void aPictureIsFittedToItsBox()
    {
        const QString path = QDir(QStringLiteral(CENSARIA_SOURCE_DATA)).filePath(QStringLiteral("aula.jpg"));
        const QImage whole = loadLessonPicture(path).image;
        QVERIFY(!whole.isNull());
        const auto shape = [](const QImage &image) { return double(image.width()) / image.height(); };
        for (const QSize &box : {QSize(583, 606), QSize(300, 900), QSize(2400, 1800)}) {
            const QImage fitted = loadLessonPicture(path, box).image;
            QVERIFY(fitted.width() <= box.width() && fitted.height() <= box.height());
            QVERIFY(fitted.width() == box.width() || fitted.height() == box.height());
            QVERIFY2(qAbs(shape(fitted) / shape(whole) - 1) < 0.01,
                     qPrintable(QStringLiteral("%1x%2").arg(fitted.width()).arg(fitted.height())));
        }
    }

    void missingOrUnreadableFilesGiveANote()
    {
        QTemporaryDir folder;
        QTextDocument document;
        QVERIFY(!loadLessonText(folder.filePath(QStringLiteral("a-densità1.rtf")), &document));
        QVERIFY(document.toPlainText().contains(QStringLiteral("Manca il file «a-densità1.rtf» nella cartella perCensaria")));

        QVERIFY(writeBytes(folder.filePath(QStringLiteral("a-italia.rtf")), "Questo non e' un file RTF"));
        QVERIFY(!loadLessonText(folder.filePath(QStringLiteral("a-italia.rtf")), &document));
        QVERIFY(document.toPlainText().contains(QStringLiteral("«a-italia.rtf»")));
        QVERIFY(document.toPlainText().contains(QStringLiteral("non si può leggere")));

        const LessonPicture absent = loadLessonPicture(folder.filePath(QStringLiteral("densità.jpg")));
        QVERIFY(absent.image.isNull());
        QVERIFY(absent.note.contains(QStringLiteral("manca il file «densità.jpg»")));

        QVERIFY(writeBytes(folder.filePath(QStringLiteral("aula.jpg")), "\xff\xd8\xff\xe0 troncato"));
        const LessonPicture unreadable = loadLessonPicture(folder.filePath(QStringLiteral("aula.jpg")));
        QVERIFY(unreadable.image.isNull());
        QVERIFY(unreadable.note.contains(QStringLiteral("non si può leggere")));
    }

    // Files damaged the way a failed copy or a bad medium leaves them: the start intact,
    // the rest cut off or overwritten. Whatever cannot be shown gets the note, never a blank.
    void damagedFilesGiveANote_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<qsizetype>("kept");
        QTest::addColumn<bool>("zeros"); // the rest overwritten with zeros, else cut off
        const QList<std::pair<const char *, QList<qsizetype>>> cases{{"a-storia1.rtf", {16, 120, 400}},
                                                                     {"a-densità2.rtf", {16, 120, 400}},
                                                                     {"aula.jpg", {200, 700}},
                                                                     {"densità.jpg", {200, 700}}};
        for (const auto &[file, sizes] : cases) {
            for (qsizetype kept : sizes) {
                QTest::addRow("%s, %lld bytes then zeros", file, qlonglong(kept)) << QString::fromUtf8(file) << kept << true;
                QTest::addRow("%s, cut after %lld bytes", file, qlonglong(kept)) << QString::fromUtf8(file) << kept << false;
            }
        }
    }
    void damagedFilesGiveANote()
    {
        QFETCH(QString, file);
        QFETCH(qsizetype, kept);
        QFETCH(bool, zeros);
        QByteArray content = contentOf(QDir(QStringLiteral(CENSARIA_SOURCE_DATA)).filePath(file));
        QVERIFY(content.size() > kept);
        content = zeros ? content.left(kept) + QByteArray(content.size() - kept, '\0') : content.left(kept);
        QTemporaryDir folder;
        const QString damaged = folder.filePath(file);
        QVERIFY(writeBytes(damaged, content));
        if (file.endsWith(QStringLiteral(".rtf"))) {
            QTextDocument document;
            if (loadLessonText(damaged, &document))
                QVERIFY2(!document.toPlainText().trimmed().isEmpty(), "shown blank, without a note");
            else
                QVERIFY(document.toPlainText().contains(QStringLiteral("non si può leggere")));
        } else {
            const LessonPicture picture = loadLessonPicture(damaged);
            QVERIFY2(!picture.image.isNull() || picture.note.contains(QStringLiteral("non si può leggere")), qPrintable(picture.note));
            if (!picture.image.isNull()) {
                // A picture of one colour only shows nothing of the picture.
                const QImage image = picture.image.convertToFormat(QImage::Format_RGB32);
                bool oneColour = true;
                for (int y = 0; y < image.height() && oneColour; y += 4)
                    for (int x = 0; x < image.width() && oneColour; x += 4)
                        oneColour = image.pixel(x, y) == image.pixel(0, 0);
                QVERIFY2(!oneColour, "shown blank, without a note");
            }
        }
    }
};

QTEST_MAIN(TestLessonPaging)
#include "tst_lessonpaging.moc"
