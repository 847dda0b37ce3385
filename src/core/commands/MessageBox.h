#pragma once

#include "i18n/MessageCatalog.h"

#include <QString>

// Every message box shows its catalogue text followed by three blanks.
inline QString ComposedMessage(QStringView text)
{
    return text.toString() + QStringLiteral("   ");
}

enum class MessageIcon { None, Information, Error };
// OkSafelyRemove adds our own "Safely Remove" button, answered with SafelyRemove.
enum class MessageButtons { Ok, OkCancel, OkSafelyRemove };
enum class MessageAnswer { Ok, Cancel, SafelyRemove };

// The one way the core talks to the user: a modal message box over the window that owns the
// operation. The window implements it with real message boxes, tests with a recorder.
// `detail` is ours, shown under the catalogue text: where and why, or empty.
class IMessageBox
{
public:
    virtual ~IMessageBox() = default;
    virtual MessageAnswer ShowMessage(const QString &text, const QString &caption, MessageIcon icon,
                                      MessageButtons buttons, const QString &detail)
        = 0;
};

// Shows nothing and answers OK, counting what it was given: for checks that run with no one to
// answer them, like the close sequence's and a read-back's.
class CSilentMessageBox final : public IMessageBox
{
public:
    MessageAnswer ShowMessage(
        const QString &, const QString &, MessageIcon, MessageButtons, const QString &) override
    {
        ++m_count;
        return MessageAnswer::Ok;
    }
    int m_count = 0;
};

// Composes the catalogue text `text`, keeps what was composed in `composed` and shows it with
// the catalogue caption `caption`.
inline MessageAnswer ShowCatalogueMessage(IMessageBox &box, QString &composed, MessageId text,
    MessageId caption, MessageIcon icon, MessageButtons buttons = MessageButtons::Ok,
    const QString &detail = QString())
{
    composed = ComposedMessage(MessageText(text));
    return box.ShowMessage(composed, MessageText(caption).toString(), icon, buttons, detail);
}
