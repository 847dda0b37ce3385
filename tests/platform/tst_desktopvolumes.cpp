#include "UDisksMock.h"
#include "platform/DesktopVolumes.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

QVariantMap Drive(
    bool removable, bool mediaRemovable, const QString &connectionBus, bool canPowerOff = true)
{
    return { { u"Removable"_s, removable }, { u"MediaRemovable"_s, mediaRemovable },
        { u"ConnectionBus"_s, connectionBus }, { u"CanPowerOff"_s, canPowerOff } };
}

QStringList Listed(const QList<RemovableVolume> &volumes)
{
    QStringList lines;
    for (const RemovableVolume &volume : volumes)
        lines.append(volume.mountPath + u'|' + volume.label + u'|' + volume.ejectHandle);
    return lines;
}

} // namespace

class TestDesktopVolumes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void listsRemovableFilesystems_data();
    void listsRemovableFilesystems();
    void kernelTablesWithoutService();
    void removal_data();
    void removal();
    void removalOfVolumeAlreadyGone();

private:
    CPrivateBus m_bus;
    CPrivateBus m_emptyBus;
    CUDisksMock m_udisks;
};

void TestDesktopVolumes::initTestCase()
{
    QVERIFY(m_bus.Start(u"udisks-bus"_s));
    QVERIFY(m_emptyBus.Start(u"empty-bus"_s));
    QVERIFY(m_udisks.Start(m_bus));
}

void TestDesktopVolumes::init()
{
    QVERIFY(m_udisks.Reset());
}

void TestDesktopVolumes::listsRemovableFilesystems_data()
{
    QTest::addColumn<QVariantMap>("drive");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QStringList>("mountPoints");
    QTest::addColumn<bool>("hintIgnore");
    QTest::addColumn<QStringList>("expected");

    const QString handle = CUDisksMock::BlockPath(u"sdb1"_s);
    QTest::newRow("USB stick its controller calls fixed")
        << Drive(false, false, u"usb"_s) << u"STICK"_s << QStringList { u"/media/u/STICK"_s }
        << false << QStringList { u"/media/u/STICK|STICK|"_s + handle };
    QTest::newRow("card in a built-in reader")
        << Drive(false, false, u"sdio"_s) << u"CARD"_s << QStringList { u"/media/u/CARD"_s }
        << false << QStringList { u"/media/u/CARD|CARD|"_s + handle };
    QTest::newRow("drive with removable media")
        << Drive(false, true, QString()) << u"DISC"_s << QStringList { u"/mnt/disc"_s } << false
        << QStringList { u"/mnt/disc|DISC|"_s + handle };
    QTest::newRow("removable drive")
        << Drive(true, false, QString()) << u"R"_s << QStringList { u"/mnt/r"_s } << false
        << QStringList { u"/mnt/r|R|"_s + handle };
    QTest::newRow("no label: the mount point's name")
        << Drive(false, false, u"usb"_s) << QString() << QStringList { u"/media/u/1A2B-3C4D"_s }
        << false << QStringList { u"/media/u/1A2B-3C4D|1A2B-3C4D|"_s + handle };
    QTest::newRow("label with blanks and accents")
        << Drive(false, false, u"usb"_s) << u"Mes Fichiers \u00e9t\u00e9"_s
        << QStringList { u"/media/u/Mes Fichiers \u00e9t\u00e9"_s } << false
        << QStringList { u"/media/u/Mes Fichiers \u00e9t\u00e9|Mes Fichiers \u00e9t\u00e9|"_s
               + handle };
    QTest::newRow("mounted twice")
        << Drive(false, false, u"usb"_s) << u"S"_s << QStringList { u"/media/u/S"_s, u"/mnt/s"_s }
        << false << QStringList { u"/media/u/S|S|"_s + handle, u"/mnt/s|S|"_s + handle };
    QTest::newRow("internal disk") << Drive(false, false, u"ata"_s) << u"DATA"_s
                                   << QStringList { u"/data"_s } << false << QStringList();
    QTest::newRow("not mounted") << Drive(false, false, u"usb"_s) << u"STICK"_s << QStringList()
                                 << false << QStringList();
    QTest::newRow("marked to be ignored")
        << Drive(false, false, u"usb"_s) << u"STICK"_s << QStringList { u"/media/u/STICK"_s }
        << true << QStringList();
    QTest::newRow("system started from a stick")
        << Drive(false, false, u"usb"_s) << u"LIVE"_s << QStringList { u"/"_s } << false
        << QStringList();
}

void TestDesktopVolumes::listsRemovableFilesystems()
{
    QFETCH(QVariantMap, drive);
    QFETCH(QString, label);
    QFETCH(QStringList, mountPoints);
    QFETCH(bool, hintIgnore);
    QFETCH(QStringList, expected);

    QVERIFY(m_udisks.AddDrive(u"disk"_s, drive));
    QVERIFY(m_udisks.AddFilesystem(u"sdb1"_s, u"disk"_s, label, mountPoints, {}, hintIgnore));
    // A filesystem without a drive (a loop device) is never offered.
    QVERIFY(m_udisks.AddFilesystem(u"loop0"_s, QString(), u"LOOP"_s, { u"/mnt/loop"_s }));

    CDesktopVolumes volumes(m_bus.Connection(), u"/nonexistent"_s, u"/nonexistent"_s);
    QCOMPARE(Listed(volumes.MountedVolumes()), expected);
}

void TestDesktopVolumes::kernelTablesWithoutService()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString disk = dir.filePath(u"sys/devices/usb1/1-1/block/sdb"_s);
    QVERIFY(QDir().mkpath(disk + u"/sdb1"_s));
    QVERIFY(QDir().mkpath(dir.filePath(u"sys/dev/block"_s)));
    QFile partition(disk + u"/sdb1/partition"_s);
    QVERIFY(partition.open(QIODevice::WriteOnly));
    partition.close();
    QVERIFY(QFile::link(disk + u"/sdb1"_s, dir.filePath(u"sys/dev/block/8:17"_s)));
    QFile table(dir.filePath(u"mountinfo"_s));
    QVERIFY(table.open(QIODevice::WriteOnly));
    table.write("30 22 8:17 / /media/u/STICK rw - vfat /dev/sdb1 rw\n");
    table.close();

    const QStringList expected { u"/media/u/STICK|STICK|"_s };
    // A bus on which no disk service runs, and no bus at all.
    CDesktopVolumes withoutService(
        m_emptyBus.Connection(), table.fileName(), dir.filePath(u"sys"_s));
    QCOMPARE(Listed(withoutService.MountedVolumes()), expected);
    CDesktopVolumes withoutBus(
        QDBusConnection(u"never-connected"_s), table.fileName(), dir.filePath(u"sys"_s));
    QCOMPARE(Listed(withoutBus.MountedVolumes()), expected);
    // Found this way, a volume cannot be removed.
    QCOMPARE(withoutService.Eject(withoutService.MountedVolumes().value(0)).status,
        EjectStatus::NotPossible);
}

void TestDesktopVolumes::removal_data()
{
    QTest::addColumn<bool>("canPowerOff");
    QTest::addColumn<bool>("otherMounted");
    QTest::addColumn<QString>("unmountCode");
    QTest::addColumn<QString>("powerOffCode");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QStringList>("calls");

    const QString busy = CUDisksMock::Raise(u"org.freedesktop.UDisks2.Error.DeviceBusy"_s,
        u"Error unmounting /dev/sdb1: target is busy"_s);
    const QString denied
        = CUDisksMock::Raise(u"org.freedesktop.UDisks2.Error.NotAuthorizedCanObtain"_s,
            u"Not authorized to perform operation"_s);
    QTest::newRow("unmounted, then powered off")
        << true << false << QString() << QString() << int(EjectStatus::Removed) << QString()
        << QStringList { u"sdb1 Unmount"_s, u"disk PowerOff"_s };
    QTest::newRow("drive that cannot power off: unmount only")
        << false << false << QString() << QString() << int(EjectStatus::Removed) << QString()
        << QStringList { u"sdb1 Unmount"_s };
    QTest::newRow("another filesystem on the drive still mounted: no power off")
        << true << true << QString() << QString() << int(EjectStatus::Removed) << QString()
        << QStringList { u"sdb1 Unmount"_s };
    QTest::newRow("power off refused: unmounted is enough")
        << true << false << QString() << denied << int(EjectStatus::Removed) << QString()
        << QStringList { u"sdb1 Unmount"_s, u"disk PowerOff"_s };
    QTest::newRow("busy: nothing powered off")
        << true << false << busy << QString() << int(EjectStatus::Busy)
        << u"Error unmounting /dev/sdb1: target is busy"_s << QStringList { u"sdb1 Unmount"_s };
    QTest::newRow("not allowed") << true << false << denied << QString() << int(EjectStatus::Failed)
                                 << u"Not authorized to perform operation"_s
                                 << QStringList { u"sdb1 Unmount"_s };
}

void TestDesktopVolumes::removal()
{
    QFETCH(bool, canPowerOff);
    QFETCH(bool, otherMounted);
    QFETCH(QString, unmountCode);
    QFETCH(QString, powerOffCode);
    QFETCH(int, status);
    QFETCH(QString, reason);
    QFETCH(QStringList, calls);

    QVERIFY(m_udisks.AddDrive(u"disk"_s, Drive(false, false, u"usb"_s, canPowerOff), powerOffCode));
    QVERIFY(m_udisks.AddFilesystem(
        u"sdb1"_s, u"disk"_s, u"CARD"_s, { u"/media/u/CARD"_s }, unmountCode));
    QVERIFY(m_udisks.AddFilesystem(u"sdb2"_s, u"disk"_s, u"OTHER"_s,
        otherMounted ? QStringList { u"/media/u/OTHER"_s } : QStringList()));

    CDesktopVolumes volumes(m_bus.Connection(), u"/nonexistent"_s, u"/nonexistent"_s);
    const QList<RemovableVolume> mounted = volumes.MountedVolumes();
    const RemovableVolume *card = VolumeHolding(mounted, u"/media/u/CARD/sub"_s);
    QVERIFY(card);
    const EjectResult result = volumes.Eject(*card);
    QCOMPARE(int(result.status), status);
    QCOMPARE(result.reason, reason);
    QCOMPARE(m_udisks.Calls(), calls);
}

void TestDesktopVolumes::removalOfVolumeAlreadyGone()
{
    QVERIFY(m_udisks.AddDrive(u"disk"_s, Drive(false, false, u"usb"_s)));
    CDesktopVolumes volumes(m_bus.Connection(), u"/nonexistent"_s, u"/nonexistent"_s);
    const EjectResult result
        = volumes.Eject({ u"/media/u/CARD"_s, u"CARD"_s, CUDisksMock::BlockPath(u"sdb1"_s) });
    QCOMPARE(result.status, EjectStatus::Failed);
    QVERIFY(m_udisks.Calls().isEmpty());
}

QTEST_GUILESS_MAIN(TestDesktopVolumes)
#include "tst_desktopvolumes.moc"
