// An accepted address text prints back as dotted decimal that parses to the same address.
#include "core/settings/SettingsReader.h"
#include "core/settings/SettingsWriter.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    IpAddressField address;
    const bool accepted = ParseIpAddress(text, address);
    if (!accepted && address != IpAddressField())
        std::abort();
    if (accepted && !text.isEmpty()) {
        if (!address.IsComplete())
            std::abort();
        IpAddressField again;
        if (!ParseIpAddress(FormatIpAddress(address), again) || again != address)
            std::abort();
    }
    return 0;
}
