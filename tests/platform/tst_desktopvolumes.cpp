#include "MessageRecorder.h"
#include "MockBus.h"
#include "ScriptedPathChooser.h"
#include "TestFiles.h"
#include "core/commands/FileCommands.h"
#include "platform/DesktopVolumes.h"

#include <QDir>

namespace {

QStringList Listed(const QList<RemovableVolume> &volumes)
{
    QStringList lines;
    for (const RemovableVolume &volume : volumes)
        lines.append(volume.mountPath + u'|' + volume.label + u'|'
            + volume.ejectHandle.section(u"/block_devices/"_s, 1));
    return lines;
}

QString Shown(const QString &text, MessageIcon icon, MessageButtons buttons, const QString &detail)
{
    return MessageLine(ComposedMessage(text), MessageText(Msg::CreateSettingCaption).toString(),
               icon, buttons)
        + u'|' + detail;
}

} // namespace

class TestDesktopVolumes : public QObject
{
    Q_OBJECT

    CUDisksMock m_udisks;
    QTemporaryDir m_card;

private Q_SLOTS:
    void init() { QVERIFY2(m_udisks.Reset(), qPrintable(m_udisks.Error())); }

    void listsRemovableFilesystems_data()
    {
        QTest::addColumn<QString>("drive"); // its bus
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("mountPoints");
        QTest::addColumn<QStringList>("listed"); // mount point|label|block device
        QTest::newRow("USB stick without a label: the mount point's name")
            << u"usb"_s << QString() << QStringList { u"/media/u/1A2B-3C4D"_s }
            << QStringList { u"/media/u/1A2B-3C4D|1A2B-3C4D|sdb1"_s };
        QTest::newRow("card in a built-in reader, mounted twice")
            << u"sdio"_s << u"CARD"_s << QStringList { u"/media/u/C"_s, u"/mnt/c"_s }
            << QStringList { u"/media/u/C|CARD|sdb1"_s, u"/mnt/c|CARD|sdb1"_s };
        QTest::newRow("internal disk")
            << u"ata"_s << u"DATA"_s << QStringList { u"/data"_s } << QStringList();
        QTest::newRow("system started from a stick")
            << u"usb"_s << u"LIVE"_s << QStringList { u"/"_s } << QStringList();
    }

    void listsRemovableFilesystems()
    {
        QFETCH(QString, drive);
        QFETCH(QString, label);
        QFETCH(QStringList, mountPoints);
        QVERIFY(m_udisks.AddDrive(u"disk"_s, { { u"ConnectionBus"_s, drive } }));
        QVERIFY(m_udisks.AddFilesystem(u"sdb1"_s, u"disk"_s, label, mountPoints));
        QTEST(Listed(CDesktopVolumes(m_udisks.Connection(), {}, {}).MountedVolumes()), "listed");
    }

    void kernelTablesWithoutService()
    {
        QTemporaryDir dir;
        const QString disk = dir.filePath(u"sys/devices/usb1/1-1/block/sdb"_s);
        QVERIFY(QDir().mkpath(disk) && QDir().mkpath(dir.filePath(u"sys/dev/block"_s)));
        QVERIFY(QFile::link(disk, dir.filePath(u"sys/dev/block/8:16"_s)));
        const QString table = dir.filePath(u"mountinfo"_s);
        QVERIFY(TestFiles::Write(table, "30 22 8:16 / /media/u/STICK rw - vfat /dev/sdb rw\n"));
        CMockBus empty; // no disk service on it
        QVERIFY2(!empty.Address().isEmpty(), qPrintable(empty.Error()));
        QCOMPARE(Listed(CDesktopVolumes(empty.Connection(), table, dir.filePath(u"sys"_s))
                            .MountedVolumes()),
            QStringList { u"/media/u/STICK|STICK|"_s });
    }

    // Create in a folder on a card, through to the removal the user asks for in the message
    // that says the file was created: the calls made on the bus and every message shown.
    void createThenRemove_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("calls");
        const QString offer = Shown(MessageText(Msg::SettingsFileCreated).toString(),
            MessageIcon::Information, MessageButtons::OkSafelyRemove,
            MessageText(Msg::WhereFile).arg(m_card.filePath(u"NetworkSetting.ini"_s)) + u'\n'
                + MessageText(Msg::FileOnRemovableVolume).arg(u"MY CARD"_s));
        const QStringList removed { offer,
            Shown(MessageText(Msg::VolumeRemoved).arg(u"MY CARD"_s), MessageIcon::Information,
                MessageButtons::Ok, {}) };
        QTest::newRow("another filesystem on the drive still mounted: no power off")
            << u"other filesystem mounted"_s << removed << QStringList { u"card1 Unmount"_s };
        QTest::newRow("power off refused: unmounted is enough")
            << u"power off refused"_s << removed
            << QStringList { u"card1 Unmount"_s, u"card PowerOff"_s };
        QTest::newRow("OK leaves the card mounted")
            << u"answer OK"_s << QStringList { offer } << QStringList();
        QTest::newRow("busy: the reason is shown, the card stays")
            << u"target is busy"_s
            << QStringList { offer,
                   Shown(MessageText(Msg::VolumeNotRemoved).arg(u"MY CARD"_s), MessageIcon::Error,
                       MessageButtons::Ok,
                       MessageText(Msg::VolumeBusy).toString() + u"\ntarget is busy"_s) }
            << QStringList { u"card1 Unmount"_s };
    }

    void createThenRemove()
    {
        QFETCH(QString, situation);
        QFile::remove(m_card.filePath(u"NetworkSetting.ini"_s));
        const auto fails = [&situation](const QString &when, const QString &error) {
            return situation != when
                ? QString()
                : u"raise dbus.exceptions.DBusException('%1', "
                  "name='org.freedesktop.UDisks2.Error.%2')"_s.arg(when, error);
        };
        QVERIFY(m_udisks.AddDrive(u"card"_s,
            { { u"ConnectionBus"_s, u"sdio"_s }, { u"CanPowerOff"_s, true } },
            fails(u"power off refused"_s, u"NotAuthorized"_s)));
        QVERIFY(m_udisks.AddFilesystem(u"card1"_s, u"card"_s, u"MY CARD"_s, { m_card.path() },
            fails(u"target is busy"_s, u"DeviceBusy"_s)));
        QVERIFY(m_udisks.AddFilesystem(u"card2"_s, u"card"_s, u"OTHER"_s,
            situation == u"other filesystem mounted" ? QStringList { u"/media/u/OTHER"_s }
                                                     : QStringList()));
        CSettingsDocument document;
        CMessageRecorder box;
        box.m_answers
            = { situation == u"answer OK" ? MessageAnswer::Ok : MessageAnswer::SafelyRemove };
        CScriptedPathChooser chooser;
        chooser.m_folder = m_card.path();
        CDesktopVolumes volumes(m_udisks.Connection(), {}, {});
        CreateSettingFileCommand(document, box, chooser, volumes);
        const auto shown = [&box] {
            QStringList lines;
            for (const CMessageRecorder::Message &m : box.m_messages)
                lines.append(MessageLine(m.text, m.caption, m.icon, m.buttons) + u'|' + m.detail);
            return lines;
        };
        // The removal's outcome comes from the event loop.
        QFETCH(QStringList, messages);
        QTRY_COMPARE_WITH_TIMEOUT(shown(), messages, 20000);
        QTEST(m_udisks.Calls(), "calls");
    }

    void removalOfVolumeAlreadyGone()
    {
        CDesktopVolumes volumes(m_udisks.Connection(), {}, {});
        EjectStatus removal = EjectStatus::Removed;
        volumes.Eject(
            { u"/media/u/CARD"_s, u"CARD"_s, u"/org/freedesktop/UDisks2/block_devices/sdb1"_s },
            [&removal](const EjectResult &result) { removal = result.status; });
        QTRY_COMPARE_WITH_TIMEOUT(removal, EjectStatus::Failed, 20000);
    }
};

QTEST_GUILESS_MAIN(TestDesktopVolumes)
#include "tst_desktopvolumes.moc"
