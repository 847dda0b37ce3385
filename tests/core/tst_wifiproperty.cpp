#include "MessageCatalog.h"
#include "MessageRecorder.h"
#include "WifiProperty.h"

#include <QTest>

namespace {

// "192.168.-.1": four parts, "-" a blank part; the empty text is a blank control.
AddressControl Control(const QString &text)
{
    AddressControl control;
    if (text.isEmpty())
        return control;
    const QStringList parts = text.split(u'.');
    for (int i = 0; i < 4; ++i)
        control.m_fields[size_t(i)] = parts.at(i) == u"-" ? -1 : parts.at(i).toInt();
    return control;
}

IpAddressField Address(const QString &text)
{
    IpAddressField address;
    if (text.isEmpty())
        return address;
    const QStringList parts = text.split(u'.');
    for (int i = 0; i < 4; ++i) {
        if (parts.at(i) != u"-") {
            address.m_octets[size_t(i)] = std::uint8_t(parts.at(i).toInt());
            ++address.m_filledParts;
        }
    }
    return address;
}

QStringList Texts(const CMessageRecorder &box)
{
    QStringList texts;
    for (const CMessageRecorder::Message &message : box.m_messages)
        texts.append(message.text);
    return texts;
}

QString Blanked(const char *text)
{
    return QString::fromUtf8(text) + QStringLiteral("   ");
}

const QString kWirelessCaption = QStringLiteral("Wireless LAN setting");

} // namespace

class TestWifiProperty : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetCurrentLanguageSlot(0); }

    void securityListOrder();
    void openSelectsEntryOfCode_data();
    void openSelectsEntryOfCode();
    void choosingFifthEntryStoresWpa2Tkip();
    void openFillsControls_data();
    void openFillsControls();
    void enablingFollowsCommands();
    void accept_data();
    void accept();
    void connectAutomaticallySurvivesOk();
    void clearResetsEverything();
    void cancelResetsWorkingProfile();
    void fieldMessages_data();
    void fieldMessages();
};

void TestWifiProperty::securityListOrder()
{
    const QList<QPair<QString, int>> expected {
        { QStringLiteral("No security"), 0 },
        { QStringLiteral("WEP"), 1 },
        { QStringLiteral("WPA PSK TKIP"), 2 },
        { QStringLiteral("WPA PSK AES"), 3 },
        { QStringLiteral("WPA2 PSK TKIP"), 5 },
        { QStringLiteral("WPA2 PSK AES"), 4 },
    };
    QCOMPARE(int(SecurityList.size()), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(MessageText(SecurityList[size_t(i)].m_text).toString(), expected.at(i).first);
        QCOMPARE(SecurityList[size_t(i)].m_code, expected.at(i).second);
    }
}

void TestWifiProperty::openSelectsEntryOfCode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("selectedCode");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("keyBoxesEnabled");

    QTest::newRow("mode 4 selects the last entry") << 4 << 4 << 5 << true;
    QTest::newRow("mode 5 selects the fifth entry") << 5 << 5 << 4 << true;
    QTest::newRow("mode 0 selects the first entry") << 0 << 0 << 0 << false;
    QTest::newRow("mode 1 selects WEP") << 1 << 1 << 1 << true;
    QTest::newRow("mode 7 selects nothing") << 7 << -1 << -1 << true;
    QTest::newRow("negative mode selects nothing") << -3 << -1 << -1 << true;
}

void TestWifiProperty::openSelectsEntryOfCode()
{
    QFETCH(int, mode);
    QFETCH(int, selectedCode);
    QFETCH(int, position);
    QFETCH(bool, keyBoxesEnabled);

    CWifiPropertyEditor editor;
    editor.m_profile.m_securityMode = mode;
    editor.Open();
    QCOMPARE(editor.m_values.m_selectedSecurity, selectedCode);
    QCOMPARE(SecurityListPosition(editor.m_values.m_selectedSecurity), position);
    QCOMPARE(editor.m_values.m_networkKey.m_enabled, keyBoxesEnabled);
    QCOMPARE(editor.m_values.m_keyConfirm.m_enabled, keyBoxesEnabled);
}

void TestWifiProperty::choosingFifthEntryStoresWpa2Tkip()
{
    CWifiPropertyEditor editor;
    editor.Open();
    editor.ChangeSecurity(SecurityList[4].m_code);
    QCOMPARE(editor.m_profile.m_securityMode, 5);
    QVERIFY(editor.m_values.m_networkKey.m_enabled);
    editor.m_values.m_ssid.m_text = QStringLiteral("Office");
    editor.m_values.m_networkKey.m_text = QStringLiteral("correct horse");
    editor.m_values.m_keyConfirm.m_text = QStringLiteral("correct horse");
    CMessageRecorder box;
    QVERIFY(editor.Accept(box));
    QCOMPARE(box.m_messages.size(), 0);
    QCOMPARE(editor.m_profile.m_securityMode, 5);
    QCOMPARE(editor.m_profile.m_networkKey, QStringLiteral("correct horse"));
}

void TestWifiProperty::openFillsControls_data()
{
    QTest::addColumn<int>("dhcp");
    QTest::addColumn<int>("useProxy");
    QTest::addColumn<int>("dhcpRadio");
    QTest::addColumn<bool>("addressesEnabled");
    QTest::addColumn<bool>("proxyEnabled");

    QTest::newRow("DHCP on disables the addresses") << 1 << 0 << 0 << false << false;
    QTest::newRow("DHCP off enables the addresses") << 0 << 0 << 1 << true << false;
    QTest::newRow("proxy on enables the proxy boxes") << 1 << 1 << 0 << false << true;
}

void TestWifiProperty::openFillsControls()
{
    QFETCH(int, dhcp);
    QFETCH(int, useProxy);
    QFETCH(int, dhcpRadio);
    QFETCH(bool, addressesEnabled);
    QFETCH(bool, proxyEnabled);

    CWifiPropertyEditor editor;
    CNetworkSetting &profile = editor.m_profile;
    profile.m_ssid = QStringLiteral("Cafe");
    profile.m_stealthSsid = 1;
    profile.m_securityMode = SecurityModeWpaPskAes;
    profile.m_networkKey = QStringLiteral("secret-key");
    profile.m_dhcp = dhcp;
    profile.m_ipAddress = Address(QStringLiteral("192.168.10.20"));
    profile.m_subnetMask = Address(QStringLiteral("255.255.255.-"));
    profile.m_defaultGateway = Address(QStringLiteral("192.168.10.1"));
    profile.m_useProxy = useProxy;
    profile.m_proxyAddress = QStringLiteral("proxy.local");
    profile.m_proxyPort = QStringLiteral("8080");
    editor.Open();

    const WifiPropertyValues &values = editor.m_values;
    QCOMPARE(values.m_ssid.m_text, QStringLiteral("Cafe"));
    QVERIFY(values.m_stealthChecked);
    QCOMPARE(values.m_networkKey.m_text, QStringLiteral("secret-key"));
    QCOMPARE(values.m_keyConfirm.m_text, QStringLiteral("secret-key"));
    QCOMPARE(values.m_dhcpRadio, dhcpRadio);
    QCOMPARE(values.m_ipAddress.m_fields, (std::array<int, 4> { 192, 168, 10, 20 }));
    // Three filled parts are a blank address: the control is cleared.
    QCOMPARE(values.m_subnetMask.m_fields, (std::array<int, 4> { -1, -1, -1, -1 }));
    QCOMPARE(values.m_defaultGateway.m_fields, (std::array<int, 4> { 192, 168, 10, 1 }));
    QCOMPARE(values.m_dns.m_fields, (std::array<int, 4> { -1, -1, -1, -1 }));
    for (const AddressControl *address : { &values.m_ipAddress, &values.m_subnetMask,
             &values.m_defaultGateway, &values.m_dns, &values.m_secondaryDns })
        QCOMPARE(address->m_enabled, addressesEnabled);
    QCOMPARE(values.m_useProxyChecked, useProxy != 0);
    QCOMPARE(values.m_proxyAddress.m_enabled, proxyEnabled);
    QCOMPARE(values.m_proxyPort.m_enabled, proxyEnabled);
    QCOMPARE(values.m_proxyAddress.m_text, QStringLiteral("proxy.local"));
    QCOMPARE(values.m_proxyPort.m_text, QStringLiteral("8080"));
}

void TestWifiProperty::enablingFollowsCommands()
{
    CWifiPropertyEditor editor;
    editor.Open();
    editor.m_values.m_networkKey.m_text = QStringLiteral("typed");
    editor.ChangeSecurity(SecurityModeWep);
    QVERIFY(editor.m_values.m_networkKey.m_enabled);
    QVERIFY(editor.m_values.m_keyConfirm.m_enabled);
    QCOMPARE(editor.m_profile.m_securityMode, 1);
    editor.ChangeSecurity(SecurityModeNone);
    QVERIFY(!editor.m_values.m_networkKey.m_enabled);
    QCOMPARE(editor.m_values.m_networkKey.m_text, QStringLiteral("typed"));

    editor.m_values.m_ipAddress = Control(QStringLiteral("10.0.0.5"));
    editor.ChooseDhcp(1);
    QVERIFY(editor.m_values.m_ipAddress.m_enabled);
    QVERIFY(editor.m_values.m_secondaryDns.m_enabled);
    editor.ChooseDhcp(0);
    QVERIFY(!editor.m_values.m_ipAddress.m_enabled);
    QVERIFY(!editor.m_values.m_secondaryDns.m_enabled);
    QCOMPARE(editor.m_values.m_ipAddress.m_fields, (std::array<int, 4> { 10, 0, 0, 5 }));

    editor.m_values.m_proxyPort.m_text = QStringLiteral("3128");
    editor.ChangeUseProxy(true);
    QVERIFY(editor.m_values.m_proxyAddress.m_enabled);
    QVERIFY(editor.m_values.m_proxyPort.m_enabled);
    editor.ChangeUseProxy(false);
    QVERIFY(!editor.m_values.m_proxyPort.m_enabled);
    QCOMPARE(editor.m_values.m_proxyPort.m_text, QStringLiteral("3128"));
}

void TestWifiProperty::accept_data()
{
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<int>("security");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<int>("dhcpRadio");
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("gateway");
    QTest::addColumn<bool>("useProxy");
    QTest::addColumn<QString>("proxyAddress");
    QTest::addColumn<QString>("proxyPort");
    // Outcome.
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("keyBoxAfter");
    QTest::addColumn<QString>("confirmBoxAfter");
    QTest::addColumn<QString>("ipControlAfter");
    // Stored profile, looked at only when OK was accepted.
    QTest::addColumn<QString>("storedKey");
    QTest::addColumn<QString>("storedIp");
    QTest::addColumn<QString>("storedGateway");
    QTest::addColumn<QString>("storedProxyAddress");
    QTest::addColumn<QString>("storedProxyPort");

    const QString none;
    const QString wep13 = QStringLiteral("abcdefghijklm");
    const QString wep12 = QStringLiteral("abcdefghijkl");
    const QString wpa = QStringLiteral("passphrase1");
    const QString home = QStringLiteral("Home");
    const QString ip = QStringLiteral("192.168.1.10");
    const QString mask = QStringLiteral("255.255.255.0");
    const QString proxy = QStringLiteral("proxy.example");
    const int wepCode = SecurityModeWep;
    const int wpaCode = SecurityModeWpaPskTkip;

    QTest::newRow("no security accepts any key text and stores an empty key")
        << home << 0 << QStringLiteral("x") << QStringLiteral("y") << 0 << none << none << none
        << false << none << none << QStringList() << QStringLiteral("x") << QStringLiteral("y")
        << none << none << none << none << none << none;
    QTest::newRow("empty SSID asks for one")
        << none << 0 << none << none << 0 << none << none << none << false << none << none
        << QStringList { Blanked("Please input SSID.") } << none << none << none << none << none
        << none << none << none;
    QTest::newRow("SSID of 33 characters is a length failure")
        << QString(33, u's') << 0 << none << none << 0 << none << none << none << false << none
        << none << QStringList { Blanked("Valid length of SSID is from 1 to 32 characters.") }
        << none << none << none << none << none << none << none << none;
    QTest::newRow("SSID of 32 characters passes")
        << QString(32, u's') << 0 << none << none << 0 << none << none << none << false << none
        << none << QStringList() << none << none << none << none << none << none << none << none;
    QTest::newRow("SSID with a character above 255 is not ASCII")
        << QStringLiteral("Caf\u0107") << 0 << none << none << 0 << none << none << none << false
        << none << none << QStringList { Blanked("Please use ASCII characters for SSID.") } << none
        << none << none << none << none << none << none << none;
    QTest::newRow("WEP 13 characters with the same confirmation pass")
        << home << wepCode << wep13 << wep13 << 0 << none << none << none << false << none << none
        << QStringList() << wep13 << wep13 << none << wep13 << none << none << none << none;
    QTest::newRow("WEP 12 characters is a length failure and empties both boxes")
        << home << wepCode << wep12 << wep12 << 0 << none << none << none << false << none << none
        << QStringList { Blanked("Length of Network key is invalid.") } << none << none << none
        << none << none << none << none << none;
    QTest::newRow("mismatch is reported before the key's own validity")
        << home << wepCode << QStringLiteral("abc") << QStringLiteral("abd") << 0 << none << none
        << none << false << none << none << QStringList { Blanked("Network key is not match.") }
        << none << none << none << none << none << none << none << none;
    QTest::newRow("mismatch compares case")
        << home << wpaCode << wpa << wpa.toUpper() << 0 << none << none << none << false << none
        << none << QStringList { Blanked("Network key is not match.") } << none << none << none
        << none << none << none << none << none;
    QTest::newRow("WPA with both boxes empty asks for a key")
        << home << wpaCode << none << none << 0 << none << none << none << false << none << none
        << QStringList { Blanked("Please input network key.") } << none << none << none << none
        << none << none << none << none;
    QTest::newRow("WPA key with a character above 255 empties both boxes")
        << home << wpaCode << QStringLiteral("passw\u0101rd") << QStringLiteral("passw\u0101rd")
        << 0 << none << none << none << false << none << none
        << QStringList { Blanked("Invalid character is entered for network key.") } << none << none
        << none << none << none << none << none << none;
    QTest::newRow("WPA 64 hexadecimal digits pass")
        << home << wpaCode << QString(64, u'a') << QString(64, u'a') << 0 << none << none << none
        << false << none << none << QStringList() << QString(64, u'a') << QString(64, u'a') << none
        << QString(64, u'a') << none << none << none << none;
    QTest::newRow("SSID is checked before the key")
        << none << wpaCode << QStringLiteral("a") << QStringLiteral("b") << 0 << none << none
        << none << false << none << none << QStringList { Blanked("Please input SSID.") }
        << QStringLiteral("a") << QStringLiteral("b") << none << none << none << none << none
        << none;
    QTest::newRow("DHCP off with a partial IP address asks for one")
        << home << 0 << none << none << 1 << QStringLiteral("192.168.-.10") << mask << none << false
        << none << none << QStringList { Blanked("Please input IP address.") } << none << none
        << QStringLiteral("192.168.-.10") << none << none << none << none << none;
    QTest::newRow("DHCP off with a blank subnet mask asks for one")
        << home << 0 << none << none << 1 << ip << none << none << false << none << none
        << QStringList { Blanked("Please input Subnet mask address.") } << none << none << ip
        << none << none << none << none << none;
    QTest::newRow("DHCP off with loopback address is invalid")
        << home << 0 << none << none << 1 << QStringLiteral("127.0.0.1") << mask << none << false
        << none << none << QStringList { Blanked("Invalid IP address.") } << none << none
        << QStringLiteral("127.0.0.1") << none << none << none << none << none;
    QTest::newRow("DHCP off asks for the mask before rejecting loopback")
        << home << 0 << none << none << 1 << QStringLiteral("127.0.0.1") << none << none << false
        << none << none << QStringList { Blanked("Please input Subnet mask address.") } << none
        << none << QStringLiteral("127.0.0.1") << none << none << none << none << none;
    QTest::newRow("DHCP on blanks a loopback address without a message")
        << home << 0 << none << none << 0 << QStringLiteral("127.0.0.1") << mask << none << false
        << none << none << QStringList() << none << none << none << none << none << none << none
        << none;
    QTest::newRow("DHCP on keeps an ordinary address")
        << home << 0 << none << none << 0 << ip << none << none << false << none << none
        << QStringList() << none << none << ip << none << ip << none << none << none;
    QTest::newRow("DHCP off with a blank gateway and DNS passes")
        << home << 0 << none << none << 1 << ip << mask << none << false << none << none
        << QStringList() << none << none << ip << none << ip << none << none << none;
    QTest::newRow("DHCP off keeps a partial gateway as it is")
        << home << 0 << none << none << 1 << ip << mask << QStringLiteral("192.168.-.-") << false
        << none << none << QStringList() << none << none << ip << none << ip
        << QStringLiteral("192.168.-.-") << none << none;
    QTest::newRow("key is checked before the addresses")
        << home << wepCode << wep12 << wep12 << 1 << none << none << none << false << none << none
        << QStringList { Blanked("Length of Network key is invalid.") } << none << none << none
        << none << none << none << none << none;
    QTest::newRow("proxy on with an empty address asks for one")
        << home << 0 << none << none << 0 << none << none << none << true << none
        << QStringLiteral("8080") << QStringList { Blanked("Please input Proxy address.") } << none
        << none << none << none << none << none << none << none;
    QTest::newRow("proxy on with port 0 is an invalid port")
        << home << 0 << none << none << 0 << none << none << none << true << proxy
        << QStringLiteral("0") << QStringList { Blanked("Invalid proxy port number.") } << none
        << none << none << none << none << none << none << none;
    QTest::newRow("proxy on with an empty port asks for one")
        << home << 0 << none << none << 0 << none << none << none << true << proxy << none
        << QStringList { Blanked("Please input Proxy port.") } << none << none << none << none
        << none << none << none << none;
    QTest::newRow("proxy on with port 65536 is an invalid port")
        << home << 0 << none << none << 0 << none << none << none << true << proxy
        << QStringLiteral("65536") << QStringList { Blanked("Invalid proxy port number.") } << none
        << none << none << none << none << none << none << none;
    QTest::newRow("proxy address with character 127 is an invalid character")
        << home << 0 << none << none << 0 << none << none << none << true
        << QStringLiteral("proxy\x7f") << QStringLiteral("8080")
        << QStringList { Blanked("Invalid character is entered for proxy address.") } << none
        << none << none << none << none << none << none << none;
    QTest::newRow("proxy address of 1024 characters is a length failure")
        << home << 0 << none << none << 0 << none << none << none << true << QString(1024, u'p')
        << QStringLiteral("8080") << QStringList { Blanked("Length of Proxy address is invalid.") }
        << none << none << none << none << none << none << none << none;
    QTest::newRow("proxy on with address and port 65535 passes")
        << home << 0 << none << none << 0 << none << none << none << true << proxy
        << QStringLiteral("65535") << QStringList() << none << none << none << none << none << none
        << proxy << QStringLiteral("65535");
    QTest::newRow("addresses are checked before the proxy")
        << home << 0 << none << none << 1 << none << mask << none << true << none << none
        << QStringList { Blanked("Please input IP address.") } << none << none << none << none
        << none << none << none << none;
    QTest::newRow("loopback under DHCP is blanked before a proxy failure shows")
        << home << 0 << none << none << 0 << QStringLiteral("127.0.0.1") << none << none << true
        << none << QStringLiteral("8080") << QStringList { Blanked("Please input Proxy address.") }
        << none << none << none << none << none << none << none << none;
    QTest::newRow("proxy off with port 70000 drops the port silently")
        << home << 0 << none << none << 0 << none << none << none << false << proxy
        << QStringLiteral("70000") << QStringList() << none << none << none << none << none << none
        << proxy << none;
    QTest::newRow("proxy off with a bad address drops only the address")
        << home << 0 << none << none << 0 << none << none << none << false << QStringLiteral("a\tb")
        << QStringLiteral("3128") << QStringList() << none << none << none << none << none << none
        << none << QStringLiteral("3128");
}

void TestWifiProperty::accept()
{
    QFETCH(QString, ssid);
    QFETCH(int, security);
    QFETCH(QString, key);
    QFETCH(QString, confirm);
    QFETCH(int, dhcpRadio);
    QFETCH(QString, ip);
    QFETCH(QString, mask);
    QFETCH(QString, gateway);
    QFETCH(bool, useProxy);
    QFETCH(QString, proxyAddress);
    QFETCH(QString, proxyPort);
    QFETCH(QStringList, messages);
    QFETCH(QString, keyBoxAfter);
    QFETCH(QString, confirmBoxAfter);
    QFETCH(QString, ipControlAfter);
    QFETCH(QString, storedKey);
    QFETCH(QString, storedIp);
    QFETCH(QString, storedGateway);
    QFETCH(QString, storedProxyAddress);
    QFETCH(QString, storedProxyPort);

    CWifiPropertyEditor editor;
    editor.Open();
    editor.ChangeSecurity(security);
    editor.ChooseDhcp(dhcpRadio);
    editor.ChangeUseProxy(useProxy);
    WifiPropertyValues &values = editor.m_values;
    values.m_ssid.m_text = ssid;
    values.m_networkKey.m_text = key;
    values.m_keyConfirm.m_text = confirm;
    values.m_ipAddress = Control(ip);
    values.m_subnetMask = Control(mask);
    values.m_defaultGateway = Control(gateway);
    values.m_proxyAddress.m_text = proxyAddress;
    values.m_proxyPort.m_text = proxyPort;

    CMessageRecorder box;
    const bool accepted = editor.Accept(box);

    QCOMPARE(Texts(box), messages);
    QCOMPARE(accepted, messages.isEmpty());
    for (const CMessageRecorder::Message &shown : box.m_messages) {
        QCOMPARE(shown.caption, kWirelessCaption);
        QCOMPARE(shown.icon, MessageIcon::Error);
        QCOMPARE(shown.buttons, MessageButtons::Ok);
    }
    QCOMPARE(values.m_networkKey.m_text, keyBoxAfter);
    QCOMPARE(values.m_keyConfirm.m_text, confirmBoxAfter);
    QCOMPARE(values.m_ipAddress.m_fields, Control(ipControlAfter).m_fields);
    // The boxes keep their texts whatever OK drops from the profile.
    QCOMPARE(values.m_proxyAddress.m_text, proxyAddress);
    QCOMPARE(values.m_proxyPort.m_text, proxyPort);
    if (!accepted)
        return;

    const CNetworkSetting &profile = editor.m_profile;
    QCOMPARE(profile.m_ssid, ssid);
    QCOMPARE(profile.m_securityMode, security);
    QCOMPARE(profile.m_networkKey, storedKey);
    QCOMPARE(profile.m_dhcp, dhcpRadio == 0 ? 1 : 0);
    QCOMPARE(profile.m_ipAddress, Address(storedIp));
    QCOMPARE(profile.m_subnetMask, Address(mask));
    QCOMPARE(profile.m_defaultGateway, Address(storedGateway));
    QCOMPARE(profile.m_dns, IpAddressField());
    QCOMPARE(profile.m_useProxy, useProxy ? 1 : 0);
    QCOMPARE(profile.m_proxyAddress, storedProxyAddress);
    QCOMPARE(profile.m_proxyPort, storedProxyPort);
    QCOMPARE(profile.m_connectAutomatically, 1);
}

void TestWifiProperty::connectAutomaticallySurvivesOk()
{
    CWifiPropertyEditor editor;
    editor.m_profile.m_ssid = QStringLiteral("Lab");
    editor.m_profile.m_connectAutomatically = 0;
    editor.Open();
    editor.m_values.m_ssid.m_text = QStringLiteral("Lab 2");
    editor.m_values.m_stealthChecked = true;
    CMessageRecorder box;
    QVERIFY(editor.Accept(box));
    QCOMPARE(editor.m_profile.m_ssid, QStringLiteral("Lab 2"));
    QCOMPARE(editor.m_profile.m_stealthSsid, 1);
    QCOMPARE(editor.m_profile.m_connectAutomatically, 0);

    editor.Clear();
    editor.m_values.m_ssid.m_text = QStringLiteral("Lab 3");
    QVERIFY(editor.Accept(box));
    QCOMPARE(editor.m_profile.m_connectAutomatically, 1);
    QCOMPARE(box.m_messages.size(), 0);
}

void TestWifiProperty::clearResetsEverything()
{
    CWifiPropertyEditor editor;
    CNetworkSetting &profile = editor.m_profile;
    profile.m_ssid = QStringLiteral("Cafe");
    profile.m_stealthSsid = 1;
    profile.m_securityMode = SecurityModeWpa2PskAes;
    profile.m_networkKey = QStringLiteral("secret-key");
    profile.m_dhcp = 0;
    profile.m_ipAddress = Address(QStringLiteral("10.1.2.3"));
    profile.m_dns = Address(QStringLiteral("10.1.2.254"));
    profile.m_useProxy = 1;
    profile.m_proxyAddress = QStringLiteral("proxy");
    profile.m_proxyPort = QStringLiteral("80");
    profile.m_connectAutomatically = 0;
    editor.Open();
    editor.Clear();

    const WifiPropertyValues &values = editor.m_values;
    QCOMPARE(values.m_ssid.m_text, QString());
    QCOMPARE(values.m_networkKey.m_text, QString());
    QCOMPARE(values.m_keyConfirm.m_text, QString());
    QCOMPARE(values.m_selectedSecurity, 0);
    QVERIFY(!values.m_stealthChecked);
    QCOMPARE(values.m_dhcpRadio, 0);
    for (const AddressControl *address : { &values.m_ipAddress, &values.m_subnetMask,
             &values.m_defaultGateway, &values.m_dns, &values.m_secondaryDns }) {
        QCOMPARE(address->m_fields, (std::array<int, 4> { -1, -1, -1, -1 }));
        QVERIFY(!address->m_enabled);
    }
    QVERIFY(!values.m_useProxyChecked);
    QCOMPARE(values.m_proxyAddress.m_text, QString());
    QCOMPARE(values.m_proxyPort.m_text, QString());
    QVERIFY(!values.m_networkKey.m_enabled);
    QVERIFY(!values.m_keyConfirm.m_enabled);
    QVERIFY(!values.m_proxyAddress.m_enabled);
    QVERIFY(!values.m_proxyPort.m_enabled);
    QCOMPARE(editor.m_profile, CNetworkSetting());
}

void TestWifiProperty::cancelResetsWorkingProfile()
{
    CWifiPropertyEditor editor;
    editor.m_profile.m_ssid = QStringLiteral("Cafe");
    editor.m_profile.m_connectAutomatically = 0;
    editor.Open();
    editor.Cancel();
    QCOMPARE(editor.m_profile, CNetworkSetting());
}

void TestWifiProperty::fieldMessages_data()
{
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<int>("security");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<int>("dhcpRadio");
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<bool>("useProxy");
    QTest::addColumn<QString>("proxyPort");
    // One text per field: SSID, key, confirmation, IP, mask, proxy address, proxy port.
    QTest::addColumn<QStringList>("marks");
    QTest::addColumn<QString>("okMessage");

    const QString none;
    const QString home = QStringLiteral("Home");
    QTest::newRow("valid values mark nothing")
        << home << 0 << none << none << 0 << none << none << false << none
        << QStringList { none, none, none, none, none, none, none } << none;
    QTest::newRow("empty SSID marks the SSID box")
        << none << 0 << none << none << 0 << none << none << false << none
        << QStringList { Blanked("Please input SSID."), none, none, none, none, none, none }
        << Blanked("Please input SSID.");
    QTest::newRow("mismatch marks the confirmation, a bad key the key box")
        << home << int(SecurityModeWep) << QStringLiteral("abc") << QStringLiteral("abd") << 0
        << none << none << false << none
        << QStringList { none, Blanked("Length of Network key is invalid."),
               Blanked("Network key is not match."), none, none, none, none }
        << Blanked("Network key is not match.");
    QTest::newRow("a disabled key box is not marked")
        << home << 0 << QStringLiteral("abc") << QStringLiteral("abd") << 0 << none << none << false
        << none << QStringList { none, none, none, none, none, none, none } << none;
    QTest::newRow("loopback with a blank mask marks both, OK names the mask")
        << home << 0 << none << none << 1 << QStringLiteral("127.0.0.1") << none << false << none
        << QStringList { none, none, none, Blanked("Invalid IP address."),
               Blanked("Please input Subnet mask address."), none, none }
        << Blanked("Please input Subnet mask address.");
    QTest::newRow("loopback under DHCP is not marked")
        << home << 0 << none << none << 0 << QStringLiteral("127.0.0.1") << none << false << none
        << QStringList { none, none, none, none, none, none, none } << none;
    QTest::newRow("proxy on marks empty address and port 0")
        << home << 0 << none << none << 0 << none << none << true << QStringLiteral("0")
        << QStringList { none, none, none, none, none, Blanked("Please input Proxy address."),
               Blanked("Invalid proxy port number.") }
        << Blanked("Please input Proxy address.");
    QTest::newRow("proxy off marks nothing")
        << home << 0 << none << none << 0 << none << none << false << QStringLiteral("70000")
        << QStringList { none, none, none, none, none, none, none } << none;
}

void TestWifiProperty::fieldMessages()
{
    QFETCH(QString, ssid);
    QFETCH(int, security);
    QFETCH(QString, key);
    QFETCH(QString, confirm);
    QFETCH(int, dhcpRadio);
    QFETCH(QString, ip);
    QFETCH(QString, mask);
    QFETCH(bool, useProxy);
    QFETCH(QString, proxyPort);
    QFETCH(QStringList, marks);
    QFETCH(QString, okMessage);

    CWifiPropertyEditor editor;
    editor.Open();
    editor.ChangeSecurity(security);
    editor.ChooseDhcp(dhcpRadio);
    editor.ChangeUseProxy(useProxy);
    editor.m_values.m_ssid.m_text = ssid;
    editor.m_values.m_networkKey.m_text = key;
    editor.m_values.m_keyConfirm.m_text = confirm;
    editor.m_values.m_ipAddress = Control(ip);
    editor.m_values.m_subnetMask = Control(mask);
    editor.m_values.m_proxyPort.m_text = proxyPort;

    const auto messages = WifiPropertyFieldMessages(editor.m_values);
    QStringList shown;
    for (const std::optional<MessageId> &message : messages)
        shown.append(message ? ComposedMessage(MessageText(*message)) : QString());
    QCOMPARE(shown, marks);

    CMessageRecorder box;
    editor.Accept(box);
    QCOMPARE(Texts(box), okMessage.isEmpty() ? QStringList() : QStringList { okMessage });
}

QTEST_APPLESS_MAIN(TestWifiProperty)
#include "tst_wifiproperty.moc"
