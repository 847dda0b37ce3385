#include "checker/CheckerCommand.h"

#include "core/commands/CheckSequences.h"
#include "core/file/ProfileFile.h"
#include "core/settings/SettingsReader.h"
#include "core/settings/SettingsWriter.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

enum ExitStatus { ExitClean = 0, ExitValueFailed = 1, ExitTrouble = 2 };

// "Setting file is not exist in selected place.": the catalogue's row for a missing file.
constexpr MessageId kSettingsFileNotFound = 48;

// Every message the window would show becomes one line of standard output.
class CLineMessageBox final : public IMessageBox
{
public:
    explicit CLineMessageBox(QTextStream &out)
        : m_out(out)
    { }

    MessageAnswer ShowMessage(const QString &text, const QString &caption, MessageIcon,
        MessageButtons, const QString &) override
    {
        QStringView shown = text;
        if (shown.endsWith(u"   "))
            shown.chop(3);
        m_out << caption << ": " << shown << '\n';
        m_out.flush();
        return MessageAnswer::Ok;
    }

private:
    QTextStream &m_out;
};

void PrintUsage(QTextStream &stream, const QString &program)
{
    stream
        << "Usage: " << program << " FILE\n"
        << "       " << program << " --write OUT FILE\n"
        << "\n"
        << "Checks a reader settings file (NetworkSetting.ini) as \"Load settings\" does and\n"
        << "prints every message the load shows, one per line.\n"
        << "With --write, then checks the network folder and wired LAN values as\n"
        << "\"Create Setting file\" does and writes what passed to OUT.\n"
        << "\n"
        << "Exit status: 0 the file loaded cleanly (and OUT was written),\n"
        << "             1 a value failed or a check stopped the write,\n"
        << "             2 FILE is missing or unreadable, OUT cannot be written, or bad usage.\n";
    stream.flush();
}

QString RefusalText(SettingsFileStatus status, const QString &systemError)
{
    switch (status) {
    case SettingsFileStatus::Missing:
        return MessageText(kSettingsFileNotFound).toString();
    case SettingsFileStatus::NotRegularFile:
        return QStringLiteral("not a regular file");
    case SettingsFileStatus::TooLarge:
        return QStringLiteral("larger than %1 bytes, which no settings file comes near")
            .arg(MaxSettingsFileSize);
    case SettingsFileStatus::NotText:
        return QStringLiteral("holds NUL characters: binary data, not a settings file");
    case SettingsFileStatus::Unreadable:
        return QStringLiteral("cannot be read: %1").arg(systemError);
    case SettingsFileStatus::Loaded:
        break;
    }
    return {};
}

} // namespace

int RunNetconfCheck(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const QString program = arguments.isEmpty() ? QStringLiteral("meridock-netconf-check")
                                                : QFileInfo(arguments.first()).fileName();
    QStringList operands;
    QString outputPath;
    bool write = false;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (!optionsEnded && (argument == u"--help" || argument == u"-h")) {
            PrintUsage(out, program);
            return ExitClean;
        }
        if (!optionsEnded && argument == u"--write") {
            if (write || i + 1 >= arguments.size()) {
                PrintUsage(err, program);
                return ExitTrouble;
            }
            write = true;
            outputPath = arguments[++i];
            continue;
        }
        if (!optionsEnded && argument == u"--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && argument.startsWith(u'-') && argument.size() > 1) {
            err << program << ": unknown option " << argument << '\n';
            PrintUsage(err, program);
            return ExitTrouble;
        }
        operands.append(argument);
    }
    if (operands.size() != 1 || (write && outputPath.isEmpty())) {
        PrintUsage(err, program);
        return ExitTrouble;
    }
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
    CLineMessageBox box(out);
    const int loaded = ReadSettingsProfile(document, box, file);
    document.ShowMessage(box, loaded ? Msg::SettingsLoaded : Msg::SettingsLoadedWithError,
        Msg::LoadSettingsCaption, loaded ? MessageIcon::Information : MessageIcon::Error);
    if (!write)
        return loaded ? ExitClean : ExitValueFailed;

    if (ValidateNetworkFolder(document, box, true, true) == 0
        || ValidateWiredLan(document, box, true, true) == 0)
        return ExitValueFailed;
    const FileWriteResult written = WriteSettingsFile(document, outputPath);
    document.ShowMessage(box, written ? Msg::SettingsFileCreated : Msg::SettingsFileCreateFailed,
        Msg::CreateSettingCaption, written ? MessageIcon::Information : MessageIcon::Error);
    if (!written) {
        // Standard output keeps exactly the window's texts; the reason goes with the errors.
        if (const QString detail = WriteFailureDetail(written); !detail.isEmpty()) {
            err << program << ": " << outputPath << ": " << detail << '\n';
            err.flush();
        }
        return ExitTrouble;
    }
    return loaded ? ExitClean : ExitValueFailed;
}
