#pragma once

#include <QDBusConnectionInterface>
#include <QDBusMetaType>
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
        qDBusRegisterMetaType<QList<QByteArray>>();
        m_daemon.start(u"dbus-daemon"_s, { u"--session"_s, u"--nofork"_s, u"--print-address"_s });
        if (QTest::qWaitFor([this] { return m_daemon.canReadLine(); }, 20000))
            m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        const QDBusConnection bus = QDBusConnection::connectToBus(m_address, m_name);
        if (!bus.isConnected())
            m_error = u"no private bus: "_s + m_daemon.errorString() + bus.lastError().message();
        if (service.isEmpty() || !m_error.isEmpty())
            return;
        m_mock.setEnvironment(
            QProcess::systemEnvironment() << u"DBUS_SYSTEM_BUS_ADDRESS="_s + m_address);
        m_mock.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_mock.start(u"/usr/bin/python3"_s,
            QStringList { u"-m"_s, u"dbusmock"_s, u"--system"_s } + mockArguments);
        if (!QTest::qWaitFor(
                [&] { return bus.interface()->isServiceRegistered(service).value(); }, 20000))
            m_error = u"python3-dbusmock did not bring "_s + service + u" onto the bus"_s;
    }

    ~CMockBus()
    {
        m_mock.close(); // kills it and waits
        m_daemon.close();
    }

    // Empty when the bus or the mock did not start; the reason is in Error().
    QString Address() const { return m_error.isEmpty() ? m_address : QString(); }
    QString Error() const { return m_error; }
    QDBusConnection Connection() const { return QDBusConnection(m_name); }

    // Calls the mock's own interface, or `interface`, on the object at `path`; the reply is kept
    // in m_reply and a failure noted in Error().
    bool Mock(const QString &path, const QString &method, const QVariantList &arguments,
        const QString &interface = u"org.freedesktop.DBus.Mock"_s)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(m_service, path, interface, method);
        call.setArguments(arguments);
        m_reply = Connection().call(call, QDBus::Block, 20000);
        if (m_reply.type() != QDBusMessage::ReplyMessage)
            m_error = method + u": "_s + m_reply.errorMessage();
        return m_reply.type() == QDBusMessage::ReplyMessage;
    }

protected:
    QTemporaryDir m_dir;
    QDBusMessage m_reply;

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
    QString AddConnection(SettingsMap settings, const SettingsMap &secrets = {})
    {
        for (auto it = secrets.cbegin(); it != secrets.cend(); ++it)
            settings[it.key()].insert(u"secrets"_s, it.value());
        const QString getSecrets = uR"(s = self.settings.get(args[0], {}).get('secrets')
if not s: raise dbus.exceptions.DBusException('', name='org.freedesktop.NetworkManager.AgentManager.NoSecrets')
ret = {args[0]: s})"_s;
        Mock(u"/org/freedesktop/NetworkManager/Settings"_s, u"AddConnection"_s,
            { QVariant::fromValue(settings) }, u"org.freedesktop.NetworkManager.Settings"_s);
        const QString path = m_reply.arguments().value(0).value<QDBusObjectPath>().path();
        return !path.isEmpty()
                && Mock(path, u"AddMethod"_s,
                    { u"org.freedesktop.NetworkManager.Settings.Connection"_s, u"GetSecrets"_s,
                        u"s"_s, u"a{sa{sv}}"_s, getSecrets })
            ? path
            : QString();
    }
};

// A Wi-Fi connection with security (unless `keyManagement` is empty) and DHCP.
inline SettingsMap WifiConnection(
    const QString &id, const QByteArray &ssid, const QString &keyManagement)
{
    SettingsMap settings { { u"connection"_s,
                               { { u"id"_s, id }, { u"type"_s, u"802-11-wireless"_s } } },
        { u"802-11-wireless"_s, { { u"ssid"_s, ssid } } },
        { u"ipv4"_s, { { u"method"_s, u"auto"_s } } } };
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
            { u"-m"_s, u"org.freedesktop.UDisks2"_s, Root, u"org.freedesktop.UDisks2.Manager"_s })
    { }

    static inline const QString Root = u"/org/freedesktop/UDisks2"_s;

    bool Reset()
    {
        QFile::remove(Log());
        return Mock(Root, u"Reset"_s, {});
    }

    bool AddDrive(const QString &name, const QVariantMap &properties, const QString &then = {})
    {
        return AddObject(u"drives/"_s + name, u"Drive"_s, properties, u"PowerOff"_s, then);
    }

    // A filesystem on drive `drive`, mounted at `mountPoints`.
    bool AddFilesystem(const QString &name, const QString &drive, const QString &label,
        const QStringList &mountPoints, const QString &then = {})
    {
        const QDBusObjectPath driveObject(Root + u"/drives/"_s + drive);
        QList<QByteArray> points; // stored with their terminating NUL
        for (const QString &point : mountPoints)
            points.append(point.toUtf8() + '\0');
        return AddObject(u"block_devices/"_s + name, u"Filesystem"_s,
                   { { u"MountPoints"_s, QVariant::fromValue(points) } }, u"Unmount"_s, then)
            && Mock(Root + u"/block_devices/"_s + name, u"AddProperties"_s,
                { u"org.freedesktop.UDisks2.Block"_s,
                    QVariantMap { { u"Drive"_s, QVariant::fromValue(driveObject) },
                        { u"IdLabel"_s, label } } });
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

    // Each call of `method` is noted in the log before `then` runs. dbus-python does not check
    // argument types: the method's four strings may go as a list.
    bool AddObject(const QString &name, const QString &interface, const QVariantMap &properties,
        const QString &method, const QString &then)
    {
        const QString code
            = u"open('%1', 'a').write('%2 %3\\n')\n"_s.arg(Log(), name.section(u'/', -1), method);
        return Mock(Root, u"AddObject"_s,
            { Root + u'/' + name, u"org.freedesktop.UDisks2."_s + interface, properties,
                QVariantList { QStringList { method, u"a{sv}"_s, QString(), code + then } } });
    }
};
