#include "core/import/WifiImport.h"
#include "platform/QrImageDecoder.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(QrImageStatus)

namespace {

// Writes `text` as a QR code image with the qrencode tool; 8-bit mode keeps UTF-8 as it is.
bool Encode(const QString &text, const QString &path, const QStringList &extra = {})
{
    QProcess qrencode;
    qrencode.start(u"qrencode"_s,
        QStringList { u"-8"_s, u"-s"_s, u"6"_s, u"-o"_s, path } + extra + QStringList { text });
    return qrencode.waitForFinished(20000) && qrencode.exitStatus() == QProcess::NormalExit
        && qrencode.exitCode() == 0 && QFile::exists(path);
}

} // namespace

class TestQrImageDecoder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodesWifiCodes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("transform"); // what is done to the image before decoding
        QTest::addColumn<QString>("ssid");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("stealth");

        QTest::newRow("router sticker")
            << u"WIFI:T:WPA;S:Home;P:correct horse;H:true;;"_s << QString() << u"Home"_s
            << int(SecurityModeWpa2PskAes) << u"correct horse"_s << 1;
        QTest::newRow("key with semicolon and backslash")
            << u"WIFI:S:Home;T:WPA;P:pa\\;ss\\\\word;;"_s << QString() << u"Home"_s
            << int(SecurityModeWpa2PskAes) << u"pa;ss\\word"_s << 0;
        QTest::newRow("UTF-8 SSID from a phone")
            << u"WIFI:S:Caf\u00e9 \u00e0 c\u00f4t\u00e9;T:nopass;;"_s << QString()
            << u"Caf\u00e9 \u00e0 c\u00f4t\u00e9"_s << int(SecurityModeNone) << QString() << 0;
        QTest::newRow("WEP, fields out of order")
            << u"WIFI:P:abcde;S:Old;T:WEP;;"_s << QString() << u"Old"_s << int(SecurityModeWep)
            << u"abcde"_s << 0;
        QTest::newRow("photo turned on its side")
            << u"WIFI:T:WPA;S:Turned;P:12345678;;"_s << u"rotate"_s << u"Turned"_s
            << int(SecurityModeWpa2PskAes) << u"12345678"_s << 0;
        QTest::newRow("transparent background")
            << u"WIFI:T:WPA;S:Clear;P:12345678;;"_s << u"alpha"_s << u"Clear"_s
            << int(SecurityModeWpa2PskAes) << u"12345678"_s << 0;
        QTest::newRow("large screenshot")
            << u"WIFI:T:WPA;S:Big;P:12345678;;"_s << u"large"_s << u"Big"_s
            << int(SecurityModeWpa2PskAes) << u"12345678"_s << 0;
    }

    void decodesWifiCodes()
    {
        QFETCH(QString, text);
        QFETCH(QString, transform);
        QTemporaryDir dir;
        QString path = dir.filePath(u"code.png"_s);
        QVERIFY(Encode(text, path));

        if (!transform.isEmpty()) {
            QImage image(path);
            QVERIFY(!image.isNull());
            if (transform == u"rotate") {
                image = image.transformed(QTransform().rotate(90));
            } else if (transform == u"alpha") {
                // Black modules on a transparent background.
                image = image.convertToFormat(QImage::Format_ARGB32);
                for (int y = 0; y < image.height(); ++y) {
                    for (int x = 0; x < image.width(); ++x) {
                        if (qGray(image.pixel(x, y)) > 128)
                            image.setPixel(x, y, qRgba(0, 0, 0, 0));
                    }
                }
            } else if (transform == u"large") {
                QImage canvas(3000, 2500, QImage::Format_RGB32);
                canvas.fill(Qt::white);
                const QImage code = image.scaled(image.size() * 4);
                for (int y = 0; y < code.height(); ++y) {
                    for (int x = 0; x < code.width(); ++x)
                        canvas.setPixel(1200 + x, 900 + y, code.pixel(x, y));
                }
                image = canvas;
            }
            path = dir.filePath(u"changed.png"_s);
            QVERIFY(image.save(path));
        }

        const QrImageText decoded = DecodeQrImageFile(path);
        QCOMPARE(decoded.m_status, QrImageStatus::Ok);
        QCOMPARE(decoded.m_text, text);

        const WifiQrParseResult parsed = ParseWifiQrText(decoded.m_text);
        QCOMPARE(parsed.m_status, WifiQrParseStatus::Ok);
        const WifiImportResult result = MapWifiQrCode(parsed.m_code);
        QVERIFY(result.IsUsable());
        QTEST(result.m_profile.m_ssid, "ssid");
        QTEST(result.m_profile.m_securityMode, "mode");
        QTEST(result.m_profile.m_networkKey, "key");
        QTEST(result.m_profile.m_stealthSsid, "stealth");
    }

    void refusesWhatIsNoWifiCode_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QrImageStatus>("status");
        QTest::addColumn<bool>("wifiCode");
        QTest::newRow("QR code of a web address") << u"url"_s << QrImageStatus::Ok << false;
        QTest::newRow("QR code with a Wi-Fi code lacking its SSID")
            << u"nossid"_s << QrImageStatus::Ok << false;
        QTest::newRow("blank image") << u"blank"_s << QrImageStatus::NoCode << false;
        QTest::newRow("text file named .png") << u"text"_s << QrImageStatus::Unreadable << false;
        QTest::newRow("missing file") << u"missing"_s << QrImageStatus::Unreadable << false;
        QTest::newRow("truncated PNG") << u"truncated"_s << QrImageStatus::Unreadable << false;
    }

    void refusesWhatIsNoWifiCode()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"image.png"_s);
        if (kind == u"url") {
            QVERIFY(Encode(u"https://example.org/wifi"_s, path));
        } else if (kind == u"nossid") {
            QVERIFY(Encode(u"WIFI:T:WPA;P:12345678;;"_s, path));
        } else if (kind == u"blank") {
            QImage blank(300, 300, QImage::Format_RGB32);
            blank.fill(Qt::white);
            QVERIFY(blank.save(path));
        } else if (kind == u"text") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("WIFI:S:Home;;");
        } else if (kind == u"truncated") {
            QVERIFY(Encode(u"WIFI:S:Home;;"_s, path));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.resize(file.size() / 3));
        }

        const QrImageText decoded = DecodeQrImageFile(path);
        QTEST(decoded.m_status, "status");
        QTEST(ParseWifiQrText(decoded.m_text).m_status == WifiQrParseStatus::Ok, "wifiCode");
    }
};

QTEST_GUILESS_MAIN(TestQrImageDecoder)
#include "tst_qrimagedecoder.moc"
