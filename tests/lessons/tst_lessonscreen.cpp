#include "screentest.h"
#include "lessons/lessoncatalogue.h"
#include "platform/twips.h"
#include "ownfiles.h"

#include <QBuffer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextEdit>

using namespace censaria;

namespace {

// A short lesson file that names its own page, so a test can tell which one is shown.
void writeLesson(const QString &programFolder, const LessonTopic &topic, const QByteArray &content = {})
{
    const QString path = QDir(programFolder).filePath(QStringLiteral("perCensaria/") + topic.lessonFile.section(u'\\', -1));
    QByteArray key; // RTF is written in the Windows code page, accents escaped
    for (const QChar c : topic.key)
        key += c.unicode() < 128 ? QByteArray(1, char(c.unicode())) : "\\'" + QByteArray::number(c.unicode(), 16);
    QVERIFY(writeBytes(path, content.isEmpty() ? "{\\rtf1\\ansi\\ansicpg1252 Lezione " + key + "\\par Seconda riga.}" : content));
}

} // namespace

class TestLessonScreen : public QObject
{
    Q_OBJECT

    QTemporaryDir folder_;
    std::unique_ptr<TestProgram> program_;

    Module &module() { return program_->module(); }
    template <typename T = QPushButton>
    T *control(const char *name)
    {
        return program_->control<T>(forms::lessons, QString::fromUtf8(name));
    }
    QString title() { return control<QLabel>("LabTITOLO")->text(); }
    QString text() { return control<QTextEdit>("RTBtesto")->toPlainText(); }
    QString dataFile(const QString &name) { return QDir(program_->programFolder()).filePath(QStringLiteral("perCensaria/") + name); }

    void open(const QString &page, bool menuHidden = false)
    {
        if (menuHidden)
            program_->screen(forms::menu)->hide();
        QVERIFY(module().navigation().showLessonPage(page));
        QCOMPARE(module().chiamante, page);
    }

private slots:
    void init()
    {
        QDir(folder_.path()).removeRecursively();
        TestProgram::makeProgramFolder(folder_.path());
        for (const LessonTopic &topic : lessonTopics())
            writeLesson(folder_.path(), topic);
        program_ = std::make_unique<TestProgram>(folder_.path());
        QVERIFY(program_->start());
    }
    void cleanup() { program_.reset(); }

    // A page shown again is not read again (the lesson screen must open as fast as any
    // other), yet it comes back at its top, and a lesson file replaced in the meantime or
    // type made larger on the menu is shown as it is now.
    void aPageShownAgainStartsAtTheTopAndShowsTheFileAsItIsNow()
    {
        writeLesson(folder_.path(), *lessonTopic(QStringLiteral("Storia1")),
                    "{\\rtf1\\ansi Lezione Storia1" + QByteArray(400, ' ').replace(" ", "\\par riga ") + "}");
        program_->click(forms::menu, QStringLiteral("Cmdstoria"));
        auto *box = control<QTextEdit>("RTBtesto");
        const QTextDocument *page = box->document();
        box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
        QVERIFY(box->verticalScrollBar()->value() > 0);
        box->moveCursor(QTextCursor::End);

        program_->click(forms::lessons, QStringLiteral("Cmdmenù"));
        program_->click(forms::menu, QStringLiteral("Cmdstoria"));
        QCOMPARE(box->document(), page);
        QCOMPARE(box->verticalScrollBar()->value(), 0);
        QCOMPARE(box->textCursor().position(), 0);

        writeLesson(folder_.path(), *lessonTopic(QStringLiteral("Storia1")), "{\\rtf1\\ansi\\fs24 Lezione nuova.}");
        program_->click(forms::lessons, QStringLiteral("Cmdmenù"));
        program_->click(forms::menu, QStringLiteral("Cmdstoria"));
        QCOMPARE(text(), QStringLiteral("Lezione nuova."));

        const int pixels = box->document()->begin().begin().fragment().charFormat().font().pixelSize();
        QVERIFY(pixels > 0);
        program_->click(forms::lessons, QStringLiteral("Cmdmenù"));
        program_->click(forms::menu, QStringLiteral("LabTesto")); // 125 %
        program_->click(forms::menu, QStringLiteral("Cmdstoria"));
        QVERIFY(box->document()->begin().begin().fragment().charFormat().font().pixelSize() > pixels);
    }

    void destinationWithoutAPageShowsTheMenu()
    {
        open(QStringLiteral("Storia1"), true);
        module().chiamante = forms::menu;
        control("CmdDestina")->click();
        QCOMPARE(program_->visibleScreens(), QStringList{forms::menu});
    }

    void missingFilesLeaveANoteAndTheProgramGoesOn()
    {
        QFile::remove(dataFile(QStringLiteral("a-densità2.rtf")));
        QFile::remove(dataFile(QStringLiteral("densità.jpg")));
        open(QStringLiteral("Densità2"));
        QVERIFY2(text().contains(QStringLiteral("Manca il file «a-densità2.rtf»")), qPrintable(text()));
        QVERIFY(control<QLabel>("Image1")->pixmap().isNull());
        QVERIFY(control<QLabel>("Image1")->text().contains(QStringLiteral("densità.jpg")));
        QCOMPARE(title(), QStringLiteral("DENSITÀ: distribuzione della popolazione sul territorio."));
        QVERIFY(program_->dialogs().messages.isEmpty());

        control("CmdAVANTI")->click();
        QVERIFY(text().startsWith(QStringLiteral("Lezione Piramidi1")));
        QVERIFY(!control<QLabel>("Image1")->pixmap().isNull());
    }

    // The lesson files are written for a 96-dpi screen of the design size; on a classroom
    // panel their text, indents and pictures keep their proportion to the screen, as its
    // controls do. (How a document is scaled is tst_twips'.)
    void theLessonGrowsWithTheDisplay()
    {
        program_.reset();
        QImage square(4, 2, QImage::Format_RGB32);
        square.fill(Qt::darkGreen);
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        square.save(&png, "PNG");
        writeLesson(folder_.path(), *lessonTopic(QStringLiteral("Storia1")),
                    "{\\rtf1\\ansi\\pard\\li300\\fs22 Testo della lezione.\\par "
                    "\\pard{\\pict\\pngblip\\picwgoal600\\pichgoal300 "
                        + png.data().toHex() + "}\\par }");
        TestProgram program(folder_.path());
        program.display().displaySize = QSize(3840, 2160);
        QVERIFY(program.start());
        QVERIFY(program.module().navigation().showLessonPage(QStringLiteral("Storia1")));
        const QTextBlock text = program.control<QTextEdit>(forms::lessons, QStringLiteral("RTBtesto"))->document()->begin();
        QCOMPARE(text.begin().fragment().charFormat().font().pixelSize(), Twips::font(11).pixelSize());
        QVERIFY(qAbs(text.blockFormat().leftMargin() - (300 * Twips::scale() + Twips::px(100))) < 1);
        const QTextImageFormat image = text.next().begin().fragment().charFormat().toImageFormat();
        QVERIFY(image.isValid());
        QVERIFY(qAbs(image.width() - 600 * Twips::scale()) < 1);
        QVERIFY(qAbs(image.height() - 300 * Twips::scale()) < 1);
    }
};

QTEST_MAIN(TestLessonScreen)
#include "tst_lessonscreen.moc"
