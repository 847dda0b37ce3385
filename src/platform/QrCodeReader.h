#pragma once

#include <QString>

// zxing-cpp is the largest library the window would load, and most sessions never open a QR
// image; so the code reader is a module of its own, opened when the first image is decoded.

// Finds the first QR code in a grayscale image of one byte a pixel and gives its text.
using ReadQrCodeFunction = bool (*)(
    const uchar *pixels, int width, int height, int bytesPerLine, QString *text);

inline constexpr char ReadQrCodeSymbol[] = "MeridockReadQrCode";
