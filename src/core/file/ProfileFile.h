#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

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
    QStringView ValueView(
        QStringView section, QStringView key, QStringView defaultValue = {}) const;
    bool Contains(QStringView section, QStringView key) const;

    // Sets or adds a value. Fails, changing nothing, when the value holds a line break or a NUL
    // character: either would corrupt the file or be cut short by the reader.
    bool SetValue(const QString &section, const QString &key, const QString &value);

    QByteArray ToBytes() const;
    bool IsEmpty() const { return m_sections.isEmpty(); }
    // Whether the parsed text held a NUL character: binary data, not a settings file.
    bool HoldsNul() const { return m_text.contains(QChar(u'\0')); }

private:
    // A stretch of the loaded text, or of the text SetValue added. Offsets, not views: they stay
    // right when the file is copied or the added text grows.
    struct Span
    {
        qsizetype pos = 0;
        qsizetype size = 0;
        bool added = false;
    };
    // Where an entry is. Names are indexed by Qt's hash of their folded form, seeded per process,
    // so that names crafted to collide cannot slow a load down. Two names whose hashes still
    // happen to agree are chained through `next`.
    struct EntryRef
    {
        qsizetype section = -1;
        qsizetype entry = -1;
    };
    struct Entry
    {
        Span key;
        Span value;
        EntryRef next;
    };
    struct Section
    {
        Span name;
        QList<Entry> entries;
        qsizetype next = -1; // the next section whose name hash agrees
    };

    QStringView Text(Span span) const;
    QStringView ClippedValue(const Entry &entry) const; // as a value is read
    Span Add(QStringView text);
    qsizetype FindSection(QStringView name) const; // -1: none
    qsizetype FindSection(QStringView name, size_t hash) const;
    // Finds or adds; `loaded` says that `name` is a part of the loaded text.
    qsizetype SectionIndex(QStringView name, bool loaded = false);
    EntryRef FindEntry(qsizetype section, size_t hash, QStringView key) const;
    const Entry *FindEntry(QStringView section, QStringView key) const;
    // Adds an entry unless its section has the key already; false when it had.
    bool AddEntry(qsizetype section, QStringView key, Span keySpan, Span valueSpan);

    QString m_text; // the decoded file
    QString m_added; // keys and values SetValue added, one after the other
    QList<Section> m_sections;
    struct SectionRef
    {
        qsizetype index = -1;
    };
    QHash<size_t, SectionRef> m_sectionIndex; // name hash -> last section added with it
    QHash<size_t, EntryRef> m_entryIndex; // hash of section and key -> last entry added with it
    mutable qsizetype m_lastSection = -1;
    mutable EntryRef m_lastEntry;
};

// Tests only: replaces the hash of folded names (nullptr restores Qt's seeded one), so that two
// names whose hashes agree, which no real input gives on demand, can be tested.
void SetProfileNameHashForTesting(size_t (*hash)(QStringView folded, size_t salt));

// Byte forms of a settings file. Text whose every character survives as single-byte Latin-1 is
// written that way (what the reader device is used to from Western Windows hosts); anything else
// as UTF-8 with a byte-order mark.
QByteArray EncodeProfileText(const QString &text);
// Accepts UTF-16 with a BOM, UTF-8 with a BOM, UTF-8 without one when the bytes are valid, and
// otherwise Windows-1252, the form files made on Western Windows hosts have.
QString DecodeProfileBytes(const QByteArray &bytes);
