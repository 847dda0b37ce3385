#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// An image the build decoded into raw premultiplied pixels (data/ImagePixels.cpp), held as an
// uncompressed resource under ":/pixels/". The pixmap uses the pixels where they lie, with no
// decoder loaded. Null if the resource is missing, compressed or of another size.
QPixmap DecodedPixmap(const QString &name, QSize size);
