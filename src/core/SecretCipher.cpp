#include "SecretCipher.h"

#include "DeviceKey.h"
#include "OemCodePage.h"
#include "RuntimeRandom.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>

#include <array>
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
    ~WipedBuffer()
    {
        if (!m_bytes.isEmpty())
            OPENSSL_cleanse(m_bytes.data(), size_t(m_bytes.size()));
    }
    WipedBuffer(const WipedBuffer &) = delete;
    WipedBuffer &operator=(const WipedBuffer &) = delete;
    QByteArray &bytes() { return m_bytes; }

private:
    QByteArray m_bytes;
};

struct CipherContextFree
{
    void operator()(EVP_CIPHER_CTX *ctx) const { EVP_CIPHER_CTX_free(ctx); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, CipherContextFree>;

} // namespace

// Padding is off so that the bytes equal those of the plain block-cipher calls the device's side
// was written against.
bool AesCbc128(bool encrypt, const unsigned char *key, const unsigned char *iv,
               const unsigned char *in, int length, unsigned char *out)
{
    if (length % BlockSize != 0)
        return false;
    thread_local CipherContext t_ctx(EVP_CIPHER_CTX_new());
    EVP_CIPHER_CTX *ctx = t_ctx.get();
    if (!ctx)
        return false;
    if (EVP_CipherInit_ex(ctx, EVP_aes_128_cbc(), nullptr, key, iv,
                          encrypt ? 1 : 0)
            != 1
        || EVP_CIPHER_CTX_set_padding(ctx, 0) != 1)
        return false;
    int written = 0;
    int finalWritten = 0;
    const bool ok = (length == 0 || EVP_CipherUpdate(ctx, out, &written, in, length) == 1)
        && EVP_CipherFinal_ex(ctx, out + written, &finalWritten) == 1
        && written + finalWritten == length;
    return ok;
}

namespace {

std::array<unsigned char, BlockSize> MakeIv()
{
    const int draw = RuntimeRandom::Draw();
    const quint32 tick = TickCount();
    // A draw of 0 would divide by zero; the tick count alone seeds then.
    RuntimeRandom::Seed(draw ? tick / quint32(draw) : tick);
    std::array<unsigned char, BlockSize> iv {};
    for (auto &byte : iv)
        byte = static_cast<unsigned char>(RuntimeRandom::Draw() / 255);
    return iv;
}

} // namespace

int EncryptSecret(QStringView plain, QString &out)
{
    const std::array<unsigned char, BlockSize> iv = MakeIv();

    WipedBuffer padded(ToOemBytes(plain, UserOemCodePage()));
    const qsizetype n = padded.bytes().size();
    const qsizetype p = (n + BlockSize - 1) / BlockSize * BlockSize;
    if (p > MaxSecretBytes)
        return 0;
    padded.bytes().append(p - n, '\0');

    QByteArray sealed(BlockSize + p, Qt::Uninitialized);
    auto *raw = reinterpret_cast<unsigned char *>(sealed.data());
    std::copy(iv.begin(), iv.end(), raw);
    if (!AesCbc128(true, kDeviceKey.data(), iv.data(), reinterpret_cast<const unsigned char *>(padded.bytes().constData()),
                int(p), raw + BlockSize))
        return 0;

    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    QString hex(2 * sealed.size(), Qt::Uninitialized);
    QChar *digit = hex.data();
    for (const char c : sealed) {
        const auto b = static_cast<unsigned char>(c);
        *digit++ = QChar(kDigits[b >> 4]);
        *digit++ = QChar(kDigits[b & 0xF]);
    }
    out = std::move(hex);
    return 1;
}

int DecryptSecret(QStringView sealed, QString &out)
{
    const QByteArray bytes = ToOemBytes(sealed, UserOemCodePage());
    const qsizetype n = bytes.size() / 2; // an odd last digit is ignored
    if (n % BlockSize != 0 || n <= BlockSize)
        return 0;
    // A result must fit the caller's buffer of SecretTextLimit characters.
    if (n - BlockSize >= SecretTextLimit * 2)
        return 0;

    QByteArray raw(n, Qt::Uninitialized);
    for (qsizetype i = 0; i < n; ++i)
        raw[i] = char(HexValue(bytes[2 * i]) << 4 | HexValue(bytes[2 * i + 1]));

    const qsizetype length = n - BlockSize;
    WipedBuffer plain(QByteArray(length + 1, '\0'));
    auto *rawData = reinterpret_cast<const unsigned char *>(raw.constData());
    if (!AesCbc128(false, kDeviceKey.data(), rawData, rawData + BlockSize, int(length),
                reinterpret_cast<unsigned char *>(plain.bytes().data())))
        return 0;
    const qsizetype end = plain.bytes().indexOf('\0');
    QString text = FromOemBytes(QByteArrayView(plain.bytes()).first(end), UserOemCodePage());
    if (text.size() >= SecretTextLimit)
        return 0;
    out = std::move(text);
    return 1;
}
