// The file a command run as root writes for the group to read: no link or folder that
// another account planted on its way is ever followed.
#include "platform/protectedfile.h"
#include "ownfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace censaria;

namespace {

struct stat statOf(const QString &path)
{
    struct stat info
    {
    };
    lstat(QFile::encodeName(path).constData(), &info);
    return info;
}

} // namespace

class TestProtectedFile : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_ = std::make_unique<QTemporaryDir>();
    QString path(const QString &relative) const { return dir_->filePath(relative); }
    // A folder only its owner may change, whatever the umask.
    bool makeFolder(const QString &relative) const
    {
        QString walked = dir_->path();
        for (const QString &part : relative.split(u'/')) {
            walked += u'/' + part;
            if (!QDir().mkpath(walked) || chmod(QFile::encodeName(walked).constData(), 0755) != 0)
                return false;
        }
        return true;
    }
    bool write(const QString &file, const QByteArray &text, QString *error = nullptr)
    {
        return writeProtectedFile(file, text, ownGroup(), 0640, error);
    }

private slots:
    void init()
    {
        QVERIFY(dir_->isValid());
        QVERIFY(!ownGroup().isEmpty());
    }
    void cleanup() { dir_ = std::make_unique<QTemporaryDir>(); }

    void theLastFolderIsMadeAndTheFileWrittenWhole()
    {
        const QString file = path(QStringLiteral("etc/censaria/registro.ini"));
        QVERIFY(makeFolder(QStringLiteral("etc")));
        QString error;
        // A root shell hardened with umask 077 still makes a folder the group can enter.
        const mode_t umaskBefore = umask(077);
        const bool written = write(file, "primo\n", &error);
        umask(umaskBefore);
        QVERIFY2(written, qPrintable(error));
        QCOMPARE(contentOf(file), QByteArray("primo\n"));
        QCOMPARE(statOf(file).st_mode & 07777, mode_t(0640));
        QCOMPARE(statOf(file).st_gid, getegid());
        QCOMPARE(statOf(path(QStringLiteral("etc/censaria"))).st_mode & 07777, mode_t(0755));
        // Written again: the new text in place of the old, and nothing else left beside it.
        QVERIFY(write(file, "secondo\n"));
        QCOMPARE(contentOf(file), QByteArray("secondo\n"));
        QCOMPARE(QDir(path(QStringLiteral("etc/censaria"))).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("registro.ini")});
        // Only the last folder is made: a whole missing path is a mistake in it.
        QVERIFY(!write(path(QStringLiteral("altro/censaria/registro.ini")), "x", &error));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("altro"))));
    }

    // A link in place of the file is replaced, never written through.
    void aLinkAtTheFileIsReplacedNotFollowed()
    {
        const QString target = path(QStringLiteral("shadow"));
        QVERIFY(writeBytes(target, "root:segreto\n"));
        QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QVERIFY(makeFolder(QStringLiteral("censaria")));
        const QString file = path(QStringLiteral("censaria/registro.ini"));
        QVERIFY(QFile::link(target, file));
        QVERIFY(write(file, "impronta\n"));
        QVERIFY(!QFileInfo(file).isSymLink());
        QCOMPARE(contentOf(file), QByteArray("impronta\n"));
        QCOMPARE(contentOf(target), QByteArray("root:segreto\n"));
        QCOMPARE(statOf(target).st_mode & 07777, mode_t(0600));
    }

    void plantedFoldersAndLinksOnTheWayAreRefused_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reason");
        QTest::newRow("the folder is a link") << QStringLiteral("link/registro.ini") << QStringLiteral("collegamento");
        QTest::newRow("a folder on the way is a link") << QStringLiteral("link/sotto/registro.ini") << QStringLiteral("collegamento");
        QTest::newRow("others may write the folder") << QStringLiteral("aperta/registro.ini") << QStringLiteral("altri utenti");
        QTest::newRow("others may write a folder on the way") << QStringLiteral("aperta/chiusa/registro.ini") << QStringLiteral("altri utenti");
        QTest::newRow("a file where the folder goes") << QStringLiteral("file/registro.ini") << QStringLiteral("non è una cartella");
        QTest::newRow("a way back up") << QStringLiteral("chiusa/../registro.ini") << QStringLiteral("non è valido");
    }
    void plantedFoldersAndLinksOnTheWayAreRefused()
    {
        QFETCH(QString, file);
        QFETCH(QString, reason);
        const QString elsewhere = path(QStringLiteral("altrove"));
        QVERIFY(makeFolder(QStringLiteral("altrove/sotto")));
        QVERIFY(QFile::link(elsewhere, path(QStringLiteral("link"))));
        QVERIFY(makeFolder(QStringLiteral("aperta/chiusa")));
        QVERIFY(chmod(QFile::encodeName(path(QStringLiteral("aperta"))).constData(), 0775) == 0);
        QVERIFY(makeFolder(QStringLiteral("chiusa")));
        QVERIFY(writeBytes(path(QStringLiteral("file")), {}));

        QString error;
        QVERIFY(!write(path(file), "impronta\n", &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QCOMPARE(QDir(elsewhere).entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(QDir(elsewhere + QStringLiteral("/sotto")).entryList(QDir::Files | QDir::Hidden), QStringList());
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("aperta/registro.ini"))));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("registro.ini"))));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("aperta/chiusa/registro.ini"))));
    }

    // Where the tests run as root, a folder that belongs to a pupil is refused too.
    void aFolderOfAnotherAccountIsRefused()
    {
        if (geteuid() != 0)
            QSKIP("only root can give a folder to another account");
        QVERIFY(makeFolder(QStringLiteral("alunno")));
        QVERIFY(chown(QFile::encodeName(path(QStringLiteral("alunno"))).constData(), 65534, 65534) == 0);
        QString error;
        QVERIFY(!write(path(QStringLiteral("alunno/registro.ini")), "x", &error));
        QVERIFY2(error.contains(QStringLiteral("altro utente")), qPrintable(error));
    }

    void anUnknownGroupOrARelativePathWritesNothing()
    {
        QString error;
        QVERIFY(!writeProtectedFile(path(QStringLiteral("registro.ini")), "x", QStringLiteral("nessun-gruppo-così"), 0640, &error));
        QVERIFY(error.contains(QStringLiteral("gruppo")));
        QVERIFY(!writeProtectedFile(QStringLiteral("etc/registro.ini"), "x", ownGroup(), 0640, &error));
        QVERIFY(error.contains(QStringLiteral("assoluto")));
        QCOMPARE(QDir(dir_->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestProtectedFile)
#include "tst_protectedfile.moc"
