#include "screenkit/svgpicture.h"
#include "ownfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace censaria;

namespace {

const QString menu = QStringLiteral(":/pictures/menu.svg");

// The one copy a folder keeps.
QString keptCopy(const QString &folder)
{
    const QStringList files = QDir(folder).entryList(QDir::Files | QDir::System | QDir::Dirs | QDir::NoDotAndDotDot);
    return files.size() == 1 ? QDir(folder).filePath(files.first()) : QString();
}

} // namespace

class TestSvgPicture : public QObject
{
    Q_OBJECT
private slots:
    // The copy kept is read back exactly, pixel for pixel and transparency included, at
    // the sizes of the menu's picture on the classrooms' displays.
    void keptCopyIsReadBackExactly_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("1024x768") << QSize(635, 215);
        QTest::newRow("3840x2160") << QSize(1786, 605);
    }
    void keptCopyIsReadBackExactly()
    {
        QFETCH(QSize, size);
        QTemporaryDir cache;
        const QImage drawn = svgPicture(menu, size, QString());
        QCOMPARE(drawn.size(), size);
        QCOMPARE(svgPicture(menu, size, cache.path()), drawn);
        const QString kept = keptCopy(cache.path());
        QVERIFY(!kept.isEmpty());
        QCOMPARE(svgPicture(menu, size, cache.path()), drawn);

        // The pixels come from the copy: one changed in the file shows in the picture.
        QByteArray bytes = contentOf(kept);
        const qint64 pixels = qint64(size.width()) * size.height() * 4;
        QCOMPARE(bytes.size() > pixels, true);
        const qint64 last = bytes.size() - 4; // the bottom right pixel, premultiplied
        bytes[last] = char(0x11), bytes[last + 1] = char(0x22), bytes[last + 2] = char(0x33), bytes[last + 3] = char(0x44);
        QVERIFY(writeBytes(kept, bytes));
        const QImage read = svgPicture(menu, size, cache.path());
        QCOMPARE(read.pixel(size.width() - 1, size.height() - 1), qRgba(0x33, 0x22, 0x11, 0x44));
        QCOMPARE(read.copy(0, 0, size.width(), size.height() - 1), drawn.copy(0, 0, size.width(), size.height() - 1));
    }

    // A pupil may put anything in his own cache folder: whatever is not a copy of this
    // very picture is drawn again, replaced where it can be, and never hangs the program.
    void aBadCopyCountsAsAbsent_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"empty", "cut short", "one byte more", "another size", "garbage", "folder", "pipe", "link"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void aBadCopyCountsAsAbsent()
    {
        QFETCH(QString, kind);
        const QSize size(400, 136);
        QTemporaryDir cache;
        const QImage drawn = svgPicture(menu, size, cache.path());
        const QString kept = keptCopy(cache.path());
        const QByteArray good = contentOf(kept);
        QVERIFY(QFile::remove(kept));
        if (kind == QLatin1String("empty"))
            QVERIFY(writeBytes(kept, {}));
        else if (kind == QLatin1String("cut short"))
            QVERIFY(writeBytes(kept, good.left(good.size() - 1)));
        else if (kind == QLatin1String("one byte more"))
            QVERIFY(writeBytes(kept, good + 'x'));
        else if (kind == QLatin1String("another size"))
            svgPicture(menu, size.transposed(), cache.path());
        else if (kind == QLatin1String("garbage"))
            QVERIFY(writeBytes(kept, QByteArray(good.size(), 'x')));
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(QDir(kept).filePath(QStringLiteral("inside"))));
        else if (kind == QLatin1String("pipe"))
            QCOMPARE(mkfifo(QFile::encodeName(kept).constData(), 0600), 0);
        else
            QVERIFY(writeBytes(cache.filePath(QStringLiteral("elsewhere")), "another file") && QFile::link(QStringLiteral("elsewhere"), kept));

        QCOMPARE(svgPicture(menu, size, cache.path()), drawn);
        if (kind != QLatin1String("folder")) {
            QVERIFY(!QFileInfo(kept).isSymLink());
            QCOMPARE(contentOf(kept), good);
        }
        if (kind == QLatin1String("link"))
            QCOMPARE(contentOf(cache.filePath(QStringLiteral("elsewhere"))), QByteArray("another file"));
    }

    // Another picture under the same name (the program updated) is drawn anew.
    void aChangedPictureIsDrawnAgain()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("picture.svg"));
        const QString cache = folder.filePath(QStringLiteral("cache"));
        const QByteArray square = R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 10 10"><rect width="5" height="5" fill="%1"/></svg>)";
        QVERIFY(writeBytes(file, QByteArray(square).replace("%1", "red")));
        QCOMPARE(svgPicture(file, QSize(20, 20), cache).pixel(2, 2), qRgb(255, 0, 0));
        QVERIFY(writeBytes(file, QByteArray(square).replace("%1", "blue")));
        QCOMPARE(svgPicture(file, QSize(20, 20), cache).pixel(2, 2), qRgb(0, 0, 255));
        QCOMPARE(svgPicture(file, QSize(20, 20), cache).pixel(15, 15), qRgba(0, 0, 0, 0));
    }

    // Without a usable cache folder the picture is drawn all the same; a missing file
    // gives a transparent picture and keeps nothing.
    void drawnWithoutAUsableFolder()
    {
        QTemporaryDir temp;
        const QString blocked = temp.filePath(QStringLiteral("a file"));
        QVERIFY(writeBytes(blocked, "not a folder"));
        const QImage drawn = svgPicture(menu, QSize(300, 100), QString());
        QCOMPARE(svgPicture(menu, QSize(300, 100), QDir(blocked).filePath(QStringLiteral("cache"))), drawn);

        const QString cache = temp.filePath(QStringLiteral("cache"));
        const QImage missing = svgPicture(QStringLiteral(":/pictures/none.svg"), QSize(30, 30), cache);
        QCOMPARE(missing.size(), QSize(30, 30));
        QCOMPARE(missing.pixel(15, 15), qRgba(0, 0, 0, 0));
        QVERIFY(!QDir(cache).exists());
    }
};

QTEST_MAIN(TestSvgPicture)
#include "tst_svgpicture.moc"
