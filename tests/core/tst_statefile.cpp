#include "DocumentProbe.h"
#include "LoadReports.h"
#include "MessageRecorder.h"
#include "ProfileFile.h"
#include "SecretCipher.h"
#include "SettingsReader.h"
#include "StateFile.h"
#include "TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace DocumentProbe;

namespace {


// Restores an environment variable when the test ends.
class CEnvironmentGuard
{
public:
    explicit CEnvironmentGuard(const char *name)
        : m_name(name)
        , m_was(qEnvironmentVariableIsSet(name))
        , m_value(qgetenv(name))
    { }
    ~CEnvironmentGuard()
    {
        if (m_was)
            qputenv(m_name, m_value);
        else
            qunsetenv(m_name);
    }
    CEnvironmentGuard(const CEnvironmentGuard &) = delete;
    CEnvironmentGuard &operator=(const CEnvironmentGuard &) = delete;

private:
    const char *m_name;
    bool m_was;
    QByteArray m_value;
};

void SetEnvironment(const char *name, const QString &value, bool set)
{
    if (set)
        qputenv(name, QFile::encodeName(value));
    else
        qunsetenv(name);
}

QFileDevice::Permissions OwnerReadWrite()
{
    return QFileDevice::ReadOwner | QFileDevice::WriteOwner;
}

QFileDevice::Permissions PermissionsOf(const QString &path)
{
    // Qt reports the owner's bits also as the "user" bits; only the owner/group/other bits matter.
    return QFileInfo(path).permissions()
        & (QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
            | QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
            | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther);
}

// The window state a user leaves behind: customised network folder, fixed wired addresses,
// a proxy, two profiles listed in an order other than their slots.
void FillSession(CSettingsDocument &document)
{
    MainWindowControls &c = document.m_controls;
    c.m_folderModeRadio = 1;
    c.m_deviceName.m_text = QStringLiteral("nas-01");
    c.m_userId.m_text = QStringLiteral("reader_1");
    c.m_password.m_text = QStringLiteral("p\u00e4ss word");
    c.m_passwordConfirm.m_text = QStringLiteral("p\u00e4ss word");
    document.EnableFolderFields(true);
    c.m_dhcpModeRadio = 1;
    document.EnableAddressFields(true);
    c.m_ipAddress.m_fields = { 192, 168, 1, 20 };
    c.m_subnetMask.m_fields = { 255, 255, 255, 0 };
    c.m_defaultGateway.m_fields = { 192, 168, 1, 1 };
    c.m_dns.m_fields = { 192, 168, 1, 1 };
    c.m_useProxyChecked = true;
    document.EnableProxyFields(true);
    c.m_proxyAddress.m_text = QStringLiteral("proxy.lan");
    c.m_proxyPort.m_text = QStringLiteral("3128");
    c.m_useWirelessChecked = true;
    CNetworkSetting &home = document.m_wirelessSettings[4];
    home.m_ssid = QStringLiteral("Home");
    home.m_securityMode = 4;
    home.m_networkKey = QStringLiteral("home key 123");
    home.m_connectAutomatically = 0;
    CNetworkSetting &work = document.m_wirelessSettings[1];
    work.m_ssid = QStringLiteral("Work");
    work.m_securityMode = 1;
    work.m_networkKey = QStringLiteral("abcdef0123");
    work.m_stealthSsid = 1;
    c.m_wirelessList = { { QStringLiteral("Home"), 4 }, { QStringLiteral("Work"), 1 } };
    c.m_wirelessSelection = 1;
    document.m_lastPath = QStringLiteral("/media/READER");
}

const QStringList kFilledSession {
    QStringLiteral("folder.mode=1"),
    QStringLiteral("folder.enabled=1"),
    QStringLiteral("folder.name=nas-01"),
    QStringLiteral("folder.uid=reader_1"),
    QStringLiteral("folder.password=p\u00e4ss word"),
    QStringLiteral("folder.confirm=p\u00e4ss word"),
    QStringLiteral("wired.dhcpMode=1"),
    QStringLiteral("wired.addressesEnabled=1"),
    QStringLiteral("wired.ip=192.168.1.20"),
    QStringLiteral("wired.mask=255.255.255.0"),
    QStringLiteral("wired.gateway=192.168.1.1"),
    QStringLiteral("wired.dns=192.168.1.1"),
    QStringLiteral("wired.dns2="),
    QStringLiteral("wired.proxy=1"),
    QStringLiteral("wired.proxyEnabled=1"),
    QStringLiteral("wired.proxyAddress=proxy.lan"),
    QStringLiteral("wired.proxyPort=3128"),
    QStringLiteral("useWireless=1"),
    QStringLiteral("list=Home,Work"),
    QStringLiteral("selection=0"),
    QStringLiteral("lastPath=/media/READER"),
    QStringLiteral("p0.ssid=Home"),
    QStringLiteral("p0.mode=4"),
    QStringLiteral("p0.key=home key 123"),
    QStringLiteral("p0.auto=0"),
    QStringLiteral("p0.force=0"),
    QStringLiteral("p1.ssid=Work"),
    QStringLiteral("p1.mode=1"),
    QStringLiteral("p1.key=abcdef0123"),
    QStringLiteral("p1.force=1"),
    QStringLiteral("p1.auto=1"),
};

QStringList SectionNames(const QByteArray &bytes)
{
    QStringList names;
    for (const QByteArray &line : bytes.split('\n')) {
        if (line.startsWith('['))
            names.append(QString::fromLatin1(line.trimmed()));
    }
    return names;
}

} // namespace

class TestStateFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void stateFilePath_data();
    void stateFilePath();
    void composeFolderState_data();
    void composeFolderState();
    void readFolderState_data();
    void readFolderState();
    void firstRunOpensWithDefaults();
    void unusableStateFileStartsLikeAFirstRun_data();
    void unusableStateFileStartsLikeAFirstRun();
    void nextRunRestoresTheWindow();
    void defaultFolderSettingKeepsItsTexts();
    void closeChecksSilently();
    void closeDropsKeysOfEarlierRuns();
    void closeReplacesAFileOfOthersWithOwnerOnly();
    void closeCreatesTheConfigurationFolder();
    void closeOnAnUnusableFolderFailsQuietly();
    void pathLongerThan260CharactersWorks();
    void startReportsBadStoredValues();
    void writeFolderStateAddsTheSection();
    void writeFolderStateLeavesAnUnreadableFile();

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
    QTest::addColumn<bool>("xdgSet");
    QTest::addColumn<QString>("xdg");
    QTest::addColumn<bool>("homeSet");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("expected"); // "<app>" stands for the program's folder

    const QString home = m_dir.path();
    const QString file = QStringLiteral("/MeridockSettingUtil.dat");
    QTest::newRow("XDG_CONFIG_HOME comes first")
        << true << QStringLiteral("/srv/cfg") << true << home << QStringLiteral("/srv/cfg") + file;
    QTest::newRow("XDG_CONFIG_HOME with trailing slash")
        << true << QStringLiteral("/srv/cfg/") << true << home << QStringLiteral("/srv/cfg") + file;
    QTest::newRow("empty XDG_CONFIG_HOME falls back to ~/.config")
        << true << QString() << true << home << home + QStringLiteral("/.config") + file;
    QTest::newRow("relative XDG_CONFIG_HOME is ignored")
        << true << QStringLiteral("cfg") << true << home
        << home + QStringLiteral("/.config") + file;
    QTest::newRow("no XDG_CONFIG_HOME gives ~/.config")
        << false << QString() << true << home << home + QStringLiteral("/.config") + file;
    QTest::newRow("no usable home gives the program's folder")
        << false << QString() << true << home + QStringLiteral("/does-not-exist")
        << QStringLiteral("<app>") + file;
    QTest::newRow("nothing set gives the program's folder")
        << false << QString() << false << QString() << QStringLiteral("<app>") + file;
    const QString deep = QStringLiteral("/srv/") + Chars(300, u'd');
    QTest::newRow("path above 260 characters is kept whole")
        << true << deep << true << home << deep + file;
}

void TestStateFile::stateFilePath()
{
    QFETCH(bool, xdgSet);
    QFETCH(QString, xdg);
    QFETCH(bool, homeSet);
    QFETCH(QString, home);
    QFETCH(QString, expected);

    CEnvironmentGuard xdgGuard("XDG_CONFIG_HOME");
    CEnvironmentGuard homeGuard("HOME");
    SetEnvironment("XDG_CONFIG_HOME", xdg, xdgSet);
    SetEnvironment("HOME", home, homeSet);
    expected.replace(QStringLiteral("<app>"), QCoreApplication::applicationDirPath());
    QCOMPARE(StateFilePath(), expected);
}

void TestStateFile::composeFolderState_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("lastPath");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("expected"); // without the sealed password

    QTest::newRow("customised folder writes NETFOLDER_DEF 0")
        << 1 << QStringLiteral("/media/SD") << QStringLiteral("pw")
        << QStringLiteral("[NetworkSettingUtility]\r\nLAST_PATS=/media/SD\r\nNETFOLDER_DEF=0\r\n"
                          "NETFOLDER_NAME=nas\r\nNETFOLDER_UID=uid\r\nNETFOLDER_PASS=");
    QTest::newRow("default folder writes NETFOLDER_DEF 1")
        << 0 << QString() << QStringLiteral("pw")
        << QStringLiteral("[NetworkSettingUtility]\r\nLAST_PATS=\r\nNETFOLDER_DEF=1\r\n"
                          "NETFOLDER_NAME=nas\r\nNETFOLDER_UID=uid\r\nNETFOLDER_PASS=");
    QTest::newRow("empty password is written empty")
        << 1 << QStringLiteral("C:\\") << QString()
        << QStringLiteral("[NetworkSettingUtility]\r\nLAST_PATS=C:\\\r\nNETFOLDER_DEF=0\r\n"
                          "NETFOLDER_NAME=nas\r\nNETFOLDER_UID=uid\r\nNETFOLDER_PASS=");
    QTest::newRow("folder name with a line break is left out")
        << 1 << QStringLiteral("/media/a\nb") << QStringLiteral("pw")
        << QStringLiteral("[NetworkSettingUtility]\r\nNETFOLDER_DEF=0\r\n"
                          "NETFOLDER_NAME=nas\r\nNETFOLDER_UID=uid\r\nNETFOLDER_PASS=");
}

void TestStateFile::composeFolderState()
{
    QFETCH(int, mode);
    QFETCH(QString, lastPath);
    QFETCH(QString, password);
    QFETCH(QString, expected);

    CSettingsDocument document;
    document.m_controls.m_folderModeRadio = mode;
    document.m_controls.m_deviceName.m_text = QStringLiteral("nas");
    document.m_controls.m_userId.m_text = QStringLiteral("uid");
    document.m_controls.m_password.m_text = password;
    document.m_controls.m_passwordConfirm.m_text = QStringLiteral("not used");
    document.m_lastPath = lastPath;
    CProfileFile file;
    ComposeFolderState(document, file);

    const QString text = QString::fromUtf8(file.ToBytes());
    QVERIFY2(text.startsWith(expected), qPrintable(text));
    QVERIFY(text.endsWith(QStringLiteral("\r\n")));
    const QString sealed = text.mid(expected.size()).chopped(2);
    if (password.isEmpty()) {
        QCOMPARE(sealed, QString());
    } else {
        QCOMPARE(sealed.size(), 64);
        QString plain;
        QCOMPARE(DecryptSecret(sealed, plain), 1);
        QCOMPARE(plain, password);
    }
}

void TestStateFile::readFolderState_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<MessageIds>("messages");
    QTest::addColumn<QStringList>("expectations");

    QTest::newRow("NETFOLDER_DEF 0 restores a customised folder")
        << QStringLiteral("LAST_PATS=/media/SD\nNETFOLDER_DEF=0\nNETFOLDER_NAME=nas\n"
                          "NETFOLDER_UID=u_1\nNETFOLDER_PASS=$seal(pw 1)\n")
        << MessageIds {}
        << QStringList { QStringLiteral("folder.mode=1"), QStringLiteral("folder.enabled=1"),
               QStringLiteral("folder.name=nas"), QStringLiteral("folder.uid=u_1"),
               QStringLiteral("folder.password=pw 1"), QStringLiteral("folder.confirm=pw 1"),
               QStringLiteral("lastPath=/media/SD") };
    QTest::newRow("NETFOLDER_DEF 1 keeps unchecked texts, disabled")
        << QStringLiteral("NETFOLDER_DEF=1\nNETFOLDER_NAME=12_\nNETFOLDER_UID=a.b\n"
                          "NETFOLDER_PASS=$seal(")
            + Chars(40) + QStringLiteral(")\n")
        << MessageIds {}
        << QStringList { QStringLiteral("folder.mode=0"), QStringLiteral("folder.enabled=0"),
               QStringLiteral("folder.name=12_"), QStringLiteral("folder.uid=a.b"),
               QStringLiteral("folder.password=") + Chars(40), QStringLiteral("lastPath=") };
    QTest::newRow("NETFOLDER_DEF 2 counts as the default setting")
        << QStringLiteral("NETFOLDER_DEF=2\nNETFOLDER_NAME=nas\n") << MessageIds {}
        << QStringList { QStringLiteral("folder.mode=0"), QStringLiteral("folder.enabled=0"),
               QStringLiteral("folder.name=nas") };
    QTest::newRow("missing NETFOLDER_DEF counts as the default setting")
        << QStringLiteral("NETFOLDER_NAME=nas\nNETFOLDER_UID=u\n") << MessageIds {}
        << QStringList { QStringLiteral("folder.mode=0"), QStringLiteral("folder.uid=u") };
    QTest::newRow("customised with an empty name needs no report")
        << QStringLiteral("NETFOLDER_DEF=0\n") << MessageIds {}
        << QStringList { QStringLiteral("folder.mode=1"), QStringLiteral("folder.enabled=1"),
               QStringLiteral("folder.name="), QStringLiteral("folder.uid=") };
    QTest::newRow("bad stored name reports 50")
        << QStringLiteral("NETFOLDER_DEF=0\nNETFOLDER_NAME=123\nNETFOLDER_UID=u\n")
        << MessageIds { 50 }
        << QStringList { QStringLiteral("folder.mode=1"), QStringLiteral("folder.name="),
               QStringLiteral("folder.uid=u") };
    QTest::newRow("stored name of 16 characters reports 50")
        << QStringLiteral("NETFOLDER_DEF=0\nNETFOLDER_NAME=") + Chars(16) + u'\n'
        << MessageIds { 50 } << QStringList { QStringLiteral("folder.name=") };
    QTest::newRow("bad stored user ID reports 51")
        << QStringLiteral("NETFOLDER_DEF=0\nNETFOLDER_NAME=nas\nNETFOLDER_UID=") + Chars(33) + u'\n'
        << MessageIds { 51 }
        << QStringList { QStringLiteral("folder.name=nas"), QStringLiteral("folder.uid=") };
    QTest::newRow("stored password of 33 characters reports 52")
        << QStringLiteral("NETFOLDER_DEF=0\nNETFOLDER_PASS=$seal(") + Chars(33)
            + QStringLiteral(")\n")
        << MessageIds { 52 }
        << QStringList { QStringLiteral("folder.password="), QStringLiteral("folder.confirm=") };
    QTest::newRow("bad name, user ID and password report 50, 51, 52")
        << QStringLiteral("NETFOLDER_PASS=$seal(a\tb)\nNETFOLDER_UID=x y\nNETFOLDER_NAME=--\n"
                          "NETFOLDER_DEF=0\n")
        << MessageIds { 50, 51, 52 }
        << QStringList { QStringLiteral("folder.name="), QStringLiteral("folder.uid="),
               QStringLiteral("folder.password=") };
    QTest::newRow("undecryptable password reports 49 and stays empty")
        << QStringLiteral("NETFOLDER_DEF=0\nNETFOLDER_NAME=nas\nNETFOLDER_PASS=BEEF\n")
        << MessageIds { 49 }
        << QStringList { QStringLiteral("folder.mode=1"), QStringLiteral("folder.name=nas"),
               QStringLiteral("folder.password=") };
    QTest::newRow("undecryptable password reports 49 with the default setting too")
        << QStringLiteral("NETFOLDER_PASS=") + Chars(62, u'0') + u'\n' << MessageIds { 49 }
        << QStringList { QStringLiteral("folder.mode=0"), QStringLiteral("folder.password=") };
}

void TestStateFile::readFolderState()
{
    QFETCH(QString, section);
    QFETCH(MessageIds, messages);
    QFETCH(QStringList, expectations);

    const QString path = Path(QStringLiteral("folder.dat"));
    QVERIFY(TestFiles::Write(
        path, TestFiles::Bytes(QStringLiteral("[NetworkSettingUtility]\n") + section)));
    CSettingsDocument document;
    Prefill(document);
    CMessageRecorder recorder;
    QCOMPARE(ReadFolderState(document, recorder, path), 1);
    QCOMPARE(IdsOf(recorder), messages);
    QCOMPARE(Mismatches(document, expectations), QStringList());
    QCOMPARE(document.m_controls.m_folderModeRadio, document.m_folderSettingMode);
    QCOMPARE(document.m_controls.m_passwordConfirm.m_text, document.m_controls.m_password.m_text);
}

void TestStateFile::firstRunOpensWithDefaults()
{
    const QString path = Path(QStringLiteral("first/MeridockSettingUtil.dat"));
    CSettingsDocument document;
    Prefill(document);
    CMessageRecorder recorder;
    OpenSession(document, recorder, path);
    QCOMPARE(IdsOf(recorder), MessageIds {});
    QCOMPARE(document.m_stateFilePath, path);
    const QStringList expected {
        QStringLiteral("folder.mode=0"),
        QStringLiteral("folder.enabled=0"),
        QStringLiteral("folder.name="),
        QStringLiteral("folder.uid="),
        QStringLiteral("folder.password="),
        QStringLiteral("folder.confirm="),
        QStringLiteral("wired.dhcpMode=0"),
        QStringLiteral("wired.addressesEnabled=0"),
        QStringLiteral("wired.ip="),
        QStringLiteral("wired.dns2="),
        QStringLiteral("wired.proxy=0"),
        QStringLiteral("wired.proxyEnabled=0"),
        QStringLiteral("wired.proxyAddress="),
        QStringLiteral("wired.proxyPort="),
        QStringLiteral("useWireless=1"),
        QStringLiteral("list="),
        QStringLiteral("selection=-1"),
        QStringLiteral("lastPath="),
    };
    QCOMPARE(Mismatches(document, expected), QStringList());
    QCOMPARE(BrokenInvariants(document), QStringList());
    QVERIFY(!QFileInfo::exists(path));
}

void TestStateFile::unusableStateFileStartsLikeAFirstRun_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("binary state file") << QStringLiteral("binary");
    QTest::newRow("state file above the size limit") << QStringLiteral("huge");
    QTest::newRow("folder in place of the state file") << QStringLiteral("directory");
}

void TestStateFile::unusableStateFileStartsLikeAFirstRun()
{
    QFETCH(QString, kind);
    const QString path = Path(QStringLiteral("unusable-") + kind + QStringLiteral(".dat"));
    if (kind == u"binary")
        QVERIFY(TestFiles::Write(path, QByteArray("[Common]\0\xff\x01", 12)));
    else if (kind == u"huge")
        QVERIFY(TestFiles::Write(path,
            QByteArray("[NetworkSettingUtility]\nLAST_PATS=/x\n")
                + QByteArray(MaxSettingsFileSize, ';')));
    else
        QVERIFY(QDir().mkpath(path));

    CSettingsDocument document;
    CMessageRecorder recorder;
    OpenSession(document, recorder, path);
    QCOMPARE(IdsOf(recorder), MessageIds {});
    QCOMPARE(Mismatches(document,
                 { QStringLiteral("useWireless=1"), QStringLiteral("folder.mode=0"),
                     QStringLiteral("folder.enabled=0"), QStringLiteral("wired.dhcpMode=0"),
                     QStringLiteral("list="), QStringLiteral("lastPath=") }),
        QStringList());

    FillSession(document);
    CloseSession(document);
    if (kind == u"directory") {
        QVERIFY(QFileInfo(path).isDir());
        return;
    }
    CSettingsDocument next;
    OpenSession(next, recorder, path);
    QCOMPARE(IdsOf(recorder), MessageIds {});
    QCOMPARE(Mismatches(next, kFilledSession), QStringList());
}

void TestStateFile::nextRunRestoresTheWindow()
{
    const QString path = Path(QStringLiteral("MeridockSettingUtil.dat"));
    QFile::remove(path);
    {
        CSettingsDocument first;
        CMessageRecorder recorder;
        OpenSession(first, recorder, path);
        FillSession(first);
        CloseSession(first);
        QVERIFY(recorder.m_messages.isEmpty());
    }
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(PermissionsOf(path), OwnerReadWrite());
    const QByteArray bytes = TestFiles::ReadAll(path);
    QCOMPARE(SectionNames(bytes),
        (QStringList { QStringLiteral("[UserNetworkSetting]"), QStringLiteral("[Common]"),
            QStringLiteral("[NetworkSettingUtility]") }));
    // Secrets never stand in the file in plain text.
    QVERIFY(!bytes.contains("home key"));
    QVERIFY(!bytes.contains("abcdef0123"));
    QVERIFY(!QString::fromUtf8(bytes).contains(QStringLiteral("p\u00e4ss")));
    QVERIFY(!QString::fromLatin1(bytes).contains(QStringLiteral("p\u00e4ss")));

    CSettingsDocument second;
    CMessageRecorder recorder;
    OpenSession(second, recorder, path);
    QCOMPARE(IdsOf(recorder), MessageIds {});
    QCOMPARE(Mismatches(second, kFilledSession), QStringList());
    QCOMPARE(second.m_stateFilePath, path);
}

void TestStateFile::defaultFolderSettingKeepsItsTexts()
{
    const QString path = Path(QStringLiteral("default.dat"));
    {
        CSettingsDocument first;
        CMessageRecorder recorder;
        OpenSession(first, recorder, path);
        FillSession(first);
        first.m_controls.m_folderModeRadio = 0;
        first.EnableFolderFields(false);
        first.m_controls.m_deviceName.m_text = QStringLiteral("not_checked");
        CloseSession(first);
    }
    const CProfileFile stored = CProfileFile::FromBytes(TestFiles::ReadAll(path));
    QCOMPARE(stored.Value(u"NetworkSettingUtility", u"NETFOLDER_DEF"), QStringLiteral("1"));
    QCOMPARE(
        stored.Value(u"NetworkSettingUtility", u"NETFOLDER_NAME"), QStringLiteral("not_checked"));
    QVERIFY(!stored.Contains(u"NewtworkFolderSetting", u"NETFOLDER_NAME"));

    CSettingsDocument second;
    CMessageRecorder recorder;
    OpenSession(second, recorder, path);
    QCOMPARE(IdsOf(recorder), MessageIds {});
    QCOMPARE(
        Mismatches(second,
            { QStringLiteral("folder.mode=0"), QStringLiteral("folder.enabled=0"),
                QStringLiteral("folder.name=not_checked"), QStringLiteral("folder.uid=reader_1"),
                QStringLiteral("folder.password=p\u00e4ss word"),
                QStringLiteral("folder.confirm=p\u00e4ss word") }),
        QStringList());
}

void TestStateFile::closeChecksSilently()
{
    const QString path = Path(QStringLiteral("silent.dat"));
    CSettingsDocument document;
    CMessageRecorder recorder;
    OpenSession(document, recorder, path);
    FillSession(document);
    document.m_controls.m_proxyPort.m_text = QStringLiteral("70000");
    document.m_controls.m_deviceName.m_text = QStringLiteral("999");
    document.m_controls.m_passwordConfirm.m_text = QStringLiteral("other");
    CloseSession(document);

    // The wired check failed, so the proxy is switched off in the window and in the file.
    QCOMPARE(document.m_wiredUseProxy, 0);
    QCOMPARE(document.m_controls.m_useProxyChecked, false);
    QCOMPARE(
        Mismatches(document,
            { QStringLiteral("wired.proxyEnabled=0"),
                QStringLiteral("wired.proxyAddress=proxy.lan"), QStringLiteral("wired.proxyPort="),
                QStringLiteral("folder.name="), QStringLiteral("folder.uid=reader_1"),
                QStringLiteral("folder.password="), QStringLiteral("folder.confirm=") }),
        QStringList());
    const CProfileFile stored = CProfileFile::FromBytes(TestFiles::ReadAll(path));
    QCOMPARE(stored.Value(u"UserNetworkSetting", u"WIRED_PROXY"), QStringLiteral("0"));
    QCOMPARE(
        stored.Value(u"UserNetworkSetting", u"WIRED_PROXY_ADDRESS"), QStringLiteral("proxy.lan"));
    QCOMPARE(stored.Value(u"UserNetworkSetting", u"WIRED_PROXY_PORT"), QString());
    QCOMPARE(stored.Value(u"NetworkSettingUtility", u"NETFOLDER_DEF"), QStringLiteral("0"));
    QCOMPARE(stored.Value(u"NetworkSettingUtility", u"NETFOLDER_NAME"), QString());
    QCOMPARE(stored.Value(u"NetworkSettingUtility", u"NETFOLDER_UID"), QStringLiteral("reader_1"));
    QCOMPARE(stored.Value(u"NetworkSettingUtility", u"NETFOLDER_PASS"), QString());
    QVERIFY(recorder.m_messages.isEmpty());
}

void TestStateFile::closeDropsKeysOfEarlierRuns()
{
    const QString path = Path(QStringLiteral("earlier.dat"));
    QVERIFY(TestFiles::Write(path,
        TestFiles::Bytes(QStringLiteral("[UserNetworkSetting]\nWIRELESS_SSID=A\nWIRELESS_SSID_2=B\n"
                                        "WIRELESS_SSID_3=C\n[Extra]\nJUNK=1\n"
                                        "[NetworkSettingUtility]\nLAST_PATS=/old\nOTHER=x\n"))));
    CSettingsDocument document;
    CMessageRecorder recorder;
    OpenSession(document, recorder, path);
    QCOMPARE(
        Mismatches(document, { QStringLiteral("list=A,B,C"), QStringLiteral("lastPath=/old") }),
        QStringList());
    document.m_controls.m_wirelessList.removeAt(1);
    document.m_wirelessSettings[1] = CNetworkSetting();
    CloseSession(document);

    const CProfileFile stored = CProfileFile::FromBytes(TestFiles::ReadAll(path));
    QCOMPARE(stored.Value(u"UserNetworkSetting", u"WIRELESS_SSID"), QStringLiteral("A"));
    QCOMPARE(stored.Value(u"UserNetworkSetting", u"WIRELESS_SSID_2"), QStringLiteral("C"));
    QVERIFY(!stored.Contains(u"UserNetworkSetting", u"WIRELESS_SSID_3"));
    QVERIFY(!stored.Contains(u"Extra", u"JUNK"));
    QVERIFY(!stored.Contains(u"NetworkSettingUtility", u"OTHER"));
    QCOMPARE(stored.Value(u"NetworkSettingUtility", u"LAST_PATS"), QStringLiteral("/old"));
}

void TestStateFile::closeReplacesAFileOfOthersWithOwnerOnly()
{
    const QString path = Path(QStringLiteral("shared.dat"));
    QVERIFY(TestFiles::Write(path, QByteArray("[Common]\r\n")));
    QVERIFY(QFile::setPermissions(
        path, OwnerReadWrite() | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    CSettingsDocument document;
    CMessageRecorder recorder;
    OpenSession(document, recorder, path);
    FillSession(document);
    CloseSession(document);
    QCOMPARE(PermissionsOf(path), OwnerReadWrite());
    QVERIFY(
        QDir(m_dir.path()).entryList({ QStringLiteral("shared.dat*") }, QDir::Files | QDir::Hidden)
        == QStringList { QStringLiteral("shared.dat") });
}

void TestStateFile::closeCreatesTheConfigurationFolder()
{
    const QString folder = Path(QStringLiteral("fresh-account/.config"));
    const QString path = folder + QStringLiteral("/MeridockSettingUtil.dat");
    CSettingsDocument document;
    CMessageRecorder recorder;
    OpenSession(document, recorder, path);
    FillSession(document);
    CloseSession(document);
    QVERIFY(QFileInfo(path).isFile());
    QCOMPARE(PermissionsOf(folder), OwnerReadWrite() | QFileDevice::ExeOwner);
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList { QStringLiteral("MeridockSettingUtil.dat") });
}

void TestStateFile::closeOnAnUnusableFolderFailsQuietly()
{
    const QString blocker = Path(QStringLiteral("plain-file"));
    QVERIFY(TestFiles::Write(blocker, QByteArray("not a folder")));
    const QString path = blocker + QStringLiteral("/MeridockSettingUtil.dat");
    CSettingsDocument document;
    CMessageRecorder recorder;
    OpenSession(document, recorder, path);
    FillSession(document);
    CloseSession(document);
    QVERIFY(recorder.m_messages.isEmpty());
    QCOMPARE(TestFiles::ReadAll(blocker), QByteArray("not a folder"));

    // No path at all (no folder found): the close writes nothing and does not fail.
    CSettingsDocument nowhere;
    OpenSession(nowhere, recorder, QString());
    FillSession(nowhere);
    CloseSession(nowhere);
    QVERIFY(recorder.m_messages.isEmpty());
}

void TestStateFile::pathLongerThan260CharactersWorks()
{
    QString folder = m_dir.path();
    while (folder.size() < 300)
        folder += QStringLiteral("/") + Chars(60, u'f');
    const QString path = folder + QStringLiteral("/MeridockSettingUtil.dat");
    QVERIFY(path.size() > 260);
    {
        CSettingsDocument first;
        CMessageRecorder recorder;
        OpenSession(first, recorder, path);
        FillSession(first);
        CloseSession(first);
    }
    QVERIFY(QFileInfo(path).isFile());
    CSettingsDocument second;
    CMessageRecorder recorder;
    OpenSession(second, recorder, path);
    QCOMPARE(second.m_stateFilePath, path);
    QCOMPARE(Mismatches(second, kFilledSession), QStringList());
}

void TestStateFile::startReportsBadStoredValues()
{
    const QString path = Path(QStringLiteral("bad.dat"));
    QVERIFY(TestFiles::Write(path,
        TestFiles::Bytes(QStringLiteral("[UserNetworkSetting]\nWIRED_IP=127.0.0.1\n"
                                        "WIRELESS_SSID=Ok\nWIRELESS_SSID_2=")
            + Chars(33)
            + QStringLiteral("\n[Common]\nNETWORK_DEVICE_POWER_MANAGEMENT=0\n"
                             "[NetworkSettingUtility]\nNETFOLDER_DEF=0\n"
                             "NETFOLDER_NAME=bad_name\nNETFOLDER_PASS=00\n"))));
    CSettingsDocument document;
    CMessageRecorder recorder;
    OpenSession(document, recorder, path);
    // The settings part first, then the extra section.
    QCOMPARE(IdsOf(recorder), (MessageIds { 105, 58, 49, 50 }));
    QCOMPARE(Mismatches(document,
                 { QStringLiteral("list=Ok"), QStringLiteral("useWireless=0"),
                     QStringLiteral("wired.ip="), QStringLiteral("folder.mode=1"),
                     QStringLiteral("folder.name="), QStringLiteral("folder.password=") }),
        QStringList());
}

void TestStateFile::writeFolderStateAddsTheSection()
{
    const QString path = Path(QStringLiteral("with-section.dat"));
    QVERIFY(TestFiles::Write(path,
        TestFiles::Bytes(
            QStringLiteral("[UserNetworkSetting]\nWIRED_DHCP=1\n[Common]\nNETWORK_PRIORITY=0\n"))));
    CSettingsDocument document;
    FillSession(document);
    QCOMPARE(WriteFolderState(document, path), 1);
    const QByteArray bytes = TestFiles::ReadAll(path);
    QCOMPARE(SectionNames(bytes),
        (QStringList { QStringLiteral("[UserNetworkSetting]"), QStringLiteral("[Common]"),
            QStringLiteral("[NetworkSettingUtility]") }));
    QVERIFY(bytes.startsWith(
        "[UserNetworkSetting]\r\nWIRED_DHCP=1\r\n[Common]\r\nNETWORK_PRIORITY=0\r\n"
        "[NetworkSettingUtility]\r\nLAST_PATS=/media/READER\r\nNETFOLDER_DEF=0\r\n"
        "NETFOLDER_NAME=nas-01\r\nNETFOLDER_UID=reader_1\r\nNETFOLDER_PASS="));
    QCOMPARE(PermissionsOf(path), OwnerReadWrite());

    CSettingsDocument reader;
    CMessageRecorder recorder;
    QCOMPARE(ReadFolderState(reader, recorder, path), 1);
    QCOMPARE(Mismatches(reader,
                 { QStringLiteral("folder.password=p\u00e4ss word"),
                     QStringLiteral("lastPath=/media/READER") }),
        QStringList());

    // On a missing file it writes the section alone.
    const QString fresh = Path(QStringLiteral("section-only.dat"));
    QCOMPARE(WriteFolderState(document, fresh), 1);
    QCOMPARE(SectionNames(TestFiles::ReadAll(fresh)),
        QStringList { QStringLiteral("[NetworkSettingUtility]") });
}

void TestStateFile::writeFolderStateLeavesAnUnreadableFile()
{
    const QString path = Path(QStringLiteral("too-big.dat"));
    const QByteArray big = QByteArray("[Common]\r\n") + QByteArray(MaxSettingsFileSize, ';');
    QVERIFY(TestFiles::Write(path, big));
    CSettingsDocument document;
    FillSession(document);
    QCOMPARE(WriteFolderState(document, path), 1);
    QCOMPARE(TestFiles::ReadAll(path), big);

    const QString folder = Path(QStringLiteral("a-folder.dat"));
    QVERIFY(QDir().mkpath(folder));
    QCOMPARE(WriteFolderState(document, folder), 1);
    QVERIFY(QFileInfo(folder).isDir());

    CSettingsDocument reader;
    Prefill(reader);
    const QMap<QString, QString> before = Describe(reader, true);
    CMessageRecorder recorder;
    QCOMPARE(ReadFolderState(reader, recorder, path), 1);
    QCOMPARE(Describe(reader, true), before);
    QVERIFY(recorder.m_messages.isEmpty());
}

QTEST_GUILESS_MAIN(TestStateFile)
#include "tst_statefile.moc"
