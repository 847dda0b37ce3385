#include "WindowCommands.h"

#include <QTest>

namespace {

const std::array<int, 4> Blank { -1, -1, -1, -1 };

AddressControl *Addresses(MainWindowControls &c, int index)
{
    AddressControl *all[]
        = { &c.m_ipAddress, &c.m_subnetMask, &c.m_defaultGateway, &c.m_dns, &c.m_secondaryDns };
    return all[index];
}

// A window state that "Clear settings" has plenty to do on: fixed addresses, proxy on.
void FillWiredPage(CSettingsDocument &document)
{
    MainWindowControls &c = document.m_controls;
    c.m_dhcpModeRadio = 1;
    for (int i = 0; i < 5; ++i) {
        Addresses(c, i)->m_fields = { 10, 0, 0, i + 1 };
        Addresses(c, i)->m_enabled = true;
    }
    c.m_useProxyChecked = true;
    c.m_proxyAddress = { QStringLiteral("proxy.example"), true };
    c.m_proxyPort = { QStringLiteral("8080"), true };
    document.Gather();
}

} // namespace

class TestWindowCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetCurrentLanguageSlot(0); }
    void clearEmptiesTheWiredPage();
    void clearKeepsLaterClicksOnOtherBindings_data();
    void clearKeepsLaterClicksOnOtherBindings();
    void clearLeavesListRecordsAndFolderAlone();
    void useProxyChoice_data();
    void useProxyChoice();
    void forwardTitlesInOrder();
    void forwardTitlesFollowTheSlot();
};

void TestWindowCommands::clearEmptiesTheWiredPage()
{
    CSettingsDocument document;
    FillWiredPage(document);

    ClearWiredSettings(document);

    const MainWindowControls &c = document.m_controls;
    QCOMPARE(c.m_dhcpModeRadio, 0);
    QCOMPARE(document.m_dhcpMode, 0);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(Addresses(document.m_controls, i)->m_fields, Blank);
        QVERIFY(!Addresses(document.m_controls, i)->m_enabled);
    }
    QCOMPARE(c.m_useProxyChecked, false);
    QCOMPARE(document.m_wiredUseProxy, 0);
    QCOMPARE(c.m_proxyAddress.m_text, QString());
    QCOMPARE(c.m_proxyPort.m_text, QString());
    QVERIFY(!c.m_proxyAddress.m_enabled);
    QVERIFY(!c.m_proxyPort.m_enabled);
}

void TestWindowCommands::clearKeepsLaterClicksOnOtherBindings_data()
{
    QTest::addColumn<int>("gatheredUseWireless");
    QTest::addColumn<bool>("useWirelessChecked");
    QTest::addColumn<int>("gatheredFolderMode");
    QTest::addColumn<int>("folderModeRadio");

    QTest::newRow("wireless ticked since the last gather stays ticked") << 0 << true << 0 << 0;
    QTest::newRow("wireless unticked since the last gather stays unticked") << 1 << false << 0 << 0;
    QTest::newRow("folder customised since the last gather stays customised")
        << 0 << false << 0 << 1;
    QTest::newRow("folder set to default since the last gather stays default")
        << 0 << false << 1 << 0;
    QTest::newRow("nothing changed since the last gather") << 1 << true << 1 << 1;
}

void TestWindowCommands::clearKeepsLaterClicksOnOtherBindings()
{
    QFETCH(int, gatheredUseWireless);
    QFETCH(bool, useWirelessChecked);
    QFETCH(int, gatheredFolderMode);
    QFETCH(int, folderModeRadio);

    CSettingsDocument document;
    FillWiredPage(document);
    document.m_useWireless = gatheredUseWireless;
    document.m_folderSettingMode = gatheredFolderMode;
    // The user's clicks reach only the controls; the members still hold the last gather.
    document.m_controls.m_useWirelessChecked = useWirelessChecked;
    document.m_controls.m_folderModeRadio = folderModeRadio;

    ClearWiredSettings(document);

    QCOMPARE(document.m_controls.m_useWirelessChecked, useWirelessChecked);
    QCOMPARE(document.m_useWireless, useWirelessChecked ? 1 : 0);
    QCOMPARE(document.m_controls.m_folderModeRadio, folderModeRadio);
    QCOMPARE(document.m_folderSettingMode, folderModeRadio);
}

void TestWindowCommands::clearLeavesListRecordsAndFolderAlone()
{
    CSettingsDocument document;
    FillWiredPage(document);
    MainWindowControls &c = document.m_controls;
    c.m_wirelessList = { { QStringLiteral("office"), 3 }, { QStringLiteral("home"), 0 } };
    c.m_wirelessSelection = 1;
    document.m_wirelessSettings[3].m_ssid = QStringLiteral("office");
    document.m_wirelessSettings[0].m_ssid = QStringLiteral("home");
    document.m_wiredSetting.m_dhcp = 0;
    document.m_wiredSetting.m_ipAddress = IpAddressField::Complete(10, 1, 2, 3);
    c.m_deviceName = { QStringLiteral("nas-01"), false };
    c.m_password = { QStringLiteral("pw"), false };
    document.m_lastPath = QStringLiteral("/media/card");

    ClearWiredSettings(document);

    QCOMPARE(c.m_wirelessList.size(), 2);
    QCOMPARE(c.m_wirelessList[0].m_text, QStringLiteral("office"));
    QCOMPARE(c.m_wirelessList[0].m_slot, 3);
    QCOMPARE(c.m_wirelessList[1].m_text, QStringLiteral("home"));
    QCOMPARE(c.m_wirelessList[1].m_slot, 0);
    QCOMPARE(c.m_wirelessSelection, 1);
    QCOMPARE(document.m_wirelessSettings[3].m_ssid, QStringLiteral("office"));
    QCOMPARE(document.m_wiredSetting.m_dhcp, 0);
    QCOMPARE(document.m_wiredSetting.m_ipAddress, IpAddressField::Complete(10, 1, 2, 3));
    QCOMPARE(c.m_deviceName.m_text, QStringLiteral("nas-01"));
    QCOMPARE(c.m_deviceName.m_enabled, false);
    QCOMPARE(c.m_password.m_text, QStringLiteral("pw"));
    QCOMPARE(document.m_lastPath, QStringLiteral("/media/card"));
}

void TestWindowCommands::useProxyChoice_data()
{
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("enabledBefore");

    QTest::newRow("ticking enables both edits") << true << false;
    QTest::newRow("unticking disables both edits") << false << true;
    QTest::newRow("ticked box keeps them enabled") << true << true;
}

void TestWindowCommands::useProxyChoice()
{
    QFETCH(bool, checked);
    QFETCH(bool, enabledBefore);

    CSettingsDocument document;
    MainWindowControls &c = document.m_controls;
    c.m_proxyAddress = { QStringLiteral("proxy.example"), enabledBefore };
    c.m_proxyPort = { QStringLiteral("3128"), enabledBefore };
    c.m_useProxyChecked = checked;
    c.m_useWirelessChecked = true;

    ApplyUseProxyChoice(document);

    QCOMPARE(document.m_wiredUseProxy, checked ? 1 : 0);
    QCOMPARE(c.m_proxyAddress.m_enabled, checked);
    QCOMPARE(c.m_proxyPort.m_enabled, checked);
    // The texts stay whatever the choice.
    QCOMPARE(c.m_proxyAddress.m_text, QStringLiteral("proxy.example"));
    QCOMPARE(c.m_proxyPort.m_text, QStringLiteral("3128"));
    // The click gathers all four bindings.
    QCOMPARE(document.m_useWireless, 1);
}

void TestWindowCommands::forwardTitlesInOrder()
{
    const QStringList expected {
        QStringLiteral("Local Security Setting"),
        QStringLiteral("Select target"),
        QStringLiteral("About network configuration utility"),
        QStringLiteral("Wireless LAN Property"),
        QStringLiteral("Load settings"),
        QStringLiteral("Create setting"),
        QStringLiteral("Network folder setting"),
        QStringLiteral("Wired LAN setting"),
        QStringLiteral("Wireless LAN setting"),
        QStringLiteral("Wireless setting"),
        QStringLiteral("Local Security Setting"),
    };
    QCOMPARE(ForwardWindowTitles(), expected);
}

void TestWindowCommands::forwardTitlesFollowTheSlot()
{
    // Norwegian is the one slot whose two "Local Security Setting" rows differ.
    SetCurrentLanguageSlot(7);
    const QStringList titles = ForwardWindowTitles();
    SetCurrentLanguageSlot(0);
    QCOMPARE(titles.size(), 11);
    QCOMPARE(titles[2], MessageTextInSlot(Msg::AboutTitle, 7).toString());
    QCOMPARE(titles[7], MessageTextInSlot(Msg::WiredLanCaption, 7).toString());
    QVERIFY(titles[0] != titles[10]);
}

QTEST_GUILESS_MAIN(TestWindowCommands)
#include "tst_windowcommands.moc"
