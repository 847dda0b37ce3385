#include "platform/NetworkManagerSettings.h"

#include "core/cipher/SecretWipe.h"
#include "platform/SystemBus.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>

using namespace Qt::StringLiterals;

namespace {

const QString kService = u"org.freedesktop.NetworkManager"_s;
const QString kSettingsPath = u"/org/freedesktop/NetworkManager/Settings"_s;
const QString kSettingsInterface = u"org.freedesktop.NetworkManager.Settings"_s;
const QString kConnectionInterface = u"org.freedesktop.NetworkManager.Settings.Connection"_s;
const QString kSecuritySetting = u"802-11-wireless-security"_s;

QVariant PlainArgument(const QDBusArgument &argument)
{
    switch (argument.currentType()) {
    case QDBusArgument::MapType: {
        QVariantMap map;
        argument.beginMap();
        while (!argument.atEnd()) {
            argument.beginMapEntry();
            const QString key = PlainDBusValue(argument.asVariant()).toString();
            const QVariant value = PlainDBusValue(argument.asVariant());
            argument.endMapEntry();
            map.insert(key, value);
        }
        argument.endMap();
        return map;
    }
    case QDBusArgument::ArrayType: {
        QVariantList list;
        argument.beginArray();
        while (!argument.atEnd())
            list.append(PlainDBusValue(argument.asVariant()));
        argument.endArray();
        return list;
    }
    case QDBusArgument::StructureType: {
        QVariantList fields;
        argument.beginStructure();
        while (!argument.atEnd())
            fields.append(PlainDBusValue(argument.asVariant()));
        argument.endStructure();
        return fields;
    }
    default:
        return PlainDBusValue(argument.asVariant());
    }
}

NmConnectionSettings ToSettings(const QVariant &reply)
{
    NmConnectionSettings settings;
    const QVariantMap map = PlainDBusValue(reply).toMap();
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        settings.insert(it.key(), it.value().toMap());
    return settings;
}

bool IsUnanswered(const QDBusMessage &reply)
{
    return reply.type() == QDBusMessage::ErrorMessage
        && (reply.errorName() == u"org.freedesktop.DBus.Error.NoReply"
            || reply.errorName() == u"org.freedesktop.DBus.Error.Timeout");
}

void WipeSecrets(NmConnectionSettings &settings)
{
    auto security = settings.find(kSecuritySetting);
    if (security == settings.end())
        return;
    for (const QString &key :
        { u"psk"_s, u"wep-key0"_s, u"wep-key1"_s, u"wep-key2"_s, u"wep-key3"_s }) {
        QString value = security->value(key).toString();
        security->remove(key);
        WipeString(value);
    }
}

} // namespace

QVariant PlainDBusValue(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<QDBusVariant>())
        return PlainDBusValue(value.value<QDBusVariant>().variant());
    if (value.metaType() == QMetaType::fromType<QDBusArgument>())
        return PlainArgument(value.value<QDBusArgument>());
    if (value.metaType() == QMetaType::fromType<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    return value;
}

CNetworkManagerSettings::CNetworkManagerSettings(QDBusConnection bus)
    : m_bus(std::move(bus))
{ }

KnownNetworksList CNetworkManagerSettings::ListKnownWifiNetworks()
{
    KnownNetworksList list;
    if (!m_bus.isConnected()) {
        list.m_status = KnownNetworksStatus::NoSystemBus;
        return list;
    }

    const QDBusMessage listCall = QDBusMessage::createMethodCall(
        kService, kSettingsPath, kSettingsInterface, u"ListConnections"_s);
    const QDBusMessage listReply = m_bus.call(listCall, QDBus::Block, SystemBusTimeoutMs);
    if (listReply.type() != QDBusMessage::ReplyMessage || listReply.arguments().isEmpty()) {
        list.m_status = KnownNetworksStatus::NoNetworkManager;
        return list;
    }

    bool secretsAnswer = true;
    const QVariantList paths = PlainDBusValue(listReply.arguments().front()).toList();
    for (const QVariant &path : paths) {
        const QDBusMessage settingsCall = QDBusMessage::createMethodCall(
            kService, path.toString(), kConnectionInterface, u"GetSettings"_s);
        const QDBusMessage settingsReply
            = m_bus.call(settingsCall, QDBus::Block, SystemBusTimeoutMs);
        if (IsUnanswered(settingsReply)) {
            list.m_status = KnownNetworksStatus::NoNetworkManager;
            list.m_networks.clear();
            return list;
        }
        // A connection removed meanwhile, or one we may not read: not ours to list.
        if (settingsReply.type() != QDBusMessage::ReplyMessage
            || settingsReply.arguments().isEmpty())
            continue;
        NmConnectionSettings settings = ToSettings(settingsReply.arguments().front());
        if (settings.value(u"connection"_s).value(u"type"_s).toString() != u"802-11-wireless")
            continue;

        // Without permission or a secret agent NetworkManager refuses the secrets; the profile
        // then comes without its key. One call that is not answered is enough to stop asking.
        if (secretsAnswer && settings.contains(kSecuritySetting)) {
            QDBusMessage secretsCall = QDBusMessage::createMethodCall(
                kService, path.toString(), kConnectionInterface, u"GetSecrets"_s);
            secretsCall << kSecuritySetting;
            const QDBusMessage secretsReply
                = m_bus.call(secretsCall, QDBus::Block, SystemBusTimeoutMs);
            if (IsUnanswered(secretsReply))
                secretsAnswer = false;
            if (secretsReply.type() == QDBusMessage::ReplyMessage
                && !secretsReply.arguments().isEmpty()) {
                const NmConnectionSettings secrets = ToSettings(secretsReply.arguments().front());
                const QVariantMap security = secrets.value(kSecuritySetting);
                for (auto it = security.cbegin(); it != security.cend(); ++it)
                    settings[kSecuritySetting].insert(it.key(), it.value());
            }
        }

        KnownWifiNetwork network;
        network.m_connectionName = settings.value(u"connection"_s).value(u"id"_s).toString();
        network.m_result = MapNetworkManagerConnection(settings);
        WipeSecrets(settings);
        list.m_networks.append(network);
    }
    return list;
}
