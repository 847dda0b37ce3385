#pragma once

#include <QByteArray>
#include <QString>

enum class BoundedReadStatus {
    Read, // `bytes` holds the whole file
    Missing, // no file at that path
    NotRegularFile, // a directory, device, FIFO or socket
    TooLarge, // more than the allowed number of bytes
    Failed, // it exists but cannot be opened or read
};

// Drop: the file's clean cached pages are let go before it is read, so that the bytes come from
// its medium and not from memory (where the system allows it).
enum class CachedPages { Use, Drop };

// Reads a whole regular file of at most `maxBytes` bytes. Never blocks on a FIFO or device and
// never reads more than `maxBytes` + 1 bytes, whatever the file claims its size to be.
// On a failure `bytes` is left empty and `systemError` (when given) describes the cause.
BoundedReadStatus ReadBoundedFile(const QString &path, qint64 maxBytes, QByteArray &bytes,
    QString *systemError = nullptr, CachedPages cached = CachedPages::Use);
