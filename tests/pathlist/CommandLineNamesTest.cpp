#include "pathlist/CommandLineNames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using Names = std::vector<std::wstring>;

// Lines as launchers, file associations ("%1"), Send To and scripts write
// them: every "\" a character, quotes only around or inside names.
TEST(CommandLineNamesTest, QuotesOnlyGroupAndBackslashesAreCharacters)
{
    const struct
    {
        const wchar_t* line;
        Names names;
    } cases[] = {
        {LR"(Vexlo.exe "C:\" "C:\dir\a b.txt")", {LR"(C:\)", LR"(C:\dir\a b.txt)"}},
        {LR"(Vexlo.exe "D:\work\")", {LR"(D:\work\)"}},
        {LR"(Vexlo.exe "\\server\share\" \\server\share\dir)",
         {LR"(\\server\share\)", LR"(\\server\share\dir)"}},
        {LR"(Vexlo.exe C:\a "C:\b c" D:\d\ "E:\")",
         {LR"(C:\a)", LR"(C:\b c)", LR"(D:\d\)", LR"(E:\)"}},
        {LR"(Vexlo.exe C:\"a b"\c "d"e)", {LR"(C:\a b\c)", L"de"}},
        {LR"(Vexlo.exe "" C:\a "" "")", {LR"(C:\a)"}},
        {L"Vexlo.exe\tC:\\a\t \t\"C:\\b\tc\"\t", {LR"(C:\a)", L"C:\\b\tc"}},
        {LR"(Vexlo.exe ")", {}},
        {LR"(Vexlo.exe C:\a ")", {LR"(C:\a)"}},
        {LR"(Vexlo.exe "C:\a b)", {LR"(C:\a b)"}},
        {LR"(Vexlo.exe C:\a" b)", {LR"(C:\a b)"}},
        // The program's own name, quoted or not, is no name.
        {LR"("C:\Program Files\Vexlo\Vexlo.exe" C:\a)", {LR"(C:\a)"}},
        {LR"("C:\Program Files\Vexlo\Vexlo.exe")", {}},
        {LR"(C:\Vexlo\Vexlo.exe   )", {}},
        {LR"("C:\Vexlo\"Vexlo.exe C:\a)", {LR"(C:\a)"}},
        {L"", {}},
        // A line starting with a blank has an empty program name.
        {LR"( C:\a)", {LR"(C:\a)"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CommandLineNames(c.line), c.names)
            << '[' << testing::PrintToString(std::wstring(c.line)) << ']';
}
} // namespace
