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

    // Reports `text` and empties `edits`; true when the sequence ends there, at its first
    // failure when it shows messages.
    bool Fail(MessageId text, std::initializer_list<EditControl *> edits)
    {
        if (m_showMessages)
            m_document.ShowMessage(m_box, text, m_caption, MessageIcon::Error);
        m_passed = false;
        for (EditControl *edit : edits)
            Empty(*edit);
        return m_showMessages;
    }

    void Empty(EditControl &edit)
    {
        edit.m_text.clear();
        m_document.Gather();
    }

    bool Passed() const { return m_passed; }

private:
    CSettingsDocument &m_document;
    IMessageBox &m_box;
    bool m_showMessages;
    MessageId m_caption;
    bool m_passed = true;
};

// The message for a folder field that failed its check; only a device name can be all digits
// or all hyphens.
MessageId FolderFieldMessage(ValidationCode code, MessageId badLength, MessageId badCharacter)
{
    switch (code) {
    case ValidationCode::BadLength:
        return badLength;
    case ValidationCode::BadCharacter:
        return badCharacter;
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
    document.Gather();
    if (document.m_folderSettingMode == 0)
        return true;

    MainWindowControls &c = document.m_controls;
    CSequenceReporter reporter(document, box, mode, Msg::NetworkFolderCaption);

    // An empty name or user ID is asked for, and then also fails its length.
    if (c.m_deviceName.m_text.isEmpty() && reporter.Fail(Msg::InputDeviceName, {}))
        return false;
    if (const ValidationCode code = CheckFolderDeviceName(c.m_deviceName.m_text);
        code != ValidationCode::Valid
        && reporter.Fail(FolderFieldMessage(code, Msg::DeviceNameLength, Msg::DeviceNameCharacters),
            { &c.m_deviceName }))
        return false;
    if (c.m_userId.m_text.isEmpty() && reporter.Fail(Msg::InputUserId, {}))
        return false;
    if (const ValidationCode code = CheckFolderUserId(c.m_userId.m_text);
        code != ValidationCode::Valid
        && reporter.Fail(
            FolderFieldMessage(code, Msg::UserIdLength, Msg::UserIdCharacters), { &c.m_userId }))
        return false;
    if (c.m_password.m_text != c.m_passwordConfirm.m_text
        && reporter.Fail(Msg::FolderPasswordMismatch, { &c.m_password, &c.m_passwordConfirm }))
        return false;
    // The password as it now stands: one emptied by the mismatch above passes.
    if (const ValidationCode code = CheckFolderPassword(c.m_password.m_text);
        code != ValidationCode::Valid
        && reporter.Fail(
            FolderFieldMessage(code, Msg::FolderPasswordLength, Msg::FolderPasswordCharacters),
            { &c.m_password, &c.m_passwordConfirm }))
        return false;
    return reporter.Passed();
}

bool ValidateWiredLan(CSettingsDocument &document, IMessageBox &box, CheckMode mode)
{
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

    if (const ValidationCode code = CheckProxyAddress(wired); code != ValidationCode::Valid
        && reporter.Fail(
            ProxyAddressMessage(code, WiredProxyMessages), { &c.m_connection.m_proxyAddress }))
        return false;
    if (const ValidationCode code = CheckProxyPort(wired); code != ValidationCode::Valid)
        reporter.Fail(ProxyPortMessage(code, WiredProxyMessages), { &c.m_connection.m_proxyPort });
    return reporter.Passed();
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
