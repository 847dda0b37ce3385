#include "DocumentProbe.h"
#include "LoadReports.h"
#include "MessageRecorder.h"
#include "ProfileFile.h"
#include "SettingsReader.h"
#include "SettingsWriter.h"
#include "TestFiles.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <iterator>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace DocumentProbe;
using namespace Qt::StringLiterals;
using TestFiles::Bytes;

namespace {

const QString kNoFolder = u"folder.mode=0|folder.enabled=0|folder.name=|folder.uid=|"
                          u"folder.password=|folder.confirm="_s;
// What a load of a file without keys leaves in a prefilled document.
const QString kDefaults = kNoFolder
    + u"|wired.dhcpMode=0|wired.addressesEnabled=0|wired.ip=|wired.mask=|wired.gateway=|"
      u"wired.dns=|wired.dns2=|wired.proxy=0|wired.proxyEnabled=0|wired.proxyAddress=|"
      u"wired.proxyPort=|useWireless=1|list=|selection=-1|lastPath=/old/folder"_s;

// Every value of the hand-written clean fixture.
const QString kCleanFixture
    = u"folder.mode=1|folder.enabled=1|folder.name=nas-01|folder.uid=reader_1|"
      u"folder.password=nas-pass 42|folder.confirm=nas-pass 42|wired.dhcpMode=1|"
      u"wired.addressesEnabled=1|wired.ip=192.168.10.5|wired.mask=255.255.255.0|"
      u"wired.gateway=192.168.10.1|wired.dns=192.168.10.1|wired.dns2=|wired.proxy=1|"
      u"wired.proxyEnabled=1|wired.proxyAddress=proxy.example.net|wired.proxyPort=8080|"
      u"useWireless=1|list=Library,Office,Lab|selection=0|p0.ssid=Library|p0.dhcp=0|"
      u"p0.ip=192.168.0.20|p0.mask=255.255.255.0|p0.gateway=192.168.0.1|p0.dns=192.168.0.1|"
      u"p0.dns2=|p0.proxy=0|p0.proxyAddress=|p0.proxyPort=|p0.mode=0|p0.key=|p0.force=0|"
      u"p0.auto=1|p1.ssid=Office|p1.dhcp=1|p1.ip=|p1.proxy=1|p1.proxyAddress=10.0.0.8|"
      u"p1.proxyPort=3128|p1.mode=4|p1.key=LibraryKey1|p1.force=1|p1.auto=0|p2.ssid=Lab|"
      u"p2.mode=1|p2.key=0123456789abcdef0123456789|p2.force=0|p2.auto=1"_s;

// UTF-16LE without a byte-order mark.
QByteArray Utf16(const QString &text)
{
    return QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

QByteArray CleanFile()
{
    return TestFiles::ReadAll(QFINDTESTDATA("data/clean.ini"));
}

} // namespace

class TestSettingsReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void parseIpAddress_data();
    void parseIpAddress();
    void load_data();
    void load();
    void writtenFileReadsBackValueForValue();
    void refusedInput_data();
    void refusedInput();
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

    QTest::newRow("four parts") << u"192.168.0.1"_s << 1 << u"192.168.0.1"_s;
    QTest::newRow("largest octets") << u"255.255.255.255"_s << 1 << u"255.255.255.255"_s;
    QTest::newRow("leading zeros within three chars")
        << u"001.002.010.099"_s << 1 << u"1.2.10.99"_s;
    QTest::newRow("fifth part is read into the fourth") << u"1.2.3.4.5"_s << 1 << u"1.2.3.4"_s;
    QTest::newRow("fourth part with a fifth is still three chars at most")
        << u"1.2.3.4.56"_s << -1 << QString();
    QTest::newRow("three parts") << u"192.168.1"_s << -1 << QString();
    QTest::newRow("empty second part") << u"1..2.3"_s << -1 << QString();
    QTest::newRow("trailing dot after the third part") << u"1.2.3."_s << -1 << QString();
    QTest::newRow("empty fourth part before a dot") << u"1.2.3..5"_s << -1 << QString();
    QTest::newRow("octet 256") << u"1.1.1.256"_s << -1 << QString();
    QTest::newRow("part of four digits") << u"0001.2.3.4"_s << -1 << QString();
    QTest::newRow("blank inside") << u"1 2.3.4.5"_s << -1 << QString();
    QTest::newRow("full-width digits") << u"\uff11.2.3.4"_s << -1 << QString();
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

void TestSettingsReader::load_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("result");
    QTest::addColumn<MessageIds>("messages");
    QTest::addColumn<QString>("expectations");
    const auto row = [](const char *name, const QByteArray &bytes, int result, MessageIds ids,
                         const QString &expectations) {
        QTest::newRow(name) << bytes << result << ids << expectations;
    };
    const auto folder = [](QStringView keys) {
        return Bytes(u"[NewtworkFolderSetting]\n"_s.append(keys));
    };
    const auto wired = [](QStringView keys) {
        return Bytes(u"[UserNetworkSetting]\n"_s.append(keys));
    };

    row("name and user ID make the folder customised",
        folder(u"NETFOLDER_NAME=nas-01\nNETFOLDER_UID=u_1\nNETFOLDER_PASS=$seal(pw 1)\n"), 1, {},
        u"folder.mode=1|folder.enabled=1|folder.name=nas-01|folder.uid=u_1|"
        u"folder.password=pw 1|folder.confirm=pw 1"_s);
    row("user ID alone is the default setting; its bad password still reports 49",
        folder(u"NETFOLDER_UID=u\nNETFOLDER_PASS=0123\n"), 0, { 49 }, kNoFolder);
    row("name without user ID discards the password silently",
        folder(u"NETFOLDER_NAME=nas\nNETFOLDER_PASS=$seal(secret)\n"), 1, {}, kNoFolder);
    row("name of 16, user ID and password of 33 chars report 50, 51, 52",
        folder(u"NETFOLDER_NAME=abcdefghijklmnop\nNETFOLDER_UID="_s + Chars(33)
            + u"\nNETFOLDER_PASS=$seal("_s + Chars(33) + u")\n"_s),
        0, { 50, 51, 52 },
        u"folder.mode=1|folder.name=|folder.uid=|folder.password=|folder.confirm="_s);
    row("folder name of 15 chars passes",
        folder(u"NETFOLDER_NAME=abcdefghijklmno\nNETFOLDER_UID=u\n"), 1, {},
        u"folder.name=abcdefghijklmno"_s);
    row("bad name, user ID and password report 50, 51, 52 in order",
        folder(u"NETFOLDER_PASS=$seal(a\tb)\nNETFOLDER_UID=a b\nNETFOLDER_NAME=-\n"), 0,
        { 50, 51, 52 },
        u"folder.mode=1|folder.enabled=1|folder.name=|folder.uid=|folder.password="_s);

    row("WIRED_DHCP 0 switches DHCP off and enables the addresses", wired(u"WIRED_DHCP=0\n"), 1, {},
        u"wired.dhcpMode=1|wired.addressesEnabled=1"_s);
    row("WIRED_DHCP 00 means DHCP on, and the addresses are still read",
        wired(u"WIRED_DHCP=00\nWIRED_IP=10.1.2.3\n"), 1, {},
        u"wired.dhcpMode=0|wired.addressesEnabled=0|wired.ip=10.1.2.3"_s);
    row("five bad addresses are reported in key order",
        wired(u"WIRED_DNS_SECONDARY=x\nWIRED_DNS=x\nWIRED_DEFAULT_GATEWAY=x\n"
              u"WIRED_SUBNET_MASK=x\nWIRED_IP=x\n"),
        0, { 53, 54, 55, 56, 56 },
        u"wired.ip=|wired.mask=|wired.gateway=|wired.dns=|wired.dns2="_s);
    row("any proxy flag but 0 switches the proxy on",
        wired(u"WIRED_PROXY=yes\nWIRED_PROXY_ADDRESS=p\nWIRED_PROXY_PORT=1\n"), 1, {},
        u"wired.proxy=1|wired.proxyEnabled=1|wired.proxyAddress=p|wired.proxyPort=1"_s);
    row("proxy texts are kept as written with the proxy off",
        wired(u"WIRED_PROXY_ADDRESS=p.example\nWIRED_PROXY_PORT=8080x\n"), 1, {},
        u"wired.proxy=0|wired.proxyEnabled=0|wired.proxyAddress=p.example|"
        u"wired.proxyPort=8080x"_s);
    row("proxy address with character 127 reports 63 even with the proxy off",
        wired(u"WIRED_PROXY_ADDRESS=a\x7f b\n"), 0, { 63 }, u"wired.proxyAddress="_s);
    row("address, proxy address and proxy port are reported in that order",
        wired(u"WIRED_PROXY_PORT=x\nWIRED_PROXY=1\nWIRED_IP=1\n"), 0, { 53, 61, 64 },
        u"wired.ip=|wired.proxy=1|wired.proxyAddress=|wired.proxyPort="_s);

    row("network priority is not read",
        Bytes(u"[Common]\nNETWORK_PRIORITY=0\nNETWORK_DEVICE_POWER_MANAGEMENT=1\n"_s), 1, {},
        u"useWireless=1"_s);

    row("key sets 1 to 30 load in order whatever the count says, closing up gaps",
        wired(u"WIRELESS_SSID=First\nWIRELESS_SSID_3=Third\nWIRELESS_SEQLITY_MODE_3=2\n"
              u"WIRELESS_PSK_3=$seal(password3)\nWIRELESS_SSID_30=Thirty\nWIRELESS_SSID_31=31st\n"
              u"[Common]\nWIRELESS_SETTING_TOTAL=1\n"),
        1, {}, u"list=First,Third,Thirty|selection=0|p1.ssid=Third|p1.mode=2|p1.key=password3"_s);
    row("profile addresses and the loopback rule",
        wired(u"WIRELESS_SSID=A\nWIRELESS_DHCP=0\nWIRELESS_IP=127.1.1.1\n"
              u"WIRELESS_SUBNET_MASK=255.0.0.0\nWIRELESS_DEFAULT_GATEWAY=x\n"
              u"WIRELESS_DNS=127.0.0.1\nWIRELESS_DNS_SECONDARY=1.2\n"),
        0, { 105, 55, 56 },
        u"list=A|p0.dhcp=0|p0.ip=|p0.mask=255.0.0.0|p0.gateway=|p0.dns=127.0.0.1|p0.dns2="_s);
    row("profile proxy on with empty texts reports 61 and 62 and stays",
        wired(u"WIRELESS_SSID=A\nWIRELESS_PROXY=1\n"), 0, { 61, 62 },
        u"list=A|p0.proxy=1|p0.proxyAddress=|p0.proxyPort="_s);
    row("a mode other than one digit 1..5 gives mode 0 and drops the key silently",
        wired(u"WIRELESS_SSID=A\nWIRELESS_SEQLITY_MODE=7\nWIRELESS_PSK=$seal(abcdefgh)\n"
              u"WIRELESS_SSID_2=B\nWIRELESS_SEQLITY_MODE_2=01\nWIRELESS_PSK_2=$seal(abcdefgh)\n"
              u"WIRELESS_SSID_3=C\nWIRELESS_SEQLITY_MODE_3=5\nWIRELESS_PSK_3=$seal(abcdefgh)\n"),
        1, {}, u"list=A,B,C|p0.mode=0|p0.key=|p1.mode=0|p1.key=|p2.mode=5|p2.key=abcdefgh"_s);
    row("WEP keys in character and in hex form stay",
        wired(u"WIRELESS_SSID=W\nWIRELESS_SEQLITY_MODE=1\nWIRELESS_PSK=$seal(abcde)\n"
              u"WIRELESS_SSID_2=H\nWIRELESS_SEQLITY_MODE_2=1\nWIRELESS_PSK_2=$seal(0123456789)\n"),
        1, {}, u"list=W,H|p0.key=abcde|p1.key=0123456789"_s);
    row("WEP key of 10 characters that are not hex reports 60",
        wired(u"WIRELESS_SSID=W\nWIRELESS_SEQLITY_MODE=1\nWIRELESS_PSK=$seal(012345678g)\n"), 0,
        { 60 }, u"list="_s);
    row("WPA profile without key reports 60", wired(u"WIRELESS_SSID=W\nWIRELESS_SEQLITY_MODE=4\n"),
        0, { 60 }, u"list="_s);
    row("undecryptable key in mode 2 reports 57 then 60 and drops the profile",
        wired(u"WIRELESS_SSID=Wpa\nWIRELESS_SEQLITY_MODE=2\nWIRELESS_PSK="_s + Chars(48, u'A')
            + u'\n'),
        0, { 57, 60 }, u"list="_s);
    row("stealth and automatic connection flags",
        wired(u"WIRELESS_SSID=A\nWIRELESS_FORCE=1\nWIRELESS_CONNECTION_AUTOMATICALLY=0\n"
              u"WIRELESS_SSID_2=B\nWIRELESS_FORCE_2=2\nWIRELESS_CONNECTION_AUTOMATICALLY_2=\n"),
        1, {}, u"p0.force=1|p0.auto=0|p1.force=0|p1.auto=1"_s);

    // The steps run in their own order, whatever the order of the file.
    row("reports follow the steps, not the file",
        Bytes(u"[Common]\nNETWORK_DEVICE_POWER_MANAGEMENT=0\n[UserNetworkSetting]\n"
              u"WIRELESS_SSID="_s
            + Chars(40) + u"\nWIRED_IP=x\n[NewtworkFolderSetting]\nNETFOLDER_PASS=00\n"_s),
        0, { 49, 53, 58 }, kNoFolder + u"|useWireless=0|list="_s);
    row("missing file reads as an empty one", QByteArray(), 1, {}, kDefaults);

    const QByteArray clean = CleanFile();
    row("hand-written clean file", clean, 1, {}, kCleanFixture);
    row("hand-written broken file", TestFiles::ReadAll(QFINDTESTDATA("data/broken.ini")), 0,
        { 49, 50, 51, 105, 54, 56, 61, 64, 60, 58, 57, 53 },
        u"folder.mode=1|folder.enabled=1|folder.name=|folder.uid=|folder.password=|"
        u"wired.dhcpMode=1|wired.ip=|wired.mask=|wired.gateway=1.2.3.4|wired.dns=127.0.0.1|"
        u"wired.dns2=|wired.proxy=1|wired.proxyAddress=|wired.proxyPort=|useWireless=0|"
        u"list=Good|p0.mode=0|p0.key=|p0.proxy=0|p0.proxyPort=8080x|p0.dhcp=1"_s);
    QByteArray atLimit = clean + "[Filler]\r\n";
    atLimit += QByteArray(MaxSettingsFileSize - atLimit.size(), ';');
    row("file exactly at the size limit loads", atLimit, 1, {}, kCleanFixture);
    // Its NUL bytes do not make it binary: the byte-order mark says how to read it.
    row("UTF-16LE with byte-order mark loads", "\xFF\xFE" + Utf16(QString::fromLatin1(clean)), 1,
        {}, kCleanFixture);
}

void TestSettingsReader::load()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, result);
    QFETCH(MessageIds, messages);
    QFETCH(QString, expectations);

    const QString path = Path(u"rule.ini"_s);
    QFile::remove(path);
    if (!bytes.isNull()) // null stands for no file at all
        QVERIFY(TestFiles::Write(path, bytes));
    CSettingsDocument document;
    Prefill(document);
    CMessageRecorder recorder;
    QCOMPARE(ReadSettingsFile(document, recorder, path), result);
    QCOMPARE(IdsOf(recorder), messages);
    QCOMPARE(Mismatches(document, expectations), QStringList());
    QCOMPARE(BrokenInvariants(document), QStringList());
}

void TestSettingsReader::writtenFileReadsBackValueForValue()
{
    CSettingsDocument source;
    MainWindowControls &c = source.m_controls;
    source.EnableFolderFields(false);
    c.m_dhcpModeRadio = 1;
    c.m_ipAddress.m_fields = { 192, 168, 7, 9 };
    c.m_subnetMask.m_fields = { 255, 255, 252, 0 };
    c.m_defaultGateway.m_fields = { 192, 168, 4, 1 };
    c.m_dns.m_fields = { 127, 0, 0, 53 };
    c.m_secondaryDns.m_fields = { 0, 0, 0, 0 };
    c.m_useProxyChecked = true;
    QString latin1High;
    for (char16_t ch = 160; ch <= 255; ++ch)
        latin1High += QChar(ch);
    c.m_proxyAddress.m_text = u" [proxy]=;"_s + latin1High + Chars(900, u'~');
    c.m_proxyPort.m_text = u"8080x"_s;
    c.m_useWirelessChecked = true;
    c.m_wirelessSelection = 0;

    const QStringList ssids { u"a=b"_s, u";comment"_s, u"[section]"_s, u" padded "_s,
        u"tab\there"_s, u"\u00a0nbsp\u00ff"_s, Chars(32, u'Z'), u"\"quoted\""_s };
    const QStringList keys { u"abcde"_s, u"0123456789"_s, u"p\u00e9ssword"_s, Chars(64, u'E'),
        Chars(63, u'k') };
    for (int k = 0; k < MaxWirelessProfiles; ++k) {
        CNetworkSetting &p = source.m_wirelessSettings[size_t(k)];
        p.m_ssid = (ssids[k % ssids.size()] + QString::number(k)).left(32);
        p.m_securityMode = k % 6;
        p.m_networkKey = k % 6 == 0 ? QString() : k % 6 == 1 ? keys[k / 6 % 2] : keys[2 + k % 3];
        p.m_stealthSsid = k % 2;
        p.m_connectAutomatically = k % 3 == 0 ? 0 : 1;
        p.m_dhcp = k % 2;
        p.m_ipAddress = IpAddressField::Complete(10, 0, std::uint8_t(k), 1);
        p.m_subnetMask = k % 4 == 0 ? IpAddressField() : IpAddressField::Complete(255, 255, 0, 0);
        p.m_dns = IpAddressField::Complete(127, 0, 0, 1);
        p.m_useProxy = k % 5 == 0 ? 0 : k % 2;
        p.m_proxyAddress = k % 5 == 0 ? QString() : u"proxy-%1.example"_s.arg(k);
        p.m_proxyPort = k % 5 == 0 ? QString() : QString::number(1 + k * 2000);
        c.m_wirelessList.append({ p.m_ssid, k });
    }
    const QString path = Path(u"roundtrip.ini"_s);
    QCOMPARE(WriteSettingsFile(source, path), 1);

    CSettingsDocument loaded;
    Prefill(loaded);
    source.m_lastPath = loaded.m_lastPath; // no part of the file
    CMessageRecorder recorder;
    QCOMPARE(ReadSettingsFile(loaded, recorder, path), 1);
    QCOMPARE(IdsOf(recorder), MessageIds {});
    QCOMPARE(Snapshot(loaded, true), Snapshot(source, true));
}

void TestSettingsReader::refusedInput_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("status");

    QTest::newRow("file one byte above the size limit")
        << u"huge"_s << int(SettingsFileStatus::TooLarge);
    QTest::newRow("UTF-16 without byte-order mark")
        << u"utf16-nobom"_s << int(SettingsFileStatus::NotText);
#ifdef Q_OS_UNIX
    QTest::newRow("link to /dev/zero") << u"link-zero"_s << int(SettingsFileStatus::NotRegularFile);
    QTest::newRow("FIFO without writer does not block")
        << u"fifo"_s << int(SettingsFileStatus::NotRegularFile);
    QTest::newRow("file without read permission")
        << u"no-permission"_s << int(SettingsFileStatus::Unreadable);
#endif
}

void TestSettingsReader::refusedInput()
{
    QFETCH(QString, kind);
    QFETCH(int, status);

    const QString path = Path(u"refused-"_s + kind);
    const QByteArray clean = CleanFile();
    QVERIFY(!clean.isEmpty());
    if (kind == u"huge") {
        QVERIFY(TestFiles::Write(
            path, clean + QByteArray(MaxSettingsFileSize + 1 - clean.size(), ';')));
    } else if (kind == u"utf16-nobom") {
        QVERIFY(TestFiles::Write(path, Utf16(QString::fromLatin1(clean))));
    }
#ifdef Q_OS_UNIX
    else if (kind == u"link-zero") {
        QVERIFY(QFile::link(u"/dev/zero"_s, path));
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
    const QStringList before = Snapshot(document, true);
    CMessageRecorder recorder;
    QCOMPARE(ReadSettingsFile(document, recorder, path), 0);
    QCOMPARE(IdsOf(recorder), MessageIds {});
    QCOMPARE(Snapshot(document, true), before);
}

void TestSettingsReader::mutatedFilesLeaveAConsistentDocument()
{
    const QList<QByteArray> seeds { CleanFile(),
        TestFiles::ReadAll(QFINDTESTDATA("data/broken.ini")) };
    const QByteArray interesting[] = { "=", "[", "]", "\r\n", "\n", ";", ".", "0", "1", "127",
        "\xC3", "\xFF\xFE", " ", "_2", "A", "\x7F" };
    QRandomGenerator random(20240611);
    const QString path = Path(u"mutated.ini"_s);
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
            QFAIL(qPrintable(u"round %1: %2"_s.arg(round).arg(broken.join(u"; "))));
        // Clean exactly when nothing was reported, and every report in the load's form.
        QCOMPARE(result, recorder.m_messages.isEmpty() ? 1 : 0);
        const MessageIds ids = IdsOf(recorder);
        QVERIFY(!ids.contains(-1) && !ids.contains(-100));
    }
}

QTEST_GUILESS_MAIN(TestSettingsReader)
#include "tst_settingsreader.moc"
