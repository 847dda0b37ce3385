#pragma once

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

using namespace Qt::StringLiterals;
using SettingsMap = QMap<QString, QVariantMap>;

// A dbus-daemon of the test's own and, when a service is named, python3-dbusmock playing that
// service on it as on the system bus (`mockArguments` follow "python3 -m dbusmock --system").
class CMockBus
{
public:
    explicit CMockBus(const QString &service = {}, const QStringList &mockArguments = {})
        : m_service(service)
    {
        qDBusRegisterMetaType<SettingsMap>();
        qDBusRegisterMetaType<QList<QVariantMap>>();
        qDBusRegisterMetaType<QList<uint>>();
        qDBusRegisterMetaType<QList<QByteArray>>();
        m_daemon.start(u"dbus-daemon"_s, { u"--session"_s, u"--nofork"_s, u"--print-address"_s });
        if (QTest::qWaitFor([this] { return m_daemon.canReadLine(); }, 20000))
            m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        const QDBusConnection bus = QDBusConnection::connectToBus(m_address, m_name);
        if (!bus.isConnected())
            m_error = u"no private bus: "_s + m_daemon.errorString() + bus.lastError().message();
        if (service.isEmpty() || !m_error.isEmpty())
            return;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"DBUS_SYSTEM_BUS_ADDRESS"_s, m_address);
        m_mock.setProcessEnvironment(environment);
        m_mock.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_mock.start(u"/usr/bin/python3"_s,
            QStringList { u"-m"_s, u"dbusmock"_s, u"--system"_s } + mockArguments);
        if (!QTest::qWaitFor(
                [&] { return bus.interface()->isServiceRegistered(service).value(); }, 20000))
            m_error = u"python3-dbusmock did not bring "_s + service + u" onto the bus"_s;
    }

    ~CMockBus()
    {
        QDBusConnection::disconnectFromBus(m_name);
        for (QProcess *process : { &m_mock, &m_daemon }) {
            process->kill();
            process->waitForFinished();
        }
    }

    // Empty when the bus or the mock did not start; the reason is in Error().
    QString Address() const { return m_error.isEmpty() ? m_address : QString(); }
    QString Error() const { return m_error; }
    QDBusConnection Connection() const { return QDBusConnection(m_name); }

    // Calls the mock's own interface on its object at `path`.
    bool Mock(const QString &path, const QString &method, const QVariantList &arguments)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(
            m_service, path, u"org.freedesktop.DBus.Mock"_s, method);
        call.setArguments(arguments);
        const QDBusMessage reply = Connection().call(call, QDBus::Block, 20000);
        if (reply.type() != QDBusMessage::ReplyMessage)
            m_error = method + u": "_s + reply.errorMessage();
        return reply.type() == QDBusMessage::ReplyMessage;
    }

protected:
    QTemporaryDir m_dir;

private:
    QProcess m_daemon, m_mock;
    QString m_service, m_address, m_error;
    QString m_name = u"mock-bus-"_s + QUuid::createUuid().toString(QUuid::Id128);
};

// NetworkManager from dbusmock's template. The template keeps a connection's secrets with its
// settings and hands them over one level deeper than NetworkManager does: GetSecrets is
// replaced to answer as NetworkManager, with a{sa{sv}} or a NoSecrets error.
class CNmMockBus : public CMockBus
{
public:
    CNmMockBus()
        : CMockBus(u"org.freedesktop.NetworkManager"_s, { u"--template"_s, u"networkmanager"_s })
    { }

    // `secrets`: what GetSecrets hands over per setting. Returns the connection's object path.
    QString AddConnection(const SettingsMap &settings, const SettingsMap &secrets = {})
    {
        SettingsMap stored = settings;
        for (auto it = secrets.cbegin(); it != secrets.cend(); ++it)
            stored[it.key()].insert(u"secrets"_s, it.value());
        QDBusMessage add = QDBusMessage::createMethodCall(u"org.freedesktop.NetworkManager"_s,
            u"/org/freedesktop/NetworkManager/Settings"_s,
            u"org.freedesktop.NetworkManager.Settings"_s, u"AddConnection"_s);
        add << QVariant::fromValue(stored);
        const QDBusReply<QDBusObjectPath> path = Connection().call(add);
        const QString getSecrets = uR"(s = self.settings.get(args[0], {}).get('secrets')
if not s:
    raise dbus.exceptions.DBusException('', name='org.freedesktop.NetworkManager.AgentManager.NoSecrets')
ret = {args[0]: s})"_s;
        return path.isValid()
                && Mock(path.value().path(), u"AddMethod"_s,
                    { u"org.freedesktop.NetworkManager.Settings.Connection"_s, u"GetSecrets"_s,
                        u"s"_s, u"a{sa{sv}}"_s, getSecrets })
            ? path.value().path()
            : QString();
    }
};

// A Wi-Fi connection with security (unless `keyManagement` is empty) and DHCP.
inline SettingsMap WifiConnection(
    const QString &id, const QByteArray &ssid, const QString &keyManagement)
{
    SettingsMap settings {
        { u"connection"_s,
            { { u"id"_s, id }, { u"type"_s, u"802-11-wireless"_s },
                { u"uuid"_s, QUuid::createUuid().toString(QUuid::WithoutBraces) } } },
        { u"802-11-wireless"_s, { { u"ssid"_s, ssid } } },
        { u"ipv4"_s, { { u"method"_s, u"auto"_s } } }
    };
    if (!keyManagement.isEmpty())
        settings[u"802-11-wireless-security"_s] = { { u"key-mgmt"_s, keyManagement } };
    return settings;
}

// The disk service, with the drives and filesystems a test adds. Unmount and PowerOff note each
// call, before they act, in Calls() as "object-name method"; `then` is the Python they run next.
class CUDisksMock : public CMockBus
{
public:
    CUDisksMock()
        : CMockBus(u"org.freedesktop.UDisks2"_s,
            { u"-m"_s, u"org.freedesktop.UDisks2"_s, Root(), u"org.freedesktop.UDisks2.Manager"_s })
    { }

    static QString Root() { return u"/org/freedesktop/UDisks2"_s; }
    static QString BlockPath(const QString &name) { return Root() + u"/block_devices/"_s + name; }
    static QString Raise(const QString &errorName, const QString &message)
    {
        return u"raise dbus.exceptions.DBusException('%1', name='%2')"_s.arg(message, errorName);
    }

    bool Reset()
    {
        QFile::remove(Log());
        return Mock(Root(), u"Reset"_s, {});
    }

    bool AddDrive(const QString &name, const QVariantMap &properties, const QString &then = {})
    {
        const QString path = Root() + u"/drives/"_s + name;
        return AddObject(path, u"org.freedesktop.UDisks2.Drive"_s, properties)
            && AddRecordedMethod(path, u"org.freedesktop.UDisks2.Drive"_s, u"PowerOff"_s, then);
    }

    // A filesystem on drive `drive` (empty: none), mounted at `mountPoints`.
    bool AddFilesystem(const QString &name, const QString &drive, const QString &label,
        const QStringList &mountPoints, const QString &then = {})
    {
        const QString path = BlockPath(name), filesystem = u"org.freedesktop.UDisks2.Filesystem"_s;
        const QString driveObject = drive.isEmpty() ? u"/"_s : Root() + u"/drives/"_s + drive;
        QList<QByteArray> points; // stored with their terminating NUL
        for (const QString &point : mountPoints)
            points.append(point.toUtf8() + '\0');
        return AddObject(path, u"org.freedesktop.UDisks2.Block"_s,
                   { { u"Drive"_s, QVariant::fromValue(QDBusObjectPath(driveObject)) },
                       { u"IdLabel"_s, label }, { u"HintIgnore"_s, false } })
            && Mock(path, u"AddProperties"_s,
                { filesystem, QVariantMap { { u"MountPoints"_s, QVariant::fromValue(points) } } })
            && AddRecordedMethod(path, filesystem, u"Unmount"_s, then);
    }

    QStringList Calls() const
    {
        QFile log(Log());
        return log.open(QIODevice::ReadOnly)
            ? QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts)
            : QStringList();
    }

private:
    QString Log() const { return m_dir.filePath(u"calls"_s); }

    // dbus-python does not check argument types: an empty list of any type is "no methods".
    bool AddObject(const QString &path, const QString &interface, const QVariantMap &properties)
    {
        return Mock(Root(), u"AddObject"_s, { path, interface, properties, QVariantList() });
    }

    bool AddRecordedMethod(
        const QString &path, const QString &interface, const QString &method, const QString &then)
    {
        const QString code
            = u"open('%1', 'a').write('%2 %3\\n')\n"_s.arg(Log(), path.section(u'/', -1), method);
        return Mock(
            path, u"AddMethod"_s, { interface, method, u"a{sv}"_s, QString(), code + then });
    }
};
