#pragma once

#include <QByteArray>
#include <QString>

// Helpers for tests that write files from literal text.
namespace TestFiles {

// A literal file text as the bytes of a file: every "$seal(text)" replaced by the sealed form of
// `text` under the device key, "\n" as CRLF, UTF-8 without a byte-order mark.
QByteArray Bytes(const QString &text);

bool Write(const QString &path, const QByteArray &bytes);

QByteArray ReadAll(const QString &path);

} // namespace TestFiles
