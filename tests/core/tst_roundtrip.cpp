// Every file the utility writes loads back through its own reader with no message and the same
// values: "Create Setting file", the checker's --write and the state file, over documents made
// by a seeded generator the way a user makes them (profiles go through the property dialog's
// OK, the window's values through the file commands and the close sequence).
#include "DocumentProbe.h"
#include "MessageRecorder.h"
#include "ScriptedPathChooser.h"
#include "checker/CheckerCommand.h"
#include "core/commands/FileCommands.h"
#include "core/commands/WifiProperty.h"
#include "core/file/ProfileFile.h"
#include "core/settings/SettingsReader.h"
#include "core/settings/StateFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <random>

using namespace Qt::StringLiterals;

namespace {

// Documents per run; MERIDOCK_ROUNDTRIP_COUNT and MERIDOCK_ROUNDTRIP_SEED run more or others.
constexpr int kDefaultCount = 250;
constexpr quint64 kDefaultSeed = 20261207;

class CGenerator
{
public:
    explicit CGenerator(quint64 seed)
        : m_random(seed)
    { }

    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool Chance(int percent) { return Int(1, 100) <= percent; }
    template<typename T> const T &Pick(const QList<T> &from)
    {
        return from[Int(0, int(from.size()) - 1)];
    }

    // Characters a user can type or paste into a one-line box, by kind.
    QChar Char(QStringView kinds)
    {
        switch (kinds[Int(0, int(kinds.size()) - 1)].unicode()) {
        case u'a': // printable ASCII
            return QChar(char16_t(Int(32, 126)));
        case u's': // what a profile file could mistake for its own syntax
            return Pick(QList<QChar> { u'=', u';', u'[', u']', u' ', u'"', u'\'', u'#', u'\\' });
        case u'l': // Latin-1 beyond ASCII, the no-break space included
            return QChar(char16_t(Int(160, 255)));
        case u'c': // controls a paste can bring in, but no line break
            return Pick(QList<QChar> { u'\t', QChar(0x01), QChar(0x1b), QChar(0x7f), QChar(0x85),
                QChar(0x9f), QChar(0x80) });
        case u'u': // beyond Latin-1: CJK, Cyrillic, an emoji half
            return Pick(QList<QChar> {
                QChar(0x30ab), QChar(0x4e2d), QChar(0x0416), QChar(0x20ac), QChar(0x2026) });
        case u'h':
            return QChar(u"0123456789abcdefABCDEF"[Int(0, 21)]);
        }
        return QChar(u'x');
    }
    QString Text(int length, QStringView kinds)
    {
        QString text;
        for (int i = 0; i < length; ++i)
            text += Char(kinds);
        return text;
    }

    // An address control: complete, partly filled or blank; now and then in the loopback net.
    AddressControl Address()
    {
        AddressControl control;
        const int kind = Int(0, 9);
        if (kind < 2)
            return control;
        for (int &field : control.m_fields)
            field = Int(0, 255);
        if (kind == 2)
            control.m_fields[size_t(Int(0, 3))] = -1;
        if (kind == 3)
            control.m_fields = { Int(0, 255), -1, -1, -1 };
        if (kind == 4)
            control.m_fields[0] = 127;
        return control;
    }

    QString ProxyAddress()
    {
        switch (Int(0, 5)) {
        case 0:
            return {};
        case 1:
            return Text(CProfileFile::MaxValueLength, u"aasl");
        case 2:
            return Text(Int(1, 20), u"aaac"); // a control character fails the check
        default:
            return Text(Int(1, 60), u"aaasl");
        }
    }
    QString ProxyPort()
    {
        switch (Int(0, 6)) {
        case 0:
            return {};
        case 1:
            return QString::number(Int(0, 70000));
        case 2:
            return QString::number(Int(1, 65535)) + Text(Int(1, 3), u"as");
        case 3:
            return u" "_s + QString::number(Int(1, 65535));
        default:
            return QString::number(Int(1, 65535));
        }
    }

    QString NetworkKey(int mode)
    {
        switch (mode) {
        case SecurityModeNone:
            return Chance(50) ? QString() : Text(Int(1, 20), u"al");
        case SecurityModeWep:
            return Chance(50) ? Text(Pick(QList<int> { 5, 13 }), u"aaslc")
                              : Text(Pick(QList<int> { 10, 26 }), u"h");
        default:
            if (Chance(30))
                return Text(64, u"h");
            return Text(Pick(QList<int> { 8, 9, 20, 62, 63 }), u"aaslc");
        }
    }

    // One profile as a user enters it in the property dialog; nullopt when OK refuses it.
    std::optional<CNetworkSetting> Profile()
    {
        CWifiPropertyEditor editor;
        editor.m_profile.m_connectAutomatically = Chance(20) ? 0 : 1; // as a loaded file may have
        editor.Open();
        WifiPropertyValues &v = editor.m_values;
        v.m_ssid.m_text = Text(Chance(10) ? 32 : Int(1, 31), u"aaaslcc");
        const int mode = Int(0, 5);
        editor.ChangeSecurity(mode);
        v.m_networkKey.m_text = NetworkKey(mode);
        v.m_keyConfirm.m_text = v.m_networkKey.m_text;
        v.m_stealthChecked = Chance(30);
        editor.ChooseDhcp(Chance(50) ? 0 : 1);
        for (AddressControl *a : v.m_connection.Addresses()) {
            const bool enabled = a->m_enabled;
            *a = Address();
            a->m_enabled = enabled;
        }
        editor.ChangeUseProxy(Chance(40));
        v.m_connection.m_proxyAddress.m_text = ProxyAddress();
        v.m_connection.m_proxyPort.m_text = ProxyPort();
        CMessageRecorder refusals;
        if (!editor.Accept(refusals))
            return std::nullopt;
        return editor.m_profile;
    }

    QString FolderPath()
    {
        return Pick(QList<QString> { u"/media/reader/SD"_s, u"/media/r\u00e9ader/Card =1"_s,
                   u"/mnt/[sd];x"_s, u"/home/\u30e6\u30fc\u30b6\u30fc/\u30ab\u30fc\u30c9"_s,
                   u"/tmp/ trailing "_s, u"/"_s, QString() })
            + (Chance(50) ? Text(Int(1, 8), u"aslu") : QString());
    }

    // The window as a user leaves it: wired values, profiles, the hidden folder values.
    void Fill(CSettingsDocument &document)
    {
        MainWindowControls &c = document.m_controls;
        c.m_folderModeRadio = Chance(50) ? 1 : 0;
        document.SetFolderSettingMode(c.m_folderModeRadio);
        c.m_deviceName.m_text = Chance(80) ? Text(Int(1, 15), u"h") + u"-x"_s.left(Int(0, 2))
                                           : Text(Int(0, 20), u"as");
        c.m_userId.m_text = Chance(80) ? Text(Int(1, 32), u"h") : Text(Int(0, 40), u"asl");
        // The password reaches the window only from a file, opened through the OEM code page.
        c.m_password.m_text = Text(Int(0, Chance(90) ? 32 : 40), u"aaas");
        c.m_passwordConfirm.m_text = Chance(90) ? c.m_password.m_text : u"other"_s;

        ConnectionControls &wired = c.m_connection;
        wired.m_dhcpRadio = Chance(50) ? 0 : 1;
        wired.EnableAddresses(wired.m_dhcpRadio == 1);
        for (AddressControl *a : wired.Addresses()) {
            const bool enabled = a->m_enabled;
            *a = Address();
            a->m_enabled = enabled;
        }
        wired.m_useProxyChecked = Chance(40);
        wired.EnableProxy(wired.m_useProxyChecked);
        wired.m_proxyAddress.m_text = ProxyAddress();
        wired.m_proxyPort.m_text = ProxyPort();
        c.m_useWirelessChecked = Chance(70);
        document.m_lastPath = FolderPath();

        const int count = Chance(10) ? MaxWirelessProfiles : Int(0, 6);
        for (int tries = 0; c.m_wirelessList.size() < count && tries < 4 * count; ++tries) {
            const std::optional<CNetworkSetting> profile = Profile();
            if (!profile)
                continue;
            const int slot = int(c.m_wirelessList.size());
            document.m_wirelessSettings[size_t(slot)] = *profile;
            c.m_wirelessList.append(WirelessListEntry { profile->m_ssid, slot });
        }
        c.m_wirelessSelection = c.m_wirelessList.isEmpty() ? -1 : 0;
        document.Gather();
    }

private:
    std::mt19937_64 m_random;
};

// What a settings file can hold of a document: only complete addresses are written.
void KeepWhatTheFileHolds(CSettingsDocument &document)
{
    for (AddressControl *a : document.m_controls.m_connection.Addresses()) {
        if (!a->Address().IsComplete())
            a->Clear();
    }
    for (CNetworkSetting &p : document.m_wirelessSettings) {
        for (IpAddressField *a :
            { &p.m_ipAddress, &p.m_subnetMask, &p.m_defaultGateway, &p.m_dns, &p.m_secondaryDns }) {
            if (!a->IsComplete())
                *a = IpAddressField();
        }
    }
}

// The snapshot lines a settings file carries: no folder values, no last folder, and no
// enabled states (a load derives them from the switches, which are compared).
QStringList SettingsPart(const CSettingsDocument &document)
{
    QStringList lines;
    for (const QString &line : DocumentProbe::Snapshot(document)) {
        if (!line.startsWith(u"folder.") && !line.startsWith(u"lastPath=")
            && !line.contains(u"Enabled="))
            lines.append(line);
    }
    return lines;
}

// The lines that differ, each side marked, for a failure message.
QByteArray Differences(const QStringList &got, const QStringList &expected)
{
    QStringList lines;
    for (const QString &line : got) {
        if (!expected.contains(line))
            lines.append(u"  got      "_s + line);
    }
    for (const QString &line : expected) {
        if (!got.contains(line))
            lines.append(u"  expected "_s + line);
    }
    return lines.join(u'\n').toUtf8();
}

QStringList Shown(const CMessageRecorder &recorder)
{
    QStringList shown;
    for (const CMessageRecorder::Message &m : recorder.m_messages)
        shown.append(m.caption + u": "_s + m.text + u" / "_s + m.detail);
    return shown;
}

} // namespace

class TestRoundTrip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyWrittenFileLoadsBackClean();

private:
    QTemporaryDir m_dir;
    quint64 m_seed = kDefaultSeed;
    int m_count = kDefaultCount;
};

void TestRoundTrip::initTestCase()
{
    QVERIFY(m_dir.isValid());
    SetCurrentLanguageSlot(0);
    bool ok = false;
    if (const quint64 seed = qEnvironmentVariable("MERIDOCK_ROUNDTRIP_SEED").toULongLong(&ok); ok)
        m_seed = seed;
    if (const int count = qEnvironmentVariableIntValue("MERIDOCK_ROUNDTRIP_COUNT", &ok); ok)
        m_count = count;
    qInfo("round trip over %d documents from seed %llu", m_count, m_seed);
}

void TestRoundTrip::everyWrittenFileLoadsBackClean()
{
    const QString folder = m_dir.path();
    const QString settingsPath = SettingsFilePathInFolder(folder);
    const QString checkerPath = m_dir.filePath(u"checker.ini"_s);
    const QString statePath = m_dir.filePath(u"state.dat"_s);
    int created = 0;
    int profiles = 0;
    for (int i = 0; i < m_count; ++i) {
        const quint64 seed = m_seed + quint64(i);
        const QByteArray where = "document from seed " + QByteArray::number(seed);
        CGenerator generator(seed);
        CSettingsDocument document;
        generator.Fill(document);
        profiles += int(document.m_controls.m_wirelessList.size());

        // "Create Setting file": either a check stops it with a message and nothing is written,
        // or the file it writes loads back clean with every value the window held.
        QFile::remove(settingsPath);
        CMessageRecorder createMessages;
        CScriptedPathChooser chooser;
        chooser.m_folder = folder;
        CreateSettingFileCommand(document, createMessages, chooser);
        const bool written = QFile::exists(settingsPath);
        const QStringList shown = Shown(createMessages);
        QVERIFY2(!shown.isEmpty(), QByteArray(where).constData());
        QVERIFY2(written == (createMessages.m_messages.last().icon == MessageIcon::Information),
            QByteArray(where + ": " + shown.join(u'\n').toUtf8()).constData());
        if (written) {
            ++created;
            CSettingsDocument loaded;
            CMessageRecorder loadMessages;
            QVERIFY(ReadSettingsFile(loaded, loadMessages, settingsPath));
            QVERIFY2(loadMessages.m_messages.isEmpty(),
                QByteArray(where + ": " + Shown(loadMessages).join(u'\n').toUtf8()).constData());
            CSettingsDocument expected = document;
            KeepWhatTheFileHolds(expected);
            QVERIFY2(SettingsPart(loaded) == SettingsPart(expected),
                QByteArray(where + ": created file differs\n"
                    + Differences(SettingsPart(loaded), SettingsPart(expected)))
                    .constData());

            // The checker's --write of that file is another file we write.
            QString output;
            QTextStream stream(&output);
            QCOMPARE(RunNetconfCheck(
                         { u"checker"_s, u"--write"_s, checkerPath, settingsPath }, stream, stream),
                0);
            CSettingsDocument checked;
            CMessageRecorder checkedMessages;
            QVERIFY(ReadSettingsFile(checked, checkedMessages, checkerPath));
            QVERIFY2(checkedMessages.m_messages.isEmpty(), QByteArray(where).constData());
            QVERIFY2(
                SettingsPart(checked) == SettingsPart(expected), QByteArray(where).constData());
        }

        // The close sequence's state file opens the next run as this one ended, silently.
        document.m_stateFilePath = statePath;
        CloseSession(document);
        CSettingsDocument next;
        CMessageRecorder openMessages;
        OpenSession(next, openMessages, statePath);
        QVERIFY2(openMessages.m_messages.isEmpty(),
            QByteArray(where + ": state file: " + Shown(openMessages).join(u'\n').toUtf8())
                .constData());
        CSettingsDocument expected = document;
        KeepWhatTheFileHolds(expected);
        // One password is kept; its confirmation opens equal to it.
        expected.m_controls.m_passwordConfirm.m_text = expected.m_controls.m_password.m_text;
        expected.m_stateFilePath.clear();
        next.m_stateFilePath.clear();
        QVERIFY2(DocumentProbe::Snapshot(next) == DocumentProbe::Snapshot(expected),
            QByteArray(where + ": state file differs\n"
                + Differences(DocumentProbe::Snapshot(next), DocumentProbe::Snapshot(expected)))
                .constData());
    }
    qInfo("%d of %d documents were created (%d profiles); every one passed", created, m_count,
        profiles);
    // Most generated windows pass the create checks; a run that wrote few proved little.
    QVERIFY(created * 3 >= m_count);
}

QTEST_GUILESS_MAIN(TestRoundTrip)
#include "tst_roundtrip.moc"
