#include "core/volumes/KernelVolumes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A sysfs tree as the kernel lays it out: devices under their bus, /dev/block/M:m links to them,
// a partition as a subfolder of its disk holding a "partition" file.
class CFakeSys
{
public:
    explicit CFakeSys(const QString &root)
        : m_root(root)
    {
        QDir(m_root).mkpath(u"dev/block"_s);
    }

    // `diskPath` below devices/, e.g. "pci0000:00/usb1/1-1/block/sdb"; `partition` empty for a
    // filesystem on the whole disk.
    void AddDevice(const QString &diskPath, const QString &partition, int major, int minor,
        const QByteArray &removable, const QByteArray &cardType = {})
    {
        const QString disk = m_root + u"/devices/"_s + diskPath;
        QDir().mkpath(disk);
        Write(disk + u"/removable"_s, removable + '\n');
        if (!cardType.isEmpty()) {
            QDir().mkpath(disk + u"/device"_s);
            Write(disk + u"/device/type"_s, cardType + '\n');
        }
        QString target = disk;
        if (!partition.isEmpty()) {
            target = disk + u'/' + partition;
            QDir().mkpath(target);
            Write(target + u"/partition"_s, "1\n");
        }
        QFile::link(target, m_root + u"/dev/block/%1:%2"_s.arg(major).arg(minor));
    }

private:
    static void Write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QString m_root;
};

} // namespace

class TestVolumes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mountInfoFields_data();
    void mountInfoFields();
    void kernelListsRemovableMounts();
    void volumeHolding_data();
    void volumeHolding();
    void chooserStart_data();
    void chooserStart();
};

void TestVolumes::mountInfoFields_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("mountPoint");
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("fileSystem");
    QTest::addColumn<QString>("source");

    QTest::newRow("no optional fields")
        << QByteArray("36 35 8:17 / /media/u/CARD rw,nosuid - vfat /dev/sdb1 rw\n") << 1
        << u"/media/u/CARD"_s << u"/"_s << u"vfat"_s << u"/dev/sdb1"_s;
    QTest::newRow("several optional fields")
        << QByteArray("36 35 8:17 / /mnt rw shared:5 master:1 - ext4 /dev/sdb1 rw") << 1
        << u"/mnt"_s << u"/"_s << u"ext4"_s << u"/dev/sdb1"_s;
    QTest::newRow("blank, tab and backslash escaped")
        << QByteArray("40 1 179:1 / /media/u/MY\\040CARD\\011x\\134y rw - exfat /dev/mmcblk0p1 rw")
        << 1 << u"/media/u/MY CARD\tx\\y"_s << u"/"_s << u"exfat"_s << u"/dev/mmcblk0p1"_s;
    QTest::newRow("UTF-8 label") << QByteArray(
        "40 1 8:1 / /media/u/K\xc3\xa4rtchen rw - vfat /dev/sda1 rw")
                                 << 1 << u"/media/u/K\u00e4rtchen"_s << u"/"_s << u"vfat"_s
                                 << u"/dev/sda1"_s;
    QTest::newRow("bind mount of a folder")
        << QByteArray("50 1 8:17 /photos /srv/p rw - vfat /dev/sdb1 rw") << 1 << u"/srv/p"_s
        << u"/photos"_s << u"vfat"_s << u"/dev/sdb1"_s;
    QTest::newRow("no separator") << QByteArray("36 35 8:17 / /mnt rw vfat /dev/sdb1 rw") << 0
                                  << QString() << QString() << QString() << QString();
    QTest::newRow("device number not numeric")
        << QByteArray("36 35 x:17 / /mnt rw - vfat /dev/sdb1 rw") << 0 << QString() << QString()
        << QString() << QString();
    QTest::newRow("cut short after separator") << QByteArray("36 35 8:17 / /mnt rw - vfat") << 0
                                               << QString() << QString() << QString() << QString();
    QTest::newRow("empty") << QByteArray() << 0 << QString() << QString() << QString() << QString();
}

void TestVolumes::mountInfoFields()
{
    QFETCH(QByteArray, line);
    QFETCH(int, count);
    const QList<MountInfoEntry> entries = ParseMountInfo(line);
    QCOMPARE(entries.size(), count);
    if (count == 0)
        return;
    QFETCH(QString, mountPoint);
    QFETCH(QString, root);
    QFETCH(QString, fileSystem);
    QFETCH(QString, source);
    QCOMPARE(entries[0].mountPoint, mountPoint);
    QCOMPARE(entries[0].root, root);
    QCOMPARE(entries[0].fileSystem, fileSystem);
    QCOMPARE(entries[0].source, source);
}

void TestVolumes::kernelListsRemovableMounts()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString sysRoot = dir.filePath(u"sys"_s);
    CFakeSys sys(sysRoot);
    // A USB stick whose controller calls it fixed, partitioned.
    sys.AddDevice(u"pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0/host6/target6:0:0/6:0:0:0/block/sdb"_s,
        u"sdb1"_s, 8, 17, "0");
    // A card in a built-in reader: fixed, but an SD card.
    sys.AddDevice(
        u"platform/mmc/mmc0/mmc0:aaaa/block/mmcblk0"_s, u"mmcblk0p1"_s, 179, 1, "0", "SD");
    // Soldered-in flash on the same bus: not removable.
    sys.AddDevice(
        u"platform/mmc/mmc1/mmc1:0001/block/mmcblk1"_s, u"mmcblk1p2"_s, 179, 258, "0", "MMC");
    // A removable-media drive with a filesystem on the whole disk.
    sys.AddDevice(u"pci0000:00/0000:00:1f.2/ata3/block/sdc"_s, QString(), 8, 32, "1");
    // The internal disk.
    sys.AddDevice(u"pci0000:00/0000:00:17.0/ata1/block/sda"_s, u"sda2"_s, 8, 2, "0");

    const QByteArray table = "22 1 8:2 / / rw - ext4 /dev/sda2 rw\n"
                             "23 22 0:21 / /proc rw - proc proc rw\n"
                             "24 22 0:45 / /tmp rw - tmpfs tmpfs rw\n"
                             "30 22 8:17 / /media/u/STICK rw,nosuid shared:9 - vfat /dev/sdb1 rw\n"
                             "31 22 179:1 / /media/u/MY\\040CARD rw - exfat /dev/mmcblk0p1 rw\n"
                             "32 22 179:258 / /data rw - ext4 /dev/mmcblk1p2 rw\n"
                             "33 22 8:32 / /mnt/disc rw - vfat /dev/sdc rw\n"
                             "34 22 8:17 /photos /srv/photos rw - vfat /dev/sdb1 rw\n"
                             "35 22 8:17 / /media/u/STICK rw - vfat /dev/sdb1 rw\n"
                             "garbage line\n";
    const QString tablePath = dir.filePath(u"mountinfo"_s);
    QFile file(tablePath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(table);
    file.close();

    CKernelVolumes kernel(tablePath, sysRoot);
    QStringList seen;
    for (const RemovableVolume &volume : kernel.MountedVolumes()) {
        seen.append(volume.mountPath + u'|' + volume.label);
        QVERIFY(volume.ejectHandle.isEmpty());
    }
    const QStringList expected
        = { u"/media/u/STICK|STICK"_s, u"/media/u/MY CARD|MY CARD"_s, u"/mnt/disc|disc"_s };
    QCOMPARE(seen, expected);
    EjectStatus removal = EjectStatus::Removed;
    kernel.Eject({ u"/mnt/disc"_s, u"disc"_s, {} },
        [&removal](const EjectResult &result) { removal = result.status; });
    QCOMPARE(removal, EjectStatus::NotPossible);

    CKernelVolumes absent(dir.filePath(u"no-such-table"_s), sysRoot);
    QVERIFY(absent.MountedVolumes().isEmpty());
}

void TestVolumes::volumeHolding_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected"); // label, empty for none

    QTest::newRow("the mount point itself") << u"card"_s << u"CARD"_s;
    QTest::newRow("a folder on it") << u"card/sub"_s << u"CARD"_s;
    QTest::newRow("a folder on a volume mounted inside it") << u"card/sub/inner/x"_s << u"INNER"_s;
    QTest::newRow("a name that only begins the same") << u"card2"_s << QString();
    QTest::newRow("a link to a folder on it") << u"link"_s << u"CARD"_s;
    QTest::newRow("elsewhere") << u"other"_s << QString();
}

void TestVolumes::volumeHolding()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString &folder : { u"card/sub/inner/x"_s, u"card2"_s, u"other"_s })
        QVERIFY(QDir(dir.path()).mkpath(folder));
    QVERIFY(QFile::link(dir.filePath(u"card/sub"_s), dir.filePath(u"link"_s)));
    const QList<RemovableVolume> volumes = {
        { dir.filePath(u"card"_s), u"CARD"_s, {} },
        { dir.filePath(u"card/sub/inner"_s), u"INNER"_s, {} },
    };
    const RemovableVolume *found = VolumeHolding(volumes, dir.filePath(path));
    QCOMPARE(found ? found->label : QString(), expected);
}

void TestVolumes::chooserStart_data()
{
    QTest::addColumn<bool>("rememberedExists");
    QTest::addColumn<int>("volumeCount");
    QTest::addColumn<QString>("expected"); // "remembered", "volume" or "fallback"

    QTest::newRow("remembered folder exists, one volume") << true << 1 << u"remembered"_s;
    QTest::newRow("remembered folder gone, one volume") << false << 1 << u"volume"_s;
    QTest::newRow("remembered folder gone, two volumes") << false << 2 << u"fallback"_s;
    QTest::newRow("remembered folder gone, no volume") << false << 0 << u"fallback"_s;
}

void TestVolumes::chooserStart()
{
    QFETCH(bool, rememberedExists);
    QFETCH(int, volumeCount);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString remembered = dir.filePath(u"last"_s);
    if (rememberedExists)
        QVERIFY(QDir().mkpath(remembered));
    QList<RemovableVolume> volumes;
    for (int i = 0; i < volumeCount; ++i)
        volumes.append({ dir.filePath(u"vol%1"_s.arg(i)), u"V%1"_s.arg(i), {} });
    const QString fallback = dir.filePath(u"home"_s);
    const QString start = ChooserStartFolder(remembered, volumes, fallback);
    if (expected == u"remembered")
        QCOMPARE(start, remembered);
    else if (expected == u"volume")
        QCOMPARE(start, volumes.first().mountPath);
    else
        QCOMPARE(start, fallback);
}

QTEST_GUILESS_MAIN(TestVolumes)
#include "tst_volumes.moc"
