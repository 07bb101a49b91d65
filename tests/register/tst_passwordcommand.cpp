// The technician's command for the teacher's password, run as a process, as sudo runs it.
#include "register/teacherpassword.h"
#include "ownfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace censaria::classregister;

namespace {

struct Run
{
    int exitCode = -1;
    QString said; // what the technician reads on the terminal
};

// The command with its standard input from a pipe, as in `echo ... | sudo censaria-password`.
Run runCommand(const QStringList &arguments, const QByteArray &input)
{
    QProcess process;
    process.start(QStringLiteral(PASSWORD_COMMAND), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError())};
}

} // namespace

class TestPasswordCommand : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString file() const { return dir_.filePath(QStringLiteral("etc/censaria/registro.ini")); }
    Run set(const QByteArray &input) { return runCommand({QStringLiteral("--file"), file(), QStringLiteral("--group"), ownGroup()}, input); }
    TeacherPassword::Answer check(const QString &password)
    {
        static int minute = 0; // a new minute for each try: no pause carries over
        return TeacherPassword(file(), QString()).check(password, QDateTime(QDate(2026, 3, 12), QTime(10, ++minute % 60)));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        QVERIFY(QDir().mkpath(dir_.filePath(QStringLiteral("etc"))));
        QVERIFY(chmod(QFile::encodeName(dir_.filePath(QStringLiteral("etc"))).constData(), 0755) == 0);
    }

    void setsThePasswordTheProgramChecks()
    {
        const Run run = set("Càsa-2026!\n");
        QVERIFY2(run.exitCode == 0, qPrintable(run.said));
        QVERIFY(run.said.contains(file()));
        QCOMPARE(check(QStringLiteral("Càsa-2026!")), TeacherPassword::Answer::Accepted);
        // The command writes its own file text: never the password, and a slow hash.
        const QByteArray stored = contentOf(file());
        QVERIFY(!stored.contains("2026"));
        QVERIFY(stored.contains("iterations=100000"));
        QCOMPARE(QFileInfo(file()).permissions(),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ReadGroup);
        QCOMPARE(QFileInfo(file()).groupId(), getegid());
        QCOMPARE(QFileInfo(QFileInfo(file()).path()).permissions() & QFileDevice::WriteGroup, QFileDevice::Permissions());
    }

    // A password too short, or none at all, changes nothing.
    void aShortPasswordChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::newRow("seven characters") << QByteArray("segreto\n");
        QTest::newRow("nothing") << QByteArray();
    }
    void aShortPasswordChangesNothing()
    {
        QFETCH(QByteArray, input);
        QCOMPARE(set("Càsa-2026!\n").exitCode, 0);
        const QByteArray before = contentOf(file());
        const Run run = set(input);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.said.contains(QStringLiteral("almeno 8 caratteri")), qPrintable(run.said));
        QCOMPARE(contentOf(file()), before);
    }

    // A pupil's link where the file goes, and one where its folder goes.
    void plantedLinksAreNeverFollowed()
    {
        const QString shadow = dir_.filePath(QStringLiteral("shadow"));
        QVERIFY(writeBytes(shadow, "root:segreto\n"));
        QFile::remove(file());
        QVERIFY(QFile::link(shadow, file()));
        QCOMPARE(set("Càsa-2026!\n").exitCode, 0);
        QCOMPARE(contentOf(shadow), QByteArray("root:segreto\n"));
        QVERIFY(!QFileInfo(file()).isSymLink());
        QCOMPARE(check(QStringLiteral("Càsa-2026!")), TeacherPassword::Answer::Accepted);

        const QString away = dir_.filePath(QStringLiteral("altrove"));
        QVERIFY(QDir().mkpath(away));
        QVERIFY(QFile::link(away, dir_.filePath(QStringLiteral("etc/link"))));
        const Run run = runCommand({QStringLiteral("--file"), dir_.filePath(QStringLiteral("etc/link/registro.ini")), QStringLiteral("--group"),
                                    ownGroup()},
                                   "Càsa-2026!\n");
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.said.contains(QStringLiteral("collegamento")), qPrintable(run.said));
        QCOMPARE(QDir(away).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestPasswordCommand)
#include "tst_passwordcommand.moc"
