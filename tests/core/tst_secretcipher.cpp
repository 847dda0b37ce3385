#include "OemCodePage.h"
#include "RuntimeRandom.h"
#include "SecretCipher.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

quint32 g_tick = 0;
quint32 FixedTick()
{
    return g_tick;
}

// The generator as documented, written out independently of the code under test.
QByteArray ExpectedIv(quint32 state, quint32 tick)
{
    auto draw = [&state] {
        state = state * 214013u + 2531011u;
        return int((state >> 16) & 0x7FFF);
    };
    const int d = draw();
    state = d ? tick / quint32(d) : tick;
    QByteArray iv;
    for (int i = 0; i < 16; ++i)
        iv.append(char(draw() / 255));
    return iv;
}

QByteArray Hex(const char *text)
{
    return QByteArray::fromHex(text);
}

} // namespace

class TestSecretCipher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void generatorMatchesTheWindowsRuntime();
    void sealedLength_data();
    void sealedLength();
    void ivComesFromOneDrawAndTheTick();
    void ivDigitsReadAtMost80();
    void zeroDrawDoesNotDivideByZero();
    void twoSealingsDifferAndBothOpen();
    void reusedResultStringsComeOutExact();
    void independentToolOpensWhatWeSealed();
    void aesMatchesNistVectors();
    void openingRules_data();
    void openingRules();
    void codePageBytes_data();
    void codePageBytes();
    void textFromCodePage_data();
    void textFromCodePage();
    void secretsTravelInTheOemCodePage_data();
    void secretsTravelInTheOemCodePage();
    void codePageForLocale_data();
    void codePageForLocale();
};

void TestSecretCipher::init()
{
    SetUserOemCodePage(437);
}

void TestSecretCipher::cleanup()
{
    SetTickSource(nullptr);
    SetUserOemCodePage(0);
}

void TestSecretCipher::generatorMatchesTheWindowsRuntime()
{
    // The first draws of the Windows C runtime after srand(1).
    RuntimeRandom::Seed(1);
    const int expected[] = { 41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464 };
    for (int value : expected)
        QCOMPARE(RuntimeRandom::Draw(), value);
}

void TestSecretCipher::sealedLength_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<int>("digits");
    QTest::newRow("5 characters: IV and one block") << QStringLiteral("abcde") << 64;
    QTest::newRow("16 characters: no extra block") << QString(16, u'x') << 64;
    QTest::newRow("17 characters: two blocks") << QString(17, u'x') << 96;
    QTest::newRow("480 bytes: the longest accepted") << QString(480, u'x') << 992;
    QTest::newRow("empty: the IV alone") << QString() << 32;
    QTest::newRow("481 bytes: refused") << QString(481, u'x') << 0;
    QTest::newRow("240 two-byte characters fit") << QString(240, QChar(0x4E2D)) << 0;
}

void TestSecretCipher::sealedLength()
{
    QFETCH(QString, plain);
    QFETCH(int, digits);
    if (plain.startsWith(QChar(0x4E2D))) {
        SetUserOemCodePage(936); // two bytes a character: 480 bytes
        digits = 992;
    }
    QString out = QStringLiteral("untouched");
    const int result = EncryptSecret(plain, out);
    if (digits == 0) {
        QCOMPARE(result, 0);
        QCOMPARE(out, QStringLiteral("untouched"));
        return;
    }
    QCOMPARE(result, 1);
    QCOMPARE(out.size(), digits);
    for (const QChar c : out)
        QVERIFY2((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'), qPrintable(out));
}

void TestSecretCipher::ivComesFromOneDrawAndTheTick()
{
    g_tick = 123456789;
    SetTickSource(&FixedTick);
    RuntimeRandom::Seed(1);
    QString out;
    QCOMPARE(EncryptSecret(u"key", out), 1);
    QCOMPARE(QByteArray::fromHex(out.left(32).toLatin1()), ExpectedIv(1, g_tick));
    // Seventeen draws were taken, from the re-seeded state.
    QString again;
    RuntimeRandom::Seed(1);
    QCOMPARE(EncryptSecret(u"other", again), 1);
    QCOMPARE(again.left(32), out.left(32));
}

void TestSecretCipher::ivDigitsReadAtMost80()
{
    for (int i = 0; i < 200; ++i) {
        QString out;
        QCOMPARE(EncryptSecret(u"x", out), 1);
        for (int d = 0; d < 32; d += 2)
            QVERIFY2(out.mid(d, 2).toInt(nullptr, 16) <= 0x80, qPrintable(out));
    }
}

void TestSecretCipher::zeroDrawDoesNotDivideByZero()
{
    // The state whose next draw is 0: state * 214013 + 2531011 == 0 (mod 2^32).
    quint32 inverse = 1;
    for (int i = 0; i < 5; ++i)
        inverse *= 2 - 214013u * inverse; // Newton's iteration for the inverse modulo 2^32
    const quint32 state = (0u - 2531011u) * inverse;
    RuntimeRandom::Seed(state);
    g_tick = 5000;
    SetTickSource(&FixedTick);
    QString out;
    QCOMPARE(EncryptSecret(u"secret", out), 1);
    QCOMPARE(QByteArray::fromHex(out.left(32).toLatin1()), ExpectedIv(state, g_tick));
    QString plain;
    QCOMPARE(DecryptSecret(out, plain), 1);
    QCOMPARE(plain, QStringLiteral("secret"));
}

void TestSecretCipher::twoSealingsDifferAndBothOpen()
{
    QString first, second, plain;
    QCOMPARE(EncryptSecret(u"same secret", first), 1);
    QCOMPARE(EncryptSecret(u"same secret", second), 1);
    QVERIFY(first.left(32) != second.left(32));
    QCOMPARE(DecryptSecret(first, plain), 1);
    QCOMPARE(plain, QStringLiteral("same secret"));
    QCOMPARE(DecryptSecret(second, plain), 1);
    QCOMPARE(plain, QStringLiteral("same secret"));
}

// Results are written into the caller's string: whatever it held before, and any copy sharing
// its buffer, must not show through.
void TestSecretCipher::reusedResultStringsComeOutExact()
{
    QString sealed = QString(400, QChar(u'Z'));
    const QString copyOfSealed = sealed;
    QCOMPARE(EncryptSecret(u"short", sealed), 1);
    QCOMPARE(sealed.size(), 2 * (16 + 16));
    QCOMPARE(copyOfSealed, QString(400, QChar(u'Z')));

    QString plain = QString(300, QChar(u'p'));
    const QString copyOfPlain = plain;
    QCOMPARE(DecryptSecret(sealed, plain), 1);
    QCOMPARE(plain, QStringLiteral("short"));
    QCOMPARE(copyOfPlain, QString(300, QChar(u'p')));

    // A refused opening leaves the caller's string as it was.
    QCOMPARE(DecryptSecret(u"00", plain), 0);
    QCOMPARE(plain, QStringLiteral("short"));
}

void TestSecretCipher::independentToolOpensWhatWeSealed()
{
    const QString openssl = QStandardPaths::findExecutable(QStringLiteral("openssl"));
    if (openssl.isEmpty())
        QSKIP("the openssl command is not installed");
    SetUserOemCodePage(850);
    const QString secret = QString::fromUtf8("Caf\u00e9-n\u00f8gle-with-twenty-bytes");
    QString sealed;
    QCOMPARE(EncryptSecret(secret, sealed), 1);
    QCOMPARE(sealed.size(), 2 * (16 + 32));

    QProcess tool;
    tool.start(openssl,
               { QStringLiteral("enc"), QStringLiteral("-d"), QStringLiteral("-aes-128-cbc"),
                 QStringLiteral("-nopad"), QStringLiteral("-K"),
                 QStringLiteral(MERIDOCK_DEVICE_KEY_HEX), QStringLiteral("-iv"), sealed.left(32) });
    QVERIFY(tool.waitForStarted());
    tool.write(QByteArray::fromHex(sealed.mid(32).toLatin1()));
    tool.closeWriteChannel();
    QVERIFY(tool.waitForFinished());
    QCOMPARE(tool.exitCode(), 0);
    // Code page 850: e acute is 0x82, o slash 0x9B; then zero fill up to 32 bytes.
    QByteArray expected = "Caf\x82-n\x9Bgle-with-twenty-bytes";
    expected.append(32 - expected.size(), '\0');
    QCOMPARE(tool.readAllStandardOutput(), expected);
}

void TestSecretCipher::aesMatchesNistVectors()
{
    // NIST SP 800-38A, F.2.1 and F.2.2 (CBC-AES128).
    const QByteArray key = Hex("2b7e151628aed2a6abf7158809cf4f3c");
    const QByteArray iv = Hex("000102030405060708090a0b0c0d0e0f");
    const QByteArray plain = Hex("6bc1bee22e409f96e93d7e117393172aae2d8a571e03ac9c9eb76fac45af8e51"
                                 "30c81c46a35ce411e5fbc1191a0a52eff69f2445df4f9b17ad2b417be66c3710");
    const QByteArray cipher = Hex("7649abac8119b246cee98e9b12e9197d5086cb9b507219ee95db113a917678b2"
                                  "73bed6b8e3c1743b7116e69e222295163ff1caa1681fac09120eca307586e1a7");
    auto u = [](const QByteArray &b) { return reinterpret_cast<const unsigned char *>(b.constData()); };
    QByteArray out(plain.size(), '\0');
    QVERIFY(AesCbc128(true, u(key), u(iv), u(plain), int(plain.size()),
                      reinterpret_cast<unsigned char *>(out.data())));
    QCOMPARE(out.toHex(), cipher.toHex());
    QVERIFY(AesCbc128(false, u(key), u(iv), u(cipher), int(cipher.size()),
                      reinterpret_cast<unsigned char *>(out.data())));
    QCOMPARE(out.toHex(), plain.toHex());
    QVERIFY(!AesCbc128(true, u(key), u(iv), u(plain), 15, reinterpret_cast<unsigned char *>(out.data())));
}

void TestSecretCipher::openingRules_data()
{
    QString sealed;
    QVERIFY(EncryptSecret(u"opened", sealed) == 1);
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("opens");
    QTest::newRow("upper-case as written") << sealed << true;
    QTest::newRow("lower-case digits open") << sealed.toLower() << true;
    QTest::newRow("a 65th digit is ignored") << sealed + u'7' << true;
    QTest::newRow("48 digits: not whole blocks") << sealed.left(48) << false;
    QTest::newRow("62 digits: not whole blocks") << sealed.left(62) << false;
    QTest::newRow("32 digits: IV without a block") << sealed.left(32) << false;
    QTest::newRow("empty") << QString() << false;
}

void TestSecretCipher::openingRules()
{
    QFETCH(QString, stored);
    QFETCH(bool, opens);
    QString out = QStringLiteral("untouched");
    QCOMPARE(DecryptSecret(stored, out), opens ? 1 : 0);
    QCOMPARE(out, opens ? QStringLiteral("opened") : QStringLiteral("untouched"));
}

void TestSecretCipher::codePageBytes_data()
{
    QTest::addColumn<unsigned>("codePage");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("437: e acute") << 437u << QString::fromUtf8("\u00e9") << QByteArray("\x82");
    QTest::newRow("437 lacks a ogonek: base letter") << 437u << QString::fromUtf8("\u0105")
                                                     << QByteArray("a");
    QTest::newRow("852 has a ogonek") << 852u << QString::fromUtf8("\u0105") << QByteArray("\xA5");
    QTest::newRow("437 lacks the euro sign: ?") << 437u << QString::fromUtf8("\u20ac")
                                                << QByteArray("?");
    QTest::newRow("866: Cyrillic") << 866u << QString::fromUtf8("\u0416") << QByteArray("\x86");
    QTest::newRow("932: katakana, two bytes") << 932u << QString::fromUtf8("\u30cd")
                                              << QByteArray("\x83\x6C");
    QTest::newRow("936: hanzi, two bytes") << 936u << QString::fromUtf8("\u4e2d")
                                           << QByteArray("\xD6\xD0");
    QTest::newRow("outside the BMP: one ?") << 850u << QString::fromUtf8("\U0001F600")
                                            << QByteArray("?");
    QTest::newRow("ASCII unchanged") << 932u << QStringLiteral("a\\b~") << QByteArray("a\\b~");
}

void TestSecretCipher::codePageBytes()
{
    QFETCH(unsigned, codePage);
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(ToOemBytes(text, codePage), bytes);
}

void TestSecretCipher::secretsTravelInTheOemCodePage_data()
{
    QTest::addColumn<unsigned>("codePage");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("opened");
    QTest::newRow("e acute comes back") << 437u << QString::fromUtf8("caf\u00e9")
                                        << QString::fromUtf8("caf\u00e9");
    QTest::newRow("missing letter comes back as its base") << 437u << QString::fromUtf8("\u0105b")
                                                           << QStringLiteral("ab");
    QTest::newRow("missing sign comes back as ?") << 437u << QString::fromUtf8("1\u20ac")
                                                  << QStringLiteral("1?");
    QTest::newRow("Japanese in 932") << 932u << QString::fromUtf8("\u30cd\u30c3\u30c8")
                                     << QString::fromUtf8("\u30cd\u30c3\u30c8");
    QTest::newRow("Vietnamese in 1258 keeps its last letter")
        << 1258u << QString::fromUtf8("m\u1eadt kh\u1ea9u")
        << QString::fromUtf8("m\u1eadt kh\u1ea9u");
    QTest::newRow("more characters than one round of the converter")
        << 850u << QString(300, QChar(0xe9)) + u'!' << QString(300, QChar(0xe9)) + u'!';
    QTest::newRow("ASCII start, then Japanese in 932")
        << 932u << QString::fromUtf8("key-\u30cd\u30c3\u30c8-end")
        << QString::fromUtf8("key-\u30cd\u30c3\u30c8-end");
}

void TestSecretCipher::textFromCodePage_data()
{
    QTest::addColumn<unsigned>("codePage");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ASCII unchanged") << 932u << QByteArray("a\\b~") << QStringLiteral("a\\b~");
    QTest::newRow("437: e acute")
        << 437u << QByteArray("caf\x82") << QString::fromUtf8("caf\u00e9");
    QTest::newRow("932: a lone lead byte at the end is one ?")
        << 932u << QByteArray("a\x83") << QStringLiteral("a?");
    QTest::newRow("932: a pair that is no character gives ? for its first byte, then goes on")
        << 932u << QByteArray("a\x83 b\x83\x6C") << QString::fromUtf8("a? b\u30cd");
    QTest::newRow("1258: the last letter is not lost")
        << 1258u << QByteArray("x\xE0") << QString::fromUtf8("x\u00e0");
    QTest::newRow("1258: a letter held back comes before the ? of the byte after it")
        << 1258u << QByteArray("\xE0\x81" "b") << QString::fromUtf8("\u00e0?b");
    QTest::newRow("850: more bytes than one round of the converter")
        << 850u << QByteArray(300, '\x82') << QString(300, QChar(0xe9));
}

void TestSecretCipher::textFromCodePage()
{
    QFETCH(unsigned, codePage);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(FromOemBytes(bytes, codePage), text);
}

void TestSecretCipher::secretsTravelInTheOemCodePage()
{
    QFETCH(unsigned, codePage);
    QFETCH(QString, plain);
    QFETCH(QString, opened);
    SetUserOemCodePage(codePage);
    QString sealed, out;
    QCOMPARE(EncryptSecret(plain, sealed), 1);
    QCOMPARE(DecryptSecret(sealed, out), 1);
    QCOMPARE(out, opened);
}

void TestSecretCipher::codePageForLocale_data()
{
    QTest::addColumn<quint32>("lcid");
    QTest::addColumn<unsigned>("codePage");
    QTest::newRow("English (United States)") << quint32(0x0409) << 437u;
    QTest::newRow("English (United Kingdom)") << quint32(0x0809) << 850u;
    QTest::newRow("German") << quint32(0x0407) << 850u;
    QTest::newRow("German, phone-book sort") << quint32(0x10407) << 850u;
    QTest::newRow("French (Canada)") << quint32(0x0C0C) << 850u;
    QTest::newRow("Norwegian Nynorsk") << quint32(0x0814) << 850u;
    QTest::newRow("Polish") << quint32(0x0415) << 852u;
    QTest::newRow("Russian") << quint32(0x0419) << 866u;
    QTest::newRow("Japanese") << quint32(0x0411) << 932u;
    QTest::newRow("Chinese (PRC)") << quint32(0x0804) << 936u;
    QTest::newRow("Chinese (Taiwan)") << quint32(0x0404) << 950u;
    QTest::newRow("Chinese (Macao)") << quint32(0x1404) << 950u;
    QTest::newRow("unknown language") << quint32(0x0477) << 437u;
}

void TestSecretCipher::codePageForLocale()
{
    QFETCH(quint32, lcid);
    QFETCH(unsigned, codePage);
    QCOMPARE(OemCodePageForLcid(lcid), codePage);
}

QTEST_GUILESS_MAIN(TestSecretCipher)
#include "tst_secretcipher.moc"
