#pragma once

#include "i18n/MessageCatalog.h"
#include "MessageRecorder.h"

#include <QList>
#include <QString>
#include <QStringList>

// What the load checks reported, as message ids in order; -1 for a text that is no catalogue
// message followed by three blanks, and -100 after any box not captioned `caption` with the
// error icon and an OK button.
using MessageIds = QList<int>;

inline QString Chars(int count, char16_t c = u'a')
{
    return QString(count, QChar(c));
}

inline MessageIds IdsOf(const CMessageRecorder &recorder,
                        MessageId caption = Msg::LoadSettingsCaption)
{
    MessageIds ids;
    for (const CMessageRecorder::Message &m : recorder.m_messages) {
        int found = -1;
        for (MessageId id = 0; id < MessageCount; ++id) {
            if (m.text == MessageText(id).toString() + QStringLiteral("   ")) {
                found = int(id);
                break;
            }
        }
        ids.append(found);
        if (m.caption != MessageText(caption).toString() || m.icon != MessageIcon::Error
            || m.buttons != MessageButtons::Ok)
            ids.append(-100); // shows where the form of a message is wrong
    }
    return ids;
}

// The detail under each message, in order.
inline QStringList DetailsOf(const CMessageRecorder &recorder)
{
    QStringList details;
    for (const CMessageRecorder::Message &m : recorder.m_messages)
        details.append(m.detail);
    return details;
}
