// Every file the utility writes (Create, the checker's --write, the state file) loads back with
// no message and the same values, over documents a seeded generator makes the way a user does.
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

constexpr int kCount = 250;
constexpr quint64 kSeed = 20261207;

class CGenerator
{
public:
    explicit CGenerator(quint64 seed)
        : m_random(seed)
    { }

    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool Chance(int percent) { return Int(1, 100) <= percent; }
    int Pick(std::initializer_list<int> from) { return from.begin()[Int(0, int(from.size()) - 1)]; }

    // Text a user can type or paste into a one-line box, from these kinds of character: printable
    // ASCII, what a profile file could take for its own syntax, Latin-1 beyond ASCII, controls a
    // paste can bring in (no line break), beyond Latin-1, hex digits.
    QString Text(int length, QStringView kinds)
    {
        QString text;
        for (int i = 0; i < length; ++i) {
            switch (kinds[Int(0, int(kinds.size()) - 1)].unicode()) {
            case u'a':
                text += QChar(char16_t(Int(32, 126)));
                break;
            case u's':
                text += QChar(u"=;[] \"'#\\"[Int(0, 8)]);
                break;
            case u'l':
                text += QChar(char16_t(Int(160, 255)));
                break;
            case u'c':
                text += QChar(u"\t\x01\x1b\x7f\x85\x9f\x80"[Int(0, 6)]);
                break;
            case u'u':
                text += QChar(u"\u30ab\u4e2d\u0416\u20ac\u2026"[Int(0, 4)]);
                break;
            default:
                text += QChar(u"0123456789abcdefABCDEF"[Int(0, 21)]);
            }
        }
        return text;
    }

    // Each address complete, partly filled or blank, now and then in the loopback net; then the
    // proxy values, some of which a check refuses.
    void FillConnection(ConnectionControls &block)
    {
        for (AddressControl *a : block.Addresses()) {
            const int kind = Int(0, 9);
            a->Clear();
            if (kind >= 2) {
                for (int &field : a->m_fields)
                    field = Int(0, 255);
            }
            if (kind == 2)
                a->m_fields[size_t(Int(0, 3))] = -1;
            if (kind == 3)
                a->m_fields = { Int(0, 255), -1, -1, -1 };
            if (kind == 4)
                a->m_fields[0] = 127;
        }
        const int address = Int(0, 5);
        block.m_proxyAddress.m_text = address == 0 ? QString()
            : address == 1                         ? Text(CProfileFile::MaxValueLength, u"aasl")
            : address == 2                         ? Text(Int(1, 20), u"aaac")
                                                   : Text(Int(1, 60), u"aaasl");
        const int port = Int(0, 6);
        block.m_proxyPort.m_text = port == 0 ? QString()
            : port == 1                      ? QString::number(Int(0, 70000))
            : port == 2 ? QString::number(Int(1, 65535)) + Text(Int(1, 3), u"as")
            : port == 3 ? u" "_s + QString::number(Int(1, 65535))
                        : QString::number(Int(1, 65535));
    }

    QString NetworkKey(int mode)
    {
        if (mode == SecurityModeNone)
            return Chance(50) ? QString() : Text(Int(1, 20), u"al");
        if (mode == SecurityModeWep)
            return Chance(50) ? Text(Pick({ 5, 13 }), u"aaslc") : Text(Pick({ 10, 26 }), u"h");
        return Chance(30) ? Text(64, u"h") : Text(Pick({ 8, 9, 20, 62, 63 }), u"aaslc");
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
        editor.ChangeUseProxy(Chance(40));
        FillConnection(v.m_connection);
        CMessageRecorder refusals;
        if (!editor.Accept(refusals))
            return std::nullopt;
        return editor.m_profile;
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
        wired.m_useProxyChecked = Chance(40);
        wired.EnableProxy(wired.m_useProxyChecked);
        FillConnection(wired);
        c.m_useWirelessChecked = Chance(70);
        document.m_lastPath = Chance(20) ? QString() : u"/media/"_s + Text(Int(0, 12), u"aslu");

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

// What differs between two descriptions, or what the boxes said, for a failure message.
QByteArray Report(const QByteArray &where, const QStringList &got, const QStringList &expected = {})
{
    QStringList lines { QString::fromLatin1(where) };
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
    void initTestCase() { SetCurrentLanguageSlot(0); }
    void everyWrittenFileLoadsBackClean();

private:
    QTemporaryDir m_dir;
};

void TestRoundTrip::everyWrittenFileLoadsBackClean()
{
    const QString settingsPath = SettingsFilePathInFolder(m_dir.path());
    const QString checkerPath = m_dir.filePath(u"checker.ini"_s);
    const QString statePath = m_dir.filePath(u"state.dat"_s);
    // A written file loads back with no message and the values a file can hold.
    const auto loadsAs = [](const QString &path, const QStringList &expected, QByteArray where) {
        CSettingsDocument loaded;
        CMessageRecorder box;
        const bool read = ReadSettingsFile(loaded, box, path);
        const QStringList got = box.m_messages.isEmpty() ? SettingsPart(loaded) : Shown(box);
        return read && got == expected ? QByteArray() : Report(where, got, expected);
    };
    int created = 0;
    for (int i = 0; i < kCount; ++i) {
        const QByteArray where = "document from seed " + QByteArray::number(kSeed + quint64(i));
        CGenerator generator(kSeed + quint64(i));
        CSettingsDocument document;
        generator.Fill(document);

        // Create: either a check stops it with a message and nothing is written, or the file
        // loads back clean; the checker's --write of that file is another file we write.
        QFile::remove(settingsPath);
        CMessageRecorder createMessages;
        CScriptedPathChooser chooser;
        chooser.m_folder = m_dir.path();
        CreateSettingFileCommand(document, createMessages, chooser);
        const bool written = QFile::exists(settingsPath);
        CSettingsDocument expected = document;
        KeepWhatTheFileHolds(expected);
        QVERIFY2(!createMessages.m_messages.isEmpty()
                && written == (createMessages.m_messages.last().icon == MessageIcon::Information),
            Report(where, Shown(createMessages)).constData());
        if (written) {
            ++created;
            QByteArray failure = loadsAs(settingsPath, SettingsPart(expected), where + " created");
            QVERIFY2(failure.isEmpty(), failure.constData());
            QString output;
            QTextStream stream(&output);
            QCOMPARE(RunNetconfCheck(
                         { u"checker"_s, u"--write"_s, checkerPath, settingsPath }, stream, stream),
                0);
            failure = loadsAs(checkerPath, SettingsPart(expected), where + " checked");
            QVERIFY2(failure.isEmpty(), failure.constData());
        }

        // The close sequence's state file opens the next run as the close left this one,
        // silently; one password is kept and its confirmation opens equal to it.
        document.m_stateFilePath = statePath;
        CloseSession(document);
        CSettingsDocument next;
        CMessageRecorder openMessages;
        OpenSession(next, openMessages, statePath);
        expected = document;
        KeepWhatTheFileHolds(expected);
        expected.m_controls.m_passwordConfirm.m_text = expected.m_controls.m_password.m_text;
        next.m_stateFilePath.clear();
        expected.m_stateFilePath.clear();
        const QStringList got = openMessages.m_messages.isEmpty() ? DocumentProbe::Snapshot(next)
                                                                  : Shown(openMessages);
        QVERIFY2(got == DocumentProbe::Snapshot(expected),
            Report(where + " state file", got, DocumentProbe::Snapshot(expected)).constData());
    }
    // Most generated windows pass the create checks; a run that wrote few proved little.
    QVERIFY(created * 3 >= kCount);
}

QTEST_GUILESS_MAIN(TestRoundTrip)
#include "tst_roundtrip.moc"
