#include "AboutDlg.h"
#include "DialogScript.h"
#include "DocumentProbe.h"
#include "IpAddressEdit.h"
#include "MessageRecorder.h"
#include "NetSetUtilApp.h"
#include "NetSetUtilDlg.h"
#include "ScriptedPathChooser.h"
#include "StateFile.h"
#include "TestFiles.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

using Fields = std::array<int, 4>;

namespace {

constexpr int B = CIpAddressEdit::BlankField;

QStringList Names(const char *names)
{
    return QString::fromLatin1(names).split(u' ');
}

const QStringList CommandControls = Names("loadSettingsButton createSettingFileButton exitButton "
                                          "tabControl");
const QStringList WiredPageControls = Names(
    "dhcpOnRadio dhcpOffRadio ipSettingsGroup "
    "ipAddressEdit subnetMaskEdit defaultGatewayEdit dnsEdit secondaryDnsEdit clearSettingsButton "
    "ipAddressLabel subnetMaskLabel defaultGatewayLabel dnsLabel secondaryDnsLabel proxyGroup "
    "useProxyCheck proxyAddressLabel proxyAddressEdit proxyPortLabel proxyPortEdit");
const QStringList WirelessPageControls
    = Names("useWirelessCheck wirelessList priorityUpButton "
            "priorityDownButton addButton deleteButton propertyButton wirelessListLabel");
// Never shown, yet the working store of the network folder values.
const QStringList FolderPageControls
    = Names("folderDefaultRadio folderCustomizeRadio "
            "folderSettingsGroup deviceNameEdit userIdEdit passwordEdit passwordConfirmEdit "
            "deviceNameLabel userIdLabel passwordLabel passwordConfirmLabel");
const QStringList AddressControls = Names("ipAddressEdit subnetMaskEdit defaultGatewayEdit "
                                          "dnsEdit secondaryDnsEdit");

QStringList Lines(const CMessageRecorder &recorder)
{
    QStringList lines;
    for (const CMessageRecorder::Message &m : recorder.m_messages)
        lines.append(MessageLine(m.text, m.caption, m.icon, m.buttons));
    return lines;
}

// Clicks a radio button or check box on its indicator, where a user aims.
void Click(QAbstractButton *button)
{
    QTest::mouseClick(
        button, Qt::LeftButton, {}, QPoint(button->height() / 2, button->height() / 2));
}

} // namespace

class TestNetSetUtilDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetCurrentLanguageSlot(0); }
    void init();
    void cleanup();

    void startsWithDefaultsAndShowsOnePageAtATime();
    void controlsFollowClicksButGatherLater();
    void closeSequenceWritesStateFile_data();
    void closeSequenceWritesStateFile();
    void enterOnClearSettingsClearsTheWiredPage();
    void badStateFileReportedAtStart();
    void loadBadFile();
    void controlStateRoundTrip_data();
    void controlStateRoundTrip();
    void aboutBoxOnF1AndContextMenu();
    void bringsOwnWindowsForwardInOrder();
    void runEndsWithZeroAfterTheWindowCloses();

private:
    template<typename T = QWidget> T *Control(const char *name) const
    {
        return Find<T>(*m_window, name);
    }
    template<typename T = QWidget> T *Control(const QString &name) const
    {
        return Control<T>(qPrintable(name));
    }
    void Open(bool show = true);
    void ClickTab(int index);
    void ExpectShown(const QStringList &shown, const QStringList &hidden);
    QString StatePath() const
    {
        return m_config->filePath(QStringLiteral("MeridockSettingUtil.dat"));
    }

    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<CNetSetUtilDlg> m_window;
    CMessageRecorder m_recorder;
    CScriptedPathChooser m_chooser;
};

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
    QTabBar *bar = Control<QTabWidget>("tabControl")->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

void TestNetSetUtilDlg::ExpectShown(const QStringList &shown, const QStringList &hidden)
{
    for (const QString &name : shown)
        QVERIFY2(Control(name)->isVisible(), qPrintable(name));
    for (const QString &name : hidden)
        QVERIFY2(!Control(name)->isVisible(), qPrintable(name));
}

void TestNetSetUtilDlg::startsWithDefaultsAndShowsOnePageAtATime()
{
    Open();
    QVERIFY(m_recorder.m_messages.isEmpty());
    QCOMPARE(Control<QTabWidget>("tabControl")->currentIndex(), 0);
    ExpectShown(CommandControls + WiredPageControls, WirelessPageControls + FolderPageControls);
    QVERIFY(Control<QRadioButton>("dhcpOnRadio")->isChecked());
    for (const QString &name : AddressControls) {
        QVERIFY2(!Control(name)->isEnabled(), qPrintable(name));
        QCOMPARE(Control<CIpAddressEdit>(name)->Fields(), (Fields { B, B, B, B }));
    }
    QVERIFY(!Control<QCheckBox>("useProxyCheck")->isChecked());
    QVERIFY(!Control("proxyAddressEdit")->isEnabled());
    QVERIFY(!Control("proxyPortEdit")->isEnabled());
    // A file without keys switches wireless on.
    QVERIFY(Control<QCheckBox>("useWirelessCheck")->isChecked());
    QVERIFY(Control<QRadioButton>("folderDefaultRadio")->isChecked());
    QCOMPARE(Control<QListWidget>("wirelessList")->count(), 0);

    // An enabled state set on page 0 must survive the round trip through page 1.
    Click(Control<QRadioButton>("dhcpOffRadio"));
    ClickTab(1);
    ExpectShown(CommandControls + WirelessPageControls, WiredPageControls + FolderPageControls);
    // The folder page has no tab; no other index is a page either.
    for (int index : { 2, -1, 7 }) {
        m_window->ShowPage(index);
        QCOMPARE(Control<QTabWidget>("tabControl")->currentIndex(), 1);
        ExpectShown(WirelessPageControls, FolderPageControls);
    }
    ClickTab(0);
    ExpectShown(CommandControls + WiredPageControls, WirelessPageControls + FolderPageControls);
    for (const QString &name : AddressControls)
        QVERIFY2(Control(name)->isEnabled(), qPrintable(name));
}

void TestNetSetUtilDlg::controlsFollowClicksButGatherLater()
{
    Open();
    const CSettingsDocument &document = m_window->Document();
    Click(Control<QRadioButton>("dhcpOffRadio"));
    for (const QString &name : AddressControls)
        QVERIFY2(Control(name)->isEnabled(), qPrintable(name));
    auto *ip = Control<CIpAddressEdit>("ipAddressEdit");
    QTest::keyClicks(ip->Field(0), QStringLiteral("10."));
    QTest::keyClicks(ip->Field(1), QStringLiteral("1"));
    Click(Control<QRadioButton>("dhcpOnRadio"));
    for (const QString &name : AddressControls)
        QVERIFY2(!Control(name)->isEnabled(), qPrintable(name));
    QCOMPARE(ip->Fields(), (Fields { 10, 1, B, B }));
    // The radios do not gather: the bound value follows at the next gather only.
    QCOMPARE(document.m_dhcpMode, 0);

    ClickTab(1);
    Click(Control<QCheckBox>("useWirelessCheck"));
    QCOMPARE(document.m_useWireless, 1);
    ClickTab(0);
    auto *address = Control<QLineEdit>("proxyAddressEdit");
    auto *port = Control<QLineEdit>("proxyPortEdit");
    Click(Control<QCheckBox>("useProxyCheck"));
    // Use proxy gathers, and takes the wireless tick along.
    QCOMPARE(document.m_wiredUseProxy, 1);
    QCOMPARE(document.m_useWireless, 0);
    QVERIFY(address->isEnabled() && port->isEnabled());
    QTest::keyClicks(address, QStringLiteral("proxy.example"));
    QTest::keyClicks(port, QStringLiteral("80a80"));
    QCOMPARE(port->text(), QStringLiteral("8080"));
    Click(Control<QCheckBox>("useProxyCheck"));
    QVERIFY(!address->isEnabled() && !port->isEnabled());
}

void TestNetSetUtilDlg::closeSequenceWritesStateFile_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::newRow("Exit button") << "exit" << int(QDialog::Rejected);
    QTest::newRow("Esc key") << "esc" << int(QDialog::Rejected);
    QTest::newRow("close box") << "close" << int(QDialog::Rejected);
    QTest::newRow("Enter in the proxy address field") << "enter" << int(QDialog::Accepted);
    QTest::newRow("keypad Enter on a radio button") << "keypad" << int(QDialog::Accepted);
}

void TestNetSetUtilDlg::closeSequenceWritesStateFile()
{
    QFETCH(QString, how);
    QFETCH(int, result);
    Open();
    QVERIFY(!QFile::exists(StatePath()));
    auto *radio = Control<QRadioButton>("dhcpOffRadio");
    Click(radio);
    Control<CIpAddressEdit>("ipAddressEdit")->SetFields({ 10, 1, 2, 3 });
    Click(Control<QCheckBox>("useProxyCheck"));
    auto *proxy = Control<QLineEdit>("proxyAddressEdit");
    QTest::keyClicks(proxy, QStringLiteral("proxy.example"));
    QTest::keyClicks(Control<QLineEdit>("proxyPortEdit"), QStringLiteral("8080"));

    if (how == QStringLiteral("exit")) {
        Press(*m_window, "exitButton");
    } else if (how == QStringLiteral("esc")) {
        QTest::keyClick(proxy, Qt::Key_Escape);
    } else if (how == QStringLiteral("close")) {
        QVERIFY(m_window->close());
    } else if (how == QStringLiteral("enter")) {
        proxy->setFocus();
        QTest::keyClick(proxy, Qt::Key_Return);
    } else {
        radio->setFocus();
        QTest::keyClick(radio, Qt::Key_Enter, Qt::KeypadModifier);
    }

    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->result(), result);
    QVERIFY(m_recorder.m_messages.isEmpty());
    const QByteArray state = TestFiles::ReadAll(StatePath());
    QVERIFY2(state.contains("\r\nWIRED_DHCP=0\r\nWIRED_IP=10.1.2.3\r\n"), state.constData());
    QVERIFY(state.contains("\r\nWIRED_PROXY=1\r\nWIRED_PROXY_ADDRESS=proxy.example\r\n"
                           "WIRED_PROXY_PORT=8080\r\n"));
    QVERIFY(state.contains("[NetworkSettingUtility]\r\nLAST_PATS=\r\nNETFOLDER_DEF=1\r\n"));
}

void TestNetSetUtilDlg::enterOnClearSettingsClearsTheWiredPage()
{
    Open();
    Click(Control<QRadioButton>("dhcpOffRadio"));
    for (const QString &name : AddressControls)
        Control<CIpAddressEdit>(name)->SetFields({ 192, 168, 0, 1 });
    Click(Control<QCheckBox>("useProxyCheck"));
    QTest::keyClicks(Control<QLineEdit>("proxyAddressEdit"), QStringLiteral("proxy"));
    auto *clear = Control("clearSettingsButton");
    clear->setFocus();

    // Enter on a push button clicks it rather than closing the window.
    QTest::keyClick(clear, Qt::Key_Return);

    QVERIFY(m_window->isVisible());
    QVERIFY(!QFile::exists(StatePath()));
    QVERIFY(Control<QRadioButton>("dhcpOnRadio")->isChecked());
    for (const QString &name : AddressControls) {
        QCOMPARE(Control<CIpAddressEdit>(name)->Fields(), (Fields { B, B, B, B }));
        QVERIFY2(!Control(name)->isEnabled(), qPrintable(name));
    }
    QVERIFY(!Control<QCheckBox>("useProxyCheck")->isChecked());
    QCOMPARE(Control<QLineEdit>("proxyAddressEdit")->text(), QString());
    QVERIFY(!Control("proxyAddressEdit")->isEnabled());
    QVERIFY(m_recorder.m_messages.isEmpty());
}

void TestNetSetUtilDlg::badStateFileReportedAtStart()
{
    QVERIFY(TestFiles::Write(StatePath(),
        "[UserNetworkSetting]\r\nWIRED_DHCP=0\r\nWIRED_IP=300.1.1.1\r\n"
        "WIRED_SUBNET_MASK=255.255.255.0\r\n"
        "[NetworkSettingUtility]\r\nLAST_PATS=/media/card\r\nNETFOLDER_DEF=0\r\n"
        "NETFOLDER_NAME=123\r\nNETFOLDER_UID=user\r\nNETFOLDER_PASS=\r\n"));
    Open(false);

    // Reported before the window shows, in reading order.
    QVERIFY(!m_window->isVisible());
    QCOMPARE(Lines(m_recorder),
        (QStringList { ExpectedMessage(Msg::InvalidIpAddressInFile, Msg::LoadSettingsCaption,
                           MessageIcon::Error),
            ExpectedMessage(Msg::InvalidFolderDeviceNameInFile, Msg::LoadSettingsCaption,
                MessageIcon::Error) }));
    QVERIFY(Control<QRadioButton>("dhcpOffRadio")->isChecked());
    QCOMPARE(Control<CIpAddressEdit>("ipAddressEdit")->Fields(), (Fields { B, B, B, B }));
    QCOMPARE(Control<CIpAddressEdit>("subnetMaskEdit")->Fields(), (Fields { 255, 255, 255, 0 }));
    QVERIFY(Control("subnetMaskEdit")->isEnabled());
    QVERIFY(Control<QRadioButton>("folderCustomizeRadio")->isChecked());
    QCOMPARE(Control<QLineEdit>("deviceNameEdit")->text(), QString());
    QCOMPARE(Control<QLineEdit>("userIdEdit")->text(), QStringLiteral("user"));
    QCOMPARE(m_window->Document().m_lastPath, QStringLiteral("/media/card"));
}

void TestNetSetUtilDlg::loadBadFile()
{
    const QString path = m_config->filePath(QStringLiteral("NetworkSetting.ini"));
    QVERIFY(TestFiles::Write(path,
        "[UserNetworkSetting]\r\nWIRED_DHCP=0\r\nWIRED_IP=127.0.0.1\r\n"
        "WIRED_DNS=192.168.10.1\r\n"
        "WIRED_PROXY=1\r\nWIRED_PROXY_ADDRESS=proxy\r\nWIRED_PROXY_PORT=65536\r\n"));
    Open();
    m_chooser.m_file = path;

    Press(*m_window, "loadSettingsButton");

    QCOMPARE(Lines(m_recorder),
        (QStringList {
            ExpectedMessage(Msg::InvalidIpAddress, Msg::LoadSettingsCaption, MessageIcon::Error),
            ExpectedMessage(
                Msg::InvalidProxyPortInFile, Msg::LoadSettingsCaption, MessageIcon::Error),
            ExpectedMessage(
                Msg::SettingsLoadedWithError, Msg::LoadSettingsCaption, MessageIcon::Error) }));
    QVERIFY(Control<QRadioButton>("dhcpOffRadio")->isChecked());
    QCOMPARE(Control<CIpAddressEdit>("ipAddressEdit")->Fields(), (Fields { B, B, B, B }));
    QCOMPARE(Control<CIpAddressEdit>("dnsEdit")->Fields(), (Fields { 192, 168, 10, 1 }));
    QVERIFY(Control("dnsEdit")->isEnabled());
    QVERIFY(Control<QCheckBox>("useProxyCheck")->isChecked());
    QCOMPARE(Control<QLineEdit>("proxyAddressEdit")->text(), QStringLiteral("proxy"));
    QCOMPARE(Control<QLineEdit>("proxyPortEdit")->text(), QString());
    QVERIFY(Control("proxyPortEdit")->isEnabled());
}

void TestNetSetUtilDlg::controlStateRoundTrip_data()
{
    QTest::addColumn<int>("variant");
    QTest::newRow("everything set and enabled, partial addresses and hostile texts") << 1;
    QTest::newRow("everything cleared and disabled") << 0;
    QTest::newRow("radio groups with no button chosen") << -1;
}

void TestNetSetUtilDlg::controlStateRoundTrip()
{
    QFETCH(int, variant);
    Open(false);
    MainWindowControls in;
    in.m_folderModeRadio = variant;
    in.m_dhcpModeRadio = variant;
    const bool on = variant != 0;
    for (EditControl *edit : { &in.m_deviceName, &in.m_userId, &in.m_password,
             &in.m_passwordConfirm, &in.m_proxyAddress, &in.m_proxyPort })
        edit->m_enabled = on;
    for (AddressControl *a :
        { &in.m_ipAddress, &in.m_subnetMask, &in.m_defaultGateway, &in.m_dns, &in.m_secondaryDns })
        a->m_enabled = on;
    if (on) {
        in.m_deviceName.m_text = QStringLiteral("  blanks  ");
        in.m_userId.m_text = QStringLiteral("user_1");
        in.m_password.m_text = QStringLiteral("p w=;\"'");
        in.m_passwordConfirm.m_text = QStringLiteral("other");
        in.m_ipAddress.m_fields = { 10, B, 3, B };
        in.m_subnetMask.m_fields = { 255, 255, 255, 0 };
        in.m_defaultGateway.m_fields = { 0, 0, 0, 0 };
        in.m_dns.m_fields = { B, B, B, 0 };
        in.m_secondaryDns.m_fields = { 1, 1, 1, 1 };
        in.m_useProxyChecked = true;
        in.m_proxyAddress.m_text = QString(1024, u'x') + QStringLiteral(" =;\"\xe9\x263a");
        in.m_proxyPort.m_text = QStringLiteral(" 80a "); // no digit rule on what a file gave
        in.m_useWirelessChecked = true;
        in.m_wirelessList = { { QStringLiteral("office"), 4 },
            { QStringLiteral(" lead and trail "), 29 }, { QStringLiteral("office"), 2 } };
        in.m_wirelessSelection = variant == 1 ? 2 : -1;
    }

    CSettingsDocument &document = m_window->Document();
    document.m_controls = in;
    const QStringList expected = DocumentProbe::Snapshot(document, true);
    m_window->ApplyControlState();
    document.m_controls = MainWindowControls();
    m_window->CollectControlState();
    QCOMPARE(DocumentProbe::Snapshot(document, true), expected);
}

void TestNetSetUtilDlg::aboutBoxOnF1AndContextMenu()
{
    SetCurrentLanguageSlot(3);
    Open();
    QStringList seen;
    QTimer::singleShot(0, this, [&] {
        auto *about = qobject_cast<CAboutDlg *>(QApplication::activeModalWidget());
        if (!about)
            return;
        for (const char *name : { "openSslNotice", "openSslAcknowledgement" })
            seen.append(Find<QLabel>(*about, name)->text());
        Press(*about, "okButton");
    });
    QTest::keyClick(m_window.get(), Qt::Key_F1);
    QTimer::singleShot(0, this, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        for (const QAction *action : menu ? menu->actions() : QList<QAction *>())
            seen.append(action->text());
        if (menu)
            menu->close();
    });
    auto *group = Control("ipSettingsGroup");
    QContextMenuEvent event(
        QContextMenuEvent::Mouse, QPoint(5, 5), group->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(group, &event);
    SetCurrentLanguageSlot(0);

    // The OpenSSL licence texts and the menu entry read the same in every language.
    QCOMPARE(seen,
        (QStringList {
            QStringLiteral("Copyright (c) 1998-2008 The OpenSSL Project.  All rights reserved."),
            QStringLiteral("This product includes software developed by the OpenSSL Project for "
                           "use in the OpenSSL Toolkit. (http://www.openssl.org/)"),
            QStringLiteral("&About This utility...") }));
    QVERIFY(m_window->isVisible());
}

void TestNetSetUtilDlg::bringsOwnWindowsForwardInOrder()
{
    Open();
    QMessageBox wired(QMessageBox::Critical, QStringLiteral("Wired LAN setting"),
        QStringLiteral("x"), QMessageBox::Ok, m_window.get());
    QDialog about(m_window.get()), unrelated(m_window.get()), hidden(m_window.get()),
        partial(m_window.get());
    about.setWindowTitle(QStringLiteral("About network configuration utility"));
    unrelated.setWindowTitle(QStringLiteral("Notes"));
    hidden.setWindowTitle(QStringLiteral("Load settings"));
    partial.setWindowTitle(QStringLiteral("Wired LAN setting (2)"));
    for (QWidget *shown : std::initializer_list<QWidget *> { &wired, &about, &unrelated, &partial })
        shown->show();

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
