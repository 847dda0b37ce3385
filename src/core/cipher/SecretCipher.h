#pragma once

#include <QString>

// Sealed secrets, a contract with the reader device: the secret's bytes in the host's OEM code
// page, zero-filled to whole 16-byte blocks (no length byte, no extra block), encrypted with
// AES-128-CBC under the device key behind a fresh IV, and written as upper-case hex of
// IV followed by ciphertext. Both operations return whether they succeeded; on failure
// `out` is left untouched.

inline constexpr int SecretTextLimit = 1024; // characters of a result, terminator included
inline constexpr int MaxSecretBytes = 480;   // a longer byte form would not fit that limit

bool EncryptSecret(QStringView plain, QString &out);
// Whether `plain` opens again as itself: every character exists in the OEM code page (a best-fit
// or '?' stand-in would change the secret silently) and none is NUL, which ends the sealed text.
bool SealsFaithfully(QStringView plain);
bool DecryptSecret(QStringView sealed, QString &out);

// AES-128-CBC over whole 16-byte blocks without padding, the primitive under the sealed form.
// `length` must be a multiple of 16.
bool AesCbc128(bool encrypt, const unsigned char *key, const unsigned char *iv,
               const unsigned char *in, int length, unsigned char *out);
