#pragma once

#include <QString>

class QImage;

enum class QrImageStatus {
    Ok,
    Unreadable, // not an image we can open
    NoCode, // an image without a readable QR code
    NoReader, // the QR code reader module is not installed
};

struct QrImageText
{
    QrImageStatus m_status = QrImageStatus::NoCode;
    QString m_text; // the first QR code's text
};

QrImageText DecodeQrImage(const QImage &image);
QrImageText DecodeQrImageFile(const QString &path);

// The reader module to open instead of the installed one; empty: the installed one.
void SetQrCodeModule(const QString &path);
