// Side-by-side benchmarks of the settings file work against plain INI parsers and bare OpenSSL.
// Each figure is printed with its ratio to the peer it is judged against.
#include "core/commands/FileCommands.h"
#include "core/commands/MessageBox.h"
#include "i18n/MessageCatalog.h"
#include "core/cipher/OemCodePage.h"
#include "core/file/ProfileFile.h"
#include "core/cipher/SecretCipher.h"
#include "core/settings/SettingsReader.h"
#include "core/settings/SettingsWriter.h"
#include "core/volumes/KernelVolumes.h"

#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>

#define SI_CONVERT_ICU // the packaged header comes without its own UTF converter
#include <SimpleIni.h>
#include <benchmark/benchmark.h>
#include <ini.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <linux/magic.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

// 30 profiles, each with a WPA key, fixed addresses and a proxy: the largest real file.
CSettingsDocument FullDocument(int profiles = MaxWirelessProfiles)
{
    CSettingsDocument document;
    document.m_controls.m_useWirelessChecked = true;
    document.m_controls.m_connection.m_dhcpRadio = 1;
    document.m_controls.m_connection.m_ipAddress.m_fields = { 192, 168, 10, 20 };
    document.m_controls.m_connection.m_subnetMask.m_fields = { 255, 255, 255, 0 };
    document.m_controls.m_connection.m_useProxyChecked = true;
    document.m_controls.m_connection.m_proxyAddress.m_text = QStringLiteral("proxy.example.net");
    document.m_controls.m_connection.m_proxyPort.m_text = QStringLiteral("3128");
    for (int i = 0; i < profiles; ++i) {
        CNetworkSetting &p = document.m_wirelessSettings[size_t(i % MaxWirelessProfiles)];
        p.m_ssid = QStringLiteral("Office network %1").arg(i);
        p.m_securityMode = SecurityModeWpa2PskAes;
        p.m_networkKey = QString(63, QChar(u'a' + i % 26));
        p.m_dhcp = 0;
        p.m_ipAddress = IpAddressField::Complete(10, 1, std::uint8_t(i), 20);
        p.m_subnetMask = IpAddressField::Complete(255, 255, 255, 0);
        p.m_defaultGateway = IpAddressField::Complete(10, 1, std::uint8_t(i), 1);
        p.m_dns = IpAddressField::Complete(10, 1, std::uint8_t(i), 2);
        p.m_secondaryDns = IpAddressField::Complete(8, 8, 8, 8);
        p.m_useProxy = 1;
        p.m_proxyAddress = QStringLiteral("proxy%1.example.net").arg(i);
        p.m_proxyPort = QStringLiteral("8080");
        document.m_controls.m_wirelessList.append({ p.m_ssid, i % MaxWirelessProfiles });
    }
    return document;
}

struct Fixture
{
    Fixture()
    {
        CSettingsDocument document = FullDocument();
        CProfileFile file;
        ComposeSettingsFile(document, file);
        bytes = file.ToBytes();
        path = dir.filePath(QStringLiteral("NetworkSetting.ini"));
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            std::abort();
    }
    QTemporaryDir dir;
    QString path;
    QByteArray bytes;
};

Fixture &TheFixture()
{
    static Fixture fixture;
    return fixture;
}

std::vector<std::pair<std::string, std::string>> AllKeys()
{
    std::vector<std::pair<std::string, std::string>> keys;
    const CProfileFile file = CProfileFile::FromBytes(TheFixture().bytes);
    ini_parse_string(
        TheFixture().bytes.constData(),
        [](void *user, const char *section, const char *name, const char *value) {
            static_cast<std::vector<std::pair<std::string, std::string>> *>(user)->emplace_back(
                std::string(section) + '\n' + name, value);
            return 1;
        },
        &keys);
    return keys;
}

void Load_ReadSettingsFile(benchmark::State &state)
{
    const QString path = TheFixture().path;
    CSettingsDocument document;
    CSilentMessageBox box;
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadSettingsFile(document, box, path));
    if (box.m_count != 0 || document.m_controls.m_wirelessList.size() != MaxWirelessProfiles)
        state.SkipWithError("the full file did not load cleanly");
    state.SetBytesProcessed(state.iterations() * TheFixture().bytes.size());
}

void Load_InihParse(benchmark::State &state)
{
    const QByteArray &bytes = TheFixture().bytes;
    for (auto _ : state) {
        int count = 0;
        ini_parse_string(bytes.constData(),
                         [](void *user, const char *, const char *, const char *value) {
                             *static_cast<int *>(user) += value[0] != 0;
                             return 1;
                         },
                         &count);
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void Load_SimpleIniParse(benchmark::State &state)
{
    const QByteArray &bytes = TheFixture().bytes;
    for (auto _ : state) {
        CSimpleIniA ini;
        benchmark::DoNotOptimize(ini.LoadData(bytes.constData(), size_t(bytes.size())));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void Load_BareFileRead(benchmark::State &state)
{
    const QString path = TheFixture().path;
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("cannot read");
        benchmark::DoNotOptimize(file.readAll());
    }
}

void Write_ComposeSettingsFile(benchmark::State &state)
{
    CSettingsDocument document = FullDocument();
    for (auto _ : state) {
        CProfileFile file;
        ComposeSettingsFile(document, file);
        benchmark::DoNotOptimize(file.ToBytes());
    }
}

void Write_SimpleIniSave(benchmark::State &state)
{
    const auto keys = AllKeys();
    for (auto _ : state) {
        CSimpleIniA ini;
        for (const auto &[sectionKey, value] : keys) {
            const auto cut = sectionKey.find('\n');
            ini.SetValue(sectionKey.substr(0, cut).c_str(), sectionKey.substr(cut + 1).c_str(),
                         value.c_str());
        }
        std::string out;
        ini.Save(out);
        benchmark::DoNotOptimize(out);
    }
}

const QString kKey63 = QString(63, QChar(u'k'));

void Cipher_EncryptSecret(benchmark::State &state)
{
    QString out;
    for (auto _ : state)
        benchmark::DoNotOptimize(EncryptSecret(kKey63, out));
}

void Cipher_DecryptSecret(benchmark::State &state)
{
    QString sealed, out;
    EncryptSecret(kKey63, sealed);
    for (auto _ : state)
        benchmark::DoNotOptimize(DecryptSecret(sealed, out));
}

// A key with letters outside ASCII goes through the code page converter.
const QString kWesternKey63 = QString(31, QChar(u'k')) + QString(32, QChar(0xE9));

void Cipher_EncryptSecretWestern(benchmark::State &state)
{
    SetUserOemCodePage(850);
    QString out;
    for (auto _ : state)
        benchmark::DoNotOptimize(EncryptSecret(kWesternKey63, out));
    SetUserOemCodePage(0);
}

void Cipher_DecryptSecretWestern(benchmark::State &state)
{
    SetUserOemCodePage(850);
    QString sealed, out;
    EncryptSecret(kWesternKey63, sealed);
    for (auto _ : state)
        benchmark::DoNotOptimize(DecryptSecret(sealed, out));
    SetUserOemCodePage(0);
}

void Cipher_BareOpenSslCbc(benchmark::State &state)
{
    static const unsigned char key[16] = { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16 };
    unsigned char iv[16] = {};
    unsigned char in[64] = {};
    unsigned char out[64];
    for (auto _ : state) {
        AesCbc128(true, key, iv, in, 64, out);
        benchmark::DoNotOptimize(out);
    }
}

void Catalogue_AllRows(benchmark::State &state)
{
    for (auto _ : state) {
        qsizetype total = 0;
        for (MessageId id = 0; id < MessageCount; ++id)
            total += MessageText(id).size();
        benchmark::DoNotOptimize(total);
    }
}

template<int Profiles>
void Scaling_Load(benchmark::State &state)
{
    QTemporaryDir dir;
    CSettingsDocument source = FullDocument(Profiles);
    const QString path = dir.filePath(QStringLiteral("NetworkSetting.ini"));
    WriteSettingsFile(source, path);
    CSettingsDocument document;
    CSilentMessageBox box;
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadSettingsFile(document, box, path));
}

// Loads of 4 MiB inputs built to defeat a name index, each beside a normal file of the same size
// and the same line length, so that the ratio measures the index alone: crafted names must not
// cost more than twice what ordinary ones do.
constexpr qsizetype kLargeInput = 4 * 1024 * 1024;

// The full file over and over, its sections renamed in each copy: many sections of real keys.
QByteArray NormalLargeFile()
{
    QByteArray out;
    for (int copy = 0; out.size() < kLargeInput; ++copy) {
        QByteArray bytes = TheFixture().bytes;
        const QByteArray suffix = QByteArray::number(copy) + ']';
        bytes.replace("Setting]", "Setting" + suffix);
        bytes.replace("Common]", "Common" + suffix);
        out += bytes;
    }
    out.truncate(out.lastIndexOf('\n', kLargeInput - 1) + 1);
    return out;
}

qsizetype AverageLine(const QByteArray &bytes)
{
    return bytes.size() / std::max<qsizetype>(1, bytes.count('\n'));
}

// Lines "name=value" up to 4 MiB, each as long as a normal file's average line; `name(i)` gives
// the i-th name, `header(i)` a section line to put before it, or nothing.
template<typename Name, typename Header>
QByteArray LargeFile(Name name, Header header)
{
    const qsizetype line = AverageLine(NormalLargeFile());
    QByteArray out;
    for (int i = 0;; ++i) {
        QByteArray next = header(i);
        QByteArray entry = name(i) + '=';
        entry += QByteArray(std::max<qsizetype>(1, line - entry.size() - 2), 'v') + "\r\n";
        next += entry;
        if (out.size() + next.size() > kLargeInput)
            break;
        out += next;
    }
    return out;
}

// Names of '@' and '`' only: one name apart from another only in bit 5 of its characters, which
// an unseeded hash that folds case by setting bit 5 maps to the same value.
QByteArray CollidingName(int i)
{
    QByteArray name;
    for (int bit = 0; bit < 18; ++bit)
        name += (i >> bit) & 1 ? '`' : '@';
    return name;
}

QByteArray NoHeader(int i)
{
    return i == 0 ? QByteArray("[s]\r\n") : QByteArray();
}

const QByteArray &LargeInput(int kind)
{
    static const QByteArray inputs[] = {
        NormalLargeFile(),
        LargeFile(CollidingName, NoHeader),
        LargeFile([](int) { return QByteArray("k"); },
                  [](int i) { return '[' + CollidingName(i) + "]\r\n"; }),
        LargeFile([](int i) { return 'k' + QByteArray::number(i).rightJustified(7, '0'); },
                  NoHeader),
        LargeFile([](int i) { return "WIRELESS_SSID_" + QByteArray::number(i); }, NoHeader),
        [] {
            // The normal text as UTF-16: half the characters in the same 4 MiB.
            const QString text = QString::fromLatin1(NormalLargeFile());
            QByteArray bytes = "\xFF\xFE" + QStringEncoder(QStringEncoder::Utf16LE)(text);
            bytes.truncate(kLargeInput);
            return bytes;
        }(),
    };
    return inputs[kind];
}

template<int Kind>
void Large_Load(benchmark::State &state)
{
    const QByteArray &bytes = LargeInput(Kind);
    for (auto _ : state)
        benchmark::DoNotOptimize(CProfileFile::FromBytes(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void Large_LoadNormal(benchmark::State &state) { Large_Load<0>(state); }
void Large_LoadCollidingKeys(benchmark::State &state) { Large_Load<1>(state); }
void Large_LoadCollidingSections(benchmark::State &state) { Large_Load<2>(state); }
void Large_LoadSequentialKeys(benchmark::State &state) { Large_Load<3>(state); }
void Large_LoadOneHugeSection(benchmark::State &state) { Large_Load<4>(state); }
void Large_LoadUtf16(benchmark::State &state) { Large_Load<5>(state); }

BENCHMARK(Load_ReadSettingsFile);
BENCHMARK(Load_InihParse);
BENCHMARK(Load_SimpleIniParse);
BENCHMARK(Load_BareFileRead);
BENCHMARK(Write_ComposeSettingsFile);
BENCHMARK(Write_SimpleIniSave);
BENCHMARK(Cipher_EncryptSecret);
BENCHMARK(Cipher_DecryptSecret);
BENCHMARK(Cipher_EncryptSecretWestern);
BENCHMARK(Cipher_DecryptSecretWestern);
BENCHMARK(Cipher_BareOpenSslCbc);
BENCHMARK(Catalogue_AllRows);
BENCHMARK(Scaling_Load<1>);
BENCHMARK(Scaling_Load<10>);
BENCHMARK(Scaling_Load<30>);
BENCHMARK(Large_LoadNormal)->Unit(benchmark::kMillisecond);
BENCHMARK(Large_LoadCollidingKeys)->Unit(benchmark::kMillisecond);
BENCHMARK(Large_LoadCollidingSections)->Unit(benchmark::kMillisecond);
BENCHMARK(Large_LoadSequentialKeys)->Unit(benchmark::kMillisecond);
BENCHMARK(Large_LoadOneHugeSection)->Unit(benchmark::kMillisecond);
BENCHMARK(Large_LoadUtf16)->Unit(benchmark::kMillisecond);

// Create into a folder, as the button runs it (the folder chooser answered at once, an
// overwrite confirmed, removable volumes looked up in the kernel's tables as on a desktop without
// a disk service), beside what `cp` of the same bytes followed by `sync FILE FOLDER` guarantees:
// the source read, the target truncated and written in place, the file and then its folder
// fsynced. Create also writes beside the target and renames, and reads the file back from the
// medium and loads it before it reports success.
class CFolderChooser final : public IPathChooser
{
public:
    explicit CFolderChooser(QString folder)
        : m_folder(std::move(folder))
    { }
    QString ChooseFileToOpen(const QString &) override { return {}; }
    QString ChooseFolder(const QString &) override { return m_folder; }

private:
    QString m_folder;
};

struct CardFolder
{
    const char *name;
    QString path; // where a QTemporaryDir goes: on the filesystem named by `name`
};

// The build folder lies on the disk the project is on; /dev/shm is a tmpfs wherever it exists,
// no mount needed. MERIDOCK_BENCH_CARD_FOLDER adds a folder of the user's (a real card).
std::vector<CardFolder> CardFolders()
{
    std::vector<CardFolder> folders { { "Disk", QStringLiteral(".") } };
    if (QFileInfo(QStringLiteral("/dev/shm")).isWritable())
        folders.push_back({ "Tmpfs", QStringLiteral("/dev/shm") });
    const QString own = qEnvironmentVariable("MERIDOCK_BENCH_CARD_FOLDER");
    if (!own.isEmpty())
        folders.push_back({ "Own", own });
    return folders;
}

// Runs a command as a user would type it, found on PATH; true when it exits with 0.
bool RunCommand(std::vector<const char *> argv)
{
    argv.push_back(nullptr);
    pid_t child = 0;
    char **args = const_cast<char **>(argv.data());
    if (::posix_spawnp(&child, argv[0], nullptr, nullptr, args, environ) != 0)
        return false;
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// One iteration runs Create and then the copy, each timed on its own, so that both meet the
// same load from the rest of the machine: the disk's sync time follows whatever else is being
// written. The iteration time is Create's; the counters hold the copy's and the ratio.
void Create_VerifiedAgainstCpAndSync(benchmark::State &state, QString parent)
{
    QTemporaryDir dir(parent + QStringLiteral("/meridock-bench-XXXXXX"));
    CSettingsDocument document = FullDocument();
    CSilentMessageBox box;
    CFolderChooser chooser(dir.path());
    CKernelVolumes volumes;
    const QString created = ComposedMessage(MessageText(Msg::SettingsFileCreated));

    QTemporaryDir copyDir(parent + QStringLiteral("/meridock-bench-XXXXXX"));
    const QByteArray source = QFile::encodeName(TheFixture().path);
    const QByteArray target
        = QFile::encodeName(copyDir.filePath(QStringLiteral("NetworkSetting.ini")));
    const QByteArray folderName = QFile::encodeName(copyDir.path());
    const QByteArray commandTarget
        = QFile::encodeName(copyDir.filePath(QStringLiteral("ByCommands.ini")));
    std::vector<char> buffer(size_t(TheFixture().bytes.size()) + 1);

    using Clock = std::chrono::steady_clock;
    Clock::duration ours {}, copies {}, commands {};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        CreateSettingFileCommand(document, box, chooser, volumes);
        const Clock::time_point between = Clock::now();
        const int in = ::open(source.constData(), O_RDONLY | O_CLOEXEC);
        const ssize_t size = ::read(in, buffer.data(), buffer.size());
        const int out = ::open(target.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        bool copied = size > 0 && ::write(out, buffer.data(), size_t(size)) == size
            && ::fsync(out) == 0;
        ::close(out);
        ::close(in);
        const int folder = ::open(folderName.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        copied = copied && ::fsync(folder) == 0;
        ::close(folder);
        const Clock::time_point end = Clock::now();
        // What a user would otherwise do by hand: the two commands, each its own process, and
        // a sync of every filesystem.
        copied = copied && RunCommand({ "cp", source.constData(), commandTarget.constData() })
            && RunCommand({ "sync" });
        const Clock::time_point typed = Clock::now();
        if (document.m_messageText != created || !copied) {
            state.SkipWithError("Create did not report a verified file, or the copy failed");
            break;
        }
        ours += between - start;
        copies += end - between;
        commands += typed - end;
        state.SetIterationTime(std::chrono::duration<double>(between - start).count());
    }
    state.counters["cp_sync_ms"] = benchmark::Counter(
        std::chrono::duration<double, std::milli>(copies).count(),
        benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = copies.count() > 0 ? double(ours.count()) / double(copies.count()) : 0;
    state.counters["ratio_commands"]
        = commands.count() > 0 ? double(ours.count()) / double(commands.count()) : 0;
}

class RecordingReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        // The fastest repetition: the machine's other load only ever adds time.
        for (const Run &run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred)
                continue;
            const double ns = run.GetAdjustedRealTime()
                * (run.time_unit == benchmark::kMicrosecond ? 1e3
                   : run.time_unit == benchmark::kMillisecond ? 1e6 : 1.0);
            const std::string name = run.run_name.function_name;
            for (const auto &[counter, value] : run.counters) {
                if (counter.rfind("ratio", 0) == 0)
                    m_ratios[name + '/' + counter].push_back(value.value);
            }
            const auto it = m_nanoseconds.find(name);
            if (it == m_nanoseconds.end() || ns < it->second)
                m_nanoseconds[name] = ns;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    // The median of a paired benchmark's ratios over its repetitions, 0 when it has none.
    double MedianRatio(const std::string &name) const
    {
        const auto it = m_ratios.find(name);
        if (it == m_ratios.end() || it->second.empty())
            return 0.0;
        std::vector<double> ratios = it->second;
        std::sort(ratios.begin(), ratios.end());
        return ratios[ratios.size() / 2];
    }
    double Nanoseconds(const std::string &name) const
    {
        const auto it = m_nanoseconds.find(name);
        return it == m_nanoseconds.end() ? 0.0 : it->second;
    }

private:
    std::map<std::string, double> m_nanoseconds;
    std::map<std::string, std::vector<double>> m_ratios;
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    const std::vector<CardFolder> cardFolders = CardFolders();
    for (const CardFolder &folder : cardFolders) {
        // Each iteration waits for the disk: a fixed count keeps the run short.
        benchmark::RegisterBenchmark(
            ("Create_VerifiedAgainstCpAndSync_" + std::string(folder.name)).c_str(),
            Create_VerifiedAgainstCpAndSync, folder.path)
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(50);
    }
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto ratio = [&reporter](const char *ours, const char *peer, double goal) {
        const double a = reporter.Nanoseconds(ours);
        const double b = reporter.Nanoseconds(peer);
        if (a == 0 || b == 0)
            return;
        std::printf("%-28s / %-24s = %5.2f  (goal <= %.2f)  %s\n", ours, peer, a / b, goal,
                    a / b <= goal ? "ok" : "OFF GOAL");
    };
    std::printf("\nRatios (%u-byte full file)\n", unsigned(TheFixture().bytes.size()));
    ratio("Load_ReadSettingsFile", "Load_InihParse", 1.0);
    ratio("Load_ReadSettingsFile", "Load_SimpleIniParse", 1.0);
    ratio("Write_ComposeSettingsFile", "Write_SimpleIniSave", 1.0);
    ratio("Cipher_EncryptSecret", "Cipher_BareOpenSslCbc", 1.5);
    ratio("Cipher_DecryptSecret", "Cipher_BareOpenSslCbc", 1.5);
    const double one = reporter.Nanoseconds("Scaling_Load<1>");
    const double thirty = reporter.Nanoseconds("Scaling_Load<30>");
    if (one > 0 && thirty > 0)
        std::printf("Load of 30 profiles / 1 profile = %.1f (linear growth stays below about 30)\n",
                    thirty / one);
    std::printf("\nWorst-case 4 MiB loads against a normal 4 MiB file\n");
    for (const char *name : { "Large_LoadCollidingKeys", "Large_LoadCollidingSections",
                              "Large_LoadSequentialKeys", "Large_LoadOneHugeSection",
                              "Large_LoadUtf16" })
        ratio(name, "Large_LoadNormal", 2.0);
    std::printf("\nCreate to a verified file against copying the same bytes durably\n");
    for (const CardFolder &folder : cardFolders) {
        struct statfs info {};
        const char *kind = "another filesystem";
        if (::statfs(QFile::encodeName(folder.path).constData(), &info) == 0
            && info.f_type == TMPFS_MAGIC)
            kind = "tmpfs: nothing reaches a disk, so the sync costs nothing";
        else if (info.f_type == EXT4_SUPER_MAGIC)
            kind = "ext4";
        std::printf("%s: %s, %s\n", folder.name,
            qPrintable(QFileInfo(folder.path).absoluteFilePath()), kind);
        const std::string name = "Create_VerifiedAgainstCpAndSync_" + std::string(folder.name);
        for (const auto &[counter, what] :
             { std::pair { "/ratio", "in-process copy, fsync of file and folder" },
               std::pair { "/ratio_commands", "the cp and sync commands" } }) {
            const double paired = reporter.MedianRatio(name + counter);
            if (paired > 0)
                std::printf("Create / %s, median of paired runs = %5.2f  (goal <= 1.50)  %s\n",
                    what, paired, paired <= 1.5 ? "ok" : "OFF GOAL");
        }
    }
    benchmark::Shutdown();
    return 0;
}
