#pragma once

#include <QByteArray>
#include <QString>

// Helpers for tests that write files from literal text.
namespace TestFiles {

// Replaces every "$seal(text)" with the sealed form of `text`, so that a literal file can hold
// secrets that open under the device key.
QString WithSealedValues(const QString &text);

// A literal file text as the bytes of a file: sealed values filled in, "\n" as CRLF, UTF-8
// without a byte-order mark.
QByteArray Bytes(const QString &text);

bool Write(const QString &path, const QByteArray &bytes);

QByteArray ReadAll(const QString &path);

} // namespace TestFiles
