#include "screenkit/forms.h"
#include "lessons/flezioni.h"
#include "lessons/lessoncatalogue.h"
#include "platform/twips.h"
#include "testsupport/censariatest.h"
#include "testsupport/standins.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
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
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray key; // RTF is written in the Windows code page, accents escaped
    for (const QChar c : topic.key)
        key += c.unicode() < 128 ? QByteArray(1, char(c.unicode())) : "\\'" + QByteArray::number(c.unicode(), 16);
    file.write(content.isEmpty() ? "{\\rtf1\\ansi\\ansicpg1252 Lezione " + key + "\\par Seconda riga.}" : content);
}

} // namespace

class TestLessonScreen : public QObject
{
    Q_OBJECT

    QTemporaryDir folder_;
    std::unique_ptr<TestProgram> program_;

    Module &module() { return program_->module(); }
    FLezioni *lessons() { return static_cast<FLezioni *>(program_->screen(forms::lessons)); }
    template <typename T = QPushButton>
    T *control(const char *name) { return program_->control<T>(forms::lessons, QString::fromUtf8(name)); }
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
        ScreenRegistry &registry = module().screens();
        for (const QString &name : {forms::rates, forms::balances, forms::pyramids, forms::families})
            registry.add(name, [name](Module &m) { return new StandInScreen(m, name); });
        registry.add(forms::questionnaire, [](Module &m) { return new StandInQuestionnaire(m); });
        QVERIFY(program_->start());
    }
    void cleanup() { program_.reset(); }

    void tenAvantiClicksWalkTheSequence()
    {
        program_->control<QPushButton>(forms::menu, QStringLiteral("Cmdstoria"))->click();
        QCOMPARE(program_->visibleScreens(), QStringList{forms::lessons});
        QStringList walked{module().chiamante};
        for (int click = 0; click < 10; ++click) {
            control("CmdAVANTI")->click();
            walked.append(module().chiamante);
            QCOMPARE(lessons()->pagina(), click + 2);
            QVERIFY2(text().startsWith(QStringLiteral("Lezione ") + module().chiamante), qPrintable(text()));
        }
        QCOMPARE(walked, (QStringList{"Storia1", "Storia2", "Storia3", "Storia4", "Statistica1", "Statistica2",
                                      "Densità1", "Densità2", "Piramidi1", "Piramidi2", "Italia"}));
        QCOMPARE(title(), QStringLiteral("POPOLAZIONE ITALIANA: i dati in sintesi."));
        QVERIFY(control("CmdAVANTI")->isEnabled());
        control("CmdAVANTI")->click(); // the eleventh: nothing further
        QCOMPARE(module().chiamante, QStringLiteral("Italia"));
        QVERIFY(!control("CmdAVANTI")->isEnabled());
        QVERIFY(control("CmdINDIETRO")->isEnabled());
        control("CmdINDIETRO")->click();
        QCOMPARE(module().chiamante, QStringLiteral("Piramidi2"));
        QCOMPARE(title(), QStringLiteral("PIRAMIDE DELLA POPOLAZIONE: a che serve."));
        QVERIFY(control("CmdAVANTI")->isEnabled());
    }

    void indietroOnPageOneStaysAndDisables()
    {
        open(QStringLiteral("Storia2"));
        control("CmdINDIETRO")->click();
        QCOMPARE(module().chiamante, QStringLiteral("Storia1"));
        QVERIFY(control("CmdINDIETRO")->isEnabled());
        control("CmdINDIETRO")->click();
        QCOMPARE(module().chiamante, QStringLiteral("Storia1"));
        QCOMPARE(lessons()->pagina(), 1);
        QVERIFY(!control("CmdINDIETRO")->isEnabled());

        // Only the paging buttons change their states: a page from the menu bar keeps them.
        control<QAction>("densitàdistribuzione")->trigger();
        QCOMPARE(module().chiamante, QStringLiteral("Densità2"));
        QVERIFY(!control("CmdINDIETRO")->isEnabled());
        control("CmdAVANTI")->click();
        QCOMPARE(module().chiamante, QStringLiteral("Piramidi1"));
        QVERIFY(control("CmdINDIETRO")->isEnabled());
    }

    void montenovoKeepsPageNumberAndPicture()
    {
        open(QStringLiteral("Storia4"), true);
        const qint64 picture = control<QLabel>("Image1")->pixmap().cacheKey();
        QVERIFY(!control<QLabel>("Image1")->pixmap().isNull());
        control<QAction>("popmontenovo")->trigger();
        QCOMPARE(module().chiamante, QStringLiteral("Montenovo"));
        QCOMPARE(title(), QStringLiteral("APPROFONDIMENTO: la popolazione di Montenovo nel XVII secolo."));
        QVERIFY(text().startsWith(QStringLiteral("Lezione Montenovo")));
        QCOMPARE(lessons()->pagina(), 4);
        QCOMPARE(control<QLabel>("Image1")->pixmap().cacheKey(), picture);
        auto *box = control<QTextEdit>("RTBtesto");
        QCOMPARE(box->width(), Twips::px(11415));
        QCOMPARE(box->font().pixelSize(), Twips::font(10).pixelSize());
        QVERIFY(!box->font().bold());
        QCOMPARE(box->document()->begin().blockFormat().leftMargin(), 0.0);

        // Its destination has no caption and does nothing.
        QCOMPARE(control("CmdDestina")->text(), QString());
        control("CmdDestina")->click();
        QCOMPARE(program_->visibleScreens(), QStringList{forms::lessons});
        QCOMPARE(module().chiamante, QStringLiteral("Montenovo"));

        control("CmdAVANTI")->click();
        QCOMPARE(module().chiamante, QStringLiteral("Statistica1"));
        QCOMPARE(box->width(), Twips::px(5415));
        QCOMPARE(box->document()->begin().blockFormat().leftMargin(), qreal(Twips::px(100)));
    }

    void everyDestinationOpensAndTornoComesBack_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("topic");
        QTest::newRow("Storia1") << "Storia1" << forms::questionnaire << "QStoria1";
        QTest::newRow("Storia2") << "Storia2" << forms::questionnaire << "QStoria2";
        QTest::newRow("Storia3") << "Storia3" << forms::questionnaire << "QStoria3";
        QTest::newRow("Storia4") << "Storia4" << forms::questionnaire << "QStoria4";
        QTest::newRow("Statistica1") << "Statistica1" << forms::balances << "";
        QTest::newRow("Statistica2") << "Statistica2" << forms::rates << "";
        QTest::newRow("Densità1") << "Densità1" << forms::questionnaire << "QDensità1";
        QTest::newRow("Densità2") << "Densità2" << forms::questionnaire << "QDensità2";
        QTest::newRow("Piramidi1") << "Piramidi1" << forms::pyramids << "";
        QTest::newRow("Piramidi2") << "Piramidi2" << forms::questionnaire << "Qpiramide2";
        QTest::newRow("Italia") << "Italia" << forms::questionnaire << "QItalia";
    }
    void everyDestinationOpensAndTornoComesBack()
    {
        QFETCH(QString, page);
        QFETCH(QString, form);
        QFETCH(QString, topic);
        open(page, true);
        const int pagina = lessons()->pagina();
        const QString shownTitle = title();
        QVERIFY(control("CmdDestina")->isEnabled());
        control("CmdDestina")->click();
        QCOMPARE(program_->visibleScreens(), QStringList{form});
        QCOMPARE(module().chiamante, page);
        if (!topic.isEmpty())
            QCOMPARE(static_cast<StandInQuestionnaire *>(program_->screen(form))->topic, topic);

        static_cast<StandInScreen *>(program_->screen(form))->goBack();
        QCOMPARE(program_->visibleScreens(), QStringList{forms::lessons});
        QCOMPARE(module().chiamante, page);
        QCOMPARE(lessons()->pagina(), pagina);
        QCOMPARE(title(), shownTitle);
    }

    void destinationWithoutAPageShowsTheMenu()
    {
        open(QStringLiteral("Storia1"), true);
        module().chiamante = forms::menu;
        control("CmdDestina")->click();
        QCOMPARE(program_->visibleScreens(), QStringList{forms::menu});
    }

    void menuBarOpensEveryPage()
    {
        open(QStringLiteral("Storia1"));
        QVERIFY(lessons()->findChild<QMenuBar *>()->height() > 0);
        for (const LessonMenu &menu : lessonMenus()) {
            QVERIFY(control<QWidget>(qPrintable(menu.name)) || control<QAction>(qPrintable(menu.name)));
            if (menu.entries.isEmpty()) {
                control<QAction>(qPrintable(menu.name))->trigger();
                QCOMPARE(module().chiamante, menu.page);
            }
            for (const LessonMenuEntry &entry : menu.entries) {
                control<QAction>(qPrintable(entry.name))->trigger();
                QCOMPARE(module().chiamante, entry.page);
            }
        }
        QCOMPARE(control<QAction>("stattassi")->text(), QStringLiteral("Tassi di Natalità e di Mortalità e d'incremento"));
        QCOMPARE(control<QAction>("utilità")->text(), QStringLiteral("a che serve"));
    }

    void pagesShowTheirCatalogueEntry()
    {
        open(QStringLiteral("Storia1"));
        QCOMPARE(control("CmdDestina")->text(), QStringLiteral("   Questionario sui due grafici"));
        QCOMPARE(title(), QStringLiteral("STORIA DELLA POPOLAZIONE: introduzione."));
        const QTextDocument *document = control<QTextEdit>("RTBtesto")->document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            QCOMPARE(block.blockFormat().leftMargin(), qreal(Twips::px(100)));
        QCOMPARE(control<QTextEdit>("RTBtesto")->textCursor().position(), 0);
        QVERIFY(!control<QLabel>("Image1")->pixmap().isNull());
        QVERIFY(control<QLabel>("Label1")->isHidden());
        QVERIFY(control<QLabel>("Label2")->isHidden());
        QVERIFY(control("CmdOsserva")->isHidden());
        QCOMPARE(control("CmdOsserva")->text(), QStringLiteral("Osserva i modelli delle famiglie"));
    }

    void missingFilesLeaveANoteAndTheProgramGoesOn()
    {
        QFile::remove(dataFile(QStringLiteral("a-densità2.rtf")));
        QFile::remove(dataFile(QStringLiteral("densità.jpg")));
        open(QStringLiteral("Densità2"));
        QVERIFY2(text().contains(QStringLiteral("Manca il file «a-densità2.rtf»")), qPrintable(text()));
        QVERIFY(control<QLabel>("Image1")->pixmap().isNull());
        QVERIFY(control<QLabel>("Image1")->text().contains(QStringLiteral("densità.jpg")));
        QCOMPARE(title(), QStringLiteral("DENSITA': distribuzione della popolazione sul territorio."));
        QVERIFY(program_->dialogs().messages.isEmpty());

        control("CmdAVANTI")->click();
        QVERIFY(text().startsWith(QStringLiteral("Lezione Piramidi1")));
        QVERIFY(!control<QLabel>("Image1")->pixmap().isNull());
    }

    // The lesson files are written for a 96-dpi screen of the design size; on any display
    // their text, indents and pictures keep their proportion to the screen, as its
    // controls do, so a classroom panel shows the same page as a small monitor.
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
                    "\\pard{\\pict\\pngblip\\picwgoal600\\pichgoal300 " + png.data().toHex() + "}\\par }");
        QList<double> heights;
        for (const QSize &display : {QSize(1024, 768), QSize(3840, 2160)}) {
            TestProgram program(folder_.path());
            program.display().displaySize = display;
            QVERIFY(program.start());
            QVERIFY(program.module().navigation().showLessonPage(QStringLiteral("Storia1")));
            const QTextDocument *document = program.control<QTextEdit>(forms::lessons, QStringLiteral("RTBtesto"))->document();
            const QTextBlock text = document->begin();
            const QFont font = text.begin().fragment().charFormat().font();
            QCOMPARE(font.pixelSize(), Twips::font(11).pixelSize());
            QCOMPARE(text.charFormat().font().pixelSize(), font.pixelSize()); // a list item's bullet
            QVERIFY(qAbs(text.blockFormat().leftMargin() - (300 * Twips::scale() + Twips::px(100))) < 1);
            const QTextBlock picture = text.next();
            const QTextImageFormat image = picture.begin().fragment().charFormat().toImageFormat();
            QVERIFY(image.isValid());
            QVERIFY(qAbs(image.width() - 600 * Twips::scale()) < 1);
            QVERIFY(qAbs(image.height() - 300 * Twips::scale()) < 1);
            heights.append(QFontMetricsF(font).height() / display.height());
        }
        // Measured against the display, the text is as tall on both.
        QVERIFY2(qAbs(heights[1] / heights[0] - 1) < 0.1, qPrintable(QStringLiteral("%1 against %2").arg(heights[1]).arg(heights[0])));
    }

    void osservaShowsTheFamiliesOverTheLesson()
    {
        open(QStringLiteral("Storia2"), true);
        control("CmdOsserva")->click();
        QCOMPARE(program_->visibleScreens().size(), 2);
        QVERIFY(program_->visibleScreens().contains(forms::families));
        QCOMPARE(module().chiamante, QStringLiteral("Storia2"));
    }

    void menuAndExitButtons()
    {
        program_->control<QPushButton>(forms::menu, QStringLiteral("CmdITALIA"))->click();
        QCOMPARE(module().chiamante, QStringLiteral("Italia"));
        control("Cmdmenù")->click();
        QCOMPARE(program_->visibleScreens(), QStringList{forms::menu});
        QCOMPARE(module().chiamante, QStringLiteral("Italia"));

        program_->control<QPushButton>(forms::menu, QStringLiteral("Cmdpiramide"))->click();
        QCOMPARE(module().chiamante, QStringLiteral("Piramidi1"));
        QCOMPARE(program_->visibleScreens(), QStringList{forms::lessons});
        control("Cmdesco")->click();
        QCOMPARE(program_->exitCode(), 0);
    }
};

QTEST_MAIN(TestLessonScreen)
#include "tst_lessonscreen.moc"
