#include "core/commands/CheckSequences.h"

#include "core/model/Validators.h"

namespace {

constexpr qsizetype MaxDeviceNameLength = 15;
constexpr qsizetype MaxUserIdLength = 32;
constexpr qsizetype MaxFolderPasswordLength = 32;

class CSequenceReporter
{
public:
    CSequenceReporter(
        CSettingsDocument &document, IMessageBox &box, bool showMessages, MessageId caption)
        : m_document(document)
        , m_box(box)
        , m_showMessages(showMessages)
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
    case -2:
        return Msg::DeviceNameCharacters;
    case -3:
        return Msg::DeviceNameDigitsOnly;
    case -4:
        return Msg::DeviceNameHyphensOnly;
    default:
        return Msg::ConfirmNetworkFolderSetting;
    }
}

} // namespace

int ValidateNetworkFolder(
    CSettingsDocument &document, IMessageBox &box, bool showMessages, bool stopAtFirst)
{
    document.Gather();
    if (document.m_folderSettingMode == 0)
        return 1;

    MainWindowControls &c = document.m_controls;
    CSequenceReporter reporter(document, box, showMessages, Msg::NetworkFolderCaption);
    int result = 1;

    const QString deviceName = c.m_deviceName.m_text;
    if (deviceName.isEmpty()) {
        reporter.Report(Msg::InputDeviceName);
        result = 0;
        if (stopAtFirst)
            return 0;
    }
    bool failed = true;
    if (deviceName.isEmpty() || deviceName.size() > MaxDeviceNameLength) {
        reporter.Report(Msg::DeviceNameLength);
    } else if (const ValidationCode code = CheckDeviceName(deviceName); code != 0) {
        reporter.Report(DeviceNameMessage(code));
    } else {
        failed = false;
    }
    if (failed) {
        result = 0;
        reporter.Empty(c.m_deviceName);
        if (stopAtFirst)
            return 0;
    }

    const QString userId = c.m_userId.m_text;
    if (userId.isEmpty()) {
        reporter.Report(Msg::InputUserId);
        result = 0;
        if (stopAtFirst)
            return 0;
    }
    failed = true;
    if (userId.isEmpty() || userId.size() > MaxUserIdLength) {
        reporter.Report(Msg::UserIdLength);
    } else if (const ValidationCode code = CheckUserId(userId); code != 0) {
        reporter.Report(code == -2 ? Msg::UserIdCharacters : Msg::ConfirmNetworkFolderSetting);
    } else {
        failed = false;
    }
    if (failed) {
        result = 0;
        reporter.Empty(c.m_userId);
        if (stopAtFirst)
            return 0;
    }

    if (c.m_password.m_text != c.m_passwordConfirm.m_text) {
        reporter.Report(Msg::FolderPasswordMismatch);
        result = 0;
        reporter.Empty(c.m_password);
        reporter.Empty(c.m_passwordConfirm);
        if (stopAtFirst)
            return 0;
    }

    // The password as it now stands: one emptied by the mismatch above passes.
    const QString password = c.m_password.m_text;
    failed = true;
    if (password.size() > MaxFolderPasswordLength) {
        reporter.Report(Msg::FolderPasswordLength);
    } else if (const ValidationCode code = CheckPrintableChars(password); code != 0) {
        reporter.Report(
            code == -2 ? Msg::FolderPasswordCharacters : Msg::ConfirmNetworkFolderSetting);
    } else {
        failed = false;
    }
    if (failed) {
        result = 0;
        reporter.Empty(c.m_password);
        reporter.Empty(c.m_passwordConfirm);
        if (stopAtFirst)
            return 0;
    }
    return result;
}

int ValidateWiredLan(
    CSettingsDocument &document, IMessageBox &box, bool showMessages, bool stopAtFirst)
{
    document.Gather();
    MainWindowControls &c = document.m_controls;
    const CNetworkSetting wired = document.WiredSettingFromControls();

    CSequenceReporter reporter(document, box, showMessages, Msg::WiredLanCaption);
    if (wired.m_useProxy == 0) {
        // Nothing is reported for a switched-off proxy, but its invalid texts are not kept.
        if (CheckProxyAddress(wired) != 0)
            reporter.Empty(c.m_connection.m_proxyAddress);
        if (CheckProxyPort(wired) != 0)
            reporter.Empty(c.m_connection.m_proxyPort);
        return 1;
    }

    int result = 1;
    if (const ValidationCode code = CheckProxyAddress(wired); code != 0) {
        reporter.Report(ProxyAddressMessage(code, WiredProxyMessages));
        result = 0;
        reporter.Empty(c.m_connection.m_proxyAddress);
        if (stopAtFirst)
            return 0;
    }
    if (const ValidationCode code = CheckProxyPort(wired); code != 0) {
        reporter.Report(ProxyPortMessage(code, WiredProxyMessages));
        result = 0;
        reporter.Empty(c.m_connection.m_proxyPort);
    }
    return result;
}

int ValidateWiredIpAddress(
    CSettingsDocument &document, IMessageBox &box, LoopbackAddressChoice choice)
{
    document.Gather();
    const CNetworkSetting wired = document.WiredSettingFromControls();
    if (CheckIpAddress(wired) != -5)
        return 1;
    if (choice == LoopbackAddressChoice::Report && wired.m_dhcp == 0) {
        document.ShowMessage(box, Msg::InvalidIpAddress, Msg::WiredLanCaption, MessageIcon::Error,
            MessageButtons::Ok, MessageText(Msg::LoopbackAddress).toString());
        document.m_controls.m_focusRequest = FocusRequest::WiredIpAddress;
        return 0;
    }
    document.m_controls.m_connection.m_ipAddress.Clear();
    return 1;
}
