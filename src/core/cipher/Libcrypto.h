#pragma once

#include <openssl/evp.h>

// The libcrypto calls this program makes. The library is opened when the first secret is sealed
// or opened, not at every start: relocating it costs about 1.4 MB of resident memory, which a
// start that never touches a secret need not pay.
struct Libcrypto
{
    decltype(&EVP_CIPHER_fetch) m_cipherFetch;
    decltype(&EVP_CIPHER_CTX_new) m_contextNew;
    decltype(&EVP_CIPHER_CTX_free) m_contextFree;
    decltype(&EVP_CipherInit_ex) m_cipherInit;
    decltype(&EVP_CIPHER_CTX_set_padding) m_setPadding;
    decltype(&EVP_CipherUpdate) m_cipherUpdate;
    decltype(&EVP_CipherFinal_ex) m_cipherFinal;
    decltype(&EVP_Digest) m_digest;
    decltype(&EVP_md5) m_md5;
};

// The calls, or nullptr when the library cannot be opened or lacks one of them. The first call
// decides; the library then stays loaded until the program ends.
const Libcrypto *OpenLibcrypto();
