#pragma once

#include <QByteArray>
#include <QString>

class QSaveFile;

enum class FileAccess {
    Shared,    // the usual permissions for new files
    OwnerOnly, // readable and writable by its owner only (it holds credentials)
};

// Replaces the file at `path` with `bytes` in one step: the new content goes to a temporary file
// beside the target, is flushed to disk, and only then renamed over the old file. A failed or
// interrupted write leaves the old file as it was and no temporary file behind.
bool CommitFileAtomically(const QString &path, const QByteArray &bytes,
                          FileAccess access = FileAccess::Shared);

// The same through a save file the caller made; tests pass one whose device fails on purpose.
bool CommitThrough(QSaveFile &file, const QByteArray &bytes, FileAccess access);
