#pragma once

#include "i18n/MessageCatalog.h"

#include <array>
#include <cstddef>

// A catalogue table laid out again at compile time, language by language. Written as rows of
// views, each row's texts lie wherever the compiler put its literals, so the texts of the one
// language a run uses are spread among those of the fourteen others, and the first lookups bring
// nearly the whole table into memory. Packed, one language's texts share a few pages. The views
// are only read while compiling, so the binary holds the packed copy alone.
template<std::size_t Rows, std::size_t Chars> class CPackedTexts
{
public:
    // `textOf(row, slot)` gives the table's text as written.
    template<typename TextOf> constexpr explicit CPackedTexts(TextOf textOf)
    {
        std::size_t at = 0;
        for (LanguageSlot slot = 0; slot < LanguageSlotCount; ++slot) {
            for (std::size_t row = 0; row < Rows; ++row) {
                m_starts[slot][row] = quint32(at);
                const QStringView text = textOf(row, slot);
                for (qsizetype i = 0; i < text.size(); ++i)
                    m_chars[at++] = text.utf16()[i];
            }
            m_starts[slot][Rows] = quint32(at);
        }
    }

    constexpr QStringView Text(std::size_t row, LanguageSlot slot) const
    {
        const quint32 begin = m_starts[slot][row];
        return QStringView(m_chars.data() + begin, qsizetype(m_starts[slot][row + 1] - begin));
    }

    // Whether every text reads back as `textOf` gives it; for a static_assert.
    template<typename TextOf> constexpr bool ReadsBack(TextOf textOf) const
    {
        for (LanguageSlot slot = 0; slot < LanguageSlotCount; ++slot) {
            for (std::size_t row = 0; row < Rows; ++row) {
                const QStringView packed = Text(row, slot);
                const QStringView written = textOf(row, slot);
                if (packed.size() != written.size())
                    return false;
                for (qsizetype i = 0; i < packed.size(); ++i) {
                    if (packed.utf16()[i] != written.utf16()[i])
                        return false;
                }
            }
        }
        return true;
    }

private:
    // For each slot, where each row's text starts, and where the last one ends. Ahead of the
    // texts, so that they share pages with the first slot's, the English.
    std::array<std::array<quint32, Rows + 1>, LanguageSlotCount> m_starts {};
    std::array<char16_t, Chars> m_chars {};
};

// The number of characters CPackedTexts needs for the same table.
template<std::size_t Rows, typename TextOf> constexpr std::size_t PackedLength(TextOf textOf)
{
    std::size_t length = 0;
    for (LanguageSlot slot = 0; slot < LanguageSlotCount; ++slot) {
        for (std::size_t row = 0; row < Rows; ++row)
            length += std::size_t(textOf(row, slot).size());
    }
    return length;
}
