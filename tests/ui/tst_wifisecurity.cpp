#include "IpAddressEdit.h"
#include "MessageCatalog.h"
#include "MessageRecorder.h"
#include "WifiSecurity.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace {

template<typename Widget> Widget *Find(const QWidget &dialog, const char *name)
{
    auto *widget = dialog.findChild<Widget *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

QLineEdit *Edit(const QWidget &dialog, const char *name)
{
    return Find<QLineEdit>(dialog, name);
}

CIpAddressEdit *AddressEdit(const QWidget &dialog, const char *name)
{
    return Find<CIpAddressEdit>(dialog, name);
}

// Types a dotted address as a user does: digits and dots, starting in the first octet field.
void TypeAddress(CIpAddressEdit *edit, const QString &text)
{
    edit->Field(0)->setFocus();
    for (QChar c : text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

// The named widget that has the focus; an octet field stands for its address control.
QString FocusName()
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return QString();
    if (auto *address = qobject_cast<CIpAddressEdit *>(focus->parentWidget()))
        return address->objectName();
    return focus->objectName();
}

// A check box or radio button takes clicks on its indicator and text only, not on the rest of
// its row.
void Click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

bool Marked(const QWidget *field)
{
    const QWidget *mark
        = field->findChild<QWidget *>(QStringLiteral("fieldMark"), Qt::FindDirectChildrenOnly);
    return mark && mark->isVisible() && mark->geometry() == field->rect();
}

QString Tip(const QWidget *widget)
{
    return widget->toolTip();
}

} // namespace

class TestWifiSecurity : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetCurrentLanguageSlot(0); }

    void texts();
    void securityListShowsCodesInDisplayOrder();
    void openShowsProfile();
    void enablingFollowsControls();
    void tabOrder();
    void arrowKeysChooseDhcp();
    void typeAndOk();
    void okFailureKeepsDialogOpen_data();
    void okFailureKeepsDialogOpen();
    void loopbackUnderDhcpIsBlankedInControl();
    void clearThenCancelResets();
    void escapeAndCloseBoxKeepWorkingProfile_data();
    void escapeAndCloseBoxKeepWorkingProfile();
    void proxyPortTakesDigitsOnly();
    void liveMarks();
};

void TestWifiSecurity::texts()
{
    CWifiSecurity dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Wireless LAN Property"));
    QStringList groups;
    for (const QGroupBox *group : dialog.findChildren<QGroupBox *>())
        groups.append(group->title());
    QCOMPARE(groups,
        (QStringList { QStringLiteral("Wireless security settings"),
            QStringLiteral("IP address settings"), QStringLiteral("Proxy settings") }));
    QStringList labels;
    for (const QLabel *label : dialog.findChildren<QLabel *>()) {
        if (label->buddy())
            labels.append(label->text());
    }
    QCOMPARE(labels,
        (QStringList { QStringLiteral("SSID:"), QStringLiteral("Security:"),
            QStringLiteral("Network key:"), QStringLiteral("Confirm Network key:"),
            QStringLiteral("IP address:"), QStringLiteral("Subnet mask:"),
            QStringLiteral("Default gateway:"), QStringLiteral("DNS:"),
            QStringLiteral("Secondary DNS:"), QStringLiteral("Proxy address:"),
            QStringLiteral("Proxy port:") }));
    QCOMPARE(Find<QCheckBox>(dialog, "stealthSsid")->text(), QStringLiteral("Stealth SSID"));
    QCOMPARE(Find<QRadioButton>(dialog, "dhcpOn")->text(), QStringLiteral("DHCP On"));
    QCOMPARE(Find<QRadioButton>(dialog, "dhcpOff")->text(), QStringLiteral("DHCP Off"));
    QCOMPARE(Find<QCheckBox>(dialog, "useProxy")->text(), QStringLiteral("Use proxy"));
    QCOMPARE(Find<QPushButton>(dialog, "clear")->text(), QStringLiteral("Clear"));
    QCOMPARE(Find<QPushButton>(dialog, "ok")->text(), QStringLiteral("OK"));
    QCOMPARE(Find<QPushButton>(dialog, "cancel")->text(), QStringLiteral("Cancel"));
    QVERIFY(Find<QPushButton>(dialog, "ok")->isDefault());
    QCOMPARE(Edit(dialog, "networkKey")->echoMode(), QLineEdit::Password);
    QCOMPARE(Edit(dialog, "keyConfirm")->echoMode(), QLineEdit::Password);
    QCOMPARE(AddressEdit(dialog, "ipAddress")->accessibleName(), QStringLiteral("IP address"));
}

void TestWifiSecurity::securityListShowsCodesInDisplayOrder()
{
    CWifiSecurity dialog;
    const QComboBox *security = Find<QComboBox>(dialog, "security");
    const QStringList texts { QStringLiteral("No security"), QStringLiteral("WEP"),
        QStringLiteral("WPA PSK TKIP"), QStringLiteral("WPA PSK AES"),
        QStringLiteral("WPA2 PSK TKIP"), QStringLiteral("WPA2 PSK AES") };
    const QList<int> codes { 0, 1, 2, 3, 5, 4 };
    QCOMPARE(security->count(), 6);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(security->itemText(i), texts.at(i));
        QCOMPARE(security->itemData(i).toInt(), codes.at(i));
    }
}

void TestWifiSecurity::openShowsProfile()
{
    CNetworkSetting profile;
    profile.m_ssid = QStringLiteral("Office");
    profile.m_securityMode = SecurityModeWpa2PskAes;
    profile.m_networkKey = QStringLiteral("office-key");
    profile.m_stealthSsid = 1;
    profile.m_dhcp = 0;
    profile.m_ipAddress = IpAddressField::Complete(10, 1, 2, 3);
    profile.m_subnetMask = IpAddressField::Complete(255, 255, 0, 0);
    profile.m_useProxy = 1;
    profile.m_proxyAddress = QStringLiteral("proxy");
    profile.m_proxyPort = QStringLiteral("3128");

    CWifiSecurity dialog;
    dialog.SetProfile(profile);
    const QComboBox *security = Find<QComboBox>(dialog, "security");
    QCOMPARE(security->currentIndex(), 5);
    QCOMPARE(security->currentText(), QStringLiteral("WPA2 PSK AES"));
    QCOMPARE(Edit(dialog, "ssid")->text(), QStringLiteral("Office"));
    QCOMPARE(Edit(dialog, "networkKey")->text(), QStringLiteral("office-key"));
    QCOMPARE(Edit(dialog, "keyConfirm")->text(), QStringLiteral("office-key"));
    QVERIFY(Find<QCheckBox>(dialog, "stealthSsid")->isChecked());
    QVERIFY(Find<QRadioButton>(dialog, "dhcpOff")->isChecked());
    QCOMPARE(AddressEdit(dialog, "ipAddress")->Fields(), (std::array<int, 4> { 10, 1, 2, 3 }));
    QCOMPARE(AddressEdit(dialog, "subnetMask")->Fields(), (std::array<int, 4> { 255, 255, 0, 0 }));
    QCOMPARE(AddressEdit(dialog, "dns")->FilledFieldCount(), 0);
    QVERIFY(AddressEdit(dialog, "ipAddress")->isEnabled());
    QVERIFY(Find<QCheckBox>(dialog, "useProxy")->isChecked());
    QVERIFY(Edit(dialog, "proxyPort")->isEnabled());
    QCOMPARE(Edit(dialog, "proxyPort")->text(), QStringLiteral("3128"));

    profile.m_securityMode = 9;
    dialog.SetProfile(profile);
    QCOMPARE(security->currentIndex(), -1);
}

void TestWifiSecurity::enablingFollowsControls()
{
    CWifiSecurity dialog;
    QComboBox *security = Find<QComboBox>(dialog, "security");
    QLineEdit *key = Edit(dialog, "networkKey");
    QLineEdit *confirm = Edit(dialog, "keyConfirm");
    QVERIFY(!key->isEnabled());
    QVERIFY(!confirm->isEnabled());
    security->setCurrentIndex(1);
    QVERIFY(key->isEnabled());
    QVERIFY(confirm->isEnabled());
    security->setCurrentIndex(0);
    QVERIFY(!key->isEnabled());

    const QList<CIpAddressEdit *> addresses { AddressEdit(dialog, "ipAddress"),
        AddressEdit(dialog, "subnetMask"), AddressEdit(dialog, "defaultGateway"),
        AddressEdit(dialog, "dns"), AddressEdit(dialog, "secondaryDns") };
    for (const CIpAddressEdit *address : addresses)
        QVERIFY(!address->isEnabled());
    Click(Find<QRadioButton>(dialog, "dhcpOff"));
    for (const CIpAddressEdit *address : addresses)
        QVERIFY(address->isEnabled());
    Click(Find<QRadioButton>(dialog, "dhcpOn"));
    for (const CIpAddressEdit *address : addresses)
        QVERIFY(!address->isEnabled());

    QLineEdit *proxyAddress = Edit(dialog, "proxyAddress");
    QVERIFY(!proxyAddress->isEnabled());
    Click(Find<QCheckBox>(dialog, "useProxy"));
    QVERIFY(proxyAddress->isEnabled());
    QVERIFY(Edit(dialog, "proxyPort")->isEnabled());
}

void TestWifiSecurity::tabOrder()
{
    CNetworkSetting profile;
    profile.m_ssid = QStringLiteral("Office");
    profile.m_securityMode = SecurityModeWep;
    profile.m_dhcp = 0;
    profile.m_useProxy = 1;
    CWifiSecurity dialog;
    dialog.SetProfile(profile);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    Edit(dialog, "ssid")->setFocus();

    QStringList visited { FocusName() };
    for (int i = 0; i < 17; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(FocusName());
    }
    // The radio group is one stop, at its chosen button, as in the host's dialogs.
    const QStringList expected { QStringLiteral("ssid"), QStringLiteral("security"),
        QStringLiteral("stealthSsid"), QStringLiteral("networkKey"), QStringLiteral("keyConfirm"),
        QStringLiteral("dhcpOff"), QStringLiteral("ipAddress"), QStringLiteral("subnetMask"),
        QStringLiteral("defaultGateway"), QStringLiteral("dns"), QStringLiteral("secondaryDns"),
        QStringLiteral("useProxy"), QStringLiteral("proxyAddress"), QStringLiteral("proxyPort"),
        QStringLiteral("clear"), QStringLiteral("ok"), QStringLiteral("cancel"),
        QStringLiteral("ssid") };
    QCOMPARE(visited, expected);
}

void TestWifiSecurity::arrowKeysChooseDhcp()
{
    CWifiSecurity dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QRadioButton *dhcpOn = Find<QRadioButton>(dialog, "dhcpOn");
    QRadioButton *dhcpOff = Find<QRadioButton>(dialog, "dhcpOff");
    dhcpOn->setFocus();
    QTest::keyClick(dhcpOn, Qt::Key_Right);
    QVERIFY(dhcpOff->isChecked());
    QVERIFY(dhcpOff->hasFocus());
    QVERIFY(AddressEdit(dialog, "ipAddress")->isEnabled());
    QTest::keyClick(dhcpOff, Qt::Key_Left);
    QVERIFY(dhcpOn->isChecked());
    QVERIFY(!AddressEdit(dialog, "ipAddress")->isEnabled());
}

void TestWifiSecurity::typeAndOk()
{
    CMessageRecorder box;
    CWifiSecurity dialog;
    dialog.SetMessageBox(&box);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QSignalSpy accepted(&dialog, &QDialog::accepted);

    QTest::keyClicks(Edit(dialog, "ssid"), QStringLiteral("Home Net"));
    QComboBox *security = Find<QComboBox>(dialog, "security");
    security->setFocus();
    // Four steps down: the fifth entry, WPA2 PSK TKIP.
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(security, Qt::Key_Down);
    QCOMPARE(security->currentText(), QStringLiteral("WPA2 PSK TKIP"));
    QTest::keyClicks(Edit(dialog, "networkKey"), QStringLiteral("sesame-open"));
    QTest::keyClicks(Edit(dialog, "keyConfirm"), QStringLiteral("sesame-open"));
    Click(Find<QCheckBox>(dialog, "stealthSsid"));
    Click(Find<QRadioButton>(dialog, "dhcpOff"));
    TypeAddress(AddressEdit(dialog, "ipAddress"), QStringLiteral("192.168.4.20"));
    TypeAddress(AddressEdit(dialog, "subnetMask"), QStringLiteral("255.255.255.0"));
    TypeAddress(AddressEdit(dialog, "defaultGateway"), QStringLiteral("192.168.4"));
    QTest::mouseClick(Find<QPushButton>(dialog, "ok"), Qt::LeftButton);

    QCOMPARE(box.m_messages.size(), 0);
    QCOMPARE(accepted.size(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const CNetworkSetting &profile = dialog.Profile();
    QCOMPARE(profile.m_ssid, QStringLiteral("Home Net"));
    QCOMPARE(profile.m_securityMode, 5);
    QCOMPARE(profile.m_networkKey, QStringLiteral("sesame-open"));
    QCOMPARE(profile.m_stealthSsid, 1);
    QCOMPARE(profile.m_dhcp, 0);
    QCOMPARE(profile.m_ipAddress, IpAddressField::Complete(192, 168, 4, 20));
    QCOMPARE(profile.m_subnetMask, IpAddressField::Complete(255, 255, 255, 0));
    // A partial gateway stays as typed: three parts, the fourth counted as 0.
    IpAddressField gateway = IpAddressField::Complete(192, 168, 4, 0);
    gateway.m_filledParts = 3;
    QCOMPARE(profile.m_defaultGateway, gateway);
    QCOMPARE(profile.m_useProxy, 0);
    QCOMPARE(profile.m_connectAutomatically, 1);
}

void TestWifiSecurity::okFailureKeepsDialogOpen_data()
{
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<int>("securityIndex");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("keyAfter");
    QTest::addColumn<QString>("confirmAfter");

    QTest::newRow("empty SSID") << QString() << 0 << QString() << QString()
                                << QStringLiteral("Please input SSID.   ") << QString()
                                << QString();
    QTest::newRow("mismatch empties both key boxes")
        << QStringLiteral("Home") << 1 << QStringLiteral("abcde") << QStringLiteral("abcdf")
        << QStringLiteral("Network key is not match.   ") << QString() << QString();
    QTest::newRow("WEP 12 characters empties both key boxes")
        << QStringLiteral("Home") << 1 << QStringLiteral("abcdefghijkl")
        << QStringLiteral("abcdefghijkl") << QStringLiteral("Length of Network key is invalid.   ")
        << QString() << QString();
    QTest::newRow("WPA with both boxes empty")
        << QStringLiteral("Home") << 2 << QString() << QString()
        << QStringLiteral("Please input network key.   ") << QString() << QString();
}

void TestWifiSecurity::okFailureKeepsDialogOpen()
{
    QFETCH(QString, ssid);
    QFETCH(int, securityIndex);
    QFETCH(QString, key);
    QFETCH(QString, confirm);
    QFETCH(QString, message);
    QFETCH(QString, keyAfter);
    QFETCH(QString, confirmAfter);

    CMessageRecorder box;
    CWifiSecurity dialog;
    dialog.SetMessageBox(&box);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QSignalSpy finished(&dialog, &QDialog::finished);
    QTest::keyClicks(Edit(dialog, "ssid"), ssid);
    Find<QComboBox>(dialog, "security")->setCurrentIndex(securityIndex);
    QTest::keyClicks(Edit(dialog, "networkKey"), key);
    QTest::keyClicks(Edit(dialog, "keyConfirm"), confirm);
    QTest::mouseClick(Find<QPushButton>(dialog, "ok"), Qt::LeftButton);

    QCOMPARE(box.m_messages.size(), 1);
    QCOMPARE(box.m_messages.at(0).text, message);
    QCOMPARE(box.m_messages.at(0).caption, QStringLiteral("Wireless LAN setting"));
    QCOMPARE(box.m_messages.at(0).icon, MessageIcon::Error);
    QCOMPARE(finished.size(), 0);
    QVERIFY(dialog.isVisible());
    QCOMPARE(Edit(dialog, "networkKey")->text(), keyAfter);
    QCOMPARE(Edit(dialog, "keyConfirm")->text(), confirmAfter);
}

void TestWifiSecurity::loopbackUnderDhcpIsBlankedInControl()
{
    CNetworkSetting profile;
    profile.m_ssid = QStringLiteral("Home");
    profile.m_ipAddress = IpAddressField::Complete(127, 0, 0, 1);
    CMessageRecorder box;
    CWifiSecurity dialog;
    dialog.SetMessageBox(&box);
    dialog.SetProfile(profile);
    QCOMPARE(AddressEdit(dialog, "ipAddress")->Fields(), (std::array<int, 4> { 127, 0, 0, 1 }));
    QTest::mouseClick(Find<QPushButton>(dialog, "ok"), Qt::LeftButton);
    QCOMPARE(box.m_messages.size(), 0);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(AddressEdit(dialog, "ipAddress")->FilledFieldCount(), 0);
    QCOMPARE(dialog.Profile().m_ipAddress, IpAddressField());
}

void TestWifiSecurity::clearThenCancelResets()
{
    CNetworkSetting profile;
    profile.m_ssid = QStringLiteral("Office");
    profile.m_securityMode = SecurityModeWep;
    profile.m_networkKey = QStringLiteral("abcde");
    profile.m_useProxy = 1;
    profile.m_proxyAddress = QStringLiteral("proxy");
    CWifiSecurity dialog;
    dialog.SetProfile(profile);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QSignalSpy rejected(&dialog, &QDialog::rejected);

    QTest::mouseClick(Find<QPushButton>(dialog, "clear"), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(Edit(dialog, "ssid")->text(), QString());
    QCOMPARE(Edit(dialog, "networkKey")->text(), QString());
    QCOMPARE(Find<QComboBox>(dialog, "security")->currentIndex(), 0);
    QVERIFY(!Edit(dialog, "networkKey")->isEnabled());
    QVERIFY(!Find<QCheckBox>(dialog, "useProxy")->isChecked());
    QCOMPARE(Edit(dialog, "proxyAddress")->text(), QString());
    QVERIFY(!Edit(dialog, "proxyAddress")->isEnabled());
    QVERIFY(Find<QRadioButton>(dialog, "dhcpOn")->isChecked());
    QCOMPARE(dialog.Profile(), CNetworkSetting());

    QTest::mouseClick(Find<QPushButton>(dialog, "cancel"), Qt::LeftButton);
    QCOMPARE(rejected.size(), 1);
    QCOMPARE(dialog.Profile(), CNetworkSetting());
}

void TestWifiSecurity::escapeAndCloseBoxKeepWorkingProfile_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Esc") << false;
    QTest::newRow("close box") << true;
}

void TestWifiSecurity::escapeAndCloseBoxKeepWorkingProfile()
{
    QFETCH(bool, closeBox);
    CNetworkSetting profile;
    profile.m_ssid = QStringLiteral("Office");
    profile.m_connectAutomatically = 0;
    CWifiSecurity dialog;
    dialog.SetProfile(profile);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    QTest::keyClicks(Edit(dialog, "ssid"), QStringLiteral(" 2"));
    if (closeBox)
        dialog.close();
    else
        QTest::keyClick(Edit(dialog, "ssid"), Qt::Key_Escape);
    QCOMPARE(rejected.size(), 1);
    QCOMPARE(dialog.Profile(), profile);
}

void TestWifiSecurity::proxyPortTakesDigitsOnly()
{
    CNetworkSetting profile;
    profile.m_useProxy = 1;
    CWifiSecurity dialog;
    dialog.SetProfile(profile);
    QTest::keyClicks(Edit(dialog, "proxyPort"), QStringLiteral("8a0-8"));
    QCOMPARE(Edit(dialog, "proxyPort")->text(), QStringLiteral("808"));
}

void TestWifiSecurity::liveMarks()
{
    CWifiSecurity dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QLineEdit *ssid = Edit(dialog, "ssid");
    const QSize dialogSize = dialog.size();
    QCOMPARE(Tip(ssid), QStringLiteral("Please input SSID."));
    QCOMPARE(ssid->accessibleDescription(), QStringLiteral("Please input SSID."));
    QVERIFY(Marked(ssid));
    QTest::keyClicks(ssid, QStringLiteral("Home"));
    QCOMPARE(Tip(ssid), QString());
    QCOMPARE(ssid->accessibleDescription(), QString());
    QVERIFY(!Marked(ssid));

    Find<QComboBox>(dialog, "security")->setCurrentIndex(1);
    QLineEdit *key = Edit(dialog, "networkKey");
    QLineEdit *confirm = Edit(dialog, "keyConfirm");
    QCOMPARE(Tip(key), QStringLiteral("Please input network key."));
    QTest::keyClicks(key, QStringLiteral("abc"));
    QCOMPARE(Tip(key), QStringLiteral("Length of Network key is invalid."));
    QCOMPARE(Tip(confirm), QStringLiteral("Network key is not match."));
    QTest::keyClicks(key, QStringLiteral("de"));
    QTest::keyClicks(confirm, QStringLiteral("abcde"));
    QCOMPARE(Tip(key), QString());
    QCOMPARE(Tip(confirm), QString());

    Click(Find<QRadioButton>(dialog, "dhcpOff"));
    CIpAddressEdit *ip = AddressEdit(dialog, "ipAddress");
    CIpAddressEdit *mask = AddressEdit(dialog, "subnetMask");
    QCOMPARE(Tip(ip), QStringLiteral("Please input IP address."));
    QCOMPARE(Tip(mask), QStringLiteral("Please input Subnet mask address."));
    TypeAddress(ip, QStringLiteral("127.0.0.1"));
    QCOMPARE(Tip(ip), QStringLiteral("Invalid IP address."));
    QCOMPARE(ip->Field(2)->accessibleDescription(), QStringLiteral("Invalid IP address."));
    QVERIFY(Marked(ip));
    for (int i = 0; i < CIpAddressEdit::FieldCount; ++i)
        QVERIFY(ip->Field(i)->isVisible());
    Click(Find<QRadioButton>(dialog, "dhcpOn"));
    QCOMPARE(Tip(ip), QString());
    QCOMPARE(Tip(mask), QString());
    QVERIFY(!Marked(ip));
    // A mark never moves or resizes anything.
    QCoreApplication::processEvents();
    QCOMPARE(dialog.size(), dialogSize);

    Click(Find<QCheckBox>(dialog, "useProxy"));
    QCOMPARE(Tip(Edit(dialog, "proxyAddress")), QStringLiteral("Please input Proxy address."));
    QCOMPARE(Tip(Edit(dialog, "proxyPort")), QStringLiteral("Please input Proxy port."));
    QTest::keyClicks(Edit(dialog, "proxyPort"), QStringLiteral("0"));
    QCOMPARE(Tip(Edit(dialog, "proxyPort")), QStringLiteral("Invalid proxy port number."));

    // Marks only warn: OK still runs its checks and shows its one message.
    CMessageRecorder box;
    dialog.SetMessageBox(&box);
    QTest::mouseClick(Find<QPushButton>(dialog, "ok"), Qt::LeftButton);
    QCOMPARE(box.m_messages.size(), 1);
    QCOMPARE(box.m_messages.at(0).text, QStringLiteral("Please input Proxy address.   "));
}

QTEST_MAIN(TestWifiSecurity)
#include "tst_wifisecurity.moc"
