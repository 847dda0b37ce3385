#include "DocumentProbe.h"
#include "LoadReports.h"
#include "MessageRecorder.h"
#include "ProfileFile.h"
#include "StateFile.h"
#include "TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace DocumentProbe;
using namespace Qt::StringLiterals;

namespace {

// Sets an environment variable (unsets it for a null value) until the guard goes.
auto SetEnvironment(const char *name, const QString &value)
{
    const bool was = qEnvironmentVariableIsSet(name);
    const QByteArray old = qgetenv(name);
    value.isNull() ? qunsetenv(name) : qputenv(name, QFile::encodeName(value));
    return qScopeGuard([=] { was ? qputenv(name, old) : qunsetenv(name); });
}

QFileDevice::Permissions OwnerReadWrite()
{
    return QFileDevice::ReadOwner | QFileDevice::WriteOwner;
}

QFileDevice::Permissions PermissionsOf(const QString &path)
{
    // Qt reports the owner's bits also as the "user" bits; only the owner/group/other bits matter.
    return QFileInfo(path).permissions()
        & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
}

// The window state a user leaves behind: customised network folder, fixed wired addresses,
// a proxy, two profiles listed in an order other than their slots.
void FillSession(CSettingsDocument &document)
{
    MainWindowControls &c = document.m_controls;
    c.m_folderModeRadio = 1;
    c.m_deviceName.m_text = u"nas-01"_s;
    c.m_userId.m_text = u"reader_1"_s;
    c.m_password.m_text = c.m_passwordConfirm.m_text = u"p\u00e4ss word"_s;
    document.EnableFolderFields(true);
    c.m_dhcpModeRadio = 1;
    document.EnableAddressFields(true);
    c.m_ipAddress.m_fields = { 192, 168, 1, 20 };
    c.m_subnetMask.m_fields = { 255, 255, 255, 0 };
    c.m_defaultGateway.m_fields = c.m_dns.m_fields = { 192, 168, 1, 1 };
    c.m_useProxyChecked = true;
    document.EnableProxyFields(true);
    c.m_proxyAddress.m_text = u"proxy.lan"_s;
    c.m_proxyPort.m_text = u"3128"_s;
    c.m_useWirelessChecked = true;
    CNetworkSetting &home = document.m_wirelessSettings[4];
    home.m_ssid = u"Home"_s;
    home.m_securityMode = 4;
    home.m_networkKey = u"home key 123"_s;
    home.m_connectAutomatically = 0;
    CNetworkSetting &work = document.m_wirelessSettings[1];
    work.m_ssid = u"Work"_s;
    work.m_securityMode = 1;
    work.m_networkKey = u"abcdef0123"_s;
    work.m_stealthSsid = 1;
    c.m_wirelessList = { { u"Home"_s, 4 }, { u"Work"_s, 1 } };
    c.m_wirelessSelection = 1;
    document.m_lastPath = u"/media/READER"_s;
}

const QString kFilledSession
    = u"folder.mode=1|folder.enabled=1|folder.name=nas-01|folder.uid=reader_1|"
      u"folder.password=p\u00e4ss word|folder.confirm=p\u00e4ss word|wired.dhcpMode=1|"
      u"wired.addressesEnabled=1|wired.ip=192.168.1.20|wired.mask=255.255.255.0|"
      u"wired.gateway=192.168.1.1|wired.dns=192.168.1.1|wired.dns2=|wired.proxy=1|"
      u"wired.proxyEnabled=1|wired.proxyAddress=proxy.lan|wired.proxyPort=3128|useWireless=1|"
      u"list=Home,Work|selection=0|lastPath=/media/READER|p0.ssid=Home|p0.mode=4|"
      u"p0.key=home key 123|p0.auto=0|p0.force=0|p1.ssid=Work|p1.mode=1|p1.key=abcdef0123|"
      u"p1.force=1|p1.auto=1"_s;

} // namespace

class TestStateFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void stateFilePath_data();
    void stateFilePath();
    void composeFolderState();
    void openReadsTheFolderSection_data();
    void openReadsTheFolderSection();
    void sessionRoundTrip_data();
    void sessionRoundTrip();
    void closeChecksSilently();

private:
    QTemporaryDir m_dir;
    QString Path(const QString &name) const { return m_dir.filePath(name); }
};

void TestStateFile::initTestCase()
{
    SetCurrentLanguageSlot(0);
    QVERIFY(m_dir.isValid());
}

void TestStateFile::stateFilePath_data()
{
    QTest::addColumn<QString>("xdg"); // null: not set
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("expected"); // "<app>" stands for the program's folder

    const QString home = m_dir.path();
    const QString file = u"/MeridockSettingUtil.dat"_s;
    QTest::newRow("XDG_CONFIG_HOME comes first") << u"/srv/cfg"_s << home << u"/srv/cfg"_s + file;
    QTest::newRow("relative XDG_CONFIG_HOME is ignored")
        << u"cfg"_s << home << home + u"/.config"_s + file;
    QTest::newRow("home that is no folder gives the program's folder")
        << QString() << home + u"/does-not-exist"_s << u"<app>"_s + file;
    const QString deep = u"/srv/"_s + Chars(300, u'd');
    QTest::newRow("path above 260 characters is kept whole") << deep << home << deep + file;
}

void TestStateFile::stateFilePath()
{
    QFETCH(QString, xdg);
    QFETCH(QString, home);
    QFETCH(QString, expected);
    const auto xdgGuard = SetEnvironment("XDG_CONFIG_HOME", xdg);
    const auto homeGuard = SetEnvironment("HOME", home);
    expected.replace(u"<app>"_s, QCoreApplication::applicationDirPath());
    QCOMPARE(StateFilePath(), expected);
}

// The sealed password of a customised folder goes through the session round trip; this is the
// section's layout.
void TestStateFile::composeFolderState()
{
    CSettingsDocument document;
    MainWindowControls &c = document.m_controls;
    c.m_deviceName.m_text = u"nas"_s;
    c.m_userId.m_text = u"uid"_s;
    c.m_passwordConfirm.m_text = u"not used"_s;
    document.m_lastPath = u"/media/a\nb"_s; // cannot be stored: left out alone
    CProfileFile file;
    ComposeFolderState(document, file);
    QCOMPARE(file.ToBytes(),
        QByteArray("[NetworkSettingUtility]\r\nNETFOLDER_DEF=1\r\nNETFOLDER_NAME=nas\r\n"
                   "NETFOLDER_UID=uid\r\nNETFOLDER_PASS=\r\n"));
}

void TestStateFile::openReadsTheFolderSection_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<MessageIds>("messages");
    QTest::addColumn<QString>("expectations");
    const QString U = u"[NetworkSettingUtility]\n"_s;

    QTest::newRow("NETFOLDER_DEF 0 restores a customised folder")
        << U
            + u"LAST_PATS=/media/SD\nNETFOLDER_DEF=0\nNETFOLDER_NAME=nas\nNETFOLDER_UID=u_1\n"
              u"NETFOLDER_PASS=$seal(pw 1)\n"_s
        << MessageIds {}
        << u"folder.mode=1|folder.enabled=1|folder.name=nas|folder.uid=u_1|"
           u"folder.password=pw 1|folder.confirm=pw 1|lastPath=/media/SD"_s;
    QTest::newRow("NETFOLDER_DEF 1 keeps unchecked texts, disabled")
        << U + u"NETFOLDER_DEF=1\nNETFOLDER_NAME=12_\nNETFOLDER_UID=a.b\nNETFOLDER_PASS=$seal("_s
            + Chars(40) + u")\n"_s
        << MessageIds {}
        << u"folder.mode=0|folder.enabled=0|folder.name=12_|folder.uid=a.b|folder.password="_s
            + Chars(40) + u"|lastPath="_s;
    QTest::newRow("NETFOLDER_DEF 2 counts as the default setting")
        << U + u"NETFOLDER_DEF=2\nNETFOLDER_NAME=nas\n"_s << MessageIds {}
        << u"folder.mode=0|folder.enabled=0|folder.name=nas"_s;
    QTest::newRow("customised with an empty name needs no report")
        << U + u"NETFOLDER_DEF=0\n"_s << MessageIds {}
        << u"folder.mode=1|folder.enabled=1|folder.name=|folder.uid="_s;
    QTest::newRow("name of 16, user ID and password of 33 characters report 50, 51, 52")
        << U + u"NETFOLDER_DEF=0\nNETFOLDER_NAME="_s + Chars(16) + u"\nNETFOLDER_UID="_s + Chars(33)
            + u"\nNETFOLDER_PASS=$seal("_s + Chars(33) + u")\n"_s
        << MessageIds { 50, 51, 52 }
        << u"folder.mode=1|folder.name=|folder.uid=|folder.password=|folder.confirm="_s;
    QTest::newRow("bad name, user ID and password report 50, 51, 52")
        << U
            + u"NETFOLDER_PASS=$seal(a\tb)\nNETFOLDER_UID=x y\nNETFOLDER_NAME=--\n"
              u"NETFOLDER_DEF=0\n"_s
        << MessageIds { 50, 51, 52 } << u"folder.name=|folder.uid=|folder.password="_s;
    QTest::newRow("undecryptable password reports 49 with the default setting too")
        << U + u"NETFOLDER_PASS="_s + Chars(62, u'0') + u'\n' << MessageIds { 49 }
        << u"folder.mode=0|folder.password="_s;
    QTest::newRow("the settings part reports first, then the folder section")
        << u"[UserNetworkSetting]\nWIRED_IP=127.0.0.1\nWIRELESS_SSID=Ok\nWIRELESS_SSID_2="_s
            + Chars(33) + u"\n[Common]\nNETWORK_DEVICE_POWER_MANAGEMENT=0\n"_s + U
            + u"NETFOLDER_DEF=0\nNETFOLDER_NAME=bad_name\nNETFOLDER_PASS=00\n"_s
        << MessageIds { 105, 58, 49, 50 }
        << u"list=Ok|useWireless=0|wired.ip=|folder.mode=1|folder.name=|folder.password="_s;
}

void TestStateFile::openReadsTheFolderSection()
{
    QFETCH(QString, file);
    QFETCH(MessageIds, messages);
    QFETCH(QString, expectations);

    const QString path = Path(u"folder.dat"_s);
    QVERIFY(TestFiles::Write(path, TestFiles::Bytes(file)));
    CSettingsDocument document;
    Prefill(document);
    CMessageRecorder recorder;
    OpenSession(document, recorder, path);
    QCOMPARE(IdsOf(recorder), messages);
    QCOMPARE(Mismatches(document, expectations), QStringList());
    QCOMPARE(document.m_controls.m_folderModeRadio, document.m_folderSettingMode);
    QCOMPARE(document.m_controls.m_passwordConfirm.m_text, document.m_controls.m_password.m_text);
}

void TestStateFile::sessionRoundTrip_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("opened"); // what the first start shows
    const QString firstRun
        = u"folder.mode=0|folder.enabled=0|folder.name=|folder.uid=|folder.password=|"
          u"folder.confirm=|wired.dhcpMode=0|wired.addressesEnabled=0|wired.ip=|wired.mask=|"
          u"wired.gateway=|wired.dns=|wired.dns2=|wired.proxy=0|wired.proxyEnabled=0|"
          u"wired.proxyAddress=|wired.proxyPort=|useWireless=1|list=|selection=-1|lastPath="_s;
    QTest::newRow("first run, configuration folder missing") << u"missing"_s << firstRun;
    QTest::newRow("state file of an earlier run that others may read")
        << u"earlier"_s << u"list=A,B,C|selection=0|lastPath=/old"_s;
    QTest::newRow("binary state file") << u"binary"_s << firstRun;
    QTest::newRow("folder in place of the state file") << u"directory"_s << firstRun;
    QTest::newRow("plain file in place of the folder") << u"blocked"_s << firstRun;
    QTest::newRow("no folder found for the state file") << u"nowhere"_s << firstRun;
}

// Whatever the start found, the close leaves an owner-only state file holding this run's values
// alone, which the next start restores; an unusable state file starts the run as a first one.
void TestStateFile::sessionRoundTrip()
{
    QFETCH(QString, kind);
    QFETCH(QString, opened);
    const QString folder = Path(kind + u"/.config"_s);
    const QString path = kind == u"nowhere" ? QString() : folder + u"/MeridockSettingUtil.dat"_s;
    if (kind == u"blocked")
        QVERIFY(TestFiles::Write(Path(kind), "not a folder"));
    else if (kind != u"missing")
        QVERIFY(QDir().mkpath(folder));
    if (kind == u"earlier") {
        QVERIFY(TestFiles::Write(path,
            TestFiles::Bytes(u"[UserNetworkSetting]\nWIRELESS_SSID=A\nWIRELESS_SSID_2=B\n"
                             u"WIRELESS_SSID_3=C\n[Extra]\nJUNK=1\n"
                             u"[NetworkSettingUtility]\nLAST_PATS=/old\n"_s)));
        QVERIFY(QFile::setPermissions(path, OwnerReadWrite() | QFileDevice::ReadOther));
    } else if (kind == u"binary") {
        QVERIFY(TestFiles::Write(path, QByteArray("[Common]\0\xff\x01", 12)));
    } else if (kind == u"directory") {
        QVERIFY(QDir().mkpath(path));
    }

    CSettingsDocument document;
    Prefill(document);
    CMessageRecorder recorder;
    OpenSession(document, recorder, path);
    QCOMPARE(IdsOf(recorder), MessageIds {});
    QCOMPARE(document.m_stateFilePath, path);
    QCOMPARE(Mismatches(document, opened), QStringList());
    QCOMPARE(BrokenInvariants(document), QStringList());
    QCOMPARE(QFileInfo::exists(folder), kind != u"missing" && kind != u"blocked");

    FillSession(document);
    CloseSession(document); // fails quietly where it cannot write
    if (kind == u"directory")
        QVERIFY(QFileInfo(path).isDir());
    if (kind == u"blocked")
        QCOMPARE(TestFiles::ReadAll(Path(kind)), QByteArray("not a folder"));
    if (kind == u"directory" || kind == u"blocked" || kind == u"nowhere")
        return;
    QCOMPARE(PermissionsOf(path), OwnerReadWrite());
    if (kind == u"missing")
        QCOMPARE(PermissionsOf(folder), OwnerReadWrite() | QFileDevice::ExeOwner);
    // Nothing is left beside it: no temporary file of the replacement.
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList { u"MeridockSettingUtil.dat"_s });
    const QByteArray bytes = TestFiles::ReadAll(path);
    QByteArrayList sections;
    for (const QByteArray &line : bytes.split('\n')) {
        if (line.startsWith('['))
            sections.append(line.trimmed());
    }
    QCOMPARE(sections,
        (QByteArrayList { "[UserNetworkSetting]", "[Common]", "[NetworkSettingUtility]" }));
    CSettingsDocument next;
    OpenSession(next, recorder, path);
    QCOMPARE(IdsOf(recorder), MessageIds {});
    QCOMPARE(Mismatches(next, kFilledSession), QStringList());
}

void TestStateFile::closeChecksSilently()
{
    const QString path = Path(u"silent.dat"_s);
    CSettingsDocument document;
    CMessageRecorder recorder;
    OpenSession(document, recorder, path);
    FillSession(document);
    document.m_controls.m_proxyPort.m_text = u"70000"_s;
    document.m_controls.m_deviceName.m_text = u"999"_s;
    document.m_controls.m_passwordConfirm.m_text = u"other"_s;
    CloseSession(document);

    // The wired check failed, so the proxy went off; the bad folder values were dropped.
    CSettingsDocument next;
    OpenSession(next, recorder, path);
    QCOMPARE(IdsOf(recorder), MessageIds {});
    QCOMPARE(Mismatches(next,
                 u"wired.proxy=0|wired.proxyAddress=proxy.lan|wired.proxyPort=|folder.mode=1|"
                 u"folder.name=|folder.uid=reader_1|folder.password=|folder.confirm="),
        QStringList());
}

QTEST_GUILESS_MAIN(TestStateFile)
#include "tst_statefile.moc"
