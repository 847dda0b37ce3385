#include "core/import/ImportProfiles.h"

#include "core/commands/WirelessList.h"
#include "i18n/MessageCatalog.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString Names(const QStringList &ssids)
{
    return ssids.join(u", "_s);
}

} // namespace

WirelessImportReport ImportWirelessProfiles(
    CSettingsDocument &document, const QList<CNetworkSetting> &profiles)
{
    WirelessImportReport report;
    MainWindowControls &controls = document.m_controls;
    for (const CNetworkSetting &profile : profiles) {
        const bool listed = std::any_of(controls.m_wirelessList.cbegin(),
            controls.m_wirelessList.cend(),
            [&profile](const WirelessListEntry &entry) { return entry.m_text == profile.m_ssid; });
        if (listed) {
            report.m_alreadyListed.append(profile.m_ssid);
            continue;
        }
        const int slot = controls.m_wirelessList.size() < MaxWirelessProfiles
            ? FreeWirelessSlot(document)
            : -1;
        if (slot < 0) {
            report.m_noRoom.append(profile.m_ssid);
            continue;
        }
        document.m_wirelessSettings[size_t(slot)] = profile;
        controls.m_wirelessList.append({ profile.m_ssid, slot });
        const int position = int(controls.m_wirelessList.size()) - 1;
        controls.m_wirelessSelection = position;
        report.m_added.append(profile.m_ssid);
        if (profile.m_securityMode != SecurityModeNone && profile.m_networkKey.isEmpty()) {
            report.m_keysMissing.append(profile.m_ssid);
            if (report.m_firstKeyMissingPosition < 0)
                report.m_firstKeyMissingPosition = position;
        }
    }
    return report;
}

void ShowWirelessImportReport(IMessageBox &box, const WirelessImportReport &report)
{
    QStringList paragraphs;
    if (!report.m_alreadyListed.isEmpty())
        paragraphs.append(
            MessageText(Msg::ImportAlreadyListed).toString().arg(Names(report.m_alreadyListed)));
    if (!report.m_noRoom.isEmpty())
        paragraphs.append(MessageText(Msg::ImportListFull).toString().arg(Names(report.m_noRoom)));
    if (!report.m_keysMissing.isEmpty())
        paragraphs.append(
            MessageText(Msg::ImportKeysMissing).toString().arg(Names(report.m_keysMissing)));
    if (paragraphs.isEmpty())
        return;
    box.ShowMessage(ComposedMessage(paragraphs.join(u"\n\n"_s)),
        MessageText(Msg::WirelessSettingCaption).toString(), MessageIcon::Information,
        MessageButtons::Ok, QString());
}
