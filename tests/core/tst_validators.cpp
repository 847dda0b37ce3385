#include "LoadReports.h"
#include "Validators.h"

#include <QTest>

namespace {

enum Rule { Ssid, Printable, ProxyAddress, ProxyPort, IpAddress, DeviceName, UserId };

// "a|b": the texts "a" and "b".
QStringList Texts(QStringView texts)
{
    return texts.toString().split(u'|');
}

ValidationCode Check(Rule rule, const QString &text)
{
    CNetworkSetting setting;
    setting.m_proxyAddress = text;
    setting.m_proxyPort = text;
    switch (rule) {
    case Ssid:
        return CheckSsid(text);
    case Printable:
        return CheckPrintableChars(text);
    case ProxyAddress:
        return CheckProxyAddress(setting);
    case ProxyPort:
        return CheckProxyPort(setting);
    case IpAddress: {
        // "127.-.-.-": the four parts of an address control, "-" a blank part.
        const QStringList parts = text.split(u'.');
        for (int i = 0; i < 4; ++i) {
            if (parts.at(i) != u"-") {
                setting.m_ipAddress.m_octets[size_t(i)] = std::uint8_t(parts.at(i).toInt());
                ++setting.m_ipAddress.m_filledParts;
            }
        }
        return CheckIpAddress(setting);
    }
    case DeviceName:
        return CheckDeviceName(text);
    case UserId:
        return CheckUserId(text);
    }
    return 99;
}

} // namespace

class TestValidators : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wirelessKey_data();
    void wirelessKey();
    void textRules_data();
    void textRules();
};

void TestValidators::wirelessKey_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("lengthForm"); // CheckKeyLength
    QTest::addColumn<int>("expected"); // CheckWirelessKey

    QTest::newRow("WEP 5 or 13 chars is character form")
        << 1 << Texts(u"abcde|abcdefghijklm") << 0 << 0;
    QTest::newRow("WEP 10 or 26 hex digits of both cases is hex form")
        << 1 << Texts(u"0123456789|0123456789abcdefABCDEF0123") << 1 << 1;
    QTest::newRow("WEP of any other length")
        << 1 << Texts(u"|abcd|abcdef|abcdefghijk") + QStringList { Chars(27) } << -1 << -1;
    QTest::newRow("WEP hex length with g") << 1 << Texts(u"01234g6789") << 1 << -2;
    QTest::newRow("character form takes control characters and 255")
        << 1 << Texts(u"a\t\x01\u00ffb") << 0 << 0;
    QTest::newRow("WEP character form above 255") << 1 << Texts(u"abcd\u0100") << 0 << -2;
    for (int mode = 2; mode <= 5; ++mode) {
        QTest::addRow("WPA mode %d 7 or 65 chars", mode)
            << mode << QStringList { Chars(7), Chars(65) } << -1 << -1;
        QTest::addRow("WPA mode %d 8 or 63 chars is character form", mode)
            << mode << QStringList { Chars(8), Chars(63) } << 0 << 0;
        QTest::addRow("WPA mode %d 64 hex digits is hex form", mode)
            << mode << QStringList { Chars(64, u'F') } << 1 << 1;
        QTest::addRow("WPA mode %d 64 chars with one non-hex", mode)
            << mode << QStringList { Chars(63) + u'g' } << 1 << -2;
        QTest::addRow("WPA mode %d character form above 255", mode)
            << mode << QStringList { Chars(19) + QChar(0x20AC) } << 0 << -2;
    }
    for (const int mode : { 0, 6, -3 }) {
        QTest::addRow("mode %d looks at no key", mode)
            << mode << QStringList { QString(), Chars(199) + QChar(0xFFFF) } << 1 << 1;
    }
}

void TestValidators::wirelessKey()
{
    QFETCH(int, mode);
    QFETCH(QStringList, keys);
    QFETCH(int, lengthForm);
    QFETCH(int, expected);
    QList<int> forms;
    QList<int> codes;
    for (const QString &key : keys) {
        CNetworkSetting setting;
        setting.m_securityMode = mode;
        setting.m_networkKey = key;
        forms.append(CheckKeyLength(key, mode));
        codes.append(CheckWirelessKey(setting));
    }
    QCOMPARE(forms, QList<int>(keys.size(), lengthForm));
    QCOMPARE(codes, QList<int>(keys.size(), expected));
}

void TestValidators::textRules_data()
{
    // Every text of a row follows the same rule.
    QTest::addColumn<Rule>("rule");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("expected");

    QTest::newRow("SSID outside 1..32 chars, length before characters")
        << Ssid << QStringList { QString(), Chars(33), QChar(0x0100) + Chars(32) } << -1;
    QTest::newRow("SSID of 1..32 Latin-1 chars")
        << Ssid << QStringList { Chars(1), Chars(32), QStringLiteral("a\t\u00ff") } << 0;
    QTest::newRow("SSID with a char above 255") << Ssid << Texts(u"abc\u0100") << -2;

    QTest::newRow("printable 32..126 and 160..255") << Printable << Texts(u"| ~\u00a0\u00ff") << 0;
    QTest::newRow("printable refuses 0..31, 127..159 and above 255")
        << Printable << Texts(u"a\u001fb|a\u007fb|a\u009fb|a\u0100b") + QStringList { Chars(1, 0) }
        << -2;

    QTest::newRow("empty proxy address is missing") << ProxyAddress << Texts(u"") << -6;
    QTest::newRow("proxy address of 1023 chars")
        << ProxyAddress << QStringList { Chars(1023) } << 0;
    QTest::newRow("proxy address of 1024 chars")
        << ProxyAddress << QStringList { Chars(1024) } << -1;
    QTest::newRow("proxy address characters before length")
        << ProxyAddress << QStringList { Chars(1023) + QChar(127) } << -2;

    QTest::newRow("empty port is missing") << ProxyPort << Texts(u"") << -6;
    QTest::newRow("port 1..65535 read as the C library reads it")
        << ProxyPort << Texts(u"1|65535|  +80x|00080") << 0;
    QTest::newRow("port outside 1..65535") << ProxyPort << Texts(u"0|65536|-80|http") << -5;
    QTest::newRow("port beyond 32 or 64 bits does not wrap into range")
        << ProxyPort << Texts(u"4294967376|18446744073709551696|-18446744073709551536") << -5;
    QTest::newRow("port with a char that is not printable")
        << ProxyPort << Texts(u"\t80|80\u0100") << -2;

    QTest::newRow("blank address is missing") << IpAddress << Texts(u"-.-.-.-") << -6;
    QTest::newRow("first octet 127, even partly filled")
        << IpAddress << Texts(u"127.0.0.1|127.-.-.-") << -5;
    QTest::newRow("other addresses, even partly filled")
        << IpAddress << Texts(u"126.255.255.255|128.0.0.1|0.0.0.0|10.1.-.-") << 0;

    QTest::newRow("device name with a letter, or digits and hyphens, or empty")
        << DeviceName << Texts(u"|Reader-01|1-2|-1") << 0;
    QTest::newRow("device name of digits only") << DeviceName << Texts(u"123|7") << -3;
    QTest::newRow("device name of hyphens only") << DeviceName << Texts(u"--") << -4;
    QTest::newRow("device name chars other than letters, digits and hyphen come first")
        << DeviceName << Texts(u"n\u00e9|12_3|a.b") << -2;

    QTest::newRow("user ID of letters, digits, _ and -") << UserId << Texts(u"|Ab1_-|123") << 0;
    QTest::newRow("user ID with other chars") << UserId << Texts(u"a.b|j\u00f6|a b") << -2;
}

void TestValidators::textRules()
{
    QFETCH(Rule, rule);
    QFETCH(QStringList, texts);
    QFETCH(int, expected);
    QList<int> codes;
    for (const QString &text : texts)
        codes.append(Check(rule, text));
    QCOMPARE(codes, QList<int>(texts.size(), expected));
}

QTEST_GUILESS_MAIN(TestValidators)
#include "tst_validators.moc"
