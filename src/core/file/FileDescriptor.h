#pragma once

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <unistd.h>

#include <utility>

// Owns one POSIX descriptor and closes it when it goes, unless it was released.
class CFileDescriptor
{
public:
    explicit CFileDescriptor(int fd)
        : m_fd(fd)
    { }
    ~CFileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    CFileDescriptor(const CFileDescriptor &) = delete;
    CFileDescriptor &operator=(const CFileDescriptor &) = delete;

    int Get() const { return m_fd; }
    int Release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};
#endif
