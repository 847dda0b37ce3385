#pragma once

#include "i18n/MessageCatalog.h"

// The text of one of our own rows (id >= MessageCount); MessageTextInSlot forwards here.
QStringView OwnMessageTextInSlot(MessageId id, LanguageSlot slot);
