#include "MessageRecorder.h"
#include "ScriptedPathChooser.h"
#include "TestFiles.h"
#include "core/commands/FileCommands.h"
#include "core/settings/SettingsReadBack.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Once the folder is synced and before the read-back, the file is damaged as a failing card would.
class CDamagingSteps final : public CPosixFileSteps
{
public:
    QString m_path;
    QString m_damage;

    int SyncFolder(int folder) override
    {
        const int error = CPosixFileSteps::SyncFolder(folder);
        QByteArray bytes = TestFiles::ReadAll(m_path);
        if (m_damage == u"flip a byte") {
            bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x20);
            TestFiles::Write(m_path, bytes);
        } else if (m_damage == u"lose the file") {
            QFile::remove(m_path);
        }
        return error;
    }
};

// A static wired address, a proxy and three profiles.
void FillDocument(CSettingsDocument &document)
{
    ConnectionControls &wired = document.m_controls.m_connection;
    wired.m_dhcpRadio = 1;
    wired.m_ipAddress.m_fields = { 192, 168, 1, 20 };
    wired.m_subnetMask.m_fields = { 255, 255, 255, 0 };
    wired.m_defaultGateway.m_fields = { 192, 168, 1, 1 };
    wired.m_dns.m_fields = { 8, 8, 8, 8 };
    wired.m_useProxyChecked = true;
    wired.m_proxyAddress.m_text = u"proxy.example"_s;
    wired.m_proxyPort.m_text = u"8080"_s;
    document.m_controls.m_useWirelessChecked = true;
    const QStringList names { u"Caf\u00e9 \u00e9tage"_s, u"home"_s, u"b=ad;\"q\""_s };
    for (int i = 0; i < names.size(); ++i) {
        const int slot = 5 - i; // listed in another order than the slots
        CNetworkSetting &profile = document.m_wirelessSettings[size_t(slot)];
        profile.m_ssid = names[i];
        profile.m_securityMode = SecurityModeWpa2PskAes;
        profile.m_networkKey = u"key \u00e4 %1 "_s.arg(i);
        profile.m_stealthSsid = i % 2;
        if (i == 2) {
            profile.m_dhcp = 0;
            profile.m_ipAddress = IpAddressField::Complete(10, 0, 0, 9);
            profile.m_subnetMask = IpAddressField::Complete(255, 0, 0, 0);
        }
        document.m_controls.m_wirelessList.append({ names[i], slot });
    }
}

} // namespace

// The suite runs under LC_ALL=C, so the system's texts are English.
class TestReadBack : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void createReports_data();
    void createReports();
    void fileThatLoadsOtherwise();
};

void TestReadBack::createReports_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("detail"); // null: success
    QTest::newRow("static address, proxy, profiles: success") << u"none"_s << QString();
    QTest::newRow("a flipped byte")
        << u"flip a byte"_s << u"The file read back from the folder is not what was written."_s;
    QTest::newRow("the file gone")
        << u"lose the file"_s << u"The file could not be read back: No such file or directory"_s;
    QTest::newRow("a folder that is gone before the write")
        << u"pulled"_s
        << u"The file could not be written: No such file or directory. An earlier file is unchanged."_s;
}

void TestReadBack::createReports()
{
    QFETCH(QString, damage);
    QFETCH(QString, detail);
    QTemporaryDir dir;
    CSettingsDocument document;
    FillDocument(document);
    CMessageRecorder box;
    CScriptedPathChooser chooser;
    chooser.m_folder = damage == u"pulled" ? dir.filePath(u"pulled"_s) : dir.path();
    CDamagingSteps steps;
    steps.m_path = dir.filePath(u"NetworkSetting.ini"_s);
    steps.m_damage = damage;
    CreateSettingFileCommand(document, box, chooser, NoRemovableVolumes(), steps);

    QCOMPARE(box.m_messages.size(), 1);
    const CMessageRecorder::Message &m = box.m_messages.first();
    const QString line = MessageLine(m.text, m.caption, m.icon, m.buttons);
    if (detail.isNull()) {
        QCOMPARE(line,
            ExpectedMessage(
                Msg::SettingsFileCreated, Msg::CreateSettingCaption, MessageIcon::Information));
        return;
    }
    QCOMPARE(line,
        ExpectedMessage(
            Msg::SettingsFileCreateFailed, Msg::CreateSettingCaption, MessageIcon::Error));
    QCOMPARE(m.detail, detail);
}

// A clean file of other values than the document's fails the check.
void TestReadBack::fileThatLoadsOtherwise()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"NetworkSetting.ini"_s);
    const QByteArray bytes = "[UserNetworkSetting]\r\nWIRED_DHCP=1\r\n";
    QVERIFY(TestFiles::Write(path, bytes));
    CSettingsDocument document;
    FillDocument(document);
    document.Gather();
    document.m_wiredSetting = document.WiredSettingFromControls();
    QCOMPARE(CheckWrittenSettings(path, bytes, document).status, ReadBackStatus::ValuesDiffer);
}

QTEST_GUILESS_MAIN(TestReadBack)
#include "tst_readback.moc"
