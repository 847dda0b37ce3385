#pragma once

#include "i18n/MessageCatalog.h"

#include <QString>

// A catalogue text as the QString that widget setters take.
inline QString Text(MessageId id)
{
    return MessageText(id).toString();
}
