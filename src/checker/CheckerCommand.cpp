#include "checker/CheckerCommand.h"

#include "core/commands/CheckSequences.h"
#include "core/file/ProfileFile.h"
#include "core/settings/SettingsReader.h"
#include "core/settings/SettingsReadBack.h"
#include "core/settings/SettingsWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

enum ExitStatus { ExitClean = 0, ExitValueFailed = 1, ExitTrouble = 2 };

// Every message the window would show becomes one line of standard output.
// With `verbose`, each line is followed by the box's detail, indented, one line per line.
class CLineMessageBox final : public IMessageBox
{
public:
    CLineMessageBox(QTextStream &out, bool verbose)
        : m_out(out)
        , m_verbose(verbose)
    { }

    MessageAnswer ShowMessage(const QString &text, const QString &caption, MessageIcon,
        MessageButtons, const QString &detail) override
    {
        QStringView shown = text;
        if (shown.endsWith(u"   "))
            shown.chop(3);
        m_out << caption << ": " << shown << '\n';
        if (m_verbose && !detail.isEmpty()) {
            for (QStringView line : QStringView(detail).split(u'\n'))
                m_out << "    " << line << '\n';
        }
        m_out.flush();
        return MessageAnswer::Ok;
    }

private:
    QTextStream &m_out;
    bool m_verbose;
};

void PrintUsage(QTextStream &stream, const QString &program)
{
    stream << "Usage: " << program << " [--verbose] FILE\n"
           << "       " << program << " [--verbose] --write OUT FILE\n"
           << "       " << program << " --version | --help\n"
           << "\n"
           << "Checks a reader settings file (NetworkSetting.ini) as \"Load settings\" does and\n"
           << "prints every message the load shows, one per line.\n"
           << "With --write, then checks the network folder and wired LAN values as\n"
           << "\"Create Setting file\" does and writes what passed to OUT.\n"
           << "With --verbose, each message is followed by where the value stands in the file\n"
           << "and why it failed, indented.\n"
           << "\n"
           << "Exit status: 0 the file loaded cleanly (and OUT was written),\n"
           << "             1 a value failed or a check stopped the write,\n"
           << "             2 FILE is missing, unreadable or no settings file, OUT cannot be\n"
           << "               written, or bad usage.\n";
    stream.flush();
}

int UsageError(QTextStream &err, const QString &program, const QString &problem)
{
    err << program << ": " << problem << '\n';
    PrintUsage(err, program);
    return ExitTrouble;
}

} // namespace

int RunNetconfCheck(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const QString program = arguments.isEmpty() ? QStringLiteral("meridock-netconf-check")
                                                : QFileInfo(arguments.first()).fileName();
    QStringList operands;
    QString outputPath;
    bool write = false;
    bool verbose = false;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const bool option = !optionsEnded && argument.startsWith(u'-') && argument.size() > 1;
        if (!option) {
            operands.append(argument);
            continue;
        }
        if (argument == u"--help" || argument == u"-h") {
            PrintUsage(out, program);
            return ExitClean;
        }
        if (argument == u"--version") {
            out << program << ' ' << QStringLiteral(MERIDOCK_VERSION) << '\n';
            out.flush();
            return ExitClean;
        }
        if (argument == u"--verbose" || argument == u"-v") {
            verbose = true;
        } else if (argument == u"--write") {
            // "--write OUT" with nothing after it names the output but no file to check.
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty())
                return UsageError(err, program,
                    MessageText(Msg::CheckerOptionNeedsValue).toString().arg(argument));
            if (write)
                return UsageError(
                    err, program, MessageText(Msg::CheckerOptionRepeated).toString().arg(argument));
            write = true;
            outputPath = arguments[++i];
        } else if (argument == u"--") {
            optionsEnded = true;
        } else {
            return UsageError(
                err, program, MessageText(Msg::CheckerUnknownOption).toString().arg(argument));
        }
    }
    if (operands.isEmpty())
        return UsageError(err, program, MessageText(Msg::CheckerNoInputFile).toString());
    if (operands.size() > 1)
        return UsageError(err, program, MessageText(Msg::CheckerTooManyFiles).toString());
    const QString &path = operands.first();

    CProfileFile file;
    QString systemError;
    const SettingsFileStatus status = LoadSettingsProfile(path, file, &systemError);
    if (status != SettingsFileStatus::Loaded) {
        err << program << ": " << path << ": " << RefusalText(status, systemError) << '\n';
        err.flush();
        return ExitTrouble;
    }

    CSettingsDocument document;
    CLineMessageBox box(out, verbose);
    const bool loaded = ReadSettingsProfile(document, box, file);
    document.ShowMessage(box, loaded ? Msg::SettingsLoaded : Msg::SettingsLoadedWithError,
        Msg::LoadSettingsCaption, loaded ? MessageIcon::Information : MessageIcon::Error);
    if (!write)
        return loaded ? ExitClean : ExitValueFailed;

    if (!ValidateNetworkFolder(document, box, CheckMode::ReportFirst)
        || !ValidateWiredLan(document, box, CheckMode::ReportFirst))
        return ExitValueFailed;
    const VerifiedWriteResult written = WriteVerifiedSettingsFile(document, outputPath);
    const QString where
        = MessageText(Msg::WhereFile)
              .toString()
              .arg(QDir::toNativeSeparators(QFileInfo(outputPath).absoluteFilePath()));
    document.ShowMessage(box, written ? Msg::SettingsFileCreated : Msg::SettingsFileCreateFailed,
        Msg::CreateSettingCaption, written ? MessageIcon::Information : MessageIcon::Error,
        MessageButtons::Ok, written ? where : QString());
    if (!written) {
        // Standard output keeps exactly the window's texts; the reason goes with the errors.
        if (const QString detail = VerifiedWriteFailureDetail(written); !detail.isEmpty()) {
            err << program << ": " << outputPath << ": " << detail << '\n';
            err.flush();
        }
        return ExitTrouble;
    }
    return loaded ? ExitClean : ExitValueFailed;
}
