#include "DocumentProbe.h"

#include <QMap>

using namespace Qt::StringLiterals;

namespace DocumentProbe {

namespace {

template<typename... Controls> QString EnabledState(const Controls &...controls)
{
    const int enabled = (int(controls.m_enabled) + ...);
    return enabled == int(sizeof...(controls)) ? u"1"_s : enabled == 0 ? u"0"_s : u"mixed"_s;
}

void DescribeProfile(QMap<QString, QString> &out, const QString &prefix, const CNetworkSetting &p)
{
    const auto n = [](int value) { return QString::number(value); };
    for (const auto &[name, value] : std::initializer_list<std::pair<const char *, QString>> {
             { "ssid", p.m_ssid }, { "mode", n(p.m_securityMode) }, { "key", p.m_networkKey },
             { "force", n(p.m_stealthSsid) }, { "dhcp", n(p.m_dhcp) }, { "proxy", n(p.m_useProxy) },
             { "auto", n(p.m_connectAutomatically) }, { "ip", Dotted(p.m_ipAddress) },
             { "mask", Dotted(p.m_subnetMask) }, { "gateway", Dotted(p.m_defaultGateway) },
             { "dns", Dotted(p.m_dns) }, { "dns2", Dotted(p.m_secondaryDns) },
             { "proxyAddress", p.m_proxyAddress }, { "proxyPort", p.m_proxyPort } })
        out.insert(prefix + QString::fromLatin1(name), value);
}

QString Dotted(const AddressControl &control)
{
    QStringList parts;
    for (const int f : control.m_fields)
        parts.append(f < 0 ? QString() : QString::number(f));
    return parts.join(u'.') == u"..." ? QString() : parts.join(u'.');
}

QMap<QString, QString> Describe(const CSettingsDocument &d, bool allSlots)
{
    const MainWindowControls &c = d.m_controls;
    const ConnectionControls &w = c.m_connection;
    const auto n = [](int value) { return QString::number(value); };
    QStringList list, slots;
    for (const WirelessListEntry &e : c.m_wirelessList)
        list.append(e.m_text), slots.append(n(e.m_slot));
    QMap<QString, QString> out;
    for (const auto &[name, value] : std::initializer_list<std::pair<const char *, QString>> {
             { "folder.mode", n(d.m_folderSettingMode) }, { "folder.uid", c.m_userId.m_text },
             { "folder.name", c.m_deviceName.m_text }, { "folder.enabled",
                 EnabledState(c.m_deviceName, c.m_userId, c.m_password, c.m_passwordConfirm) },
             { "folder.password", c.m_password.m_text }, { "wired.dhcpMode", n(d.m_dhcpMode) },
             { "folder.confirm", c.m_passwordConfirm.m_text }, { "wired.dns", Dotted(w.m_dns) },
             { "wired.ip", Dotted(w.m_ipAddress) }, { "wired.mask", Dotted(w.m_subnetMask) },
             { "wired.gateway", Dotted(w.m_defaultGateway) }, { "useWireless", n(d.m_useWireless) },
             { "wired.dns2", Dotted(w.m_secondaryDns) }, { "wired.proxy", n(d.m_wiredUseProxy) },
             { "wired.proxyEnabled", EnabledState(w.m_proxyAddress, w.m_proxyPort) },
             { "wired.proxyAddress", w.m_proxyAddress.m_text }, { "list", list.join(u',') },
             { "wired.proxyPort", w.m_proxyPort.m_text }, { "selection", n(c.m_wirelessSelection) },
             { "lastPath", d.m_lastPath }, { "wired.addressesEnabled",
                 EnabledState(w.m_ipAddress, w.m_subnetMask, w.m_defaultGateway, w.m_dns,
                     w.m_secondaryDns) } })
        out.insert(QString::fromLatin1(name), value);

    for (int i = 0; i < MaxWirelessProfiles; ++i)
        if (allSlots || !d.m_wirelessSettings[size_t(i)].m_ssid.isEmpty())
            DescribeProfile(out, u"p%1."_s.arg(i), d.m_wirelessSettings[size_t(i)]);
    if (allSlots) {
        DescribeProfile(out, u"wiredRecord."_s, d.m_wiredSetting);
        out.insert(u"listSlots"_s, slots.join(u','));
        out.insert(u"radios"_s, QString::asprintf("%d %d %d %d", c.m_folderModeRadio, w.m_dhcpRadio,
                                    int(w.m_useProxyChecked), int(c.m_useWirelessChecked)));
        out.insert(u"messageText"_s, d.m_messageText);
    }
    return out;
}

QStringList Lines(const QMap<QString, QString> &values)
{
    QStringList lines;
    for (const auto &[name, value] : values.asKeyValueRange())
        lines.append(name + u'=' + value);
    return lines;
}

} // namespace

QString Dotted(const IpAddressField &address)
{
    if (address == IpAddressField())
        return {};
    const std::array<std::uint8_t, 4> &o = address.m_octets;
    const QString text = u"%1.%2.%3.%4"_s.arg(o[0]).arg(o[1]).arg(o[2]).arg(o[3]);
    return address.IsComplete() ? text : text + u" (%1 parts)"_s.arg(address.m_filledParts);
}

QString ProfileText(const CNetworkSetting &record)
{
    QMap<QString, QString> fields;
    DescribeProfile(fields, QString(), record);
    return Lines(fields).join(u" | ");
}

QStringList ChangedFields(const CNetworkSetting &record)
{
    QMap<QString, QString> fields, defaults;
    DescribeProfile(fields, QString(), record);
    DescribeProfile(defaults, QString(), CNetworkSetting());
    fields.removeIf([&defaults](const auto &f) { return defaults.value(f.key()) == f.value(); });
    return Lines(fields);
}

QStringList Snapshot(const CSettingsDocument &document, bool allSlots)
{
    return Lines(Describe(document, allSlots));
}

QStringList Mismatches(const CSettingsDocument &document, QStringView expectations)
{
    const QMap<QString, QString> actual = Describe(document, false);
    QStringList differences;
    for (const QStringView expected : expectations.split(u'|', Qt::SkipEmptyParts)) {
        const QString name = expected.left(expected.indexOf(u'=')).toString();
        const QString line = name + u'=' + actual.value(name, u"(absent)"_s);
        if (line != expected)
            differences.append(u"%1, expected %2"_s.arg(line, expected));
    }
    return differences;
}

void Prefill(CSettingsDocument &document)
{
    document.m_folderSettingMode = document.m_dhcpMode = document.m_wiredUseProxy = 1;
    document.m_useWireless = 0;
    document.Push();
    MainWindowControls &c = document.m_controls;
    c.m_deviceName = { u"old-name"_s, true };
    c.m_userId = { u"old_user"_s, true };
    c.m_password = c.m_passwordConfirm = { u"old pass"_s, true };
    for (AddressControl *a : c.m_connection.Addresses())
        *a = AddressControl { { 10, 9, 8, 7 }, true };
    c.m_connection.m_proxyAddress = { u"old.proxy"_s, true };
    c.m_connection.m_proxyPort = { u"9999"_s, true };
    for (const int slot : { 3, 7, 12 }) {
        CNetworkSetting &p = document.m_wirelessSettings[size_t(slot)];
        p.m_ssid = u"Old%1"_s.arg(slot);
        p.m_securityMode = 2;
        p.m_networkKey = u"oldkey%1"_s.arg(slot);
    }
    // Slot 12 is in use but not listed; the last item refers to no slot at all.
    c.m_wirelessList = { { u"Old7"_s, 7 }, { u"Old3"_s, 3 }, { u"Stray"_s, 57 } };
    c.m_wirelessSelection = 1;
    document.m_lastPath = u"/old/folder"_s;
}

} // namespace DocumentProbe
