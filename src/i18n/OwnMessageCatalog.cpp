// Rows of our own, after the 158 original ones: the same 15 slots, kept sorted by id.
// Each topic's rows stand in its own region below, in the order of their ids.
// clang-format off
#include "i18n/OwnMessageCatalog.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

using Row = std::array<QStringView, LanguageSlotCount>;

struct OwnRow {
    MessageId id;
    Row texts; // English (two slots), French, German, Swedish, Dutch, Finnish, Norwegian,
               // Russian, Japanese, Chinese, Danish, Italian, Polish, Spanish
};

constexpr OwnRow kOwnRows[] = {
    // ---- Writing files ----

    // ---- end of Writing files ----

    // ---- Reading files and the checker's output ----

    // ---- end of Reading files and the checker's output ----

    // ---- Importing networks, QR codes, showing the key ----

    // ---- end of Importing networks, QR codes, showing the key ----

    // ---- Removable volumes, verifying and ejecting ----

    // ---- end of Removable volumes, verifying and ejecting ----

    // ---- Keyboard, shortcuts and screen readers ----

    // ---- end of Keyboard, shortcuts and screen readers ----
    { 0, {} }, // sentinel, never looked up
};

constexpr int kOwnRowCount = int(std::size(kOwnRows)) - 1;

constexpr bool SortedAfterOriginalRows()
{
    for (int i = 0; i < kOwnRowCount; ++i) {
        if (kOwnRows[i].id < MessageCount || (i > 0 && kOwnRows[i].id <= kOwnRows[i - 1].id))
            return false;
    }
    return true;
}
static_assert(SortedAfterOriginalRows(), "own rows must follow the original ones in id order");

const OwnRow *FindOwnRow(MessageId id)
{
    const OwnRow *end = kOwnRows + kOwnRowCount;
    const OwnRow *row = std::lower_bound(kOwnRows, end, id,
                                         [](const OwnRow &r, MessageId key) { return r.id < key; });
    return row != end && row->id == id ? row : nullptr;
}

} // namespace

QStringView OwnMessageTextInSlot(MessageId id, LanguageSlot slot)
{
    const OwnRow *row = FindOwnRow(id);
    Q_ASSERT(row && slot < LanguageSlotCount);
    return row ? row->texts[slot] : QStringView();
}

bool IsOwnMessage(MessageId id)
{
    return FindOwnRow(id) != nullptr;
}

int OwnMessageCount()
{
    return kOwnRowCount;
}

MessageId OwnMessageAt(int index)
{
    Q_ASSERT(index >= 0 && index < kOwnRowCount);
    return kOwnRows[index].id;
}
