
#include "app/mainmenu.h"
#include "app/typesize.h"
#include "platform/qtplatform.h"
#include "platform/typescale.h"
#include "screenkit/svgpicture.h"
#include "programtest.h"
#include "ownfiles.h"

#include <QCompleter>
#include <QFile>
#include <QInputDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

using namespace censaria;

class TestMainMenu : public ProgramTest
{
    Q_OBJECT

    static QStringList listRows(QListWidget *list)
    {
        QStringList rows;
        for (int i = 0; i < list->count(); ++i)
            rows.append(list->item(i)->text());
        return rows;
    }
    static void clickRow(QListWidget *list, int row)
    {
        const QRect r = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }

private slots:

    void namesListAppendsAndHides()
    {
        Archive &archive = program_->module().dbrisultati();
        archive.writeResult(QStringLiteral("questionari"), QStringLiteral("ROSSI MARIO"), {});
        archive.writeResult(QStringLiteral("questionari"), QString(), {}); // an empty name is an empty row
        archive.writeResult(QStringLiteral("esercizi"), QStringLiteral("SOLO ESERCIZI"), {});
        auto *link = program_->control<ClickLabel>(forms::menu, QStringLiteral("LabNOMI"));
        auto *list = program_->control<QListWidget>(forms::menu, QStringLiteral("List1"));

        link->click();
        QVERIFY(list->isVisible());
        QVERIFY(!link->isVisible());
        const QString firstHint = QStringLiteral("Clicca su questa riga per nascondere l'elenco!");
        QCOMPARE(listRows(list), (QStringList{firstHint, QStringLiteral("ROSSI MARIO"), QString()}));

        link->click(); // opened twice without hiding: the names come twice
        QCOMPARE(listRows(list), (QStringList{firstHint, QStringLiteral("ROSSI MARIO"), QString(), QStringLiteral("ROSSI MARIO"), QString()}));

        clickRow(list, 1); // any row but the hint does nothing
        QVERIFY(list->isVisible());
        clickRow(list, 0);
        QVERIFY(!list->isVisible());
        QVERIFY(link->isVisible());
        QCOMPARE(program_->module().nomealunno, QString()); // only for looking

        link->click();
        QCOMPARE(listRows(list), (QStringList{QStringLiteral("Clicca qui per nascondere l'elenco"), QStringLiteral("ROSSI MARIO"), QString()}));
    }

    // From the keyboard the list opens with the focus on it, not on "Esco", and closes
    // again by Esc or by Enter on its first row, the focus back on the link: no trap.
    void namesListFromTheKeyboard()
    {
        program_->module().dbrisultati().writeResult(QStringLiteral("questionari"), QStringLiteral("ROSSI MARIO"), {});
        Screen *menu = program_->screen(forms::menu);
        auto *link = program_->control<ClickLabel>(forms::menu, QStringLiteral("LabNOMI"));
        auto *list = program_->control<QListWidget>(forms::menu, QStringLiteral("List1"));
        link->setFocus();
        QTest::keyClick(link, Qt::Key_Return);
        QVERIFY(list->isVisible());
        QCOMPARE(menu->focusWidget(), list);
        QCOMPARE(list->currentRow(), 0);
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!list->isVisible());
        QCOMPARE(menu->focusWidget(), link);
        QVERIFY(menu->isVisible());

        QTest::keyClick(link, Qt::Key_Space);
        QCOMPARE(menu->focusWidget(), list);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return); // a name: only for looking
        QVERIFY(list->isVisible());
        QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(!list->isVisible());
        QCOMPARE(menu->focusWidget(), link);
        QCOMPARE(program_->module().nomealunno, QString());
    }

    // The question offers the names already in the archive, once each and in order, so that
    // a pupil finds "ROSSI MARIO" by typing "mario"; a new name is taken all the same.
    void nameQuestionOffersTheNamesKnown()
    {
        Archive &archive = program_->module().dbrisultati();
        for (const char *name : {"VERDI LEO", "ROSSI MARIO", "ROSSI MARIO"})
            archive.writeResult(QStringLiteral("questionari"), QString::fromUtf8(name), {});
        program_->dialogs().queueAnswer(QStringLiteral("mario   rossi"));
        QVERIFY(program_->module().ensurePupilName());
        QCOMPARE(program_->dialogs().completionsOffered, (QList<QStringList>{{QStringLiteral("ROSSI MARIO"), QStringLiteral("VERDI LEO")}}));
        QCOMPARE(program_->module().nomealunno, QStringLiteral("MARIO ROSSI")); // normalised as ever, and new

        std::unique_ptr<QInputDialog> dialog(
            QtDialogs::makeInputDialog(QStringLiteral("Scrivi qui PRIMA il COGNOME, poi il tuo Nome"), QStringLiteral("Censaria"), nullptr));
        QtDialogs::offerCompletions(dialog.get(), program_->dialogs().completionsOffered.first());
        auto *line = dialog->findChild<QLineEdit *>();
        QVERIFY(line && line->completer());
        line->completer()->setCompletionPrefix(QStringLiteral("mario"));
        QCOMPARE(line->completer()->completionCount(), 1);
        QCOMPARE(line->completer()->currentCompletion(), QStringLiteral("ROSSI MARIO"));
        line->completer()->setCompletionPrefix(QStringLiteral("bianchi"));
        QCOMPARE(line->completer()->completionCount(), 0);
    }

    // The name is asked while none is held; one too long is asked again.
    void nameQuestionIsAskedOnlyWhileNoNameIsHeld()
    {
        Module &module = program_->module();
        QVERIFY(!module.ensurePupilName()); // cancelled
        QCOMPARE(program_->dialogs().prompts, QStringList{QStringLiteral("Scrivi qui PRIMA il COGNOME, poi il tuo Nome")});
        QCOMPARE(program_->dialogs().inputTitles, QStringList{QStringLiteral("Censaria")});
        // A huge name is asked again; blanks only are no name.
        program_->dialogs().queueAnswer(QString(10000, u'x'));
        program_->dialogs().queueAnswer(QString(40, u' '));
        QVERIFY(!module.ensurePupilName());
        QVERIFY(module.nomealunno.isEmpty());
        QCOMPARE(program_->dialogs().prompts.size(), 3);
        program_->dialogs().queueAnswer(QString(61, u'x'));
        program_->dialogs().queueAnswer(QStringLiteral("  rossi   mario "));
        QVERIFY(module.ensurePupilName());
        QCOMPARE(module.nomealunno, QStringLiteral("ROSSI MARIO"));
        QCOMPARE(program_->dialogs().prompts.size(), 5);
        QCOMPARE(program_->dialogs().messages.size(), 2);
        QVERIFY(program_->dialogs().messages.last().text.contains(QStringLiteral("troppo lungo")));
        QVERIFY(module.ensurePupilName());
        QCOMPARE(program_->dialogs().prompts.size(), 5);
    }

    // Without a name nothing is written; a write that fails is reported.
    void recordingNeedsANameAndReportsAFailure()
    {
        Module &module = program_->module();
        QVERIFY(!module.recordResult(QStringLiteral("questionari"), {{2, 5}}, 3));
        QCOMPARE(module.dbrisultati().names(), QStringList());
        program_->dialogs().queueAnswer(QStringLiteral("neri ada"));
        QVERIFY(module.recordResult(QStringLiteral("questionari"), {{2, 5}}, 3));
        const auto row = module.dbrisultati().findRow(QStringLiteral("questionari"), QStringLiteral("NERI ADA"));
        QCOMPARE(row->at(3).toDateTime(), program_->clock().time);
        QVERIFY(program_->dialogs().messages.isEmpty());

        module.dbrisultati().close();
        QVERIFY(!module.recordResult(QStringLiteral("esercizi"), {{2, 5}}, 5));
        QCOMPARE(program_->dialogs().messages.size(), 1);
        QCOMPARE(program_->dialogs().messages.first().icon, MessageIcon::Critical);
        QVERIFY(program_->dialogs().messages.first().text.contains(QStringLiteral("NON è stato salvato")));
    }

    void aMissingOrForeignArchiveStopsTheStart_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("says");
        QTest::newRow("missing") << QByteArray() << "non esiste";
        QTest::newRow("old format") << QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(4000, 0) << "convertito";
        QTest::newRow("not an archive") << QByteArray("pagella.doc") << "non è un archivio";
    }
    void aMissingOrForeignArchiveStopsTheStart()
    {
        program_.reset(); // a program of its own
        QFETCH(QByteArray, content);
        QFETCH(QString, says);
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("perCensaria"));
        if (!content.isEmpty())
            QVERIFY(writeBytes(dir.filePath(QStringLiteral("perCensaria/dbcensaria.mdb")), content));
        TestProgram program(dir.path());
        QVERIFY(!program.start());
        QCOMPARE(program.dialogs().messages.size(), 1);
        const RecordedMessage message = program.dialogs().messages.first();
        QVERIFY2(message.text.contains(says), qPrintable(message.text));
        QVERIFY(message.text.contains(QStringLiteral("dbcensaria.mdb")));
        QCOMPARE(message.icon, MessageIcon::Critical);
        QVERIFY(program.visibleScreens().isEmpty());
        QCOMPARE(QFile::exists(dir.filePath(QStringLiteral("perCensaria/dbcensaria.mdb"))), !content.isEmpty());
    }

    // As a pupil starts it, the menu is on the screen before the archive is opened; the
    // archive is opened and checked once the menu has been painted, and a damaged one
    // still ends the program with its message.
    void theMenuComesBeforeTheArchiveChecks()
    {
        program_.reset(); // a program of its own
        TestProgram program;
        damage(program.archivePath());
        program.launch();
        QCOMPARE(program.visibleScreens(), QStringList{forms::menu});
        QVERIFY(program.dialogs().messages.isEmpty());
        QTRY_COMPARE(program.exitCode(), std::optional<int>(1));
        QCOMPARE(program.dialogs().messages.size(), 1);
        QVERIFY(program.dialogs().messages.first().text.contains(QStringLiteral("danneggiato")));
        QVERIFY(program.visibleScreens().isEmpty());
    }

    // A result recorded before the menu has been painted waits for the archive's checks:
    // saved when they pass, and never written into an archive that fails them.
    void aResultRecordedBeforeTheChecksWaitsForThem()
    {
        program_.reset(); // a program of its own
        {
            TestProgram program;
            program.launch();
            program.module().nomealunno = QStringLiteral("NERI ADA");
            QVERIFY(program.module().recordResult(QStringLiteral("questionari"), {{2, 5}}, 3));
            QVERIFY(program.dialogs().messages.isEmpty());
            QTRY_VERIFY(program.module().archiveReady() && !program.exitCode());
            const auto row = program.module().dbrisultati().findRow(QStringLiteral("questionari"), QStringLiteral("NERI ADA"));
            QVERIFY(row);
            QCOMPARE(row->at(2).toInt(), 5);
        }
        TestProgram program;
        const QByteArray damaged = damage(program.archivePath());
        program.launch();
        program.module().nomealunno = QStringLiteral("NERI ADA");
        QVERIFY(!program.module().recordResult(QStringLiteral("questionari"), {{2, 5}}, 3));
        QCOMPARE(program.dialogs().messages.size(), 1);
        QVERIFY(program.dialogs().messages.first().text.contains(QStringLiteral("danneggiato")));
        QCOMPARE(program.exitCode(), std::optional<int>(1));
        QCOMPARE(contentOf(program.archivePath()), damaged);
    }

    // From the second start on, the menu is first the picture of itself kept at the one
    // before; its controls then take the picture's place without a pixel changing. A
    // kept picture that no longer fits (a larger type, damage) is never shown.
    void theMenuKeptAtOneStartCoversTheNext()
    {
        program_.reset(); // programs of its own
        QTemporaryDir dir;
        const QString folder = TestProgram::makeProgramFolder(dir.filePath(QStringLiteral("program")));
        const auto launched = [](TestProgram &program) {
            program.launch();
            return static_cast<MainMenu *>(program.screen(forms::menu));
        };
        const auto controls = [](TestProgram &program) { return program.control<QPushButton>(forms::menu, QStringLiteral("Cmdstoria")); };
        QImage live;
        QString kept;
        {
            TestProgram first(folder);
            kept = QDir(pictureCacheFolder()).filePath(QStringLiteral("menu-cover.pixels"));
            MainMenu *menu = launched(first);
            QVERIFY(controls(first)); // nothing kept yet
            QTRY_VERIFY(QFileInfo::exists(kept));
            live = menu->grab().toImage();
        }
        QVERIFY(QFileInfo(kept).size() > qint64(live.sizeInBytes()));
        {
            TestProgram second(folder);
            MainMenu *menu = launched(second);
            QVERIFY(!controls(second));
            QCOMPARE(menu->grab().toImage(), live);
            // Active before its controls are there, as a window manager may make it, and
            // a key pressed at once.
            QApplication::setActiveWindow(menu);
            QTest::keyClick(menu, Qt::Key_Escape);
            QTRY_VERIFY(controls(second));
            QCOMPARE(menu->grab().toImage(), live);
            second.click(forms::menu, QStringLiteral("Cmddinamiche"));
            QCOMPARE(second.visibleScreens(), QStringList{forms::simulation});
        }

        // Read again at every start, the picture goes unshown as soon as it no longer fits.
        const QByteArray good = contentOf(kept);
        QByteArray damaged = good;
        damaged[20] = char(~damaged.at(20)); // in the header: what the pixels were kept for
        const struct
        {
            QByteArray bytes;
            double typeSize;
        } unfit[] = {{good, 1.25}, {damaged, 1.0}, {good + 'x', 1.0}, {good.left(good.size() - 1), 1.0}};
        for (const auto &kind : unfit) {
            {
                TestProgram sizer(folder);
                typesize::set(sizer.module(), kind.typeSize);
            }
            QVERIFY(writeBytes(kept, kind.bytes));
            TestProgram next(folder);
            launched(next);
            QVERIFY(controls(next));
            QCOMPARE(TypeScale::factor(), kind.typeSize);
        }
    }

private:
    // Overwrites the archive's second page, where a table begins: the file still opens as
    // an archive, and only the full check finds the damage. Returns the damaged bytes.
    static QByteArray damage(const QString &archivePath)
    {
        QFile file(archivePath);
        if (!file.open(QIODevice::ReadWrite) || file.size() < 8192)
            qFatal("no archive to damage at %s", qPrintable(archivePath));
        file.seek(4096);
        file.write(QByteArray(4096, '\xab'));
        file.seek(0);
        return file.readAll();
    }
};

QTEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
