#include "core/commands/WifiProperty.h"

#include "core/cipher/SecretCipher.h"
#include "core/model/Validators.h"

int SecurityListPosition(int code)
{
    for (size_t i = 0; i < SecurityList.size(); ++i) {
        if (SecurityList[i].m_code == code)
            return int(i);
    }
    return -1;
}

int SelectedSecurityCode(const WifiPropertyValues &values)
{
    if (SecurityListPosition(values.m_selectedSecurity) < 0)
        return SecurityModeNone;
    return values.m_selectedSecurity;
}

QList<WifiPropertyFailure> WifiPropertyFailures(const WifiPropertyValues &values)
{
    QList<WifiPropertyFailure> failures;
    const auto fail
        = [&failures](WifiPropertyField field, MessageId message, bool emptiesKeyBoxes = false) {
              failures.append({ field, message, emptiesKeyBoxes });
          };

    const QString &ssid = values.m_ssid.m_text;
    if (ssid.isEmpty()) {
        fail(WifiPropertyField::Ssid, Msg::InputSsid);
    } else {
        switch (CheckSsid(ssid)) {
        case ValidationCode::Valid:
            break;
        case ValidationCode::BadCharacter:
            fail(WifiPropertyField::Ssid, Msg::SsidCharacters);
            break;
        case ValidationCode::BadLength:
            fail(WifiPropertyField::Ssid, Msg::SsidLength);
            break;
        default:
            fail(WifiPropertyField::Ssid, Msg::ConfirmSetting);
            break;
        }
    }

    CNetworkSetting probe;
    probe.m_securityMode = SelectedSecurityCode(values);
    probe.m_networkKey = values.m_networkKey.m_text;
    if (probe.m_securityMode != SecurityModeNone) {
        if (probe.m_networkKey != values.m_keyConfirm.m_text)
            fail(WifiPropertyField::KeyConfirm, Msg::NetworkKeyMismatch, true);
        if (probe.m_networkKey.isEmpty()) {
            fail(WifiPropertyField::NetworkKey, Msg::InputNetworkKey);
        } else {
            switch (CheckWirelessKey(probe)) {
            case ValidationCode::Valid:
                if (!SealsFaithfully(probe.m_networkKey))
                    fail(WifiPropertyField::NetworkKey, Msg::NetworkKeyCharacters, true);
                break;
            case ValidationCode::ValidHexForm:
                break;
            case ValidationCode::BadCharacter:
                fail(WifiPropertyField::NetworkKey, Msg::NetworkKeyCharacters, true);
                break;
            case ValidationCode::BadLength:
                fail(WifiPropertyField::NetworkKey, Msg::NetworkKeyLength, true);
                break;
            default:
                fail(WifiPropertyField::NetworkKey, Msg::ConfirmSetting);
                break;
            }
        }
    }

    if (values.m_connection.m_dhcpRadio != 0) {
        probe.m_ipAddress = values.m_connection.m_ipAddress.Address();
        if (!probe.m_ipAddress.IsComplete())
            fail(WifiPropertyField::IpAddress, Msg::InputIpAddress);
        if (!values.m_connection.m_subnetMask.Address().IsComplete())
            fail(WifiPropertyField::SubnetMask, Msg::InputSubnetMask);
        if (CheckIpAddress(probe) == ValidationCode::OutOfRange)
            fail(WifiPropertyField::IpAddress, Msg::InvalidIpAddress);
    }

    if (values.m_connection.m_useProxyChecked) {
        probe.m_proxyAddress = values.m_connection.m_proxyAddress.m_text;
        probe.m_proxyPort = values.m_connection.m_proxyPort.m_text;
        if (const ValidationCode code = CheckProxyAddress(probe); code != ValidationCode::Valid)
            fail(WifiPropertyField::ProxyAddress, ProxyAddressMessage(code, WirelessProxyMessages));
        if (const ValidationCode code = CheckProxyPort(probe); code != ValidationCode::Valid)
            fail(WifiPropertyField::ProxyPort, ProxyPortMessage(code, WirelessProxyMessages));
    }
    return failures;
}

std::array<std::optional<MessageId>, WifiPropertyFieldCount> WifiPropertyFieldMessages(
    const WifiPropertyValues &values)
{
    std::array<std::optional<MessageId>, WifiPropertyFieldCount> messages;
    for (const WifiPropertyFailure &failure : WifiPropertyFailures(values)) {
        std::optional<MessageId> &message = messages[size_t(failure.m_field)];
        if (!message)
            message = failure.m_message;
    }
    return messages;
}

void CWifiPropertyEditor::Open()
{
    const CNetworkSetting &profile = m_profile;
    m_values.m_ssid.m_text = profile.m_ssid;
    m_values.m_stealthChecked = profile.m_stealthSsid != 0;
    m_values.m_selectedSecurity = SecurityListPosition(profile.m_securityMode) >= 0
        ? profile.m_securityMode
        : NoSecuritySelected;
    m_values.m_networkKey.m_text = profile.m_networkKey;
    m_values.m_keyConfirm.m_text = profile.m_networkKey;
    m_values.m_connection.FromSetting(profile);
    EnableKeyBoxes(profile.m_securityMode != SecurityModeNone);
}

void CWifiPropertyEditor::ChangeSecurity(int code)
{
    m_values.m_selectedSecurity = code;
    m_profile.m_securityMode = SelectedSecurityCode(m_values);
    EnableKeyBoxes(m_profile.m_securityMode != SecurityModeNone);
}

void CWifiPropertyEditor::ChooseDhcp(int radio)
{
    m_values.m_connection.m_dhcpRadio = radio;
    m_values.m_connection.EnableAddresses(radio != 0);
}

void CWifiPropertyEditor::ChangeUseProxy(bool checked)
{
    m_values.m_connection.m_useProxyChecked = checked;
    m_values.m_connection.EnableProxy(checked);
}

void CWifiPropertyEditor::Clear()
{
    m_values.m_ssid.m_text.clear();
    m_values.m_networkKey.m_text.clear();
    m_values.m_keyConfirm.m_text.clear();
    m_values.m_selectedSecurity = SecurityList.front().m_code;
    m_values.m_stealthChecked = false;
    m_values.m_connection.Clear();
    EnableKeyBoxes(false);
    ResetNetworkSetting(m_profile);
}

void CWifiPropertyEditor::Cancel()
{
    ResetNetworkSetting(m_profile);
}

namespace {

// Why a key was refused, under the message; never the key itself.
QString KeyFailureDetail(MessageId message, const CNetworkSetting &profile)
{
    if (message == Msg::NetworkKeyLength)
        return KeyFormsText(profile.m_securityMode);
    if (message == Msg::NetworkKeyCharacters && CheckWirelessKey(profile) == ValidationCode::Valid)
        return MessageText(Msg::KeyNotSealable).toString();
    return {};
}

} // namespace

bool CWifiPropertyEditor::Accept(IMessageBox &box)
{
    CNetworkSetting &profile = m_profile;
    profile.m_ssid = m_values.m_ssid.m_text;
    profile.m_networkKey = m_values.m_networkKey.m_text;
    profile.m_securityMode = SelectedSecurityCode(m_values);
    profile.m_stealthSsid = m_values.m_stealthChecked ? 1 : 0;
    m_values.m_connection.AddressesToSetting(profile);

    const QList<WifiPropertyFailure> failures = WifiPropertyFailures(m_values);
    const auto report = [this, &box](const WifiPropertyFailure &failure) {
        ShowCatalogueMessage(box, m_messageText, failure.m_message, Msg::WirelessLanCaption,
            MessageIcon::Error, MessageButtons::Ok, KeyFailureDetail(failure.m_message, m_profile));
        if (failure.m_emptiesKeyBoxes) {
            m_values.m_networkKey.m_text.clear();
            m_values.m_keyConfirm.m_text.clear();
        }
        return false;
    };
    const auto isProxyField = [](WifiPropertyField field) {
        return field == WifiPropertyField::ProxyAddress || field == WifiPropertyField::ProxyPort;
    };

    if (!failures.isEmpty() && !isProxyField(failures.front().m_field))
        return report(failures.front());

    if (profile.m_securityMode == SecurityModeNone)
        profile.m_networkKey.clear();
    if (profile.m_dhcp != 0 && CheckIpAddress(profile) == ValidationCode::OutOfRange) {
        // The device cannot use a loopback address; under DHCP it is dropped without asking.
        profile.m_ipAddress = IpAddressField();
        m_values.m_connection.m_ipAddress.Clear();
    }

    m_values.m_connection.ProxyToSetting(profile);
    if (!failures.isEmpty())
        return report(failures.front());
    if (profile.m_useProxy == 0) {
        if (CheckProxyAddress(profile) != ValidationCode::Valid)
            profile.m_proxyAddress.clear();
        if (CheckProxyPort(profile) != ValidationCode::Valid)
            profile.m_proxyPort.clear();
    }
    return true;
}

void CWifiPropertyEditor::EnableKeyBoxes(bool enable)
{
    m_values.m_networkKey.m_enabled = enable;
    m_values.m_keyConfirm.m_enabled = enable;
}
