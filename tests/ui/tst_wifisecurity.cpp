#include "DialogScript.h"
#include "DocumentProbe.h"
#include "IpAddressEdit.h"
#include "MessageRecorder.h"
#include "WifiSecurity.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>

using DocumentProbe::ProfileText;

namespace {

// Types a dotted address as a user does: digits and dots, starting in the first octet field.
void TypeAddress(CIpAddressEdit *edit, const QString &text)
{
    edit->Field(0)->setFocus();
    for (QChar c : text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

// A check box or radio button takes clicks on its indicator and text only.
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

} // namespace

class TestWifiSecurity : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetCurrentLanguageSlot(0); }
    void init();
    void cleanup() { m_dialog.reset(); }

    void openShowsProfile();
    void controlsEnableTheirFields();
    void typeAndOk();
    void okFailureKeepsDialogOpen();
    void endingsOtherThanOk_data();
    void endingsOtherThanOk();
    void liveMarks();

private:
    QLineEdit *Edit(const char *name) const { return Find<QLineEdit>(*m_dialog, name); }
    CIpAddressEdit *Address(const char *name) const
    {
        return Find<CIpAddressEdit>(*m_dialog, name);
    }
    QComboBox *Security() const { return Find<QComboBox>(*m_dialog, "security"); }

    CMessageRecorder m_box;
    std::unique_ptr<CWifiSecurity> m_dialog;
};

void TestWifiSecurity::init()
{
    m_box = CMessageRecorder();
    m_dialog = std::make_unique<CWifiSecurity>();
    m_dialog->SetMessageBox(&m_box);
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
}

void TestWifiSecurity::openShowsProfile()
{
    CNetworkSetting profile;
    profile.m_securityMode = SecurityModeWpa2PskAes;
    profile.m_networkKey = QStringLiteral("office-key");
    profile.m_stealthSsid = 1;
    profile.m_dhcp = 0;
    profile.m_ipAddress = IpAddressField::Complete(10, 1, 2, 3);
    profile.m_useProxy = 1;
    profile.m_proxyPort = QStringLiteral("3128");
    m_dialog->SetProfile(profile);

    // The list shows WPA2 TKIP before WPA2 AES, whose codes run the other way.
    QCOMPARE(Security()->currentIndex(), 5);
    QCOMPARE(Security()->currentText(), QStringLiteral("WPA2 PSK AES"));
    for (const char *name : { "networkKey", "keyConfirm" }) {
        QCOMPARE(Edit(name)->text(), QStringLiteral("office-key"));
        QCOMPARE(Edit(name)->echoMode(), QLineEdit::Password);
    }
    QVERIFY(Find<QCheckBox>(*m_dialog, "stealthSsid")->isChecked());
    QVERIFY(Find<QRadioButton>(*m_dialog, "dhcpOff")->isChecked());
    QVERIFY(Address("ipAddress")->isEnabled());
    QCOMPARE(Address("ipAddress")->Fields(), (std::array<int, 4> { 10, 1, 2, 3 }));
    QVERIFY(Edit("proxyPort")->isEnabled());
    QCOMPARE(Edit("proxyPort")->text(), QStringLiteral("3128"));

    profile.m_securityMode = 9;
    m_dialog->SetProfile(profile);
    QCOMPARE(Security()->currentIndex(), -1);
}

void TestWifiSecurity::controlsEnableTheirFields()
{
    const QList<QWidget *> widgets { Edit("networkKey"), Edit("keyConfirm"), Address("ipAddress"),
        Address("subnetMask"), Address("defaultGateway"), Address("dns"), Address("secondaryDns"),
        Edit("proxyAddress"), Edit("proxyPort") };
    const auto enabled = [&widgets] {
        QString states;
        for (const QWidget *widget : widgets)
            states += widget->isEnabled() ? u'1' : u'0';
        return states;
    };
    QCOMPARE(enabled(),
        QStringLiteral("00"
                       "00000"
                       "00"));
    Security()->setCurrentIndex(1);
    Click(Find<QRadioButton>(*m_dialog, "dhcpOff"));
    Click(Find<QCheckBox>(*m_dialog, "useProxy"));
    QCOMPARE(enabled(),
        QStringLiteral("11"
                       "11111"
                       "11"));
    QTest::keyClicks(Edit("proxyPort"), QStringLiteral("8a0-8"));
    QCOMPARE(Edit("proxyPort")->text(), QStringLiteral("808"));
    Security()->setCurrentIndex(0);
    Click(Find<QRadioButton>(*m_dialog, "dhcpOn"));
    Click(Find<QCheckBox>(*m_dialog, "useProxy"));
    QCOMPARE(enabled(),
        QStringLiteral("00"
                       "00000"
                       "00"));
}

void TestWifiSecurity::typeAndOk()
{
    QSignalSpy accepted(m_dialog.get(), &QDialog::accepted);
    QTest::keyClicks(Edit("ssid"), QStringLiteral("Home Net"));
    Security()->setFocus();
    // Four steps down: the fifth entry, WPA2 PSK TKIP.
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(Security(), Qt::Key_Down);
    QTest::keyClicks(Edit("networkKey"), QStringLiteral("sesame-open"));
    QTest::keyClicks(Edit("keyConfirm"), QStringLiteral("sesame-open"));
    Click(Find<QCheckBox>(*m_dialog, "stealthSsid"));
    Click(Find<QRadioButton>(*m_dialog, "dhcpOff"));
    TypeAddress(Address("ipAddress"), QStringLiteral("192.168.4.20"));
    TypeAddress(Address("subnetMask"), QStringLiteral("255.255.255.0"));
    TypeAddress(Address("defaultGateway"), QStringLiteral("192.168.4"));
    Press(*m_dialog, "ok");

    QCOMPARE(m_box.m_messages.size(), 0);
    QCOMPARE(accepted.size(), 1);
    // A partial gateway stays as typed: three parts, the fourth counted as 0.
    QCOMPARE(ProfileText(m_dialog->Profile()),
        QStringLiteral("auto=1 | dhcp=0 | dns= | dns2= | force=1 | gateway=192.168.4.0 (3 parts) | "
                       "ip=192.168.4.20 | key=sesame-open | mask=255.255.255.0 | mode=5 | "
                       "proxy=0 | proxyAddress= | proxyPort= | ssid=Home Net"));
}

void TestWifiSecurity::okFailureKeepsDialogOpen()
{
    QSignalSpy finished(m_dialog.get(), &QDialog::finished);
    QTest::keyClicks(Edit("ssid"), QStringLiteral("Home"));
    Security()->setCurrentIndex(1);
    QTest::keyClicks(Edit("networkKey"), QStringLiteral("abcde"));
    QTest::keyClicks(Edit("keyConfirm"), QStringLiteral("abcdf"));
    Press(*m_dialog, "ok");

    QCOMPARE(m_box.m_messages.size(), 1);
    QCOMPARE(m_box.m_messages.at(0).text, QStringLiteral("Network key is not match.   "));
    QCOMPARE(m_box.m_messages.at(0).caption, QStringLiteral("Wireless LAN setting"));
    QCOMPARE(m_box.m_messages.at(0).icon, MessageIcon::Error);
    QCOMPARE(finished.size(), 0);
    QVERIFY(m_dialog->isVisible());
    // This message empties both key boxes.
    QCOMPARE(Edit("networkKey")->text() + Edit("keyConfirm")->text(), QString());
}

void TestWifiSecurity::endingsOtherThanOk_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Clear then Cancel resets the controls and the profile") << "cancel";
    QTest::newRow("Esc keeps the working profile") << "esc";
    QTest::newRow("the close box keeps the working profile") << "close";
}

void TestWifiSecurity::endingsOtherThanOk()
{
    QFETCH(QString, how);
    CNetworkSetting profile;
    profile.m_ssid = QStringLiteral("Office");
    profile.m_securityMode = SecurityModeWep;
    profile.m_networkKey = QStringLiteral("abcde");
    profile.m_connectAutomatically = 0;
    profile.m_useProxy = 1;
    profile.m_proxyAddress = QStringLiteral("proxy");
    m_dialog->SetProfile(profile);
    QSignalSpy rejected(m_dialog.get(), &QDialog::rejected);
    QTest::keyClicks(Edit("ssid"), QStringLiteral(" 2"));

    if (how == QStringLiteral("cancel")) {
        Press(*m_dialog, "clear");
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(Edit("ssid")->text() + Edit("networkKey")->text() + Edit("proxyAddress")->text(),
            QString());
        QVERIFY(!Find<QCheckBox>(*m_dialog, "useProxy")->isChecked());
        Press(*m_dialog, "cancel");
        profile = CNetworkSetting();
    } else if (how == QStringLiteral("esc")) {
        QTest::keyClick(Edit("ssid"), Qt::Key_Escape);
    } else {
        m_dialog->close();
    }

    QCOMPARE(rejected.size(), 1);
    QCOMPARE(ProfileText(m_dialog->Profile()), ProfileText(profile));
}

void TestWifiSecurity::liveMarks()
{
    QLineEdit *ssid = Edit("ssid");
    const QSize dialogSize = m_dialog->size();
    QCOMPARE(ssid->toolTip(), QStringLiteral("Please input SSID."));
    QCOMPARE(ssid->accessibleDescription(), QStringLiteral("Please input SSID."));
    QVERIFY(Marked(ssid));
    QTest::keyClicks(ssid, QStringLiteral("Home"));
    QCOMPARE(ssid->toolTip(), QString());
    QVERIFY(!Marked(ssid));

    Click(Find<QRadioButton>(*m_dialog, "dhcpOff"));
    CIpAddressEdit *ip = Address("ipAddress");
    TypeAddress(ip, QStringLiteral("127.0.0.1"));
    QCOMPARE(ip->toolTip(), QStringLiteral("Invalid IP address."));
    QCOMPARE(ip->Field(2)->accessibleDescription(), QStringLiteral("Invalid IP address."));
    QVERIFY(Marked(ip));
    Click(Find<QRadioButton>(*m_dialog, "dhcpOn"));
    QCOMPARE(ip->toolTip(), QString());
    QVERIFY(!Marked(ip));
    // A mark never moves or resizes anything.
    QCoreApplication::processEvents();
    QCOMPARE(m_dialog->size(), dialogSize);

    Click(Find<QCheckBox>(*m_dialog, "useProxy"));
    QTest::keyClicks(Edit("proxyPort"), QStringLiteral("0"));
    QCOMPARE(Edit("proxyAddress")->toolTip(), QStringLiteral("Please input Proxy address."));
    QCOMPARE(Edit("proxyPort")->toolTip(), QStringLiteral("Invalid proxy port number."));
    // Marks only warn: OK still runs its checks and shows its one message.
    Press(*m_dialog, "ok");
    QCOMPARE(m_box.m_messages.size(), 1);
    QCOMPARE(m_box.m_messages.at(0).text, QStringLiteral("Please input Proxy address.   "));
}

QTEST_MAIN(TestWifiSecurity)
#include "tst_wifisecurity.moc"
