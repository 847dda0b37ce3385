#include "OemCodePage.h"
#include "RuntimeRandom.h"
#include "SecretCipher.h"

#include <QRegularExpression>
#include <QTest>

namespace {

quint32 g_tick = 0;
quint32 FixedTick()
{
    return g_tick;
}

// The IV generator as documented, written out independently of the code under test.
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

constexpr int Encodes = 1, Decodes = 2, Both = Encodes | Decodes;

const unsigned char *Bytes(const QByteArray &bytes)
{
    return reinterpret_cast<const unsigned char *>(bytes.constData());
}

} // namespace

class TestSecretCipher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        SetTickSource(nullptr);
        SetUserOemCodePage(0);
    }

    void generatorMatchesTheWindowsRuntime()
    {
        // The first draws of the Windows C runtime after srand(1).
        RuntimeRandom::Seed(1);
        for (int value : { 41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464 })
            QCOMPARE(RuntimeRandom::Draw(), value);
    }

    void ivComesFromOneDrawAndTheTick_data()
    {
        QTest::addColumn<quint32>("state");
        QTest::addColumn<quint32>("tick");
        QTest::newRow("after seed 1") << 1u << 123456789u;
        // The state whose next step is 0: s * 214013 + 2531011 == 0 (mod 2^32).
        quint32 inverse = 1;
        for (int i = 0; i < 5; ++i)
            inverse *= 2 - 214013u * inverse; // Newton's iteration for the inverse modulo 2^32
        QTest::newRow("a draw of 0 seeds with the tick alone")
            << (0u - 2531011u) * inverse << 5000u;
    }
    void ivComesFromOneDrawAndTheTick()
    {
        QFETCH(quint32, state);
        QFETCH(quint32, tick);
        g_tick = tick;
        SetTickSource(&FixedTick);
        RuntimeRandom::Seed(state);
        QString out;
        QCOMPARE(EncryptSecret(u"key", out), 1);
        QCOMPARE(
            QByteArray::fromHex(out.left(32).toLatin1()).toHex(), ExpectedIv(state, tick).toHex());
    }

    // What the device opens: behind the IV, the secret's bytes in the code page, zero-filled to
    // whole blocks under the device key.
    void sealing_data()
    {
        QTest::addColumn<unsigned>("codePage");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("digits"); // 0: refused
        QTest::newRow("16 bytes: one block, no padding block")
            << 437u << QString(16, u'x') << QByteArray(16, 'x') << 64;
        QTest::newRow("850: e acute is 0x82, o slash 0x9B")
            << 850u << QStringLiteral("Caf\u00e9-n\u00f8gle-with-twenty-bytes")
            << QByteArray("Caf\x82-n\x9Bgle-with-twenty-bytes") << 96;
        QTest::newRow("480 bytes: the longest accepted")
            << 437u << QString(480, u'x') << QByteArray(480, 'x') << 992;
        QTest::newRow("481 bytes: refused") << 437u << QString(481, u'x') << QByteArray() << 0;
        QTest::newRow("241 two-byte characters are 482 bytes: refused")
            << 936u << QString(241, QChar(0x4E2D)) << QByteArray() << 0;
    }
    void sealing()
    {
        QFETCH(unsigned, codePage);
        QFETCH(QString, plain);
        QFETCH(QByteArray, bytes);
        QFETCH(int, digits);
        SetUserOemCodePage(codePage);
        QString out = QStringLiteral("untouched");
        QCOMPARE(EncryptSecret(plain, out), digits ? 1 : 0);
        if (digits == 0) {
            QCOMPARE(out, QStringLiteral("untouched"));
            return;
        }
        QCOMPARE(out.size(), digits);
        static const QRegularExpression upperHex(QStringLiteral("^[0-9A-F]+$"));
        QVERIFY2(upperHex.match(out).hasMatch(), qPrintable(out));

        const QByteArray key = QByteArray::fromHex(MERIDOCK_DEVICE_KEY_HEX);
        const QByteArray sealed = QByteArray::fromHex(out.toLatin1());
        QByteArray opened(sealed.size() - 16, '\0');
        QVERIFY(AesCbc128(false, Bytes(key), Bytes(sealed), Bytes(sealed) + 16, int(opened.size()),
            reinterpret_cast<unsigned char *>(opened.data())));
        QCOMPARE(opened, bytes + QByteArray(opened.size() - bytes.size(), '\0'));
        QString text;
        QCOMPARE(DecryptSecret(out, text), 1);
        QCOMPARE(text, plain);
    }

    // Results are written into the caller's string: whatever it held before, and any copy sharing
    // its buffer, must not show through.
    void reusedResultStringsComeOutExact()
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

    void aesMatchesNistVectors()
    {
        // NIST SP 800-38A, F.2.1 and F.2.2 (CBC-AES128).
        const QByteArray key = QByteArray::fromHex("2b7e151628aed2a6abf7158809cf4f3c");
        const QByteArray iv = QByteArray::fromHex("000102030405060708090a0b0c0d0e0f");
        const QByteArray plain = QByteArray::fromHex(
            "6bc1bee22e409f96e93d7e117393172aae2d8a571e03ac9c9eb76fac45af8e51"
            "30c81c46a35ce411e5fbc1191a0a52eff69f2445df4f9b17ad2b417be66c3710");
        const QByteArray cipher = QByteArray::fromHex(
            "7649abac8119b246cee98e9b12e9197d5086cb9b507219ee95db113a917678b2"
            "73bed6b8e3c1743b7116e69e222295163ff1caa1681fac09120eca307586e1a7");
        QByteArray out(plain.size(), '\0');
        auto *to = reinterpret_cast<unsigned char *>(out.data());
        QVERIFY(AesCbc128(true, Bytes(key), Bytes(iv), Bytes(plain), int(plain.size()), to));
        QCOMPARE(out.toHex(), cipher.toHex());
        QVERIFY(AesCbc128(false, Bytes(key), Bytes(iv), Bytes(cipher), int(cipher.size()), to));
        QCOMPARE(out.toHex(), plain.toHex());
        QVERIFY(!AesCbc128(true, Bytes(key), Bytes(iv), Bytes(plain), 15, to));
    }

    void openingRules_data()
    {
        QString sealed;
        QVERIFY(EncryptSecret(u"opened", sealed) == 1);
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("opens");
        QTest::newRow("upper-case as written") << sealed << true;
        QTest::newRow("lower-case digits open") << sealed.toLower() << true;
        QTest::newRow("a 65th digit is ignored") << sealed + u'7' << true;
        QTest::newRow("48 digits: not whole blocks") << sealed.left(48) << false;
        QTest::newRow("32 digits: IV without a block") << sealed.left(32) << false;
    }
    void openingRules()
    {
        QFETCH(QString, stored);
        QFETCH(bool, opens);
        QString out = QStringLiteral("untouched");
        QCOMPARE(DecryptSecret(stored, out), opens ? 1 : 0);
        QCOMPARE(out, opens ? QStringLiteral("opened") : QStringLiteral("untouched"));
    }

    void codePage_data()
    {
        QTest::addColumn<unsigned>("codePage");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("ways");
        QTest::newRow("437: e acute")
            << 437u << QStringLiteral("caf\u00e9") << QByteArray("caf\x82") << Both;
        QTest::newRow("932: two bytes")
            << 932u << QStringLiteral("\u30cd") << QByteArray("\x83\x6C") << Both;
        QTest::newRow("ASCII as it is, \\ and ~ in 932 too")
            << 932u << QStringLiteral("a\\b~") << QByteArray("a\\b~") << Both;
        QTest::newRow("more than one round of the converter")
            << 850u << QString(300, QChar(0xe9)) << QByteArray(300, '\x82') << Both;
        QTest::newRow("437 lacks a ogonek: base letter")
            << 437u << QStringLiteral("\u0105") << QByteArray("a") << Encodes;
        QTest::newRow("437 lacks the euro sign: ?")
            << 437u << QStringLiteral("\u20ac") << QByteArray("?") << Encodes;
        QTest::newRow("outside the BMP: one ?")
            << 850u << QStringLiteral("\U0001F600") << QByteArray("?") << Encodes;
        QTest::newRow("932: a lone lead byte at the end is one ?")
            << 932u << QStringLiteral("a?") << QByteArray("a\x83") << Decodes;
        QTest::newRow("932: a pair that is no character gives ? for its first byte, then goes on")
            << 932u << QStringLiteral("a? b\u30cd") << QByteArray("a\x83 b\x83\x6C") << Decodes;
        QTest::newRow("1258: the last letter is not lost")
            << 1258u << QStringLiteral("x\u00e0") << QByteArray("x\xE0") << Decodes;
        QTest::newRow("1258: a letter held back comes before the ? of the byte after it")
            << 1258u << QStringLiteral("\u00e0?b") << QByteArray("\xE0\x81\x62") << Decodes;
    }
    void codePage()
    {
        QFETCH(unsigned, codePage);
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(int, ways);
        if (ways & Encodes)
            QCOMPARE(ToOemBytes(text, codePage), bytes);
        if (ways & Decodes)
            QCOMPARE(FromOemBytes(bytes, codePage), text);
    }
    void codePageForLocale_data()
    {
        QTest::addColumn<quint32>("lcid");
        QTest::addColumn<unsigned>("codePage");
        QTest::newRow("English (United States)") << quint32(0x0409) << 437u;
        QTest::newRow("English (United Kingdom)") << quint32(0x0809) << 850u;
        QTest::newRow("a sort order does not change it") << quint32(0x10407) << 850u;
        QTest::newRow("Chinese (Taiwan)") << quint32(0x0404) << 950u;
        QTest::newRow("unknown language") << quint32(0x0477) << 437u;
    }
    void codePageForLocale()
    {
        QFETCH(quint32, lcid);
        QFETCH(unsigned, codePage);
        QCOMPARE(OemCodePageForLcid(lcid), codePage);
    }
};

QTEST_GUILESS_MAIN(TestSecretCipher)
#include "tst_secretcipher.moc"
