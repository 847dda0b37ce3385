// Any stored text either opens into a text that fits the caller's buffer or is refused.
#include "core/cipher/OemCodePage.h"
#include "core/cipher/SecretCipher.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    // The first byte picks a code page, so that single- and double-byte conversions both run.
    static const unsigned kCodePages[] = { 437, 850, 852, 866, 932, 936, 950 };
    SetUserOemCodePage(kCodePages[data[0] % std::size(kCodePages)]);
    const QString stored = QString::fromUtf8(reinterpret_cast<const char *>(data + 1),
                                             qsizetype(size - 1));
    QString out = QStringLiteral("untouched");
    const bool opened = DecryptSecret(stored, out);
    if (!opened && out != QStringLiteral("untouched"))
        std::abort();
    if (opened && out.size() >= SecretTextLimit)
        std::abort();
    return 0;
}
