#include "core/model/Validators.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A key rule holds alike for each of its security modes.
enum Rule { Ssid, Printable, ProxyPort, WepKey, WpaKey, AnyKey };

// "a|b": the texts "a" and "b"; "x{n}" stands for n times x.
QStringList Texts(QStringView texts)
{
    static const QRegularExpression repeat(u"(.)\\{(\\d+)\\}"_s);
    QString text = texts.toString();
    for (QRegularExpressionMatch m = repeat.match(text); m.hasMatch(); m = repeat.match(text)) {
        const QString run(m.captured(2).toInt(), m.captured(1).front());
        text.replace(m.capturedStart(), m.capturedLength(), run);
    }
    return text.split(u'|');
}

} // namespace

class TestValidators : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rules_data()
    {
        // A load reads a key's hex form (ValidHexForm) and character form (Valid) differently.
        QTest::addColumn<Rule>("rule");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<ValidationCode>("expected");
        using Code = ValidationCode;
        const auto row = [](const char *name, Rule rule, QStringView texts, Code expected) {
            QTest::newRow(name) << rule << Texts(texts) << expected;
        };

        // The character form takes control characters and 255.
        row("WEP 5 or 13 chars is character form", WepKey, u"a{5}|a\t\x01\u00ffa{9}", Code::Valid);
        row("WEP 10 or 26 hex digits is hex form", WepKey, u"F{10}|0123456789abcdefABCDEF0123",
            Code::ValidHexForm);
        row("WEP of any other length", WepKey, u"|a{4}|a{6}|a{11}|a{27}|F{64}", Code::BadLength);
        row("WEP hex length with g", WepKey, u"01234g6789", Code::BadCharacter);
        row("WPA 8 or 63 chars is character form", WpaKey, u"a\t\x01\u00ffa{4}|a{63}", Code::Valid);
        row("WPA 7 or 65 chars", WpaKey, u"a{7}|a{65}", Code::BadLength);
        row("WPA 64 hex digits is hex form", WpaKey, u"F{64}", Code::ValidHexForm);
        row("WPA 64 chars with one non-hex", WpaKey, u"a{63}g", Code::BadCharacter);
        row("character form above 255", AnyKey, u"a{12}\u0100", Code::BadCharacter);

        row("SSID outside 1..32, length first", Ssid, u"|a{33}|\u0100a{32}", Code::BadLength);
        row("SSID of 1..32 Latin-1 chars", Ssid, u"a|a{32}|a\t\u00ff", Code::Valid);
        row("SSID with a char above 255", Ssid, u"abc\u0100", Code::BadCharacter);

        row("printable 32..126 and 160..255", Printable, u"| ~\u00a0\u00ff", Code::Valid);
        row("printable refuses 1..31, 127..159 and above 255", Printable,
            u"a\u0001b|a\u001fb|a\u007fb|a\u009fb|a\u0100b", Code::BadCharacter);

        row("port 1..65535 as C reads it", ProxyPort, u"1|65535|  +80x|00080", Code::Valid);
        row("port outside 1..65535, also beyond 32 or 64 bits", ProxyPort,
            u"0|65536|-80|http|4294967376|18446744073709551696|-18446744073709551536",
            Code::OutOfRange);
        row("port with a char not printable", ProxyPort, u"\t80|80\u0100", Code::BadCharacter);
    }

    void rules()
    {
        QFETCH(Rule, rule);
        QFETCH(QStringList, texts);
        QFETCH(ValidationCode, expected);
        QList<int> codes;
        for (const QString &text : texts) {
            CNetworkSetting setting;
            setting.m_networkKey = setting.m_proxyPort = text;
            const ValidationCode single[]
                = { CheckSsid(text), CheckPrintableChars(text), CheckProxyPort(setting) };
            if (rule < WepKey)
                codes.append(int(single[rule]));
            // A key rule holds alike for each of its security modes.
            for (setting.m_securityMode = 1; rule >= WepKey && setting.m_securityMode <= 5;
                 ++setting.m_securityMode)
                if (rule == AnyKey || (rule == WepKey) == (setting.m_securityMode == 1))
                    codes.append(int(CheckWirelessKey(setting)));
        }
        QCOMPARE(codes, QList<int>(codes.size(), int(expected)));
    }
};

QTEST_GUILESS_MAIN(TestValidators)
#include "tst_validators.moc"
