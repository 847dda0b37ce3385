#pragma once

#include <QByteArray>
#include <QString>

#include <openssl/crypto.h>

// Overwrites what a working string holds before it is released. A string that shares its data
// with another is left alone: the other holder still needs it, and wiping is then its owner's
// task.
inline void WipeString(QString &text)
{
    if (!text.isEmpty() && text.isDetached())
        OPENSSL_cleanse(const_cast<QChar *>(text.constData()), size_t(text.size()) * sizeof(QChar));
}

inline void WipeBytes(QByteArray &bytes)
{
    if (!bytes.isEmpty() && bytes.isDetached())
        OPENSSL_cleanse(const_cast<char *>(bytes.constData()), size_t(bytes.size()));
}
