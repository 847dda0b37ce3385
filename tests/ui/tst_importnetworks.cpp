#include "DialogScript.h"
#include "MessageRecorder.h"
#include "NmMockBus.h"
#include "ScriptedPathChooser.h"
#include "TestFiles.h"
#include "core/cipher/SecretCipher.h"
#include "platform/NetworkManagerSettings.h"
#include "ui/ImportNetworksDlg.h"
#include "ui/NetSetUtilDlg.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

using SettingsMap = QMap<QString, QVariantMap>;

// Plays the user at the import list once it runs modally: ticks the named networks and presses
// "Add to list" (or Cancel when none are named). `inspect` sees the list first.
class CImportScript
{
public:
    CImportScript(QStringList tick, std::function<void(CImportNetworksDlg &)> inspect = {})
        : m_tick(std::move(tick))
        , m_inspect(std::move(inspect))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start();
    }
    bool m_ran = false;

private:
    void Poll()
    {
        auto *dialog = qobject_cast<CImportNetworksDlg *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        m_timer.stop();
        m_ran = true;
        if (m_inspect)
            m_inspect(*dialog);
        QTreeWidget *list = dialog->List();
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QTreeWidgetItem *item = list->topLevelItem(i);
            if (m_tick.contains(item->text(0)))
                item->setCheckState(0, Qt::Checked);
        }
        if (dialog->AddButton()->isEnabled())
            QTest::mouseClick(dialog->AddButton(), Qt::LeftButton);
        if (dialog->isVisible())
            dialog->reject();
    }
    QStringList m_tick;
    std::function<void(CImportNetworksDlg &)> m_inspect;
    QTimer m_timer;
};

QStringList ListTexts(const QWidget &window)
{
    QStringList texts;
    const auto *list = Find<QListWidget>(window, "wirelessList");
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

QString Value(const QString &path, const QByteArray &key)
{
    for (const QByteArray &line : TestFiles::ReadAll(path).split('\n')) {
        if (line.startsWith(key + '='))
            return QString::fromUtf8(line.mid(key.size() + 1).trimmed());
    }
    return u"<none>"_s;
}

QString Text(MessageId id)
{
    return MessageText(id).toString();
}

} // namespace

class TestImportNetworks : public QObject
{
    Q_OBJECT

    std::unique_ptr<CNmMockBus> m_bus;
    QTemporaryDir m_dir;
    std::unique_ptr<CNetSetUtilDlg> m_window;
    CMessageRecorder m_box;
    CScriptedPathChooser m_chooser;

private Q_SLOTS:
    void initTestCase()
    {
        m_bus = std::make_unique<CNmMockBus>();
        QVERIFY2(!m_bus->Address().isEmpty(), qPrintable(m_bus->Error()));
        // The window's own NetworkManager client goes to the system bus: this one.
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_bus->Address().toUtf8());

        SettingsMap home = WifiConnection(u"Home"_s, "Home", u"wpa-psk"_s);
        home[u"802-11-wireless-security"_s].insert(u"proto"_s, QStringList { u"rsn"_s });
        QVERIFY(!m_bus
                     ->AddConnection(home,
                         { { u"802-11-wireless-security"_s, { { u"psk"_s, u"home-key-123"_s } } } })
                     .isEmpty());
        QVERIFY(!m_bus->AddConnection(WifiConnection(u"Cafe"_s, "Cafe", {})).isEmpty());
        QVERIFY(!m_bus->AddConnection(WifiConnection(u"New"_s, "New", u"sae"_s)).isEmpty());
        QVERIFY(
            !m_bus->AddConnection(WifiConnection(u"Office"_s, "Office", u"wpa-psk"_s)).isEmpty());
    }

    void init()
    {
        SetCurrentLanguageSlot(0);
        m_box.m_messages.clear();
        m_window = std::make_unique<CNetSetUtilDlg>();
        m_window->SetMessageBox(&m_box);
        m_window->SetPathChooser(&m_chooser);
        m_window->StartSession(m_dir.filePath(u"state.dat"_s));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->ShowPage(1);
    }

    void cleanup() { m_window.reset(); }

    void importsTwoNetworksAndCreatesTheFile()
    {
        QStringList shown;
        QString refusedSecurity;
        bool refusedTickable = true;
        CImportScript script({ u"Home"_s, u"Cafe"_s }, [&](CImportNetworksDlg &dialog) {
            for (int i = 0; i < dialog.List()->topLevelItemCount(); ++i) {
                const QTreeWidgetItem *item = dialog.List()->topLevelItem(i);
                shown.append(item->text(0) + u'|' + item->text(1));
                if (item->text(0) == u"New") {
                    refusedSecurity = item->text(1);
                    refusedTickable = item->flags().testFlag(Qt::ItemIsEnabled);
                }
            }
            QVERIFY(!dialog.AddButton()->isEnabled()); // nothing ticked yet
        });
        Press(*m_window, "importButton");
        QVERIFY(script.m_ran);
        shown.sort();
        QCOMPARE(shown,
            QStringList({ u"Cafe|No security"_s, u"Home|WPA2 PSK AES"_s,
                u"New|"_s + Text(Msg::ImportWpa3Security), u"Office|WPA2 PSK AES"_s }));
        QCOMPARE(refusedSecurity, Text(Msg::ImportWpa3Security));
        QVERIFY(!refusedTickable);

        QCOMPARE(ListTexts(*m_window), QStringList({ u"Home"_s, u"Cafe"_s }));
        QVERIFY(m_box.m_messages.isEmpty());

        QTemporaryDir card;
        m_chooser.m_folder = card.path();
        Press(*m_window, "createSettingFileButton");
        const QString file = card.filePath(u"NetworkSetting.ini"_s);
        QVERIFY(QFile::exists(file));
        QCOMPARE(Value(file, "WIRELESS_SSID"), u"Home"_s);
        QCOMPARE(Value(file, "WIRELESS_SEQLITY_MODE"), u"4"_s);
        QString key;
        QCOMPARE(DecryptSecret(Value(file, "WIRELESS_PSK"), key), 1);
        QCOMPARE(key, u"home-key-123"_s);
        QCOMPARE(Value(file, "WIRELESS_SSID_2"), u"Cafe"_s);
        QCOMPARE(Value(file, "WIRELESS_SEQLITY_MODE_2"), u"0"_s);
        QVERIFY(!TestFiles::ReadAll(file).contains("home-key-123"));
    }

    void listedSsidIsSkippedAndMissingKeyIsAskedFor()
    {
        CImportScript first({ u"Home"_s });
        Press(*m_window, "importButton");
        QVERIFY(first.m_ran);
        QCOMPARE(ListTexts(*m_window), QStringList({ u"Home"_s }));

        QString openedSsid, openedKey;
        int openedSecurity = -1;
        CDialogScript property([&](CWifiSecurity &dialog) {
            openedSsid = Find<QLineEdit>(dialog, "ssid")->text();
            openedKey = Find<QLineEdit>(dialog, "networkKey")->text();
            openedSecurity = Find<QComboBox>(dialog, "security")->currentData().toInt();
            QTest::keyClicks(Find<QLineEdit>(dialog, "networkKey"), u"office-key-9"_s);
            QTest::keyClicks(Find<QLineEdit>(dialog, "keyConfirm"), u"office-key-9"_s);
            Press(dialog, "ok");
        });
        CImportScript second({ u"Home"_s, u"Office"_s });
        Press(*m_window, "importButton");
        QVERIFY(second.m_ran);

        QCOMPARE(ListTexts(*m_window), QStringList({ u"Home"_s, u"Office"_s }));
        QCOMPARE(m_box.m_messages.size(), 1);
        QCOMPARE(m_box.m_messages.front().text,
            ComposedMessage(Text(Msg::ImportAlreadyListed).arg(u"Home"_s) + u"\n\n"_s
                + Text(Msg::ImportKeysMissing).arg(u"Office"_s)));
        QVERIFY(property.m_ran);
        QCOMPARE(openedSsid, u"Office"_s);
        QCOMPARE(openedKey, QString());
        QCOMPARE(openedSecurity, int(SecurityModeWpa2PskAes));
        const CSettingsDocument &document = m_window->Document();
        const int slot = document.m_controls.m_wirelessList.at(1).m_slot;
        QCOMPARE(document.m_wirelessSettings[size_t(slot)].m_networkKey, u"office-key-9"_s);
    }

    void fullListTakesNoMore()
    {
        CSettingsDocument &document = m_window->Document();
        for (int i = 0; i < MaxWirelessProfiles; ++i) {
            document.m_wirelessSettings[size_t(i)].m_ssid = u"net-%1"_s.arg(i);
            document.m_controls.m_wirelessList.append({ u"net-%1"_s.arg(i), i });
        }
        m_window->ApplyControlState();
        CImportScript script({ u"Cafe"_s });
        Press(*m_window, "importButton");
        QVERIFY(script.m_ran);
        QCOMPARE(m_window->Document().m_controls.m_wirelessList.size(), MaxWirelessProfiles);
        QCOMPARE(m_box.m_messages.size(), 1);
        QCOMPARE(m_box.m_messages.front().text,
            ComposedMessage(Text(Msg::ImportListFull).arg(u"Cafe"_s)));
    }

    void servicesMissingAreSaid_data()
    {
        QTest::addColumn<bool>("busRuns");
        QTest::addColumn<MessageId>("message");
        QTest::newRow("no NetworkManager on the bus")
            << true << MessageId(Msg::ImportNoNetworkManager);
        QTest::newRow("no system bus") << false << MessageId(Msg::ImportNoSystemBus);
    }

    void servicesMissingAreSaid()
    {
        QFETCH(bool, busRuns);
        QFETCH(MessageId, message);
        CNmMockBus empty(CNmMockBus::Service::None);
        QVERIFY2(!empty.Address().isEmpty(), qPrintable(empty.Error()));
        QTemporaryDir dir;
        const QDBusConnection bus = busRuns
            ? empty.Connection()
            : QDBusConnection::connectToBus(u"unix:path="_s + dir.filePath(u"none"_s), u"none"_s);
        CNetworkManagerSettings source(bus);
        m_window->SetKnownNetworksSource(&source);
        CImportScript script({});
        Press(*m_window, "importButton");
        m_window->SetKnownNetworksSource(nullptr);
        QVERIFY(!script.m_ran);
        QCOMPARE(m_box.m_messages.size(), 1);
        QCOMPARE(m_box.m_messages.front().text, ComposedMessage(Text(message)));
        QCOMPARE(m_box.m_messages.front().icon, MessageIcon::Error);
        QVERIFY(ListTexts(*m_window).isEmpty());
    }
};

QTEST_MAIN(TestImportNetworks)
#include "tst_importnetworks.moc"
