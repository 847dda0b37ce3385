#include "platform/QrImageDecoder.h"

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(QrImageStatus)

class TestQrImageDecoder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SetQrCodeModule(QStringLiteral(MERIDOCK_QR_MODULE)); }
    void decodes_data()
    {
        QTest::addColumn<QString>("image"); // what is done to qrencode's image of `text`
        QTest::addColumn<QString>("text");
        QTest::addColumn<QrImageStatus>("status");
        const auto ok = QrImageStatus::Ok;
        QTest::newRow("UTF-8 SSID from a phone")
            << u"as made"_s << u"WIFI:S:Caf\u00e9 \u00e0 c\u00f4t\u00e9;T:WPA;P:pa\\;ss;;"_s << ok;
        QTest::newRow("photo turned on its side") << u"rotated"_s << u"WIFI:S:Turned;;"_s << ok;
        QTest::newRow("black on a transparent background")
            << u"transparent"_s << u"WIFI:S:Clear;;"_s << ok;
        QTest::newRow("blank image") << u"blank"_s << u"WIFI:S:Home;;"_s << QrImageStatus::NoCode;
        QTest::newRow("truncated PNG")
            << u"truncated"_s << u"WIFI:S:Home;;"_s << QrImageStatus::Unreadable;
    }

    void decodes()
    {
        QFETCH(QString, image);
        QFETCH(QString, text);
        QFETCH(QrImageStatus, status);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"code.png"_s);
        QProcess qrencode; // 8-bit mode keeps UTF-8 as it is
        qrencode.start(u"qrencode"_s, { u"-8"_s, u"-s"_s, u"6"_s, u"-o"_s, path, text });
        QVERIFY(qrencode.waitForFinished(20000) && qrencode.exitCode() == 0);
        QImage code(path);
        if (image == u"rotated") {
            code = code.transformed(QTransform().rotate(90));
        } else if (image == u"transparent") {
            // Transparent pixels are black too: only the alpha channel tells the modules apart.
            QImage alpha = code.convertToFormat(QImage::Format_Grayscale8);
            alpha.invertPixels();
            code = QImage(code.size(), QImage::Format_ARGB32);
            code.fill(Qt::black);
            code.setAlphaChannel(alpha);
        } else if (image == u"blank") {
            code.fill(Qt::white);
        }
        QVERIFY(code.save(path));
        if (image == u"truncated")
            QVERIFY(QFile::resize(path, QFileInfo(path).size() / 3));
        const QrImageText decoded = DecodeQrImageFile(path);
        QCOMPARE(decoded.m_status, status);
        QCOMPARE(decoded.m_text, status == QrImageStatus::Ok ? text : QString());
    }
};

QTEST_GUILESS_MAIN(TestQrImageDecoder)
#include "tst_qrimagedecoder.moc"
