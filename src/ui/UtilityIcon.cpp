#include "ui/UtilityIcon.h"

#include "ui/DecodedPixels.h"

QIcon UtilityIcon()
{
    // The X11 window takes every size at once, so each PNG would be decoded before the window
    // could appear; the build has decoded them already.
    QIcon icon;
    for (int size : { 16, 24, 32, 48, 64, 128 }) {
        const QPixmap pixmap = DecodedPixmap(
            QStringLiteral("meridock-netconf-%1.argb").arg(size), QSize(size, size));
        if (!pixmap.isNull())
            icon.addPixmap(pixmap);
    }
    return icon;
}
