#include "DialogScript.h"
#include "MessageRecorder.h"
#include "MockBus.h"
#include "platform/NetworkManagerSettings.h"
#include "ui/ImportNetworksDlg.h"
#include "ui/NetSetUtilDlg.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace {

using CImportScript = CModalScript<CImportNetworksDlg>;

// The import list's rows (name|security, "|greyed" where it cannot be ticked), after ticking
// the named networks and pressing "Add to list".
QStringList TickAndAdd(CImportNetworksDlg &dialog, const QStringList &tick)
{
    QStringList rows;
    for (int i = 0; i < dialog.List()->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = dialog.List()->topLevelItem(i);
        rows.append(item->text(0) + u'|' + item->text(1)
            + (item->flags().testFlag(Qt::ItemIsEnabled) ? u""_s : u"|greyed"_s));
        if (tick.contains(item->text(0)))
            item->setCheckState(0, Qt::Checked);
    }
    if (dialog.AddButton()->isEnabled())
        QTest::mouseClick(dialog.AddButton(), Qt::LeftButton);
    rows.sort();
    return rows;
}

// The profiles behind the list's entries: SSID, security and key.
QStringList Profiles(const CSettingsDocument &document)
{
    QStringList lines;
    for (const auto &entry : document.m_controls.m_wirelessList) {
        const CNetworkSetting &profile = document.m_wirelessSettings[size_t(entry.m_slot)];
        lines.append(u"%1|%2|%3"_s.arg(
            profile.m_ssid, QString::number(profile.m_securityMode), profile.m_networkKey));
    }
    return lines;
}

} // namespace

class TestImportNetworks : public QObject
{
    Q_OBJECT

    CNmMockBus m_bus;
    QTemporaryDir m_dir;
    std::unique_ptr<CNetSetUtilDlg> m_window;
    CMessageRecorder m_box;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(!m_bus.Address().isEmpty(), qPrintable(m_bus.Error()));
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_bus.Address().toUtf8());
        const SettingsMap key { { u"802-11-wireless-security"_s,
            { { u"psk"_s, u"home-key-123"_s } } } };
        const std::pair<const char *, QString> networks[] = { { "Home", u"wpa-psk"_s },
            { "Cafe", {} }, { "New", u"sae"_s }, { "Office", u"wpa-psk"_s } };
        for (const auto &[name, mode] : networks)
            QVERIFY(!m_bus
                         .AddConnection(WifiConnection(QString::fromLatin1(name), name, mode),
                             qstrcmp(name, "Home") ? SettingsMap() : key)
                         .isEmpty());
    }

    void init()
    {
        FailOnWarnings();
        SetCurrentLanguageSlot(0);
        m_box.m_messages.clear();
        m_window = std::make_unique<CNetSetUtilDlg>();
        m_window->SetMessageBox(&m_box);
        m_window->StartSession(m_dir.filePath(u"state.dat"_s));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->ShowPage(1);
    }

    void cleanup() { m_window.reset(); }

    void importsTheTickedNetworks()
    {
        QStringList rows;
        CImportScript script([&](CImportNetworksDlg &dialog) {
            rows = TickAndAdd(dialog, { u"Home"_s, u"Cafe"_s });
        });
        Press(*m_window, "importButton");
        QVERIFY(script.m_ran && !script.m_leftOpen);
        QCOMPARE(rows,
            QStringList({ u"Cafe|No security"_s, u"Home|WPA2 PSK AES"_s,
                u"New|"_s + Text(Msg::ImportWpa3Security) + u"|greyed"_s,
                u"Office|WPA2 PSK AES"_s }));
        QVERIFY(m_box.m_messages.isEmpty());
        QCOMPARE(Profiles(m_window->Document()),
            QStringList({ u"Home|4|home-key-123"_s, u"Cafe|0|"_s }));

        // Again: the listed SSID is left out, the key NetworkManager keeps to itself asked for.
        CDialogScript property([&](CWifiSecurity &dialog) {
            QCOMPARE(Find<QLineEdit>(dialog, "ssid")->text(), u"Office"_s);
            for (const char *field : { "networkKey", "keyConfirm" })
                QTest::keyClicks(Find<QLineEdit>(dialog, field), u"office-key-9"_s);
            Press(dialog, "ok");
        });
        CImportScript again([](CImportNetworksDlg &dialog) {
            TickAndAdd(dialog, { u"Home"_s, u"Office"_s });
        });
        Press(*m_window, "importButton");
        QVERIFY(again.m_ran);
        QCOMPARE(m_box.m_messages.size(), 1);
        QCOMPARE(m_box.m_messages.front().text,
            ComposedMessage(Text(Msg::ImportAlreadyListed).arg(u"Home"_s) + u"\n\n"_s
                + Text(Msg::ImportKeysMissing).arg(u"Office"_s)));
        QCOMPARE(Profiles(m_window->Document()),
            QStringList({ u"Home|4|home-key-123"_s, u"Cafe|0|"_s, u"Office|4|office-key-9"_s }));
    }

    void refusals_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<QString>("message");
        QTest::addColumn<MessageIcon>("icon");
        QTest::newRow("full list takes no more")
            << true << Text(Msg::ImportListFull).arg(u"Cafe"_s) << MessageIcon::Information;
        QTest::newRow("no NetworkManager")
            << false << Text(Msg::ImportNoNetworkManager) << MessageIcon::Error;
    }
    void refusals()
    {
        QFETCH(bool, full);
        QFETCH(QString, message);
        CSettingsDocument &document = m_window->Document();
        for (int i = 0; full && i < MaxWirelessProfiles; ++i) {
            document.m_wirelessSettings[size_t(i)].m_ssid = u"net-%1"_s.arg(i);
            document.m_controls.m_wirelessList.append({ u"net-%1"_s.arg(i), i });
        }
        m_window->ApplyControlState();
        CMockBus empty; // a system bus without NetworkManager
        CNetworkManagerSettings source(empty.Connection());
        m_window->SetKnownNetworksSource(full ? nullptr : &source);
        CImportScript script([](CImportNetworksDlg &dialog) { TickAndAdd(dialog, { u"Cafe"_s }); });
        Press(*m_window, "importButton");
        m_window->SetKnownNetworksSource(nullptr);
        QCOMPARE(script.m_ran, full);
        QCOMPARE(document.m_controls.m_wirelessList.size(), full ? MaxWirelessProfiles : 0);
        QCOMPARE(m_box.m_messages.size(), 1);
        QCOMPARE(m_box.m_messages.front().text, ComposedMessage(message));
        QTEST(m_box.m_messages.front().icon, "icon");
    }
};

QTEST_MAIN(TestImportNetworks)
#include "tst_importnetworks.moc"
