#include "core/file/ProfileFile.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <QtAlgorithms>

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Windows-1252 for 0x80..0x9F. The five unassigned bytes map to the C1 control of the same
// value, as Windows' own conversion does.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString DecodeWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

bool IsAscii(const QByteArray &bytes)
{
    const char *p = bytes.constData();
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    for (; i + 8 <= n; i += 8) {
        quint64 word;
        std::memcpy(&word, p + i, sizeof word);
        if (word & 0x8080808080808080ull)
            return false;
    }
    for (; i < n; ++i) {
        if (static_cast<unsigned char>(p[i]) >= 0x80)
            return false;
    }
    return true;
}

// The UTF-16 decoder lets unpaired surrogates through. No byte form we write can carry one, so
// two keys apart only by them would become one key on the next load and drop a value. They
// become U+FFFD here, as broken UTF-8 does, and the file reads the same before and after a save.
QString ReplaceLoneSurrogates(QString text)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (!c.isSurrogate())
            continue;
        if (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate())
            ++i;
        else
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

} // namespace

QString DecodeProfileBytes(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return ReplaceLoneSurrogates(
                QStringDecoder(QStringDecoder::Utf16LE)(QByteArrayView(bytes).sliced(2)));
    if (bytes.startsWith("\xFE\xFF"))
        return ReplaceLoneSurrogates(
                QStringDecoder(QStringDecoder::Utf16BE)(QByteArrayView(bytes).sliced(2)));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(QByteArrayView(bytes).sliced(3));
    if (IsAscii(bytes))
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return DecodeWindows1252(bytes);
}

QByteArray EncodeProfileText(const QString &text)
{
    bool singleByte = true;
    for (const QChar c : text) {
        if (c.unicode() > 0xFF) {
            singleByte = false;
            break;
        }
    }
    if (singleByte) {
        // Latin-1 only when it reads back exactly: bytes that also form valid UTF-8, or C1
        // controls that Windows-1252 reads as other characters, go out as UTF-8 instead.
        QByteArray latin1 = text.toLatin1();
        if (DecodeProfileBytes(latin1) == text)
            return latin1;
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

namespace {

// Names compare as Windows' profile functions compare them, ignoring case. A character beyond
// ASCII never equals an ASCII one (the Kelvin sign stays apart from 'k'), which lets the hash
// below fold ASCII four characters at a time.
char16_t Fold(char16_t c)
{
    if (c < 0x80)
        return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
    const auto folded = char16_t(QChar::toCaseFolded(char32_t(c)));
    return folded < 0x80 ? c : folded;
}

constexpr size_t HashPrime = 1099511628211ull;

// Setting bit 5 folds ASCII letters; other ASCII characters that it merges only collide.
size_t FoldedHash(QStringView text, size_t hash = 14695981039346656037ull)
{
    const char16_t *p = text.utf16();
    const qsizetype n = text.size();
    qsizetype i = 0;
    for (; i + 4 <= n; i += 4) {
        quint64 word;
        std::memcpy(&word, p + i, sizeof word);
        if (word & 0xFF80FF80FF80FF80ull)
            break;
        hash = (hash ^ (word | 0x0020002000200020ull)) * HashPrime;
        hash ^= hash >> 32;
    }
    for (; i < n; ++i) {
        const char16_t c = p[i];
        hash = (hash ^ (c < 0x80 ? char16_t(c | 0x20) : Fold(c))) * HashPrime;
    }
    return hash;
}

size_t EntryHash(int section, QStringView key)
{
    return FoldedHash(key, 14695981039346656037ull ^ (size_t(section) * 0x9E3779B97F4A7C15ull));
}

// Position of the first LF, CR or '=' at or after `from`, or `size`. This scan is most of the
// work of a load, so it looks at eight characters at a time where the processor allows.
qsizetype FindLineMark(const char16_t *chars, qsizetype from, qsizetype size)
{
    qsizetype i = from;
#if defined(__SSE2__)
    const __m128i lf = _mm_set1_epi16(u'\n');
    const __m128i cr = _mm_set1_epi16(u'\r');
    const __m128i eq = _mm_set1_epi16(u'=');
    for (; i + 8 <= size; i += 8) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(chars + i));
        const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(block, lf),
                                                       _mm_cmpeq_epi16(block, cr)),
                                          _mm_cmpeq_epi16(block, eq));
        if (const int mask = _mm_movemask_epi8(hits))
            return i + qCountTrailingZeroBits(quint32(mask)) / 2;
    }
#endif
    for (; i < size; ++i) {
        const char16_t c = chars[i];
        if (c == u'\n' || c == u'\r' || c == u'=')
            return i;
    }
    return size;
}

// QStringView::trimmed() without its call when neither end can be white space, as in nearly
// every line of a settings file.
QStringView Trimmed(QStringView text)
{
    const auto plain = [](QChar c) { return c.unicode() > u' ' && c.unicode() < 0x80; };
    if (text.isEmpty() || (plain(text.front()) && plain(text.back())))
        return text;
    return text.trimmed();
}

// Names are short: a byte comparison beats the general string comparison's set-up.
bool SameText(QStringView a, QStringView b)
{
    return a.size() == b.size()
        && (a.isEmpty()
            || std::memcmp(a.data(), b.data(), size_t(a.size()) * sizeof(char16_t)) == 0);
}

bool FoldedEqual(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    if (SameText(a, b))
        return true;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && Fold(a[i].unicode()) != Fold(b[i].unicode()))
            return false;
    }
    return true;
}

} // namespace

void CProfileFile::Index::Insert(size_t hash, int section, int entry)
{
    if (2 * (m_count + 1) > m_slots.size()) {
        std::vector<Slot> old(std::max<size_t>(64, 2 * m_slots.size()));
        old.swap(m_slots);
        m_count = 0;
        for (const Slot &slot : old) {
            if (slot.section >= 0)
                Insert(slot.hash, slot.section, slot.entry);
        }
    }
    const size_t mask = m_slots.size() - 1;
    size_t i = hash & mask;
    while (m_slots[i].section >= 0)
        i = (i + 1) & mask;
    m_slots[i] = Slot { hash, section, entry };
    ++m_count;
}

void CProfileFile::Index::Reserve(size_t count)
{
    if (m_count > 0)
        return;
    size_t slots = 64;
    while (slots < 2 * count)
        slots *= 2;
    m_slots.assign(slots, Slot {});
}

int CProfileFile::FindSection(QStringView name) const
{
    // Readers ask for many keys of one section in a row.
    if (m_lastSection >= 0 && SameText(m_sections[m_lastSection].name, name))
        return m_lastSection;
    const Index::Slot *slot = m_sectionIndex.Find(FoldedHash(name), [&](const Index::Slot &s) {
        return FoldedEqual(m_sections[s.section].name, name);
    });
    if (slot)
        m_lastSection = slot->section;
    return slot ? slot->section : -1;
}

int CProfileFile::SectionIndex(const QString &name)
{
    const int found = FindSection(name);
    if (found >= 0)
        return found;
    m_sections.append(Section { name, {} });
    const int index = int(m_sections.size() - 1);
    m_sectionIndex.Insert(FoldedHash(name), index, -1);
    return index;
}

const CProfileFile::Entry *CProfileFile::FindEntry(QStringView section, QStringView key) const
{
    const int index = FindSection(section);
    return index < 0 ? nullptr : FindEntry(EntryHash(index, key), index, key);
}

int CProfileFile::FindEntryIndex(size_t hash, int section, QStringView key) const
{
    const Index::Slot *slot = m_entryIndex.Find(hash, [&](const Index::Slot &s) {
        return s.section == section && FoldedEqual(m_sections[section].entries[s.entry].key, key);
    });
    return slot ? slot->entry : -1;
}

const CProfileFile::Entry *CProfileFile::FindEntry(size_t hash, int section, QStringView key) const
{
    const int entry = FindEntryIndex(hash, section, key);
    return entry < 0 ? nullptr : &m_sections[section].entries[entry];
}

void CProfileFile::AddEntry(size_t hash, int section, QStringView key, QStringView value)
{
    Section &s = m_sections[section];
    s.entries.append(Entry { key, value });
    m_entryIndex.Insert(hash, section, int(s.entries.size() - 1));
}

CProfileFile CProfileFile::FromBytes(const QByteArray &bytes)
{
    CProfileFile file;
    file.m_text = DecodeProfileBytes(bytes);
    const QStringView text(file.m_text);
    const qsizetype size = text.size();
    // Lines of a settings file run to about 40 characters, and a full one has some 450 keys:
    // a few spare slots cost less than growing the index while it fills. Odd files beyond that
    // grow it as usual.
    file.m_entryIndex.Reserve(size_t(std::min<qsizetype>(size / 32, 1024)));
    const auto *chars = text.utf16();
    int section = -1;
    qsizetype pos = 0;
    while (pos < size) {
        // One pass per line finds its end and its first '='.
        qsizetype end = pos;
        qsizetype eq = -1;
        for (;;) {
            end = FindLineMark(chars, end, size);
            if (end == size || chars[end] != u'=')
                break;
            if (eq < 0)
                eq = end - pos;
            ++end;
        }
        const QStringView line = text.sliced(pos, end - pos);
        // Exactly one line end (CRLF, CR or LF) per turn: an empty line must still move on.
        pos = end + 1;
        if (end < size && chars[end] == u'\r' && pos < size && chars[pos] == u'\n')
            ++pos;

        const QStringView head = Trimmed(line);
        if (head.isEmpty() || head.front() == u';')
            continue;
        if (head.front() == u'[') {
            qsizetype close = head.indexOf(u']');
            const QStringView name = head.sliced(1, (close < 0 ? head.size() : close) - 1);
            section = file.SectionIndex(Trimmed(name).toString());
            continue;
        }
        if (section < 0)
            continue;
        if (eq < 0)
            continue;
        const QStringView key = Trimmed(line.first(eq));
        if (key.isEmpty())
            continue;
        const size_t hash = EntryHash(section, key);
        if (file.FindEntry(hash, section, key))
            continue; // the first occurrence wins
        file.AddEntry(hash, section, key, line.sliced(eq + 1));
    }
    return file;
}

QStringView CProfileFile::Clipped(QStringView value)
{
    return value.first(std::min<qsizetype>(value.size(), MaxValueLength));
}

QStringView CProfileFile::ValueView(QStringView section, QStringView key,
                                    QStringView defaultValue) const
{
    const Entry *entry = FindEntry(section, key);
    return entry ? Clipped(entry->value) : defaultValue;
}

QString CProfileFile::Value(QStringView section, QStringView key,
                            const QString &defaultValue) const
{
    const Entry *entry = FindEntry(section, key);
    return entry ? Clipped(entry->value).toString() : defaultValue;
}

bool CProfileFile::Contains(QStringView section, QStringView key) const
{
    return FindEntry(section, key) != nullptr;
}

QStringView CProfileFile::Own(const QString &text)
{
    m_owned.append(text);
    return m_owned.constLast();
}

bool CProfileFile::SetValue(const QString &section, const QString &key, const QString &value)
{
    for (const QChar c : value) {
        if (c == u'\r' || c == u'\n' || c == u'\0')
            return false;
    }
    const int s = SectionIndex(section);
    const size_t hash = EntryHash(s, key);
    if (const int found = FindEntryIndex(hash, s, key); found >= 0) {
        // Non-const access: a copy of this file that shares the lists detaches here instead
        // of changing the other copy too.
        Entry &entry = m_sections[s].entries[found];
        // Replacing in place keeps a key set over and over from piling up copies.
        if (entry.ownedValue < 0) {
            entry.value = Own(value);
            entry.ownedValue = m_owned.size() - 1;
        } else {
            m_owned[entry.ownedValue] = value;
            entry.value = m_owned.at(entry.ownedValue);
        }
        return true;
    }
    const QStringView ownedKey = Own(key);
    AddEntry(hash, s, ownedKey, Own(value));
    m_sections[s].entries.last().ownedValue = m_owned.size() - 1;
    return true;
}

QByteArray CProfileFile::ToBytes() const
{
    QString text;
    qsizetype length = 0;
    for (const Section &s : m_sections) {
        length += s.name.size() + 4;
        for (const Entry &e : s.entries)
            length += e.key.size() + e.value.size() + 3;
    }
    text.reserve(length);
    for (const Section &s : m_sections) {
        text += u'[';
        text += s.name;
        text += u"]\r\n";
        for (const Entry &e : s.entries) {
            text += e.key;
            text += u'=';
            text += e.value;
            text += u"\r\n";
        }
    }
    return EncodeProfileText(text);
}
