#include "core/commands/WindowCommands.h"

#include "core/settings/StateFile.h"

void ClearWiredSettings(CSettingsDocument &document)
{
    // The push at the end writes all four bound values back to their controls. Without this
    // gather it would revert a "Use wireless" tick or a folder choice made since the last one.
    document.Gather();

    document.m_controls.m_connection.Clear();
    document.m_dhcpMode = 0;
    document.m_wiredUseProxy = 0;
    document.Push();
}

void ApplyUseProxyChoice(CSettingsDocument &document)
{
    document.Gather();
    document.m_controls.m_connection.EnableProxy(document.m_wiredUseProxy == 1);
}

void FinishSession(CSettingsDocument &document, CloseCommand command)
{
    CloseSession(document);
    if (command == CloseCommand::Ok)
        document.Gather();
}

QStringList ForwardWindowTitles()
{
    static constexpr MessageId kOrder[] = {
        Msg::LocalSecuritySettingTitle,
        Msg::SelectTargetTitle,
        Msg::AboutTitle,
        Msg::PropertyDialogTitle,
        Msg::LoadSettingsCaption,
        Msg::CreateSettingCaption,
        Msg::NetworkFolderCaption,
        Msg::WiredLanCaption,
        Msg::WirelessLanCaption,
        Msg::WirelessSettingCaption,
        Msg::LocalSecuritySettingTitle2,
    };
    QStringList titles;
    for (MessageId id : kOrder)
        titles.append(MessageText(id).toString());
    return titles;
}
