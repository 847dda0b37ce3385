#include "HostLocale.h"

#include <QTest>

class TestHostLocale : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lcidForLocaleName_data();
    void lcidForLocaleName();
    void environmentPrecedence_data();
    void environmentPrecedence();
};

void TestHostLocale::lcidForLocaleName_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<quint32>("lcid");
    QTest::newRow("Spanish (Spain)") << QByteArray("es_ES.UTF-8") << quint32(0x0C0A);
    QTest::newRow("Spanish (United States)") << QByteArray("es_US") << quint32(0x540A);
    QTest::newRow("Spanish (Mexico)") << QByteArray("es_MX.utf8") << quint32(0x080A);
    QTest::newRow("Norwegian Bokmal") << QByteArray("nb_NO.UTF-8") << quint32(0x0414);
    QTest::newRow("Norwegian Nynorsk") << QByteArray("nn_NO") << quint32(0x0814);
    QTest::newRow("Chinese (Taiwan)") << QByteArray("zh_TW.UTF-8") << quint32(0x0404);
    QTest::newRow("Chinese (Macao)") << QByteArray("zh_MO") << quint32(0x1404);
    QTest::newRow("Chinese (PRC)") << QByteArray("zh_CN.GB18030") << quint32(0x0804);
    QTest::newRow("French (Monaco)") << QByteArray("fr_MC") << quint32(0x180C);
    QTest::newRow("German (Germany)") << QByteArray("de_DE.UTF-8") << quint32(0x0407);
    QTest::newRow("German with modifier") << QByteArray("de_DE@euro") << quint32(0x0407);
    QTest::newRow("Portuguese (Brazil)") << QByteArray("pt_BR") << quint32(0x0416);
    QTest::newRow("language only takes its main country") << QByteArray("fr") << quint32(0x040C);
    QTest::newRow("unknown country keeps the language") << QByteArray("de_XX") << quint32(0x0407);
    QTest::newRow("dash instead of underscore") << QByteArray("it-CH") << quint32(0x0810);
    QTest::newRow("C") << QByteArray("C") << quint32(0x0409);
    QTest::newRow("C.UTF-8") << QByteArray("C.UTF-8") << quint32(0x0409);
    QTest::newRow("POSIX") << QByteArray("POSIX") << quint32(0x0409);
    QTest::newRow("empty") << QByteArray() << quint32(0x0409);
    QTest::newRow("unknown language") << QByteArray("xx_YY") << quint32(0x0409);
}

void TestHostLocale::lcidForLocaleName()
{
    QFETCH(QByteArray, name);
    QFETCH(quint32, lcid);
    QCOMPARE(LcidForLocaleName(name), lcid);
}

void TestHostLocale::environmentPrecedence_data()
{
    QTest::addColumn<QByteArray>("lcAll");
    QTest::addColumn<QByteArray>("lcMessages");
    QTest::addColumn<QByteArray>("lang");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("LC_ALL wins") << QByteArray("de_DE") << QByteArray("fr_FR") << QByteArray("it_IT")
                                 << QByteArray("de_DE");
    QTest::newRow("then LC_MESSAGES") << QByteArray() << QByteArray("fr_FR") << QByteArray("it_IT")
                                      << QByteArray("fr_FR");
    QTest::newRow("then LANG") << QByteArray() << QByteArray() << QByteArray("it_IT")
                               << QByteArray("it_IT");
    QTest::newRow("nothing set is C") << QByteArray() << QByteArray() << QByteArray()
                                      << QByteArray("C");
}

void TestHostLocale::environmentPrecedence()
{
    QFETCH(QByteArray, lcAll);
    QFETCH(QByteArray, lcMessages);
    QFETCH(QByteArray, lang);
    QFETCH(QByteArray, expected);
    const auto set = [](const char *name, const QByteArray &value) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    };
    set("LC_ALL", lcAll);
    set("LC_MESSAGES", lcMessages);
    set("LANG", lang);
    QCOMPARE(UserLocaleName(), expected);
    QCOMPARE(UserDefaultLcid(), LcidForLocaleName(expected));
}

QTEST_GUILESS_MAIN(TestHostLocale)
#include "tst_hostlocale.moc"
