#include "pathlist/DropFilesCheck.h"

#include "tests/support/BlockCase.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {
using namespace std::string_literals;

// A DROPFILES header, then `list` as it is. pt and fNC hold nonzero junk, so a
// field read from the wrong place shows.
std::string Block(uint32_t pFiles, uint32_t fWide, const std::string& list)
{
    std::string block;
    for (uint32_t field : {pFiles, 0xFFFFFFFFu, 0xFFFFFFFFu, 1u, fWide})
        for (int shift = 0; shift < 32; shift += 8)
            block += static_cast<char>(field >> shift & 0xFF);
    return block + list;
}

// `text` in UTF-16LE units.
std::string Wide(const std::string& text)
{
    std::string units;
    for (char c : text)
        units += {c, '\0'};
    return units;
}

TEST(DropFilesCheckTest, AcceptsOnlyListsEndedInsideTheBlock)
{
    // The units 'a', 0x6200, NUL: its NUL bytes pair only across units.
    const std::string nulBytesAcrossUnits = "a\0\0b\0\0"s;
    const BlockCase cases[] = {
        {"no bytes", "", false},
        {"19 bytes of header", Block(20, 0, "").substr(0, 19), false},
        {"header alone", Block(20, 0, ""), false},
        {"pFiles inside the header", Block(19, 0, "\0\0"s), false},
        {"pFiles at the end", Block(22, 0, "\0\0"s), false},
        {"pFiles huge", Block(0xFFFFFFFF, 0, "\0\0"s), false},
        {"pFiles at the last byte", Block(21, 0, "x\0"s), true},
        {"pFiles past a gap", Block(24, 0, "gap!a\0\0"s), true},
        {"pFiles past an empty list", Block(21, 0, "\0a\0"s), false},

        {"ANSI, one name", Block(20, 0, "C:\\a.txt\0\0"s), true},
        {"ANSI, three names", Block(20, 0, "C:\\a\0C:\\b\0D:\\c\0\0"s), true},
        {"ANSI, empty list", Block(20, 0, "\0"s), true},
        {"ANSI, no empty name after the last", Block(20, 0, "C:\\a\0C:\\b\0"s), false},
        {"ANSI, no NUL after the last name", Block(20, 0, "C:\\a\0C:\\b"s), false},
        {"ANSI, NUL bytes across units", Block(20, 0, nulBytesAcrossUnits), true},

        {"wide, one name", Block(20, 1, Wide("C:\\a.txt\0\0"s)), true},
        {"wide, three names", Block(20, 1, Wide("C:\\a\0C:\\b\0D:\\c\0\0"s)), true},
        {"wide, empty list", Block(20, 1, Wide("\0"s)), true},
        {"wide, no empty name after the last", Block(20, 1, Wide("C:\\a\0"s)), false},
        {"wide, no NUL after the last name", Block(20, 1, Wide("C:\\a"s)), false},
        {"wide, NUL bytes across units", Block(20, 1, nulBytesAcrossUnits), false},
        {"wide, one byte", Block(20, 1, "\0"s), false},
        {"wide, odd byte after the list", Block(20, 1, Wide("a\0\0"s) + "x"), true},
        {"wide, end straddling the block's end", Block(20, 1, Wide("a\0"s) + "\0"s), false},
        {"wide, units counted from an odd pFiles", Block(21, 1, "x" + Wide("a\0\0"s)), true},
        {"fWide 0x100", Block(20, 0x100, nulBytesAcrossUnits), false},
        {"fWide 0x80000000", Block(20, 0x80000000, nulBytesAcrossUnits), false},
        {"fWide 0xFFFFFFFF", Block(20, 0xFFFFFFFF, nulBytesAcrossUnits), false},
    };
    for (const BlockCase& c : cases) {
        const auto copy = ExactCopy(c.block);
        EXPECT_EQ(IsReadableDropFiles(copy.get(), c.block.size()), c.readable) << c.what;
    }
    EXPECT_FALSE(IsReadableDropFiles(nullptr, 100));
}

// A list names nothing when its first name is empty, whatever follows it.
TEST(DropFilesCheckTest, TellsAListThatNamesNothing)
{
    const struct
    {
        const char* what;
        std::string block;
        bool empty;
    } cases[] = {
        {"ANSI, empty list", Block(20, 0, "\0"s), true},
        {"ANSI, empty first name", Block(20, 0, "\0C:\\a\0\0"s), true},
        {"ANSI, one name", Block(20, 0, "C:\\a\0\0"s), false},
        {"ANSI, past a gap", Block(24, 0, "\0\0\0\0a\0\0"s), false},
        {"wide, empty list", Block(20, 1, Wide("\0"s)), true},
        {"wide, empty first name", Block(20, 1, Wide("\0C:\\a\0\0"s)), true},
        {"wide, first unit 0x6200", Block(20, 1, "\0b\0\0\0\0"s), false},
        {"wide, first unit 0x0061", Block(20, 1, Wide("a\0\0"s)), false},
        {"wide, from an odd pFiles", Block(21, 1, "x" + Wide("\0"s)), true},
    };
    for (const auto& c : cases) {
        const auto copy = std::make_unique<unsigned char[]>(c.block.size());
        std::copy(c.block.begin(), c.block.end(), copy.get());
        ASSERT_TRUE(IsReadableDropFiles(copy.get(), c.block.size())) << c.what;
        EXPECT_EQ(IsEmptyDropFiles(copy.get()), c.empty) << c.what;
    }
}

} // namespace
