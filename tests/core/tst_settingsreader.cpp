#include "DocumentProbe.h"
#include "LoadReports.h"
#include "MessageRecorder.h"
#include "TestFiles.h"
#include "core/settings/SettingsReader.h"
#include "core/settings/SettingsWriter.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/fsuid.h>
#include <sys/stat.h>

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

} // namespace

class TestSettingsReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetCurrentLanguageSlot(0); }
    void load_data();
    void load();
    void detailsNameWhereAndWhy_data();
    void detailsNameWhereAndWhy();

private:
    QTemporaryDir m_dir;
    QString Path(const QString &name) const { return m_dir.filePath(name); }
};

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

    row("user ID alone is the default setting; its bad password still reports 49",
        folder(u"NETFOLDER_UID=u\nNETFOLDER_PASS=0123\n"), 0, { 49 }, kNoFolder);
    row("name of 16, user ID and password of 33 chars report 50, 51, 52",
        folder(u"NETFOLDER_NAME=abcdefghijklmnop\nNETFOLDER_UID="_s + Chars(33)
            + u"\nNETFOLDER_PASS=$seal("_s + Chars(33) + u")\n"_s),
        0, { 50, 51, 52 },
        u"folder.mode=1|folder.name=|folder.uid=|folder.password=|folder.confirm="_s);

    row("key sets 1 to 30 load in order whatever the count says, closing up gaps",
        wired(u"WIRELESS_SSID=First\nWIRELESS_SSID_3=Third\nWIRELESS_SEQLITY_MODE_3=2\n"
              u"WIRELESS_PSK_3=$seal(password3)\nWIRELESS_SSID_30=Thirty\nWIRELESS_SSID_31=31st\n"
              u"[Common]\nWIRELESS_SETTING_TOTAL=1\n"),
        1, {}, u"list=First,Third,Thirty|selection=0|p1.ssid=Third|p1.mode=2|p1.key=password3"_s);
    row("missing file reads as an empty one", QByteArray(), 1, {}, kDefaults);
    row("hand-written clean file", TestFiles::ReadAll(QFINDTESTDATA("data/clean.ini")), 1, {},
        kCleanFixture);
    row("hand-written broken file", TestFiles::ReadAll(QFINDTESTDATA("data/broken.ini")), 0,
        { 49, 50, 51, 105, 54, 56, 61, 64, 60, 58, 57, 53 },
        u"folder.mode=1|folder.enabled=1|folder.name=|folder.uid=|folder.password=|"
        u"wired.dhcpMode=1|wired.ip=|wired.mask=|wired.gateway=1.2.3.4|wired.dns=127.0.0.1|"
        u"wired.dns2=|wired.proxy=1|wired.proxyAddress=|wired.proxyPort=|useWireless=0|"
        u"list=Good|p0.mode=0|p0.key=|p0.proxy=0|p0.proxyPort=8080x|p0.dhcp=1"_s);
    row("file above the size limit is refused", "(huge)", 0, {}, QString());
    row("UTF-16 without byte-order mark is refused", QByteArray("[\0C\0]\0", 6), 0, {}, QString());
    row("link to /dev/zero is refused", "(zero)", 0, {}, QString());
    row("FIFO without writer is refused at once", "(fifo)", 0, {}, QString());
    row("file without read permission is refused", "(unreadable)", 0, {}, QString());
    row("a single Common key makes a settings file", "[Common]\nNETWORK_PRIORITY=0\n", 1, {},
        kDefaults);
}

void TestSettingsReader::load()
{
    QFETCH(QByteArray, bytes); // "(name)": a file of that kind; null: no file at all
    QFETCH(int, result);
    QFETCH(MessageIds, messages);
    QFETCH(QString, expectations); // null: the document stays as it was

    const QString path = Path(u"rule.ini"_s);
    const QByteArray valid = "[Common]\r\nNETWORK_PRIORITY=0\r\n"; // but for its size or mode
    QFile::remove(path);
    if (bytes == "(zero)")
        QVERIFY(QFile::link(u"/dev/zero"_s, path));
    else if (bytes == "(fifo)")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (bytes == "(huge)" || bytes == "(unreadable)")
        QVERIFY(TestFiles::Write(
            path, valid + QByteArray(bytes == "(huge)" ? MaxSettingsFileSize : 0, '\n')));
    else if (!bytes.isNull())
        QVERIFY(TestFiles::Write(path, bytes));
    CSettingsDocument document;
    Prefill(document);
    const QStringList before = Snapshot(document, true);
    CMessageRecorder recorder;
    if (bytes == "(unreadable)") {
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        QCOMPARE(::chmod(QFile::encodeName(m_dir.path()).constData(), 0755), 0);
    }
    // As nobody, so that only the missing read permission refuses the file (root reads all).
    const int asNobody = bytes == "(unreadable)" ? 65534 : -1;
    const int uid = ::setfsuid(asNobody);
    const int gid = ::setfsgid(asNobody);
    const bool visible = QFileInfo::exists(path);
    const bool loaded = ReadSettingsFile(document, recorder, path);
    ::setfsgid(gid);
    ::setfsuid(uid);
    QVERIFY(visible || bytes.isNull());
    QCOMPARE(int(loaded), result);
    QCOMPARE(IdsOf(recorder), messages);
    if (expectations.isNull()) {
        QCOMPARE(Snapshot(document, true), before);
        return;
    }
    QCOMPARE(Mismatches(document, expectations), QStringList());
    // No profile outside the list survives, whatever the document held before.
    for (qsizetype n = document.m_controls.m_wirelessList.size(); n < MaxWirelessProfiles; ++n)
        QVERIFY(document.m_wirelessSettings[size_t(n)] == CNetworkSetting());
}

void TestSettingsReader::detailsNameWhereAndWhy_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("details"); // "message id: detail", in the order shown
    const auto row = [](const char *rule, const QString &file, const QStringList &details) {
        QTest::newRow(rule) << file << details;
    };
    row("a loopback IP address says why", u"[UserNetworkSetting]\nWIRED_IP=127.0.0.1\n"_s,
        { u"105: Section [UserNetworkSetting], key WIRED_IP: “127.0.0.1”\nAddresses that begin "
          u"with 127 are reserved for loopback and cannot be used as the IP address."_s });
    row("a profile's value names the profile's number and SSID",
        u"[UserNetworkSetting]\nWIRELESS_SSID=First\nWIRELESS_SSID_2=Lab 2\n"
        u"WIRELESS_PROXY_PORT_2=70000\n"_s,
        { u"64: Wireless profile 2, SSID “Lab 2”\n"
          u"Section [UserNetworkSetting], key WIRELESS_PROXY_PORT_2: “70000”"_s });
    row("a bad network key never shows the key, and names the valid forms",
        u"[UserNetworkSetting]\nWIRELESS_SSID=Home\nWIRELESS_SEQLITY_MODE=3\n"
        u"WIRELESS_PSK=$seal(secret7)\n"_s,
        { u"60: Wireless profile 1, SSID “Home”\nSection [UserNetworkSetting], key WIRELESS_PSK\n"
          u"A WPA or WPA2 key has 8 to 63 characters, or 64 hexadecimal digits."_s });
    row("an undecryptable key shows neither key nor sealed text",
        u"[UserNetworkSetting]\nWIRELESS_SSID=Cafe\nWIRELESS_PSK=00ZZ\n"_s,
        { u"57: Wireless profile 1, SSID “Cafe”\nSection [UserNetworkSetting], key WIRELESS_PSK"_s });
    row("folder values: the name and user ID are shown, the password never",
        u"[NewtworkFolderSetting]\nNETFOLDER_NAME=123\nNETFOLDER_UID=a.b\n"
        u"NETFOLDER_PASS=$seal("_s
            + Chars(33, u'w') + u")\n"_s,
        { u"50: Section [NewtworkFolderSetting], key NETFOLDER_NAME: “123”"_s,
            u"51: Section [NewtworkFolderSetting], key NETFOLDER_UID: “a.b”"_s,
            u"52: Section [NewtworkFolderSetting], key NETFOLDER_PASS"_s });
}

void TestSettingsReader::detailsNameWhereAndWhy()
{
    QFETCH(QString, file);
    QFETCH(QStringList, details);
    const QString path = Path(u"details.ini"_s);
    QVERIFY(TestFiles::Write(path, Bytes(file)));
    CSettingsDocument document;
    CMessageRecorder recorder;
    QVERIFY(!ReadSettingsFile(document, recorder, path));
    const MessageIds ids = IdsOf(recorder);
    QStringList shown;
    for (qsizetype i = 0; i < recorder.m_messages.size(); ++i)
        shown.append(QString::number(ids[i]) + u": "_s + recorder.m_messages[i].detail);
    QCOMPARE(shown, details);
}

QTEST_GUILESS_MAIN(TestSettingsReader)
#include "tst_settingsreader.moc"
