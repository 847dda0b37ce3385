#include "core/cipher/OemCodePage.h"
#include "core/cipher/SecretCipher.h"

#include <QStringEncoder>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// Sealing and opening a secret must leave no copy of its plaintext behind in the process's
// memory, freed blocks included: the only copy afterwards is the caller's own string.

namespace {

constexpr size_t MapsSpace = 256 * 1024;
// A KiB of needles, then the text of the mappings. Static: a freed block could hide a copy.
char g_area[1024 + MapsSpace];

// A plain byte loop: the sanitizer's own search would take the redzones between stack variables
// for overflows.
__attribute__((no_sanitize_address)) const char *Find(
    const char *from, const char *end, const char *needle, size_t size)
{
    for (; from + size <= end; ++from) {
        size_t i = 0;
        while (i < size && from[i] == needle[i])
            ++i;
        if (i == size)
            return from;
    }
    return nullptr;
}

#if defined(__SANITIZE_ADDRESS__)
extern "C" size_t __sanitizer_get_allocated_size(const volatile void *block);
extern "C" int __sanitizer_install_malloc_and_free_hooks(
    void (*onMalloc)(const volatile void *, size_t), void (*onFree)(const volatile void *));

// The sanitizer's heap keeps freed blocks out of reach of a scan, so under it every block is
// searched as it is freed instead, and the scan below covers the stack alone.
constexpr bool kHeapScanned = false;
QByteArrayView g_watched[6];
int g_freedCopies = 0;

void SearchFreedBlock(const volatile void *block)
{
    const auto *begin = const_cast<const char *>(static_cast<const volatile char *>(block));
    const char *end = begin + __sanitizer_get_allocated_size(block);
    for (const QByteArrayView needle : g_watched)
        if (!needle.isEmpty() && Find(begin, end, needle.data(), size_t(needle.size())))
            ++g_freedCopies;
}

// The sanitizer takes no free hook without a malloc hook.
const bool g_hooked = __sanitizer_install_malloc_and_free_hooks(
    [](const volatile void *, size_t) {}, &SearchFreedBlock);
#else
constexpr bool kHeapScanned = true;
#endif

// Where `needle` lies in private writable anonymous memory, outside the area and `allowed`.
// Nothing here allocates, so the scan reuses no freed block that a copy may lie in.
int CountCopies(QByteArrayView needle, QByteArrayView allowed = {})
{
    char *const text = g_area + 1024;
    const int maps = ::open("/proc/self/maps", O_RDONLY | O_CLOEXEC);
    size_t length = 0;
    for (ssize_t got = 1; got > 0 && length < MapsSpace - 1; length += size_t(got))
        got = std::max<ssize_t>(0, ::read(maps, text + length, MapsSpace - 1 - length));
    ::close(maps);
    text[length] = '\0';
    int copies = 0;
    for (char *line = std::strtok(text, "\n"); line; line = std::strtok(nullptr, "\n")) {
        unsigned long begin = 0, end = 0, inode = 0;
        char perms[5] = {};
        std::sscanf(line, "%lx-%lx %4s %*s %*s %lu", &begin, &end, perms, &inode);
        // Not heap, stack or anonymous; or the heap where the scan leaves it alone.
        if (std::strncmp(perms, "rw", 2) != 0 || inode != 0
            || (!kHeapScanned && !std::strstr(line, "[stack]")))
            continue;
        const auto *at = reinterpret_cast<const char *>(begin);
        while ((at = Find(at, reinterpret_cast<const char *>(end), needle.data(),
                    size_t(needle.size())))) {
            if ((at < g_area || at >= g_area + sizeof g_area)
                && (at < allowed.begin() || at >= allowed.end()))
                ++copies;
            ++at;
        }
    }
    return copies;
}

} // namespace

class TestSecretMemory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noPlaintextLeftBehind_data()
    {
        QTest::addColumn<unsigned>("codePage");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QByteArray>("oemForm"); // by the code page's table
        QTest::newRow("ASCII") << 437u << QStringLiteral("Qz7!ascii#Kw9$seal-A1")
                               << QByteArrayLiteral("Qz7!ascii#Kw9$seal-A1");
        QTest::newRow("Japanese in 932, two bytes a character")
            << 932u << u"\u30d1\u30b9\u30ef\u30fc\u30c9\u79d8\u5bc6\u9375\u30c6\u30b9\u30c8\u4e09"_s
            << QByteArrayLiteral("\x83\x70\x83\x58\x83\x8f\x81\x5b\x83\x68\x94\xe9\x96\xa7\x8c\xae"
                                 "\x83\x65\x83\x58\x83\x67\x8e\x4f");
    }
    void noPlaintextLeftBehind()
    {
        QFETCH(unsigned, codePage);
        QFETCH(QString, plain);
        QFETCH(QByteArray, oemForm);
        SetUserOemCodePage(codePage);
        // The forms the plaintext takes on its way: the table's literals lie in read-only data,
        // out of the scan, and the converter's UTF-32 goes straight into the area.
        const QByteArrayView utf32(
            g_area, QStringEncoder(QStringEncoder::Utf32LE).appendToBuffer(g_area, plain) - g_area);
        const std::pair<const char *, QByteArrayView> forms[] = {
            { "UTF-16", { reinterpret_cast<const char *>(plain.constData()), plain.size() * 2 } },
            { "code page", oemForm }, { "UTF-32", utf32 },
        };
        // Six characters at either end: a copy cut short, or the part after an ASCII start, is
        // still found.
        QList<QByteArrayView> pieces;
        for (const auto &[form, bytes] : forms) {
            const qsizetype piece = 6 * (bytes.size() / plain.size());
            pieces << bytes.first(piece) << bytes.last(piece);
        }
#if defined(__SANITIZE_ADDRESS__)
        QVERIFY(g_hooked);
        std::copy(pieces.cbegin(), pieces.cend(), g_watched);
        g_freedCopies = 0;
#endif

        QString sealed, opened;
        QVERIFY(EncryptSecret(plain, sealed) && DecryptSecret(sealed, opened));

        // The caller's result is the one copy there is to be.
        const QByteArrayView result(
            reinterpret_cast<const char *>(opened.constData()), opened.size() * 2);
        for (qsizetype i = 0; i < pieces.size(); ++i)
            QVERIFY2(CountCopies(pieces[i], result) == 0, forms[i / 2].first);
#if defined(__SANITIZE_ADDRESS__)
        QCOMPARE(g_freedCopies, 0);
        // Neither search is blind: a copy freed, and one on the stack, are found.
        delete[] qstrdup(oemForm.constData());
        QCOMPARE(g_freedCopies, 2);
        g_watched[0] = g_watched[1] = {};
        char onStack[64] = {};
        std::memcpy(onStack, result.data(), 12);
        QCOMPARE(CountCopies(QByteArrayView(onStack, 12), result), 1);
#else
        QCOMPARE(CountCopies(result.first(12)), 1); // a scan blind to the heap finds nothing
#endif
        QVERIFY(opened == plain); // last: comparing spills pieces of both strings onto the stack
    }
};

QTEST_GUILESS_MAIN(TestSecretMemory)
#include "tst_secretmemory.moc"
