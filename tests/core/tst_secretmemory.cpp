#include "OemCodePage.h"
#include "SecretCipher.h"

#include <QFile>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

// Sealing and opening a secret must leave no copy of its plaintext behind in the process's
// memory, freed blocks included: the only copy afterwards is the caller's own string. The scan
// reads every private writable mapping through /proc/self/mem, so it sees freed heap blocks as
// they are.

namespace {

constexpr size_t NeedleSpace = 64 * 1024;
constexpr size_t ChunkSize = 1024 * 1024;

// A mapping of its own for the needles and the read buffer, which the scan leaves out: what it
// holds are copies made by the test.
class CScanArea
{
public:
    CScanArea()
    {
        void *base = ::mmap(nullptr, NeedleSpace + ChunkSize, PROT_READ | PROT_WRITE,
            MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        m_base = base == MAP_FAILED ? nullptr : static_cast<char *>(base);
    }
    ~CScanArea()
    {
        if (m_base)
            ::munmap(m_base, NeedleSpace + ChunkSize);
    }
    CScanArea(const CScanArea &) = delete;
    CScanArea &operator=(const CScanArea &) = delete;

    bool IsValid() const { return m_base != nullptr; }
    bool Contains(quintptr address) const
    {
        const auto begin = reinterpret_cast<quintptr>(m_base);
        return address >= begin && address < begin + NeedleSpace + ChunkSize;
    }
    char *Needles() { return m_base; }
    char *Chunk() { return m_base + NeedleSpace; }

private:
    char *m_base = nullptr;
};

// Appends `text` in one encoding to the needle space; returns the bytes written there.
enum class Form { Latin1, Utf8, Utf16, Utf32 };

QByteArrayView Encode(QStringView text, Form form, char *to)
{
    char *out = to;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size()) {
            c = QChar::surrogateToUcs4(char16_t(c), text[i + 1].unicode());
            ++i;
        }
        switch (form) {
        case Form::Latin1:
            *out++ = char(c);
            break;
        case Form::Utf8:
            if (c < 0x80) {
                *out++ = char(c);
            } else if (c < 0x800) {
                *out++ = char(0xC0 | (c >> 6));
                *out++ = char(0x80 | (c & 0x3F));
            } else if (c < 0x10000) {
                *out++ = char(0xE0 | (c >> 12));
                *out++ = char(0x80 | ((c >> 6) & 0x3F));
                *out++ = char(0x80 | (c & 0x3F));
            } else {
                *out++ = char(0xF0 | (c >> 18));
                *out++ = char(0x80 | ((c >> 12) & 0x3F));
                *out++ = char(0x80 | ((c >> 6) & 0x3F));
                *out++ = char(0x80 | (c & 0x3F));
            }
            break;
        case Form::Utf16:
            if (c >= 0x10000) {
                const char16_t high = QChar::highSurrogate(c);
                const char16_t low = QChar::lowSurrogate(c);
                for (const char16_t unit : { high, low }) {
                    *out++ = char(unit & 0xFF);
                    *out++ = char(unit >> 8);
                }
            } else {
                *out++ = char(c & 0xFF);
                *out++ = char(c >> 8);
            }
            break;
        case Form::Utf32:
            for (int shift = 0; shift < 32; shift += 8)
                *out++ = char((c >> shift) & 0xFF);
            break;
        }
    }
    return QByteArrayView(to, out - to);
}

struct Range
{
    quintptr begin;
    quintptr end;
};

// Places outside `allowed` and outside the scan area where `needle` lies in the process's
// private writable memory (heap, stacks, anonymous mappings).
int CountCopies(QByteArrayView needle, const QList<Range> &allowed, CScanArea &area)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly) || needle.isEmpty())
        return -1;
    const QList<QByteArray> lines = maps.readAll().split('\n');
    const int mem = ::open("/proc/self/mem", O_RDONLY | O_CLOEXEC);
    if (mem < 0)
        return -1;
    int copies = 0;
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 5 || !fields[1].startsWith("rw") || fields[4] != "0")
            continue; // not writable, or backed by a file
        if (fields.size() > 5 && fields[5].startsWith('[') && fields[5] != "[heap]"
            && fields[5] != "[stack]" && !fields[5].startsWith("[anon"))
            continue;
        const QList<QByteArray> bounds = fields[0].split('-');
        const quintptr begin = bounds.value(0).toULongLong(nullptr, 16);
        const quintptr end = bounds.value(1).toULongLong(nullptr, 16);
        if (end <= begin || end - begin > (quintptr(1) << 30))
            continue; // a sanitizer's shadow, not data
        const size_t step = ChunkSize - size_t(needle.size()) + 1;
        for (quintptr at = begin; at < end; at += step) {
            if (area.Contains(at) && area.Contains(at + ChunkSize - 1))
                continue;
            const size_t want = std::min<size_t>(ChunkSize, end - at);
            const ssize_t got = ::pread(mem, area.Chunk(), want, off_t(at));
            if (got < needle.size())
                continue;
            const char *chunk = area.Chunk();
            const char *hit = chunk;
            const char *const last = chunk + got;
            while ((hit = static_cast<const char *>(
                        ::memmem(hit, size_t(last - hit), needle.data(), size_t(needle.size()))))) {
                const quintptr address = at + quintptr(hit - chunk);
                const bool isAllowed = area.Contains(address)
                    || std::any_of(allowed.begin(), allowed.end(), [address](const Range &r) {
                           return address >= r.begin && address < r.end;
                       });
                if (!isAllowed)
                    ++copies;
                ++hit;
            }
        }
    }
    ::close(mem);
    return copies;
}

Range RangeOf(const QString &text)
{
    const auto begin = reinterpret_cast<quintptr>(text.constData());
    return { begin, begin + quintptr(text.size()) * sizeof(QChar) };
}

QByteArray DeviceKey()
{
    return QByteArray::fromHex(MERIDOCK_DEVICE_KEY_HEX);
}

} // namespace

class TestSecretMemory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void scanSeesAFreedCopy();
    void noPlaintextLeftBehind_data();
    void noPlaintextLeftBehind();

private:
    // Fails the test for every piece of `plain` found outside `allowed`.
    void ExpectNoCopies(QStringView plain, QByteArrayView oemForm, const QList<Range> &allowed);

    std::unique_ptr<CScanArea> m_area;
};

void TestSecretMemory::initTestCase()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("the address sanitizer keeps freed blocks in its own quarantine, out of this scan");
#endif
    m_area = std::make_unique<CScanArea>();
    QVERIFY(m_area->IsValid());
}

void TestSecretMemory::cleanup()
{
    SetUserOemCodePage(0);
}

void TestSecretMemory::scanSeesAFreedCopy()
{
    // What the scan must find: a copy in a block that went back to the allocator unwiped.
    const QByteArrayView needle
        = Encode(u"scan-probe:\u00e9\u00e8\u00ea-7319", Form::Latin1, m_area->Needles());
    {
        QByteArray block(256, '\0');
        std::memcpy(block.data() + 64, needle.data(), size_t(needle.size()));
        QCOMPARE(CountCopies(needle, {}, *m_area), 1);
    }
    QCOMPARE(CountCopies(needle, {}, *m_area), 1);
}

void TestSecretMemory::noPlaintextLeftBehind_data()
{
    QTest::addColumn<bool>("sealing");
    QTest::addColumn<unsigned>("codePage");
    QTest::addColumn<QString>("plain");
    // The secret's bytes in the code page, as its table gives them.
    QTest::addColumn<QByteArray>("oemForm");

    QTest::newRow("sealing an ASCII secret")
        << true << 437u << QStringLiteral("Qz7!ascii#Kw9$seal-A1")
        << QByteArrayLiteral("Qz7!ascii#Kw9$seal-A1");
    QTest::newRow("opening an ASCII secret")
        << false << 437u << QStringLiteral("Rv3&ascii%Jx8@open-B2")
        << QByteArrayLiteral("Rv3&ascii%Jx8@open-B2");
    QTest::newRow("sealing a Western secret in 437")
        << true << 437u
        << QStringLiteral(u"\u00dcn\u00efc\u00f6d\u00e9-S\u00e9cr\u00e9t-K\u00e9y-\u00c4\u00df")
        << QByteArrayLiteral("\x9a\x6e\x8b\x63\x94\x64\x82\x2d\x53\x82\x63\x72\x82\x74\x2d\x4b"
                             "\x82\x79\x2d\x8e\xe1");
    QTest::newRow("opening a Western secret in 850")
        << false << 850u
        << QStringLiteral(u"\u00dcn\u00efc\u00f6d\u00e9-\u00d6ffn\u00e9n-\u00c4\u00df")
        << QByteArrayLiteral("\x9a\x6e\x8b\x63\x94\x64\x82\x2d\x99\x66\x66\x6e\x82\x6e\x2d\x8e"
                             "\xe1");
    QTest::newRow("sealing a secret that starts in ASCII, in 850")
        << true << 850u << QStringLiteral(u"Pass-W\u00f6rt-Gr\u00fcn-Stra\u00dfe-9")
        << QByteArrayLiteral("Pass-W\x94rt-Gr\x81n-Stra\xe1"
                             "e-9");
    QTest::newRow("opening a secret that starts in ASCII, in 850")
        << false << 850u << QStringLiteral(u"Kennwort-mit-\u00dcberl\u00e4nge-\u00df7")
        << QByteArrayLiteral("Kennwort-mit-\x9a"
                             "berl\x84nge-\xe1"
                             "7");
    QTest::newRow("sealing a Japanese secret in 932, two bytes a character")
        << true << 932u
        << QStringLiteral(
               u"\u30d1\u30b9\u30ef\u30fc\u30c9\u79d8\u5bc6\u9375\u30c6\u30b9\u30c8\u4e09")
        << QByteArrayLiteral("\x83\x70\x83\x58\x83\x8f\x81\x5b\x83\x68\x94\xe9\x96\xa7\x8c\xae"
                             "\x83\x65\x83\x58\x83\x67\x8e\x4f");
    QTest::newRow("opening a Japanese secret in 932, two bytes a character")
        << false << 932u
        << QStringLiteral(
               u"\u79d8\u5bc6\u9375\u30d1\u30b9\u30ef\u30fc\u30c9\u30c6\u30b9\u30c8\u4e09")
        << QByteArrayLiteral("\x94\xe9\x96\xa7\x8c\xae\x83\x70\x83\x58\x83\x8f\x81\x5b\x83\x68"
                             "\x83\x65\x83\x58\x83\x67\x8e\x4f");
}

void TestSecretMemory::noPlaintextLeftBehind()
{
    QFETCH(bool, sealing);
    QFETCH(unsigned, codePage);
    QFETCH(QString, plain);
    QFETCH(QByteArray, oemForm);
    SetUserOemCodePage(codePage);

    if (sealing) {
        QString sealed;
        QCOMPARE(EncryptSecret(plain, sealed), 1);
        ExpectNoCopies(plain, oemForm, {});
        return;
    }

    // The sealed form is made straight from the code page bytes, in the scan area, so that
    // no plaintext goes through the code under test before it opens it.
    const qsizetype padded = (oemForm.size() + 15) / 16 * 16;
    unsigned char *in = reinterpret_cast<unsigned char *>(m_area->Needles());
    std::memset(in, 0, size_t(padded));
    std::memcpy(in, oemForm.constData(), size_t(oemForm.size()));
    static const unsigned char iv[16] = { 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 11, 22, 33, 44, 55, 66 };
    QByteArray cipher(padded, '\0');
    const QByteArray key = DeviceKey();
    QVERIFY(AesCbc128(true, reinterpret_cast<const unsigned char *>(key.constData()), iv, in,
        int(padded), reinterpret_cast<unsigned char *>(cipher.data())));
    std::memset(in, 0, size_t(padded));
    const QString sealed = QString::fromLatin1(
        (QByteArray(reinterpret_cast<const char *>(iv), 16) + cipher).toHex().toUpper());

    QString opened;
    QCOMPARE(DecryptSecret(sealed, opened), 1);
    QVERIFY(opened == plain);
    // The caller's result is the one copy there is to be.
    ExpectNoCopies(plain, oemForm, { RangeOf(opened) });
}

void TestSecretMemory::ExpectNoCopies(
    QStringView plain, QByteArrayView oemForm, const QList<Range> &allowed)
{
    // A piece of six characters at either end: a copy cut short, or the part after an ASCII
    // start, is still found.
    constexpr qsizetype Piece = 6;
    struct Probe
    {
        const char *name;
        QByteArrayView bytes;
        qsizetype unit; // bytes of a piece
    };
    char *space = m_area->Needles() + 4096;
    QList<Probe> probes;
    const auto add = [&](const char *name, Form form, qsizetype unit) {
        const QByteArrayView bytes = Encode(plain, form, space);
        space += bytes.size();
        probes.append({ name, bytes, unit });
    };
    probes.append({ "code page bytes", oemForm, Piece * (oemForm.size() / plain.size()) });
    if (std::all_of(plain.begin(), plain.end(), [](QChar c) { return c.unicode() < 0x100; }))
        add("Latin-1", Form::Latin1, Piece);
    add("UTF-8", Form::Utf8, 0);
    add("UTF-16", Form::Utf16, 2 * Piece);
    add("UTF-32", Form::Utf32, 4 * Piece);

    QStringList found;
    for (const Probe &probe : probes) {
        const qsizetype length = probe.unit > 0 ? std::min(probe.unit, probe.bytes.size())
                                                : std::min<qsizetype>(12, probe.bytes.size());
        const QByteArrayView pieces[] = { probe.bytes.first(length), probe.bytes.last(length) };
        for (const QByteArrayView &piece : pieces) {
            const int copies = CountCopies(piece, allowed, *m_area);
            if (copies != 0)
                found.append(QStringLiteral("%1 of the %2 piece in %3 form")
                                 .arg(copies)
                                 .arg(piece.data() == probe.bytes.data() ? QStringLiteral("first")
                                                                         : QStringLiteral("last"))
                                 .arg(QLatin1String(probe.name)));
        }
    }
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));
}

QTEST_GUILESS_MAIN(TestSecretMemory)
#include "tst_secretmemory.moc"
