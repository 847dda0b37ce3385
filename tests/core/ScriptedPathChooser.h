#pragma once

#include "MessageRecorder.h"
#include "core/commands/FileCommands.h"
#include "core/commands/MessageBox.h"
#include "i18n/MessageCatalog.h"

#include <QStringList>

// Stands in for the file dialogs: answers with the scripted paths and notes every question.
class CScriptedPathChooser final : public IPathChooser
{
public:
    QString ChooseFileToOpen(const QString &startFolder) override
    {
        m_calls.append(QStringLiteral("open:") + startFolder);
        return m_file;
    }
    QString ChooseFolder(const QString &startFolder) override
    {
        m_calls.append(QStringLiteral("folder:") + startFolder);
        return m_folder;
    }

    QString m_file;
    QString m_folder;
    QStringList m_calls;
};

// One message box as a comparable line: text, caption, icon and buttons.
inline QString MessageLine(
    const QString &text, const QString &caption, MessageIcon icon, MessageButtons buttons)
{
    static const char *const icons[] = { "none", "information", "error" };
    static const char *const buttonSets[] = { "ok", "ok/cancel", "ok/safely-remove" };
    return text + u'|' + caption + u'|' + QLatin1String(icons[int(icon)]) + u'|'
        + QLatin1String(buttonSets[int(buttons)]);
}

// Every box the recorder kept, as such a line followed by its detail with `folder` written "~".
inline QStringList ShownLines(const CMessageRecorder &recorder, const QString &folder = {})
{
    QStringList lines;
    for (const CMessageRecorder::Message &m : recorder.m_messages)
        lines.append(MessageLine(m.text, m.caption, m.icon, m.buttons) + u'|'
            + (folder.isEmpty() ? m.detail
                                : QString(m.detail).replace(folder, QStringLiteral("~"))));
    return lines;
}

// The line a catalogue message must give: its text followed by three blanks.
inline QString ExpectedMessage(MessageId text, MessageId caption, MessageIcon icon,
    MessageButtons buttons = MessageButtons::Ok)
{
    return MessageLine(MessageText(text).toString() + QStringLiteral("   "),
        MessageText(caption).toString(), icon, buttons);
}
