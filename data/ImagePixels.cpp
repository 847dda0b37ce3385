// Build tool: decodes an image into the premultiplied 32-bit pixels the utility draws with, row
// after row, in the byte order of the machine it runs on. The utility then takes them as they
// are instead of decoding a PNG at every start, which would load libpng and, through Qt's image
// reader, every image-format plugin and its library.
// Usage: meridock_image_pixels INPUT WIDTHxHEIGHT OUTPUT
// INPUT is a PNG file or one of Qt's own resource images (":/qt-project.org/..."); the size is
// checked so that a changed image fails the build rather than the drawing.
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSaveFile>
#include <QSize>

#include <cstdio>

static QSize ParseSize(const QByteArray &text)
{
    const QList<QByteArray> parts = text.split('x');
    if (parts.size() != 2)
        return {};
    bool widthOk = false;
    bool heightOk = false;
    const QSize size(parts[0].toInt(&widthOk), parts[1].toInt(&heightOk));
    return widthOk && heightOk && !size.isEmpty() ? size : QSize();
}

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s INPUT WIDTHxHEIGHT OUTPUT\n", argv[0]);
        return 2;
    }
    const QSize size = ParseSize(argv[2]);
    if (size.isEmpty()) {
        std::fprintf(stderr, "%s: '%s' is not a size such as 32x32\n", argv[0], argv[2]);
        return 2;
    }

    QImageReader reader(QFile::decodeName(argv[1]), "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qUtf8Printable(reader.errorString()));
        return 1;
    }
    if (image.size() != size) {
        std::fprintf(stderr, "%s: %d x %d pixels, expected %d x %d\n", argv[1], image.width(),
            image.height(), size.width(), size.height());
        return 1;
    }

    QSaveFile output(QFile::decodeName(argv[3]));
    if (!output.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[3], qUtf8Printable(output.errorString()));
        return 1;
    }
    const qint64 rowBytes = qint64(size.width()) * 4;
    for (int y = 0; y < size.height(); ++y)
        output.write(reinterpret_cast<const char *>(image.constScanLine(y)), rowBytes);
    if (!output.commit()) {
        std::fprintf(stderr, "%s: %s\n", argv[3], qUtf8Printable(output.errorString()));
        return 1;
    }
    return 0;
}
