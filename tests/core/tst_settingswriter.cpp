#include "ProfileFile.h"
#include "SecretCipher.h"
#include "SettingsKeys.h"
#include "SettingsWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void SetAddress(AddressControl &control, int o1, int o2, int o3, int o4)
{
    control.m_fields = { o1, o2, o3, o4 };
}

int AddProfile(CSettingsDocument &document, int slot, const CNetworkSetting &profile)
{
    document.m_wirelessSettings[size_t(slot)] = profile;
    document.m_controls.m_wirelessList.append({ profile.m_ssid, slot });
    return slot;
}

CNetworkSetting Profile(const QString &ssid)
{
    CNetworkSetting profile;
    profile.m_ssid = ssid;
    return profile;
}

} // namespace

class TestSettingsWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesTheLibraryExampleByteForByte();
    void writesOnlyWiredAndCommonKeysWithoutProfiles();
    void profileKeyNames_data();
    void profileKeyNames();
    void writesProfilesInListOrderNotSlotOrder();
    void writesWhatTheControlsHoldWhateverTheirState();
    void encodesEveryFieldOfAProfile();
    void sealsNetworkKeys();
    void failedWriteKeepsTheOldFile_data();
    void failedWriteKeepsTheOldFile();
    void successfulWriteLeavesNoKeyOfTheOldFile();
};

void TestSettingsWriter::writesTheLibraryExampleByteForByte()
{
    // Wired LAN on DHCP without addresses or proxy, the wireless switch on, and one open profile
    // "Library" with fixed addresses.
    CSettingsDocument document;
    document.m_controls.m_useWirelessChecked = true;
    CNetworkSetting library = Profile(QStringLiteral("Library"));
    library.m_dhcp = 0;
    library.m_ipAddress = IpAddressField::Complete(192, 168, 0, 20);
    library.m_subnetMask = IpAddressField::Complete(255, 255, 255, 0);
    library.m_defaultGateway = IpAddressField::Complete(192, 168, 0, 1);
    library.m_dns = IpAddressField::Complete(192, 168, 0, 1);
    AddProfile(document, 0, library);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("NetworkSetting.ini"));
    QCOMPARE(WriteSettingsFile(document, path), 1);

    const QByteArray expected = "[UserNetworkSetting]\r\n"
                                "WIRED_DHCP=1\r\n"
                                "WIRED_IP=\r\n"
                                "WIRED_SUBNET_MASK=\r\n"
                                "WIRED_DEFAULT_GATEWAY=\r\n"
                                "WIRED_DNS=\r\n"
                                "WIRED_DNS_SECONDARY=\r\n"
                                "WIRED_PROXY=0\r\n"
                                "WIRED_PROXY_ADDRESS=\r\n"
                                "WIRED_PROXY_PORT=\r\n"
                                "WIRELESS_DHCP=0\r\n"
                                "WIRELESS_IP=192.168.0.20\r\n"
                                "WIRELESS_SUBNET_MASK=255.255.255.0\r\n"
                                "WIRELESS_DEFAULT_GATEWAY=192.168.0.1\r\n"
                                "WIRELESS_DNS=192.168.0.1\r\n"
                                "WIRELESS_DNS_SECONDARY=\r\n"
                                "WIRELESS_PROXY=0\r\n"
                                "WIRELESS_PROXY_ADDRESS=\r\n"
                                "WIRELESS_PROXY_PORT=\r\n"
                                "WIRELESS_SSID=Library\r\n"
                                "WIRELESS_SEQLITY_MODE=0\r\n"
                                "WIRELESS_PSK=\r\n"
                                "WIRELESS_FORCE=0\r\n"
                                "WIRELESS_CONNECTION_AUTOMATICALLY=1\r\n"
                                "[Common]\r\n"
                                "NETWORK_PRIORITY=1\r\n"
                                "NETWORK_DEVICE_POWER_MANAGEMENT=1\r\n"
                                "WIRELESS_SETTING_TOTAL=1\r\n";
    QCOMPARE(ReadAll(path), expected);
}

void TestSettingsWriter::writesOnlyWiredAndCommonKeysWithoutProfiles()
{
    CSettingsDocument document;
    CProfileFile file;
    QVERIFY(ComposeSettingsFile(document, file));
    const QByteArray bytes = file.ToBytes();
    QVERIFY(!bytes.contains("WIRELESS_SSID"));
    QVERIFY(bytes.endsWith("[Common]\r\nNETWORK_PRIORITY=0\r\nNETWORK_DEVICE_POWER_MANAGEMENT=0\r\n"
                           "WIRELESS_SETTING_TOTAL=0\r\n"));
    QCOMPARE(bytes.count("\r\n"), 9 + 3 + 2);
}

void TestSettingsWriter::profileKeyNames_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first profile has no suffix") << 0 << int(FieldSsid) << QStringLiteral("WIRELESS_SSID");
    QTest::newRow("second profile ends in _2, never _1")
        << 1 << int(FieldNetworkKey) << QStringLiteral("WIRELESS_PSK_2");
    QTest::newRow("thirtieth profile ends in _30")
        << 29 << int(FieldConnectAutomatically)
        << QStringLiteral("WIRELESS_CONNECTION_AUTOMATICALLY_30");
    QTest::newRow("misspelt security key kept") << 2 << int(FieldSecurityMode)
                                                << QStringLiteral("WIRELESS_SEQLITY_MODE_3");
    QTest::newRow("first field") << 9 << int(FieldDhcp) << QStringLiteral("WIRELESS_DHCP_10");
}

void TestSettingsWriter::profileKeyNames()
{
    QFETCH(int, position);
    QFETCH(int, index);
    QFETCH(QString, expected);
    QCOMPARE(ProfileKeyName(position, index), expected);
}

void TestSettingsWriter::writesProfilesInListOrderNotSlotOrder()
{
    CSettingsDocument document;
    // Slot 5 at the top of the list, slot 0 second: the top entry takes the unsuffixed names.
    AddProfile(document, 5, Profile(QStringLiteral("Top")));
    AddProfile(document, 0, Profile(QStringLiteral("Second")));
    CProfileFile file;
    QVERIFY(ComposeSettingsFile(document, file));
    const CProfileFile read = CProfileFile::FromBytes(file.ToBytes());
    QCOMPARE(read.Value(Section::UserNetworkSetting, u"WIRELESS_SSID"), QStringLiteral("Top"));
    QCOMPARE(read.Value(Section::UserNetworkSetting, u"WIRELESS_SSID_2"), QStringLiteral("Second"));
    QVERIFY(!read.Contains(Section::UserNetworkSetting, u"WIRELESS_SSID_3"));
    QCOMPARE(read.Value(Section::Common, u"WIRELESS_SETTING_TOTAL"), QStringLiteral("2"));

    const QByteArray bytes = file.ToBytes();
    QVERIFY(bytes.indexOf("WIRELESS_CONNECTION_AUTOMATICALLY=1\r\nWIRELESS_DHCP_2=1\r\n") > 0);
}

void TestSettingsWriter::writesWhatTheControlsHoldWhateverTheirState()
{
    CSettingsDocument document;
    MainWindowControls &c = document.m_controls;
    c.m_dhcpModeRadio = 0; // DHCP on, yet the disabled controls still hold addresses
    document.EnableAddressFields(false);
    SetAddress(c.m_ipAddress, 10, 0, 0, 7);
    SetAddress(c.m_subnetMask, 255, 255, -1, 0); // three parts only: blank
    SetAddress(c.m_defaultGateway, 0, 0, 0, 0);
    c.m_useProxyChecked = false;
    c.m_proxyAddress.m_text = QStringLiteral("proxy.example");
    c.m_proxyPort.m_text = QStringLiteral("8080");

    CProfileFile file;
    QVERIFY(ComposeSettingsFile(document, file));
    const CProfileFile read = CProfileFile::FromBytes(file.ToBytes());
    const QStringView s = Section::UserNetworkSetting;
    QCOMPARE(read.Value(s, u"WIRED_DHCP"), QStringLiteral("1"));
    QCOMPARE(read.Value(s, u"WIRED_IP"), QStringLiteral("10.0.0.7"));
    QCOMPARE(read.Value(s, u"WIRED_SUBNET_MASK"), QString());
    QCOMPARE(read.Value(s, u"WIRED_DEFAULT_GATEWAY"), QStringLiteral("0.0.0.0"));
    QCOMPARE(read.Value(s, u"WIRED_PROXY"), QStringLiteral("0"));
    QCOMPARE(read.Value(s, u"WIRED_PROXY_ADDRESS"), QStringLiteral("proxy.example"));
    QCOMPARE(read.Value(s, u"WIRED_PROXY_PORT"), QStringLiteral("8080"));
    // The writer refreshed its staging copy from the controls.
    QCOMPARE(document.m_wiredSetting.m_ipAddress, IpAddressField::Complete(10, 0, 0, 7));
    QCOMPARE(document.m_wiredSetting.m_subnetMask.m_filledParts, 3);
}

void TestSettingsWriter::encodesEveryFieldOfAProfile()
{
    CSettingsDocument document;
    document.m_controls.m_useWirelessChecked = false;
    CNetworkSetting profile = Profile(QStringLiteral("Cafe"));
    profile.m_securityMode = SecurityModeWpa2PskAes;
    profile.m_networkKey = QStringLiteral("secret-key");
    profile.m_stealthSsid = 1;
    profile.m_useProxy = 2; // only exactly 1 means "on"
    profile.m_proxyAddress = QStringLiteral(" spaced = ; \"quoted\" ");
    profile.m_connectAutomatically = 0;
    profile.m_secondaryDns = IpAddressField::Complete(8, 8, 4, 4);
    AddProfile(document, 0, profile);

    CProfileFile file;
    QVERIFY(ComposeSettingsFile(document, file));
    const CProfileFile read = CProfileFile::FromBytes(file.ToBytes());
    const QStringView s = Section::UserNetworkSetting;
    QCOMPARE(read.Value(s, u"WIRELESS_SEQLITY_MODE"), QStringLiteral("4"));
    QCOMPARE(read.Value(s, u"WIRELESS_FORCE"), QStringLiteral("1"));
    QCOMPARE(read.Value(s, u"WIRELESS_PROXY"), QStringLiteral("0"));
    QCOMPARE(read.Value(s, u"WIRELESS_PROXY_ADDRESS"), profile.m_proxyAddress);
    QCOMPARE(read.Value(s, u"WIRELESS_CONNECTION_AUTOMATICALLY"), QStringLiteral("0"));
    QCOMPARE(read.Value(s, u"WIRELESS_DNS_SECONDARY"), QStringLiteral("8.8.4.4"));
    QCOMPARE(read.Value(Section::Common, u"NETWORK_PRIORITY"), QStringLiteral("0"));
    QCOMPARE(read.Value(Section::Common, u"NETWORK_DEVICE_POWER_MANAGEMENT"), QStringLiteral("0"));
}

void TestSettingsWriter::sealsNetworkKeys()
{
    CSettingsDocument document;
    CNetworkSetting profile = Profile(QStringLiteral("Home"));
    profile.m_securityMode = SecurityModeWpaPskAes;
    profile.m_networkKey = QStringLiteral("correct horse battery");
    AddProfile(document, 0, profile);
    CNetworkSetting open = Profile(QStringLiteral("Open"));
    AddProfile(document, 1, open);

    CProfileFile file;
    QVERIFY(ComposeSettingsFile(document, file));
    const QByteArray bytes = file.ToBytes();
    QVERIFY(!bytes.contains("correct horse"));
    const CProfileFile read = CProfileFile::FromBytes(bytes);
    const QString sealed = read.Value(Section::UserNetworkSetting, u"WIRELESS_PSK");
    QCOMPARE(sealed.size(), 2 * (16 + 32));
    QString plain;
    QCOMPARE(DecryptSecret(sealed, plain), 1);
    QCOMPARE(plain, profile.m_networkKey);
    QCOMPARE(read.Value(Section::UserNetworkSetting, u"WIRELESS_PSK_2"), QString());
}

void TestSettingsWriter::failedWriteKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("proxyAddress");
    QTest::addColumn<bool>("folderMissing");
    QTest::newRow("target folder does not exist") << QStringLiteral("proxy") << true;
    QTest::newRow("value with a line feed") << QStringLiteral("evil\nWIRED_DHCP=0") << false;
    QTest::newRow("value with a carriage return") << QStringLiteral("evil\r") << false;
}

void TestSettingsWriter::failedWriteKeepsTheOldFile()
{
    QFETCH(QString, proxyAddress);
    QFETCH(bool, folderMissing);
    QTemporaryDir dir;
    const QString path = folderMissing ? dir.filePath(QStringLiteral("gone/NetworkSetting.ini"))
                                       : dir.filePath(QStringLiteral("NetworkSetting.ini"));
    const QByteArray old = "[UserNetworkSetting]\r\nWIRED_DHCP=0\r\n";
    if (!folderMissing) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    CSettingsDocument document;
    document.m_controls.m_proxyAddress.m_text = proxyAddress;
    QCOMPARE(WriteSettingsFile(document, path), 0);
    if (folderMissing)
        QVERIFY(!QFile::exists(path));
    else
        QCOMPARE(ReadAll(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), folderMissing ? 0 : 1);
}

void TestSettingsWriter::successfulWriteLeavesNoKeyOfTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("NetworkSetting.ini"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[UserNetworkSetting]\r\nWIRELESS_SSID_7=old\r\n[Other]\r\nX=1\r\n");
    }
    CSettingsDocument document;
    QCOMPARE(WriteSettingsFile(document, path), 1);
    const QByteArray bytes = ReadAll(path);
    QVERIFY(!bytes.contains("WIRELESS_SSID_7"));
    QVERIFY(!bytes.contains("[Other]"));
}

QTEST_GUILESS_MAIN(TestSettingsWriter)
#include "tst_settingswriter.moc"
