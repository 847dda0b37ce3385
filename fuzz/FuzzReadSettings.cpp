// Whatever a settings file holds, the load leaves a consistent document; written and loaded
// again, that document comes back unchanged.
#include "core/commands/MessageBox.h"
#include "core/file/ProfileFile.h"
#include "core/settings/SettingsReader.h"
#include "core/settings/SettingsWriter.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckConsistent(const CSettingsDocument &d)
{
    const auto &list = d.m_controls.m_wirelessList;
    Check(list.size() <= MaxWirelessProfiles);
    Check(d.m_controls.m_wirelessSelection == (list.isEmpty() ? -1 : 0));
    for (int i = 0; i < list.size(); ++i) {
        // After a load the profiles fill slots 0..n-1 in file order.
        Check(list[i].m_slot == i);
        Check(list[i].m_text == d.m_wirelessSettings[size_t(i)].m_ssid);
        Check(!list[i].m_text.isEmpty());
    }
    for (int i = int(list.size()); i < MaxWirelessProfiles; ++i)
        Check(d.m_wirelessSettings[size_t(i)] == CNetworkSetting());
}

bool SameNetworkPart(const CSettingsDocument &a, const CSettingsDocument &b)
{
    const MainWindowControls &x = a.m_controls;
    const MainWindowControls &y = b.m_controls;
    return a.m_wirelessSettings == b.m_wirelessSettings && a.m_dhcpMode == b.m_dhcpMode
        && a.m_wiredUseProxy == b.m_wiredUseProxy && a.m_useWireless == b.m_useWireless
        && x.m_connection.m_ipAddress.m_fields == y.m_connection.m_ipAddress.m_fields
        && x.m_connection.m_subnetMask.m_fields == y.m_connection.m_subnetMask.m_fields
        && x.m_connection.m_defaultGateway.m_fields == y.m_connection.m_defaultGateway.m_fields
        && x.m_connection.m_dns.m_fields == y.m_connection.m_dns.m_fields
        && x.m_connection.m_secondaryDns.m_fields == y.m_connection.m_secondaryDns.m_fields
        && x.m_connection.m_proxyAddress.m_text == y.m_connection.m_proxyAddress.m_text
        && x.m_connection.m_proxyPort.m_text == y.m_connection.m_proxyPort.m_text
        && x.m_wirelessList.size() == y.m_wirelessList.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const CProfileFile file = CProfileFile::FromBytes(bytes);
    CSettingsDocument loaded;
    CSilentMessageBox box;
    const bool result = ReadSettingsProfile(loaded, box, file);
    Check(result == (box.m_count == 0));
    CheckConsistent(loaded);

    CProfileFile written;
    if (!ComposeSettingsFile(loaded, written)) {
        // Only a NUL character, which the file cannot carry, may stop the writer.
        Check(DecodeProfileBytes(bytes).contains(QChar(u'\0')));
        return 0;
    }
    CSettingsDocument again;
    CSilentMessageBox quiet;
    const bool againResult
        = ReadSettingsProfile(again, quiet, CProfileFile::FromBytes(written.ToBytes()));
    // A clean load writes a clean file. After a failed one, what is still missing (a proxy that
    // is on without its address) is reported again, and nothing else changes.
    if (result)
        Check(againResult && quiet.m_count == 0);
    CheckConsistent(again);
    Check(SameNetworkPart(loaded, again));
    return 0;
}
