// Any bytes parse; whatever parsed writes out as text that parses back to the same text.
#include "ProfileFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArray written = CProfileFile::FromBytes(bytes).ToBytes();
    const QByteArray rewritten = CProfileFile::FromBytes(written).ToBytes();
    // The byte form may change once (a lone surrogate becomes '?', so Latin-1 fits again),
    // the text never.
    if (DecodeProfileBytes(rewritten) != DecodeProfileBytes(written))
        std::abort();
    if (CProfileFile::FromBytes(rewritten).ToBytes() != rewritten)
        std::abort();
    return 0;
}
