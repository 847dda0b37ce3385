#include "SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <string>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr QByteArrayView RaiseRequest = "raise\n";
constexpr int ConnectTimeoutMs = 500;

QString UserName()
{
#ifdef Q_OS_WIN
    return qEnvironmentVariable("USERNAME");
#else
    return QString::number(::getuid());
#endif
}

#ifndef Q_OS_WIN
// Anything less than a folder of this user's that no one else may enter, and the marker is not
// made there: whoever else can reach the marker file can hold it or swap it.
bool IsPrivateFolder(const QString &folder)
{
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder))
        return false;
    struct stat st = {};
    return ::lstat(QFile::encodeName(folder).constData(), &st) == 0 && S_ISDIR(st.st_mode)
        && st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}

// A second name for the file would let it be opened, and held, from elsewhere.
bool IsOwnPrivateFile(const struct stat &st)
{
    return S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 077) == 0
        && st.st_nlink == 1;
}

// Opens the marker file, making it when it is missing. Whatever else is found in its place is
// removed, never followed, and a new file is made; a folder there is left alone. -1 when no
// trustworthy marker can be had.
int OpenMarkerFile(const QByteArray &path)
{
    for (int attempt = 0; attempt < 4; ++attempt) {
        // Non-blocking, so that a planted FIFO or device cannot hang the start.
        const int fd = ::open(
            path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        struct stat opened = {};
        const bool haveOpened = fd >= 0 && ::fstat(fd, &opened) == 0;
        if (haveOpened && IsOwnPrivateFile(opened))
            return fd;
        if (fd >= 0)
            ::close(fd);
        struct stat found = {};
        if (::lstat(path.constData(), &found) != 0 || S_ISDIR(found.st_mode))
            return -1;
        // Only the object just looked at is removed, not one that took its place meanwhile.
        if (haveOpened && (found.st_dev != opened.st_dev || found.st_ino != opened.st_ino))
            continue;
        if (::unlink(path.constData()) != 0 && errno != ENOENT)
            return -1;
    }
    return -1;
}

// The socket a later copy talks to: this user's own, found in place rather than through a link.
bool IsOwnSocket(const QString &path)
{
    struct stat st = {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISSOCK(st.st_mode)
        && st.st_uid == ::geteuid();
}

bool PeerIsThisUser(qintptr descriptor)
{
#ifdef SO_PEERCRED
    struct ucred peer = {};
    socklen_t length = sizeof peer;
    return ::getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0
        && peer.uid == ::geteuid();
#else
    uid_t uid = 0;
    gid_t gid = 0;
    return ::getpeereid(int(descriptor), &uid, &gid) == 0 && uid == ::geteuid();
#endif
}
#endif

} // namespace

CSingleInstance::CSingleInstance(const QString &key, QObject *parent)
    : QObject(parent)
    , m_key(key.isEmpty() ? QStringLiteral("meridock-netconf") : key)
{ }

CSingleInstance::~CSingleInstance()
{
    if (m_server)
        m_server->close();
#ifdef Q_OS_WIN
    if (m_mutex)
        CloseHandle(m_mutex);
#else
    if (m_lockFd >= 0)
        ::close(m_lockFd);
#endif
}

QString CSingleInstance::ProgramKey()
{
    // The name the process was started under, not the resolved file: a copy or link under
    // another name runs as a separate program.
    const QStringList arguments = QCoreApplication::arguments();
    QString started
        = arguments.isEmpty() ? QCoreApplication::applicationFilePath() : arguments.first();
    return QFileInfo(started).completeBaseName();
}

QString CSingleInstance::MarkerFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

QString CSingleInstance::MarkerPath(const QString &key)
{
    const QString folder = MarkerFolder();
    if (folder.isEmpty())
        return {};
    return folder + u'/' + key + u'-' + UserName() + QStringLiteral(".lock");
}

QString CSingleInstance::ServerName(const QString &key)
{
#ifdef Q_OS_WIN
    // Pipe names are machine-wide: the user keeps two users' copies apart.
    return key + u'-' + UserName();
#else
    return MarkerFolder() + u'/' + key + u'-' + UserName() + QStringLiteral(".socket");
#endif
}

bool CSingleInstance::Claim()
{
#ifdef Q_OS_WIN
    const std::wstring name = (m_key + u'-' + UserName()).toStdWString();
    m_mutex = CreateMutexW(nullptr, TRUE, name.c_str());
    if (m_mutex && GetLastError() == ERROR_ALREADY_EXISTS)
        return false;
#else
    // Without a marker of its own this copy runs alone and leaves any other copy's socket alone.
    if (!IsPrivateFolder(MarkerFolder()))
        return true;
    m_lockFd = OpenMarkerFile(QFile::encodeName(MarkerPath(m_key)));
    if (m_lockFd < 0)
        return true;
    if (::flock(m_lockFd, LOCK_EX | LOCK_NB) != 0) {
        const bool heldByOther = errno == EWOULDBLOCK;
        ::close(m_lockFd);
        m_lockFd = -1;
        return !heldByOther;
    }
#endif
    // Holding the marker, this copy may clear a socket left behind by one that crashed.
    const QString name = ServerName(m_key);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(name);
    if (m_server->listen(name))
        connect(
            m_server.get(), &QLocalServer::newConnection, this, &CSingleInstance::OnNewConnection);
    return true;
}

void CSingleInstance::NotifyRunningCopy()
{
    const QString name = ServerName(m_key);
#ifndef Q_OS_WIN
    if (!IsPrivateFolder(MarkerFolder()) || !IsOwnSocket(name))
        return;
#endif
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(ConnectTimeoutMs))
        return;
#ifndef Q_OS_WIN
    // The file may have been swapped since it was looked at; the process answering decides.
    if (!PeerIsThisUser(socket.socketDescriptor())) {
        socket.abort();
        return;
    }
#endif
    socket.write(RaiseRequest.data(), RaiseRequest.size());
    socket.waitForBytesWritten(ConnectTimeoutMs);
    socket.disconnectFromServer();
}

void CSingleInstance::OnNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
#ifndef Q_OS_WIN
        // Another user's process can only have got here through root's doing; it is not
        // listened to.
        if (!PeerIsThisUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
#endif
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            // Only the one short request is understood; anything else is dropped.
            if (socket->bytesAvailable() < RaiseRequest.size())
                return;
            const QByteArray request = socket->read(RaiseRequest.size());
            socket->readAll();
            if (request == RaiseRequest)
                Q_EMIT RaiseRequested();
            socket->disconnectFromServer();
        });
    }
}
