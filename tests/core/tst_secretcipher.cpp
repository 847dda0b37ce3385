#include "core/cipher/OemCodePage.h"
#include "core/cipher/RuntimeRandom.h"
#include "core/cipher/SecretCipher.h"

#include <QTest>

#include <openssl/opensslv.h>

#include <dlfcn.h>

const auto Bytes = [](const QByteArray &b) { return reinterpret_cast<const uchar *>(b.data()); };
const auto Out = [](QByteArray &b) { return reinterpret_cast<uchar *>(b.data()); };
const QByteArray kDeviceKey = QByteArray::fromHex(MERIDOCK_DEVICE_KEY_HEX);

class TestSecretCipher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { SetTickSource(nullptr), SetUserOemCodePage(0); }

    // First of all: nothing may have opened libcrypto before the first secret needs it.
    void libcryptoOpensWithTheFirstSecret()
    {
        const auto loaded = [] {
            void *handle = dlopen("libcrypto.so." QT_STRINGIFY(OPENSSL_SHLIB_VERSION),
                                  RTLD_LAZY | RTLD_NOLOAD);
            if (handle)
                dlclose(handle);
            return handle != nullptr;
        };
        QVERIFY(!loaded());
        QString sealed;
        QVERIFY(EncryptSecret(u"secret", sealed));
        QVERIFY(loaded());
    }

    void aesMatchesNistVectors()
    {
        // NIST SP 800-38A F.2.1 (CBC-AES128), the first two blocks.
        const QByteArray key = QByteArray::fromHex("2b7e151628aed2a6abf7158809cf4f3c");
        const QByteArray iv = QByteArray::fromHex("000102030405060708090a0b0c0d0e0f");
        const QByteArray plain = QByteArray::fromHex(
            "6bc1bee22e409f96e93d7e117393172aae2d8a571e03ac9c9eb76fac45af8e51");
        QByteArray out(plain.size(), '\0');
        QVERIFY(AesCbc128(true, Bytes(key), Bytes(iv), Bytes(plain), int(plain.size()), Out(out)));
        QCOMPARE(out.toHex(),
            QByteArray("7649abac8119b246cee98e9b12e9197d5086cb9b507219ee95db113a917678b2"));
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
        // Tick 50 over the first draw after seed 1 (41) seeds 1 again; the IV's bytes are the
        // next 16 draws of the Windows C runtime divided by 255.
        SetTickSource([] { return quint32(50); });
        RuntimeRandom::Seed(1);
        QString out(1000, u'Z');
        QCOMPARE(EncryptSecret(plain, out), digits != 0);
        if (digits == 0) {
            QCOMPARE(out, QString(1000, u'Z'));
            return;
        }
        QCOMPARE(out.size(), digits);
        QCOMPARE(out.left(32), QStringLiteral("004818674B3D2D73695F166E5B412701"));
        const QByteArray sealed = QByteArray::fromHex(out.toLatin1());
        QByteArray opened(sealed.size() - 16, '\0');
        QVERIFY(AesCbc128(false, Bytes(kDeviceKey), Bytes(sealed), Bytes(sealed) + 16,
            int(opened.size()), Out(opened)));
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
        const QByteArray plain
            = QByteArray("ASCII-secret-of-twenty-nine-b").leftJustified(32, '\0');
        const uchar zeroIv[16] = {};
        QByteArray cipher(32, '\0');
        QVERIFY(AesCbc128(true, Bytes(kDeviceKey), zeroIv, Bytes(plain), 32, Out(cipher)));
        QString opened;
        QVERIFY(DecryptSecret(QStringLiteral("/:@G`g \x01\x7f~zZ.-_,").repeated(2)
                + QString::fromLatin1(cipher.toHex()), opened));
        QCOMPARE(opened, QString::fromLatin1(plain.left(29)));
    }

    // An unknown language is 437: base letter, else ?, one ? for a surrogate pair. Vietnamese is
    // 1258: a held-back letter precedes a ?, and the last one is not lost.
    void codePage()
    {
        QCOMPARE(ToOemBytes(QStringLiteral("\u0105\u20ac\U0001F600"), OemCodePageForLcid(0x0477)),
            QByteArray("a??"));
        QCOMPARE(FromOemBytes("\xE0\x81\xE0", OemCodePageForLcid(0x042A)),
            QStringLiteral("\u00e0?\u00e0"));
    }
};

QTEST_GUILESS_MAIN(TestSecretCipher)
#include "tst_secretcipher.moc"
