#include "TestFiles.h"
#include "core/volumes/KernelVolumes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Adds a disk to a sysfs tree as the kernel lays it out: the device under its bus (`diskPath`
// below devices/), a partition as a subfolder holding a "partition" file (none: a filesystem on
// the whole disk), and the /dev/block/M:m link to it.
void AddDevice(const QString &root, const QString &diskPath, const QString &partition, int major,
    int minor, const QByteArray &removable, const QByteArray &cardType = {})
{
    const QString disk = root + u"/devices/"_s + diskPath;
    const QString target = partition.isEmpty() ? disk : disk + u'/' + partition;
    QVERIFY(QDir().mkpath(disk + u"/device"_s) && QDir().mkpath(root + u"/dev/block"_s));
    QVERIFY(TestFiles::Write(disk + u"/removable"_s, removable + '\n'));
    QVERIFY(cardType.isEmpty() || TestFiles::Write(disk + u"/device/type"_s, cardType + '\n'));
    QVERIFY(QDir().mkpath(target)
        && (partition.isEmpty() || TestFiles::Write(target + u"/partition"_s, "1\n")));
    QVERIFY(QFile::link(target, root + u"/dev/block/%1:%2"_s.arg(major).arg(minor)));
}

} // namespace

class TestVolumes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void kernelListsRemovableMounts()
    {
        QTemporaryDir dir;
        const QString sys = dir.filePath(u"sys"_s);
        // A USB stick whose controller calls it fixed, partitioned.
        AddDevice(sys, u"pci0000:00/usb1/1-1/block/sdb"_s, u"sdb1"_s, 8, 17, "0");
        // A card in a built-in reader is fixed but an SD card; soldered-in flash is not.
        AddDevice(sys, u"mmc0/mmc0:aaaa/block/mmcblk0"_s, u"mmcblk0p1"_s, 179, 1, "0", "SD");
        AddDevice(sys, u"mmc1/mmc1:0001/block/mmcblk1"_s, u"mmcblk1p2"_s, 179, 258, "0", "MMC");
        // A removable-media drive with a filesystem on the whole disk, and the internal disk.
        AddDevice(sys, u"pci0000:00/ata3/block/sdc"_s, QString(), 8, 32, "1");
        AddDevice(sys, u"pci0000:00/ata1/block/sda"_s, u"sda2"_s, 8, 2, "0");
        const QString table = dir.filePath(u"mountinfo"_s);
        QVERIFY(TestFiles::Write(table,
            "22 1 8:2 / / rw - ext4 /dev/sda2 rw\n"
            "30 22 8:17 / /media/u/STICK rw,nosuid shared:9 - vfat /dev/sdb1 rw\n"
            "31 22 179:1 / /media/u/MY\\040CARD\\011x\\134y rw - exfat /dev/mmcblk0p1 rw\n"
            "32 22 179:258 / /data rw - ext4 /dev/mmcblk1p2 rw\n"
            "33 22 8:32 / /mnt/disc rw - vfat /dev/sdc rw\n"
            "34 22 8:17 /photos /srv/photos rw - vfat /dev/sdb1 rw\n"
            "35 22 8:17 / /media/u/STICK rw - vfat /dev/sdb1 rw\n"
            "garbage line\n"));

        CKernelVolumes kernel(table, sys);
        QStringList seen;
        for (const RemovableVolume &volume : kernel.MountedVolumes())
            seen.append(volume.mountPath + u'|' + volume.label);
        QCOMPARE(seen,
            QStringList({ u"/media/u/STICK|STICK"_s, u"/media/u/MY CARD\tx\\y|MY CARD\tx\\y"_s,
                u"/mnt/disc|disc"_s }));
        EjectStatus removal = EjectStatus::Removed;
        kernel.Eject({ u"/mnt/disc"_s, {}, {} }, [&](const EjectResult &r) { removal = r.status; });
        QCOMPARE(removal, EjectStatus::NotPossible);
        QVERIFY(CKernelVolumes(dir.filePath(u"no-such-table"_s), sys).MountedVolumes().isEmpty());
    }

    void volumeHoldingAndChooserStart()
    {
        QTemporaryDir dir;
        QVERIFY(
            QDir(dir.path()).mkpath(u"card/sub/inner/x"_s) && QDir(dir.path()).mkpath(u"card2"_s));
        QVERIFY(QFile::link(dir.filePath(u"card/sub"_s), dir.filePath(u"link"_s)));
        const QList<RemovableVolume> volumes = { { dir.filePath(u"card"_s), u"CARD"_s, {} },
            { dir.filePath(u"card/sub/inner"_s), u"INNER"_s, {} } };
        QCOMPARE(VolumeHolding(volumes, dir.filePath(u"card"_s)), &volumes[0]);
        // Mounted inside the other, a link to a folder on it, a name that only begins the same.
        QCOMPARE(VolumeHolding(volumes, dir.filePath(u"card/sub/inner/x"_s)), &volumes[1]);
        QCOMPARE(VolumeHolding(volumes, dir.filePath(u"link"_s)), &volumes[0]);
        QVERIFY(!VolumeHolding(volumes, dir.filePath(u"card2"_s)));

        // A chooser opens on the remembered folder while it exists, before the one volume.
        QCOMPARE(ChooserStartFolder(dir.filePath(u"gone"_s), {}, dir.path()), dir.path());
        QCOMPARE(ChooserStartFolder(dir.filePath(u"card2"_s), { volumes[0] }, dir.path()),
            dir.filePath(u"card2"_s));
    }
};

QTEST_GUILESS_MAIN(TestVolumes)
#include "tst_volumes.moc"
