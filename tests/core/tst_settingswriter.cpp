#include "core/file/ProfileFile.h"
#include "core/cipher/SecretCipher.h"
#include "core/settings/SettingsWriter.h"
#include "TestFiles.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestSettingsWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesTheWholeFileByteForByte();
    void valueWithALineBreakKeepsTheOldFile();
};

// Nothing of the old file stays; the wired controls are written as they stand, disabled or not;
// profiles go out in list order under the key set of their place in it, keys sealed.
void TestSettingsWriter::writesTheWholeFileByteForByte()
{
    const TestFiles::CSettingsFolder folder(
        "[UserNetworkSetting]\r\nWIRELESS_SSID_7=old\r\n[Other]\r\nX=1\r\n");
    CSettingsDocument document;
    MainWindowControls &c = document.m_controls;
    c.m_connection.m_dhcpRadio = 0; // DHCP on, yet the disabled controls still hold addresses
    c.m_connection.EnableAddresses(false);
    c.m_connection.m_ipAddress.m_fields = { 10, 0, 0, 7 };
    c.m_connection.m_subnetMask.m_fields = { 255, 255, -1, 0 }; // three parts only: blank
    c.m_connection.m_defaultGateway.m_fields = { 0, 0, 0, 0 };
    c.m_connection.m_proxyAddress.m_text = u"proxy.example"_s; // the proxy is off
    c.m_connection.m_proxyPort.m_text = u"80x"_s; // not a port, yet written as it stands
    c.m_useWirelessChecked = true;
    CNetworkSetting &library = document.m_wirelessSettings[5];
    library.m_ssid = u"Library"_s;
    library.m_dhcp = 0;
    library.m_ipAddress = IpAddressField::Complete(192, 168, 0, 20);
    library.m_subnetMask = IpAddressField::Complete(255, 255, 255, 0);
    library.m_defaultGateway = library.m_dns = IpAddressField::Complete(192, 168, 0, 1);
    CNetworkSetting &cafe = document.m_wirelessSettings[2];
    cafe.m_ssid = u"Cafe"_s;
    cafe.m_securityMode = SecurityModeWpa2PskAes;
    cafe.m_networkKey = u"secret-key"_s;
    cafe.m_stealthSsid = 1;
    cafe.m_useProxy = 2; // only exactly 1 means "on"
    cafe.m_proxyAddress = u" spaced = ; \"quoted\" "_s;
    cafe.m_connectAutomatically = 0;
    cafe.m_secondaryDns = IpAddressField::Complete(8, 8, 4, 4);
    // The last item refers to no slot and is passed over.
    c.m_wirelessList = { { u"Library"_s, 5 }, { u"Cafe"_s, 2 }, { u"Stray"_s, 57 } };
    QVERIFY(WriteSettingsFile(document, folder.m_path).Succeeded());

    QByteArray bytes = TestFiles::ReadAll(folder.m_path);
    // A 16-byte IV and one cipher block, in hex, that open to the key.
    const QString sealed
        = CProfileFile::FromBytes(bytes).Value(u"UserNetworkSetting", u"WIRELESS_PSK_2");
    QCOMPARE(sealed.size(), 2 * (16 + 16));
    QString plain;
    QVERIFY(DecryptSecret(sealed, plain));
    QCOMPARE(plain, cafe.m_networkKey);
    QCOMPARE(bytes.replace(sealed.toLatin1(), "<sealed>"),
        QByteArray(
            "[UserNetworkSetting]\r\nWIRED_DHCP=1\r\nWIRED_IP=10.0.0.7\r\nWIRED_SUBNET_MASK=\r\n"
            "WIRED_DEFAULT_GATEWAY=0.0.0.0\r\nWIRED_DNS=\r\nWIRED_DNS_SECONDARY=\r\n"
            "WIRED_PROXY=0\r\nWIRED_PROXY_ADDRESS=proxy.example\r\nWIRED_PROXY_PORT=80x\r\n"
            "WIRELESS_DHCP=0\r\nWIRELESS_IP=192.168.0.20\r\nWIRELESS_SUBNET_MASK=255.255.255.0\r\n"
            "WIRELESS_DEFAULT_GATEWAY=192.168.0.1\r\nWIRELESS_DNS=192.168.0.1\r\n"
            "WIRELESS_DNS_SECONDARY=\r\nWIRELESS_PROXY=0\r\nWIRELESS_PROXY_ADDRESS=\r\n"
            "WIRELESS_PROXY_PORT=\r\nWIRELESS_SSID=Library\r\nWIRELESS_SEQLITY_MODE=0\r\n"
            "WIRELESS_PSK=\r\nWIRELESS_FORCE=0\r\nWIRELESS_CONNECTION_AUTOMATICALLY=1\r\n"
            "WIRELESS_DHCP_2=1\r\nWIRELESS_IP_2=\r\nWIRELESS_SUBNET_MASK_2=\r\n"
            "WIRELESS_DEFAULT_GATEWAY_2=\r\nWIRELESS_DNS_2=\r\nWIRELESS_DNS_SECONDARY_2=8.8.4.4\r\n"
            "WIRELESS_PROXY_2=0\r\nWIRELESS_PROXY_ADDRESS_2= spaced = ; \"quoted\" \r\n"
            "WIRELESS_PROXY_PORT_2=\r\nWIRELESS_SSID_2=Cafe\r\nWIRELESS_SEQLITY_MODE_2=4\r\n"
            "WIRELESS_PSK_2=<sealed>\r\nWIRELESS_FORCE_2=1\r\n"
            "WIRELESS_CONNECTION_AUTOMATICALLY_2=0\r\n[Common]\r\nNETWORK_PRIORITY=1\r\n"
            "NETWORK_DEVICE_POWER_MANAGEMENT=1\r\nWIRELESS_SETTING_TOTAL=2\r\n"));
}

// A line break would smuggle a key into the file: nothing is written, the old file stays.
void TestSettingsWriter::valueWithALineBreakKeepsTheOldFile()
{
    const QByteArray old = "[UserNetworkSetting]\r\nWIRED_DHCP=0\r\n";
    const TestFiles::CSettingsFolder folder(old);
    CSettingsDocument document;
    document.m_controls.m_connection.m_proxyAddress.m_text = u"evil\nWIRED_DHCP=0"_s;
    QCOMPARE(WriteSettingsFile(document, folder.m_path).status, FileWriteStatus::Unstorable);
    QCOMPARE(TestFiles::ReadAll(folder.m_path), old);
    QCOMPARE(TestFiles::Entries(folder.m_dir.path()), QStringList { u"NetworkSetting.ini"_s });
}

QTEST_GUILESS_MAIN(TestSettingsWriter)
#include "tst_settingswriter.moc"
