#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Helpers for tests that write files from literal text.
namespace TestFiles {

// A literal file text as the bytes of a file: every "$seal(text)" replaced by the sealed form of
// `text` under the device key, "\n" as CRLF, UTF-8 without a byte-order mark.
QByteArray Bytes(const QString &text);

bool Write(const QString &path, const QByteArray &bytes);

QByteArray ReadAll(const QString &path);

// The permission bits of what stands at `path` (links not followed); -1 when nothing does.
int Mode(const QString &path);

// Everything in a folder, hidden entries included, in code point order.
QStringList Entries(const QString &folder);

// A temporary folder that holds a settings file of the given bytes.
struct CSettingsFolder
{
    explicit CSettingsFolder(const QByteArray &bytes);
    QTemporaryDir m_dir;
    const QString m_path = m_dir.filePath(QStringLiteral("NetworkSetting.ini"));
};

} // namespace TestFiles
