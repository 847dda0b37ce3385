#include "AboutDlg.h"
#include "IpAddressEdit.h"
#include "MessageRecorder.h"
#include "NetSetUtilApp.h"
#include "NetSetUtilDlg.h"
#include "ScriptedPathChooser.h"
#include "StateFile.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using Fields = std::array<int, 4>;

namespace {

constexpr int B = CIpAddressEdit::BlankField;

const QStringList WiredPageControls {
    QStringLiteral("dhcpOnRadio"),
    QStringLiteral("dhcpOffRadio"),
    QStringLiteral("ipSettingsGroup"),
    QStringLiteral("ipAddressEdit"),
    QStringLiteral("subnetMaskEdit"),
    QStringLiteral("defaultGatewayEdit"),
    QStringLiteral("dnsEdit"),
    QStringLiteral("secondaryDnsEdit"),
    QStringLiteral("clearSettingsButton"),
    QStringLiteral("ipAddressLabel"),
    QStringLiteral("subnetMaskLabel"),
    QStringLiteral("defaultGatewayLabel"),
    QStringLiteral("dnsLabel"),
    QStringLiteral("secondaryDnsLabel"),
    QStringLiteral("proxyGroup"),
    QStringLiteral("useProxyCheck"),
    QStringLiteral("proxyAddressLabel"),
    QStringLiteral("proxyAddressEdit"),
    QStringLiteral("proxyPortLabel"),
    QStringLiteral("proxyPortEdit"),
};
const QStringList WirelessPageControls {
    QStringLiteral("useWirelessCheck"),
    QStringLiteral("wirelessList"),
    QStringLiteral("priorityUpButton"),
    QStringLiteral("priorityDownButton"),
    QStringLiteral("addButton"),
    QStringLiteral("deleteButton"),
    QStringLiteral("propertyButton"),
    QStringLiteral("wirelessListLabel"),
};
const QStringList FolderPageControls {
    QStringLiteral("folderDefaultRadio"),
    QStringLiteral("folderCustomizeRadio"),
    QStringLiteral("folderSettingsGroup"),
    QStringLiteral("deviceNameEdit"),
    QStringLiteral("userIdEdit"),
    QStringLiteral("passwordEdit"),
    QStringLiteral("passwordConfirmEdit"),
    QStringLiteral("deviceNameLabel"),
    QStringLiteral("userIdLabel"),
    QStringLiteral("passwordLabel"),
    QStringLiteral("passwordConfirmLabel"),
};
const QStringList CommandControls {
    QStringLiteral("loadSettingsButton"),
    QStringLiteral("createSettingFileButton"),
    QStringLiteral("exitButton"),
    QStringLiteral("tabControl"),
};
const QStringList AddressControls {
    QStringLiteral("ipAddressEdit"),
    QStringLiteral("subnetMaskEdit"),
    QStringLiteral("defaultGatewayEdit"),
    QStringLiteral("dnsEdit"),
    QStringLiteral("secondaryDnsEdit"),
};

QStringList Lines(const CMessageRecorder &recorder)
{
    QStringList lines;
    for (const CMessageRecorder::Message &m : recorder.m_messages)
        lines.append(MessageLine(m.text, m.caption, m.icon, m.buttons));
    return lines;
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Clicks a radio button or check box on its indicator, where a user aims.
void Click(QAbstractButton *button)
{
    QTest::mouseClick(
        button, Qt::LeftButton, {}, QPoint(button->height() / 2, button->height() / 2));
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestNetSetUtilDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void startsWithDefaultsWithoutStateFile();
    void textsComeFromTheCatalogue();
    void tabSwitchingShowsExactlyOnePage();
    void showPageIgnoresOtherIndices_data();
    void showPageIgnoresOtherIndices();
    void keyboardReachesControlsInReadingOrder();
    void dhcpRadiosEnableAddresses();
    void useProxyEnablesProxyEdits();
    void useWirelessFollowsOnlyAtGather();
    void clearSettings();
    void clearSettingsKeepsUseWirelessTick();
    void closeSequenceWritesStateFile_data();
    void closeSequenceWritesStateFile();
    void closeDropsInvalidProxySilently();
    void enterOnAButtonClicksIt();
    void badStateFileReportedAtStart();
    void loadGoodFile();
    void loadBadFile();
    void createStopsAtValidation();
    void createIntoFolder_data();
    void createIntoFolder();
    void overwriteDeclined();
    void controlStateRoundTrip_data();
    void controlStateRoundTrip();
    void wirelessButtonsRunListCommands();
    void aboutBoxOnF1();
    void contextMenuOffersAbout();
    void bringsOwnWindowsForwardInOrder();
    void runEndsWithZeroAfterTheWindowCloses();

private:
    template<typename T> T *Find(const QString &name) const
    {
        T *widget = m_window->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    void Open(bool show = true);
    void ClickTab(int index);
    QString StatePath() const
    {
        return m_config->filePath(QStringLiteral("MeridockSettingUtil.dat"));
    }

    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<CNetSetUtilDlg> m_window;
    CMessageRecorder m_recorder;
    CScriptedPathChooser m_chooser;
};

void TestNetSetUtilDlg::initTestCase()
{
    SetCurrentLanguageSlot(0);
}

void TestNetSetUtilDlg::init()
{
    m_config = std::make_unique<QTemporaryDir>();
    QVERIFY(m_config->isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config->path()));
    m_recorder = CMessageRecorder();
    m_chooser = CScriptedPathChooser();
}

void TestNetSetUtilDlg::cleanup()
{
    m_window.reset();
    m_config.reset();
}

void TestNetSetUtilDlg::Open(bool show)
{
    m_window = std::make_unique<CNetSetUtilDlg>();
    m_window->SetMessageBox(&m_recorder);
    m_window->SetPathChooser(&m_chooser);
    QCOMPARE(StateFilePath(), StatePath());
    m_window->StartSession(StateFilePath());
    if (show) {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
}

void TestNetSetUtilDlg::ClickTab(int index)
{
    QTabBar *bar = Find<QTabWidget>(QStringLiteral("tabControl"))->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

void TestNetSetUtilDlg::startsWithDefaultsWithoutStateFile()
{
    Open();

    QVERIFY(m_recorder.m_messages.isEmpty());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Network configuration"));
    QVERIFY(m_window->windowIcon().availableSizes().contains(QSize(16, 16)));
    QVERIFY(m_window->windowIcon().availableSizes().contains(QSize(48, 48)));
    QCOMPARE(Find<QTabWidget>(QStringLiteral("tabControl"))->count(), 2);
    QCOMPARE(Find<QTabWidget>(QStringLiteral("tabControl"))->currentIndex(), 0);
    for (const QString &name : CommandControls + WiredPageControls)
        QVERIFY2(Find<QWidget>(name)->isVisible(), qPrintable(name));
    for (const QString &name : WirelessPageControls + FolderPageControls)
        QVERIFY2(!Find<QWidget>(name)->isVisible(), qPrintable(name));

    QVERIFY(Find<QRadioButton>(QStringLiteral("dhcpOnRadio"))->isChecked());
    for (const QString &name : AddressControls) {
        QVERIFY2(!Find<QWidget>(name)->isEnabled(), qPrintable(name));
        QCOMPARE(Find<CIpAddressEdit>(name)->Fields(), (Fields { B, B, B, B }));
    }
    QVERIFY(!Find<QCheckBox>(QStringLiteral("useProxyCheck"))->isChecked());
    QVERIFY(!Find<QWidget>(QStringLiteral("proxyAddressEdit"))->isEnabled());
    QVERIFY(!Find<QWidget>(QStringLiteral("proxyPortEdit"))->isEnabled());
    // A file without keys switches wireless on.
    QVERIFY(Find<QCheckBox>(QStringLiteral("useWirelessCheck"))->isChecked());
    QVERIFY(Find<QRadioButton>(QStringLiteral("folderDefaultRadio"))->isChecked());
    QCOMPARE(Find<QListWidget>(QStringLiteral("wirelessList"))->count(), 0);
    QCOMPARE(QApplication::focusWidget(), Find<QWidget>(QStringLiteral("loadSettingsButton")));
    QVERIFY(m_window->width() >= 640 && m_window->height() >= 565);
}

void TestNetSetUtilDlg::textsComeFromTheCatalogue()
{
    Open(false);
    const std::pair<QString, QString> buttons[] = {
        { QStringLiteral("loadSettingsButton"), QStringLiteral("Load settings") },
        { QStringLiteral("createSettingFileButton"), QStringLiteral("Create Setting file") },
        { QStringLiteral("exitButton"), QStringLiteral("Exit") },
        { QStringLiteral("dhcpOnRadio"), QStringLiteral("DHCP On") },
        { QStringLiteral("dhcpOffRadio"), QStringLiteral("DHCP Off") },
        { QStringLiteral("useProxyCheck"), QStringLiteral("Use proxy") },
        { QStringLiteral("clearSettingsButton"), QStringLiteral("Clear settings") },
        { QStringLiteral("useWirelessCheck"), QStringLiteral("Use wireless to connect network") },
        { QStringLiteral("priorityUpButton"), QStringLiteral("Priority Up") },
        { QStringLiteral("priorityDownButton"), QStringLiteral("Priority Down") },
        { QStringLiteral("addButton"), QStringLiteral("Add") },
        { QStringLiteral("deleteButton"), QStringLiteral("Delete") },
        { QStringLiteral("propertyButton"), QStringLiteral("Property") },
        { QStringLiteral("folderDefaultRadio"), QStringLiteral("Use default setting") },
        { QStringLiteral("folderCustomizeRadio"), QStringLiteral("Customize the settings") },
    };
    for (const auto &[name, text] : buttons)
        QCOMPARE(Find<QAbstractButton>(name)->text(), text);
    const std::pair<QString, QString> labels[] = {
        { QStringLiteral("ipAddressLabel"), QStringLiteral("IP address:") },
        { QStringLiteral("subnetMaskLabel"), QStringLiteral("Subnet mask:") },
        { QStringLiteral("defaultGatewayLabel"), QStringLiteral("Default gateway:") },
        { QStringLiteral("dnsLabel"), QStringLiteral("DNS:") },
        { QStringLiteral("secondaryDnsLabel"), QStringLiteral("Secondary DNS:") },
        { QStringLiteral("proxyAddressLabel"), QStringLiteral("Proxy address:") },
        { QStringLiteral("proxyPortLabel"), QStringLiteral("Proxy port:") },
        { QStringLiteral("wirelessListLabel"), QStringLiteral("Wireless settings list") },
        { QStringLiteral("deviceNameLabel"), QStringLiteral("Device name:") },
        { QStringLiteral("userIdLabel"), QStringLiteral("User ID:") },
        { QStringLiteral("passwordLabel"), QStringLiteral("Password:") },
        { QStringLiteral("passwordConfirmLabel"), QStringLiteral("Confirm Password:") },
    };
    for (const auto &[name, text] : labels)
        QCOMPARE(Find<QLabel>(name)->text(), text);
    QCOMPARE(Find<QGroupBox>(QStringLiteral("ipSettingsGroup"))->title(),
        QStringLiteral("IP address settings"));
    QCOMPARE(
        Find<QGroupBox>(QStringLiteral("proxyGroup"))->title(), QStringLiteral("Proxy settings"));
    QCOMPARE(Find<QGroupBox>(QStringLiteral("folderSettingsGroup"))->title(),
        QStringLiteral("Network folder settings"));
    auto *tab = Find<QTabWidget>(QStringLiteral("tabControl"));
    QCOMPARE(tab->tabText(0), QStringLiteral("Wired LAN"));
    QCOMPARE(tab->tabText(1), QStringLiteral("Wireless LAN"));
    QCOMPARE(tab->accessibleName(), QStringLiteral("Network settings Tab control"));
    // Screen readers hear the label of each address control and of each of its fields.
    auto *dns = Find<CIpAddressEdit>(QStringLiteral("secondaryDnsEdit"));
    QCOMPARE(dns->accessibleName(), QStringLiteral("Secondary DNS"));
    QCOMPARE(dns->Field(2)->accessibleName(), QStringLiteral("Secondary DNS 3/4"));
    QCOMPARE(Find<QWidget>(QStringLiteral("proxyPortEdit"))->accessibleName(),
        QStringLiteral("Proxy port:"));
}

void TestNetSetUtilDlg::tabSwitchingShowsExactlyOnePage()
{
    Open();
    // An enabled state set on page 0 must survive the round trip through page 1.
    Click(Find<QRadioButton>(QStringLiteral("dhcpOffRadio")));

    ClickTab(1);
    QCOMPARE(Find<QTabWidget>(QStringLiteral("tabControl"))->currentIndex(), 1);
    for (const QString &name : CommandControls + WirelessPageControls)
        QVERIFY2(Find<QWidget>(name)->isVisible(), qPrintable(name));
    for (const QString &name : WiredPageControls + FolderPageControls)
        QVERIFY2(!Find<QWidget>(name)->isVisible(), qPrintable(name));

    ClickTab(0);
    for (const QString &name : CommandControls + WiredPageControls)
        QVERIFY2(Find<QWidget>(name)->isVisible(), qPrintable(name));
    for (const QString &name : WirelessPageControls + FolderPageControls)
        QVERIFY2(!Find<QWidget>(name)->isVisible(), qPrintable(name));
    for (const QString &name : AddressControls)
        QVERIFY2(Find<QWidget>(name)->isEnabled(), qPrintable(name));
    QVERIFY(!Find<QWidget>(QStringLiteral("proxyAddressEdit"))->isEnabled());
}

void TestNetSetUtilDlg::showPageIgnoresOtherIndices_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("the folder page has no tab and is never shown") << 2;
    QTest::newRow("negative index") << -1;
    QTest::newRow("index past the tabs") << 7;
}

void TestNetSetUtilDlg::showPageIgnoresOtherIndices()
{
    QFETCH(int, index);
    Open();
    ClickTab(1);

    m_window->ShowPage(index);

    QCOMPARE(Find<QTabWidget>(QStringLiteral("tabControl"))->currentIndex(), 1);
    for (const QString &name : WirelessPageControls)
        QVERIFY2(Find<QWidget>(name)->isVisible(), qPrintable(name));
    for (const QString &name : FolderPageControls)
        QVERIFY2(!Find<QWidget>(name)->isVisible(), qPrintable(name));
}

void TestNetSetUtilDlg::keyboardReachesControlsInReadingOrder()
{
    Open();
    Click(Find<QRadioButton>(QStringLiteral("dhcpOffRadio")));
    Click(Find<QCheckBox>(QStringLiteral("useProxyCheck")));
    Find<QWidget>(QStringLiteral("loadSettingsButton"))->setFocus();

    QStringList visited;
    for (int step = 0; step < 15; ++step) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        // An address control is one stop, entered at its first field.
        auto *address = qobject_cast<CIpAddressEdit *>(focus->parentWidget());
        if (address)
            QCOMPARE(focus, address->Field(0));
        visited.append(address                   ? address->objectName()
                : qobject_cast<QTabBar *>(focus) ? QStringLiteral("tabs")
                                                 : focus->objectName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    const QStringList expected {
        QStringLiteral("loadSettingsButton"),
        QStringLiteral("createSettingFileButton"),
        QStringLiteral("exitButton"),
        QStringLiteral("tabs"),
        QStringLiteral("dhcpOffRadio"),
        QStringLiteral("ipAddressEdit"),
        QStringLiteral("subnetMaskEdit"),
        QStringLiteral("defaultGatewayEdit"),
        QStringLiteral("dnsEdit"),
        QStringLiteral("secondaryDnsEdit"),
        QStringLiteral("useProxyCheck"),
        QStringLiteral("proxyAddressEdit"),
        QStringLiteral("proxyPortEdit"),
        QStringLiteral("clearSettingsButton"),
        QStringLiteral("loadSettingsButton"),
    };
    QCOMPARE(visited, expected);
}

void TestNetSetUtilDlg::dhcpRadiosEnableAddresses()
{
    Open();
    Click(Find<QRadioButton>(QStringLiteral("dhcpOffRadio")));
    for (const QString &name : AddressControls)
        QVERIFY2(Find<QWidget>(name)->isEnabled(), qPrintable(name));

    auto *ip = Find<CIpAddressEdit>(QStringLiteral("ipAddressEdit"));
    ip->setFocus();
    QTest::keyClicks(ip->Field(0), QStringLiteral("10"));
    QTest::keyClick(ip->Field(0), '.');
    QTest::keyClicks(ip->Field(1), QStringLiteral("1"));

    Click(Find<QRadioButton>(QStringLiteral("dhcpOnRadio")));
    for (const QString &name : AddressControls)
        QVERIFY2(!Find<QWidget>(name)->isEnabled(), qPrintable(name));
    QCOMPARE(ip->Fields(), (Fields { 10, 1, B, B }));
    // The radios do not gather: the bound value follows at the next gather only.
    QCOMPARE(m_window->Document().m_dhcpMode, 0);
}

void TestNetSetUtilDlg::useProxyEnablesProxyEdits()
{
    Open();
    auto *check = Find<QCheckBox>(QStringLiteral("useProxyCheck"));
    auto *address = Find<QLineEdit>(QStringLiteral("proxyAddressEdit"));
    auto *port = Find<QLineEdit>(QStringLiteral("proxyPortEdit"));

    Click(check);
    QVERIFY(address->isEnabled());
    QVERIFY(port->isEnabled());
    QCOMPARE(m_window->Document().m_wiredUseProxy, 1);
    QTest::keyClicks(address, QStringLiteral("proxy.example"));
    QTest::keyClicks(port, QStringLiteral("80a80"));
    QCOMPARE(port->text(), QStringLiteral("8080"));

    Click(check);
    QVERIFY(!address->isEnabled());
    QVERIFY(!port->isEnabled());
    QCOMPARE(address->text(), QStringLiteral("proxy.example"));
    QCOMPARE(port->text(), QStringLiteral("8080"));
}

void TestNetSetUtilDlg::useWirelessFollowsOnlyAtGather()
{
    Open();
    ClickTab(1);
    auto *check = Find<QCheckBox>(QStringLiteral("useWirelessCheck"));
    QCOMPARE(m_window->Document().m_useWireless, 1);

    Click(check);
    QVERIFY(!check->isChecked());
    QCOMPARE(m_window->Document().m_useWireless, 1);

    // The next command that gathers takes the new state.
    ClickTab(0);
    Click(Find<QCheckBox>(QStringLiteral("useProxyCheck")));
    QCOMPARE(m_window->Document().m_useWireless, 0);
}

void TestNetSetUtilDlg::clearSettings()
{
    Open();
    MainWindowControls &c = m_window->Document().m_controls;
    c.m_wirelessList = { { QStringLiteral("office"), 0 }, { QStringLiteral("home"), 1 } };
    c.m_wirelessSelection = 1;
    m_window->ApplyControlState();

    Click(Find<QRadioButton>(QStringLiteral("dhcpOffRadio")));
    for (const QString &name : AddressControls)
        Find<CIpAddressEdit>(name)->SetFields({ 192, 168, 0, 1 });
    Click(Find<QCheckBox>(QStringLiteral("useProxyCheck")));
    QTest::keyClicks(Find<QLineEdit>(QStringLiteral("proxyAddressEdit")), QStringLiteral("proxy"));
    QTest::keyClicks(Find<QLineEdit>(QStringLiteral("proxyPortEdit")), QStringLiteral("3128"));

    QTest::mouseClick(Find<QPushButton>(QStringLiteral("clearSettingsButton")), Qt::LeftButton);

    QVERIFY(Find<QRadioButton>(QStringLiteral("dhcpOnRadio"))->isChecked());
    QVERIFY(!Find<QRadioButton>(QStringLiteral("dhcpOffRadio"))->isChecked());
    for (const QString &name : AddressControls) {
        QCOMPARE(Find<CIpAddressEdit>(name)->Fields(), (Fields { B, B, B, B }));
        QVERIFY2(!Find<QWidget>(name)->isEnabled(), qPrintable(name));
    }
    QVERIFY(!Find<QCheckBox>(QStringLiteral("useProxyCheck"))->isChecked());
    for (const QString &name :
        { QStringLiteral("proxyAddressEdit"), QStringLiteral("proxyPortEdit") }) {
        QCOMPARE(Find<QLineEdit>(name)->text(), QString());
        QVERIFY(!Find<QLineEdit>(name)->isEnabled());
    }
    auto *list = Find<QListWidget>(QStringLiteral("wirelessList"));
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QStringLiteral("office"));
    QCOMPARE(list->item(1)->text(), QStringLiteral("home"));
    QCOMPARE(list->currentRow(), 1);
    QVERIFY(m_recorder.m_messages.isEmpty());
}

void TestNetSetUtilDlg::clearSettingsKeepsUseWirelessTick()
{
    Open();
    ClickTab(1);
    auto *check = Find<QCheckBox>(QStringLiteral("useWirelessCheck"));
    QVERIFY(check->isChecked());
    Click(check);
    ClickTab(0);

    QTest::mouseClick(Find<QPushButton>(QStringLiteral("clearSettingsButton")), Qt::LeftButton);

    QVERIFY(!check->isChecked());
    QCOMPARE(m_window->Document().m_useWireless, 0);
}

void TestNetSetUtilDlg::closeSequenceWritesStateFile_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");

    QTest::newRow("Exit button") << QStringLiteral("exit") << int(QDialog::Rejected);
    QTest::newRow("Esc key") << QStringLiteral("esc") << int(QDialog::Rejected);
    QTest::newRow("close box") << QStringLiteral("close") << int(QDialog::Rejected);
    QTest::newRow("Enter in the proxy address field")
        << QStringLiteral("enter") << int(QDialog::Accepted);
    QTest::newRow("keypad Enter on a radio button")
        << QStringLiteral("keypad") << int(QDialog::Accepted);
}

void TestNetSetUtilDlg::closeSequenceWritesStateFile()
{
    QFETCH(QString, how);
    QFETCH(int, result);
    Open();
    QVERIFY(!QFile::exists(StatePath()));

    Click(Find<QRadioButton>(QStringLiteral("dhcpOffRadio")));
    Find<CIpAddressEdit>(QStringLiteral("ipAddressEdit"))->SetFields({ 10, 1, 2, 3 });
    Click(Find<QCheckBox>(QStringLiteral("useProxyCheck")));
    auto *proxy = Find<QLineEdit>(QStringLiteral("proxyAddressEdit"));
    QTest::keyClicks(proxy, QStringLiteral("proxy.example"));
    QTest::keyClicks(Find<QLineEdit>(QStringLiteral("proxyPortEdit")), QStringLiteral("8080"));

    if (how == QStringLiteral("exit")) {
        QTest::mouseClick(Find<QPushButton>(QStringLiteral("exitButton")), Qt::LeftButton);
    } else if (how == QStringLiteral("esc")) {
        QTest::keyClick(proxy, Qt::Key_Escape);
    } else if (how == QStringLiteral("close")) {
        QVERIFY(m_window->close());
    } else if (how == QStringLiteral("enter")) {
        proxy->setFocus();
        QTest::keyClick(proxy, Qt::Key_Return);
    } else {
        auto *radio = Find<QRadioButton>(QStringLiteral("dhcpOffRadio"));
        radio->setFocus();
        QTest::keyClick(radio, Qt::Key_Enter, Qt::KeypadModifier);
    }

    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->result(), result);
    QVERIFY(m_recorder.m_messages.isEmpty());
    const QByteArray state = ReadFile(StatePath());
    QVERIFY2(state.contains("\r\nWIRED_DHCP=0\r\nWIRED_IP=10.1.2.3\r\n"), state.constData());
    QVERIFY(state.contains("\r\nWIRED_PROXY=1\r\nWIRED_PROXY_ADDRESS=proxy.example\r\n"
                           "WIRED_PROXY_PORT=8080\r\n"));
    QVERIFY(state.contains("[NetworkSettingUtility]\r\nLAST_PATS=\r\nNETFOLDER_DEF=1\r\n"));
}

void TestNetSetUtilDlg::closeDropsInvalidProxySilently()
{
    Open();
    Click(Find<QCheckBox>(QStringLiteral("useProxyCheck")));
    QTest::keyClicks(Find<QLineEdit>(QStringLiteral("proxyAddressEdit")), QStringLiteral("proxy"));
    QTest::keyClicks(Find<QLineEdit>(QStringLiteral("proxyPortEdit")), QStringLiteral("0"));

    QTest::mouseClick(Find<QPushButton>(QStringLiteral("exitButton")), Qt::LeftButton);

    QVERIFY(m_recorder.m_messages.isEmpty());
    QVERIFY(ReadFile(StatePath()).contains("\r\nWIRED_PROXY=0\r\n"));
}

void TestNetSetUtilDlg::enterOnAButtonClicksIt()
{
    Open();
    Click(Find<QRadioButton>(QStringLiteral("dhcpOffRadio")));
    Find<CIpAddressEdit>(QStringLiteral("ipAddressEdit"))->SetFields({ 10, 1, 2, 3 });
    auto *clear = Find<QPushButton>(QStringLiteral("clearSettingsButton"));
    clear->setFocus();

    QTest::keyClick(clear, Qt::Key_Return);

    QVERIFY(m_window->isVisible());
    QVERIFY(!QFile::exists(StatePath()));
    QVERIFY(Find<QRadioButton>(QStringLiteral("dhcpOnRadio"))->isChecked());
    QCOMPARE(
        Find<CIpAddressEdit>(QStringLiteral("ipAddressEdit"))->Fields(), (Fields { B, B, B, B }));
}

void TestNetSetUtilDlg::badStateFileReportedAtStart()
{
    QVERIFY(WriteFile(StatePath(),
        "[UserNetworkSetting]\r\nWIRED_DHCP=0\r\nWIRED_IP=300.1.1.1\r\n"
        "WIRED_SUBNET_MASK=255.255.255.0\r\n"
        "[NetworkSettingUtility]\r\nLAST_PATS=/media/card\r\nNETFOLDER_DEF=0\r\n"
        "NETFOLDER_NAME=123\r\nNETFOLDER_UID=user\r\nNETFOLDER_PASS=\r\n"));
    Open(false);

    // Reported before the window shows, in reading order.
    QVERIFY(!m_window->isVisible());
    const QStringList expected {
        ExpectedMessage(Msg::InvalidIpAddressInFile, Msg::LoadSettingsCaption, MessageIcon::Error),
        ExpectedMessage(
            Msg::InvalidFolderDeviceNameInFile, Msg::LoadSettingsCaption, MessageIcon::Error),
    };
    QCOMPARE(Lines(m_recorder), expected);
    QVERIFY(Find<QRadioButton>(QStringLiteral("dhcpOffRadio"))->isChecked());
    QCOMPARE(
        Find<CIpAddressEdit>(QStringLiteral("ipAddressEdit"))->Fields(), (Fields { B, B, B, B }));
    QCOMPARE(Find<CIpAddressEdit>(QStringLiteral("subnetMaskEdit"))->Fields(),
        (Fields { 255, 255, 255, 0 }));
    QVERIFY(Find<QWidget>(QStringLiteral("subnetMaskEdit"))->isEnabled());
    QVERIFY(Find<QRadioButton>(QStringLiteral("folderCustomizeRadio"))->isChecked());
    QCOMPARE(Find<QLineEdit>(QStringLiteral("deviceNameEdit"))->text(), QString());
    QCOMPARE(Find<QLineEdit>(QStringLiteral("userIdEdit"))->text(), QStringLiteral("user"));
    QCOMPARE(m_window->Document().m_lastPath, QStringLiteral("/media/card"));
}

void TestNetSetUtilDlg::loadGoodFile()
{
    QTemporaryDir card;
    const QString path = card.filePath(QStringLiteral("NetworkSetting.ini"));
    QVERIFY(WriteFile(path,
        "[UserNetworkSetting]\r\nWIRED_DHCP=0\r\nWIRED_IP=192.168.10.20\r\n"
        "WIRED_DNS=192.168.10.1\r\nWIRED_PROXY=0\r\n"
        "[Common]\r\nNETWORK_DEVICE_POWER_MANAGEMENT=0\r\n"));
    Open();
    m_chooser.m_file = path;

    QTest::mouseClick(Find<QPushButton>(QStringLiteral("loadSettingsButton")), Qt::LeftButton);

    QCOMPARE(Lines(m_recorder),
        QStringList { ExpectedMessage(
            Msg::SettingsLoaded, Msg::LoadSettingsCaption, MessageIcon::Information) });
    QVERIFY(Find<QRadioButton>(QStringLiteral("dhcpOffRadio"))->isChecked());
    QCOMPARE(Find<CIpAddressEdit>(QStringLiteral("ipAddressEdit"))->Fields(),
        (Fields { 192, 168, 10, 20 }));
    QCOMPARE(
        Find<CIpAddressEdit>(QStringLiteral("dnsEdit"))->Fields(), (Fields { 192, 168, 10, 1 }));
    for (const QString &name : AddressControls)
        QVERIFY2(Find<QWidget>(name)->isEnabled(), qPrintable(name));
    QVERIFY(!Find<QCheckBox>(QStringLiteral("useWirelessCheck"))->isChecked());
}

void TestNetSetUtilDlg::loadBadFile()
{
    QTemporaryDir card;
    const QString path = card.filePath(QStringLiteral("NetworkSetting.ini"));
    QVERIFY(WriteFile(path,
        "[UserNetworkSetting]\r\nWIRED_DHCP=0\r\nWIRED_IP=127.0.0.1\r\n"
        "WIRED_PROXY=1\r\nWIRED_PROXY_ADDRESS=proxy\r\nWIRED_PROXY_PORT=65536\r\n"));
    Open();
    m_chooser.m_file = path;

    QTest::mouseClick(Find<QPushButton>(QStringLiteral("loadSettingsButton")), Qt::LeftButton);

    const QStringList expected {
        ExpectedMessage(Msg::InvalidIpAddress, Msg::LoadSettingsCaption, MessageIcon::Error),
        ExpectedMessage(Msg::InvalidProxyPortInFile, Msg::LoadSettingsCaption, MessageIcon::Error),
        ExpectedMessage(Msg::SettingsLoadedWithError, Msg::LoadSettingsCaption, MessageIcon::Error),
    };
    QCOMPARE(Lines(m_recorder), expected);
    QCOMPARE(
        Find<CIpAddressEdit>(QStringLiteral("ipAddressEdit"))->Fields(), (Fields { B, B, B, B }));
    QVERIFY(Find<QCheckBox>(QStringLiteral("useProxyCheck"))->isChecked());
    QCOMPARE(Find<QLineEdit>(QStringLiteral("proxyAddressEdit"))->text(), QStringLiteral("proxy"));
    QCOMPARE(Find<QLineEdit>(QStringLiteral("proxyPortEdit"))->text(), QString());
    QVERIFY(Find<QLineEdit>(QStringLiteral("proxyPortEdit"))->isEnabled());
}

void TestNetSetUtilDlg::createStopsAtValidation()
{
    Open();
    Click(Find<QCheckBox>(QStringLiteral("useProxyCheck")));
    QTest::keyClicks(Find<QLineEdit>(QStringLiteral("proxyPortEdit")), QStringLiteral("8080"));
    m_chooser.m_folder = m_config->path();

    QTest::mouseClick(Find<QPushButton>(QStringLiteral("createSettingFileButton")), Qt::LeftButton);

    QCOMPARE(Lines(m_recorder),
        QStringList { ExpectedMessage(
            Msg::WiredInputProxyAddress, Msg::WiredLanCaption, MessageIcon::Error) });
    QVERIFY(m_chooser.m_calls.isEmpty());
    QVERIFY(!QFile::exists(m_config->filePath(QStringLiteral("NetworkSetting.ini"))));
}

void TestNetSetUtilDlg::createIntoFolder_data()
{
    QTest::addColumn<bool>("subFolder");
    QTest::newRow("drive root-like folder ending in a separator") << false;
    QTest::newRow("sub-folder") << true;
}

void TestNetSetUtilDlg::createIntoFolder()
{
    QFETCH(bool, subFolder);
    QTemporaryDir card;
    QString target = card.path();
    if (subFolder) {
        QVERIFY(QDir(target).mkdir(QStringLiteral("settings")));
        target += QStringLiteral("/settings");
    }
    const QString picked = subFolder ? target : target + u'/';
    Open();
    m_chooser.m_folder = picked;
    Click(Find<QRadioButton>(QStringLiteral("dhcpOffRadio")));
    Find<CIpAddressEdit>(QStringLiteral("ipAddressEdit"))->SetFields({ 172, 16, 5, 9 });

    QTest::mouseClick(Find<QPushButton>(QStringLiteral("createSettingFileButton")), Qt::LeftButton);

    QCOMPARE(m_chooser.m_calls, QStringList { QStringLiteral("folder:") });
    QCOMPARE(Lines(m_recorder),
        QStringList { ExpectedMessage(
            Msg::SettingsFileCreated, Msg::CreateSettingCaption, MessageIcon::Information) });
    QVERIFY(ReadFile(target + QStringLiteral("/NetworkSetting.ini"))
                .startsWith("[UserNetworkSetting]\r\nWIRED_DHCP=0\r\nWIRED_IP=172.16.5.9\r\n"));
    QCOMPARE(m_window->Document().m_lastPath, picked);

    // The next create opens where this one went.
    m_recorder.m_answers = { MessageAnswer::Cancel };
    QTest::mouseClick(Find<QPushButton>(QStringLiteral("createSettingFileButton")), Qt::LeftButton);
    QCOMPARE(m_chooser.m_calls.last(), QStringLiteral("folder:") + picked);
}

void TestNetSetUtilDlg::overwriteDeclined()
{
    QTemporaryDir card;
    const QString path = card.filePath(QStringLiteral("NetworkSetting.ini"));
    QVERIFY(WriteFile(path, "[Common]\r\nNETWORK_PRIORITY=1\r\n"));
    Open();
    m_chooser.m_folder = card.path();
    m_recorder.m_answers = { MessageAnswer::Cancel };

    QTest::mouseClick(Find<QPushButton>(QStringLiteral("createSettingFileButton")), Qt::LeftButton);

    QCOMPARE(Lines(m_recorder),
        QStringList { ExpectedMessage(Msg::OverwriteExistingFile, Msg::CreateSettingCaption,
            MessageIcon::None, MessageButtons::OkCancel) });
    QCOMPARE(ReadFile(path), QByteArray("[Common]\r\nNETWORK_PRIORITY=1\r\n"));
    QCOMPARE(m_window->Document().m_lastPath, card.path());

    // The kept folder reaches the state file.
    QTest::mouseClick(Find<QPushButton>(QStringLiteral("exitButton")), Qt::LeftButton);
    QVERIFY(
        ReadFile(StatePath()).contains("\r\nLAST_PATS=" + QFile::encodeName(card.path()) + "\r\n"));
}

void TestNetSetUtilDlg::controlStateRoundTrip_data()
{
    QTest::addColumn<int>("variant");
    QTest::newRow("everything set and enabled") << 0;
    QTest::newRow("everything cleared and disabled") << 1;
    QTest::newRow("radio groups with no button chosen") << 2;
    QTest::newRow("partial addresses and hostile texts") << 3;
}

void TestNetSetUtilDlg::controlStateRoundTrip()
{
    QFETCH(int, variant);
    Open(false);

    MainWindowControls in;
    const bool on = variant != 1;
    in.m_folderModeRadio = variant == 2 ? -1 : (variant == 1 ? 0 : 1);
    in.m_dhcpModeRadio = variant == 2 ? -1 : (variant == 1 ? 0 : 1);
    for (EditControl *edit : { &in.m_deviceName, &in.m_userId, &in.m_password,
             &in.m_passwordConfirm, &in.m_proxyAddress, &in.m_proxyPort })
        edit->m_enabled = on;
    for (AddressControl *a :
        { &in.m_ipAddress, &in.m_subnetMask, &in.m_defaultGateway, &in.m_dns, &in.m_secondaryDns })
        a->m_enabled = on;
    if (on) {
        in.m_deviceName.m_text = QStringLiteral("nas-01");
        in.m_userId.m_text = QStringLiteral("user_1");
        in.m_password.m_text = QStringLiteral("p w=;\"'");
        in.m_passwordConfirm.m_text = QStringLiteral("other");
        in.m_ipAddress.m_fields = { 192, 168, 0, 1 };
        in.m_subnetMask.m_fields = { 255, 255, 255, 0 };
        in.m_defaultGateway.m_fields = { 0, 0, 0, 0 };
        in.m_dns.m_fields = { 8, 8, 8, 8 };
        in.m_secondaryDns.m_fields = { 1, 1, 1, 1 };
        in.m_useProxyChecked = true;
        in.m_proxyAddress.m_text = QStringLiteral("proxy.example");
        in.m_proxyPort.m_text = QStringLiteral("3128");
        in.m_useWirelessChecked = true;
        in.m_wirelessList = { { QStringLiteral("office"), 4 }, { QStringLiteral("home"), 0 },
            { QStringLiteral("office"), 2 } };
        in.m_wirelessSelection = 2;
    }
    if (variant == 3) {
        in.m_ipAddress.m_fields = { 10, B, 3, B };
        in.m_dns.m_fields = { B, B, B, 0 };
        in.m_proxyAddress.m_text = QString(1024, u'x') + QStringLiteral(" =;\"\xe9\x263a");
        in.m_proxyPort.m_text = QStringLiteral(" 80a "); // no digit rule on what a file gave
        in.m_deviceName.m_text = QStringLiteral("  blanks  ");
        in.m_wirelessList = { { QStringLiteral(" lead and trail "), 29 } };
        in.m_wirelessSelection = -1;
    }

    m_window->Document().m_controls = in;
    m_window->ApplyControlState();
    m_window->Document().m_controls = MainWindowControls();
    m_window->CollectControlState();
    const MainWindowControls &out = m_window->Document().m_controls;

    QCOMPARE(out.m_folderModeRadio, in.m_folderModeRadio);
    QCOMPARE(out.m_dhcpModeRadio, in.m_dhcpModeRadio);
    const std::pair<const EditControl *, const EditControl *> edits[] = {
        { &out.m_deviceName, &in.m_deviceName },
        { &out.m_userId, &in.m_userId },
        { &out.m_password, &in.m_password },
        { &out.m_passwordConfirm, &in.m_passwordConfirm },
        { &out.m_proxyAddress, &in.m_proxyAddress },
        { &out.m_proxyPort, &in.m_proxyPort },
    };
    for (const auto &[o, i] : edits) {
        QCOMPARE(o->m_text, i->m_text);
        QCOMPARE(o->m_enabled, i->m_enabled);
    }
    const std::pair<const AddressControl *, const AddressControl *> addresses[] = {
        { &out.m_ipAddress, &in.m_ipAddress },
        { &out.m_subnetMask, &in.m_subnetMask },
        { &out.m_defaultGateway, &in.m_defaultGateway },
        { &out.m_dns, &in.m_dns },
        { &out.m_secondaryDns, &in.m_secondaryDns },
    };
    for (const auto &[o, i] : addresses) {
        QCOMPARE(o->m_fields, i->m_fields);
        QCOMPARE(o->m_enabled, i->m_enabled);
    }
    QCOMPARE(out.m_useProxyChecked, in.m_useProxyChecked);
    QCOMPARE(out.m_useWirelessChecked, in.m_useWirelessChecked);
    QCOMPARE(out.m_wirelessList.size(), in.m_wirelessList.size());
    for (qsizetype row = 0; row < in.m_wirelessList.size(); ++row) {
        QCOMPARE(out.m_wirelessList[row].m_text, in.m_wirelessList[row].m_text);
        QCOMPARE(out.m_wirelessList[row].m_slot, in.m_wirelessList[row].m_slot);
    }
    QCOMPARE(out.m_wirelessSelection, in.m_wirelessSelection);
}

void TestNetSetUtilDlg::wirelessButtonsRunListCommands()
{
    // Stands in for the property dialog: every opening ends with Cancel.
    class CCancellingDialog : public IWifiPropertyDialog
    {
    public:
        DialogResult RunPropertyDialog(CNetworkSetting &) override
        {
            ++m_openings;
            return DialogResult::Cancel;
        }
        int m_openings = 0;
    } dialog;

    Open();
    m_window->SetPropertyDialog(&dialog);
    m_window->Document().m_wirelessSettings[0].m_ssid = QStringLiteral("office");
    m_window->Document().m_wirelessSettings[1].m_ssid = QStringLiteral("home");
    MainWindowControls &c = m_window->Document().m_controls;
    c.m_wirelessList = { { QStringLiteral("office"), 0 }, { QStringLiteral("home"), 1 } };
    c.m_wirelessSelection = 1;
    m_window->ApplyControlState();
    ClickTab(1);
    auto *list = Find<QListWidget>(QStringLiteral("wirelessList"));
    const auto texts = [list] {
        QStringList shown;
        for (int row = 0; row < list->count(); ++row)
            shown.append(list->item(row)->text());
        return shown;
    };
    const auto click = [this](const QString &name) {
        auto *button = Find<QPushButton>(name);
        QVERIFY2(button->isVisible() && button->isEnabled(), qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    };

    click(QStringLiteral("priorityUpButton"));
    QCOMPARE(texts(), (QStringList { QStringLiteral("home"), QStringLiteral("office") }));
    QCOMPARE(list->currentRow(), 0);
    click(QStringLiteral("priorityDownButton"));
    QCOMPARE(texts(), (QStringList { QStringLiteral("office"), QStringLiteral("home") }));
    QCOMPARE(list->currentRow(), 1);
    click(QStringLiteral("addButton"));
    QCOMPARE(dialog.m_openings, 1);
    QCOMPARE(list->count(), 2);
    click(QStringLiteral("propertyButton"));
    QCOMPARE(dialog.m_openings, 2);
    QCOMPARE(list->currentRow(), 1);
    click(QStringLiteral("deleteButton"));
    QCOMPARE(texts(), QStringList { QStringLiteral("office") });
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(m_window->Document().m_wirelessSettings[1], CNetworkSetting());
    QVERIFY(m_recorder.m_messages.isEmpty());
    QVERIFY(m_window->isVisible());
}

void TestNetSetUtilDlg::aboutBoxOnF1()
{
    Open();
    QString title, version, maker, notice, acknowledgement;
    QTimer::singleShot(0, this, [&] {
        auto *about = qobject_cast<CAboutDlg *>(QApplication::activeModalWidget());
        if (!about)
            return;
        title = about->windowTitle();
        version = about->findChild<QLabel *>(QStringLiteral("versionLine"))->text();
        maker = about->findChild<QLabel *>(QStringLiteral("makerLine"))->text();
        notice = about->findChild<QLabel *>(QStringLiteral("openSslNotice"))->text();
        acknowledgement
            = about->findChild<QLabel *>(QStringLiteral("openSslAcknowledgement"))->text();
        QTest::mouseClick(
            about->findChild<QPushButton *>(QStringLiteral("okButton")), Qt::LeftButton);
    });

    QTest::keyClick(m_window.get(), Qt::Key_F1);

    QCOMPARE(title, QStringLiteral("About network configuration utility"));
    QCOMPARE(version, QStringLiteral("Version 3.0"));
    QCOMPARE(maker, QStringLiteral("MERIDOCK network configuration utility"));
    QCOMPARE(notice,
        QStringLiteral("Copyright (c) 1998-2008 The OpenSSL Project.  All rights reserved."));
    QCOMPARE(acknowledgement,
        QStringLiteral("This product includes software developed by the OpenSSL Project for "
                       "use in the OpenSSL Toolkit. (http://www.openssl.org/)"));
    QVERIFY(m_window->isVisible());
}

void TestNetSetUtilDlg::contextMenuOffersAbout()
{
    SetCurrentLanguageSlot(3);
    Open();
    QStringList actions;
    QTimer::singleShot(0, this, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (const QAction *action : menu->actions())
            actions.append(action->text());
        menu->close();
    });
    auto *group = Find<QWidget>(QStringLiteral("ipSettingsGroup"));
    QContextMenuEvent event(
        QContextMenuEvent::Mouse, QPoint(5, 5), group->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(group, &event);
    SetCurrentLanguageSlot(0);

    // The same text in every language.
    QCOMPARE(actions, QStringList { QStringLiteral("&About This utility...") });
}

void TestNetSetUtilDlg::bringsOwnWindowsForwardInOrder()
{
    Open();
    QMessageBox wired(QMessageBox::Critical, QStringLiteral("Wired LAN setting"),
        QStringLiteral("x"), QMessageBox::Ok, m_window.get());
    QDialog about(m_window.get());
    about.setWindowTitle(QStringLiteral("About network configuration utility"));
    QDialog unrelated(m_window.get());
    unrelated.setWindowTitle(QStringLiteral("Notes"));
    QDialog hidden(m_window.get());
    hidden.setWindowTitle(QStringLiteral("Load settings"));
    QDialog partial(m_window.get());
    partial.setWindowTitle(QStringLiteral("Wired LAN setting (2)"));
    wired.show();
    about.show();
    unrelated.show();
    partial.show();

    QCOMPARE(m_window->OwnWindowsToBringForward(), (QList<QWidget *> { &about, &wired }));

    m_window->activateWindow();
    m_window->BringOwnWindowsForward();
    QTRY_COMPARE(QApplication::activeWindow(), &wired);
}

void TestNetSetUtilDlg::runEndsWithZeroAfterTheWindowCloses()
{
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    bool sawWindow = false;
    QTimer::singleShot(0, this, [&] {
        QWidget *window = QApplication::activeModalWidget();
        sawWindow = qobject_cast<CNetSetUtilDlg *>(window) && window->isVisible();
        if (window)
            window->close();
    });

    CNetSetUtilApp application;
    QCOMPARE(application.Run(), 0);

    QVERIFY(sawWindow);
    QVERIFY(QFile::exists(StatePath()));
    qunsetenv("XDG_RUNTIME_DIR");
}

QTEST_MAIN(TestNetSetUtilDlg)
#include "tst_netsetutildlg.moc"
