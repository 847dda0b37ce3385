// Any bytes parse; whatever parsed writes out as text that parses back to the same text.
#include "core/file/ProfileFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArray written = CProfileFile::FromBytes(bytes).ToBytes();
    const QByteArray rewritten = CProfileFile::FromBytes(written).ToBytes();
    // The byte form may change once (UTF-16 or Windows-1252 in, Latin-1 or UTF-8 out), the text
    // never.
    if (DecodeProfileBytes(rewritten) != DecodeProfileBytes(written))
        std::abort();
    if (CProfileFile::FromBytes(rewritten).ToBytes() != rewritten)
        std::abort();
    return 0;
}
