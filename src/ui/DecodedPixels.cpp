#include "ui/DecodedPixels.h"

#include <QImage>
#include <QResource>

QPixmap DecodedPixmap(const QString &name, QSize size)
{
    const QResource pixels(QStringLiteral(":/pixels/") + name);
    const qint64 rowBytes = qint64(size.width()) * 4;
    if (pixels.compressionAlgorithm() != QResource::NoCompression
        || pixels.size() != rowBytes * size.height())
        return {};
    QImage image(
        pixels.data(), size.width(), size.height(), rowBytes, QImage::Format_ARGB32_Premultiplied);
    return QPixmap::fromImage(std::move(image), Qt::NoFormatConversion);
}
