#include "MessageRecorder.h"
#include "MockBus.h"
#include "ScriptedPathChooser.h"
#include "TestFiles.h"
#include "core/commands/FileCommands.h"
#include "platform/DesktopVolumes.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

QVariantMap Drive(const QString &bus)
{
    return { { u"Removable"_s, false }, { u"MediaRemovable"_s, false }, { u"ConnectionBus"_s, bus },
        { u"CanPowerOff"_s, true } };
}

QStringList Listed(const QList<RemovableVolume> &volumes)
{
    QStringList lines;
    for (const RemovableVolume &volume : volumes)
        lines.append(volume.mountPath + u'|' + volume.label + u'|' + volume.ejectHandle);
    return lines;
}

QString Shown(const QString &text, MessageIcon icon, MessageButtons buttons, const QString &detail)
{
    return MessageLine(
               text + u"   "_s, MessageText(Msg::CreateSettingCaption).toString(), icon, buttons)
        + u'|' + detail;
}

} // namespace

class TestDesktopVolumes : public QObject
{
    Q_OBJECT

    CUDisksMock m_udisks;
    QTemporaryDir m_card;
    QTemporaryDir m_elsewhere;

private Q_SLOTS:
    void initTestCase() { QVERIFY2(!m_udisks.Address().isEmpty(), qPrintable(m_udisks.Error())); }
    void init() { QVERIFY(m_udisks.Reset()); }

    void listsRemovableFilesystems_data()
    {
        QTest::addColumn<QString>("drive"); // its bus
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("mountPoints");
        QTest::addColumn<QStringList>("listed"); // mount point|label

        const QString accents = u"Mes Fichiers \u00e9t\u00e9"_s;
        QTest::newRow("USB stick without a label: the mount point's name")
            << u"usb"_s << QString() << QStringList { u"/media/u/1A2B-3C4D"_s }
            << QStringList { u"/media/u/1A2B-3C4D|1A2B-3C4D"_s };
        QTest::newRow("card in a built-in reader, mounted twice")
            << u"sdio"_s << accents << QStringList { u"/media/u/C"_s, u"/mnt/c"_s }
            << QStringList { u"/media/u/C|"_s + accents, u"/mnt/c|"_s + accents };
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
        QFETCH(QStringList, listed);
        QVERIFY(m_udisks.AddDrive(u"disk"_s, Drive(drive)));
        QVERIFY(m_udisks.AddFilesystem(u"sdb1"_s, u"disk"_s, label, mountPoints));
        // A filesystem without a drive (a loop device) is never offered.
        QVERIFY(m_udisks.AddFilesystem(u"loop0"_s, QString(), u"LOOP"_s, { u"/mnt/loop"_s }));

        for (QString &line : listed)
            line += u'|' + CUDisksMock::BlockPath(u"sdb1"_s);
        CDesktopVolumes volumes(m_udisks.Connection(), u"/nonexistent"_s, u"/nonexistent"_s);
        QCOMPARE(Listed(volumes.MountedVolumes()), listed);
    }

    void kernelTablesWithoutService()
    {
        QTemporaryDir dir;
        const QString partition = dir.filePath(u"sys/devices/usb1/1-1/block/sdb/sdb1"_s);
        QVERIFY(QDir().mkpath(partition) && QDir().mkpath(dir.filePath(u"sys/dev/block"_s)));
        QVERIFY(TestFiles::Write(partition + u"/partition"_s, "1\n"));
        QVERIFY(QFile::link(partition, dir.filePath(u"sys/dev/block/8:17"_s)));
        const QString table = dir.filePath(u"mountinfo"_s);
        QVERIFY(TestFiles::Write(table, "30 22 8:17 / /media/u/STICK rw - vfat /dev/sdb1 rw\n"));
        // A bus on which no disk service runs.
        CMockBus empty;
        QVERIFY2(!empty.Address().isEmpty(), qPrintable(empty.Error()));
        CDesktopVolumes volumes(empty.Connection(), table, dir.filePath(u"sys"_s));
        const QList<RemovableVolume> found = volumes.MountedVolumes();
        QCOMPARE(Listed(found), QStringList { u"/media/u/STICK|STICK|"_s });
        // Found this way, a volume cannot be removed.
        EjectStatus removal = EjectStatus::Removed;
        volumes.Eject(
            found.value(0), [&removal](const EjectResult &result) { removal = result.status; });
        QCOMPARE(removal, EjectStatus::NotPossible);
    }

    // Create in a folder on a card, through to the removal the user asks for in the message
    // that says the file was created: the calls made on the bus and every message shown.
    void createThenRemove_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("unmount"); // Python the call runs
        QTest::addColumn<QString>("powerOff");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("calls");

        const auto where = [](const QTemporaryDir &dir) {
            return MessageText(Msg::WhereFile)
                .toString()
                .arg(QDir::toNativeSeparators(dir.filePath(u"NetworkSetting.ini"_s)));
        };
        const QString created = MessageText(Msg::SettingsFileCreated).toString();
        const QString offer
            = Shown(created, MessageIcon::Information, MessageButtons::OkSafelyRemove,
                where(m_card) + u'\n' + MessageText(Msg::FileOnRemovableVolume).arg(u"MY CARD"_s));
        const QStringList removed { offer,
            Shown(MessageText(Msg::VolumeRemoved).arg(u"MY CARD"_s), MessageIcon::Information,
                MessageButtons::Ok, {}) };
        const QString notRemoved = Shown(MessageText(Msg::VolumeNotRemoved).arg(u"MY CARD"_s),
            MessageIcon::Error, MessageButtons::Ok, {});
        const QString denied
            = CUDisksMock::Raise(u"org.freedesktop.UDisks2.Error.NotAuthorized"_s, u"No"_s);
        const QStringList both { u"card1 Unmount"_s, u"card PowerOff"_s };
        const QStringList unmount { u"card1 Unmount"_s };
        QTest::newRow("unmounted, then powered off")
            << QString() << QString() << QString() << removed << both;
        QTest::newRow("another filesystem on the drive still mounted: no power off")
            << u"other filesystem mounted"_s << QString() << QString() << removed << unmount;
        QTest::newRow("power off refused: unmounted is enough")
            << QString() << QString() << denied << removed << both;
        QTest::newRow("OK leaves the card mounted")
            << u"answer OK"_s << QString() << QString() << QStringList { offer } << QStringList();
        QTest::newRow("busy: the reason is shown, the card stays")
            << QString()
            << CUDisksMock::Raise(
                   u"org.freedesktop.UDisks2.Error.DeviceBusy"_s, u"target is busy"_s)
            << QString()
            << QStringList { offer,
                   notRemoved + MessageText(Msg::VolumeBusy).toString() + u"\ntarget is busy"_s }
            << unmount;
        QTest::newRow("folder not on a card: no offer")
            << u"folder elsewhere"_s << QString() << QString()
            << QStringList { Shown(
                   created, MessageIcon::Information, MessageButtons::Ok, where(m_elsewhere)) }
            << QStringList();
    }

    void createThenRemove()
    {
        QFETCH(QString, situation);
        QFETCH(QString, unmount);
        QFETCH(QString, powerOff);
        QFile::remove(m_card.filePath(u"NetworkSetting.ini"_s));
        QFile::remove(m_elsewhere.filePath(u"NetworkSetting.ini"_s));
        QVERIFY(m_udisks.AddDrive(u"card"_s, Drive(u"sdio"_s), powerOff));
        QVERIFY(m_udisks.AddFilesystem(
            u"card1"_s, u"card"_s, u"MY CARD"_s, { m_card.path() }, unmount));
        QVERIFY(m_udisks.AddFilesystem(u"card2"_s, u"card"_s, u"OTHER"_s,
            situation == u"other filesystem mounted" ? QStringList { u"/media/u/OTHER"_s }
                                                     : QStringList()));

        CSettingsDocument document;
        CMessageRecorder box;
        box.m_answers
            = { situation == u"answer OK" ? MessageAnswer::Ok : MessageAnswer::SafelyRemove };
        CScriptedPathChooser chooser;
        chooser.m_folder = situation == u"folder elsewhere" ? m_elsewhere.path() : m_card.path();
        CDesktopVolumes volumes(m_udisks.Connection(), u"/nonexistent"_s, u"/nonexistent"_s);
        CreateSettingFileCommand(document, box, chooser, volumes);

        QVERIFY(QFileInfo::exists(chooser.m_folder + u"/NetworkSetting.ini"_s));
        const auto shown = [&box] {
            QStringList lines;
            for (const CMessageRecorder::Message &message : box.m_messages)
                lines.append(
                    MessageLine(message.text, message.caption, message.icon, message.buttons) + u'|'
                    + message.detail);
            return lines;
        };
        // The removal's outcome comes from the event loop.
        QFETCH(QStringList, messages);
        QTRY_COMPARE_WITH_TIMEOUT(shown(), messages, 20000);
        QTEST(m_udisks.Calls(), "calls");
    }

    void removalOfVolumeAlreadyGone()
    {
        QVERIFY(m_udisks.AddDrive(u"disk"_s, Drive(u"usb"_s)));
        CDesktopVolumes volumes(m_udisks.Connection(), u"/nonexistent"_s, u"/nonexistent"_s);
        std::optional<EjectStatus> removal;
        volumes.Eject({ u"/media/u/CARD"_s, u"CARD"_s, CUDisksMock::BlockPath(u"sdb1"_s) },
            [&removal](const EjectResult &result) { removal = result.status; });
        QTRY_VERIFY_WITH_TIMEOUT(removal.has_value(), 20000);
        QCOMPARE(*removal, EjectStatus::Failed);
        QVERIFY(m_udisks.Calls().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDesktopVolumes)
#include "tst_desktopvolumes.moc"
