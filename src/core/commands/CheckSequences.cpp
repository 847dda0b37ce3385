#include "core/commands/CheckSequences.h"

#include "core/model/Validators.h"

namespace {


class CSequenceReporter
{
public:
    CSequenceReporter(
        CSettingsDocument &document, IMessageBox &box, CheckMode mode, MessageId caption)
        : m_document(document)
        , m_box(box)
        , m_showMessages(mode == CheckMode::ReportFirst)
        , m_caption(caption)
    { }

    void Report(MessageId text)
    {
        if (m_showMessages)
            m_document.ShowMessage(m_box, text, m_caption, MessageIcon::Error);
    }

    void Empty(EditControl &edit)
    {
        edit.m_text.clear();
        m_document.Gather();
    }

private:
    CSettingsDocument &m_document;
    IMessageBox &m_box;
    bool m_showMessages;
    MessageId m_caption;
};

MessageId DeviceNameMessage(ValidationCode code)
{
    switch (code) {
    case ValidationCode::BadCharacter:
        return Msg::DeviceNameCharacters;
    case ValidationCode::DigitsOnly:
        return Msg::DeviceNameDigitsOnly;
    case ValidationCode::HyphensOnly:
        return Msg::DeviceNameHyphensOnly;
    default:
        return Msg::ConfirmNetworkFolderSetting;
    }
}

} // namespace

bool ValidateNetworkFolder(CSettingsDocument &document, IMessageBox &box, CheckMode mode)
{
    const bool stopAtFirst = mode == CheckMode::ReportFirst;
    document.Gather();
    if (document.m_folderSettingMode == 0)
        return true;

    MainWindowControls &c = document.m_controls;
    CSequenceReporter reporter(document, box, mode, Msg::NetworkFolderCaption);
    bool result = true;

    const QString deviceName = c.m_deviceName.m_text;
    if (deviceName.isEmpty()) {
        reporter.Report(Msg::InputDeviceName);
        result = false;
        if (stopAtFirst)
            return false;
    }
    bool failed = true;
    if (deviceName.isEmpty() || deviceName.size() > MaxDeviceNameLength) {
        reporter.Report(Msg::DeviceNameLength);
    } else if (const ValidationCode code = CheckDeviceName(deviceName);
               code != ValidationCode::Valid) {
        reporter.Report(DeviceNameMessage(code));
    } else {
        failed = false;
    }
    if (failed) {
        result = false;
        reporter.Empty(c.m_deviceName);
        if (stopAtFirst)
            return false;
    }

    const QString userId = c.m_userId.m_text;
    if (userId.isEmpty()) {
        reporter.Report(Msg::InputUserId);
        result = false;
        if (stopAtFirst)
            return false;
    }
    failed = true;
    if (userId.isEmpty() || userId.size() > MaxUserIdLength) {
        reporter.Report(Msg::UserIdLength);
    } else if (const ValidationCode code = CheckUserId(userId); code != ValidationCode::Valid) {
        reporter.Report(code == ValidationCode::BadCharacter ? Msg::UserIdCharacters
                                                             : Msg::ConfirmNetworkFolderSetting);
    } else {
        failed = false;
    }
    if (failed) {
        result = false;
        reporter.Empty(c.m_userId);
        if (stopAtFirst)
            return false;
    }

    if (c.m_password.m_text != c.m_passwordConfirm.m_text) {
        reporter.Report(Msg::FolderPasswordMismatch);
        result = false;
        reporter.Empty(c.m_password);
        reporter.Empty(c.m_passwordConfirm);
        if (stopAtFirst)
            return false;
    }

    // The password as it now stands: one emptied by the mismatch above passes.
    const QString password = c.m_password.m_text;
    failed = true;
    if (password.size() > MaxFolderPasswordLength) {
        reporter.Report(Msg::FolderPasswordLength);
    } else if (const ValidationCode code = CheckPrintableChars(password);
               code != ValidationCode::Valid) {
        reporter.Report(code == ValidationCode::BadCharacter ? Msg::FolderPasswordCharacters
                                                             : Msg::ConfirmNetworkFolderSetting);
    } else {
        failed = false;
    }
    if (failed) {
        result = false;
        reporter.Empty(c.m_password);
        reporter.Empty(c.m_passwordConfirm);
        if (stopAtFirst)
            return false;
    }
    return result;
}

bool ValidateWiredLan(CSettingsDocument &document, IMessageBox &box, CheckMode mode)
{
    const bool stopAtFirst = mode == CheckMode::ReportFirst;
    document.Gather();
    MainWindowControls &c = document.m_controls;
    const CNetworkSetting wired = document.WiredSettingFromControls();

    CSequenceReporter reporter(document, box, mode, Msg::WiredLanCaption);
    if (wired.m_useProxy == 0) {
        // Nothing is reported for a switched-off proxy, but its invalid texts are not kept.
        if (CheckProxyAddress(wired) != ValidationCode::Valid)
            reporter.Empty(c.m_connection.m_proxyAddress);
        if (CheckProxyPort(wired) != ValidationCode::Valid)
            reporter.Empty(c.m_connection.m_proxyPort);
        return true;
    }

    bool result = true;
    if (const ValidationCode code = CheckProxyAddress(wired); code != ValidationCode::Valid) {
        reporter.Report(ProxyAddressMessage(code, WiredProxyMessages));
        result = false;
        reporter.Empty(c.m_connection.m_proxyAddress);
        if (stopAtFirst)
            return false;
    }
    if (const ValidationCode code = CheckProxyPort(wired); code != ValidationCode::Valid) {
        reporter.Report(ProxyPortMessage(code, WiredProxyMessages));
        result = false;
        reporter.Empty(c.m_connection.m_proxyPort);
    }
    return result;
}

bool ValidateWiredIpAddress(
    CSettingsDocument &document, IMessageBox &box, LoopbackAddressChoice choice)
{
    document.Gather();
    const CNetworkSetting wired = document.WiredSettingFromControls();
    if (CheckIpAddress(wired) != ValidationCode::OutOfRange)
        return true;
    if (choice == LoopbackAddressChoice::Report && wired.m_dhcp == 0) {
        document.ShowMessage(box, Msg::InvalidIpAddress, Msg::WiredLanCaption, MessageIcon::Error,
            MessageButtons::Ok, MessageText(Msg::LoopbackAddress).toString());
        document.m_controls.m_focusRequest = FocusRequest::WiredIpAddress;
        return false;
    }
    document.m_controls.m_connection.m_ipAddress.Clear();
    return true;
}
