#include "ui/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

#ifdef Q_OS_WIN
#include <QLocalServer>
#include <QLocalSocket>
#include <qt_windows.h>

#include <string>
#else
#include "core/file/FileDescriptor.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace {

constexpr QByteArrayView RaiseVerb = "raise";
constexpr int ConnectTimeoutMs = 500;
// "raise", a blank and the token, and the newline.
constexpr qsizetype MaxRequestLength
    = RaiseVerb.size() + 1 + CSingleInstance::MaxActivationTokenLength + 1;

bool IsTokenCharacter(char c)
{
    return c > ' ' && c < 0x7F;
}

bool IsWellFormedToken(QByteArrayView token)
{
    return !token.isEmpty() && token.size() <= CSingleInstance::MaxActivationTokenLength
        && std::all_of(token.begin(), token.end(), IsTokenCharacter);
}

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

bool SetDescriptorFlags(int fd, bool nonBlocking)
{
    if (::fcntl(fd, F_SETFD, FD_CLOEXEC) != 0)
        return false;
    const int flags = ::fcntl(fd, F_GETFL);
    return !nonBlocking || (flags >= 0 && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0);
}

bool FillAddress(const QByteArray &path, sockaddr_un &address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<size_t>(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    return true;
}

bool SendAll(int fd, QByteArrayView bytes)
{
#ifdef MSG_NOSIGNAL
    constexpr int flags = MSG_NOSIGNAL; // a copy that goes away meanwhile must not end this one
#else
    constexpr int flags = 0;
#endif
    while (!bytes.isEmpty()) {
        const ssize_t sent = ::send(fd, bytes.data(), static_cast<size_t>(bytes.size()), flags);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent <= 0)
            return false;
        bytes = bytes.sliced(sent);
    }
    return true;
}

// One connection from a later copy. Only the one short request is understood; anything else
// is dropped, and the connection ends either way.
class CRequestReader : public QObject
{
public:
    CRequestReader(int fd, CSingleInstance *instance)
        : QObject(instance)
        , m_fd(fd)
        , m_notifier(fd, QSocketNotifier::Read)
    {
        connect(&m_notifier, &QSocketNotifier::activated, this, [this, instance] {
            if (ReadRequest())
                Finish(instance);
        });
    }

    ~CRequestReader() override { m_notifier.setEnabled(false); }

private:
    // True once the request is complete or can no longer become so.
    bool ReadRequest()
    {
        // Never more than a request's length: what follows is not looked at, and a peer that
        // keeps writing cannot hold this copy in the loop.
        while (m_request.size() < MaxRequestLength && !m_request.contains('\n')) {
            char buffer[MaxRequestLength];
            const ssize_t got = ::read(
                m_fd.Get(), buffer, static_cast<size_t>(MaxRequestLength - m_request.size()));
            if (got > 0) {
                m_request.append(buffer, got);
                continue;
            }
            if (got < 0 && errno == EINTR)
                continue;
            // Nothing more yet: wait for it. The end of the stream or an error: done.
            return !(got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK));
        }
        return true;
    }

    void Finish(CSingleInstance *instance)
    {
        m_notifier.setEnabled(false);
        const qsizetype end = m_request.indexOf('\n');
        QByteArray token;
        if (CSingleInstance::ParseRaiseRequest(m_request.left(end < 0 ? end : end + 1), &token))
            Q_EMIT instance->RaiseRequested(token);
        deleteLater();
    }

    CFileDescriptor m_fd;
    QSocketNotifier m_notifier;
    QByteArray m_request;
};
#endif

} // namespace

CSingleInstance::CSingleInstance(const QString &key, QObject *parent)
    : QObject(parent)
    , m_key(key.isEmpty() ? QStringLiteral("meridock-netconf") : key)
{ }

CSingleInstance::~CSingleInstance()
{
#ifdef Q_OS_WIN
    if (m_server)
        m_server->close();
    if (m_mutex)
        CloseHandle(m_mutex);
#else
    if (m_serverFd >= 0) {
        m_serverNotifier.reset();
        ::close(m_serverFd);
        // Still holding the marker, so the socket at this path is this copy's own.
        ::unlink(m_serverPath.constData());
    }
    if (m_lockFd >= 0)
        ::close(m_lockFd);
#endif
}

QByteArray CSingleInstance::LaunchActivationToken()
{
    QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN");
    if (token.isEmpty())
        token = qgetenv("DESKTOP_STARTUP_ID");
    return token;
}

QByteArray CSingleInstance::RaiseRequest(const QByteArray &activationToken)
{
    QByteArray request = RaiseVerb.toByteArray();
    if (IsWellFormedToken(activationToken))
        request += ' ' + activationToken;
    return request + '\n';
}

bool CSingleInstance::ParseRaiseRequest(QByteArrayView request, QByteArray *activationToken)
{
    activationToken->clear();
    if (!request.endsWith('\n') || !request.startsWith(RaiseVerb))
        return false;
    const QByteArrayView rest = request.sliced(RaiseVerb.size()).chopped(1);
    if (rest.isEmpty())
        return true;
    if (rest.front() != ' ')
        return false;
    if (IsWellFormedToken(rest.sliced(1)))
        *activationToken = rest.sliced(1).toByteArray();
    return true;
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
    Listen(ServerName(m_key));
    return true;
}

#ifdef Q_OS_WIN
void CSingleInstance::Listen(const QString &name)
{
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(name);
    if (m_server->listen(name))
        connect(
            m_server.get(), &QLocalServer::newConnection, this, &CSingleInstance::OnNewConnection);
}

void CSingleInstance::NotifyRunningCopy(const QByteArray &activationToken)
{
    QLocalSocket socket;
    socket.connectToServer(ServerName(m_key));
    if (!socket.waitForConnected(ConnectTimeoutMs))
        return;
    socket.write(RaiseRequest(activationToken));
    socket.waitForBytesWritten(ConnectTimeoutMs);
    socket.disconnectFromServer();
}

void CSingleInstance::OnNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            // Only the one short request is understood; anything else is dropped.
            if (!socket->canReadLine() && socket->bytesAvailable() < MaxRequestLength)
                return;
            const QByteArray request = socket->readLine(MaxRequestLength);
            socket->readAll();
            QByteArray token;
            if (ParseRaiseRequest(request, &token))
                Q_EMIT RaiseRequested(token);
            socket->disconnectFromServer();
        });
    }
}
#else
void CSingleInstance::Listen(const QString &name)
{
    // Holding the marker, this copy may clear a socket left behind by one that crashed.
    const QByteArray path = QFile::encodeName(name);
    sockaddr_un address;
    if (!FillAddress(path, address))
        return;
    ::unlink(path.constData());

    CFileDescriptor server(::socket(AF_UNIX, SOCK_STREAM, 0));
    if (server.Get() < 0 || !SetDescriptorFlags(server.Get(), true))
        return;
    // Bound in a private folder of its own first and moved into place once it is owner-only,
    // so that at no moment can another user reach it.
    QByteArray privateFolder
        = QFile::encodeName(QFileInfo(name).absolutePath()) + QByteArrayLiteral("/.socket-XXXXXX");
    if (!::mkdtemp(privateFolder.data()))
        return;
    const QByteArray privatePath = privateFolder + QByteArrayLiteral("/s");
    sockaddr_un privateAddress;
    bool bound = FillAddress(privatePath, privateAddress)
        && ::bind(server.Get(), reinterpret_cast<const sockaddr *>(&privateAddress),
               sizeof privateAddress)
            == 0;
    bound = bound && ::chmod(privatePath.constData(), S_IRUSR | S_IWUSR) == 0
        && ::rename(privatePath.constData(), path.constData()) == 0;
    ::unlink(privatePath.constData());
    ::rmdir(privateFolder.constData());
    if (!bound || ::listen(server.Get(), SOMAXCONN) != 0) {
        if (bound)
            ::unlink(path.constData());
        return;
    }

    m_serverFd = server.Release();
    m_serverPath = path;
    m_serverNotifier = std::make_unique<QSocketNotifier>(m_serverFd, QSocketNotifier::Read);
    connect(m_serverNotifier.get(), &QSocketNotifier::activated, this,
        &CSingleInstance::OnNewConnection);
}

void CSingleInstance::NotifyRunningCopy(const QByteArray &activationToken)
{
    const QString name = ServerName(m_key);
    sockaddr_un address;
    if (!IsPrivateFolder(MarkerFolder()) || !IsOwnSocket(name)
        || !FillAddress(QFile::encodeName(name), address))
        return;
    CFileDescriptor socket(::socket(AF_UNIX, SOCK_STREAM, 0));
    if (socket.Get() < 0 || !SetDescriptorFlags(socket.Get(), false))
        return;
    // Bounds both the connect (a copy too busy to accept) and the write.
    timeval timeout { ConnectTimeoutMs / 1000, (ConnectTimeoutMs % 1000) * 1000 };
    ::setsockopt(socket.Get(), SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
#ifdef SO_NOSIGPIPE
    const int on = 1;
    ::setsockopt(socket.Get(), SOL_SOCKET, SO_NOSIGPIPE, &on, sizeof on);
#endif
    int connected;
    do {
        connected
            = ::connect(socket.Get(), reinterpret_cast<const sockaddr *>(&address), sizeof address);
    } while (connected != 0 && errno == EINTR);
    // The file may have been swapped since it was looked at; the process answering decides.
    if (connected == 0 && PeerIsThisUser(socket.Get()))
        SendAll(socket.Get(), RaiseRequest(activationToken));
}

void CSingleInstance::OnNewConnection()
{
    for (;;) {
        const int peer = ::accept(m_serverFd, nullptr, nullptr);
        if (peer < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return;
        }
        // Another user's process can only have got here through root's doing; it is not
        // listened to.
        if (!PeerIsThisUser(peer) || !SetDescriptorFlags(peer, true)) {
            ::close(peer);
            continue;
        }
        new CRequestReader(peer, this);
    }
}
#endif
