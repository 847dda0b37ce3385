#include "core/cipher/SecretCipher.h"

#include "DeviceKey.h"
#include "core/cipher/Libcrypto.h"
#include "core/cipher/OemCodePage.h"
#include "core/cipher/RuntimeRandom.h"
#include "core/cipher/SecretWipe.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

namespace {

constexpr int BlockSize = 16;

constexpr unsigned HexValue(char c)
{
    return c >= '0' && c <= '9' ? unsigned(c - '0')
        : c >= 'a' && c <= 'f'  ? unsigned(c - 'a' + 10)
        : c >= 'A' && c <= 'F'  ? unsigned(c - 'A' + 10)
                                : 0u;
}

constexpr std::array<unsigned char, 16> ParseDeviceKey()
{
    static_assert(sizeof DeviceKeyHex == 33, "the device key must be 32 hexadecimal digits");
    std::array<unsigned char, 16> key {};
    for (int i = 0; i < 16; ++i)
        key[size_t(i)] = static_cast<unsigned char>(HexValue(DeviceKeyHex[2 * i]) << 4
                                                    | HexValue(DeviceKeyHex[2 * i + 1]));
    return key;
}

constexpr std::array<unsigned char, 16> kDeviceKey = ParseDeviceKey();

// Holds plaintext; wiped before its memory goes back to the allocator.
class WipedBuffer
{
public:
    explicit WipedBuffer(QByteArray bytes) : m_bytes(std::move(bytes)) { }
    ~WipedBuffer() { WipeBytes(m_bytes); }
    WipedBuffer(const WipedBuffer &) = delete;
    WipedBuffer &operator=(const WipedBuffer &) = delete;
    QByteArray &bytes() { return m_bytes; }

private:
    QByteArray m_bytes;
};

struct CipherContextFree
{
    const Libcrypto *m_crypto;
    void operator()(EVP_CIPHER_CTX *ctx) const { m_crypto->m_contextFree(ctx); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, CipherContextFree>;

} // namespace

// Padding is off so that the bytes equal those of the plain block-cipher calls the device's side
// was written against.
bool AesCbc128(bool encrypt, const unsigned char *key, const unsigned char *iv,
               const unsigned char *in, int length, unsigned char *out)
{
    const Libcrypto *crypto = OpenLibcrypto();
    if (length % BlockSize != 0 || !crypto)
        return false;
    // One context per direction and thread, keyed once: a later call with the same key only
    // sets the IV, which spares the cipher lookup and the key schedule of every call.
    struct Keyed
    {
        explicit Keyed(const Libcrypto *crypto)
            : ctx(crypto->m_contextNew(), { crypto })
        { }
        CipherContext ctx;
        std::array<unsigned char, 16> key {};
        bool keyed = false;
    };
    thread_local Keyed t_contexts[2] { Keyed(crypto), Keyed(crypto) };
    static EVP_CIPHER *const cipher = crypto->m_cipherFetch(nullptr, "AES-128-CBC", nullptr);
    Keyed &k = t_contexts[encrypt ? 1 : 0];
    EVP_CIPHER_CTX *ctx = k.ctx.get();
    if (!ctx || !cipher)
        return false;
    const bool sameKey = k.keyed && std::equal(k.key.begin(), k.key.end(), key);
    if (crypto->m_cipherInit(ctx, sameKey ? nullptr : cipher, nullptr, sameKey ? nullptr : key, iv,
                          encrypt ? 1 : 0)
            != 1
        || crypto->m_setPadding(ctx, 0) != 1) {
        k.keyed = false;
        return false;
    }
    if (!sameKey) {
        std::copy(key, key + 16, k.key.begin());
        k.keyed = true;
    }
    int written = 0;
    int finalWritten = 0;
    return (length == 0 || crypto->m_cipherUpdate(ctx, out, &written, in, length) == 1)
        && crypto->m_cipherFinal(ctx, out + written, &finalWritten) == 1
        && written + finalWritten == length;
}

namespace {

std::array<unsigned char, BlockSize> MakeIv()
{
    const int draw = RuntimeRandom::Draw();
    const quint32 tick = TickCount();
    // A draw of 0 would divide by zero; the tick count alone seeds then.
    RuntimeRandom::Seed(draw ? tick / quint32(draw) : tick);
    std::array<int, BlockSize> draws;
    RuntimeRandom::Draw(draws.data(), draws.size());
    std::array<unsigned char, BlockSize> iv {};
    std::transform(draws.begin(), draws.end(), iv.begin(),
                   [](int value) { return static_cast<unsigned char>(value / 255); });
    return iv;
}

} // namespace

namespace {

bool IsAscii(QStringView text)
{
    char16_t any = 0;
    for (const QChar c : text) // no early exit, so that it vectorises
        any |= c.unicode();
    return any < 0x80;
}

constexpr std::array<unsigned char, 256> MakeNibbleTable()
{
    std::array<unsigned char, 256> table {};
    for (unsigned c = 0; c < 256; ++c)
        table[c] = static_cast<unsigned char>(HexValue(char(c)));
    return table;
}
constexpr std::array<std::array<char16_t, 2>, 256> MakeHexPairs()
{
    constexpr char16_t digits[] = u"0123456789ABCDEF";
    std::array<std::array<char16_t, 2>, 256> table {};
    for (unsigned b = 0; b < 256; ++b)
        table[b] = { digits[b >> 4], digits[b & 0xF] };
    return table;
}
constexpr std::array<std::array<char16_t, 2>, 256> kHexPairs = MakeHexPairs(); // upper case

// Any character that is not a hex digit counts as a nibble of 0, as the device's side reads it.
constexpr std::array<unsigned char, 256> kNibble = MakeNibbleTable();

// Hex digits (all below 0x80) to bytes, `count` bytes from 2 * count digits.
template<typename Digit>
void ParseHexDigits(const Digit *digits, qsizetype count, unsigned char *bytes)
{
    for (qsizetype i = 0; i < count; ++i)
        bytes[i] = static_cast<unsigned char>(kNibble[digits[2 * i]] << 4
                                              | kNibble[digits[2 * i + 1]]);
}

// Bytes to upper-case hex digits, 2 * count of them; each pair is copied as one unit.
void WriteHexDigits(const unsigned char *bytes, qsizetype count, QChar *digits)
{
    static_assert(sizeof(kHexPairs[0]) == 2 * sizeof(QChar));
    for (qsizetype i = 0; i < count; ++i)
        std::memcpy(static_cast<void *>(digits + 2 * i), kHexPairs[bytes[i]].data(),
                    sizeof(kHexPairs[0]));
}

// Plaintext on the stack; the part in use is wiped when it goes out of scope.
template<size_t Size>
struct WipedArray
{
    std::array<unsigned char, Size> bytes;
    size_t used = 0;
    ~WipedArray() { WipeMemory(bytes.data(), used); }
};

} // namespace

bool EncryptSecret(QStringView plain, QString &out)
{
    const std::array<unsigned char, BlockSize> iv = MakeIv();

    // The byte form: ASCII as it is, anything else through the code page.
    WipedArray<MaxSecretBytes> padded;
    qsizetype n = plain.size();
    if (IsAscii(plain)) {
        if (n > MaxSecretBytes)
            return false;
        padded.used = size_t(n);
        std::transform(plain.begin(), plain.end(), padded.bytes.begin(),
                       [](QChar c) { return static_cast<unsigned char>(c.unicode()); });
    } else {
        WipedBuffer oem(ToOemBytes(plain, UserOemCodePage()));
        n = oem.bytes().size();
        if (n > MaxSecretBytes)
            return false;
        padded.used = size_t(n);
        std::copy(oem.bytes().cbegin(), oem.bytes().cend(), padded.bytes.begin());
    }
    const qsizetype p = (n + BlockSize - 1) / BlockSize * BlockSize;
    padded.used = size_t(p);
    std::fill(padded.bytes.begin() + n, padded.bytes.begin() + p, 0); // zero fill

    std::array<unsigned char, BlockSize + MaxSecretBytes> sealed;
    std::copy(iv.begin(), iv.end(), sealed.begin());
    if (!AesCbc128(true, kDeviceKey.data(), iv.data(), padded.bytes.data(), int(p),
                   sealed.data() + BlockSize))
        return false;

    // Written into the caller's string: a loop sealing many keys into one string then costs no
    // allocation per key.
    out.resize(2 * (BlockSize + p));
    WriteHexDigits(sealed.data(), BlockSize + p, out.data());
    return true;
}

bool DecryptSecret(QStringView sealed, QString &out)
{
    // Stored values are hex digits, so ASCII, which every OEM code page keeps as it is; only
    // other characters go through the code page before the length rule counts bytes.
    QByteArray converted;
    const bool ascii = IsAscii(sealed);
    if (!ascii)
        converted = ToOemBytes(sealed, UserOemCodePage());
    const qsizetype length = ascii ? sealed.size() : converted.size();
    const qsizetype n = length / 2; // an odd last digit is ignored
    if (n % BlockSize != 0 || n <= BlockSize)
        return false;
    // A result must fit the caller's buffer of SecretTextLimit characters.
    constexpr qsizetype MaxBytes = 2 * SecretTextLimit;
    if (n - BlockSize >= MaxBytes)
        return false;

    std::array<unsigned char, MaxBytes> raw;
    if (ascii)
        ParseHexDigits(sealed.utf16(), n, raw.data());
    else
        ParseHexDigits(
                reinterpret_cast<const unsigned char *>(converted.constData()), n, raw.data());

    const qsizetype cipherLength = n - BlockSize;
    WipedArray<MaxBytes> plain;
    plain.used = size_t(cipherLength);
    if (!AesCbc128(false, kDeviceKey.data(), raw.data(), raw.data() + BlockSize,
                   int(cipherLength), plain.bytes.data()))
        return false;
    const auto *begin = plain.bytes.data();
    const void *zero = std::memchr(begin, 0, size_t(cipherLength)); // drops the zero fill
    const auto *end = zero ? static_cast<const unsigned char *>(zero) : begin + cipherLength;
    const qsizetype plainLength = end - begin;
    unsigned char any = 0;
    for (const unsigned char *b = begin; b != end; ++b) // no early exit, so that it vectorises
        any |= *b;
    if (any < 0x80) {
        // ASCII reads the same in every code page: straight into the caller's string.
        if (plainLength >= SecretTextLimit)
            return false;
        out.resize(plainLength);
        std::transform(begin, end, out.begin(), [](unsigned char b) { return QChar(char16_t(b)); });
        return true;
    }
    QString text = FromOemBytes(
        QByteArrayView(reinterpret_cast<const char *>(begin), end - begin), UserOemCodePage());
    if (text.size() >= SecretTextLimit) {
        WipeString(text);
        return false;
    }
    out = std::move(text);
    return true;
}

bool SealsFaithfully(QStringView plain)
{
    if (plain.contains(QChar(u'\0')))
        return false;
    const unsigned codePage = UserOemCodePage();
    WipedBuffer oem(ToOemBytes(plain, codePage));
    QString back = FromOemBytes(oem.bytes(), codePage);
    const bool same = back == plain;
    WipeString(back);
    return same;
}
