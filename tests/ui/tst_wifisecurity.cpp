#include "DialogScript.h"
#include "DocumentProbe.h"
#include "ui/IpAddressEdit.h"
#include "MessageRecorder.h"
#include "ui/WifiSecurity.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

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

} // namespace

class TestWifiSecurity : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetCurrentLanguageSlot(0); }
    void init();
    void cleanup() { m_dialog.reset(); }

    void okGivesAnOpenedProfileBack();
    void okFailureKeepsDialogOpenThenOk();

private:
    QLineEdit *Edit(const char *name) const { return Find<QLineEdit>(*m_dialog, name); }
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

void TestWifiSecurity::okGivesAnOpenedProfileBack()
{
    CNetworkSetting profile;
    profile.m_ssid = QStringLiteral("Office");
    profile.m_securityMode = SecurityModeWpa2PskAes;
    profile.m_networkKey = QStringLiteral("office-key");
    profile.m_stealthSsid = 1;
    profile.m_dhcp = 0;
    profile.m_ipAddress = IpAddressField::Complete(10, 1, 2, 3);
    profile.m_subnetMask = IpAddressField::Complete(255, 0, 0, 0);
    profile.m_useProxy = 1;
    profile.m_proxyAddress = QStringLiteral("proxy");
    profile.m_proxyPort = QStringLiteral("3128");
    m_dialog->SetProfile(profile);

    // The list shows WPA2 TKIP before WPA2 AES, whose codes run the other way.
    QCOMPARE(Security()->currentText(), QStringLiteral("WPA2 PSK AES"));
    QCOMPARE(Edit("networkKey")->echoMode(), QLineEdit::Password);
    QCOMPARE(Edit("keyConfirm")->echoMode(), QLineEdit::Password);
    Press(*m_dialog, "ok");
    QCOMPARE(m_box.m_messages.size(), 0);
    QCOMPARE(ProfileText(m_dialog->Profile()), ProfileText(profile));
}

void TestWifiSecurity::okFailureKeepsDialogOpenThenOk()
{
    QTest::keyClicks(Edit("ssid"), QStringLiteral("Home Net"));
    Security()->setCurrentIndex(4); // the fifth entry, WPA2 PSK TKIP
    QTest::keyClicks(Edit("networkKey"), QStringLiteral("sesame-open"));
    QTest::keyClicks(Edit("keyConfirm"), QStringLiteral("sesame-opem"));
    Click(Find<QCheckBox>(*m_dialog, "stealthSsid"));
    Click(Find<QRadioButton>(*m_dialog, "dhcpOff"));
    TypeAddress(Find<CIpAddressEdit>(*m_dialog, "ipAddress"), QStringLiteral("192.168.4.20"));
    TypeAddress(Find<CIpAddressEdit>(*m_dialog, "subnetMask"), QStringLiteral("255.255.255.0"));
    TypeAddress(Find<CIpAddressEdit>(*m_dialog, "defaultGateway"), QStringLiteral("192.168.4"));
    Click(Find<QCheckBox>(*m_dialog, "useProxy"));
    QTest::keyClicks(Edit("proxyAddress"), QStringLiteral("proxy.lan"));
    // The port box takes digits only.
    QTest::keyClicks(Edit("proxyPort"), QStringLiteral("8a0-8"));
    Press(*m_dialog, "ok");

    QCOMPARE(m_box.m_messages.size(), 1);
    QCOMPARE(m_box.m_messages.at(0).text, QStringLiteral("Network key is not match.   "));
    QVERIFY(m_dialog->isVisible());
    // This message empties both key boxes; everything else stays as typed.
    QCOMPARE(Edit("networkKey")->text() + Edit("keyConfirm")->text(), QString());

    QTest::keyClicks(Edit("networkKey"), QStringLiteral("sesame-open"));
    QTest::keyClicks(Edit("keyConfirm"), QStringLiteral("sesame-open"));
    Press(*m_dialog, "ok");
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    // A partial gateway stays as typed: three parts, the fourth counted as 0.
    QCOMPARE(ProfileText(m_dialog->Profile()),
        QStringLiteral("auto=1 | dhcp=0 | dns= | dns2= | force=1 | gateway=192.168.4.0 (3 parts) | "
                       "ip=192.168.4.20 | key=sesame-open | mask=255.255.255.0 | mode=5 | "
                       "proxy=1 | proxyAddress=proxy.lan | proxyPort=808 | ssid=Home Net"));
}

QTEST_MAIN(TestWifiSecurity)
#include "tst_wifisecurity.moc"
