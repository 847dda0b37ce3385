#include "platform/QrCodeReader.h"

#define ZX_USE_UTF8
#include <QStringDecoder>

#include <ZXing/ReadBarcode.h>

#include <type_traits>

namespace {

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

extern "C" Q_DECL_EXPORT bool MeridockReadQrCode(
    const uchar *pixels, int width, int height, int bytesPerLine, QString *text)
{
    const ZXing::ImageView view(pixels, width, height, ZXing::ImageFormat::Lum, bytesPerLine);
    const ZXing::DecodeHints hints = ZXing::DecodeHints()
                                         .setFormats(ZXing::BarcodeFormat::QRCode)
                                         .setTryHarder(true)
                                         .setTryRotate(true);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid())
        return false;
    *text = CodeText(result);
    return true;
}

static_assert(std::is_same_v<decltype(&MeridockReadQrCode), ReadQrCodeFunction>);
