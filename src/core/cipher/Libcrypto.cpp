#include "core/cipher/Libcrypto.h"

#include <QLibrary>

#include <openssl/opensslv.h>

#include <optional>

namespace {

template<typename Function> bool Resolve(QLibrary &library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

std::optional<Libcrypto> Load()
{
    // The major version of the headers the table was declared from, so that the calls are
    // never made into a library of another interface.
    QLibrary library(QStringLiteral("crypto"), OPENSSL_SHLIB_VERSION);
    Libcrypto calls {};
    if (library.load() && Resolve(library, "EVP_CIPHER_fetch", calls.m_cipherFetch)
        && Resolve(library, "EVP_CIPHER_CTX_new", calls.m_contextNew)
        && Resolve(library, "EVP_CIPHER_CTX_free", calls.m_contextFree)
        && Resolve(library, "EVP_CipherInit_ex", calls.m_cipherInit)
        && Resolve(library, "EVP_CIPHER_CTX_set_padding", calls.m_setPadding)
        && Resolve(library, "EVP_CipherUpdate", calls.m_cipherUpdate)
        && Resolve(library, "EVP_CipherFinal_ex", calls.m_cipherFinal)
        && Resolve(library, "EVP_Digest", calls.m_digest)
        && Resolve(library, "EVP_md5", calls.m_md5))
        return calls;
    return std::nullopt;
}

} // namespace

const Libcrypto *OpenLibcrypto()
{
    static const std::optional<Libcrypto> calls = Load();
    return calls ? &*calls : nullptr;
}
