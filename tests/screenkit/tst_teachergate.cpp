// The teacher's password in front of classmates' results and the register, as pupils
// and the teacher meet it on the screens, without and with the Debian package.
#include "screentest.h"
#include "archive/resulttopics.h"
#include "platform/protectedfile.h"
#include "platform/qtplatform.h"
#include "register/teacherpassword.h"
#include "ownfiles.h"

#include <QFileInfo>
#include <QInputDialog>
#include <QTableWidget>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace censaria;
using classregister::TeacherPassword;

namespace {

const QString rossi = QStringLiteral("ROSSI MARIO");
const QString bianchi = QStringLiteral("BIANCHI ANNA");
const QString password = QStringLiteral("Pascoli-1912");

} // namespace

class TestTeacherGate : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> program_;
    QString folder_; // the program folder, kept for a program started again on it

    void startProgram(const QString &technicianFile = QString())
    {
        program_ = std::make_unique<TestProgram>(folder_);
        program_->module().technicianPasswordFile = technicianFile;
        QVERIFY(program_->start());
        program_->module().nomealunno = rossi;
    }
    void setPasswordBesideTheArchive()
    {
        QVERIFY(TeacherPassword(program_->module().settingsFile(QStringLiteral("registro.ini")), QString()).set(password));
    }
    ScriptedDialogs &dialogs() { return program_->dialogs(); }
    QString lastMessage() { return dialogs().messages.isEmpty() ? QString() : dialogs().messages.last().text; }
    QString shownName() { return program_->text(forms::results, QStringLiteral("LabNOME")); }
    QString firstCount() { return program_->control<QTableWidget>(forms::results, QStringLiteral("Grid1"))->item(1, 1)->text(); }

    void openResults() { program_->module().navigation().openResults(program_->screen(forms::menu)); }
    void search(const QString &surname, const QString &firstName, const QStringList &passwords = {})
    {
        dialogs().passwords = passwords;
        program_->control<QLineEdit>(forms::results, QStringLiteral("Text2"))->setText(surname);
        program_->control<QLineEdit>(forms::results, QStringLiteral("Text1"))->setText(firstName);
        program_->click(forms::results, QStringLiteral("LabCERCA"));
    }
    void openRegister(const QStringList &passwords)
    {
        dialogs().passwords = passwords;
        program_->click(forms::results, QStringLiteral("LabREGISTRO"));
    }
    bool registerShown() { return program_->visibleScreens().contains(forms::classRegister); }
    qsizetype asked() { return dialogs().passwordPrompts.size(); }
    bool exportedSomething() { return QFileInfo::exists(QDir(program_->driveA()).filePath(QStringLiteral("exportcensa.mdb"))); }

private slots:
    void init()
    {
        folder_ = TestProgram::makeProgramFolder(temp_.filePath(QString::number(++programs_)));
        startProgram();
        Archive &archive = program_->module().dbrisultati();
        QVERIFY(archive.writeResult(resulttopics::questionnaireTable, rossi, {{2, 8}}));
        QVERIFY(archive.writeResult(resulttopics::exerciseTable, rossi, {{2, 6}}));
        QVERIFY(archive.writeResult(resulttopics::questionnaireTable, bianchi, {{2, 3}}));
        QVERIFY(archive.writeResult(resulttopics::exerciseTable, bianchi, {{2, 5}}));
    }
    void cleanup() { program_.reset(); }

    void classmatesNeedTheTeachersPasswordOncePerOpening()
    {
        setPasswordBesideTheArchive();
        openResults();
        QCOMPARE(shownName(), rossi);
        QCOMPARE(firstCount(), QStringLiteral("8"));
        QCOMPARE(asked(), 0);

        // Cancelled: the pupil's own results stay, the typed name too.
        search(QStringLiteral("bianchi"), QStringLiteral("anna"));
        QCOMPARE(asked(), 1);
        QVERIFY(dialogs().passwordPrompts.last().contains(QStringLiteral("Password dell'insegnante")));
        QCOMPARE(shownName(), rossi);
        QCOMPARE(firstCount(), QStringLiteral("8"));
        QCOMPARE(program_->text(forms::results, QStringLiteral("Text2")), QStringLiteral("bianchi"));
        // A wrong password: a moment's wait, then the message, and nothing of the classmate.
        search(QStringLiteral("bianchi"), QStringLiteral("anna"), {QStringLiteral("indovino")});
        QCOMPARE(program_->clock().waits, QList<int>{1500});
        QVERIFY(lastMessage().contains(QStringLiteral("non è giusta")));
        QCOMPARE(firstCount(), QStringLiteral("8"));
        // One's own name needs no password.
        search(QStringLiteral("rossi"), QStringLiteral("mario"));
        QCOMPARE(asked(), 2);
        QCOMPARE(shownName(), rossi);

        search(QStringLiteral("bianchi"), QStringLiteral("anna"), {password});
        QCOMPARE(shownName(), bianchi);
        QCOMPARE(firstCount(), QStringLiteral("3"));
        // Once for the whole opening: another look-up, the print and the export.
        search(QStringLiteral("rossi"), QStringLiteral("mario"));
        search(QStringLiteral("bianchi"), QStringLiteral("anna"));
        program_->click(forms::results, QStringLiteral("LabSTAMPA"));
        QCOMPARE(program_->printer().documents.size(), 1);
        program_->click(forms::results, QStringLiteral("LabEXPORT"));
        QVERIFY(exportedSomething());
        QCOMPARE(asked(), 3);

        // Opened again: the pupil's own results, and the question again.
        program_->click(forms::results, QStringLiteral("Labmenù"));
        openResults();
        QCOMPARE(shownName(), rossi);
        program_->click(forms::results, QStringLiteral("LabSTAMPA")); // one's own page
        QCOMPARE(program_->printer().documents.size(), 2);
        QFile::remove(QDir(program_->driveA()).filePath(QStringLiteral("exportcensa.mdb")));
        program_->click(forms::results, QStringLiteral("LabEXPORT"));
        QCOMPARE(asked(), 4);
        QVERIFY(!exportedSomething());
        search(QStringLiteral("bianchi"), QStringLiteral("anna"));
        QCOMPARE(asked(), 5);
        QCOMPARE(shownName(), rossi);
    }

    // Left with a classmate on show, the screen comes back without him, and shut.
    void leavingTheScreenShutsItAgain()
    {
        setPasswordBesideTheArchive();
        openResults();
        search(QStringLiteral("bianchi"), QStringLiteral("anna"), {password});
        QCOMPARE(shownName(), bianchi);
        program_->click(forms::results, QStringLiteral("Labmenù"));
        // Some back buttons show the screen again without refreshing it.
        program_->module().navigation().show(forms::results);
        QCOMPARE(shownName(), QString());
        QCOMPARE(firstCount(), QStringLiteral("0"));
        program_->click(forms::results, QStringLiteral("LabSTAMPA"));
        QVERIFY(program_->printer().documents.isEmpty() || !program_->printer().documents.last().join(u'\n').contains(bianchi));
        search(QStringLiteral("bianchi"), QStringLiteral("anna"));
        QCOMPARE(asked(), 2);
        QCOMPARE(shownName(), QString());
    }

    // The register and the results screen count the same wrong tries, and a restart
    // of the program forgets neither the count nor the pause.
    void wrongTriesAndThePauseAreSharedAndOutliveTheProgram()
    {
        setPasswordBesideTheArchive();
        openResults();
        search(QStringLiteral("bianchi"), QStringLiteral("anna"), {QStringLiteral("primo-tentativo")});
        startProgram(); // closed and started again
        openResults();
        search(QStringLiteral("bianchi"), QStringLiteral("anna"), {QStringLiteral("secondo-tentativo")});
        openRegister({QStringLiteral("terzo-tentativo")});
        QVERIFY(!registerShown());
        QCOMPARE(program_->clock().waits, (QList<int>{1500, 1500})); // each wrong try waits its moment
        QVERIFY(lastMessage().contains(QStringLiteral("terza volta")));
        const qsizetype before = asked();
        search(QStringLiteral("bianchi"), QStringLiteral("anna"), {password});
        QCOMPARE(asked(), before);
        QVERIFY(lastMessage().contains(QStringLiteral("Riprova fra 30 secondi")));
        startProgram();
        openResults();
        openRegister({password});
        QVERIFY(!registerShown());
        QCOMPARE(asked(), 0);
        QVERIFY(lastMessage().contains(QStringLiteral("Riprova fra 30 secondi")));
        program_->clock().time = program_->clock().time.addSecs(20);
        openRegister({password});
        QVERIFY(lastMessage().contains(QStringLiteral("Riprova fra 10 secondi")));
        program_->clock().time = program_->clock().time.addSecs(10);
        openRegister({password});
        QVERIFY(registerShown());
    }

    // Under the package the password is root's: the program never writes it, says who
    // sets it and how, and keeps the count of wrong tries in the account's own folder.
    void thePackageKeepsThePasswordWhereOnlyRootChangesIt()
    {
        const QString etc = QDir(folder_).filePath(QStringLiteral("etc/censaria"));
        const QString file = QDir(etc).filePath(QStringLiteral("registro.ini"));
        QVERIFY(QDir().mkpath(etc));
        QVERIFY(chmod(QFile::encodeName(folder_).constData(), 0755) == 0);
        QVERIFY(chmod(QFile::encodeName(QFileInfo(etc).path()).constData(), 0755) == 0);
        QVERIFY(chmod(QFile::encodeName(etc).constData(), 0755) == 0);
        startProgram(file);

        // None set yet: the results screen as it was; the register tells whom to ask.
        openResults();
        search(QStringLiteral("bianchi"), QStringLiteral("anna"));
        QCOMPARE(shownName(), bianchi);
        openRegister({password, password});
        QVERIFY(!registerShown());
        QCOMPARE(asked(), 0);
        const QString command = QStringLiteral("sudo ") + QDir(folder_).filePath(QStringLiteral("libexec/censaria-password"));
        QVERIFY2(lastMessage().contains(command) && lastMessage().contains(QStringLiteral("tecnico")), qPrintable(lastMessage()));
        QCOMPARE(QDir(etc).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
        QVERIFY(!contentOf(program_->module().settingsFile(QStringLiteral("registro.ini"))).contains("pbkdf2"));

        // The technician's command sets it; nothing the program does can write it.
        QString error;
        QVERIFY2(writeProtectedFile(file, TeacherPassword::fileText(password), ownGroup(), 0440, &error), qPrintable(error));
        QVERIFY(chmod(QFile::encodeName(etc).constData(), 0555) == 0);
        const QByteArray stored = contentOf(file);
        startProgram(file);
        openResults();
        search(QStringLiteral("bianchi"), QStringLiteral("anna"), {QStringLiteral("primo-tentativo")});
        search(QStringLiteral("bianchi"), QStringLiteral("anna"), {QStringLiteral("secondo-tentativo")});
        startProgram(file);
        openResults();
        search(QStringLiteral("bianchi"), QStringLiteral("anna"), {QStringLiteral("terzo-tentativo")});
        QVERIFY(lastMessage().contains(QStringLiteral("terza volta")));
        QCOMPARE(contentOf(file), stored);
        QVERIFY(QFileInfo::exists(QDir(program_->module().accountFolder()).filePath(QStringLiteral("tentativi-password.ini"))));
        program_->clock().time = program_->clock().time.addSecs(30);
        search(QStringLiteral("bianchi"), QStringLiteral("anna"), {password});
        QCOMPARE(shownName(), bianchi);
        openRegister({password});
        QVERIFY(registerShown());
        QCOMPARE(contentOf(file), stored);
        QVERIFY(chmod(QFile::encodeName(etc).constData(), 0755) == 0);
    }

    // A hash made with too few iterations is refused, with the way out.
    void aWeakHashIsRefusedWithTheWayOut()
    {
        const QString etc = QDir(folder_).filePath(QStringLiteral("etc"));
        const QString file = QDir(etc).filePath(QStringLiteral("registro.ini"));
        QVERIFY(QDir().mkpath(etc));
        QVERIFY(chmod(QFile::encodeName(folder_).constData(), 0755) == 0);
        QVERIFY(chmod(QFile::encodeName(etc).constData(), 0755) == 0);
        QString error;
        QVERIFY2(writeProtectedFile(file, TeacherPassword::fileText(password, TeacherPassword::minimumIterations - 1), ownGroup(), 0640, &error),
                 qPrintable(error));
        startProgram(file);
        openResults();
        search(QStringLiteral("bianchi"), QStringLiteral("anna"), {password});
        QCOMPARE(shownName(), rossi);
        openRegister({password});
        QVERIFY(!registerShown());
        QCOMPARE(asked(), 0);
        QVERIFY2(lastMessage().contains(QStringLiteral("troppo debole")) && lastMessage().contains(QStringLiteral("censaria-password")),
                 qPrintable(lastMessage()));

        // Without the package, the way out is to have the file deleted.
        program_->module().technicianPasswordFile.clear();
        QVERIFY(
            TeacherPassword(program_->module().settingsFile(QStringLiteral("registro.ini")), QString(), TeacherPassword::minimumIterations - 1)
                .set(password));
        startProgram();
        openResults();
        openRegister({password});
        QVERIFY(!registerShown());
        QVERIFY2(lastMessage().contains(QStringLiteral("cancellare")), qPrintable(lastMessage()));
    }

    // A password question does not wrap its lines: on the smallest classroom display
    // it must still fit, as the program asks it.
    void theQuestionsFitTheSmallestDisplay()
    {
        program_ = std::make_unique<TestProgram>(folder_);
        program_->display().displaySize = QSize(1024, 768);
        QVERIFY(program_->start());
        program_->module().nomealunno = rossi;
        openResults();
        openRegister({});
        setPasswordBesideTheArchive();
        search(QStringLiteral("bianchi"), QStringLiteral("anna"));
        QCOMPARE(asked(), 2);
        for (const QString &prompt : dialogs().passwordPrompts) {
            const std::unique_ptr<QInputDialog> question(QtDialogs::makeInputDialog(prompt, forms::programTitle, nullptr));
            question->setTextEchoMode(QLineEdit::Password);
            question->show();
            QVERIFY2(question->width() <= 1024, qPrintable(QStringLiteral("%1 px: %2").arg(question->width()).arg(prompt)));
        }
    }

private:
    QTemporaryDir temp_;
    int programs_ = 0;
};

QTEST_MAIN(TestTeacherGate)
#include "tst_teachergate.moc"
