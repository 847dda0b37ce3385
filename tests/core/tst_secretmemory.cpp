#include "OemCodePage.h"
#include "SecretCipher.h"

#include <QTest>

#include <openssl/crypto.h>

#include <cstdio>
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
constexpr size_t MapsSpace = 256 * 1024;
constexpr size_t AreaSize = NeedleSpace + ChunkSize + MapsSpace;

struct Range
{
    quintptr begin = 0;
    quintptr end = 0;
    bool Contains(quintptr address) const { return address >= begin && address < end; }
};

} // namespace

class TestSecretMemory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the address sanitizer keeps freed blocks in its own quarantine, out of this scan");
#endif
        // A mapping of its own for the needles and the read buffers, which the scan leaves out:
        // what it holds are copies made by the test.
        void *area
            = ::mmap(nullptr, AreaSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        QVERIFY(area != MAP_FAILED);
        m_area = static_cast<char *>(area);
    }

    void scanSeesAFreedCopy()
    {
        m_next = m_area;
        const QByteArrayView needle = Park(QByteArrayLiteral("scan-probe:\xe9\xe8\xea-7319"));
        {
            QByteArray block(256, '\0');
            std::memcpy(block.data() + 64, needle.data(), size_t(needle.size()));
            QCOMPARE(CountCopies(needle), 1);
        }
        QCOMPARE(CountCopies(needle), 1);
    }

    void noPlaintextLeftBehind_data()
    {
        QTest::addColumn<unsigned>("codePage");
        QTest::addColumn<QString>("plain");
        // The secret's bytes in the code page, as its table gives them.
        QTest::addColumn<QByteArray>("oemForm");
        QTest::newRow("ASCII") << 437u << QStringLiteral("Qz7!ascii#Kw9$seal-A1")
                               << QByteArrayLiteral("Qz7!ascii#Kw9$seal-A1");
        QTest::newRow("Western in 850")
            << 850u << QStringLiteral("\u00dcn\u00efc\u00f6d\u00e9-\u00d6ffn\u00e9n-\u00c4\u00df")
            << QByteArrayLiteral("\x9a\x6e\x8b\x63\x94\x64\x82\x2d\x99\x66\x66\x6e\x82\x6e\x2d\x8e"
                                 "\xe1");
        QTest::newRow("Japanese in 932, two bytes a character")
            << 932u
            << QStringLiteral(
                   "\u30d1\u30b9\u30ef\u30fc\u30c9\u79d8\u5bc6\u9375\u30c6\u30b9\u30c8\u4e09")
            << QByteArrayLiteral("\x83\x70\x83\x58\x83\x8f\x81\x5b\x83\x68\x94\xe9\x96\xa7\x8c\xae"
                                 "\x83\x65\x83\x58\x83\x67\x8e\x4f");
    }
    void noPlaintextLeftBehind()
    {
        QFETCH(unsigned, codePage);
        QFETCH(QString, plain);
        QFETCH(QByteArray, oemForm);
        SetUserOemCodePage(codePage);

        // Every form the plaintext could take, parked before the code under test runs, so that no
        // block the test frees afterwards covers a copy it left. A piece of six characters at
        // either end: a copy cut short, or the part after an ASCII start, is still found.
        m_next = m_area;
        QList<uint> utf32 = plain.toUcs4();
        const bool latin1 = std::all_of(
            plain.cbegin(), plain.cend(), [](QChar c) { return c.unicode() < 0x100; });
        const struct
        {
            const char *name;
            QByteArrayView bytes;
            qsizetype piece;
        } forms[] = {
            { "code page", oemForm, 6 * (oemForm.size() / plain.size()) },
            { "Latin-1", latin1 ? Park(plain.toLatin1()) : QByteArrayView(), 6 },
            { "UTF-8", Park(plain.toUtf8()), 12 },
            { "UTF-16",
                Park(QByteArray(
                    reinterpret_cast<const char *>(plain.constData()), plain.size() * 2)),
                12 },
            { "UTF-32",
                Park(QByteArray(
                    reinterpret_cast<const char *>(utf32.constData()), utf32.size() * 4)),
                24 },
        };
        OPENSSL_cleanse(utf32.data(), size_t(utf32.size()) * sizeof(uint));
        utf32.clear();

        QString sealed, opened;
        QCOMPARE(EncryptSecret(plain, sealed), 1);
        QCOMPARE(DecryptSecret(sealed, opened), 1);
        QVERIFY(opened == plain);

        // The caller's result is the one copy there is to be.
        const auto begin = reinterpret_cast<quintptr>(opened.constData());
        const Range allowed { begin, begin + quintptr(opened.size()) * 2 };
        QStringList found;
        for (const auto &form : forms) {
            const qsizetype piece = std::min(form.piece, form.bytes.size());
            for (const QByteArrayView part : { form.bytes.first(piece), form.bytes.last(piece) }) {
                if (const int copies = piece ? CountCopies(part, allowed) : 0)
                    found.append(
                        QStringLiteral("%1 in %2 form").arg(copies).arg(QLatin1String(form.name)));
            }
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));
    }

private:
    // Copies `bytes` into the needle space and wipes the original, so that the only copy the test
    // keeps lies where the scan does not look.
    QByteArrayView Park(QByteArray bytes)
    {
        const QByteArrayView parked(m_next, bytes.size());
        std::memcpy(m_next, bytes.constData(), size_t(bytes.size()));
        m_next += bytes.size();
        OPENSSL_cleanse(bytes.data(), size_t(bytes.size()));
        return parked;
    }

    // Places outside `allowed` and the test's own area where `needle` lies in the process's
    // private writable memory (heap, stacks, anonymous mappings). Nothing here allocates, so the
    // scan reuses no freed block that a copy may lie in.
    int CountCopies(QByteArrayView needle, Range allowed = {})
    {
        const int maps = ::open("/proc/self/maps", O_RDONLY | O_CLOEXEC);
        const int mem = ::open("/proc/self/mem", O_RDONLY | O_CLOEXEC);
        char *const chunk = m_area + NeedleSpace;
        char *const text = chunk + ChunkSize;
        size_t length = 0;
        for (ssize_t got = 1; maps >= 0 && got > 0 && length < MapsSpace - 1; length += size_t(got))
            got = std::max<ssize_t>(0, ::read(maps, text + length, MapsSpace - 1 - length));
        text[length] = '\0';
        const Range area { reinterpret_cast<quintptr>(m_area),
            reinterpret_cast<quintptr>(m_area) + AreaSize };
        int copies = maps < 0 || mem < 0 || needle.isEmpty() ? -1 : 0;
        for (char *line = text; copies >= 0 && line && *line;) {
            char *next = std::strchr(line, '\n');
            if (next)
                *next++ = '\0';
            unsigned long begin = 0, end = 0, inode = 0;
            char perms[5] = {}, name[256] = {};
            const int fields = std::sscanf(
                line, "%lx-%lx %4s %*s %*s %lu %255s", &begin, &end, perms, &inode, name);
            line = next;
            if (fields < 4 || std::strncmp(perms, "rw", 2) != 0 || inode != 0)
                continue; // not writable, or backed by a file
            if (fields == 5 && name[0] == '[' && std::strcmp(name, "[heap]") != 0
                && std::strcmp(name, "[stack]") != 0 && std::strncmp(name, "[anon", 5) != 0)
                continue;
            if (end <= begin || end - begin > (1ul << 30))
                continue; // a sanitizer's shadow, not data
            for (quintptr at = begin; at < end; at += ChunkSize - size_t(needle.size()) + 1) {
                if (area.Contains(at) && area.Contains(at + ChunkSize - 1))
                    continue;
                const size_t want = std::min<size_t>(ChunkSize, end - at);
                const ssize_t got = ::pread(mem, chunk, want, off_t(at));
                if (got < needle.size())
                    continue;
                const char *hit = chunk;
                while ((hit = static_cast<const char *>(::memmem(hit, size_t(chunk + got - hit),
                            needle.data(), size_t(needle.size()))))) {
                    const quintptr address = at + quintptr(hit - chunk);
                    if (!area.Contains(address) && !allowed.Contains(address))
                        ++copies;
                    ++hit;
                }
            }
        }
        if (maps >= 0)
            ::close(maps);
        if (mem >= 0)
            ::close(mem);
        return copies;
    }

    char *m_area = nullptr;
    char *m_next = nullptr;
};

QTEST_GUILESS_MAIN(TestSecretMemory)
#include "tst_secretmemory.moc"
