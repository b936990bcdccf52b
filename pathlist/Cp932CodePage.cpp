#include "pathlist/Cp932CodePage.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

struct CaseChange
{
    std::uint16_t from;
    std::uint16_t to;
};

#include "pathlist/Cp932CaseTable.inc"

template <std::size_t N> constexpr std::size_t CountLeadBytes(const CaseChange (&changes)[N])
{
    bool seen[256] = {};
    std::size_t count = 0;
    for (const CaseChange& change : changes) {
        const unsigned lead = change.from >> 8;
        count += seen[lead] ? 0 : 1;
        seen[lead] = true;
    }
    return count;
}

// Row 0 is all zeros, shared by every lead byte without changes.
constexpr std::size_t ROWS =
    1 + std::max(CountLeadBytes(UPPER_CASE_CHANGES), CountLeadBytes(LOWER_CASE_CHANGES));

// One direction of conversion, laid out for one look-up per character and no
// search: a double-byte character's lead byte picks a row, its trail byte the
// character it becomes (0 where it stays). Built by the compiler.
struct CaseRules
{
    template <std::size_t N>
    constexpr CaseRules(char first, const CaseChange (&changes)[N]) : firstLetter(first)
    {
        std::uint8_t rowsUsed = 1;
        for (const CaseChange& change : changes) {
            std::uint8_t& row = rowOf[change.from >> 8];
            if (row == 0)
                row = rowsUsed++;
            rows[row][change.from & 0xFF] = change.to;
        }
    }

    // 'a' or 'A': the first of the 26 single-byte letters that change.
    char firstLetter;
    std::uint8_t rowOf[256] = {};
    std::uint16_t rows[ROWS][256] = {};
};

constexpr CaseRules UPPER_CASE_RULES('a', UPPER_CASE_CHANGES);
constexpr CaseRules LOWER_CASE_RULES('A', LOWER_CASE_CHANGES);

void Convert(const CCodePage& codePage, const CaseRules& rules, std::string& text)
{
    char* const bytes = text.data();
    const std::size_t length = text.size();
    for (std::size_t i = 0; i < length; ++i) {
        const unsigned char byte = static_cast<unsigned char>(bytes[i]);
        if (!codePage.IsLeadByte(byte)) {
            // Only A-Z and a-z: 0xA1-0xDF are half-width katakana, not letters.
            if (static_cast<unsigned char>(bytes[i] - rules.firstLetter) < 26)
                bytes[i] ^= 0x20;
        } else if (i + 1 < length) {
            // A lead byte at the very end has no trail and stays as it is.
            const unsigned char trail = static_cast<unsigned char>(bytes[i + 1]);
            if (const std::uint16_t to = rules.rows[rules.rowOf[byte]][trail]) {
                bytes[i] = static_cast<char>(to >> 8);
                bytes[i + 1] = static_cast<char>(to & 0xFF);
            }
            ++i;
        }
    }
}

} // namespace

CCp932CodePage::CCp932CodePage()
{
    for (unsigned byte = 0x81; byte <= 0x9F; ++byte)
        SetLeadByte(static_cast<unsigned char>(byte));
    for (unsigned byte = 0xE0; byte <= 0xFC; ++byte)
        SetLeadByte(static_cast<unsigned char>(byte));
}

void CCp932CodePage::MakeUpper(std::string& text) const
{
    Convert(*this, UPPER_CASE_RULES, text);
}

void CCp932CodePage::MakeLower(std::string& text) const
{
    Convert(*this, LOWER_CASE_RULES, text);
}
