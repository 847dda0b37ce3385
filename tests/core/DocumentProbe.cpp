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
    const auto n = [](int value) {
        return QString::number(value);
    };
    for (const auto &[name, value] : std::initializer_list<std::pair<QString, QString>> {
             { u"ssid"_s, p.m_ssid }, { u"mode"_s, n(p.m_securityMode) },
             { u"key"_s, p.m_networkKey }, { u"force"_s, n(p.m_stealthSsid) },
             { u"auto"_s, n(p.m_connectAutomatically) }, { u"dhcp"_s, n(p.m_dhcp) },
             { u"ip"_s, Dotted(p.m_ipAddress) }, { u"mask"_s, Dotted(p.m_subnetMask) },
             { u"gateway"_s, Dotted(p.m_defaultGateway) }, { u"dns"_s, Dotted(p.m_dns) },
             { u"dns2"_s, Dotted(p.m_secondaryDns) }, { u"proxy"_s, n(p.m_useProxy) },
             { u"proxyAddress"_s, p.m_proxyAddress }, { u"proxyPort"_s, p.m_proxyPort } })
        out.insert(prefix + name, value);
}

QString Dotted(const AddressControl &control)
{
    QStringList parts;
    for (const int f : control.m_fields)
        parts.append(f < 0 ? QString() : QString::number(f));
    const QString text = parts.join(u'.');
    return text == u"..." ? QString() : text;
}

QMap<QString, QString> Describe(const CSettingsDocument &document, bool allSlots)
{
    const MainWindowControls &c = document.m_controls;
    QMap<QString, QString> out;
    out.insert(u"folder.mode"_s, QString::number(document.m_folderSettingMode));
    out.insert(u"folder.enabled"_s,
        EnabledState(c.m_deviceName, c.m_userId, c.m_password, c.m_passwordConfirm));
    out.insert(u"folder.name"_s, c.m_deviceName.m_text);
    out.insert(u"folder.uid"_s, c.m_userId.m_text);
    out.insert(u"folder.password"_s, c.m_password.m_text);
    out.insert(u"folder.confirm"_s, c.m_passwordConfirm.m_text);

    const ConnectionControls &w = c.m_connection;
    out.insert(u"wired.dhcpMode"_s, QString::number(document.m_dhcpMode));
    out.insert(u"wired.addressesEnabled"_s,
        EnabledState(w.m_ipAddress, w.m_subnetMask, w.m_defaultGateway, w.m_dns, w.m_secondaryDns));
    out.insert(u"wired.ip"_s, Dotted(w.m_ipAddress));
    out.insert(u"wired.mask"_s, Dotted(w.m_subnetMask));
    out.insert(u"wired.gateway"_s, Dotted(w.m_defaultGateway));
    out.insert(u"wired.dns"_s, Dotted(w.m_dns));
    out.insert(u"wired.dns2"_s, Dotted(w.m_secondaryDns));
    out.insert(u"wired.proxy"_s, QString::number(document.m_wiredUseProxy));
    out.insert(u"wired.proxyEnabled"_s, EnabledState(w.m_proxyAddress, w.m_proxyPort));
    out.insert(u"wired.proxyAddress"_s, w.m_proxyAddress.m_text);
    out.insert(u"wired.proxyPort"_s, w.m_proxyPort.m_text);
    out.insert(u"useWireless"_s, QString::number(document.m_useWireless));
    QStringList list;
    QStringList slots;
    for (const WirelessListEntry &e : c.m_wirelessList) {
        list.append(e.m_text);
        slots.append(QString::number(e.m_slot));
    }
    out.insert(u"list"_s, list.join(u','));
    out.insert(u"selection"_s, QString::number(c.m_wirelessSelection));
    out.insert(u"lastPath"_s, document.m_lastPath);

    for (int n = 0; n < MaxWirelessProfiles; ++n) {
        const CNetworkSetting &slot = document.m_wirelessSettings[size_t(n)];
        if (allSlots || !slot.m_ssid.isEmpty())
            DescribeProfile(out, u"p%1."_s.arg(n), slot);
    }
    if (allSlots) {
        DescribeProfile(out, u"wiredRecord."_s, document.m_wiredSetting);
        out.insert(u"listSlots"_s, slots.join(u','));
        out.insert(u"radios"_s,
            QString::asprintf("%d %d %d %d", c.m_folderModeRadio, c.m_connection.m_dhcpRadio,
                int(c.m_connection.m_useProxyChecked), int(c.m_useWirelessChecked)));
        out.insert(u"messageText"_s, document.m_messageText);
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
    document.m_folderSettingMode = 1;
    document.m_dhcpMode = 1;
    document.m_wiredUseProxy = 1;
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
