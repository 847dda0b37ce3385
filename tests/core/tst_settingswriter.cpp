#include "ProfileFile.h"
#include "SecretCipher.h"
#include "SettingsKeys.h"
#include "SettingsWriter.h"
#include "TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The wired keys of a fresh document: DHCP on, no addresses, no proxy.
const QByteArray kBlankWired = "[UserNetworkSetting]\r\nWIRED_DHCP=1\r\nWIRED_IP=\r\n"
                               "WIRED_SUBNET_MASK=\r\nWIRED_DEFAULT_GATEWAY=\r\nWIRED_DNS=\r\n"
                               "WIRED_DNS_SECONDARY=\r\nWIRED_PROXY=0\r\nWIRED_PROXY_ADDRESS=\r\n"
                               "WIRED_PROXY_PORT=\r\n";

CNetworkSetting &AddProfile(CSettingsDocument &document, int slot, const QString &ssid)
{
    CNetworkSetting &profile = document.m_wirelessSettings[size_t(slot)];
    profile.m_ssid = ssid;
    document.m_controls.m_wirelessList.append({ ssid, slot });
    return profile;
}

} // namespace

class TestSettingsWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesTheLibraryExampleByteForByte();
    void writesWhatTheControlsHoldWhateverTheirState();
    void encodesEveryFieldOfAProfileAndSealsItsKey();
    void failedWriteKeepsTheOldFile_data();
    void failedWriteKeepsTheOldFile();
};

void TestSettingsWriter::writesTheLibraryExampleByteForByte()
{
    // Wired LAN on DHCP without addresses or proxy, the wireless switch on, and one open profile
    // "Library" with fixed addresses.
    CSettingsDocument document;
    document.m_controls.m_useWirelessChecked = true;
    CNetworkSetting &library = AddProfile(document, 0, u"Library"_s);
    library.m_dhcp = 0;
    library.m_ipAddress = IpAddressField::Complete(192, 168, 0, 20);
    library.m_subnetMask = IpAddressField::Complete(255, 255, 255, 0);
    library.m_defaultGateway = IpAddressField::Complete(192, 168, 0, 1);
    library.m_dns = IpAddressField::Complete(192, 168, 0, 1);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"NetworkSetting.ini"_s);
    QCOMPARE(WriteSettingsFile(document, path), 1);
    QCOMPARE(TestFiles::ReadAll(path),
        kBlankWired
            + "WIRELESS_DHCP=0\r\nWIRELESS_IP=192.168.0.20\r\nWIRELESS_SUBNET_MASK=255.255.255."
              "0\r\n"
              "WIRELESS_DEFAULT_GATEWAY=192.168.0.1\r\nWIRELESS_DNS=192.168.0.1\r\n"
              "WIRELESS_DNS_SECONDARY=\r\nWIRELESS_PROXY=0\r\nWIRELESS_PROXY_ADDRESS=\r\n"
              "WIRELESS_PROXY_PORT=\r\nWIRELESS_SSID=Library\r\nWIRELESS_SEQLITY_MODE=0\r\n"
              "WIRELESS_PSK=\r\nWIRELESS_FORCE=0\r\nWIRELESS_CONNECTION_AUTOMATICALLY=1\r\n"
              "[Common]\r\nNETWORK_PRIORITY=1\r\nNETWORK_DEVICE_POWER_MANAGEMENT=1\r\n"
              "WIRELESS_SETTING_TOTAL=1\r\n");
}

// The new file holds nothing of the old one, and the wired controls are written as they stand.
void TestSettingsWriter::writesWhatTheControlsHoldWhateverTheirState()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"NetworkSetting.ini"_s);
    QVERIFY(TestFiles::Write(
        path, "[UserNetworkSetting]\r\nWIRELESS_SSID_7=old\r\n[Other]\r\nX=1\r\n"));
    CSettingsDocument document;
    MainWindowControls &c = document.m_controls;
    c.m_dhcpModeRadio = 0; // DHCP on, yet the disabled controls still hold addresses
    document.EnableAddressFields(false);
    c.m_ipAddress.m_fields = { 10, 0, 0, 7 };
    c.m_subnetMask.m_fields = { 255, 255, -1, 0 }; // three parts only: blank
    c.m_defaultGateway.m_fields = { 0, 0, 0, 0 };
    c.m_useProxyChecked = false;
    c.m_proxyAddress.m_text = u"proxy.example"_s;
    c.m_proxyPort.m_text = u"8080"_s;
    QCOMPARE(WriteSettingsFile(document, path), 1);
    QCOMPARE(TestFiles::ReadAll(path),
        QByteArray("[UserNetworkSetting]\r\nWIRED_DHCP=1\r\nWIRED_IP=10.0.0.7\r\n"
                   "WIRED_SUBNET_MASK=\r\nWIRED_DEFAULT_GATEWAY=0.0.0.0\r\nWIRED_DNS=\r\n"
                   "WIRED_DNS_SECONDARY=\r\nWIRED_PROXY=0\r\nWIRED_PROXY_ADDRESS=proxy.example\r\n"
                   "WIRED_PROXY_PORT=8080\r\n[Common]\r\nNETWORK_PRIORITY=0\r\n"
                   "NETWORK_DEVICE_POWER_MANAGEMENT=0\r\nWIRELESS_SETTING_TOTAL=0\r\n"));
}

void TestSettingsWriter::encodesEveryFieldOfAProfileAndSealsItsKey()
{
    CSettingsDocument document;
    document.m_controls.m_useWirelessChecked = false;
    CNetworkSetting &profile = AddProfile(document, 0, u"Cafe"_s);
    profile.m_securityMode = SecurityModeWpa2PskAes;
    profile.m_networkKey = u"secret-key"_s;
    profile.m_stealthSsid = 1;
    profile.m_useProxy = 2; // only exactly 1 means "on"
    profile.m_proxyAddress = u" spaced = ; \"quoted\" "_s;
    profile.m_proxyPort = u"80x"_s;
    profile.m_connectAutomatically = 0;
    profile.m_secondaryDns = IpAddressField::Complete(8, 8, 4, 4);

    CProfileFile file;
    QVERIFY(ComposeSettingsFile(document, file));
    QByteArray bytes = file.ToBytes();
    // A 16-byte IV and one cipher block, in hex, that open to the key.
    const QString sealed = file.Value(Section::UserNetworkSetting, u"WIRELESS_PSK");
    QCOMPARE(sealed.size(), 2 * (16 + 16));
    QString plain;
    QCOMPARE(DecryptSecret(sealed, plain), 1);
    QCOMPARE(plain, profile.m_networkKey);
    QCOMPARE(bytes.replace(sealed.toLatin1(), "<sealed>"),
        kBlankWired
            + "WIRELESS_DHCP=1\r\nWIRELESS_IP=\r\nWIRELESS_SUBNET_MASK=\r\n"
              "WIRELESS_DEFAULT_GATEWAY=\r\nWIRELESS_DNS=\r\nWIRELESS_DNS_SECONDARY=8.8.4.4\r\n"
              "WIRELESS_PROXY=0\r\nWIRELESS_PROXY_ADDRESS= spaced = ; \"quoted\" \r\n"
              "WIRELESS_PROXY_PORT=80x\r\nWIRELESS_SSID=Cafe\r\nWIRELESS_SEQLITY_MODE=4\r\n"
              "WIRELESS_PSK=<sealed>\r\nWIRELESS_FORCE=1\r\nWIRELESS_CONNECTION_AUTOMATICALLY=0\r\n"
              "[Common]\r\nNETWORK_PRIORITY=0\r\nNETWORK_DEVICE_POWER_MANAGEMENT=0\r\n"
              "WIRELESS_SETTING_TOTAL=1\r\n");
}

void TestSettingsWriter::failedWriteKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("proxyAddress");
    QTest::addColumn<bool>("folderMissing");
    QTest::newRow("target folder does not exist") << u"proxy"_s << true;
    QTest::newRow("value with a line break") << u"evil\nWIRED_DHCP=0"_s << false;
}

void TestSettingsWriter::failedWriteKeepsTheOldFile()
{
    QFETCH(QString, proxyAddress);
    QFETCH(bool, folderMissing);
    QTemporaryDir dir;
    const QString path
        = dir.filePath(folderMissing ? u"gone/NetworkSetting.ini"_s : u"NetworkSetting.ini"_s);
    const QByteArray old = "[UserNetworkSetting]\r\nWIRED_DHCP=0\r\n";
    if (!folderMissing)
        QVERIFY(TestFiles::Write(path, old));
    CSettingsDocument document;
    document.m_controls.m_proxyAddress.m_text = proxyAddress;
    QCOMPARE(WriteSettingsFile(document, path), 0);
    QCOMPARE(QFileInfo::exists(path), !folderMissing);
    if (!folderMissing)
        QCOMPARE(TestFiles::ReadAll(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), folderMissing ? 0 : 1);
}

QTEST_GUILESS_MAIN(TestSettingsWriter)
#include "tst_settingswriter.moc"
