#include "DocumentProbe.h"
#include "LoadReports.h"
#include "MessageRecorder.h"
#include "ProfileFile.h"
#include "SettingsKeys.h"
#include "SettingsReader.h"
#include "SettingsWriter.h"
#include "TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <iterator>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace DocumentProbe;

namespace {


// Expectations for a file that holds nothing for the network folder and no profiles.
const QStringList kNoFolder { QStringLiteral("folder.mode=0"), QStringLiteral("folder.enabled=0"),
    QStringLiteral("folder.name="), QStringLiteral("folder.uid="),
    QStringLiteral("folder.password="), QStringLiteral("folder.confirm=") };

const QString kWired = QStringLiteral("[UserNetworkSetting]\n");

// Every value of the hand-written clean fixture.
const QStringList kCleanFixture {
    QStringLiteral("folder.mode=1"),
    QStringLiteral("folder.enabled=1"),
    QStringLiteral("folder.name=nas-01"),
    QStringLiteral("folder.uid=reader_1"),
    QStringLiteral("folder.password=nas-pass 42"),
    QStringLiteral("folder.confirm=nas-pass 42"),
    QStringLiteral("wired.dhcpMode=1"),
    QStringLiteral("wired.addressesEnabled=1"),
    QStringLiteral("wired.ip=192.168.10.5"),
    QStringLiteral("wired.mask=255.255.255.0"),
    QStringLiteral("wired.gateway=192.168.10.1"),
    QStringLiteral("wired.dns=192.168.10.1"),
    QStringLiteral("wired.dns2="),
    QStringLiteral("wired.proxy=1"),
    QStringLiteral("wired.proxyEnabled=1"),
    QStringLiteral("wired.proxyAddress=proxy.example.net"),
    QStringLiteral("wired.proxyPort=8080"),
    QStringLiteral("useWireless=1"),
    QStringLiteral("list=Library,Office,Lab"),
    QStringLiteral("selection=0"),
    QStringLiteral("p0.ssid=Library"),
    QStringLiteral("p0.dhcp=0"),
    QStringLiteral("p0.ip=192.168.0.20"),
    QStringLiteral("p0.mask=255.255.255.0"),
    QStringLiteral("p0.gateway=192.168.0.1"),
    QStringLiteral("p0.dns=192.168.0.1"),
    QStringLiteral("p0.dns2="),
    QStringLiteral("p0.proxy=0"),
    QStringLiteral("p0.proxyAddress="),
    QStringLiteral("p0.proxyPort="),
    QStringLiteral("p0.mode=0"),
    QStringLiteral("p0.key="),
    QStringLiteral("p0.force=0"),
    QStringLiteral("p0.auto=1"),
    QStringLiteral("p1.ssid=Office"),
    QStringLiteral("p1.dhcp=1"),
    QStringLiteral("p1.ip="),
    QStringLiteral("p1.proxy=1"),
    QStringLiteral("p1.proxyAddress=10.0.0.8"),
    QStringLiteral("p1.proxyPort=3128"),
    QStringLiteral("p1.mode=4"),
    QStringLiteral("p1.key=LibraryKey1"),
    QStringLiteral("p1.force=1"),
    QStringLiteral("p1.auto=0"),
    QStringLiteral("p2.ssid=Lab"),
    QStringLiteral("p2.mode=1"),
    QStringLiteral("p2.key=0123456789abcdef0123456789"),
    QStringLiteral("p2.force=0"),
    QStringLiteral("p2.auto=1"),
};

QStringList Snapshot(const CSettingsDocument &document)
{
    QStringList lines;
    const QMap<QString, QString> all = Describe(document, true);
    for (auto it = all.constBegin(); it != all.constEnd(); ++it)
        lines.append(it.key() + u'=' + it.value());
    return lines;
}

} // namespace

class TestSettingsReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void parseIpAddress_data();
    void parseIpAddress();
    void cleanFixtureLoads();
    void brokenFixtureReportsEveryValueInOrder();
    void readerRules_data();
    void readerRules();
    void missingFileReadsAsEmpty();
    void messagesHaveTheLoadForm();
    void loadReplacesEveryProfileSlot();
    void writtenFileReadsBackValueForValue();
    void refusedInput_data();
    void refusedInput();
    void oddInput_data();
    void oddInput();
    void mutatedFilesLeaveAConsistentDocument();

private:
    QTemporaryDir m_dir;
    QString Path(const QString &name) const { return m_dir.filePath(name); }
};

void TestSettingsReader::initTestCase()
{
    SetCurrentLanguageSlot(0);
    QVERIFY(m_dir.isValid());
}

void TestSettingsReader::parseIpAddress_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("address"); // dotted form when accepted

    QTest::newRow("four parts") << QStringLiteral("192.168.0.1") << 1
                                << QStringLiteral("192.168.0.1");
    QTest::newRow("zeros") << QStringLiteral("0.0.0.0") << 1 << QStringLiteral("0.0.0.0");
    QTest::newRow("largest octets")
        << QStringLiteral("255.255.255.255") << 1 << QStringLiteral("255.255.255.255");
    QTest::newRow("leading zeros within three chars")
        << QStringLiteral("001.002.010.099") << 1 << QStringLiteral("1.2.10.99");
    QTest::newRow("fifth part is read into the fourth")
        << QStringLiteral("1.2.3.4.5") << 1 << QStringLiteral("1.2.3.4");
    QTest::newRow("trailing dot after the fourth part")
        << QStringLiteral("1.2.3.45.") << 1 << QStringLiteral("1.2.3.45");
    QTest::newRow("three parts") << QStringLiteral("192.168.1") << -1 << QString();
    QTest::newRow("empty second part") << QStringLiteral("1..2.3") << -1 << QString();
    QTest::newRow("trailing dot after the third part")
        << QStringLiteral("1.2.3.") << -1 << QString();
    QTest::newRow("leading dot") << QStringLiteral(".1.2.3") << -1 << QString();
    QTest::newRow("empty fourth part before a dot")
        << QStringLiteral("1.2.3..5") << -1 << QString();
    QTest::newRow("first octet 256") << QStringLiteral("256.1.1.1") << -1 << QString();
    QTest::newRow("last octet 256") << QStringLiteral("1.1.1.256") << -1 << QString();
    QTest::newRow("part of four digits") << QStringLiteral("0001.2.3.4") << -1 << QString();
    QTest::newRow("fourth part of four chars") << QStringLiteral("1.2.3.4.56") << -1 << QString();
    QTest::newRow("blank inside") << QStringLiteral("1 2.3.4.5") << -1 << QString();
    QTest::newRow("trailing blank") << QStringLiteral("1.2.3.4 ") << -1 << QString();
    QTest::newRow("minus sign") << QStringLiteral("1.2.3.-4") << -1 << QString();
    QTest::newRow("commas") << QStringLiteral("1,2,3,4") << -1 << QString();
    QTest::newRow("letters") << QStringLiteral("a.b.c.d") << -1 << QString();
    QTest::newRow("full-width digits") << QStringLiteral("\uff11.2.3.4") << -1 << QString();
    QTest::newRow("empty text is accepted as blank") << QString() << 1 << QString();
}

void TestSettingsReader::parseIpAddress()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QFETCH(QString, address);
    IpAddressField field = IpAddressField::Complete(9, 9, 9, 9);
    QCOMPARE(ParseIpAddress(text, field), expected);
    QCOMPARE(Dotted(field), address);
    QCOMPARE(field.IsComplete(), expected == 1 && !text.isEmpty());
}

void TestSettingsReader::cleanFixtureLoads()
{
    CSettingsDocument document;
    Prefill(document);
    CMessageRecorder recorder;
    QCOMPARE(ReadSettingsFile(document, recorder, QFINDTESTDATA("data/clean.ini")), 1);
    QCOMPARE(IdsOf(recorder), MessageIds {});
    QCOMPARE(Mismatches(document, kCleanFixture), QStringList());
    QCOMPARE(BrokenInvariants(document), QStringList());
    QCOMPARE(document.m_wiredSetting.m_dhcp, 0);
    QCOMPARE(document.m_wiredSetting.m_ipAddress, IpAddressField::Complete(192, 168, 10, 5));
    QCOMPARE(document.m_wiredSetting.m_proxyPort, QStringLiteral("8080"));
}

void TestSettingsReader::brokenFixtureReportsEveryValueInOrder()
{
    CSettingsDocument document;
    Prefill(document);
    CMessageRecorder recorder;
    QCOMPARE(ReadSettingsFile(document, recorder, QFINDTESTDATA("data/broken.ini")), 0);
    QCOMPARE(IdsOf(recorder), (MessageIds { 49, 50, 51, 105, 54, 56, 61, 64, 60, 58, 57, 53 }));
    const QStringList expected {
        QStringLiteral("folder.mode=1"),
        QStringLiteral("folder.enabled=1"),
        QStringLiteral("folder.name="),
        QStringLiteral("folder.uid="),
        QStringLiteral("folder.password="),
        QStringLiteral("folder.confirm="),
        QStringLiteral("wired.dhcpMode=1"),
        QStringLiteral("wired.addressesEnabled=1"),
        QStringLiteral("wired.ip="),
        QStringLiteral("wired.mask="),
        QStringLiteral("wired.gateway=1.2.3.4"),
        QStringLiteral("wired.dns=127.0.0.1"),
        QStringLiteral("wired.dns2="),
        QStringLiteral("wired.proxy=1"),
        QStringLiteral("wired.proxyEnabled=1"),
        QStringLiteral("wired.proxyAddress="),
        QStringLiteral("wired.proxyPort="),
        QStringLiteral("useWireless=0"),
        QStringLiteral("list=Good"),
        QStringLiteral("selection=0"),
        QStringLiteral("p0.ssid=Good"),
        QStringLiteral("p0.mode=0"),
        QStringLiteral("p0.key="),
        QStringLiteral("p0.proxy=0"),
        QStringLiteral("p0.proxyPort=8080x"),
        QStringLiteral("p0.dhcp=1"),
    };
    QCOMPARE(Mismatches(document, expected), QStringList());
    QCOMPARE(BrokenInvariants(document), QStringList());
}

void TestSettingsReader::readerRules_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("result");
    QTest::addColumn<MessageIds>("messages");
    QTest::addColumn<QStringList>("expectations");

    const auto with = [](QStringList base, const QStringList &more) {
        base += more;
        return base;
    };

    // A. Network folder.
    const QString folder = QStringLiteral("[NewtworkFolderSetting]\n");
    QTest::newRow("name and user ID make the folder customised")
        << folder
            + QStringLiteral(
                "NETFOLDER_NAME=nas-01\nNETFOLDER_UID=u_1\nNETFOLDER_PASS=$seal(pw 1)\n")
        << 1 << MessageIds {}
        << QStringList { QStringLiteral("folder.mode=1"), QStringLiteral("folder.enabled=1"),
               QStringLiteral("folder.name=nas-01"), QStringLiteral("folder.uid=u_1"),
               QStringLiteral("folder.password=pw 1"), QStringLiteral("folder.confirm=pw 1") };
    QTest::newRow("customised folder without password")
        << folder + QStringLiteral("NETFOLDER_NAME=nas\nNETFOLDER_UID=u\n") << 1 << MessageIds {}
        << QStringList { QStringLiteral("folder.mode=1"), QStringLiteral("folder.name=nas"),
               QStringLiteral("folder.uid=u"), QStringLiteral("folder.password=") };
    QTest::newRow("undecryptable folder password reports 49")
        << folder + QStringLiteral("NETFOLDER_NAME=nas\nNETFOLDER_UID=u\nNETFOLDER_PASS=ABCD\n")
        << 0 << MessageIds { 49 }
        << QStringList { QStringLiteral("folder.mode=1"), QStringLiteral("folder.name=nas"),
               QStringLiteral("folder.password="), QStringLiteral("folder.confirm=") };
    QTest::newRow("undecryptable password reports 49 even for the default setting")
        << folder + QStringLiteral("NETFOLDER_UID=u\nNETFOLDER_PASS=0123\n") << 0
        << MessageIds { 49 } << kNoFolder;
    QTest::newRow("user ID without name gives the default setting silently")
        << folder + QStringLiteral("NETFOLDER_UID=someone\n") << 1 << MessageIds {} << kNoFolder;
    QTest::newRow("name without user ID discards the password silently")
        << folder + QStringLiteral("NETFOLDER_NAME=nas\nNETFOLDER_PASS=$seal(secret)\n") << 1
        << MessageIds {} << kNoFolder;
    QTest::newRow("folder name of 16 chars reports 50")
        << folder + QStringLiteral("NETFOLDER_NAME=abcdefghijklmnop\nNETFOLDER_UID=u\n") << 0
        << MessageIds { 50 }
        << QStringList { QStringLiteral("folder.mode=1"), QStringLiteral("folder.name="),
               QStringLiteral("folder.uid=u") };
    QTest::newRow("folder name of 15 chars passes")
        << folder + QStringLiteral("NETFOLDER_NAME=abcdefghijklmno\nNETFOLDER_UID=u\n") << 1
        << MessageIds {} << QStringList { QStringLiteral("folder.name=abcdefghijklmno") };
    QTest::newRow("folder name of digits only reports 50")
        << folder + QStringLiteral("NETFOLDER_NAME=123\nNETFOLDER_UID=u\n") << 0
        << MessageIds { 50 } << QStringList { QStringLiteral("folder.name=") };
    QTest::newRow("folder user ID of 33 chars reports 51")
        << folder + QStringLiteral("NETFOLDER_NAME=nas\nNETFOLDER_UID=") + Chars(33) + u'\n' << 0
        << MessageIds { 51 }
        << QStringList { QStringLiteral("folder.name=nas"), QStringLiteral("folder.uid=") };
    QTest::newRow("folder user ID with full stop reports 51")
        << folder + QStringLiteral("NETFOLDER_NAME=nas\nNETFOLDER_UID=j.doe\n") << 0
        << MessageIds { 51 } << QStringList { QStringLiteral("folder.uid=") };
    QTest::newRow("folder password of 33 chars reports 52")
        << folder + QStringLiteral("NETFOLDER_NAME=nas\nNETFOLDER_UID=u\nNETFOLDER_PASS=$seal(")
            + Chars(33) + QStringLiteral(")\n")
        << 0 << MessageIds { 52 }
        << QStringList { QStringLiteral("folder.mode=1"), QStringLiteral("folder.password="),
               QStringLiteral("folder.confirm=") };
    QTest::newRow("folder password with a tab reports 52")
        << folder
            + QStringLiteral("NETFOLDER_NAME=nas\nNETFOLDER_UID=u\nNETFOLDER_PASS=$seal(a\tb)\n")
        << 0 << MessageIds { 52 } << QStringList { QStringLiteral("folder.password=") };
    QTest::newRow("bad name, user ID and password report 50, 51, 52 in order")
        << folder + QStringLiteral("NETFOLDER_PASS=$seal(") + Chars(40)
            + QStringLiteral(")\nNETFOLDER_UID=a b\nNETFOLDER_NAME=-\n")
        << 0 << MessageIds { 50, 51, 52 }
        << QStringList { QStringLiteral("folder.mode=1"), QStringLiteral("folder.enabled=1"),
               QStringLiteral("folder.name="), QStringLiteral("folder.uid="),
               QStringLiteral("folder.password=") };

    // B. Wired LAN.
    const QStringList noProfiles { QStringLiteral("list="), QStringLiteral("selection=-1") };
    QTest::newRow("WIRED_DHCP 0 switches DHCP off and enables the addresses")
        << kWired + QStringLiteral("WIRED_DHCP=0\n") << 1 << MessageIds {}
        << QStringList { QStringLiteral("wired.dhcpMode=1"),
               QStringLiteral("wired.addressesEnabled=1") };
    QTest::newRow("empty WIRED_DHCP means DHCP on")
        << kWired + QStringLiteral("WIRED_DHCP=\n") << 1 << MessageIds {}
        << QStringList { QStringLiteral("wired.dhcpMode=0"),
               QStringLiteral("wired.addressesEnabled=0") };
    QTest::newRow("WIRED_DHCP 00 means DHCP on")
        << kWired + QStringLiteral("WIRED_DHCP=00\n") << 1 << MessageIds {}
        << QStringList { QStringLiteral("wired.dhcpMode=0") };
    QTest::newRow("addresses are read with DHCP on")
        << kWired + QStringLiteral("WIRED_DHCP=1\nWIRED_IP=10.1.2.3\n") << 1 << MessageIds {}
        << QStringList { QStringLiteral("wired.dhcpMode=0"),
               QStringLiteral("wired.addressesEnabled=0"), QStringLiteral("wired.ip=10.1.2.3") };
    QTest::newRow("IP 127.0.0.1 reports 105 and stays blank")
        << kWired + QStringLiteral("WIRED_IP=127.0.0.1\n") << 0 << MessageIds { 105 }
        << QStringList { QStringLiteral("wired.ip=") };
    QTest::newRow("DNS 127.0.0.1 is accepted")
        << kWired + QStringLiteral("WIRED_DNS=127.0.0.1\nWIRED_DNS_SECONDARY=127.0.0.2\n") << 1
        << MessageIds {}
        << QStringList { QStringLiteral("wired.dns=127.0.0.1"),
               QStringLiteral("wired.dns2=127.0.0.2") };
    QTest::newRow("IP of three parts reports 53")
        << kWired + QStringLiteral("WIRED_IP=192.168.1\n") << 0 << MessageIds { 53 }
        << QStringList { QStringLiteral("wired.ip=") };
    QTest::newRow("IP 1..2.3 reports 53")
        << kWired + QStringLiteral("WIRED_IP=1..2.3\n") << 0 << MessageIds { 53 }
        << QStringList { QStringLiteral("wired.ip=") };
    QTest::newRow("IP with trailing dot reports 53")
        << kWired + QStringLiteral("WIRED_IP=1.2.3.\n") << 0 << MessageIds { 53 }
        << QStringList { QStringLiteral("wired.ip=") };
    QTest::newRow("IP 256.1.1.1 reports 53")
        << kWired + QStringLiteral("WIRED_IP=256.1.1.1\n") << 0 << MessageIds { 53 }
        << QStringList { QStringLiteral("wired.ip=") };
    QTest::newRow("IP 1.2.3.4.5 is read as 1.2.3.4")
        << kWired + QStringLiteral("WIRED_IP=1.2.3.4.5\n") << 1 << MessageIds {}
        << QStringList { QStringLiteral("wired.ip=1.2.3.4") };
    QTest::newRow("bad subnet mask reports 54")
        << kWired + QStringLiteral("WIRED_SUBNET_MASK=255.255.255.x\n") << 0 << MessageIds { 54 }
        << QStringList { QStringLiteral("wired.mask=") };
    QTest::newRow("bad gateway reports 55")
        << kWired + QStringLiteral("WIRED_DEFAULT_GATEWAY=1.2.3\n") << 0 << MessageIds { 55 }
        << QStringList { QStringLiteral("wired.gateway=") };
    QTest::newRow("bad DNS reports 56")
        << kWired + QStringLiteral("WIRED_DNS=1.2.3.999\n") << 0 << MessageIds { 56 }
        << QStringList { QStringLiteral("wired.dns=") };
    QTest::newRow("bad secondary DNS reports 56")
        << kWired + QStringLiteral("WIRED_DNS_SECONDARY=dns\n") << 0 << MessageIds { 56 }
        << QStringList { QStringLiteral("wired.dns2=") };
    QTest::newRow("five bad addresses are reported in key order")
        << kWired
            + QStringLiteral("WIRED_DNS_SECONDARY=x\nWIRED_DNS=x\nWIRED_DEFAULT_GATEWAY=x\n"
                             "WIRED_SUBNET_MASK=x\nWIRED_IP=x\n")
        << 0 << MessageIds { 53, 54, 55, 56, 56 }
        << QStringList { QStringLiteral("wired.ip="), QStringLiteral("wired.mask="),
               QStringLiteral("wired.gateway="), QStringLiteral("wired.dns="),
               QStringLiteral("wired.dns2=") };
    QTest::newRow("proxy 0 with empty texts gives no report")
        << kWired + QStringLiteral("WIRED_PROXY=0\nWIRED_PROXY_ADDRESS=\nWIRED_PROXY_PORT=\n") << 1
        << MessageIds {}
        << QStringList { QStringLiteral("wired.proxy=0"), QStringLiteral("wired.proxyEnabled=0"),
               QStringLiteral("wired.proxyAddress="), QStringLiteral("wired.proxyPort=") };
    QTest::newRow("proxy 1 with empty texts reports 61 then 62")
        << kWired + QStringLiteral("WIRED_PROXY=1\n") << 0 << MessageIds { 61, 62 }
        << QStringList { QStringLiteral("wired.proxy=1"), QStringLiteral("wired.proxyEnabled=1"),
               QStringLiteral("wired.proxyAddress="), QStringLiteral("wired.proxyPort=") };
    QTest::newRow("any proxy flag but 0 switches the proxy on")
        << kWired + QStringLiteral("WIRED_PROXY=yes\nWIRED_PROXY_ADDRESS=p\nWIRED_PROXY_PORT=1\n")
        << 1 << MessageIds {}
        << QStringList { QStringLiteral("wired.proxy=1"), QStringLiteral("wired.proxyAddress=p"),
               QStringLiteral("wired.proxyPort=1") };
    QTest::newRow("proxy texts are kept with the proxy off")
        << kWired + QStringLiteral("WIRED_PROXY_ADDRESS=p.example\nWIRED_PROXY_PORT=80\n") << 1
        << MessageIds {}
        << QStringList { QStringLiteral("wired.proxy=0"),
               QStringLiteral("wired.proxyAddress=p.example"),
               QStringLiteral("wired.proxyPort=80") };
    QTest::newRow("proxy address with character 127 reports 63 even with the proxy off")
        << kWired + QStringLiteral("WIRED_PROXY_ADDRESS=a\x7f b\n") << 0 << MessageIds { 63 }
        << QStringList { QStringLiteral("wired.proxyAddress=") };
    QTest::newRow("proxy address with Latin-1 letters passes")
        << kWired + QStringLiteral("WIRED_PROXY_ADDRESS=caf\u00e9.example\n") << 1 << MessageIds {}
        << QStringList { QStringLiteral("wired.proxyAddress=caf\u00e9.example") };
    QTest::newRow("proxy port 0 reports 64")
        << kWired + QStringLiteral("WIRED_PROXY=1\nWIRED_PROXY_ADDRESS=p\nWIRED_PROXY_PORT=0\n")
        << 0 << MessageIds { 64 } << QStringList { QStringLiteral("wired.proxyPort=") };
    QTest::newRow("proxy port 65536 reports 64")
        << kWired + QStringLiteral("WIRED_PROXY_PORT=65536\n") << 0 << MessageIds { 64 }
        << QStringList { QStringLiteral("wired.proxyPort=") };
    QTest::newRow("proxy port 65535 passes")
        << kWired + QStringLiteral("WIRED_PROXY_PORT=65535\n") << 1 << MessageIds {}
        << QStringList { QStringLiteral("wired.proxyPort=65535") };
    QTest::newRow("proxy port 8080x is kept as written")
        << kWired + QStringLiteral("WIRED_PROXY_PORT=8080x\n") << 1 << MessageIds {}
        << QStringList { QStringLiteral("wired.proxyPort=8080x") };
    QTest::newRow("proxy address then port are reported in that order")
        << kWired + QStringLiteral("WIRED_PROXY_PORT=x\nWIRED_PROXY=1\nWIRED_IP=1\n") << 0
        << MessageIds { 53, 61, 64 } << QStringList {};

    // C. Common switches.
    QTest::newRow("power management 0 switches wireless off")
        << QStringLiteral("[Common]\nNETWORK_PRIORITY=1\nNETWORK_DEVICE_POWER_MANAGEMENT=0\n") << 1
        << MessageIds {} << QStringList { QStringLiteral("useWireless=0") };
    QTest::newRow("network priority is not read")
        << QStringLiteral("[Common]\nNETWORK_PRIORITY=0\nNETWORK_DEVICE_POWER_MANAGEMENT=1\n") << 1
        << MessageIds {} << QStringList { QStringLiteral("useWireless=1") };
    QTest::newRow("missing power management switches wireless on")
        << QStringLiteral("[Common]\nNETWORK_PRIORITY=0\n") << 1 << MessageIds {}
        << QStringList { QStringLiteral("useWireless=1") };

    // D. Wireless profiles.
    QTest::newRow("profile count 1 with three key sets loads three")
        << kWired
            + QStringLiteral("WIRELESS_SSID=A\nWIRELESS_SSID_2=B\nWIRELESS_SSID_3=C\n"
                             "[Common]\nWIRELESS_SETTING_TOTAL=1\n")
        << 1 << MessageIds {}
        << QStringList { QStringLiteral("list=A,B,C"), QStringLiteral("selection=0") };
    QTest::newRow("missing _2 keys: profiles 1 and 3 take positions 0 and 1")
        << kWired
            + QStringLiteral("WIRELESS_SSID=First\nWIRELESS_SSID_3=Third\nWIRELESS_SEQLITY_MODE_3="
                             "2\nWIRELESS_PSK_3=$seal(password3)\n")
        << 1 << MessageIds {}
        << QStringList { QStringLiteral("list=First,Third"), QStringLiteral("p0.ssid=First"),
               QStringLiteral("p1.ssid=Third"), QStringLiteral("p1.mode=2"),
               QStringLiteral("p1.key=password3") };
    QTest::newRow("thirtieth profile loads, a 31st key set is ignored")
        << kWired + QStringLiteral("WIRELESS_SSID_30=Thirty\nWIRELESS_SSID_31=ThirtyOne\n") << 1
        << MessageIds {} << QStringList { QStringLiteral("list=Thirty") };
    QTest::newRow("profile with empty SSID still reports its bad IP, then is dropped")
        << kWired
            + QStringLiteral("WIRELESS_SSID=A\nWIRELESS_IP_2=1.2.3\nWIRELESS_SEQLITY_MODE_2=1\n")
        << 0 << MessageIds { 53 } << QStringList { QStringLiteral("list=A") };
    QTest::newRow("profile addresses and the loopback rule")
        << kWired
            + QStringLiteral("WIRELESS_SSID=A\nWIRELESS_DHCP=0\nWIRELESS_IP=127.1.1.1\n"
                             "WIRELESS_SUBNET_MASK=255.0.0.0\nWIRELESS_DEFAULT_GATEWAY=x\n"
                             "WIRELESS_DNS=127.0.0.1\nWIRELESS_DNS_SECONDARY=1.2\n")
        << 0 << MessageIds { 105, 55, 56 }
        << QStringList { QStringLiteral("list=A"), QStringLiteral("p0.dhcp=0"),
               QStringLiteral("p0.ip="), QStringLiteral("p0.mask=255.0.0.0"),
               QStringLiteral("p0.gateway="), QStringLiteral("p0.dns=127.0.0.1"),
               QStringLiteral("p0.dns2=") };
    QTest::newRow("profile proxy on with empty texts reports 61 and 62 and stays")
        << kWired + QStringLiteral("WIRELESS_SSID=A\nWIRELESS_PROXY=1\n") << 0
        << MessageIds { 61, 62 }
        << QStringList { QStringLiteral("list=A"), QStringLiteral("p0.proxy=1"),
               QStringLiteral("p0.proxyAddress="), QStringLiteral("p0.proxyPort=") };
    QTest::newRow("profile proxy texts: bad address 63, port 8080x kept")
        << kWired
            + QStringLiteral(
                "WIRELESS_SSID=A\nWIRELESS_PROXY_ADDRESS=\tp\nWIRELESS_PROXY_PORT=8080x\n")
        << 0 << MessageIds { 63 }
        << QStringList { QStringLiteral("p0.proxy=0"), QStringLiteral("p0.proxyAddress="),
               QStringLiteral("p0.proxyPort=8080x") };
    QTest::newRow("profile proxy port 0 reports 64")
        << kWired + QStringLiteral("WIRELESS_SSID=A\nWIRELESS_PROXY_PORT=0\n") << 0
        << MessageIds { 64 } << QStringList { QStringLiteral("p0.proxyPort=") };
    QTest::newRow("mode 7 gives mode 0 and drops the key silently")
        << kWired
            + QStringLiteral(
                "WIRELESS_SSID=A\nWIRELESS_SEQLITY_MODE=7\nWIRELESS_PSK=$seal(abcdefgh)\n")
        << 1 << MessageIds {}
        << QStringList { QStringLiteral("list=A"), QStringLiteral("p0.mode=0"),
               QStringLiteral("p0.key=") };
    QTest::newRow("mode 01 gives mode 0")
        << kWired
            + QStringLiteral(
                "WIRELESS_SSID=A\nWIRELESS_SEQLITY_MODE=01\nWIRELESS_PSK=$seal(abcdefgh)\n")
        << 1 << MessageIds {}
        << QStringList { QStringLiteral("p0.mode=0"), QStringLiteral("p0.key=") };
    QTest::newRow("empty mode gives mode 0")
        << kWired
            + QStringLiteral(
                "WIRELESS_SSID=A\nWIRELESS_SEQLITY_MODE=\nWIRELESS_PSK=$seal(abcdefgh)\n")
        << 1 << MessageIds {}
        << QStringList { QStringLiteral("p0.mode=0"), QStringLiteral("p0.key=") };
    QTest::newRow("mode 5 is read as 5")
        << kWired
            + QStringLiteral(
                "WIRELESS_SSID=A\nWIRELESS_SEQLITY_MODE=5\nWIRELESS_PSK=$seal(abcdefgh)\n")
        << 1 << MessageIds {}
        << QStringList { QStringLiteral("p0.mode=5"), QStringLiteral("p0.key=abcdefgh") };
    for (const char *key :
        { "abcde", "abcdefghijklm", "0123456789", "0123456789ABCDEFabcdef0123" }) {
        QTest::addRow("WEP key of %d characters stays", int(qstrlen(key)))
            << kWired
                + QStringLiteral("WIRELESS_SSID=W\nWIRELESS_SEQLITY_MODE=1\nWIRELESS_PSK=$seal(")
                + QString::fromLatin1(key) + QStringLiteral(")\n")
            << 1 << MessageIds {}
            << QStringList { QStringLiteral("list=W"), QStringLiteral("p0.mode=1"),
                   QStringLiteral("p0.key=") + QString::fromLatin1(key) };
    }
    QTest::newRow("WEP key of 6 characters reports 60 and drops the profile")
        << kWired
            + QStringLiteral("WIRELESS_SSID=W\nWIRELESS_SEQLITY_MODE=1\nWIRELESS_PSK=$seal(abcdef)"
                             "\nWIRELESS_SSID_2=Next\n")
        << 0 << MessageIds { 60 }
        << QStringList { QStringLiteral("list=Next"), QStringLiteral("p0.ssid=Next") };
    QTest::newRow("WEP key of 10 characters that are not hex reports 60")
        << kWired
            + QStringLiteral(
                "WIRELESS_SSID=W\nWIRELESS_SEQLITY_MODE=1\nWIRELESS_PSK=$seal(012345678g)\n")
        << 0 << MessageIds { 60 } << QStringList { QStringLiteral("list=") };
    QTest::newRow("WPA key of 64 chars with a non-hex reports 60")
        << kWired + QStringLiteral("WIRELESS_SSID=W\nWIRELESS_SEQLITY_MODE=3\nWIRELESS_PSK=$seal(")
            + Chars(63, u'f') + QStringLiteral("x)\n")
        << 0 << MessageIds { 60 } << QStringList { QStringLiteral("list=") };
    QTest::newRow("WPA key of 64 hex digits stays")
        << kWired + QStringLiteral("WIRELESS_SSID=W\nWIRELESS_SEQLITY_MODE=3\nWIRELESS_PSK=$seal(")
            + Chars(64, u'f') + QStringLiteral(")\n")
        << 1 << MessageIds {} << QStringList { QStringLiteral("p0.key=") + Chars(64, u'f') };
    QTest::newRow("WPA key of 7 chars reports 60")
        << kWired
            + QStringLiteral(
                "WIRELESS_SSID=W\nWIRELESS_SEQLITY_MODE=2\nWIRELESS_PSK=$seal(1234567)\n")
        << 0 << MessageIds { 60 } << QStringList { QStringLiteral("list=") };
    QTest::newRow("WPA profile without key reports 60")
        << kWired + QStringLiteral("WIRELESS_SSID=W\nWIRELESS_SEQLITY_MODE=4\n") << 0
        << MessageIds { 60 } << QStringList { QStringLiteral("list=") };
    QTest::newRow("undecryptable key in mode 0 reports 57 and the profile stays")
        << kWired
            + QStringLiteral("WIRELESS_SSID=Open\nWIRELESS_SEQLITY_MODE=0\nWIRELESS_PSK=NOTHEX\n")
        << 0 << MessageIds { 57 }
        << QStringList { QStringLiteral("list=Open"), QStringLiteral("p0.key="),
               QStringLiteral("p0.mode=0") };
    QTest::newRow("undecryptable key in mode 2 reports 57 then 60 and drops the profile")
        << kWired + QStringLiteral("WIRELESS_SSID=Wpa\nWIRELESS_SEQLITY_MODE=2\nWIRELESS_PSK=")
            + Chars(48, u'A') + u'\n'
        << 0 << MessageIds { 57, 60 } << QStringList { QStringLiteral("list=") };
    QTest::newRow("SSID of 33 characters reports 58 and drops the profile")
        << kWired + QStringLiteral("WIRELESS_SSID=") + Chars(33)
            + QStringLiteral("\nWIRELESS_SEQLITY_MODE=1\nWIRELESS_PSK=$seal(x)\n")
        << 0 << MessageIds { 58 } << QStringList { QStringLiteral("list=") };
    QTest::newRow("SSID of 32 characters stays")
        << kWired + QStringLiteral("WIRELESS_SSID=") + Chars(32) + u'\n' << 1 << MessageIds {}
        << QStringList { QStringLiteral("list=") + Chars(32) };
    QTest::newRow("SSID with a character above 255 reports 58")
        << kWired + QStringLiteral("WIRELESS_SSID=Caf\u0113\n") << 0 << MessageIds { 58 }
        << QStringList { QStringLiteral("list=") };
    QTest::newRow("SSID with Latin-1 letters and a tab stays")
        << kWired + QStringLiteral("WIRELESS_SSID=Caf\u00e9\tbar\n") << 1 << MessageIds {}
        << QStringList { QStringLiteral("list=Caf\u00e9\tbar") };
    QTest::newRow("stealth and automatic connection flags")
        << kWired
            + QStringLiteral(
                "WIRELESS_SSID=A\nWIRELESS_FORCE=1\nWIRELESS_CONNECTION_AUTOMATICALLY=0\n"
                "WIRELESS_SSID_2=B\nWIRELESS_FORCE_2=2\nWIRELESS_CONNECTION_AUTOMATICALLY_2=\n")
        << 1 << MessageIds {}
        << QStringList { QStringLiteral("p0.force=1"), QStringLiteral("p0.auto=0"),
               QStringLiteral("p1.force=0"), QStringLiteral("p1.auto=1") };
    QTest::newRow("profile DHCP other than 0 is on")
        << kWired + QStringLiteral("WIRELESS_SSID=A\nWIRELESS_DHCP=no\n") << 1 << MessageIds {}
        << QStringList { QStringLiteral("p0.dhcp=1") };

    // The steps run in their own order, whatever the order of the file.
    QTest::newRow("reports follow the steps, not the file")
        << QStringLiteral("[Common]\nNETWORK_DEVICE_POWER_MANAGEMENT=0\n[UserNetworkSetting]\n"
                          "WIRELESS_SSID=")
            + Chars(40)
            + QStringLiteral("\nWIRED_IP=x\n[NewtworkFolderSetting]\nNETFOLDER_PASS=00\n")
        << 0 << MessageIds { 49, 53, 58 }
        << with(kNoFolder, { QStringLiteral("useWireless=0"), QStringLiteral("list=") });
    QTest::newRow("file without keys loads the defaults")
        << QStringLiteral("; nothing but a comment\n") << 1 << MessageIds {}
        << with(with(kNoFolder, noProfiles),
               { QStringLiteral("wired.dhcpMode=0"), QStringLiteral("wired.ip="),
                   QStringLiteral("wired.proxy=0"), QStringLiteral("useWireless=1") });
}

void TestSettingsReader::readerRules()
{
    QFETCH(QString, file);
    QFETCH(int, result);
    QFETCH(MessageIds, messages);
    QFETCH(QStringList, expectations);

    const QString path = Path(QStringLiteral("rule.ini"));
    QVERIFY(TestFiles::Write(path, TestFiles::Bytes(file)));
    CSettingsDocument document;
    Prefill(document);
    CMessageRecorder recorder;
    QCOMPARE(ReadSettingsFile(document, recorder, path), result);
    QCOMPARE(IdsOf(recorder), messages);
    QCOMPARE(Mismatches(document, expectations), QStringList());
    QCOMPARE(BrokenInvariants(document), QStringList());
}

void TestSettingsReader::missingFileReadsAsEmpty()
{
    CSettingsDocument document;
    Prefill(document);
    CMessageRecorder recorder;
    QCOMPARE(ReadSettingsFile(document, recorder, Path(QStringLiteral("absent.ini"))), 1);
    QCOMPARE(IdsOf(recorder), MessageIds {});
    QStringList expected = kNoFolder;
    expected += QStringList {
        QStringLiteral("wired.dhcpMode=0"),
        QStringLiteral("wired.addressesEnabled=0"),
        QStringLiteral("wired.ip="),
        QStringLiteral("wired.mask="),
        QStringLiteral("wired.gateway="),
        QStringLiteral("wired.dns="),
        QStringLiteral("wired.dns2="),
        QStringLiteral("wired.proxy=0"),
        QStringLiteral("wired.proxyEnabled=0"),
        QStringLiteral("wired.proxyAddress="),
        QStringLiteral("wired.proxyPort="),
        QStringLiteral("useWireless=1"),
        QStringLiteral("list="),
        QStringLiteral("selection=-1"),
        // The last folder belongs to the state file's own section, not to a load.
        QStringLiteral("lastPath=/old/folder"),
    };
    QCOMPARE(Mismatches(document, expected), QStringList());
    QCOMPARE(BrokenInvariants(document), QStringList());
    QCOMPARE(document.m_wiredSetting, CNetworkSetting());
}

void TestSettingsReader::messagesHaveTheLoadForm()
{
    const QString path = Path(QStringLiteral("form.ini"));
    QVERIFY(TestFiles::Write(path,
        TestFiles::Bytes(kWired
            + QStringLiteral("WIRED_IP=127.0.0.1\nWIRED_PROXY=1\nWIRED_PROXY_ADDRESS=p\n"))));
    CSettingsDocument document;
    CMessageRecorder recorder;
    QCOMPARE(ReadSettingsFile(document, recorder, path), 0);
    QCOMPARE(recorder.m_messages.size(), 2);
    QCOMPARE(recorder.m_messages[0].text, QStringLiteral("Invalid IP address.   "));
    QCOMPARE(recorder.m_messages[1].text,
        QStringLiteral("Proxy port number is missing in setting file.   "));
    for (const CMessageRecorder::Message &m : recorder.m_messages) {
        QCOMPARE(m.caption, QStringLiteral("Load settings"));
        QCOMPARE(m.icon, MessageIcon::Error);
        QCOMPARE(m.buttons, MessageButtons::Ok);
    }
    QCOMPARE(
        document.m_messageText, QStringLiteral("Proxy port number is missing in setting file.   "));
}

void TestSettingsReader::loadReplacesEveryProfileSlot()
{
    CSettingsDocument document;
    Prefill(document);
    // An item whose slot lies outside the table must not be followed.
    document.m_controls.m_wirelessList.append({ QStringLiteral("Stray"), 57 });
    const QString path = Path(QStringLiteral("one.ini"));
    QVERIFY(TestFiles::Write(
        path, TestFiles::Bytes(kWired + QStringLiteral("WIRELESS_SSID_4=Only\n"))));
    CMessageRecorder recorder;
    QCOMPARE(ReadSettingsFile(document, recorder, path), 1);
    QCOMPARE(Mismatches(document, { QStringLiteral("list=Only"), QStringLiteral("p0.ssid=Only") }),
        QStringList());
    QCOMPARE(document.m_controls.m_wirelessList.size(), 1);
    QCOMPARE(document.m_controls.m_wirelessList[0].m_slot, 0);
    for (int n = 1; n < MaxWirelessProfiles; ++n)
        QCOMPARE(document.m_wirelessSettings[size_t(n)], CNetworkSetting());
}

void TestSettingsReader::writtenFileReadsBackValueForValue()
{
    CSettingsDocument source;
    MainWindowControls &c = source.m_controls;
    c.m_dhcpModeRadio = 1;
    c.m_ipAddress.m_fields = { 192, 168, 7, 9 };
    c.m_subnetMask.m_fields = { 255, 255, 252, 0 };
    c.m_defaultGateway.m_fields = { 192, 168, 4, 1 };
    c.m_dns.m_fields = { 127, 0, 0, 53 };
    c.m_secondaryDns.m_fields = { 0, 0, 0, 0 };
    c.m_useProxyChecked = true;
    c.m_proxyAddress.m_text = QStringLiteral(" [proxy]=;\u00a0\u00ff ") + Chars(1000, u'~');
    c.m_proxyPort.m_text = QStringLiteral("8080x");
    c.m_useWirelessChecked = true;

    const QStringList ssids {
        QStringLiteral("a=b"),
        QStringLiteral(";comment"),
        QStringLiteral("[section]"),
        QStringLiteral(" padded "),
        QStringLiteral("tab\there"),
        QStringLiteral("\u00a0nbsp\u00ff"),
        Chars(32, u'Z'),
        QStringLiteral("caf\u00e9"),
        QStringLiteral("\"quoted\""),
        QStringLiteral("x"),
    };
    const QStringList keys { QString(), QStringLiteral("abcde"), QStringLiteral("0123456789"),
        QStringLiteral("p\u00e9ssword"), Chars(64, u'E'), Chars(63, u'k') };
    // List order is the reverse of slot order, so that the writer's list order shows.
    for (int k = 0; k < MaxWirelessProfiles; ++k) {
        const int slot = MaxWirelessProfiles - 1 - k;
        CNetworkSetting &p = source.m_wirelessSettings[size_t(slot)];
        p.m_ssid = ssids[k % ssids.size()];
        if (k >= ssids.size())
            p.m_ssid += QString::number(k);
        p.m_ssid.truncate(32);
        const int mode = k % 6;
        p.m_securityMode = mode;
        p.m_networkKey = mode == 0 ? QString() : mode == 1 ? keys[1 + k % 2] : keys[3 + k % 3];
        p.m_stealthSsid = k % 2;
        p.m_connectAutomatically = k % 3 == 0 ? 0 : 1;
        p.m_dhcp = k % 2;
        p.m_ipAddress = IpAddressField::Complete(10, 0, std::uint8_t(k), 1);
        p.m_subnetMask = k % 4 == 0 ? IpAddressField() : IpAddressField::Complete(255, 255, 0, 0);
        p.m_dns = IpAddressField::Complete(127, 0, 0, 1);
        p.m_useProxy = k % 5 == 0 ? 0 : k % 2;
        p.m_proxyAddress = k % 5 == 0 ? QString() : QStringLiteral("proxy-%1.example").arg(k);
        p.m_proxyPort = k % 5 == 0 ? QString() : QString::number(1 + k * 2000);
        c.m_wirelessList.append({ p.m_ssid, slot });
    }

    const QString path = Path(QStringLiteral("roundtrip.ini"));
    QCOMPARE(WriteSettingsFile(source, path), 1);

    CSettingsDocument loaded;
    Prefill(loaded);
    CMessageRecorder recorder;
    const int result = ReadSettingsFile(loaded, recorder, path);
    QCOMPARE(IdsOf(recorder), MessageIds {});
    QCOMPARE(result, 1);
    QCOMPARE(loaded.m_controls.m_wirelessList.size(), MaxWirelessProfiles);
    for (int k = 0; k < MaxWirelessProfiles; ++k) {
        const CNetworkSetting &expected
            = source.m_wirelessSettings[size_t(c.m_wirelessList[k].m_slot)];
        QCOMPARE(loaded.m_controls.m_wirelessList[k].m_text, expected.m_ssid);
        QCOMPARE(ProfileText(loaded.m_wirelessSettings[size_t(k)]), ProfileText(expected));
        QVERIFY(loaded.m_wirelessSettings[size_t(k)] == expected);
    }
    const MainWindowControls &l = loaded.m_controls;
    QCOMPARE(loaded.m_dhcpMode, 1);
    QCOMPARE(l.m_ipAddress.m_fields, c.m_ipAddress.m_fields);
    QCOMPARE(l.m_subnetMask.m_fields, c.m_subnetMask.m_fields);
    QCOMPARE(l.m_defaultGateway.m_fields, c.m_defaultGateway.m_fields);
    QCOMPARE(l.m_dns.m_fields, c.m_dns.m_fields);
    QCOMPARE(l.m_secondaryDns.m_fields, c.m_secondaryDns.m_fields);
    QCOMPARE(loaded.m_wiredUseProxy, 1);
    QCOMPARE(l.m_proxyAddress.m_text, c.m_proxyAddress.m_text);
    QCOMPARE(l.m_proxyPort.m_text, c.m_proxyPort.m_text);
    QCOMPARE(loaded.m_useWireless, 1);

    // Writing what was loaded gives the same file again, but for the fresh IVs of the secrets.
    const QString again = Path(QStringLiteral("roundtrip2.ini"));
    QCOMPARE(WriteSettingsFile(loaded, again), 1);
    CProfileFile first = CProfileFile::FromBytes(TestFiles::ReadAll(path));
    CProfileFile second = CProfileFile::FromBytes(TestFiles::ReadAll(again));
    for (int k = 0; k < MaxWirelessProfiles; ++k) {
        for (int field = 0; field < ConnectionFieldCount; ++field) {
            if (field == FieldNetworkKey)
                continue;
            const QString key = ProfileKeyName(k, field);
            QCOMPARE(
                second.Value(u"UserNetworkSetting", key), first.Value(u"UserNetworkSetting", key));
        }
    }
}

void TestSettingsReader::refusedInput_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("status");

    QTest::newRow("file one byte above the size limit")
        << QStringLiteral("huge") << int(SettingsFileStatus::TooLarge);
    QTest::newRow("UTF-16 without byte-order mark")
        << QStringLiteral("utf16-nobom") << int(SettingsFileStatus::NotText);
    QTest::newRow("binary data with NUL bytes")
        << QStringLiteral("binary") << int(SettingsFileStatus::NotText);
    QTest::newRow("NUL byte inside a value")
        << QStringLiteral("nul-value") << int(SettingsFileStatus::NotText);
    QTest::newRow("UTF-16 with byte-order mark holding a NUL")
        << QStringLiteral("utf16-nul") << int(SettingsFileStatus::NotText);
    QTest::newRow("directory") << QStringLiteral("directory")
                               << int(SettingsFileStatus::NotRegularFile);
#ifdef Q_OS_UNIX
    QTest::newRow("device /dev/zero")
        << QStringLiteral("/dev/zero") << int(SettingsFileStatus::NotRegularFile);
    QTest::newRow("link to /dev/zero")
        << QStringLiteral("link-zero") << int(SettingsFileStatus::NotRegularFile);
    QTest::newRow("FIFO without writer does not block")
        << QStringLiteral("fifo") << int(SettingsFileStatus::NotRegularFile);
    QTest::newRow("file without read permission")
        << QStringLiteral("no-permission") << int(SettingsFileStatus::Unreadable);
#endif
}

void TestSettingsReader::refusedInput()
{
    QFETCH(QString, kind);
    QFETCH(int, status);

    QString path = Path(QStringLiteral("refused-") + kind);
    const QByteArray clean = TestFiles::ReadAll(QFINDTESTDATA("data/clean.ini"));
    QVERIFY(!clean.isEmpty());
    if (kind == u"huge") {
        QByteArray bytes = clean;
        bytes += QByteArray(MaxSettingsFileSize + 1 - bytes.size(), ';');
        QVERIFY(TestFiles::Write(path, bytes));
    } else if (kind == u"utf16-nobom") {
        const QString text = QString::fromLatin1(clean);
        QVERIFY(TestFiles::Write(
            path, QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2)));
    } else if (kind == u"binary") {
        QByteArray bytes(4096, '\0');
        QRandomGenerator random(4711);
        for (char &b : bytes)
            b = char(random.bounded(256));
        bytes[100] = '\0';
        QVERIFY(TestFiles::Write(path, bytes));
    } else if (kind == u"nul-value") {
        QByteArray bytes = clean;
        bytes.replace("Library", QByteArray("Lib\0rary", 8));
        QVERIFY(TestFiles::Write(path, bytes));
    } else if (kind == u"utf16-nul") {
        const QString text
            = QStringLiteral("[Common]\r\nNETWORK_DEVICE_POWER_MANAGEMENT=0") + QChar(0);
        QVERIFY(TestFiles::Write(path,
            QByteArray("\xFF\xFE")
                + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2)));
    } else if (kind == u"directory") {
        QVERIFY(QDir(m_dir.path()).mkpath(path));
    } else if (kind == u"/dev/zero") {
        path = kind;
        if (!QFileInfo::exists(path))
            QSKIP("no /dev/zero here");
    }
#ifdef Q_OS_UNIX
    else if (kind == u"link-zero") {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    } else if (kind == u"fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == u"no-permission") {
        if (::geteuid() == 0)
            QSKIP("root reads every file");
        QVERIFY(TestFiles::Write(path, clean));
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    }
#endif

    CProfileFile file;
    QString reason;
    QCOMPARE(int(LoadSettingsProfile(path, file, &reason)), status);
    QVERIFY(file.IsEmpty());
    if (status == int(SettingsFileStatus::Unreadable))
        QVERIFY(!reason.isEmpty());

    CSettingsDocument document;
    Prefill(document);
    const QStringList before = Snapshot(document);
    CMessageRecorder recorder;
    QCOMPARE(ReadSettingsFile(document, recorder, path), 0);
    QCOMPARE(IdsOf(recorder), MessageIds {});
    QCOMPARE(Snapshot(document), before);
}

void TestSettingsReader::oddInput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("result");
    QTest::addColumn<MessageIds>("messages");
    QTest::addColumn<QStringList>("expectations");

    const QByteArray clean = TestFiles::ReadAll(QFINDTESTDATA("data/clean.ini"));
    const QString cleanText = QString::fromLatin1(clean);

    {
        const QByteArray filler("WIRED_DHCP=1\r\n");
        QByteArray bytes = clean + QByteArray("[Filler]\r\n");
        while (bytes.size() + filler.size() <= MaxSettingsFileSize)
            bytes += filler;
        bytes += QByteArray(MaxSettingsFileSize - bytes.size(), ';');
        QTest::newRow("file exactly at the size limit loads")
            << bytes << 1 << MessageIds {} << kCleanFixture;
    }
    {
        QByteArray bytes = "[UserNetworkSetting]\r\nWIRELESS_SSID=Only\r\n";
        for (int i = 0; bytes.size() < MaxSettingsFileSize - 16; ++i)
            bytes += "k" + QByteArray::number(i) + "=\n";
        QTest::newRow("limit filled with distinct keys loads")
            << bytes << 1 << MessageIds {} << QStringList { QStringLiteral("list=Only") };
    }
    {
        QByteArray bytes;
        for (int i = 0; bytes.size() < MaxSettingsFileSize - 64; ++i)
            bytes += "[s" + QByteArray::number(i) + "]\r";
        bytes += "\r[Common]\rNETWORK_DEVICE_POWER_MANAGEMENT=0\r";
        QTest::newRow("limit filled with sections, CR line ends")
            << bytes << 1 << MessageIds {} << QStringList { QStringLiteral("useWireless=0") };
    }
    QTest::newRow("value of 3 MiB is cut to 1023 characters")
        << QByteArray("[UserNetworkSetting]\nWIRED_PROXY_ADDRESS=") + QByteArray(3 << 20, 'p')
            + "\nWIRED_PROXY_PORT=80\n"
        << 1 << MessageIds {}
        << QStringList { QStringLiteral("wired.proxyAddress=") + Chars(1023, u'p'),
               QStringLiteral("wired.proxyPort=80") };
    QTest::newRow("SSID of 2 MiB is cut and then too long")
        << QByteArray("[UserNetworkSetting]\nWIRELESS_SSID=") + QByteArray(2 << 20, 's') + "\n"
        << 0 << MessageIds { 58 } << QStringList { QStringLiteral("list=") };
    QTest::newRow("line of 2 MiB without equals sign is skipped")
        << QByteArray("[UserNetworkSetting]\n") + QByteArray(2 << 20, 'x')
            + "\nWIRELESS_SSID=After\n"
        << 1 << MessageIds {} << QStringList { QStringLiteral("list=After") };
    QTest::newRow("section name of 1 MiB")
        << QByteArray("[") + QByteArray(1 << 20, 'n')
            + "]\nWIRELESS_SSID=Lost\n[UserNetworkSetting]\nWIRELESS_SSID=Kept\n"
        << 1 << MessageIds {} << QStringList { QStringLiteral("list=Kept") };
    QTest::newRow("unclosed section header still opens the section")
        << QByteArray("[UserNetworkSetting\nWIRELESS_SSID=Open\n") << 1 << MessageIds {}
        << QStringList { QStringLiteral("list=Open") };
    // 0x80 is the euro sign in Windows-1252, which no SSID may hold.
    QTest::newRow("invalid UTF-8 reads as Windows-1252")
        << QByteArray(
               "[UserNetworkSetting]\r\nWIRELESS_SSID=Caf\xE9\r\nWIRELESS_SSID_2=\x80uro\r\n")
        << 0 << MessageIds { 58 } << QStringList { QStringLiteral("list=Caf\u00e9") };
    QTest::newRow("truncated UTF-8 sequence reads as Windows-1252")
        << QByteArray("[UserNetworkSetting]\nWIRELESS_SSID=A\xC3\n") << 1 << MessageIds {}
        << QStringList { QStringLiteral("list=A\u00c3") };
    QTest::newRow("valid UTF-8 without byte-order mark")
        << QByteArray("[UserNetworkSetting]\nWIRELESS_SSID=Caf\xC3\xA9\n") << 1 << MessageIds {}
        << QStringList { QStringLiteral("list=Caf\u00e9") };
    QTest::newRow("UTF-8 with byte-order mark")
        << QByteArray("\xEF\xBB\xBF[UserNetworkSetting]\nWIRELESS_SSID=\xC4\x80\n") << 0
        << MessageIds { 58 } << QStringList { QStringLiteral("list=") };
    {
        QByteArray le("\xFF\xFE");
        QByteArray be("\xFE\xFF");
        for (const QChar ch : cleanText) {
            le += char(ch.unicode() & 0xFF);
            le += char(ch.unicode() >> 8);
            be += char(ch.unicode() >> 8);
            be += char(ch.unicode() & 0xFF);
        }
        QTest::newRow("UTF-16LE with byte-order mark loads")
            << le << 1 << MessageIds {} << kCleanFixture;
        QTest::newRow("UTF-16BE with byte-order mark loads")
            << be << 1 << MessageIds {} << kCleanFixture;
        QByteArray odd = le;
        odd.chop(1);
        QTest::newRow("UTF-16 with an odd byte count")
            << odd << 1 << MessageIds {} << kCleanFixture;
    }
    {
        QByteArray lf = clean;
        lf.replace("\r\n", "\n");
        QTest::newRow("LF line ends") << lf << 1 << MessageIds {} << kCleanFixture;
        QByteArray cr = clean;
        cr.replace("\r\n", "\r");
        QTest::newRow("CR line ends") << cr << 1 << MessageIds {} << kCleanFixture;
        QByteArray blankLf = clean;
        blankLf.replace("\r\n", "\n\n\n");
        QTest::newRow("blank lines with LF line ends")
            << blankLf << 1 << MessageIds {} << kCleanFixture;
        QByteArray blankCrLf = clean;
        blankCrLf.replace("\r\n", "\r\n\r\n\n\r");
        QTest::newRow("blank lines of mixed line ends")
            << blankCrLf << 1 << MessageIds {} << kCleanFixture;
    }
    QTest::newRow("lower-case names match")
        << QByteArray("[usernetworksetting]\nwired_ip=1.2.3.4\nWireless_Ssid=Mixed\n") << 1
        << MessageIds {}
        << QStringList { QStringLiteral("wired.ip=1.2.3.4"), QStringLiteral("list=Mixed") };
    QTest::newRow("blanks around key and section name are ignored")
        << QByteArray("  [ UserNetworkSetting ]  \n  WIRED_IP  =1.2.3.4\n") << 1 << MessageIds {}
        << QStringList { QStringLiteral("wired.ip=1.2.3.4") };
    QTest::newRow("blank after the equals sign belongs to the value")
        << QByteArray("[UserNetworkSetting]\nWIRED_IP= 1.2.3.4\n") << 0 << MessageIds { 53 }
        << QStringList { QStringLiteral("wired.ip=") };
    QTest::newRow("first of two equal keys wins")
        << QByteArray("[UserNetworkSetting]\nWIRELESS_SSID=First\nWIRELESS_SSID=Second\n") << 1
        << MessageIds {} << QStringList { QStringLiteral("list=First") };
    QTest::newRow("quotes are part of the value")
        << QByteArray("[UserNetworkSetting]\nWIRELESS_SSID=\"Quoted\"\n") << 1 << MessageIds {}
        << QStringList { QStringLiteral("list=\"Quoted\"") };
    QTest::newRow("keys before any section are ignored")
        << QByteArray("WIRELESS_SSID=Nowhere\n[UserNetworkSetting]\n") << 1 << MessageIds {}
        << QStringList { QStringLiteral("list=") };
    QTest::newRow("text that is no settings file loads the defaults")
        << QByteArray("Dear reader,\nthis is a letter = not a file.\n") << 1 << MessageIds {}
        << QStringList { QStringLiteral("list="), QStringLiteral("useWireless=1") };
    QTest::newRow("empty file loads the defaults")
        << QByteArray() << 1 << MessageIds {} << QStringList { QStringLiteral("list=") };
}

void TestSettingsReader::oddInput()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, result);
    QFETCH(MessageIds, messages);
    QFETCH(QStringList, expectations);

    const QString path = Path(QStringLiteral("odd.ini"));
    QVERIFY(TestFiles::Write(path, bytes));
    CSettingsDocument document;
    Prefill(document);
    CMessageRecorder recorder;
    QCOMPARE(ReadSettingsFile(document, recorder, path), result);
    QCOMPARE(IdsOf(recorder), messages);
    QCOMPARE(Mismatches(document, expectations), QStringList());
    QCOMPARE(BrokenInvariants(document), QStringList());
}

void TestSettingsReader::mutatedFilesLeaveAConsistentDocument()
{
    const QList<QByteArray> seeds { TestFiles::ReadAll(QFINDTESTDATA("data/clean.ini")),
        TestFiles::ReadAll(QFINDTESTDATA("data/broken.ini")) };
    const QByteArray interesting[] = { "=", "[", "]", "\r\n", "\n", ";", ".", "0", "1", "127",
        "\xC3", "\xFF\xFE", " ", "_2", "A", "\x7F" };
    QRandomGenerator random(20240611);
    const QString path = Path(QStringLiteral("mutated.ini"));
    for (int round = 0; round < 600; ++round) {
        QByteArray bytes = seeds[round % seeds.size()];
        const int edits = 1 + int(random.bounded(8));
        for (int e = 0; e < edits && !bytes.isEmpty(); ++e) {
            const qsizetype at = qsizetype(random.bounded(quint32(bytes.size())));
            switch (random.bounded(5)) {
            case 0:
                bytes[at] = char(1 + random.bounded(255)); // never NUL: that file is refused
                break;
            case 1:
                bytes.remove(at, 1 + qsizetype(random.bounded(40)));
                break;
            case 2:
                bytes.insert(at, interesting[random.bounded(int(std::size(interesting)))]);
                break;
            case 3:
                bytes.truncate(at);
                break;
            default:
                bytes.insert(at, bytes.mid(qsizetype(random.bounded(quint32(bytes.size()))), 64));
                break;
            }
        }
        QVERIFY(TestFiles::Write(path, bytes));
        CSettingsDocument document;
        Prefill(document);
        CMessageRecorder recorder;
        const int result = ReadSettingsFile(document, recorder, path);
        const QStringList broken = BrokenInvariants(document);
        if (!broken.isEmpty())
            QFAIL(qPrintable(QStringLiteral("round %1: %2").arg(round).arg(broken.join(u"; "))));
        // Clean exactly when nothing was reported, and every report in the load's form.
        QCOMPARE(result, recorder.m_messages.isEmpty() ? 1 : 0);
        QVERIFY(!IdsOf(recorder).contains(-1));
        QVERIFY(!IdsOf(recorder).contains(-100));
    }
}

QTEST_GUILESS_MAIN(TestSettingsReader)
#include "tst_settingsreader.moc"
