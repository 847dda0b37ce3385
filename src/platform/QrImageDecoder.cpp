#include "platform/QrImageDecoder.h"

#include "platform/QrCodeReader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QLibrary>
#include <QPainter>

namespace {

// Photos of a sticker can be large; the decoder needs far fewer pixels than a camera gives.
constexpr int MaxDecodedEdge = 2048;

struct ReaderModule
{
    QString m_chosenPath; // empty: the installed one
    ReadQrCodeFunction m_read = nullptr; // once opened
};

ReaderModule &Reader()
{
    static ReaderModule reader;
    return reader;
}

// Next to the program in the build tree; in the installed library folder otherwise. Only these
// files are tried: a bare name would let the system's library path choose the module.
ReadQrCodeFunction OpenReader()
{
    ReadQrCodeFunction &read = Reader().m_read;
    if (read)
        return read;
    QStringList candidates { Reader().m_chosenPath };
    if (candidates.constFirst().isEmpty()) {
        const QString programDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
        const QString file = QStringLiteral(MERIDOCK_QR_MODULE_FILE);
        candidates = { programDir + file,
            programDir + QStringLiteral(MERIDOCK_QR_MODULE_DIR) + QLatin1Char('/') + file };
    }
    for (const QString &path : candidates) {
        if (!QFileInfo(path).isFile())
            continue;
        QLibrary module(path);
        read = reinterpret_cast<ReadQrCodeFunction>(module.resolve(ReadQrCodeSymbol));
        if (read)
            break;
    }
    return read;
}

} // namespace

void SetQrCodeModule(const QString &path)
{
    Reader() = { path, nullptr };
}

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

    const ReadQrCodeFunction read = OpenReader();
    if (!read) {
        decoded.m_status = QrImageStatus::NoReader;
        return decoded;
    }
    if (!read(gray.constBits(), gray.width(), gray.height(), int(gray.bytesPerLine()),
            &decoded.m_text))
        return decoded;
    decoded.m_status = QrImageStatus::Ok;
    return decoded;
}

QrImageText DecodeQrImageFile(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return DecodeQrImage(reader.read());
}
