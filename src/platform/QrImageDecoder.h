#pragma once

#include <QString>

class QImage;

enum class QrImageStatus {
    Ok,
    Unreadable, // not an image we can open
    NoCode, // an image without a readable QR code
};

struct QrImageText
{
    QrImageStatus m_status = QrImageStatus::NoCode;
    QString m_text; // the first QR code's text
};

QrImageText DecodeQrImage(const QImage &image);
QrImageText DecodeQrImageFile(const QString &path);
