#include "core/file/ProfileFile.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QVarLengthArray>

#include <algorithm>
#include <utility>

namespace {

// Windows-1252 for 0x80..0x9F. The five unassigned bytes map to the C1 control of the same
// value, as Windows' own conversion does.
constexpr char16_t kCp1252High[32] = {
    0x20AC,
    0x0081,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0x008D,
    0x017D,
    0x008F,
    0x0090,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0x009D,
    0x017E,
    0x0178,
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
    unsigned char any = 0;
    for (const char c : bytes) // no early exit, so that the compiler can vectorise it
        any |= static_cast<unsigned char>(c);
    return any < 0x80;
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
// ASCII never equals an ASCII one: the Kelvin sign stays apart from 'K'. ASCII folds to upper
// case, the case settings names are written in, so that most names need no folding at all.
char16_t Fold(char16_t c)
{
    if (c < 0x80)
        return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
    const auto folded = char16_t(QChar::toCaseFolded(char32_t(c)));
    return folded < 0x80 ? c : folded;
}

bool IsFolded(QStringView name)
{
    return std::all_of(name.begin(), name.end(), [](QChar c) {
        return c.unicode() < u'a' || (c.unicode() > u'z' && c.unicode() < 0x80);
    });
}

using FoldBuffer = QVarLengthArray<char16_t, 64>;

size_t SeededNameHash(QStringView folded, size_t salt)
{
    return qHash(folded, QHashSeed::globalSeed() ^ salt);
}

size_t (*g_nameHash)(QStringView, size_t) = SeededNameHash;

size_t NameHash(QStringView name, size_t salt = 0)
{
    if (IsFolded(name))
        return g_nameHash(name, salt);
    FoldBuffer folded(name.size());
    std::transform(
        name.begin(), name.end(), folded.begin(), [](QChar c) { return Fold(c.unicode()); });
    return g_nameHash(QStringView(folded.constData(), folded.size()), salt);
}

size_t EntryHash(qsizetype section, QStringView key)
{
    return NameHash(key, size_t(section + 1) * 0x9E3779B97F4A7C15ull);
}

bool FoldedEqual(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    if (a == b)
        return true;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && Fold(a[i].unicode()) != Fold(b[i].unicode()))
            return false;
    }
    return true;
}

// QStringView::trimmed() without its call when neither end can be white space, as in nearly
// every line of a settings file.
QStringView Trimmed(QStringView text)
{
    const auto plain = [](QChar c) {
        return c.unicode() > u' ' && c.unicode() < 0x80;
    };
    if (text.isEmpty() || (plain(text.front()) && plain(text.back())))
        return text;
    return text.trimmed();
}

} // namespace

void SetProfileNameHashForTesting(size_t (*hash)(QStringView folded, size_t salt))
{
    g_nameHash = hash ? hash : SeededNameHash;
}

QStringView CProfileFile::Text(Span span) const
{
    return QStringView(span.added ? m_added : m_text).sliced(span.pos, span.size);
}

CProfileFile::Span CProfileFile::Add(QStringView text)
{
    const Span span { m_added.size(), text.size(), true };
    m_added += text;
    return span;
}

qsizetype CProfileFile::FindSection(QStringView name, size_t hash) const
{
    for (qsizetype s = m_sectionIndex.value(hash).index; s >= 0; s = m_sections[s].next) {
        if (FoldedEqual(Text(m_sections[s].name), name))
            return s;
    }
    return -1;
}

qsizetype CProfileFile::FindSection(QStringView name) const
{
    // A first run reads every key of an empty file.
    if (m_sections.isEmpty())
        return -1;
    // Readers ask for many keys of one section in a row.
    if (m_lastSection >= 0 && Text(m_sections[m_lastSection].name) == name)
        return m_lastSection;
    const qsizetype found = FindSection(name, NameHash(name));
    if (found >= 0)
        m_lastSection = found;
    return found;
}

qsizetype CProfileFile::SectionIndex(QStringView name, bool loaded)
{
    if (m_lastSection >= 0 && Text(m_sections[m_lastSection].name) == name)
        return m_lastSection;
    const size_t hash = NameHash(name);
    if (const qsizetype found = FindSection(name, hash); found >= 0)
        return found;
    const Span span
        = loaded ? Span { name.data() - m_text.constData(), name.size(), false } : Add(name);
    SectionRef &first = m_sectionIndex[hash];
    m_sections.append(Section { span, {}, first.index });
    first.index = m_sections.size() - 1;
    return first.index;
}

CProfileFile::EntryRef CProfileFile::FindEntry(
    qsizetype section, size_t hash, QStringView key) const
{
    for (EntryRef ref = m_entryIndex.value(hash); ref.section >= 0;) {
        const Entry &entry = m_sections[ref.section].entries[ref.entry];
        if (ref.section == section && FoldedEqual(Text(entry.key), key))
            return ref;
        ref = entry.next;
    }
    return {};
}

const CProfileFile::Entry *CProfileFile::FindEntry(QStringView section, QStringView key) const
{
    const qsizetype s = FindSection(section);
    if (s < 0)
        return nullptr;
    const QList<Entry> &entries = m_sections[s].entries;
    // Readers ask for keys in the order the writer wrote them: the entry after the last one
    // found is most often the one asked for, and needs no hash.
    const qsizetype next = m_lastEntry.section == s ? m_lastEntry.entry + 1 : 0;
    if (next < entries.size() && FoldedEqual(Text(entries[next].key), key)) {
        m_lastEntry = EntryRef { s, next };
        return &entries[next];
    }
    const EntryRef ref = FindEntry(s, EntryHash(s, key), key);
    if (ref.section < 0)
        return nullptr;
    m_lastEntry = ref;
    return &entries[ref.entry];
}

bool CProfileFile::AddEntry(qsizetype section, QStringView key, Span keySpan, Span valueSpan)
{
    EntryRef &first = m_entryIndex[EntryHash(section, key)];
    for (EntryRef ref = first; ref.section >= 0;) {
        const Entry &entry = m_sections[ref.section].entries[ref.entry];
        if (ref.section == section && FoldedEqual(Text(entry.key), key))
            return false;
        ref = entry.next;
    }
    QList<Entry> &entries = m_sections[section].entries;
    entries.append(Entry { keySpan, valueSpan, first });
    first = EntryRef { section, entries.size() - 1 };
    return true;
}

CProfileFile CProfileFile::FromBytes(const QByteArray &bytes)
{
    CProfileFile file;
    file.m_text = DecodeProfileBytes(bytes);
    const QStringView text(file.m_text);
    const qsizetype size = text.size();
    // Lines of a settings file run to about 40 characters: room for a whole file's keys spares
    // growing the index while it fills. Odd files beyond that grow it as usual.
    file.m_entryIndex.reserve(std::min<qsizetype>(size / 40, 1024));
    qsizetype section = -1;
    qsizetype pos = 0;
    while (pos < size) {
        // One pass per line finds its end and its first '='.
        qsizetype end = pos;
        qsizetype eq = -1;
        for (; end < size; ++end) {
            const char16_t c = text[end].unicode();
            if (c == u'\n' || c == u'\r')
                break;
            if (c == u'=' && eq < 0)
                eq = end - pos;
        }
        const QStringView line = text.sliced(pos, end - pos);
        const qsizetype lineStart = pos;
        // Exactly one line end (CRLF, CR or LF) per turn: an empty line must still move on.
        pos = end + 1;
        if (end < size && text[end] == u'\r' && pos < size && text[pos] == u'\n')
            ++pos;

        const QStringView head = Trimmed(line);
        if (head.isEmpty() || head.front() == u';')
            continue;
        if (head.front() == u'[') {
            const qsizetype close = head.indexOf(u']');
            const QStringView name = head.sliced(1, (close < 0 ? head.size() : close) - 1);
            section = file.SectionIndex(Trimmed(name), true);
            continue;
        }
        if (section < 0 || eq < 0)
            continue;
        const QStringView key = Trimmed(line.first(eq));
        if (key.isEmpty())
            continue;
        // The first occurrence wins.
        file.AddEntry(section, key, Span { key.data() - text.data(), key.size(), false },
            Span { lineStart + eq + 1, line.size() - eq - 1, false });
    }
    return file;
}

QStringView CProfileFile::ClippedValue(const Entry &entry) const
{
    return Text(entry.value).first(std::min<qsizetype>(entry.value.size, MaxValueLength));
}

QStringView CProfileFile::ValueView(
    QStringView section, QStringView key, QStringView defaultValue) const
{
    const Entry *entry = FindEntry(section, key);
    return entry ? ClippedValue(*entry) : defaultValue;
}

QString CProfileFile::Value(QStringView section, QStringView key, const QString &defaultValue) const
{
    const Entry *entry = FindEntry(section, key);
    return entry ? ClippedValue(*entry).toString() : defaultValue;
}

bool CProfileFile::Contains(QStringView section, QStringView key) const
{
    return FindEntry(section, key) != nullptr;
}

bool CProfileFile::SetValue(const QString &section, const QString &key, const QString &value)
{
    for (const QChar c : value) {
        if (c == u'\r' || c == u'\n' || c == u'\0')
            return false;
    }
    const qsizetype s = SectionIndex(section);
    const EntryRef found = FindEntry(s, EntryHash(s, key), key);
    if (found.section < 0) {
        const Span keySpan = Add(key);
        AddEntry(s, key, keySpan, Add(value));
        return true;
    }
    Span &old = m_sections[s].entries[found.entry].value;
    // A value set over and over reuses its place instead of piling up copies.
    if (old.added && value.size() <= old.size) {
        std::copy(value.begin(), value.end(), m_added.begin() + old.pos);
        old.size = value.size();
    } else {
        old = Add(value);
    }
    return true;
}

QByteArray CProfileFile::ToBytes() const
{
    QString text;
    qsizetype length = 0;
    for (const Section &s : m_sections) {
        length += s.name.size + 4;
        for (const Entry &e : s.entries)
            length += e.key.size + e.value.size + 3;
    }
    text.reserve(length);
    for (const Section &s : m_sections) {
        text += u'[';
        text += Text(s.name);
        text += u"]\r\n";
        for (const Entry &e : s.entries) {
            text += Text(e.key);
            text += u'=';
            text += Text(e.value);
            text += u"\r\n";
        }
    }
    return EncodeProfileText(text);
}
