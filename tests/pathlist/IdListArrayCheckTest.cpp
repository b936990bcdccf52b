#include "pathlist/IdListArrayCheck.h"

#include "tests/support/BlockCase.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>

namespace {
using namespace std::string_literals;

// 32-bit fields in little-endian order: the count, then the offsets.
std::string Fields(std::initializer_list<uint32_t> fields)
{
    std::string bytes;
    for (uint32_t field : fields)
        for (int shift = 0; shift < 32; shift += 8)
            bytes += static_cast<char>(field >> shift & 0xFF);
    return bytes;
}

// An SHITEMID holding `data`, its cb counting itself.
std::string Item(const std::string& data)
{
    const size_t cb = data.size() + 2;
    return std::string{static_cast<char>(cb & 0xFF), static_cast<char>(cb >> 8)} + data;
}

const std::string END = "\0\0"s;

// 2^15 offsets, all naming one chain of 2^17 items: checked in a millisecond,
// where walking each list anew takes 2^32 steps, seconds.
std::string OneChainNamedByAll()
{
    constexpr uint32_t nOffsets = 1 << 15;
    std::string block = Fields({nOffsets - 1});
    for (uint32_t i = 0; i < nOffsets; ++i)
        block += Fields({4 * (nOffsets + 1)});
    for (int i = 0; i < 1 << 17; ++i)
        block += Item("");
    return block + END;
}

TEST(IdListArrayCheckTest, AcceptsOnlyListsEndedInsideTheBlock)
{
    const BlockCase cases[] = {
        {"no bytes", "", false},
        {"count cut short", Fields({0}).substr(0, 3), false},
        {"count alone", Fields({0}), false},
        {"offsets past the end", Fields({2, 12, 12}) + END, false},
        {"cidl 0xFFFFFFFF", Fields({0xFFFFFFFF, 8}) + END, false},
        {"cidl 0x3FFFFFFF", Fields({0x3FFFFFFF, 8}) + END, false},

        {"no items", Fields({0, 8}) + END, true},
        {"one item", Fields({1, 12, 14}) + END + Item("file") + END, true},
        {"several items",
         Fields({3, 20, 32, 37, 42}) + Item("dir") + Item("sub") + END + Item("a") + END +
             Item("b") + END + Item("c") + END,
         true},
        {"items sharing one list", Fields({2, 16, 18, 18}) + END + Item("same") + END, true},
        {"an item inside the parent's list", Fields({1, 12, 17}) + Item("dir") + Item("a") + END,
         true},
        {"odd offsets past a gap", Fields({1, 13, 15}) + "?" + END + Item("x") + END, true},
        {"an item of cb 2", Fields({1, 12, 14}) + END + Item("") + END, true},
        {"one chain named by every offset", OneChainNamedByAll(), true},

        {"parent's offset at the end", Fields({0, 10}) + END, false},
        {"item's offset huge", Fields({1, 12, 0xFFFFFFFF}) + END, false},
        {"cb 1", Fields({1, 12, 14}) + END + "\1\0"s + END, false},
        {"cb past the end", Fields({1, 12, 14}) + END + "\x09\0abc"s, false},
        {"no terminator", Fields({1, 12, 14}) + END + Item("file"), false},
        {"terminator half inside", Fields({1, 12, 14}) + END + Item("file") + "\0"s, false},
        {"an offset inside an item walked", Fields({1, 12, 13}) + Item("\xFF\xFF") + END, false},
    };
    for (const BlockCase& c : cases) {
        const auto copy = ExactCopy(c.block);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(IsReadableIdListArray(copy.get(), c.block.size()), c.readable) << c.what;
        const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
        EXPECT_LT(seconds.count(), 1.0) << c.what;
    }
    EXPECT_FALSE(IsReadableIdListArray(nullptr, 100));
}

} // namespace
