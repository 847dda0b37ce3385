#include "DocumentProbe.h"
#include "LoadReports.h"
#include "MessageRecorder.h"
#include "TestFiles.h"
#include "core/settings/SettingsReader.h"

#include <QFileInfo>
#include <QTest>

#include <sys/fsuid.h>
#include <sys/stat.h>

using namespace DocumentProbe;
using namespace Qt::StringLiterals;
using TestFiles::Bytes;

namespace {

// What a load of a file without keys leaves in a prefilled document.
const QString kDefaults
    = u"folder.mode=0|folder.enabled=0|folder.name=|folder.uid=|folder.password=|folder.confirm=|"
      u"wired.dhcpMode=0|wired.addressesEnabled=0|wired.ip=|wired.mask=|wired.gateway=|"
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
};

void TestSettingsReader::load_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<MessageIds>("messages");
    QTest::addColumn<QString>("expectations");
    QTest::addColumn<QStringList>("details"); // where the rule is about them, in the order shown
    const auto row = [](const char *name, const QByteArray &bytes, MessageIds ids,
                         const QString &expectations, const QStringList &details = {}) {
        QTest::newRow(name) << bytes << ids << expectations << details;
    };
    row("user ID alone is the default setting; its bad password still reports 49",
        Bytes(u"[NewtworkFolderSetting]\nNETFOLDER_UID=u\nNETFOLDER_PASS=0123\n"_s), { 49 },
        u"folder.mode=0|folder.enabled=0|folder.uid=|folder.password=|folder.confirm="_s);
    // The name and user ID are shown, the password never.
    row("name of 16, user ID and password of 33 chars report 50, 51, 52",
        Bytes(u"[NewtworkFolderSetting]\nNETFOLDER_NAME=abcdefghijklmnop\nNETFOLDER_UID="_s
            + Chars(33) + u"\nNETFOLDER_PASS=$seal("_s + Chars(33, u'w') + u")\n"_s),
        { 50, 51, 52 },
        u"folder.mode=1|folder.name=|folder.uid=|folder.password=|folder.confirm="_s,
        { u"Section [NewtworkFolderSetting], key NETFOLDER_NAME: “abcdefghijklmnop”"_s,
            u"Section [NewtworkFolderSetting], key NETFOLDER_UID: “"_s + Chars(33) + u"”"_s,
            u"Section [NewtworkFolderSetting], key NETFOLDER_PASS"_s });
    row("a profile's value names the profile's number and SSID",
        Bytes(u"[UserNetworkSetting]\nWIRELESS_SSID=First\nWIRELESS_SSID_2=Lab 2\n"
              u"WIRELESS_PROXY_PORT_2=70000\n"_s),
        { 64 }, u"p1.proxyPort="_s,
        { u"Wireless profile 2, SSID “Lab 2”\n"
          u"Section [UserNetworkSetting], key WIRELESS_PROXY_PORT_2: “70000”"_s });
    row("a bad network key never shows the key, and names the valid forms",
        Bytes(u"[UserNetworkSetting]\nWIRELESS_SSID=Home\nWIRELESS_SEQLITY_MODE=3\n"
              u"WIRELESS_PSK=$seal(secret7)\n"_s),
        { 60 }, u"list="_s,
        { u"Wireless profile 1, SSID “Home”\nSection [UserNetworkSetting], key WIRELESS_PSK\n"
          u"A WPA or WPA2 key has 8 to 63 characters, or 64 hexadecimal digits."_s });
    row("an undecryptable key shows neither key nor sealed text",
        Bytes(u"[UserNetworkSetting]\nWIRELESS_SSID=Cafe\nWIRELESS_PSK=00ZZ\n"_s), { 57 },
        u"p0.key="_s,
        { u"Wireless profile 1, SSID “Cafe”\nSection [UserNetworkSetting], key WIRELESS_PSK"_s });
    row("key sets 1 to 30 load in order whatever the count says, closing up gaps",
        Bytes(u"[UserNetworkSetting]\nWIRELESS_SSID=First\nWIRELESS_SSID_3=Third\n"
              u"WIRELESS_SEQLITY_MODE_3=2\nWIRELESS_PSK_3=$seal(password3)\n"
              u"WIRELESS_SSID_30=Thirty\nWIRELESS_SSID_31=31st\n[Common]\n"
              u"WIRELESS_SETTING_TOTAL=1\n"_s),
        {}, u"list=First,Third,Thirty|selection=0|p1.ssid=Third|p1.mode=2|p1.key=password3"_s);
    row("missing file reads as an empty one", QByteArray(), {}, kDefaults);
    row("hand-written clean file", TestFiles::ReadAll(QFINDTESTDATA("data/clean.ini")), {},
        kCleanFixture);
    row("hand-written broken file", TestFiles::ReadAll(QFINDTESTDATA("data/broken.ini")),
        { 49, 50, 51, 105, 54, 56, 61, 64, 60, 58, 57, 53 },
        u"folder.mode=1|folder.enabled=1|folder.name=|folder.uid=|folder.password=|"
        u"wired.dhcpMode=1|wired.ip=|wired.mask=|wired.gateway=1.2.3.4|wired.dns=127.0.0.1|"
        u"wired.dns2=|wired.proxy=1|wired.proxyAddress=|wired.proxyPort=|useWireless=0|"
        u"list=Good|p0.mode=0|p0.key=|p0.proxy=0|p0.proxyPort=8080x|p0.dhcp=1"_s);
    row("file above the size limit is refused",
        "[Common]\nNETWORK_PRIORITY=0\n" + QByteArray(MaxSettingsFileSize, '\n'), {}, QString());
    row("link to /dev/zero is refused", "(zero)", {}, QString());
    row("FIFO without writer is refused at once", "(fifo)", {}, QString());
    row("file without read permission is refused", "(unreadable)", {}, QString());
    row("a single Common key makes a settings file", "[Common]\nNETWORK_PRIORITY=0\n", {},
        kDefaults);
}

void TestSettingsReader::load()
{
    QFETCH(QByteArray, bytes); // "(name)": a file of that kind; null: no file at all
    QFETCH(MessageIds, messages);
    QFETCH(QString, expectations); // null: the document stays as it was
    QFETCH(QStringList, details);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"rule.ini"_s);
    if (bytes == "(zero)")
        QVERIFY(QFile::link(u"/dev/zero"_s, path));
    else if (bytes == "(fifo)")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (bytes == "(unreadable)") // but for its mode a settings file
        QVERIFY(TestFiles::Write(path, "[Common]\r\nNETWORK_PRIORITY=0\r\n"));
    else if (!bytes.isNull())
        QVERIFY(TestFiles::Write(path, bytes));
    CSettingsDocument document;
    Prefill(document);
    const QStringList before = Snapshot(document, true);
    CMessageRecorder recorder;
    // As nobody, so that only the missing read permission refuses the file (root reads all).
    const int asNobody = bytes == "(unreadable)" ? 65534 : -1;
    if (asNobody > 0) {
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    }
    const int uid = ::setfsuid(asNobody);
    const int gid = ::setfsgid(asNobody);
    const bool visible = QFileInfo::exists(path);
    const bool loaded = ReadSettingsFile(document, recorder, path);
    ::setfsgid(gid);
    ::setfsuid(uid);
    QVERIFY(visible || bytes.isNull());
    QCOMPARE(loaded, messages.isEmpty() && !expectations.isNull()); // reported or refused: false
    QCOMPARE(IdsOf(recorder), messages);
    if (!details.isEmpty())
        QCOMPARE(DetailsOf(recorder), details);
    if (expectations.isNull())
        QCOMPARE(Snapshot(document, true), before);
    else
        QCOMPARE(Mismatches(document, expectations).join(u";"), QString());
    // No profile outside the list survives a load, whatever the document held before.
    for (auto n = document.m_controls.m_wirelessList.size();
         !expectations.isNull() && n < MaxWirelessProfiles; ++n)
        QVERIFY(document.m_wirelessSettings[size_t(n)] == CNetworkSetting());
}

QTEST_GUILESS_MAIN(TestSettingsReader)
#include "tst_settingsreader.moc"
