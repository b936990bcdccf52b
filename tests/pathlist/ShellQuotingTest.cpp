#include "pathlist/ShellQuoting.h"

#include "tests/pathlist/TestRules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// As CommandLineToArgvW reads an argument back: the backslashes before the
// closing quote doubled, no other.
TEST(ShellQuotingTest, ArgumentQuotedDoublesTheBackslashesBeforeTheClosingQuote)
{
    ExpectLines(ArgumentQuoted, {{LR"(C:\)", LR"("C:\\")"},
                                 {LR"(D:\work\)", LR"("D:\work\\")"},
                                 {LR"(\\?\UNC\s\sh\d\\)", LR"("\\?\UNC\s\sh\d\\\\")"},
                                 {LR"(C:\a b\c.txt)", LR"("C:\a b\c.txt")"},
                                 {L"C:/d/", L"\"C:/d/\""},
                                 {L"", L"\"\""}});
}
TEST(ShellQuotingTest, QuotedIfNeededQuotesForCmdsSpecialCharactersOnly)
{
    for (wchar_t ch : std::wstring(L" &()[]{}^=;!'+,`~"))
        EXPECT_EQ(QuotedIfNeeded(std::wstring(L"C:\\") + ch), std::wstring(L"\"C:\\") + ch + L'"');
    ExpectLines(QuotedIfNeeded, {{LR"(C:\x.txt)", LR"(C:\x.txt)"},
                                 {LR"(C:/a-b_c@#$%.txt)", LR"(C:/a-b_c@#$%.txt)"},
                                 {LR"(\\?\C:\表 x)", LR"("\\?\C:\表 x")"},
                                 {LR"(\\srv\sh\日本)", LR"(\\srv\sh\日本)"},
                                 {LR"(C:\)", LR"(C:\)"},
                                 {LR"(D:\my work\)", LR"("D:\my work\\")"},
                                 {L"", L"\"\""}});
}
TEST(ShellQuotingTest, PowerShellDoublesEverySingleQuote)
{
    ExpectLines(PowerShellQuoted, {{LR"(C:\dir\a b.txt)", LR"('C:\dir\a b.txt')"},
                                   {LR"(C:\it's $x)", LR"('C:\it''s $x')"},
                                   {L"C:\\‘a’b‚c‛", L"'C:\\‘‘a’’b‚‚c‛‛'"},
                                   {LR"(\\?\UNC\srv\sh\表)", LR"('\\?\UNC\srv\sh\表')"},
                                   {L"", L"''"}});
}
TEST(ShellQuotingTest, BashQuotesTheWslAndGitBashPaths)
{
    ExpectLines(WslQuoted, {{LR"(C:\dir\a b.txt)", L"'/mnt/c/dir/a b.txt'"},
                            {LR"(C:\it's)", LR"('/mnt/c/it'\''s')"},
                            {LR"(\\?\UNC\srv\sh\$x "y")", LR"('//srv/sh/$x "y"')"},
                            {LR"(\\?\D:\表)", L"'/mnt/d/表'"},
                            {L"", L"''"}});
    ExpectLines(GitBashQuoted,
                {{LR"(C:\x.txt)", L"'/c/x.txt'"}, {LR"(C:\'')", LR"('/c/'\'''\''')"}});
}

} // namespace
