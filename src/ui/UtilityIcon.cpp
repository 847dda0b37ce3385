#include "ui/UtilityIcon.h"

#include <QImage>
#include <QPixmap>
#include <QResource>

QIcon UtilityIcon()
{
    // The X11 window takes every size at once, so each PNG would be decoded before the window
    // could appear; the build has decoded them already (data/ImagePixels.cpp). The pixmaps use
    // the resource's pixels in place.
    QIcon icon;
    for (int size : { 16, 24, 32, 48, 64, 128 }) {
        const QResource pixels(QStringLiteral(":/pixels/meridock-netconf-%1.argb").arg(size));
        if (pixels.compressionAlgorithm() != QResource::NoCompression
            || pixels.size() != qint64(size) * size * 4)
            continue;
        QImage image(pixels.data(), size, size, size * 4, QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(std::move(image), Qt::NoFormatConversion));
    }
    return icon;
}
