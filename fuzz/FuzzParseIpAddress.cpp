// An accepted address text prints back as dotted decimal that parses to the same address.
#include "core/settings/SettingsReader.h"
#include "core/settings/SettingsWriter.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    IpAddressField address;
    const int result = ParseIpAddress(text, address);
    if (result != 1 && result != -1)
        std::abort();
    if (result == -1 && address != IpAddressField())
        std::abort();
    if (result == 1 && !text.isEmpty()) {
        if (!address.IsComplete())
            std::abort();
        IpAddressField again;
        if (ParseIpAddress(FormatIpAddress(address), again) != 1 || again != address)
            std::abort();
    }
    return 0;
}
