#pragma once

#include <QByteArray>
#include <QString>

#include <cstring>

// Overwrites memory that held a secret, in a way the compiler may not drop as a dead store.
inline void WipeMemory(void *memory, size_t size)
{
    explicit_bzero(memory, size);
}

// Overwrites what a working string holds before it is released. A string that shares its data
// with another is left alone: the other holder still needs it, and wiping is then its owner's
// task.
inline void WipeString(QString &text)
{
    if (!text.isEmpty() && text.isDetached())
        WipeMemory(const_cast<QChar *>(text.constData()), size_t(text.size()) * sizeof(QChar));
}

inline void WipeBytes(QByteArray &bytes)
{
    if (!bytes.isEmpty() && bytes.isDetached())
        WipeMemory(const_cast<char *>(bytes.constData()), size_t(bytes.size()));
}
