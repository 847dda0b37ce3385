#include "Validators.h"

#include <QTest>

#include <limits>

namespace {

QString Chars(int count, char16_t c = u'a')
{
    return QString(count, QChar(c));
}

// `count` characters with `c` at position `at`.
QString CharsWith(int count, int at, char16_t c)
{
    QString text = Chars(count);
    text[at] = QChar(c);
    return text;
}

CNetworkSetting KeySetting(int mode, const QString &key)
{
    CNetworkSetting setting;
    setting.m_securityMode = mode;
    setting.m_networkKey = key;
    return setting;
}

} // namespace

class TestValidators : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checkKeyLength_data();
    void checkKeyLength();
    void checkWirelessKey_data();
    void checkWirelessKey();
    void checkLatin1AndHexChars_data();
    void checkLatin1AndHexChars();
    void checkSsid_data();
    void checkSsid();
    void checkProxyAddress_data();
    void checkProxyAddress();
    void checkProxyPort_data();
    void checkProxyPort();
    void leadingInteger_data();
    void leadingInteger();
    void checkIpAddress_data();
    void checkIpAddress();
    void checkPrintableChars_data();
    void checkPrintableChars();
    void checkDeviceName_data();
    void checkDeviceName();
    void checkUserId_data();
    void checkUserId();
};

void TestValidators::checkKeyLength_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("expected");

    QTest::newRow("WEP 5 chars is character form") << 5 << 1 << 0;
    QTest::newRow("WEP 13 chars is character form") << 13 << 1 << 0;
    QTest::newRow("WEP 10 chars is hex form") << 10 << 1 << 1;
    QTest::newRow("WEP 26 chars is hex form") << 26 << 1 << 1;
    QTest::newRow("WEP empty key is a length error") << 0 << 1 << -1;
    QTest::newRow("WEP 4 chars is a length error") << 4 << 1 << -1;
    QTest::newRow("WEP 6 chars is a length error") << 6 << 1 << -1;
    QTest::newRow("WEP 11 chars is a length error") << 11 << 1 << -1;
    QTest::newRow("WEP 27 chars is a length error") << 27 << 1 << -1;
    for (int mode = 2; mode <= 5; ++mode) {
        QTest::addRow("WPA mode %d 7 chars too short", mode) << 7 << mode << -1;
        QTest::addRow("WPA mode %d 8 chars is character form", mode) << 8 << mode << 0;
        QTest::addRow("WPA mode %d 63 chars is character form", mode) << 63 << mode << 0;
        QTest::addRow("WPA mode %d 64 chars is hex form", mode) << 64 << mode << 1;
        QTest::addRow("WPA mode %d 65 chars too long", mode) << 65 << mode << -1;
    }
    QTest::newRow("mode 0 needs no key") << 0 << 0 << 1;
    QTest::newRow("mode 0 ignores a key of any length") << 7 << 0 << 1;
    QTest::newRow("mode 6 needs no key") << 3 << 6 << 1;
    QTest::newRow("negative mode needs no key") << 3 << -1 << 1;
}

void TestValidators::checkKeyLength()
{
    QFETCH(int, length);
    QFETCH(int, mode);
    QFETCH(int, expected);
    QCOMPARE(CheckKeyLength(Chars(length), mode), expected);
}

void TestValidators::checkWirelessKey_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("expected");

    QTest::newRow("WEP 5 letters is character form") << 1 << QStringLiteral("abcde") << 0;
    QTest::newRow("WEP 10 hex digits is hex form") << 1 << QStringLiteral("0123456789") << 1;
    QTest::newRow("WEP 26 hex digits of both cases")
        << 1 << QStringLiteral("0123456789abcdefABCDEF0123") << 1;
    QTest::newRow("WEP 10 chars with a letter beyond f") << 1 << QStringLiteral("01234g6789") << -2;
    QTest::newRow("WEP 6 chars is a length error") << 1 << QStringLiteral("abcdef") << -1;
    QTest::newRow("WEP 13 chars with a character above 255") << 1 << CharsWith(13, 4, 0x0100) << -2;
    QTest::newRow("WEP character form allows control characters")
        << 1 << QStringLiteral("ab\tc\x01") << 0;
    QTest::newRow("WEP character form allows 255") << 1 << CharsWith(5, 0, 0x00FF) << 0;
    QTest::newRow("WPA 7 chars too short") << 2 << Chars(7) << -1;
    QTest::newRow("WPA 8 chars is character form") << 3 << Chars(8) << 0;
    QTest::newRow("WPA 63 chars is character form") << 4 << Chars(63) << 0;
    QTest::newRow("WPA 64 hex digits is hex form") << 5 << Chars(64, u'F') << 1;
    QTest::newRow("WPA 64 chars with one non-hex") << 2 << CharsWith(64, 63, u'g') << -2;
    QTest::newRow("WPA 65 chars too long") << 4 << Chars(65) << -1;
    QTest::newRow("WPA character form with a character above 255")
        << 3 << CharsWith(20, 19, 0x20AC) << -2;
    QTest::newRow("mode 0 with an empty key") << 0 << QString() << 1;
    QTest::newRow("mode 0 with an absurd key") << 0 << CharsWith(200, 3, 0xFFFF) << 1;
    QTest::newRow("mode above 5 looks at no key") << 6 << QStringLiteral("x") << 1;
    QTest::newRow("negative mode looks at no key") << -3 << QString() << 1;
}

void TestValidators::checkWirelessKey()
{
    QFETCH(int, mode);
    QFETCH(QString, key);
    QFETCH(int, expected);
    QCOMPARE(CheckWirelessKey(KeySetting(mode, key)), expected);
}

void TestValidators::checkLatin1AndHexChars_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("latin1");
    QTest::addColumn<int>("hex");

    QTest::newRow("empty text passes both") << QString() << 0 << 0;
    QTest::newRow("all hex digits") << QStringLiteral("09afAF") << 0 << 0;
    QTest::newRow("g is Latin-1 but not hex") << QStringLiteral("0g") << 0 << -2;
    QTest::newRow("G is Latin-1 but not hex") << QStringLiteral("G0") << 0 << -2;
    QTest::newRow("control character is Latin-1") << QStringLiteral("\x01") << 0 << -2;
    QTest::newRow("255 is Latin-1") << CharsWith(1, 0, 0x00FF) << 0 << -2;
    QTest::newRow("256 is not Latin-1") << CharsWith(1, 0, 0x0100) << -2 << -2;
}

void TestValidators::checkLatin1AndHexChars()
{
    QFETCH(QString, text);
    QFETCH(int, latin1);
    QFETCH(int, hex);
    QCOMPARE(CheckLatin1Chars(text), latin1);
    QCOMPARE(CheckHexChars(text), hex);
}

void TestValidators::checkSsid_data()
{
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<int>("expected");

    QTest::newRow("empty SSID is a length error") << QString() << -1;
    QTest::newRow("1 char passes") << Chars(1) << 0;
    QTest::newRow("32 chars pass") << Chars(32) << 0;
    QTest::newRow("33 chars are a length error") << Chars(33) << -1;
    QTest::newRow("character 256 is refused") << CharsWith(10, 9, 0x0100) << -2;
    QTest::newRow("character 255 passes") << CharsWith(10, 9, 0x00FF) << 0;
    QTest::newRow("tab character passes") << QStringLiteral("my\tnet") << 0;
    QTest::newRow("length is checked before characters") << CharsWith(33, 0, 0x0100) << -1;
}

void TestValidators::checkSsid()
{
    QFETCH(QString, ssid);
    QFETCH(int, expected);
    QCOMPARE(CheckSsid(ssid), expected);
}

void TestValidators::checkProxyAddress_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("expected");

    QTest::newRow("empty address is missing") << QString() << -6;
    QTest::newRow("host name passes") << QStringLiteral("proxy.example.net") << 0;
    QTest::newRow("1023 printable chars pass") << Chars(1023) << 0;
    QTest::newRow("1024 printable chars are too long") << Chars(1024) << -1;
    QTest::newRow("character 127 is refused") << CharsWith(10, 5, 0x007F) << -2;
    QTest::newRow("character check wins over length") << CharsWith(1024, 1000, 0x007F) << -2;
    QTest::newRow("space passes") << QStringLiteral("a b") << 0;
    QTest::newRow("character 31 is refused") << CharsWith(3, 1, 0x001F) << -2;
    QTest::newRow("character 159 is refused") << CharsWith(3, 1, 0x009F) << -2;
    QTest::newRow("character 160 passes") << CharsWith(3, 1, 0x00A0) << 0;
    QTest::newRow("character 255 passes") << CharsWith(3, 1, 0x00FF) << 0;
    QTest::newRow("character 256 is refused") << CharsWith(3, 1, 0x0100) << -2;
}

void TestValidators::checkProxyAddress()
{
    QFETCH(QString, address);
    QFETCH(int, expected);
    CNetworkSetting setting;
    setting.m_proxyAddress = address;
    QCOMPARE(CheckProxyAddress(setting), expected);
}

void TestValidators::checkProxyPort_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<int>("expected");

    QTest::newRow("empty port is missing") << QString() << -6;
    QTest::newRow("port 0 is out of range") << QStringLiteral("0") << -5;
    QTest::newRow("port 1 passes") << QStringLiteral("1") << 0;
    QTest::newRow("port 8080 passes") << QStringLiteral("8080") << 0;
    QTest::newRow("port 65535 passes") << QStringLiteral("65535") << 0;
    QTest::newRow("port 65536 is out of range") << QStringLiteral("65536") << -5;
    QTest::newRow("trailing letter is ignored") << QStringLiteral("80x") << 0;
    QTest::newRow("leading blanks are skipped") << QStringLiteral("  80") << 0;
    QTest::newRow("plus sign is read") << QStringLiteral("+80") << 0;
    QTest::newRow("negative port is out of range") << QStringLiteral("-80") << -5;
    QTest::newRow("no digits reads as 0") << QStringLiteral("http") << -5;
    QTest::newRow("leading zeros are read") << QStringLiteral("00080") << 0;
    QTest::newRow("tab is not printable") << QStringLiteral("\t80") << -2;
    QTest::newRow("character 256 is refused") << QStringLiteral("80") + QChar(0x0100) << -2;
    QTest::newRow("huge value does not wrap into range")
        << QStringLiteral("18446744073709551696") << -5; // 2^64 + 80
    QTest::newRow("value above 32 bits does not wrap into range")
        << QStringLiteral("4294967376") << -5; // 2^32 + 80
    QTest::newRow("huge negative value does not wrap into range")
        << QStringLiteral("-18446744073709551536") << -5; // -(2^64 - 80)
}

void TestValidators::checkProxyPort()
{
    QFETCH(QString, port);
    QFETCH(int, expected);
    CNetworkSetting setting;
    setting.m_proxyPort = port;
    QCOMPARE(CheckProxyPort(setting), expected);
}

void TestValidators::leadingInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qlonglong>("expected");

    constexpr long highest = std::numeric_limits<long>::max();
    constexpr long lowest = std::numeric_limits<long>::min();
    QTest::newRow("empty text is 0") << QString() << qlonglong(0);
    QTest::newRow("digits then letters") << QStringLiteral("42abc") << qlonglong(42);
    QTest::newRow("white space of every kind is skipped")
        << QStringLiteral(" \t\n\v\f\r7") << qlonglong(7);
    QTest::newRow("minus sign") << QStringLiteral("-17") << qlonglong(-17);
    QTest::newRow("plus sign") << QStringLiteral("+5") << qlonglong(5);
    QTest::newRow("sign alone is 0") << QStringLiteral("-") << qlonglong(0);
    QTest::newRow("blank after the sign stops") << QStringLiteral("- 5") << qlonglong(0);
    QTest::newRow("letter first is 0") << QStringLiteral("x5") << qlonglong(0);
    QTest::newRow("dot ends the number") << QStringLiteral("4.5") << qlonglong(4);
    QTest::newRow("too large clamps at the top")
        << QStringLiteral("999999999999999999999999") << qlonglong(highest);
    QTest::newRow("too small clamps at the bottom")
        << QStringLiteral("-999999999999999999999999") << qlonglong(lowest);
    QTest::newRow("largest value is exact") << QString::number(highest) << qlonglong(highest);
    QTest::newRow("smallest value is exact") << QString::number(lowest) << qlonglong(lowest);
}

void TestValidators::leadingInteger()
{
    QFETCH(QString, text);
    QFETCH(qlonglong, expected);
    QCOMPARE(qlonglong(LeadingInteger(text)), expected);
}

void TestValidators::checkIpAddress_data()
{
    // Four parts as an address control gives them, -1 for a blank part.
    QTest::addColumn<QList<int>>("parts");
    QTest::addColumn<int>("expected");

    QTest::newRow("blank address is missing") << QList<int> { -1, -1, -1, -1 } << -6;
    QTest::newRow("loopback is out of range") << QList<int> { 127, 0, 0, 1 } << -5;
    QTest::newRow("0.0.0.0 typed in full passes") << QList<int> { 0, 0, 0, 0 } << 0;
    QTest::newRow("ordinary address passes") << QList<int> { 192, 168, 0, 20 } << 0;
    QTest::newRow("126 is not loopback") << QList<int> { 126, 255, 255, 255 } << 0;
    QTest::newRow("128 is not loopback") << QList<int> { 128, 0, 0, 1 } << 0;
    QTest::newRow("partly filled address passes") << QList<int> { 10, 1, -1, -1 } << 0;
    QTest::newRow("blank first part counts as 0") << QList<int> { -1, 5, -1, -1 } << 0;
    QTest::newRow("partly filled loopback is out of range") << QList<int> { 127, -1, -1, -1 } << -5;
}

void TestValidators::checkIpAddress()
{
    QFETCH(QList<int>, parts);
    QFETCH(int, expected);
    CNetworkSetting setting;
    for (int i = 0; i < 4; ++i) {
        if (parts[i] >= 0) {
            setting.m_ipAddress.m_octets[size_t(i)] = std::uint8_t(parts[i]);
            ++setting.m_ipAddress.m_filledParts;
        }
    }
    QCOMPARE(CheckIpAddress(setting), expected);
}

void TestValidators::checkPrintableChars_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");

    QTest::newRow("empty text passes") << QString() << 0;
    QTest::newRow("space passes") << CharsWith(1, 0, 32) << 0;
    QTest::newRow("tilde 126 passes") << CharsWith(1, 0, 126) << 0;
    QTest::newRow("31 is refused") << CharsWith(1, 0, 31) << -2;
    QTest::newRow("127 is refused") << CharsWith(1, 0, 127) << -2;
    QTest::newRow("159 is refused") << CharsWith(1, 0, 159) << -2;
    QTest::newRow("160 passes") << CharsWith(1, 0, 160) << 0;
    QTest::newRow("e with acute accent 233 passes") << QStringLiteral("caf") + QChar(0x00E9) << 0;
    QTest::newRow("255 passes") << CharsWith(1, 0, 255) << 0;
    QTest::newRow("256 is refused") << CharsWith(4, 3, 256) << -2;
    QTest::newRow("NUL is refused") << CharsWith(4, 0, 0) << -2;
}

void TestValidators::checkPrintableChars()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(CheckPrintableChars(text), expected);
}

void TestValidators::checkDeviceName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("expected");

    QTest::newRow("empty name passes here") << QString() << 0;
    QTest::newRow("digits only") << QStringLiteral("123") << -3;
    QTest::newRow("single digit") << QStringLiteral("7") << -3;
    QTest::newRow("hyphens only") << QStringLiteral("---") << -4;
    QTest::newRow("single hyphen") << QStringLiteral("-") << -4;
    QTest::newRow("digit hyphen digit") << QStringLiteral("1-2") << 0;
    QTest::newRow("hyphen then digit") << QStringLiteral("-1") << 0;
    QTest::newRow("single letter") << QStringLiteral("a") << 0;
    QTest::newRow("letters digits and hyphen") << QStringLiteral("Reader-01") << 0;
    QTest::newRow("upper-case letters") << QStringLiteral("NAS") << 0;
    QTest::newRow("underscore is refused") << QStringLiteral("my_nas") << -2;
    QTest::newRow("blank is refused") << QStringLiteral("my nas") << -2;
    QTest::newRow("full stop is refused") << QStringLiteral("nas.local") << -2;
    QTest::newRow("accented letter is refused") << QStringLiteral("n") + QChar(0x00E9) << -2;
    QTest::newRow("character refusal comes before digits only") << QStringLiteral("12_3") << -2;
}

void TestValidators::checkDeviceName()
{
    QFETCH(QString, name);
    QFETCH(int, expected);
    QCOMPARE(CheckDeviceName(name), expected);
}

void TestValidators::checkUserId_data()
{
    QTest::addColumn<QString>("userId");
    QTest::addColumn<int>("expected");

    QTest::newRow("empty user ID passes here") << QString() << 0;
    QTest::newRow("letters digit underscore and hyphen") << QStringLiteral("Ab1_-") << 0;
    QTest::newRow("digits only pass") << QStringLiteral("123") << 0;
    QTest::newRow("full stop at the start") << QStringLiteral(".ab") << -2;
    QTest::newRow("full stop at the end") << QStringLiteral("ab.") << -2;
    QTest::newRow("blank is refused") << QStringLiteral("a b") << -2;
    QTest::newRow("at sign is refused") << QStringLiteral("a@b") << -2;
    QTest::newRow("accented letter is refused") << QStringLiteral("j") + QChar(0x00F6) << -2;
}

void TestValidators::checkUserId()
{
    QFETCH(QString, userId);
    QFETCH(int, expected);
    QCOMPARE(CheckUserId(userId), expected);
}

QTEST_GUILESS_MAIN(TestValidators)
#include "tst_validators.moc"
