// Every file the utility writes (Create, the state file) loads back with no message and the same
// values, over documents a seeded generator makes the way a user does.
#include "DocumentProbe.h"
#include "LoadReports.h"
#include "ScriptedPathChooser.h"
#include "core/commands/WifiProperty.h"
#include "core/settings/SettingsReader.h"
#include "core/settings/StateFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <random>

using namespace Qt::StringLiterals;

namespace {

constexpr int kCount = 250;
constexpr quint64 kSeed = 20261207;

struct CGenerator
{
    std::mt19937_64 m_random;

    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool Chance(int percent) { return Int(1, 100) <= percent; }

    // Text from these kinds of character: printable ASCII, a profile file's own syntax, Latin-1
    // beyond ASCII, beyond Latin-1, hex digits.
    QString Text(int length, QStringView kinds)
    {
        QString text;
        for (int i = 0; i < length; ++i) {
            const char16_t kind = kinds[Int(0, int(kinds.size()) - 1)].unicode();
            text += kind == u'a' ? QChar(char16_t(Int(32, 126)))
                : kind == u's'   ? QChar(u"=;[] \"#\\"[Int(0, 7)])
                : kind == u'l'   ? QChar(char16_t(Int(160, 255)))
                : kind == u'u'   ? QChar(u"\u30ab\u4e2d\u0416\u20ac"[Int(0, 3)])
                                 : QChar(u"0123456789abcdefABCDEF"[Int(0, 21)]);
        }
        return text;
    }

    // Each address blank, complete or in the loopback net. A part left blank writes a blank
    // address, which the writer's own test shows.
    void FillConnection(ConnectionControls &block)
    {
        for (AddressControl *a : block.Addresses()) {
            const int kind = Int(0, 2);
            for (int &field : a->m_fields)
                field = kind == 0 ? -1 : Int(0, 255);
            if (kind == 2)
                a->m_fields[0] = 127;
        }
        block.m_proxyAddress.m_text = Chance(30) ? QString() : Text(Int(1, 60), u"aas");
        block.m_proxyPort.m_text = Chance(30) ? QString() : QString::number(Int(1, 65535));
    }

    // One profile as a user enters it in the property dialog, listed when OK takes it.
    void AddProfile(CSettingsDocument &document)
    {
        CWifiPropertyEditor editor;
        editor.Open();
        WifiPropertyValues &v = editor.m_values;
        v.m_ssid.m_text = Text(Int(1, 32), u"aas");
        const int mode = Int(0, 5);
        editor.ChangeSecurity(mode);
        // Character keys may hold what the reader's code page cannot; OK refuses those.
        v.m_keyConfirm.m_text = v.m_networkKey.m_text = mode == SecurityModeNone ? QString()
            : mode == SecurityModeWep ? (Chance(50) ? Text(13, u"aasl") : Text(26, u"h"))
            : Chance(30)              ? Text(64, u"h")
                                      : Text(Int(8, 63), u"aasl");
        v.m_stealthChecked = Chance(30);
        editor.ChooseDhcp(Chance(50));
        editor.ChangeUseProxy(Chance(40));
        FillConnection(v.m_connection);
        CMessageRecorder refusals;
        QList<WirelessListEntry> &list = document.m_controls.m_wirelessList;
        if (editor.Accept(refusals)) {
            document.m_wirelessSettings[size_t(list.size())] = editor.m_profile;
            list.append(WirelessListEntry { editor.m_profile.m_ssid, int(list.size()) });
        }
    }

    // The window as a user leaves it: wired values, profiles, the hidden folder values.
    void Fill(CSettingsDocument &document)
    {
        MainWindowControls &c = document.m_controls;
        document.SetFolderSettingMode(c.m_folderModeRadio = Chance(50));
        c.m_deviceName.m_text = Text(Int(1, 15), u"h");
        c.m_userId.m_text = Chance(80) ? Text(Int(1, 32), u"h") : Text(Int(1, 32), u"au");
        c.m_password.m_text = c.m_passwordConfirm.m_text = Text(Int(0, 32), u"aas");

        ConnectionControls &wired = c.m_connection;
        wired.m_dhcpRadio = Chance(50);
        wired.EnableAddresses(wired.m_dhcpRadio == 1);
        wired.EnableProxy(wired.m_useProxyChecked = Chance(40));
        FillConnection(wired);
        c.m_useWirelessChecked = Chance(70);
        document.m_lastPath = Chance(20) ? QString() : u"/media/"_s + Text(Int(0, 12), u"au");

        const int count = Chance(5) ? MaxWirelessProfiles : Int(0, 4);
        for (int tries = 0; c.m_wirelessList.size() < count && tries < 4 * count; ++tries)
            AddProfile(document);
        c.m_wirelessSelection = c.m_wirelessList.isEmpty() ? -1 : 0;
        document.Gather();
    }
};

// A settings file holds no folder values, no last folder, and no enabled states (a load derives
// them from the switches).
QStringList SettingsPart(const CSettingsDocument &document)
{
    static const QRegularExpression inFile(u"^(?!folder\\.|lastPath=|.*Enabled=)"_s);
    return DocumentProbe::Snapshot(document).filter(inFile);
}

} // namespace

class TestRoundTrip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetCurrentLanguageSlot(0); }
    void everyWrittenFileLoadsBackClean_data()
    {
        QTest::addColumn<quint64>("seed");
        for (quint64 seed = kSeed; seed < kSeed + kCount; ++seed)
            QTest::addRow("seed %llu", static_cast<unsigned long long>(seed)) << seed;
    }
    void everyWrittenFileLoadsBackClean()
    {
        QFETCH(quint64, seed);
        QTemporaryDir dir;
        const QString settingsPath = SettingsFilePathInFolder(dir.path());
        CSettingsDocument document, loaded, next;
        CGenerator { std::mt19937_64(seed) }.Fill(document);

        // Either a check stops Create and nothing is written, or the file loads back clean.
        CMessageRecorder box, loadBox, openBox;
        CScriptedPathChooser chooser;
        chooser.m_folder = dir.path();
        CreateSettingFileCommand(document, box, chooser);
        const bool written = QFile::exists(settingsPath);
        QVERIFY2(!box.m_messages.isEmpty()
                && written == (box.m_messages.last().icon == MessageIcon::Information),
            qPrintable(DetailsOf(box).join(u" | ")));
        if (written) {
            ++m_created;
            const bool read = ReadSettingsFile(loaded, loadBox, settingsPath);
            QCOMPARE(IdsOf(loadBox), MessageIds {});
            QVERIFY(read);
            QCOMPARE(SettingsPart(loaded), SettingsPart(document));
        }

        // The close sequence's state file opens the next run as the close left this one.
        document.m_stateFilePath = dir.filePath(u"state.dat"_s);
        CloseSession(document);
        OpenSession(next, openBox, document.m_stateFilePath);
        QCOMPARE(IdsOf(openBox), MessageIds {});
        QCOMPARE(DocumentProbe::Snapshot(next), DocumentProbe::Snapshot(document));
    }
    // A run that wrote few files proved little.
    void cleanupTestCase() { QVERIFY(m_created * 3 >= kCount); }

private:
    int m_created = 0;
};

QTEST_GUILESS_MAIN(TestRoundTrip)
#include "tst_roundtrip.moc"
