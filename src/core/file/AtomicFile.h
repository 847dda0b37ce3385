#pragma once

#include <QByteArray>
#include <QString>

enum class FileAccess {
    Shared, // the usual permissions for new files; an existing file keeps its own
    OwnerOnly, // readable and writable by its owner only (it holds credentials)
};

// The steps of a replacement, in the order they run.
enum class FileStep {
    OpenFolder, // the folder that is to hold the file
    Inspect, // what stands at the output name now
    Create, // the temporary file beside the target
    Write,
    SyncFile,
    Link, // an unnamed temporary file gets its temporary name
    Rename, // the temporary name replaces the target
    SyncFolder, // the folder's new entry reaches the disk
};

enum class FileWriteStatus {
    Written,
    OutputIsLink, // refused: a symbolic link stands at the output name
    OutputIsDirectory, // refused
    OutputIsSpecial, // refused: a FIFO, device or socket
    Failed, // a step failed; `step` and `reason` say which and why
    Unstorable, // the writers: a value the file cannot hold, nothing was written
};

struct FileWriteResult
{
    FileWriteStatus status = FileWriteStatus::Written;
    FileStep step = FileStep::OpenFolder; // where it failed
    int error = 0; // the system's error number, 0 when none
    QString reason; // the system's text for `error`

    bool Succeeded() const { return status == FileWriteStatus::Written; }
    explicit operator bool() const { return Succeeded(); }
};

// The system calls of a replacement, one per step, so that a test can watch their order and
// make any one of them fail; everything else (what to call, what to clean up) stays in
// CommitFileAtomically. Each returns 0 or the error number. A test derives from CPosixFileSteps,
// overrides the steps it watches and calls the base class for the real work.
class IFileSteps
{
public:
    virtual ~IFileSteps() = default;
    // A file in `folder` that has no name yet (it vanishes if the process dies before Link).
    virtual int CreateUnnamed(int folder, unsigned mode, int &fd) = 0;
    // A new file called `name` in `folder`; EEXIST when that name is taken.
    virtual int CreateNamed(int folder, const QByteArray &name, unsigned mode, int &fd) = 0;
    // All of `size` bytes; a short write that cannot go on is an error.
    virtual int Write(int fd, const char *data, qsizetype size) = 0;
    virtual int SyncFile(int fd) = 0;
    // Gives the unnamed file `fd` the name `name` in `folder`.
    virtual int Link(int fd, int folder, const QByteArray &name) = 0;
    virtual int Rename(int folder, const QByteArray &from, const QByteArray &to) = 0;
    virtual int SyncFolder(int folder) = 0;
};

class CPosixFileSteps : public IFileSteps
{
public:
    int CreateUnnamed(int folder, unsigned mode, int &fd) override;
    int CreateNamed(int folder, const QByteArray &name, unsigned mode, int &fd) override;
    int Write(int fd, const char *data, qsizetype size) override;
    int SyncFile(int fd) override;
    int Link(int fd, int folder, const QByteArray &name) override;
    int Rename(int folder, const QByteArray &from, const QByteArray &to) override;
    int SyncFolder(int folder) override;
};

IFileSteps &DefaultFileSteps();

// The temporary name of a write to `targetName`: begins with these characters, so that one a
// killed process left behind is recognisably ours.
QByteArray TemporaryNamePrefix(const QByteArray &targetName);

// Replaces the file at `path` with `bytes` in one step: the new content goes to a temporary file
// beside the target (unnamed where the filesystem allows), is written and synced, takes the
// target's name by a rename, and then the folder is synced, so that a card pulled after a
// success holds the new file. Every step is checked: a failure up to the rename leaves the old
// file as it was, and no failure leaves a temporary file. Only SyncFolder fails after the
// rename: the new file is then in place but may not be on the disk yet. Only a regular file or a
// free name is replaced; a link, folder, FIFO, device or socket at `path` is refused without being
// opened or followed.
FileWriteResult CommitFileAtomically(const QString &path, const QByteArray &bytes,
    FileAccess access = FileAccess::Shared, IFileSteps &steps = DefaultFileSteps());
