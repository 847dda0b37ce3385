#include "OemCodePage.h"

#include "HostLocale.h"

#include <QString>

#include <algorithm>
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

    // Converts all of `in`; returns false at the first sequence that cannot be converted,
    // leaving `inLeft` at it.
    bool Convert(const char *&in, size_t &inLeft, char *&out, size_t &outLeft)
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        auto *src = const_cast<char *>(in);
        const size_t r = iconv(m_cd, &src, &inLeft, &out, &outLeft);
        in = src;
        return r != size_t(-1);
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

// Converts one code point; an empty result means the code page lacks it.
QByteArray EncodeCodePoint(char32_t ucs, Converter &toOem)
{
    char32_t in = ucs;
    const char *src = reinterpret_cast<const char *>(&in);
    size_t inLeft = sizeof in;
    char buffer[8];
    char *out = buffer;
    size_t outLeft = sizeof buffer;
    if (!toOem.Convert(src, inLeft, out, outLeft))
        return {};
    return QByteArray(buffer, out - buffer);
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
    QByteArray bytes;
    bytes.reserve(text.size());
    Converters *converters = nullptr;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) { // every OEM code page keeps ASCII as it is
            bytes.append(char(c));
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
        QByteArray encoded;
        if (converters->toOem->IsValid()) {
            encoded = EncodeCodePoint(ucs, *converters->toOem);
            if (encoded.isEmpty()) {
                const QString decomposed =
                    QString::fromUcs4(&ucs, 1).normalized(QString::NormalizationForm_D);
                if (!decomposed.isEmpty() && decomposed.front().unicode() != ucs)
                    encoded = EncodeCodePoint(decomposed.front().unicode(), *converters->toOem);
            }
        }
        bytes.append(encoded.isEmpty() ? QByteArray(1, '?') : encoded);
    }
    return bytes;
}

QString FromOemBytes(QByteArrayView bytes, unsigned codePage)
{
    qsizetype i = 0;
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80)
        ++i;
    QString text = QString::fromLatin1(bytes.first(i));
    if (i == bytes.size())
        return text;

    Converter &fromOem = *ConvertersFor(codePage).fromOem;
    if (!fromOem.IsValid()) {
        for (; i < bytes.size(); ++i)
            text.append(static_cast<unsigned char>(bytes[i]) < 0x80 ? QChar(char16_t(bytes[i]))
                                                                    : QChar(u'?'));
        return text;
    }
    std::u32string decoded(size_t(bytes.size() - i), U'\0');
    const char *src = bytes.data() + i;
    size_t inLeft = size_t(bytes.size() - i);
    while (inLeft > 0) {
        char *out = reinterpret_cast<char *>(decoded.data());
        size_t outLeft = decoded.size() * sizeof(char32_t);
        const bool whole = fromOem.Convert(src, inLeft, out, outLeft);
        const auto produced = (decoded.size() * sizeof(char32_t) - outLeft) / sizeof(char32_t);
        text.append(QString::fromUcs4(decoded.data(), qsizetype(produced)));
        if (whole)
            break;
        // An invalid or truncated sequence: one '?' for its first byte, then go on.
        text.append(u'?');
        ++src;
        --inLeft;
    }
    return text;
}
