#pragma once

#include "platform/KnownNetworks.h"

#include <QDBusConnection>

// NetworkManager's saved connections over D-Bus: the Wi-Fi ones with their keys where
// NetworkManager hands them over. Every call waits at most SystemBusTimeoutMs.
class CNetworkManagerSettings final : public IKnownNetworksSource
{
public:
    explicit CNetworkManagerSettings(QDBusConnection bus);
    KnownNetworksList ListKnownWifiNetworks() override;

private:
    QDBusConnection m_bus;
};

// A D-Bus value as plain Qt values: maps as QVariantMap, arrays of bytes as QByteArray, arrays of
// strings as QStringList, other arrays as QVariantList, variants unwrapped.
QVariant PlainDBusValue(const QVariant &value);
