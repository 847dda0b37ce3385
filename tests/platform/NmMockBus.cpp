#include "NmMockBus.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QFile>
#include <QTest>
#include <QUuid>

using namespace Qt::StringLiterals;

namespace {

using SettingsMap = QMap<QString, QVariantMap>;

constexpr int StartTimeoutMs = 20000;

const QString kMockInterface = u"org.freedesktop.DBus.Mock"_s;

// Replaces the template's GetSecrets, which wraps the secrets one level deeper than
// NetworkManager does.
const QString kGetSecretsCode = uR"(
s = self.settings.get(args[0], {}).get('secrets')
if not s:
    raise dbus.exceptions.DBusException('No secrets', name='org.freedesktop.NetworkManager.AgentManager.NoSecrets')
ret = {args[0]: s}
)"_s;

} // namespace

CNmMockBus::CNmMockBus(Service service)
{
    qDBusRegisterMetaType<SettingsMap>();
    qDBusRegisterMetaType<QList<QVariantMap>>();
    qDBusRegisterMetaType<QList<uint>>();

    const QString config = m_dir.filePath(u"bus.conf"_s);
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) {
        m_error = u"cannot write the bus configuration"_s;
        return;
    }
    file.write(uR"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:dir=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*"/>
    <allow receive_sender="*"/>
  </policy>
</busconfig>
)"_s.arg(m_dir.path())
                   .toUtf8());
    file.close();

    m_daemon.start(u"dbus-daemon"_s,
        { u"--config-file="_s + config, u"--nofork"_s, u"--nopidfile"_s, u"--print-address"_s });
    if (!m_daemon.waitForStarted(StartTimeoutMs)
        || !QTest::qWaitFor([this] { return m_daemon.canReadLine(); }, StartTimeoutMs)) {
        m_error = u"dbus-daemon did not start: "_s + m_daemon.errorString();
        return;
    }
    const QString address = QString::fromUtf8(m_daemon.readLine()).trimmed();

    m_connectionName = u"nm-mock-"_s + QUuid::createUuid().toString(QUuid::Id128);
    QDBusConnection bus = QDBusConnection::connectToBus(address, m_connectionName);
    if (!bus.isConnected()) {
        m_error = u"cannot connect to the private bus: "_s + bus.lastError().message();
        return;
    }

    if (service == Service::NetworkManager) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"DBUS_SYSTEM_BUS_ADDRESS"_s, address);
        m_mock.setProcessEnvironment(environment);
        m_mock.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_mock.start(u"/usr/bin/python3"_s,
            { u"-m"_s, u"dbusmock"_s, u"--system"_s, u"--template"_s, u"networkmanager"_s });
        const bool registered = QTest::qWaitFor(
            [&bus] {
                return bus.interface()
                    ->isServiceRegistered(u"org.freedesktop.NetworkManager"_s)
                    .value();
            },
            StartTimeoutMs);
        if (!registered) {
            m_error = u"python3-dbusmock's NetworkManager did not appear on the bus"_s;
            return;
        }
    }
    m_address = address;
}

CNmMockBus::~CNmMockBus()
{
    if (!m_connectionName.isEmpty())
        QDBusConnection::disconnectFromBus(m_connectionName);
    for (QProcess *process : { &m_mock, &m_daemon }) {
        if (process->state() == QProcess::NotRunning)
            continue;
        process->terminate();
        if (!process->waitForFinished(5000)) {
            process->kill();
            process->waitForFinished();
        }
    }
}

QDBusConnection CNmMockBus::Connection() const
{
    return QDBusConnection(m_connectionName);
}

QString CNmMockBus::AddConnection(const SettingsMap &settings, const SettingsMap &secrets)
{
    SettingsMap stored = settings;
    for (auto it = secrets.cbegin(); it != secrets.cend(); ++it)
        stored[it.key()].insert(u"secrets"_s, it.value());

    QDBusMessage add = QDBusMessage::createMethodCall(u"org.freedesktop.NetworkManager"_s,
        u"/org/freedesktop/NetworkManager/Settings"_s, u"org.freedesktop.NetworkManager.Settings"_s,
        u"AddConnection"_s);
    add << QVariant::fromValue(stored);
    const QDBusReply<QDBusObjectPath> path = Connection().call(add);
    if (!path.isValid()) {
        m_error = path.error().message();
        return {};
    }

    QDBusMessage replace = QDBusMessage::createMethodCall(
        u"org.freedesktop.NetworkManager"_s, path.value().path(), kMockInterface, u"AddMethod"_s);
    replace << u"org.freedesktop.NetworkManager.Settings.Connection"_s << u"GetSecrets"_s << u"s"_s
            << u"a{sa{sv}}"_s << kGetSecretsCode;
    const QDBusMessage replaced = Connection().call(replace);
    if (replaced.type() != QDBusMessage::ReplyMessage) {
        m_error = replaced.errorMessage();
        return {};
    }
    return path.value().path();
}

bool CNmMockBus::MakeMethodHang(const QString &path, const QString &interface,
    const QString &method, const QString &inSignature, const QString &outSignature)
{
    QDBusMessage replace = QDBusMessage::createMethodCall(
        u"org.freedesktop.NetworkManager"_s, path, kMockInterface, u"AddMethod"_s);
    replace << interface << method << inSignature << outSignature
            << u"import time\ntime.sleep(8)\nret = None"_s;
    return Connection().call(replace).type() == QDBusMessage::ReplyMessage;
}

SettingsMap WifiConnection(const QString &id, const QByteArray &ssid, const QString &keyManagement)
{
    SettingsMap settings;
    settings[u"connection"_s] = QVariantMap { { u"id"_s, id }, { u"type"_s, u"802-11-wireless"_s },
        { u"uuid"_s, QUuid::createUuid().toString(QUuid::WithoutBraces) } };
    settings[u"802-11-wireless"_s]
        = QVariantMap { { u"ssid"_s, ssid }, { u"mode"_s, u"infrastructure"_s } };
    if (!keyManagement.isEmpty()) {
        settings[u"802-11-wireless"_s].insert(u"security"_s, u"802-11-wireless-security"_s);
        settings[u"802-11-wireless-security"_s] = QVariantMap { { u"key-mgmt"_s, keyManagement } };
    }
    settings[u"ipv4"_s] = QVariantMap { { u"method"_s, u"auto"_s } };
    return settings;
}
