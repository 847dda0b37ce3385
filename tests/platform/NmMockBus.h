#pragma once

#include <QDBusConnection>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QVariantMap>

#include <memory>

// A private message bus of the test's own with python3-dbusmock's NetworkManager template on it,
// both stopped when the object goes. GetSecrets answers as NetworkManager does: the setting's
// secrets as a{sa{sv}}, or a NoSecrets error where the connection holds none.
class CNmMockBus
{
public:
    enum class Service { None, NetworkManager };

    explicit CNmMockBus(Service service = Service::NetworkManager);
    ~CNmMockBus();
    CNmMockBus(const CNmMockBus &) = delete;
    CNmMockBus &operator=(const CNmMockBus &) = delete;

    // Empty when the bus or the mock did not start; the reason is in Error().
    QString Address() const { return m_address; }
    QString Error() const { return m_error; }
    QDBusConnection Connection() const;

    // Adds a saved connection; `secrets` are what GetSecrets hands over for each setting
    // (setting name -> property -> value), nothing when empty. Returns its object path.
    QString AddConnection(
        const QMap<QString, QVariantMap> &settings, const QMap<QString, QVariantMap> &secrets = {});
    // Makes a method of the mock sleep longer than any caller waits.
    bool MakeMethodHang(const QString &path, const QString &interface, const QString &method,
        const QString &inSignature, const QString &outSignature);

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QProcess m_mock;
    QString m_address;
    QString m_error;
    QString m_connectionName;
};

// A connection's settings for AddConnection: a Wi-Fi connection of that SSID with WPA-PSK
// security (when `keyManagement` is not empty) and automatic addresses.
QMap<QString, QVariantMap> WifiConnection(
    const QString &id, const QByteArray &ssid, const QString &keyManagement);
