#include "core/cipher/OemCodePage.h"

#include "i18n/HostLocale.h"
#include "core/cipher/SecretWipe.h"

#include <QString>

#include <algorithm>
#include <array>
#include <cerrno>
#include <iconv.h>
#include <memory>

namespace {

unsigned g_codePageOverride = 0;

// One converter per direction and code page, per thread: iconv descriptors carry state.
class Converter
{
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from)) { }
    ~Converter()
    {
        if (m_cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_cd);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    bool IsValid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    void Reset() { iconv(m_cd, nullptr, nullptr, nullptr, nullptr); }

    // Converts as much of `in` as it can, going on from the state the last call left; returns
    // false at a sequence that cannot be converted (errno EILSEQ or EINVAL), leaving `in` at it,
    // or when `out` is full (E2BIG).
    bool Convert(const char *&in, size_t &inLeft, char *&out, size_t &outLeft)
    {
        auto *src = const_cast<char *>(in);
        const size_t r = iconv(m_cd, &src, &inLeft, &out, &outLeft);
        in = src;
        return r != size_t(-1);
    }

    // Writes out what the converter still holds back and returns it to its initial state.
    // Some decoders (1258, which composes a letter with the accent after it) keep the last
    // character until then.
    bool Flush(char *&out, size_t &outLeft)
    {
        return iconv(m_cd, nullptr, nullptr, &out, &outLeft) != size_t(-1);
    }

private:
    iconv_t m_cd;
};

struct Converters
{
    unsigned codePage = 0;
    std::unique_ptr<Converter> toOem;
    std::unique_ptr<Converter> fromOem;
};

Converters &ConvertersFor(unsigned codePage)
{
    thread_local Converters t_converters;
    if (t_converters.codePage != codePage) {
        const QByteArray name = "CP" + QByteArray::number(codePage);
        t_converters.toOem = std::make_unique<Converter>(name.constData(), "UTF-32LE");
        t_converters.fromOem = std::make_unique<Converter>("UTF-32LE", name.constData());
        t_converters.codePage = codePage;
    }
    return t_converters;
}

// Converts one code point into `buffer`; returns the number of bytes, 0 when the code page
// lacks it.
int EncodeCodePoint(char32_t ucs, Converter &toOem, char (&buffer)[8])
{
    char32_t in = ucs;
    const char *src = reinterpret_cast<const char *>(&in);
    size_t inLeft = sizeof in;
    char *out = buffer;
    size_t outLeft = sizeof buffer;
    toOem.Reset();
    // The encoders of these code pages hold nothing back, so no flush is needed.
    const bool converted = toOem.Convert(src, inLeft, out, outLeft);
    WipeMemory(&in, sizeof in);
    return converted ? int(out - buffer) : 0;
}

// Appends to `bytes` without ever letting it move its data, which would leave a copy behind:
// when the room made at the start runs out, the bytes go to a larger block and the old one is
// wiped.
void AppendInPlace(QByteArray &bytes, const char *data, qsizetype length)
{
    if (bytes.size() + length > bytes.capacity()) {
        QByteArray larger;
        larger.reserve(2 * (bytes.size() + length));
        larger.append(bytes);
        WipeBytes(bytes);
        bytes.swap(larger);
    }
    bytes.append(data, length);
}

} // namespace

unsigned OemCodePageForLcid(quint32 lcid)
{
    lcid &= 0xFFFF; // a sort order does not change the code page
    switch (lcid) {
    case 0x0409: // English (United States)
        return 437;
    case 0x0404: case 0x0C04: case 0x1404: // Chinese (Taiwan, Hong Kong, Macao)
        return 950;
    case 0x0804: case 0x1004: // Chinese (PRC, Singapore)
        return 936;
    case 0x0C0C: // French (Canada)
        return 850;
    case 0x0816: case 0x0416: // Portuguese
        return 850;
    default:
        break;
    }
    switch (lcid & 0x3FF) { // primary language
    case 0x03: case 0x06: case 0x07: case 0x09: case 0x0A: case 0x0B: case 0x0C: case 0x0F:
    case 0x10: case 0x13: case 0x14: case 0x1D: case 0x21: case 0x2D: case 0x36: case 0x38:
    case 0x3C: case 0x3E: case 0x52: case 0x56:
        return 850; // Western European languages, and English outside the United States
    case 0x05: case 0x0E: case 0x15: case 0x18: case 0x1A: case 0x1B: case 0x1C: case 0x24:
        return 852; // Central European
    case 0x02: case 0x19: case 0x22: case 0x23: case 0x2F: case 0x3F:
        return 866; // Cyrillic
    case 0x08:
        return 737; // Greek
    case 0x0D:
        return 862; // Hebrew
    case 0x11:
        return 932; // Japanese
    case 0x12:
        return 949; // Korean
    case 0x1E:
        return 874; // Thai
    case 0x1F:
        return 857; // Turkish
    case 0x25: case 0x26: case 0x27:
        return 775; // Baltic
    case 0x2A:
        return 1258; // Vietnamese
    default:
        return 437;
    }
}

unsigned UserOemCodePage()
{
    if (g_codePageOverride)
        return g_codePageOverride;
    static const unsigned codePage = OemCodePageForLcid(UserDefaultLcid());
    return codePage;
}

void SetUserOemCodePage(unsigned codePage)
{
    g_codePageOverride = codePage;
}

QByteArray ToOemBytes(QStringView text, unsigned codePage)
{
    // Every OEM code page keeps ASCII as it is; most secrets are ASCII only.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return text.toLatin1();
    // No OEM code page takes more than two bytes for a UTF-16 unit.
    QByteArray bytes;
    bytes.reserve(2 * text.size());
    Converters *converters = nullptr;
    char buffer[8] = {};
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) { // every OEM code page keeps ASCII as it is
            buffer[0] = char(c);
            AppendInPlace(bytes, buffer, 1);
            continue;
        }
        char32_t ucs = c;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size()
            && QChar::isLowSurrogate(text[i + 1].unicode())) {
            ucs = QChar::surrogateToUcs4(c, text[i + 1].unicode());
            ++i;
        }
        if (!converters)
            converters = &ConvertersFor(codePage);
        int length = 0;
        if (converters->toOem->IsValid()) {
            length = EncodeCodePoint(ucs, *converters->toOem, buffer);
            if (length == 0) {
                QString single = QString::fromUcs4(&ucs, 1);
                QString decomposed = single.normalized(QString::NormalizationForm_D);
                if (!decomposed.isEmpty() && decomposed.front().unicode() != ucs)
                    length = EncodeCodePoint(decomposed.front().unicode(), *converters->toOem,
                                             buffer);
                WipeString(decomposed);
                decomposed = QString(); // so that `single` no longer shares, and is wiped
                WipeString(single);
            }
        }
        if (length == 0) {
            buffer[0] = '?';
            length = 1;
        }
        AppendInPlace(bytes, buffer, length);
    }
    // The converter keeps the last character it converted in a buffer of its own.
    if (converters && converters->toOem->IsValid())
        EncodeCodePoint(U'\0', *converters->toOem, buffer);
    WipeMemory(buffer, sizeof buffer);
    return bytes;
}

QString FromOemBytes(QByteArrayView bytes, unsigned codePage)
{
    qsizetype i = 0;
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80)
        ++i;
    if (i == bytes.size())
        return QString::fromLatin1(bytes);

    // No OEM byte gives more than one UTF-16 unit: the text is written in place into a string
    // of that size and cut to its length at the end, so that it never moves and leaves a copy.
    QString text(bytes.size(), Qt::Uninitialized);
    qsizetype length = 0;
    for (; length < i; ++length)
        text[length] = QChar(char16_t(bytes[length]));
    const auto append = [&](char32_t ucs) {
        const qsizetype units = QChar::requiresSurrogates(ucs) ? 2 : 1;
        if (length + units > text.size()) { // kept for a code page that breaks the rule
            QString larger(2 * text.size() + units, Qt::Uninitialized);
            std::copy(text.cbegin(), text.cbegin() + length, larger.begin());
            WipeString(text);
            text.swap(larger);
        }
        if (units == 2) {
            text[length++] = QChar(QChar::highSurrogate(ucs));
            text[length++] = QChar(QChar::lowSurrogate(ucs));
        } else {
            text[length++] = QChar(char16_t(ucs));
        }
    };

    Converter &fromOem = *ConvertersFor(codePage).fromOem;
    if (!fromOem.IsValid()) {
        for (; i < bytes.size(); ++i)
            append(static_cast<unsigned char>(bytes[i]) < 0x80 ? char32_t(bytes[i]) : U'?');
        text.truncate(length);
        return text;
    }
    std::array<char32_t, 64> decoded {};
    const char *src = bytes.data() + i;
    size_t inLeft = size_t(bytes.size() - i);
    fromOem.Reset();
    bool more = true;
    while (more) {
        char *to = reinterpret_cast<char *>(decoded.data());
        size_t outLeft = sizeof decoded;
        const bool whole = fromOem.Convert(src, inLeft, to, outLeft);
        const bool full = !whole && errno == E2BIG;
        // What a decoder holds back belongs before any '?'.
        if (!full)
            fromOem.Flush(to, outLeft);
        const size_t produced = (sizeof decoded - outLeft) / sizeof(char32_t);
        for (size_t k = 0; k < produced; ++k)
            append(decoded[k]);
        more = !whole || inLeft > 0;
        if (!whole && !full) {
            // An invalid or truncated sequence: one '?' for its first byte, then go on.
            append(U'?');
            ++src;
            --inLeft;
            more = inLeft > 0;
        }
    }
    // The converter keeps what it decoded in a buffer of its own. One run of as many zero
    // bytes as it was given (its buffer holds a few thousand characters at most) overwrites it.
    static const std::array<char, 8192> kZeros {};
    const char *zero = kZeros.data();
    size_t zeroLeft = std::min(size_t(bytes.size() - i), kZeros.size());
    char *to = reinterpret_cast<char *>(decoded.data());
    size_t outLeft = sizeof decoded;
    fromOem.Convert(zero, zeroLeft, to, outLeft);
    fromOem.Reset();
    WipeMemory(decoded.data(), sizeof decoded);
    text.truncate(length);
    return text;
}
