#pragma once

#include "core/import/WifiImport.h"

#include <QList>
#include <QString>

// One Wi-Fi connection that this computer knows, mapped to a wireless profile or refused.
struct KnownWifiNetwork
{
    QString m_connectionName; // NetworkManager's name for it, shown where the SSID is not text
    WifiImportResult m_result;
};

enum class KnownNetworksStatus {
    Ok,
    NoSystemBus,
    NoNetworkManager, // not running, refusing, or not answering in time
};

struct KnownNetworksList
{
    KnownNetworksStatus m_status = KnownNetworksStatus::Ok;
    QList<KnownWifiNetwork> m_networks;
};

// Where the window gets the networks this computer knows from.
class IKnownNetworksSource
{
public:
    virtual ~IKnownNetworksSource() = default;
    virtual KnownNetworksList ListKnownWifiNetworks() = 0;
};
