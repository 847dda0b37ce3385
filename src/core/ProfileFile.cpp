#include "ProfileFile.h"

#include <QStringDecoder>
#include <QStringEncoder>

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
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

QString DecodeProfileBytes(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringDecoder::Utf16LE)(QByteArrayView(bytes).sliced(2));
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringDecoder::Utf16BE)(QByteArrayView(bytes).sliced(2));
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

char16_t Fold(char16_t c)
{
    if (c < 0x80)
        return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
    return char16_t(QChar::toCaseFolded(char32_t(c)));
}

size_t FoldedHash(QStringView text, size_t hash = 14695981039346656037ull)
{
    for (const QChar c : text) {
        hash ^= Fold(c.unicode());
        hash *= 1099511628211ull;
    }
    return hash;
}

size_t EntryHash(QStringView section, QStringView key)
{
    return FoldedHash(key, FoldedHash(section) * 31 + 0x0A);
}

bool FoldedEqual(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && Fold(a[i].unicode()) != Fold(b[i].unicode()))
            return false;
    }
    return true;
}

} // namespace

int CProfileFile::FindSection(QStringView name) const
{
    auto [it, end] = m_sectionIndex.equal_range(FoldedHash(name));
    for (; it != end; ++it) {
        if (FoldedEqual(m_sections[it.value()].name, name))
            return it.value();
    }
    return -1;
}

int CProfileFile::SectionIndex(const QString &name)
{
    const int found = FindSection(name);
    if (found >= 0)
        return found;
    m_sections.append(Section { name, {} });
    const int index = int(m_sections.size() - 1);
    m_sectionIndex.insert(FoldedHash(name), index);
    return index;
}

const CProfileFile::Entry *CProfileFile::FindEntry(QStringView section, QStringView key) const
{
    return FindEntry(EntryHash(section, key), section, key);
}

const CProfileFile::Entry *CProfileFile::FindEntry(size_t hash, QStringView section,
                                                   QStringView key) const
{
    auto [it, end] = m_entryIndex.equal_range(hash);
    for (; it != end; ++it) {
        const Section &s = m_sections[it->first];
        const Entry &e = s.entries[it->second];
        if (FoldedEqual(e.key, key) && FoldedEqual(s.name, section))
            return &e;
    }
    return nullptr;
}

void CProfileFile::AddEntry(size_t hash, int section, const QString &key, const QString &value)
{
    Section &s = m_sections[section];
    s.entries.append(Entry { key, value });
    m_entryIndex.insert(hash, { section, int(s.entries.size() - 1) });
}

CProfileFile CProfileFile::FromBytes(const QByteArray &bytes)
{
    CProfileFile file;
    const QString text = DecodeProfileBytes(bytes);
    int section = -1;
    qsizetype pos = 0;
    const qsizetype size = text.size();
    while (pos < size) {
        qsizetype end = pos;
        while (end < size && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        QStringView line = QStringView(text).sliced(pos, end - pos);
        pos = end;
        // Exactly one line end (CRLF, CR or LF) per turn: an empty line must still move on.
        if (pos < size && text[pos] == u'\r')
            ++pos;
        if (pos < size && text[pos] == u'\n')
            ++pos;

        const QStringView head = line.trimmed();
        if (head.isEmpty() || head.front() == u';')
            continue;
        if (head.front() == u'[') {
            qsizetype close = head.indexOf(u']');
            const QStringView name = head.sliced(1, (close < 0 ? head.size() : close) - 1);
            section = file.SectionIndex(name.trimmed().toString());
            continue;
        }
        if (section < 0)
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            continue;
        const QStringView key = line.first(eq).trimmed();
        if (key.isEmpty())
            continue;
        const QString &sectionName = file.m_sections[section].name;
        const size_t hash = EntryHash(sectionName, key);
        if (file.FindEntry(hash, sectionName, key))
            continue; // the first occurrence wins
        file.AddEntry(hash, section, key.toString(), line.sliced(eq + 1).toString());
    }
    return file;
}

QString CProfileFile::Value(QStringView section, QStringView key,
                            const QString &defaultValue) const
{
    const Entry *entry = FindEntry(section, key);
    if (!entry)
        return defaultValue;
    const QString &value = entry->value;
    return value.size() > MaxValueLength ? value.left(MaxValueLength) : value;
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
    const int s = SectionIndex(section);
    const size_t hash = EntryHash(m_sections[s].name, key);
    if (const Entry *entry = FindEntry(hash, m_sections[s].name, key)) {
        const_cast<Entry *>(entry)->value = value;
        return true;
    }
    AddEntry(hash, s, key, value);
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
