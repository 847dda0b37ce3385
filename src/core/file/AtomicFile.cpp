#include "core/file/AtomicFile.h"

#include <QSaveFile>

bool CommitThrough(QSaveFile &file, const QByteArray &bytes, FileAccess access)
{
    // Writing in place would lose the old file on a failure halfway: refuse instead.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (access == FileAccess::OwnerOnly
        && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        file.cancelWriting();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool CommitFileAtomically(const QString &path, const QByteArray &bytes, FileAccess access)
{
    QSaveFile file(path);
    return CommitThrough(file, bytes, access);
}
