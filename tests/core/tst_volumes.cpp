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
    QVERIFY(QDir().mkpath(disk + u"/device"_s) && QDir().mkpath(root + u"/dev/block"_s));
    QVERIFY(TestFiles::Write(disk + u"/removable"_s, removable + '\n'));
    if (!cardType.isEmpty())
        QVERIFY(TestFiles::Write(disk + u"/device/type"_s, cardType + '\n'));
    const QString target = partition.isEmpty() ? disk : disk + u'/' + partition;
    if (!partition.isEmpty()) {
        QVERIFY(QDir().mkpath(target));
        QVERIFY(TestFiles::Write(target + u"/partition"_s, "1\n"));
    }
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
        AddDevice(sys,
            u"pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0/host6/target6:0:0/6:0:0:0/block/sdb"_s,
            u"sdb1"_s, 8, 17, "0");
        // A card in a built-in reader is fixed but an SD card; soldered-in flash is not.
        AddDevice(
            sys, u"platform/mmc/mmc0/mmc0:aaaa/block/mmcblk0"_s, u"mmcblk0p1"_s, 179, 1, "0", "SD");
        AddDevice(sys, u"platform/mmc/mmc1/mmc1:0001/block/mmcblk1"_s, u"mmcblk1p2"_s, 179, 258,
            "0", "MMC");
        // A removable-media drive with a filesystem on the whole disk, and the internal disk.
        AddDevice(sys, u"pci0000:00/0000:00:1f.2/ata3/block/sdc"_s, QString(), 8, 32, "1");
        AddDevice(sys, u"pci0000:00/0000:00:17.0/ata1/block/sda"_s, u"sda2"_s, 8, 2, "0");
        const QString table = dir.filePath(u"mountinfo"_s);
        QVERIFY(TestFiles::Write(table,
            "22 1 8:2 / / rw - ext4 /dev/sda2 rw\n"
            "24 22 0:45 / /tmp rw - tmpfs tmpfs rw\n"
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
            seen.append(volume.mountPath + u'|' + volume.label + u'|' + volume.ejectHandle);
        QCOMPARE(seen,
            QStringList({ u"/media/u/STICK|STICK|"_s, u"/media/u/MY CARD\tx\\y|MY CARD\tx\\y|"_s,
                u"/mnt/disc|disc|"_s }));
        EjectStatus removal = EjectStatus::Removed;
        kernel.Eject({ u"/mnt/disc"_s, u"disc"_s, {} },
            [&removal](const EjectResult &result) { removal = result.status; });
        QCOMPARE(removal, EjectStatus::NotPossible);
        QVERIFY(CKernelVolumes(dir.filePath(u"no-such-table"_s), sys).MountedVolumes().isEmpty());
    }

    void volumeHolding()
    {
        QTemporaryDir dir;
        QVERIFY(
            QDir(dir.path()).mkpath(u"card/sub/inner/x"_s) && QDir(dir.path()).mkpath(u"card2"_s));
        QVERIFY(QFile::link(dir.filePath(u"card/sub"_s), dir.filePath(u"link"_s)));
        const QList<RemovableVolume> volumes = { { dir.filePath(u"card"_s), u"CARD"_s, {} },
            { dir.filePath(u"card/sub/inner"_s), u"INNER"_s, {} } };
        const auto holder = [&](const QString &path) {
            const RemovableVolume *found = VolumeHolding(volumes, dir.filePath(path));
            return found ? found->label : u"none"_s;
        };
        QCOMPARE(holder(u"card"_s), u"CARD"_s);
        QCOMPARE(holder(u"card/sub/inner/x"_s), u"INNER"_s); // mounted inside the other
        QCOMPARE(holder(u"card2"_s), u"none"_s); // only begins the same
        QCOMPARE(holder(u"link"_s), u"CARD"_s); // a link to a folder on it
    }

    void chooserStart()
    {
        QTemporaryDir dir;
        const QString last = dir.filePath(u"last"_s), home = dir.filePath(u"home"_s);
        QCOMPARE(ChooserStartFolder(last, {}, home), home);
        QVERIFY(QDir(dir.path()).mkdir(u"last"_s));
        QCOMPARE(ChooserStartFolder(last, { { dir.filePath(u"vol"_s), u"V"_s, {} } }, home), last);
    }
};

QTEST_GUILESS_MAIN(TestVolumes)
#include "tst_volumes.moc"
