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
    case ValidationCode::BadLength:
        return Msg::DeviceNameLength;
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

MessageId UserIdMessage(ValidationCode code)
{
    switch (code) {
    case ValidationCode::BadLength:
        return Msg::UserIdLength;
    case ValidationCode::BadCharacter:
        return Msg::UserIdCharacters;
    default:
        return Msg::ConfirmNetworkFolderSetting;
    }
}

MessageId FolderPasswordMessage(ValidationCode code)
{
    switch (code) {
    case ValidationCode::BadLength:
        return Msg::FolderPasswordLength;
    case ValidationCode::BadCharacter:
        return Msg::FolderPasswordCharacters;
    default:
        return Msg::ConfirmNetworkFolderSetting;
    }
}

} // namespace

bool ValidateNetworkFolder(CSettingsDocument &document, IMessageBox &box, CheckMode mode)
{
    document.Gather();
    if (document.m_folderSettingMode == 0)
        return true;

    MainWindowControls &c = document.m_controls;
    CSequenceReporter reporter(document, box, mode, Msg::NetworkFolderCaption);
    bool result = true;
    // Reports `text` and empties `edits`; true when the sequence ends there.
    const auto failEnds = [&](MessageId text, std::initializer_list<EditControl *> edits) {
        reporter.Report(text);
        result = false;
        for (EditControl *edit : edits)
            reporter.Empty(*edit);
        return mode == CheckMode::ReportFirst;
    };

    // An empty name or user ID is asked for, and then also fails its length.
    if (c.m_deviceName.m_text.isEmpty() && failEnds(Msg::InputDeviceName, {}))
        return false;
    if (const ValidationCode code = CheckFolderDeviceName(c.m_deviceName.m_text);
        code != ValidationCode::Valid && failEnds(DeviceNameMessage(code), { &c.m_deviceName }))
        return false;
    if (c.m_userId.m_text.isEmpty() && failEnds(Msg::InputUserId, {}))
        return false;
    if (const ValidationCode code = CheckFolderUserId(c.m_userId.m_text);
        code != ValidationCode::Valid && failEnds(UserIdMessage(code), { &c.m_userId }))
        return false;
    if (c.m_password.m_text != c.m_passwordConfirm.m_text
        && failEnds(Msg::FolderPasswordMismatch, { &c.m_password, &c.m_passwordConfirm }))
        return false;
    // The password as it now stands: one emptied by the mismatch above passes.
    if (const ValidationCode code = CheckFolderPassword(c.m_password.m_text);
        code != ValidationCode::Valid
        && failEnds(FolderPasswordMessage(code), { &c.m_password, &c.m_passwordConfirm }))
        return false;
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
