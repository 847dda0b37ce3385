#pragma once

#include <QObject>
#include <QString>

#include <memory>

#ifdef Q_OS_WIN
class QLocalServer;
#else
class QSocketNotifier;
#endif

// One running copy per user and program name. The first copy holds a marker that the system
// drops when the process ends in any way, so a crashed copy never blocks the next start, and
// listens for later copies, which only ask it to come forward and then end.
class CSingleInstance : public QObject
{
    Q_OBJECT

public:
    // `key`: the program file's base name; copies started under other names do not meet.
    explicit CSingleInstance(const QString &key, QObject *parent = nullptr);
    ~CSingleInstance() override;

    // The program file's base name as the process was started, without folder and extension.
    static QString ProgramKey();
    // Where the marker and the local socket live: the user's own runtime folder.
    static QString MarkerFolder();
    // The marker file (not used on Windows, where a named mutex is the marker).
    static QString MarkerPath(const QString &key);
    static QString ServerName(const QString &key);

    // True when this is the first copy: it now holds the marker and listens. False when another
    // copy of this user holds it. A marker that cannot be made at all does not stop the start;
    // such a copy then runs alone, without a socket. Whatever sits in the marker's place and is
    // not this user's own private file (a link, another user's file, one others could open) is
    // never followed nor trusted: it is replaced.
    bool Claim();
    // Asks the copy holding the marker to bring its window forward, handing on the launcher's
    // activation token (see LaunchActivationToken); nothing happens when none answers, or when
    // the socket or the process behind it belongs to someone else.
    void NotifyRunningCopy(const QByteArray &activationToken = {});

    // The token with which the desktop lets the window that this start stands for come to the
    // front: XDG_ACTIVATION_TOKEN on Wayland, DESKTOP_STARTUP_ID on X11. Read before the
    // application object exists, since the X11 platform takes the latter from the environment.
    static QByteArray LaunchActivationToken();

    // The request a later copy sends, and what the holder reads from it: true for a well-formed
    // request, with the token in `activationToken` (empty when none came). A token is at most
    // MaxActivationTokenLength printable ASCII characters without blanks; a longer or odd one
    // is dropped, the request still honoured.
    static QByteArray RaiseRequest(const QByteArray &activationToken);
    static bool ParseRaiseRequest(QByteArrayView request, QByteArray *activationToken);
    static constexpr int MaxActivationTokenLength = 255;

Q_SIGNALS:
    void RaiseRequested(const QByteArray &activationToken);

private:
    void Listen(const QString &name);
    void OnNewConnection();

    QString m_key;
#ifdef Q_OS_WIN
    std::unique_ptr<QLocalServer> m_server;
    void *m_mutex = nullptr;
#else
    // A plain local socket: the network module and the libraries it pulls in would cost more
    // at every start than everything else this class does.
    int m_serverFd = -1;
    QByteArray m_serverPath;
    std::unique_ptr<QSocketNotifier> m_serverNotifier;
    int m_lockFd = -1;
#endif
};
