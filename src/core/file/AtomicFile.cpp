#include "core/file/AtomicFile.h"

#include "core/file/FileDescriptor.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#endif

namespace {

QString ErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

FileWriteResult Failure(FileStep step, int error)
{
    return FileWriteResult { FileWriteStatus::Failed, step, error, ErrorText(error) };
}

FileWriteResult Refusal(FileWriteStatus status)
{
    return FileWriteResult { status, FileStep::Inspect, 0, {} };
}

} // namespace

QByteArray TemporaryNamePrefix(const QByteArray &targetName)
{
    return '.' + targetName + ".meridock-";
}

#ifdef Q_OS_UNIX

namespace {

int ErrorOf(int result)
{
    return result == 0 ? 0 : errno;
}

} // namespace

int CPosixFileSteps::CreateUnnamed(int folder, unsigned mode, int &fd)
{
#ifdef O_TMPFILE
    fd = ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode_t(mode));
    return fd < 0 ? errno : 0;
#else
    Q_UNUSED(folder);
    Q_UNUSED(mode);
    fd = -1;
    return EOPNOTSUPP;
#endif
}

int CPosixFileSteps::CreateNamed(int folder, const QByteArray &name, unsigned mode, int &fd)
{
    fd = ::openat(folder, name.constData(),
        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, mode_t(mode));
    return fd < 0 ? errno : 0;
}

int CPosixFileSteps::Write(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (written == 0)
            return EIO;
        data += written;
        size -= qsizetype(written);
    }
    return 0;
}

int CPosixFileSteps::SyncFile(int fd)
{
    return ErrorOf(::fsync(fd));
}

int CPosixFileSteps::Link(int fd, int folder, const QByteArray &name)
{
    // Through /proc, which needs no privilege; AT_EMPTY_PATH is the way without /proc, but
    // needs one.
    char self[64];
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
    if (::linkat(AT_FDCWD, self, folder, name.constData(), AT_SYMLINK_FOLLOW) == 0)
        return 0;
    const int error = errno;
#ifdef AT_EMPTY_PATH
    if (::linkat(fd, "", folder, name.constData(), AT_EMPTY_PATH) == 0)
        return 0;
#endif
    return error;
}

int CPosixFileSteps::Rename(int folder, const QByteArray &from, const QByteArray &to)
{
    return ErrorOf(::renameat(folder, from.constData(), folder, to.constData()));
}

int CPosixFileSteps::SyncFolder(int folder)
{
    const int error = ErrorOf(::fsync(folder));
    // A filesystem that cannot sync a folder has nothing of it to sync.
    return error == EINVAL ? 0 : error;
}

namespace {

QByteArray TemporaryName(const QByteArray &targetName)
{
    static constexpr char kChars[]
        = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray name = TemporaryNamePrefix(targetName);
    for (int i = 0; i < 6; ++i)
        name += kChars[QRandomGenerator::global()->bounded(int(sizeof kChars - 1))];
    return name;
}

// The temporary file: closed, and removed unless it has become the target.
class CTemporary
{
public:
    explicit CTemporary(int folder)
        : m_folder(folder)
    { }
    ~CTemporary()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_name.isEmpty())
            ::unlinkat(m_folder, m_name.constData(), 0);
    }
    CTemporary(const CTemporary &) = delete;
    CTemporary &operator=(const CTemporary &) = delete;

    int m_fd = -1;
    QByteArray m_name; // empty while the file has none
    void Renamed() { m_name.clear(); }

    // Gives the file a fresh temporary name through `claim` (0 or the system's error), trying
    // again while the name drawn is taken.
    template<typename Claim>
    int ClaimName(const QByteArray &targetName, Claim claim)
    {
        int error = EEXIST;
        for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
            const QByteArray candidate = TemporaryName(targetName);
            error = claim(candidate);
            if (error == 0)
                m_name = candidate;
        }
        return error;
    }

private:
    int m_folder;
};

} // namespace

FileWriteResult CommitFileAtomically(
    const QString &path, const QByteArray &bytes, FileAccess access, IFileSteps &steps)
{
    const QFileInfo info(path);
    const QByteArray name = QFile::encodeName(info.fileName());
    if (name.isEmpty())
        return Refusal(FileWriteStatus::OutputIsDirectory);
    const CFileDescriptor folder(
        ::open(QFile::encodeName(info.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() < 0)
        return Failure(FileStep::OpenFolder, errno);

    // What stands there now, without following a link or opening a FIFO.
    struct stat existing
    {
    };
    bool exists = true;
    if (::fstatat(folder.Get(), name.constData(), &existing, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT)
            return Failure(FileStep::Inspect, errno);
        exists = false;
    } else if (S_ISLNK(existing.st_mode)) {
        return Refusal(FileWriteStatus::OutputIsLink);
    } else if (S_ISDIR(existing.st_mode)) {
        return Refusal(FileWriteStatus::OutputIsDirectory);
    } else if (!S_ISREG(existing.st_mode)) {
        return Refusal(FileWriteStatus::OutputIsSpecial);
    }
    const unsigned mode = access == FileAccess::OwnerOnly ? 0600u : 0666u;

    CTemporary temporary(folder.Get());
    int error = steps.CreateUnnamed(folder.Get(), mode, temporary.m_fd);
    const bool unnamed = error == 0;
    if (!unnamed) {
        // Filesystems without unnamed files (FAT cards among them): a named one, ours by its
        // name, removed on every way out but a kill.
        error = temporary.ClaimName(name, [&](const QByteArray &candidate) {
            return steps.CreateNamed(folder.Get(), candidate, mode, temporary.m_fd);
        });
        if (error != 0)
            return Failure(FileStep::Create, error);
    }
    // An existing file keeps its owner (when we may give it away) and, if shared, its
    // permissions, where the filesystem has them.
    if (exists && ::geteuid() == 0)
        (void)!::fchown(temporary.m_fd, existing.st_uid, existing.st_gid);
    if (exists && access == FileAccess::Shared)
        ::fchmod(temporary.m_fd, existing.st_mode & 07777);

    if ((error = steps.Write(temporary.m_fd, bytes.constData(), bytes.size())) != 0)
        return Failure(FileStep::Write, error);
    if ((error = steps.SyncFile(temporary.m_fd)) != 0)
        return Failure(FileStep::SyncFile, error);
    if (unnamed) {
        // An unnamed file cannot take a taken name: it gets a temporary one first.
        error = temporary.ClaimName(name, [&](const QByteArray &candidate) {
            return steps.Link(temporary.m_fd, folder.Get(), candidate);
        });
        if (error != 0)
            return Failure(FileStep::Link, error);
    }
    if ((error = steps.Rename(folder.Get(), temporary.m_name, name)) != 0)
        return Failure(FileStep::Rename, error);
    temporary.Renamed();
    if ((error = steps.SyncFolder(folder.Get())) != 0)
        return Failure(FileStep::SyncFolder, error);
    return {};
}

#else

// No descriptors here: the replacement goes through QSaveFile, and these steps are never called.
int CPosixFileSteps::CreateUnnamed(int, unsigned, int &) { return ENOSYS; }
int CPosixFileSteps::CreateNamed(int, const QByteArray &, unsigned, int &) { return ENOSYS; }
int CPosixFileSteps::Write(int, const char *, qsizetype) { return ENOSYS; }
int CPosixFileSteps::SyncFile(int) { return ENOSYS; }
int CPosixFileSteps::Link(int, int, const QByteArray &) { return ENOSYS; }
int CPosixFileSteps::Rename(int, const QByteArray &, const QByteArray &) { return ENOSYS; }
int CPosixFileSteps::SyncFolder(int) { return ENOSYS; }

FileWriteResult CommitFileAtomically(
    const QString &path, const QByteArray &bytes, FileAccess access, IFileSteps &)
{
    const QFileInfo info(path);
    if (info.isSymLink())
        return Refusal(FileWriteStatus::OutputIsLink);
    if (info.isDir())
        return Refusal(FileWriteStatus::OutputIsDirectory);
    if (info.exists() && !info.isFile())
        return Refusal(FileWriteStatus::OutputIsSpecial);
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    const auto failed = [&file](FileStep step) {
        FileWriteResult result { FileWriteStatus::Failed, step, -1, file.errorString() };
        file.cancelWriting();
        return result;
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed(FileStep::Create);
    if (access == FileAccess::OwnerOnly
        && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return failed(FileStep::Create);
    if (file.write(bytes) != bytes.size() || !file.flush())
        return failed(FileStep::Write);
    if (!file.commit())
        return FileWriteResult { FileWriteStatus::Failed, FileStep::Rename, -1,
            file.errorString() };
    return {};
}

#endif

IFileSteps &DefaultFileSteps()
{
    static CPosixFileSteps steps;
    return steps;
}
