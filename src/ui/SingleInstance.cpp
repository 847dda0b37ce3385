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
    const QString folder = MarkerFolder();
    QDir().mkpath(folder);
    const QByteArray lockPath
        = QFile::encodeName(folder + u'/' + m_key + u'-' + UserName() + QStringLiteral(".lock"));
    m_lockFd = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_lockFd >= 0 && ::flock(m_lockFd, LOCK_EX | LOCK_NB) != 0) {
        const bool heldByOther = errno == EWOULDBLOCK;
        ::close(m_lockFd);
        m_lockFd = -1;
        if (heldByOther)
            return false;
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
    QLocalSocket socket;
    socket.connectToServer(ServerName(m_key));
    if (!socket.waitForConnected(ConnectTimeoutMs))
        return;
    socket.write(RaiseRequest.data(), RaiseRequest.size());
    socket.waitForBytesWritten(ConnectTimeoutMs);
    socket.disconnectFromServer();
}

void CSingleInstance::OnNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
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
