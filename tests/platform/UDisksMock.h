#pragma once

// A private D-Bus daemon, and the disk service played on it by python3-dbusmock with the objects a
// test adds. There is no ready-made template for the disk service: the test builds its drives
// and filesystems from the interfaces it needs.

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

struct MockMethod
{
    QString name;
    QString inSignature;
    QString outSignature;
    QString code; // Python run by the mock; may raise dbus.exceptions.DBusException
};
Q_DECLARE_METATYPE(MockMethod)
Q_DECLARE_METATYPE(QList<MockMethod>)

inline QDBusArgument &operator<<(QDBusArgument &argument, const MockMethod &method)
{
    argument.beginStructure();
    argument << method.name << method.inSignature << method.outSignature << method.code;
    argument.endStructure();
    return argument;
}

inline const QDBusArgument &operator>>(const QDBusArgument &argument, MockMethod &method)
{
    argument.beginStructure();
    argument >> method.name >> method.inSignature >> method.outSignature >> method.code;
    argument.endStructure();
    return argument;
}

// A dbus-daemon of the test's own, stopped with the object.
class CPrivateBus
{
public:
    CPrivateBus() = default;
    ~CPrivateBus() { Stop(); }

    bool Start(const QString &connectionName)
    {
        m_daemon.setProgram(QStringLiteral("dbus-daemon"));
        m_daemon.setArguments({ QStringLiteral("--session"), QStringLiteral("--nofork"),
            QStringLiteral("--print-address") });
        m_daemon.start();
        if (!m_daemon.waitForStarted(10000))
            return false;
        while (!m_daemon.canReadLine()) {
            if (!m_daemon.waitForReadyRead(10000))
                return false;
        }
        m_address = QString::fromUtf8(m_daemon.readLine().trimmed());
        m_name = connectionName;
        return Connection().isConnected();
    }

    void Stop()
    {
        if (!m_name.isEmpty())
            QDBusConnection::disconnectFromBus(m_name);
        m_name.clear();
        if (m_daemon.state() != QProcess::NotRunning) {
            m_daemon.terminate();
            m_daemon.waitForFinished(5000);
        }
    }

    QDBusConnection Connection() const { return QDBusConnection::connectToBus(m_address, m_name); }
    QString Address() const { return m_address; }

private:
    QProcess m_daemon;
    QString m_address;
    QString m_name;
};

class CUDisksMock
{
public:
    static constexpr auto Service = "org.freedesktop.UDisks2";
    static constexpr auto Root = "/org/freedesktop/UDisks2";

    ~CUDisksMock()
    {
        if (m_mock.state() != QProcess::NotRunning) {
            m_mock.terminate();
            m_mock.waitForFinished(5000);
        }
    }

    // Starts the mock as the disk service on `bus`, with its object manager at the root.
    bool Start(const CPrivateBus &bus)
    {
        qDBusRegisterMetaType<MockMethod>();
        qDBusRegisterMetaType<QList<MockMethod>>();
        qDBusRegisterMetaType<QList<QByteArray>>();
        if (!m_logFolder.isValid())
            return false;
        m_bus = bus.Connection();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), bus.Address());
        m_mock.setProcessEnvironment(environment);
        m_mock.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_mock.setProgram(QStringLiteral("/usr/bin/python3"));
        m_mock.setArguments({ QStringLiteral("-m"), QStringLiteral("dbusmock"),
            QStringLiteral("--system"), QStringLiteral("-m"), QString::fromLatin1(Service),
            QString::fromLatin1(Root), QStringLiteral("org.freedesktop.UDisks2.Manager") });
        m_mock.start();
        if (!m_mock.waitForStarted(10000))
            return false;
        return QTest::qWaitFor(
            [this] {
                return m_bus.interface()->isServiceRegistered(QString::fromLatin1(Service)).value();
            },
            20000);
    }

    // Removes every object added so far and forgets the calls.
    bool Reset()
    {
        QFile::remove(CallLogPath());
        return Call(QString::fromLatin1(Root), QStringLiteral("Reset"), {});
    }

    bool AddDrive(
        const QString &name, const QVariantMap &properties, const QString &powerOffCode = QString())
    {
        const QString path = DrivePath(name);
        return Call(QString::fromLatin1(Root), QStringLiteral("AddObject"),
            { path, QStringLiteral("org.freedesktop.UDisks2.Drive"), properties,
                QVariant::fromValue(QList<MockMethod> {
                    Recorded(path, QStringLiteral("PowerOff"), powerOffCode) }) });
    }

    // A block device on drive `drive` (empty: none) holding a filesystem mounted at `mountPoints`.
    bool AddFilesystem(const QString &name, const QString &drive, const QString &label,
        const QStringList &mountPoints, const QString &unmountCode = QString(),
        bool hintIgnore = false)
    {
        const QString path = BlockPath(name);
        const QVariantMap block {
            { QStringLiteral("Drive"),
                QVariant::fromValue(
                    QDBusObjectPath(drive.isEmpty() ? QStringLiteral("/") : DrivePath(drive))) },
            { QStringLiteral("IdLabel"), label },
            { QStringLiteral("HintIgnore"), hintIgnore },
            { QStringLiteral("Device"), QByteArray("/dev/" + name.toLatin1() + '\0') },
        };
        QList<QByteArray> points;
        for (const QString &point : mountPoints)
            points.append(point.toUtf8() + '\0');
        if (!Call(QString::fromLatin1(Root), QStringLiteral("AddObject"),
                { path, QStringLiteral("org.freedesktop.UDisks2.Block"), block,
                    QVariant::fromValue(QList<MockMethod>()) }))
            return false;
        if (!Call(path, QStringLiteral("AddProperties"),
                { QStringLiteral("org.freedesktop.UDisks2.Filesystem"),
                    QVariantMap {
                        { QStringLiteral("MountPoints"), QVariant::fromValue(points) } } }))
            return false;
        const MockMethod unmount = Recorded(path, QStringLiteral("Unmount"), unmountCode);
        return Call(path, QStringLiteral("AddMethod"),
            { QStringLiteral("org.freedesktop.UDisks2.Filesystem"), unmount.name,
                unmount.inSignature, unmount.outSignature, unmount.code });
    }

    // Every removal call made, in order, as "object-name method".
    QStringList Calls() const
    {
        QFile log(CallLogPath());
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    static QString DrivePath(const QString &name)
    {
        return QString::fromLatin1(Root) + QStringLiteral("/drives/") + name;
    }
    static QString BlockPath(const QString &name)
    {
        return QString::fromLatin1(Root) + QStringLiteral("/block_devices/") + name;
    }

    // Python that makes a method fail as the disk service does.
    static QString Raise(const QString &errorName, const QString &message)
    {
        return QStringLiteral("raise dbus.exceptions.DBusException('%1', name='%2')")
            .arg(message, errorName);
    }

private:
    MockMethod Recorded(const QString &path, const QString &method, const QString &then) const
    {
        // Logged before the method acts, so that a failed call is on record too.
        QString code = QStringLiteral("open('%1', 'a').write('%2 %3\\n')\n")
                           .arg(CallLogPath(), path.section(u'/', -1), method);
        code += then;
        return { method, QStringLiteral("a{sv}"), QString(), code };
    }

    bool Call(const QString &path, const QString &method, const QVariantList &arguments)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(Service), path,
            QStringLiteral("org.freedesktop.DBus.Mock"), method);
        call.setArguments(arguments);
        const QDBusMessage reply = m_bus.call(call, QDBus::Block, 10000);
        if (reply.type() == QDBusMessage::ErrorMessage)
            qWarning("mock %s: %s", qPrintable(method), qPrintable(reply.errorMessage()));
        return reply.type() == QDBusMessage::ReplyMessage;
    }

    QString CallLogPath() const { return m_logFolder.filePath(QStringLiteral("calls")); }

    QDBusConnection m_bus { QString() };
    QProcess m_mock;
    QTemporaryDir m_logFolder;
};
