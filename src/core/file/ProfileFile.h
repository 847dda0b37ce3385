#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <vector>

// Our own profile (INI) layer, in place of a host's profile functions. It keeps the rules the
// reader device and existing files rely on:
// - sections appear in the order of their first write, and a new key goes to the end of its
//   section; lines are "key=value", CRLF-terminated, with no blank lines;
// - section and key names compare case-insensitively, the first occurrence wins, lines starting
//   with ';' are comments, and values are taken verbatim (no trimming, no quote removal), so that
//   every value written reads back unchanged;
// - a value read is cut to 1023 characters, as a host's 1024-character buffer would cut it.
class CProfileFile
{
public:
    static constexpr int MaxValueLength = 1023;

    static CProfileFile FromBytes(const QByteArray &bytes);

    // The value of `key` in `section`, or `defaultValue` when either is missing.
    QString Value(QStringView section, QStringView key, const QString &defaultValue = {}) const;
    // The same without a copy: a view into this file, valid until the file changes or goes.
    QStringView ValueView(QStringView section, QStringView key,
                          QStringView defaultValue = {}) const;
    bool Contains(QStringView section, QStringView key) const;

    // Sets or adds a value. Fails, changing nothing, when the value holds a line break or a NUL
    // character: either would corrupt the file or be cut short by the reader.
    bool SetValue(const QString &section, const QString &key, const QString &value);

    QByteArray ToBytes() const;
    bool IsEmpty() const { return m_sections.isEmpty(); }
    // Whether the parsed text held a NUL character: binary data, not a settings file.
    bool HoldsNul() const { return m_text.contains(QChar(u'\0')); }

private:
    struct Entry
    {
        // Views into m_text, or into m_owned for what SetValue added.
        QStringView key;
        QStringView value;
        qsizetype ownedValue = -1; // index into m_owned once SetValue replaced the value
    };
    struct Section
    {
        QString name;
        QList<Entry> entries;
    };

    int FindSection(QStringView name) const;
    int SectionIndex(const QString &name); // finds or adds
    const Entry *FindEntry(QStringView section, QStringView key) const;
    const Entry *FindEntry(size_t hash, int section, QStringView key) const;
    int FindEntryIndex(size_t hash, int section, QStringView key) const; // -1: none
    void AddEntry(size_t hash, int section, QStringView key, QStringView value);
    QStringView Own(const QString &text); // keeps `text` in m_owned
    static QStringView Clipped(QStringView value); // as a value is read: MaxValueLength at most

    // Open addressing over a case-insensitive hash computed in place: neither a lookup nor a
    // load of a whole file allocates per key or value.
    class Index
    {
    public:
        struct Slot
        {
            size_t hash = 0;
            int section = -1; // -1: empty
            int entry = -1;
        };
        template<typename Match>
        const Slot *Find(size_t hash, Match match) const
        {
            if (m_slots.empty())
                return nullptr;
            const size_t mask = m_slots.size() - 1;
            for (size_t i = hash & mask;; i = (i + 1) & mask) {
                const Slot &slot = m_slots[i];
                if (slot.section < 0)
                    return nullptr;
                if (slot.hash == hash && match(slot))
                    return &slot;
            }
        }
        void Insert(size_t hash, int section, int entry);
        void Reserve(size_t count);

    private:
        std::vector<Slot> m_slots;
        size_t m_count = 0;
    };

    QString m_text; // the decoded file; parsed keys and values are views into it
    // Keys and values SetValue added. A QString's characters stay where they are when the list
    // moves it, and copies of the file share them, so views into them stay valid.
    QList<QString> m_owned;
    QList<Section> m_sections;
    Index m_sectionIndex; // entry unused
    Index m_entryIndex;
    mutable int m_lastSection = -1;
};

// Byte forms of a settings file. Text whose every character survives as single-byte Latin-1 is
// written that way (what the reader device is used to from Western Windows hosts); anything else
// as UTF-8 with a byte-order mark.
QByteArray EncodeProfileText(const QString &text);
// Accepts UTF-16 with a BOM, UTF-8 with a BOM, UTF-8 without one when the bytes are valid, and
// otherwise Windows-1252, the form files made on Western Windows hosts have.
QString DecodeProfileBytes(const QByteArray &bytes);
