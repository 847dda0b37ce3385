#include "core/cipher/Libcrypto.h"

#include <QLibrary>

#include <openssl/opensslv.h>

#include <optional>

namespace {

template<typename Function>
bool Resolve(QLibrary &library, const char *name, Function &function)
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
    if (library.load() && Resolve(library, "EVP_CIPHER_fetch", calls.cipherFetch)
        && Resolve(library, "EVP_CIPHER_CTX_new", calls.contextNew)
        && Resolve(library, "EVP_CIPHER_CTX_free", calls.contextFree)
        && Resolve(library, "EVP_CipherInit_ex", calls.cipherInit)
        && Resolve(library, "EVP_CIPHER_CTX_set_padding", calls.setPadding)
        && Resolve(library, "EVP_CipherUpdate", calls.cipherUpdate)
        && Resolve(library, "EVP_CipherFinal_ex", calls.cipherFinal)
        && Resolve(library, "EVP_Digest", calls.digest) && Resolve(library, "EVP_md5", calls.md5))
        return calls;
    return std::nullopt;
}

} // namespace

const Libcrypto *OpenLibcrypto()
{
    static const std::optional<Libcrypto> calls = Load();
    return calls ? &*calls : nullptr;
}
