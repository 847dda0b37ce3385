#include "DocumentProbe.h"

#include "Validators.h"

#include <QMap>

namespace DocumentProbe {

namespace {

QString Flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString EnabledState(std::initializer_list<bool> states)
{
    bool all = true;
    bool none = true;
    for (const bool s : states) {
        all = all && s;
        none = none && !s;
    }
    return all ? QStringLiteral("1") : none ? QStringLiteral("0") : QStringLiteral("mixed");
}

void DescribeProfile(QMap<QString, QString> &out, const QString &prefix, const CNetworkSetting &p)
{
    out.insert(prefix + QStringLiteral("ssid"), p.m_ssid);
    out.insert(prefix + QStringLiteral("mode"), QString::number(p.m_securityMode));
    out.insert(prefix + QStringLiteral("key"), p.m_networkKey);
    out.insert(prefix + QStringLiteral("force"), QString::number(p.m_stealthSsid));
    out.insert(prefix + QStringLiteral("auto"), QString::number(p.m_connectAutomatically));
    out.insert(prefix + QStringLiteral("dhcp"), QString::number(p.m_dhcp));
    out.insert(prefix + QStringLiteral("ip"), Dotted(p.m_ipAddress));
    out.insert(prefix + QStringLiteral("mask"), Dotted(p.m_subnetMask));
    out.insert(prefix + QStringLiteral("gateway"), Dotted(p.m_defaultGateway));
    out.insert(prefix + QStringLiteral("dns"), Dotted(p.m_dns));
    out.insert(prefix + QStringLiteral("dns2"), Dotted(p.m_secondaryDns));
    out.insert(prefix + QStringLiteral("proxy"), QString::number(p.m_useProxy));
    out.insert(prefix + QStringLiteral("proxyAddress"), p.m_proxyAddress);
    out.insert(prefix + QStringLiteral("proxyPort"), p.m_proxyPort);
}

} // namespace

QString Dotted(const IpAddressField &address)
{
    if (address.m_filledParts == 0 && address.m_octets == std::array<std::uint8_t, 4> {})
        return {};
    QString text = QString::number(address.m_octets[0]) + u'.'
        + QString::number(address.m_octets[1]) + u'.' + QString::number(address.m_octets[2]) + u'.'
        + QString::number(address.m_octets[3]);
    if (!address.IsComplete())
        text += QStringLiteral(" (%1 parts)").arg(address.m_filledParts);
    return text;
}

namespace {

QString Dotted(const AddressControl &control)
{
    QStringList parts;
    for (const int f : control.m_fields)
        parts.append(f < 0 ? QString() : QString::number(f));
    const QString text = parts.join(u'.');
    return text == QStringLiteral("...") ? QString() : text;
}

QMap<QString, QString> Describe(const CSettingsDocument &document, bool allSlots)
{
    const MainWindowControls &c = document.m_controls;
    QMap<QString, QString> out;
    out.insert(QStringLiteral("folder.mode"), QString::number(document.m_folderSettingMode));
    out.insert(QStringLiteral("folder.enabled"),
        EnabledState({ c.m_deviceName.m_enabled, c.m_userId.m_enabled, c.m_password.m_enabled,
            c.m_passwordConfirm.m_enabled }));
    out.insert(QStringLiteral("folder.name"), c.m_deviceName.m_text);
    out.insert(QStringLiteral("folder.uid"), c.m_userId.m_text);
    out.insert(QStringLiteral("folder.password"), c.m_password.m_text);
    out.insert(QStringLiteral("folder.confirm"), c.m_passwordConfirm.m_text);

    out.insert(QStringLiteral("wired.dhcpMode"), QString::number(document.m_dhcpMode));
    out.insert(QStringLiteral("wired.addressesEnabled"),
        EnabledState({ c.m_ipAddress.m_enabled, c.m_subnetMask.m_enabled,
            c.m_defaultGateway.m_enabled, c.m_dns.m_enabled, c.m_secondaryDns.m_enabled }));
    out.insert(QStringLiteral("wired.ip"), Dotted(c.m_ipAddress));
    out.insert(QStringLiteral("wired.mask"), Dotted(c.m_subnetMask));
    out.insert(QStringLiteral("wired.gateway"), Dotted(c.m_defaultGateway));
    out.insert(QStringLiteral("wired.dns"), Dotted(c.m_dns));
    out.insert(QStringLiteral("wired.dns2"), Dotted(c.m_secondaryDns));
    out.insert(QStringLiteral("wired.proxy"), QString::number(document.m_wiredUseProxy));
    out.insert(QStringLiteral("wired.proxyEnabled"),
        EnabledState({ c.m_proxyAddress.m_enabled, c.m_proxyPort.m_enabled }));
    out.insert(QStringLiteral("wired.proxyAddress"), c.m_proxyAddress.m_text);
    out.insert(QStringLiteral("wired.proxyPort"), c.m_proxyPort.m_text);

    out.insert(QStringLiteral("useWireless"), QString::number(document.m_useWireless));
    QStringList list;
    for (const WirelessListEntry &e : c.m_wirelessList)
        list.append(e.m_text);
    out.insert(QStringLiteral("list"), list.join(u','));
    out.insert(QStringLiteral("selection"), QString::number(c.m_wirelessSelection));
    out.insert(QStringLiteral("lastPath"), document.m_lastPath);

    for (int n = 0; n < MaxWirelessProfiles; ++n) {
        const CNetworkSetting &slot = document.m_wirelessSettings[size_t(n)];
        if (allSlots || !slot.m_ssid.isEmpty())
            DescribeProfile(out, QStringLiteral("p%1.").arg(n), slot);
    }
    if (allSlots) {
        DescribeProfile(out, QStringLiteral("wiredRecord."), document.m_wiredSetting);
        QStringList slots;
        for (const WirelessListEntry &e : c.m_wirelessList)
            slots.append(QString::number(e.m_slot));
        out.insert(QStringLiteral("listSlots"), slots.join(u','));
        out.insert(QStringLiteral("radios"),
            QStringLiteral("%1 %2 %3 %4")
                .arg(c.m_folderModeRadio)
                .arg(c.m_dhcpModeRadio)
                .arg(Flag(c.m_useProxyChecked), Flag(c.m_useWirelessChecked)));
        out.insert(QStringLiteral("messageText"), document.m_messageText);
    }
    return out;
}

} // namespace

QString ProfileText(const CNetworkSetting &record)
{
    QMap<QString, QString> fields;
    DescribeProfile(fields, QString(), record);
    QStringList parts;
    for (auto it = fields.constBegin(); it != fields.constEnd(); ++it)
        parts.append(it.key() + u'=' + it.value());
    return parts.join(u" | ");
}

QStringList Snapshot(const CSettingsDocument &document, bool allSlots)
{
    QStringList lines;
    const QMap<QString, QString> all = Describe(document, allSlots);
    for (auto it = all.constBegin(); it != all.constEnd(); ++it)
        lines.append(it.key() + u'=' + it.value());
    return lines;
}

QStringList Mismatches(const CSettingsDocument &document, QStringView expectations)
{
    const QMap<QString, QString> actual = Describe(document, false);
    QStringList differences;
    for (const QStringView line : expectations.split(u'|', Qt::SkipEmptyParts)) {
        const qsizetype eq = line.indexOf(u'=');
        const QString name = line.left(eq).toString();
        const QString expected = line.mid(eq + 1).toString();
        const auto it = actual.constFind(name);
        if (it == actual.constEnd())
            differences.append(QStringLiteral("%1: absent, expected \"%2\"").arg(name, expected));
        else if (it.value() != expected)
            differences.append(
                QStringLiteral("%1: \"%2\", expected \"%3\"").arg(name, it.value(), expected));
    }
    return differences;
}

QStringList BrokenInvariants(const CSettingsDocument &document)
{
    const MainWindowControls &c = document.m_controls;
    QStringList broken;
    const int count = int(c.m_wirelessList.size());
    if (count > MaxWirelessProfiles)
        broken.append(QStringLiteral("more than 30 list items"));
    for (int k = 0; k < count && k < MaxWirelessProfiles; ++k) {
        const WirelessListEntry &e = c.m_wirelessList[k];
        const CNetworkSetting &p = document.m_wirelessSettings[size_t(k)];
        if (e.m_slot != k)
            broken.append(QStringLiteral("item %1 refers to slot %2").arg(k).arg(e.m_slot));
        if (e.m_text != p.m_ssid || p.m_ssid.isEmpty())
            broken.append(QStringLiteral("item %1 text differs from its slot").arg(k));
        if (CheckSsid(p.m_ssid) != 0)
            broken.append(QStringLiteral("profile %1 has an invalid SSID").arg(k));
        if (p.m_securityMode < 0 || p.m_securityMode > 5)
            broken.append(QStringLiteral("profile %1 has mode %2").arg(k).arg(p.m_securityMode));
        if (p.m_securityMode == 0 ? !p.m_networkKey.isEmpty() : CheckWirelessKey(p) < 0)
            broken.append(QStringLiteral("profile %1 kept an invalid key").arg(k));
        if (!p.m_proxyAddress.isEmpty() && CheckProxyAddress(p) != 0)
            broken.append(QStringLiteral("profile %1 kept an invalid proxy address").arg(k));
        if (!p.m_proxyPort.isEmpty() && CheckProxyPort(p) != 0)
            broken.append(QStringLiteral("profile %1 kept an invalid proxy port").arg(k));
        for (const IpAddressField *a :
            { &p.m_ipAddress, &p.m_subnetMask, &p.m_defaultGateway, &p.m_dns, &p.m_secondaryDns }) {
            if (!a->IsComplete() && *a != IpAddressField())
                broken.append(QStringLiteral("profile %1 has a partial address").arg(k));
        }
        if (p.m_ipAddress.IsComplete() && p.m_ipAddress.m_octets[0] == 127)
            broken.append(QStringLiteral("profile %1 kept a loopback IP").arg(k));
    }
    for (int n = count; n < MaxWirelessProfiles; ++n) {
        if (document.m_wirelessSettings[size_t(n)] != CNetworkSetting())
            broken.append(QStringLiteral("slot %1 is not free").arg(n));
    }
    if (c.m_wirelessSelection != (count > 0 ? 0 : -1))
        broken.append(QStringLiteral("selection %1").arg(c.m_wirelessSelection));
    if (c.m_folderModeRadio != document.m_folderSettingMode
        || c.m_dhcpModeRadio != document.m_dhcpMode
        || c.m_useProxyChecked != (document.m_wiredUseProxy != 0)
        || c.m_useWirelessChecked != (document.m_useWireless != 0))
        broken.append(QStringLiteral("bound values were not pushed"));
    for (const AddressControl *a :
        { &c.m_ipAddress, &c.m_subnetMask, &c.m_defaultGateway, &c.m_dns, &c.m_secondaryDns }) {
        const IpAddressField field = a->Address();
        if (field.m_filledParts != 0 && field.m_filledParts != 4)
            broken.append(QStringLiteral("an address control is partly filled"));
    }
    if (c.m_ipAddress.Address().IsComplete() && c.m_ipAddress.m_fields[0] == 127)
        broken.append(QStringLiteral("wired IP is loopback"));
    CNetworkSetting wired;
    wired.m_proxyAddress = c.m_proxyAddress.m_text;
    wired.m_proxyPort = c.m_proxyPort.m_text;
    if (!wired.m_proxyAddress.isEmpty() && CheckProxyAddress(wired) != 0)
        broken.append(QStringLiteral("wired proxy address is invalid"));
    if (!wired.m_proxyPort.isEmpty() && CheckProxyPort(wired) != 0)
        broken.append(QStringLiteral("wired proxy port is invalid"));
    if (document.m_folderSettingMode == 1) {
        if (c.m_deviceName.m_text.size() > 15 || CheckDeviceName(c.m_deviceName.m_text) != 0)
            broken.append(QStringLiteral("folder name is invalid"));
        if (c.m_userId.m_text.size() > 32 || CheckUserId(c.m_userId.m_text) != 0)
            broken.append(QStringLiteral("folder user ID is invalid"));
        if (c.m_password.m_text.size() > 32 || CheckPrintableChars(c.m_password.m_text) != 0)
            broken.append(QStringLiteral("folder password is invalid"));
    } else if (!c.m_deviceName.m_text.isEmpty() || !c.m_userId.m_text.isEmpty()
        || !c.m_password.m_text.isEmpty()) {
        broken.append(QStringLiteral("default folder setting kept texts"));
    }
    if (c.m_password.m_text != c.m_passwordConfirm.m_text)
        broken.append(QStringLiteral("password and confirmation differ"));
    return broken;
}

void Prefill(CSettingsDocument &document)
{
    MainWindowControls &c = document.m_controls;
    c.m_folderModeRadio = 1;
    document.m_folderSettingMode = 1;
    c.m_deviceName = { QStringLiteral("old-name"), true };
    c.m_userId = { QStringLiteral("old_user"), true };
    c.m_password = { QStringLiteral("old pass"), true };
    c.m_passwordConfirm = { QStringLiteral("old pass"), true };
    c.m_dhcpModeRadio = 1;
    document.m_dhcpMode = 1;
    for (AddressControl *a :
        { &c.m_ipAddress, &c.m_subnetMask, &c.m_defaultGateway, &c.m_dns, &c.m_secondaryDns })
        *a = AddressControl { { 10, 9, 8, 7 }, true };
    c.m_useProxyChecked = true;
    document.m_wiredUseProxy = 1;
    c.m_proxyAddress = { QStringLiteral("old.proxy"), true };
    c.m_proxyPort = { QStringLiteral("9999"), true };
    c.m_useWirelessChecked = false;
    document.m_useWireless = 0;
    for (const int slot : { 3, 7, 12 }) {
        CNetworkSetting &p = document.m_wirelessSettings[size_t(slot)];
        p.m_ssid = QStringLiteral("Old%1").arg(slot);
        p.m_securityMode = 2;
        p.m_networkKey = QStringLiteral("oldkey%1").arg(slot);
    }
    // Slot 12 is in use but not listed: a load must free it as well. The last item refers to
    // no slot at all and must not be followed.
    c.m_wirelessList = { { QStringLiteral("Old7"), 7 }, { QStringLiteral("Old3"), 3 },
        { QStringLiteral("Stray"), 57 } };
    c.m_wirelessSelection = 1;
    document.m_lastPath = QStringLiteral("/old/folder");
}

} // namespace DocumentProbe
