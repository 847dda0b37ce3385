#include "DialogScript.h"
#include "DocumentProbe.h"
#include "MessageRecorder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

using namespace Qt::StringLiterals;

using DocumentProbe::ProfileText;

// Whether the red frame over `field` shows.
bool Marked(const QWidget *field)
{
    const auto *mark = field->findChild<QWidget *>(u"fieldMark"_s, Qt::FindDirectChildrenOnly);
    return mark && mark->isVisible();
}

class TestWifiSecurity : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        FailOnWarnings();
        SetCurrentLanguageSlot(0);
        m_box = CMessageRecorder();
        m_dialog = std::make_unique<CWifiSecurity>();
        m_dialog->SetMessageBox(&m_box);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    }
    void cleanup() { m_dialog.reset(); }

    void okFailureKeepsDialogOpenThenOk()
    {
        QTest::keyClicks(Edit("ssid"), u"Home Net"_s);
        Security()->setCurrentIndex(4); // the fifth entry, WPA2 PSK TKIP
        QTest::keyClicks(Edit("networkKey"), u"sesame-open"_s);
        QTest::keyClicks(Edit("keyConfirm"), u"sesame-opem"_s);
        Click(Find<QCheckBox>(*m_dialog, "stealthSsid"));
        Click(Find<QRadioButton>(*m_dialog, "dhcpOff"));
        TypeAddress(Find<CIpAddressEdit>(*m_dialog, "ipAddress"), u"192.168.4.20"_s);
        TypeAddress(Find<CIpAddressEdit>(*m_dialog, "subnetMask"), u"255.255.255.0"_s);
        TypeAddress(Find<CIpAddressEdit>(*m_dialog, "defaultGateway"), u"192.168.4"_s);
        Click(Find<QCheckBox>(*m_dialog, "useProxy"));
        QTest::keyClicks(Edit("proxyAddress"), u"proxy.lan"_s);
        // The port box takes digits only.
        QTest::keyClicks(Edit("proxyPort"), u"8a0-8"_s);
        Press(*m_dialog, "ok");

        QCOMPARE(m_box.m_messages.size(), 1);
        QCOMPARE(m_box.m_messages.at(0).text, u"Network key is not match.   "_s);
        QVERIFY(m_dialog->isVisible());
        // This message empties both key boxes; everything else stays as typed.
        QCOMPARE(Edit("networkKey")->text() + Edit("keyConfirm")->text(), QString());

        QTest::keyClicks(Edit("networkKey"), u"sesame-open"_s);
        QTest::keyClicks(Edit("keyConfirm"), u"sesame-open"_s);
        Press(*m_dialog, "ok");
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        // A partial gateway stays as typed: three parts, the fourth counted as 0.
        QCOMPARE(ProfileText(m_dialog->Profile()),
            QStringLiteral(
                "auto=1 | dhcp=0 | dns= | dns2= | force=1 | gateway=192.168.4.0 (3 parts) | "
                "ip=192.168.4.20 | key=sesame-open | mask=255.255.255.0 | mode=5 | "
                "proxy=1 | proxyAddress=proxy.lan | proxyPort=808 | ssid=Home Net"));
        // Opened again, the profile comes back, the security by its code, not its row; only a
        // complete address is shown, so the partial gateway goes.
        CWifiSecurity again;
        again.SetMessageBox(&m_box);
        again.SetProfile(m_dialog->Profile());
        again.show();
        Press(again, "ok");
        QCOMPARE(ProfileText(again.Profile()),
            ProfileText(m_dialog->Profile()).replace(u"192.168.4.0 (3 parts)"_s, QString()));
    }
    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<QByteArray>("focused"); // a button's name; empty for the SSID box
        QTest::addColumn<int>("result"); // how the dialog ended; -1 still open
        QTest::addColumn<QString>("ssid"); // what the SSID box holds then
        QTest::addColumn<QString>("profile"); // the working profile's SSID then
        QTest::newRow("Enter on Cancel cancels")
            << QByteArray("cancel") << int(QDialog::Rejected) << u"Edited"_s << QString();
        QTest::newRow("Enter on Clear clears and stays open")
            << QByteArray("clear") << -1 << QString() << QString();
        QTest::newRow("Enter in a box is OK")
            << QByteArray() << int(QDialog::Accepted) << u"Edited"_s << u"Edited"_s;
    }
    void enterPressesTheFocusedButton()
    {
        QFETCH(QByteArray, focused);
        QTest::keyClicks(Edit("ssid"), u"Edited"_s);
        QWidget *target = focused.isEmpty() ? static_cast<QWidget *>(Edit("ssid"))
                                            : Find<QPushButton>(*m_dialog, focused.constData());
        target->setFocus(Qt::TabFocusReason);
        QTest::keyClick(target, Qt::Key_Return);

        QTEST(m_dialog->isVisible() ? -1 : m_dialog->result(), "result");
        QTEST(Edit("ssid")->text(), "ssid");
        QTEST(m_dialog->Profile().m_ssid, "profile");
    }
    void fieldsAreMarkedOnceTouchedOrAfterOk()
    {
        // A new profile: empty SSID, which OK would refuse, but nothing is marked yet.
        QVERIFY(!Marked(Edit("ssid")));
        Security()->setCurrentIndex(1); // WEP: the empty key would be refused as well
        QVERIFY(!Marked(Edit("networkKey")));

        // The hint names the valid forms.
        QTest::keyClicks(Edit("networkKey"), u"abcdef"_s);
        QVERIFY(Marked(Edit("networkKey")));
        QCOMPARE(Edit("networkKey")->toolTip(),
            u"Length of Network key is invalid.\nA WEP key has 5 or 13 characters, or 10 or 26 "
            u"hexadecimal digits."_s);
        QVERIFY(!Marked(Edit("ssid")));
        QTest::keyClicks(Edit("ssid"), u"x"_s);
        QTest::keyClick(Edit("ssid"), Qt::Key_Backspace);
        QVERIFY(Marked(Edit("ssid")));

        Press(*m_dialog, "clear");
        QVERIFY(!Marked(Edit("ssid")));
        QVERIFY(!Marked(Edit("networkKey")));

        Press(*m_dialog, "ok");
        QCOMPARE(m_box.m_messages.size(), 1);
        QVERIFY(Marked(Edit("ssid")));
    }

private:
    QLineEdit *Edit(const char *name) const { return Find<QLineEdit>(*m_dialog, name); }
    QComboBox *Security() const { return Find<QComboBox>(*m_dialog, "security"); }

    CMessageRecorder m_box;
    std::unique_ptr<CWifiSecurity> m_dialog;
};

QTEST_MAIN(TestWifiSecurity)
#include "tst_wifisecurity.moc"
