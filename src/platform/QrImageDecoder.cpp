#include "platform/QrImageDecoder.h"

#define ZX_USE_UTF8
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QStringDecoder>

#include <ZXing/ReadBarcode.h>

namespace {

// Photos of a sticker can be large; the decoder needs far fewer pixels than a camera gives.
constexpr int MaxDecodedEdge = 2048;

// QR codes carry bytes; phones and routers write UTF-8 without saying so. Text that is not
// UTF-8 is left to the decoder's own guess of the character set.
QString CodeText(const ZXing::Result &result)
{
    const ZXing::ByteArray &bytes = result.bytes();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(
        QByteArrayView(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size())));
    if (!utf8.hasError())
        return text;
    return QString::fromStdString(result.text());
}

} // namespace

QrImageText DecodeQrImage(const QImage &image)
{
    QrImageText decoded;
    if (image.isNull()) {
        decoded.m_status = QrImageStatus::Unreadable;
        return decoded;
    }
    QImage gray = image;
    if (gray.width() > MaxDecodedEdge || gray.height() > MaxDecodedEdge)
        gray = gray.scaled(
            MaxDecodedEdge, MaxDecodedEdge, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // Transparent pixels count as white, as on screen.
    if (gray.hasAlphaChannel()) {
        QImage flattened(gray.size(), QImage::Format_RGB32);
        flattened.fill(Qt::white);
        QPainter painter(&flattened);
        painter.drawImage(0, 0, gray);
        painter.end();
        gray = flattened;
    }
    gray = gray.convertToFormat(QImage::Format_Grayscale8);

    const ZXing::ImageView view(gray.constBits(), gray.width(), gray.height(),
        ZXing::ImageFormat::Lum, int(gray.bytesPerLine()));
    const ZXing::DecodeHints hints = ZXing::DecodeHints()
                                         .setFormats(ZXing::BarcodeFormat::QRCode)
                                         .setTryHarder(true)
                                         .setTryRotate(true);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid())
        return decoded;
    decoded.m_status = QrImageStatus::Ok;
    decoded.m_text = CodeText(result);
    return decoded;
}

QrImageText DecodeQrImageFile(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return DecodeQrImage(reader.read());
}
