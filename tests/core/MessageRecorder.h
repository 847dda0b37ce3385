#pragma once

#include "core/commands/MessageBox.h"

#include <QList>
#include <QString>

// Stands in for the window's message boxes: keeps every message in order and answers at once.
class CMessageRecorder final : public IMessageBox
{
public:
    struct Message
    {
        QString text;
        QString caption;
        MessageIcon icon;
        MessageButtons buttons;
        QString detail;
    };

    MessageAnswer ShowMessage(const QString &text, const QString &caption, MessageIcon icon,
        MessageButtons buttons, const QString &detail) override
    {
        m_messages.append(Message { text, caption, icon, buttons, detail });
        return m_answers.isEmpty() ? MessageAnswer::Ok : m_answers.takeFirst();
    }

    QList<Message> m_messages;
    // Answers given in turn; once they are used up, every box is answered OK.
    QList<MessageAnswer> m_answers;
};
