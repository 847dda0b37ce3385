#include "core/cipher/OemCodePage.h"
#include "core/cipher/RuntimeRandom.h"
#include "core/cipher/SecretCipher.h"

#include <QTest>

namespace {

const unsigned char *Bytes(const QByteArray &bytes)
{
    return reinterpret_cast<const unsigned char *>(bytes.constData());
}

} // namespace

class TestSecretCipher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { SetTickSource(nullptr), SetUserOemCodePage(0); }

    void aesMatchesNistVectors()
    {
        // NIST SP 800-38A F.2.1 (CBC-AES128), the first two blocks.
        const QByteArray key = QByteArray::fromHex("2b7e151628aed2a6abf7158809cf4f3c");
        const QByteArray iv = QByteArray::fromHex("000102030405060708090a0b0c0d0e0f");
        const QByteArray plain = QByteArray::fromHex(
            "6bc1bee22e409f96e93d7e117393172aae2d8a571e03ac9c9eb76fac45af8e51");
        const QByteArray cipher = QByteArray::fromHex(
            "7649abac8119b246cee98e9b12e9197d5086cb9b507219ee95db113a917678b2");
        QByteArray out(plain.size(), '\0');
        auto *to = reinterpret_cast<unsigned char *>(out.data());
        QVERIFY(AesCbc128(true, Bytes(key), Bytes(iv), Bytes(plain), int(plain.size()), to));
        QCOMPARE(out.toHex(), cipher.toHex());
    }

    // Tick 50 over the first draw after seed 1 (41) seeds 1 again; the IV's bytes are the next
    // 16 draws of the Windows C runtime divided by 255.
    void ivComesFromOneDrawAndTheTick()
    {
        SetTickSource([] { return quint32(50); });
        RuntimeRandom::Seed(1);
        QString out;
        QVERIFY(EncryptSecret(u"key", out));
        QCOMPARE(out.left(32), QStringLiteral("004818674B3D2D73695F166E5B412701"));
    }

    // Behind the IV, the secret's bytes in the locale's code page, zero-filled to whole blocks.
    void sealing_data()
    {
        QTest::addColumn<quint32>("lcid");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("digits"); // 0: refused
        QTest::newRow("16 bytes: one block, no padding block")
            << 0x0409u << QString(16, u'x') << QByteArray(16, 'x') << 64;
        QTest::newRow("English (United Kingdom) is 850: e acute is 0x82, o slash 0x9B")
            << 0x0809u << QStringLiteral("Caf\u00e9-n\u00f8gle-with-twenty-bytes")
            << QByteArray("Caf\x82-n\x9Bgle-with-twenty-bytes") << 96;
        QTest::newRow("a sort order keeps German at 850; 300 bytes take rounds of the converter")
            << 0x10407u << QString(300, QChar(0xe9)) << QByteArray(300, '\x82') << 640;
        QTest::newRow("Chinese (PRC) is 936: 241 characters are 482 bytes, refused")
            << 0x0804u << QString(241, QChar(0x4E2D)) << QByteArray() << 0;
    }
    void sealing()
    {
        QFETCH(quint32, lcid);
        QFETCH(QString, plain);
        QFETCH(QByteArray, bytes);
        QFETCH(int, digits);
        SetUserOemCodePage(OemCodePageForLcid(lcid));
        QString out(1000, u'Z');
        QCOMPARE(EncryptSecret(plain, out), digits != 0);
        if (digits == 0) {
            QCOMPARE(out, QString(1000, u'Z'));
            return;
        }
        QCOMPARE(out.size(), digits);
        const QByteArray key = QByteArray::fromHex(MERIDOCK_DEVICE_KEY_HEX);
        const QByteArray sealed = QByteArray::fromHex(out.toLatin1());
        QByteArray opened(sealed.size() - 16, '\0');
        QVERIFY(AesCbc128(false, Bytes(key), Bytes(sealed), Bytes(sealed) + 16, int(opened.size()),
            reinterpret_cast<unsigned char *>(opened.data())));
        QCOMPARE(opened, bytes + QByteArray(opened.size() - bytes.size(), '\0'));
        // Opening reads either case and ignores an odd last digit, as the device's side does.
        QString text(1000, u'p');
        QVERIFY(DecryptSecret(out.toLower() + u'7', text));
        QCOMPARE(text, plain);
        QVERIFY(!DecryptSecret(out.left(32), text));
        QCOMPARE(text, plain);
    }

    // Any character that is no hex digit reads as a nibble of 0, as on the device.
    void openingReadsEveryCharacterAsANibble()
    {
        const QByteArray plain("ASCII-secret-of-twenty-nine-b");
        const QByteArray key = QByteArray::fromHex(MERIDOCK_DEVICE_KEY_HEX);
        const QByteArray padded = plain.leftJustified(32, '\0');
        const unsigned char zeroIv[16] = {};
        QByteArray cipher(32, '\0');
        QVERIFY(AesCbc128(true, Bytes(key), zeroIv, Bytes(padded), 32,
            reinterpret_cast<unsigned char *>(cipher.data())));
        QString opened;
        QVERIFY(DecryptSecret(QStringLiteral("/:@G`g \x01\x7f~zZ.-_,/:@G`g \x01\x7f~zZ.-_,")
                + QString::fromLatin1(cipher.toHex()),
            opened));
        QCOMPARE(opened, QString::fromLatin1(plain));
    }

    void codePage_data()
    {
        QTest::addColumn<quint32>("lcid");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("encodes"); // otherwise the bytes decode to the text
        QTest::newRow("an unknown language is 437: base letter, else ?, one for a surrogate pair")
            << 0x0477u << QStringLiteral("\u0105\u20ac\U0001F600") << QByteArray("a??") << true;
        QTest::newRow("Vietnamese is 1258: a held-back letter precedes a ?; the last is not lost")
            << 0x042Au << QStringLiteral("\u00e0?\u00e0") << QByteArray("\xE0\x81\xE0") << false;
    }
    void codePage()
    {
        QFETCH(quint32, lcid);
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, encodes);
        const unsigned codePage = OemCodePageForLcid(lcid);
        if (encodes)
            QCOMPARE(ToOemBytes(text, codePage), bytes);
        else
            QCOMPARE(FromOemBytes(bytes, codePage), text);
    }
};

QTEST_GUILESS_MAIN(TestSecretCipher)
#include "tst_secretcipher.moc"
