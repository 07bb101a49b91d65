#include "platform/removablemedia.h"

#include <QDir>
#include <QStorageInfo>
#include <QTest>

using namespace censaria;

namespace {

constexpr qint64 gigabyte = 1024LL * 1024 * 1024;

MountRecord mount(const QString &root, const QByteArray &device, const QString &name = QString())
{
    return {root, device, name, 8 * gigabyte, 3 * gigabyte, false, true};
}

QStringList listed(const QList<Medium> &media, QString Medium::*field = &Medium::rootPath)
{
    QStringList result;
    for (const Medium &medium : media)
        result.append(medium.*field);
    return result;
}

} // namespace

class TestRemovableMedia : public QObject
{
    Q_OBJECT

    // A desktop's mount table: system, home, pseudo file systems and what was plugged in.
    static QList<MountRecord> linuxMounts()
    {
        MountRecord readOnly = mount(QStringLiteral("/media/FOTO"), "/dev/sdc1", QStringLiteral("FOTO"));
        readOnly.readOnly = true;
        MountRecord notReady = mount(QStringLiteral("/media/mario/LETTORE"), "/dev/sdd");
        notReady.ready = false;
        return {
            mount(QStringLiteral("/"), "/dev/sda2"),
            mount(QStringLiteral("/home"), "/dev/sda3"),
            mount(QStringLiteral("/boot/efi"), "/dev/sda1"),
            mount(QStringLiteral("/run/user/1000"), "tmpfs"),
            mount(QStringLiteral("/media/mario/CHIAVETTA"), "/dev/sdb1", QStringLiteral("CHIAVETTA")),
            mount(QStringLiteral("/run/media/anna/SCHEDA/"), "/dev/mmcblk0p1"),
            readOnly,
            notReady,
            mount(QStringLiteral("/media/ramdisk"), "tmpfs"),
            mount(QStringLiteral("/media/mario/CASA"), "/dev/sda3"), // the home volume mounted again
            mount(QStringLiteral("/mediateca"), "/dev/sde1"),
            mount(QStringLiteral("/mnt/backup"), "/dev/sdf1"),
        };
    }
    static QList<MountRecord> linuxOwn() { return {mount(QStringLiteral("/"), "/dev/sda2"), mount(QStringLiteral("/home"), "/dev/sda3")}; }

private slots:
    void onlyDesktopMountedMediaAreOffered()
    {
        const QList<Medium> media = removableMedia(linuxMounts(), linuxOwn(), VolumeNaming::MountPoints);
        QCOMPARE(listed(media), (QStringList{QStringLiteral("/media/FOTO"), QStringLiteral("/media/mario/CHIAVETTA"),
                                             QStringLiteral("/run/media/anna/SCHEDA")}));
        // A medium without a volume name is called after its mount point.
        QCOMPARE(media[2].label, QStringLiteral("SCHEDA"));
        QCOMPARE(media[1].label, QStringLiteral("CHIAVETTA"));
        // A write-protected medium is still offered, so that the export can say it cannot write.
        QVERIFY(media[0].readOnly);
        QCOMPARE(media[1].bytesFree, 3 * gigabyte);
        // Each is listed by its label and size.
        Medium stick{QStringLiteral("/media/mario/CHIAVETTA"), QStringLiteral("CHIAVETTA"), 7 * gigabyte + gigabyte / 2,
                     3 * gigabyte + gigabyte / 5};
        QCOMPARE(describeMedium(stick), QStringLiteral("CHIAVETTA  (7,5 GB, liberi 3,2 GB)"));
        stick.readOnly = true;
        QVERIFY(describeMedium(stick).endsWith(QStringLiteral(" - protetto da scrittura")));
    }

    void theOwnVolumesAreNeverOffered()
    {
        // A home kept on a disk the desktop mounted under /media is still this computer's own.
        const QList<MountRecord> mounts{mount(QStringLiteral("/"), "/dev/nvme0n1p2"),
                                        mount(QStringLiteral("/media/mario/DATI"), "/dev/nvme0n1p3", QStringLiteral("DATI")),
                                        mount(QStringLiteral("/media/mario/USB"), "/dev/sdb1", QStringLiteral("USB"))};
        const QList<MountRecord> own{mount(QStringLiteral("/"), "/dev/nvme0n1p2"),
                                     mount(QStringLiteral("/media/mario/DATI/"), "/dev/nvme0n1p3")};
        QCOMPARE(listed(removableMedia(mounts, own, VolumeNaming::MountPoints)), QStringList{QStringLiteral("/media/mario/USB")});
        QVERIFY(removableMedia(own, own, VolumeNaming::MountPoints).isEmpty());
        QVERIFY(removableMedia({}, own, VolumeNaming::MountPoints).isEmpty());
    }

    void twoSticksOfOneMakeAreToldApart()
    {
        const QList<MountRecord> mounts{mount(QStringLiteral("/media/anna/USB DISK"), "/dev/sdb1", QStringLiteral("USB DISK")),
                                        mount(QStringLiteral("/media/anna/USB DISK1"), "/dev/sdc1", QStringLiteral("USB DISK")),
                                        mount(QStringLiteral("/media/anna/3B"), "/dev/sdd1", QStringLiteral("3B"))};
        QCOMPARE(listed(removableMedia(mounts, linuxOwn(), VolumeNaming::MountPoints), &Medium::label),
                 (QStringList{"3B", "USB DISK", "USB DISK1"}));

        const QList<MountRecord> drives{mount(QStringLiteral("E:/"), "e", QStringLiteral("USB")),
                                        mount(QStringLiteral("F:/"), "f", QStringLiteral("USB"))};
        QCOMPARE(listed(removableMedia(drives, {}, VolumeNaming::DriveLetters), &Medium::label), (QStringList{"USB (E:)", "USB (F:)"}));
    }

    void driveLettersOfferDriveAFirst()
    {
        MountRecord missingDiskette = mount(QStringLiteral("A:/"), "\\\\?\\Volume{a}\\");
        missingDiskette.ready = false;
        const QList<MountRecord> own{mount(QStringLiteral("C:/"), "\\\\?\\Volume{c}\\")};
        QList<MountRecord> mounts{mount(QStringLiteral("E:/"), "\\\\?\\Volume{e}\\", QStringLiteral("CHIAVETTA")),
                                  mount(QStringLiteral("C:/"), "\\\\?\\Volume{c}\\"), mount(QStringLiteral("D:\\"), "\\\\?\\Volume{d}\\"),
                                  missingDiskette};
        QCOMPARE(listed(removableMedia(mounts, own, VolumeNaming::DriveLetters)), (QStringList{QStringLiteral("D:/"), QStringLiteral("E:/")}));

        mounts.append(mount(QStringLiteral("a:/"), "\\\\?\\Volume{a}\\"));
        const QList<Medium> media = removableMedia(mounts, own, VolumeNaming::DriveLetters);
        QCOMPARE(listed(media), (QStringList{QStringLiteral("a:/"), QStringLiteral("D:/"), QStringLiteral("E:/")}));
        QCOMPARE(media[0].label, QStringLiteral("a:\\"));
    }

    void thisComputersOwnDisksAreNeverOffered()
    {
        // Whatever is mounted on the machine running the tests, its system and home
        // volumes must not come out of the real seam.
        const QStringList offered = listed(MountedMedia().media());
        QVERIFY(!offered.contains(QDir::cleanPath(QStorageInfo::root().rootPath())));
        QVERIFY(!offered.contains(QDir::cleanPath(QStorageInfo(QDir::homePath()).rootPath())));
#ifndef Q_OS_WIN
        for (const QString &root : offered)
            QVERIFY2(root.startsWith(QLatin1String("/media/")) || root.startsWith(QLatin1String("/run/media/")), qPrintable(root));
#endif
    }
};

QTEST_GUILESS_MAIN(TestRemovableMedia)
#include "tst_removablemedia.moc"
