#include "core/file/BoundedFile.h"
#include "core/file/FileDescriptor.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

void SetError(QString *systemError, const QString &text)
{
    if (systemError)
        *systemError = text;
}

#ifdef Q_OS_UNIX

QString ErrnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

BoundedReadStatus ReadPosix(const QString &path, qint64 maxBytes, QByteArray &bytes,
    QString *systemError, CachedPages cached)
{
    if (path.isEmpty())
        return BoundedReadStatus::Missing;
    const QByteArray name = QFile::encodeName(path);
    // O_NONBLOCK: opening a FIFO must not wait for a writer.
    CFileDescriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.Get() < 0) {
        const int error = errno;
        if (error == ENOENT)
            return BoundedReadStatus::Missing;
        SetError(systemError, ErrnoText(error));
        return BoundedReadStatus::Failed;
    }
    struct stat info
    {
    };
    if (::fstat(fd.Get(), &info) != 0) {
        SetError(systemError, ErrnoText(errno));
        return BoundedReadStatus::Failed;
    }
    if (!S_ISREG(info.st_mode))
        return BoundedReadStatus::NotRegularFile;
    if (info.st_size > maxBytes)
        return BoundedReadStatus::TooLarge;
    if (cached == CachedPages::Drop)
        ::posix_fadvise(fd.Get(), 0, 0, POSIX_FADV_DONTNEED);

    QByteArray buffer;
    // The size can change under us, and some files report 0: read up to one byte past the limit.
    buffer.resize(qsizetype(info.st_size > 0 ? info.st_size : 0) + 1);
    qsizetype filled = 0;
    for (;;) {
        if (filled == buffer.size()) {
            if (filled > maxBytes)
                return BoundedReadStatus::TooLarge;
            buffer.resize(qsizetype(qMin<qint64>(maxBytes + 1, qint64(filled) * 2 + 4096)));
        }
        const ssize_t got
            = ::read(fd.Get(), buffer.data() + filled, size_t(buffer.size() - filled));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            SetError(systemError, ErrnoText(errno));
            return BoundedReadStatus::Failed;
        }
        if (got == 0)
            break;
        filled += qsizetype(got);
    }
    if (filled > maxBytes)
        return BoundedReadStatus::TooLarge;
    buffer.truncate(filled);
    bytes = std::move(buffer);
    return BoundedReadStatus::Read;
}

#else

BoundedReadStatus ReadPortable(
    const QString &path, qint64 maxBytes, QByteArray &bytes, QString *systemError)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return BoundedReadStatus::Missing;
    if (!info.isFile())
        return BoundedReadStatus::NotRegularFile;
    if (info.size() > maxBytes)
        return BoundedReadStatus::TooLarge;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        SetError(systemError, file.errorString());
        return BoundedReadStatus::Failed;
    }
    QByteArray buffer = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        SetError(systemError, file.errorString());
        return BoundedReadStatus::Failed;
    }
    if (buffer.size() > maxBytes)
        return BoundedReadStatus::TooLarge;
    bytes = std::move(buffer);
    return BoundedReadStatus::Read;
}

#endif

} // namespace

BoundedReadStatus ReadBoundedFile(const QString &path, qint64 maxBytes, QByteArray &bytes,
    QString *systemError, CachedPages cached)
{
    bytes.clear();
#ifdef Q_OS_UNIX
    return ReadPosix(path, maxBytes, bytes, systemError, cached);
#else
    Q_UNUSED(cached);
    return ReadPortable(path, maxBytes, bytes, systemError);
#endif
}
