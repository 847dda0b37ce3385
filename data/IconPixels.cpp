// Build tool: decodes one of the installed icon PNGs into the premultiplied 32-bit pixels the
// window icon is made of, row after row, in the byte order of the machine it runs on. The
// utility then takes them as they are instead of decoding every PNG at every start.
// Usage: meridock_icon_pixels INPUT.png SIZE OUTPUT
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s INPUT.png SIZE OUTPUT\n", argv[0]);
        return 2;
    }
    bool sizeOk = false;
    const int size = QByteArray(argv[2]).toInt(&sizeOk);
    if (!sizeOk || size <= 0) {
        std::fprintf(stderr, "%s: '%s' is not a size in pixels\n", argv[0], argv[2]);
        return 2;
    }

    QImageReader reader(QFile::decodeName(argv[1]), "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qUtf8Printable(reader.errorString()));
        return 1;
    }
    if (image.width() != size || image.height() != size) {
        std::fprintf(stderr, "%s: %d x %d pixels, expected %d x %d\n", argv[1], image.width(),
            image.height(), size, size);
        return 1;
    }

    QSaveFile output(QFile::decodeName(argv[3]));
    if (!output.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[3], qUtf8Printable(output.errorString()));
        return 1;
    }
    const qint64 rowBytes = qint64(size) * 4;
    for (int y = 0; y < size; ++y)
        output.write(reinterpret_cast<const char *>(image.constScanLine(y)), rowBytes);
    if (!output.commit()) {
        std::fprintf(stderr, "%s: %s\n", argv[3], qUtf8Printable(output.errorString()));
        return 1;
    }
    return 0;
}
