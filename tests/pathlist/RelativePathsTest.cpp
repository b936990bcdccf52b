#include "pathlist/RelativePaths.h"

#include "tests/pathlist/TestRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(RelativePathsTest, EachStartsAfterTheDeepestFolderHoldingEveryLine)
{
    const std::vector<std::vector<std::wstring>> rows[] = {
        {{LR"(C:\dir\a b.txt)", LR"(C:\dir\sub\c.txt)"}, {L"a b.txt", LR"(sub\c.txt)"}},
        {{LR"(C:\dir\a)"}, {L"a"}},
        {{LR"(C:\Dir\a)", LR"(c:\DIR\Sub\b)"}, {L"a", LR"(Sub\b)"}},
        {{LR"(C:\Ｄｉｒ\表)", LR"(C:\ｄｉｒ\表2)"}, {L"表", L"表2"}},
        {{L"C:/dir/sub/", L"C:/dir/x"}, {L"sub/", L"x"}},
        {{LR"(\\?\UNC\srv\sh\a)", LR"(\\SRV\SH\b)"}, {L"a", L"b"}},
        {{LR"(C:\a\x)", LR"(\\?\C:\b)"}, {LR"(a\x)", L"b"}},
        {{LR"(C:\ab\x)", LR"(C:\a\y)"}, {LR"(ab\x)", LR"(a\y)"}},
        {{LR"(C:\d)", LR"(C:\d\a)"}, {L"d", LR"(d\a)"}},
        {{L"", LR"(C:\d\a)", LR"(C:\d\b)"}, {L"", L"a", L"b"}},
        // No folder holds them all: each stays whole, its prefix read away.
        {{LR"(C:\a)", LR"(\\?\D:\b)"}, {LR"(C:\a)", LR"(D:\b)"}},
        {{LR"(\\s1\sh\a)", LR"(\\s2\sh\b)"}, {LR"(\\s1\sh\a)", LR"(\\s2\sh\b)"}},
        {{LR"(\\srv\sh)", LR"(\\srv\sh\a)"}, {LR"(\\srv\sh)", LR"(\\srv\sh\a)"}},
        {{LR"(C:\)", LR"(C:\a)"}, {LR"(C:\)", LR"(C:\a)"}}};
    for (const auto& row : rows) {
        const std::vector<std::wstring_view> lines(row[0].begin(), row[0].end());
        const size_t nFolderNames = CommonFolderNames(lines, CTestNameRules());
        std::vector<std::wstring> relative;
        for (std::wstring_view line : lines)
            relative.push_back(RelativePath(line, nFolderNames));
        EXPECT_EQ(relative, row[1]) << testing::PrintToString(row[0]);
    }
}

} // namespace
