#include "i18n/MessageCatalog.h"

#include <algorithm>
#include <iterator>

namespace {

struct LcidSlot
{
    quint32 lcid;
    LanguageSlot slot;
};

// Only these identifiers pick a translation. Everything else, English and every language without
// a slot, and any identifier carrying a non-default sort order in its upper bits, stays English.
constexpr LcidSlot kLcidSlots[] = {
    { 0x040C, 2 }, { 0x080C, 2 }, { 0x0C0C, 2 }, { 0x100C, 2 }, { 0x140C, 2 },
    { 0x0407, 3 }, { 0x0807, 3 }, { 0x0C07, 3 }, { 0x1007, 3 }, { 0x1407, 3 },
    { 0x041D, 4 }, { 0x081D, 4 },
    { 0x0413, 5 }, { 0x0813, 5 },
    { 0x040B, 6 },
    { 0x0414, 7 }, { 0x0814, 7 },
    { 0x0419, 8 }, { 0x0819, 8 },
    { 0x0411, 9 },
    { 0x0404, 10 }, { 0x0804, 10 }, { 0x0C04, 10 }, { 0x1004, 10 },
    { 0x0406, 11 },
    { 0x0410, 12 }, { 0x0810, 12 },
    { 0x0415, 13 },
    { 0x040A, 14 }, { 0x080A, 14 }, { 0x0C0A, 14 }, { 0x100A, 14 }, { 0x140A, 14 },
    { 0x180A, 14 }, { 0x1C0A, 14 }, { 0x200A, 14 }, { 0x240A, 14 }, { 0x280A, 14 },
    { 0x2C0A, 14 }, { 0x300A, 14 }, { 0x340A, 14 }, { 0x380A, 14 }, { 0x3C0A, 14 },
    { 0x400A, 14 }, { 0x440A, 14 }, { 0x480A, 14 }, { 0x4C0A, 14 }, { 0x500A, 14 },
};
static_assert(std::size(kLcidSlots) == 48);

} // namespace

LanguageSlot LanguageSlotForLcid(quint32 lcid)
{
    const auto *it = std::find_if(std::begin(kLcidSlots), std::end(kLcidSlots),
                                  [lcid](const LcidSlot &e) { return e.lcid == lcid; });
    return it == std::end(kLcidSlots) ? 0 : it->slot;
}

void SelectLanguageSlot(quint32 lcid)
{
    SetCurrentLanguageSlot(LanguageSlotForLcid(lcid));
}
