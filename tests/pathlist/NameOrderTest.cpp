#include "pathlist/NameOrder.h"

#include "tests/pathlist/TestRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// A natural order like the shell's: ASCII case ignored, digit runs by value,
// other characters by code unit.
class CFakeRules : public CTestNameRules
{
public:
    using CTestNameRules::CTestNameRules;

    int Compare(const std::wstring& a, const std::wstring& b) const override
    {
        size_t i = 0, j = 0;
        while (i < a.size() && j < b.size()) {
            const auto x = Next(a, i), y = Next(b, j);
            if (x != y)
                return x < y ? -1 : 1;
        }
        return (i < a.size()) - (j < b.size());
    }

private:
    // Digit runs before any other character, as the shell puts them.
    static std::pair<int, unsigned long> Next(const std::wstring& text, size_t& i)
    {
        if (text[i] < L'0' || text[i] > L'9') {
            const wchar_t ch = text[i++];
            return {1, ch >= L'A' && ch <= L'Z' ? ch + (L'a' - L'A') : ch};
        }
        unsigned long value = 0;
        for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i)
            value = value * 10 + (text[i] - L'0');
        return {0, value};
    }
};

struct COrderCase
{
    std::vector<std::wstring> names;
    std::set<std::wstring> folders;
    std::vector<std::wstring> expected;
};

const std::wstring PAIR = L"\xD83D\xDE00"; // U+1F600, one surrogate pair

TEST(NameOrderTest, ByParentThenFoldersFirstThenNameAskingEachPathOnce)
{
    const std::vector<COrderCase> rows = {
        {{}, {}, {}},
        {{LR"(C:\d\x)"}, {}, {LR"(C:\d\x)"}},
        // Digits by value, case ignored; equal names keep their given order.
        {{LR"(C:\d\a10)", LR"(C:\d\a2)", LR"(C:\d\B)", LR"(C:\d\b)", LR"(C:\d\A1)"},
         {},
         {LR"(C:\d\A1)", LR"(C:\d\a2)", LR"(C:\d\a10)", LR"(C:\d\B)", LR"(C:\d\b)"}},
        // Folders first only within a parent; a trailing separator set aside.
        {{LR"(C:\d\b.txt)", LR"(C:\d\z\)", LR"(C:\c\f)", LR"(C:\d\m)", LR"(C:\d\a)"},
         {LR"(C:\d\z\)", LR"(C:\d\m)"},
         {LR"(C:\c\f)", LR"(C:\d\m)", LR"(C:\d\z\)", LR"(C:\d\a)", LR"(C:\d\b.txt)"}},
        // Same names in parents ordered naturally; "/" is "\".
        {{LR"(C:\d10\x)", LR"(C:/d2/x)", LR"(C:\d2\w)", LR"(C:\d1\x)"},
         {},
         {LR"(C:\d1\x)", LR"(C:\d2\w)", LR"(C:/d2/x)", LR"(C:\d10\x)"}},
        // Drive roots and servers are names in no folder; prefixes read away.
        {{LR"(C:\a)", LR"(\\?\D:\)", LR"(C:\)", LR"(\\s\sh)", LR"(\\s)"},
         {},
         {LR"(\\s)", LR"(C:\)", LR"(\\?\D:\)", LR"(\\s\sh)", LR"(C:\a)"}},
        {{LR"(\\s10\x\f)", LR"(\\?\UNC\s3\x\f)", LR"(C:\e\f)", LR"(\\?\C:\d\f)", LR"(\\s2\x\f)",
          LR"(C:\c\f)"},
         {},
         {LR"(\\s2\x\f)", LR"(\\?\UNC\s3\x\f)", LR"(\\s10\x\f)", LR"(C:\c\f)", LR"(\\?\C:\d\f)",
          LR"(C:\e\f)"}},
        // Other characters kept as they are, a surrogate pair included.
        {{L"C:\\" + PAIR + L"\\b", L"C:\\" + PAIR + L"\\a" + PAIR, L"C:\\\x00E9\\z"},
         {},
         {L"C:\\\x00E9\\z", L"C:\\" + PAIR + L"\\a" + PAIR, L"C:\\" + PAIR + L"\\b"}},
    };
    for (size_t r = 0; r < rows.size(); ++r) {
        CFakeRules rules(rows[r].folders);
        std::vector<std::wstring> ordered;
        for (size_t i : NameOrder(rows[r].names, rules))
            ordered.push_back(rows[r].names.at(i));
        EXPECT_EQ(ordered, rows[r].expected) << "row " << r;
        std::vector<std::wstring> names = rows[r].names;
        std::sort(names.begin(), names.end());
        std::sort(rules.m_asked.begin(), rules.m_asked.end());
        EXPECT_EQ(rules.m_asked, names) << "row " << r;
    }
}

TEST(NameOrderTest, KeepsTheGivenOrderOfEqualKeys)
{
    // Enough of them that a sort which is not stable shows it.
    const std::vector<std::wstring> names(64, LR"(C:\d\x)");
    std::vector<size_t> given(names.size());
    std::iota(given.begin(), given.end(), size_t{0});
    EXPECT_EQ(NameOrder(names, CFakeRules()), given);
}

} // namespace
