#include "core/commands/WirelessList.h"

#include <algorithm>

namespace {

int SelectedPosition(const MainWindowControls &controls)
{
    const int s = controls.m_wirelessSelection;
    return s >= 0 && s < controls.m_wirelessList.size() ? s : -1;
}

bool HasSlot(const WirelessListEntry &entry)
{
    return entry.m_slot >= 0 && entry.m_slot < MaxWirelessProfiles;
}

CNetworkSetting &SlotOf(CSettingsDocument &document, const WirelessListEntry &entry)
{
    return document.m_wirelessSettings[size_t(entry.m_slot)];
}

// Takes the entry out and puts it back at `to` with its slot's current SSID, selected.
void ReinsertEntry(CSettingsDocument &document, int from, int to)
{
    QList<WirelessListEntry> &list = document.m_controls.m_wirelessList;
    WirelessListEntry entry = list.takeAt(from);
    entry.m_text = SlotOf(document, entry).m_ssid;
    list.insert(to, entry);
    document.m_controls.m_wirelessSelection = to;
}

} // namespace

int FreeWirelessSlot(const CSettingsDocument &document)
{
    for (int slot = 0; slot < MaxWirelessProfiles; ++slot) {
        if (!document.m_wirelessSettings[size_t(slot)].m_ssid.isEmpty())
            continue;
        // An entry left pointing at an emptied slot still owns it; sharing it would let one
        // profile overwrite another.
        const auto &list = document.m_controls.m_wirelessList;
        const bool used = std::any_of(
            list.cbegin(), list.cend(), [slot](const auto &entry) { return entry.m_slot == slot; });
        if (!used)
            return slot;
    }
    return -1;
}

void RaiseWirelessPriority(CSettingsDocument &document)
{
    const int s = SelectedPosition(document.m_controls);
    if (s <= 0 || !HasSlot(document.m_controls.m_wirelessList.at(s)))
        return;
    ReinsertEntry(document, s, s - 1);
}

void LowerWirelessPriority(CSettingsDocument &document)
{
    const int s = SelectedPosition(document.m_controls);
    const int n = int(document.m_controls.m_wirelessList.size());
    if (s < 0 || s >= n - 1 || !HasSlot(document.m_controls.m_wirelessList.at(s)))
        return;
    ReinsertEntry(document, s, s + 1);
}

void MoveWirelessProfile(CSettingsDocument &document, int from, int to)
{
    const int n = int(document.m_controls.m_wirelessList.size());
    if (from < 0 || from >= n || !HasSlot(document.m_controls.m_wirelessList.at(from)))
        return;
    ReinsertEntry(document, from, std::clamp(to, 0, n - 1));
}

void DeleteWirelessProfile(CSettingsDocument &document, IMessageBox &box)
{
    MainWindowControls &controls = document.m_controls;
    const int s = SelectedPosition(controls);
    if (s < 0) {
        if (controls.m_wirelessList.isEmpty())
            document.ShowMessage(
                box, Msg::NoSettingExists, Msg::WirelessSettingCaption, MessageIcon::Information);
        return;
    }
    const WirelessListEntry entry = controls.m_wirelessList.at(s);
    if (!HasSlot(entry))
        return;
    controls.m_wirelessList.removeAt(s);
    if (s > 0)
        controls.m_wirelessSelection = s - 1;
    else
        controls.m_wirelessSelection = controls.m_wirelessList.isEmpty() ? -1 : 0;
    ResetNetworkSetting(SlotOf(document, entry));
}

void AddWirelessProfile(CSettingsDocument &document, IMessageBox &box, IWifiPropertyDialog &dialog)
{
    MainWindowControls &controls = document.m_controls;
    const int n = int(controls.m_wirelessList.size());
    if (n >= MaxWirelessProfiles) {
        document.ShowMessage(box, Msg::MaximumWirelessSettings, Msg::WirelessSettingCaption,
            MessageIcon::Information);
        return;
    }
    CNetworkSetting profile;
    if (dialog.RunPropertyDialog(profile) != DialogResult::Ok || profile.m_ssid.isEmpty())
        return;
    const int slot = FreeWirelessSlot(document);
    if (slot < 0)
        return;
    document.m_wirelessSettings[size_t(slot)] = profile;
    controls.m_wirelessList.append({ profile.m_ssid, slot });
    controls.m_wirelessSelection = n;
}

void EditWirelessProfile(CSettingsDocument &document, IWifiPropertyDialog &dialog)
{
    MainWindowControls &controls = document.m_controls;
    const int s = SelectedPosition(controls);
    if (s < 0 || !HasSlot(controls.m_wirelessList.at(s)))
        return;
    CNetworkSetting &slot = SlotOf(document, controls.m_wirelessList.at(s));
    CNetworkSetting profile = slot;
    // An empty SSID would free a slot that its entry still names.
    if (dialog.RunPropertyDialog(profile) != DialogResult::Ok || profile.m_ssid.isEmpty())
        return;
    slot = profile;
    controls.m_wirelessList[s].m_text = slot.m_ssid;
    controls.m_wirelessSelection = -1;
}
