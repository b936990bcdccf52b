#include "pathlist/PathForms.h"

#include "tests/pathlist/TestRules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PathFormsTest, NameWithoutExtensionCutsAtTheLastDotOfAFile)
{
    const auto file = [](std::wstring_view line) {
        return NameWithoutExtension(line, false);
    };
    ExpectLines(file, {{LR"(C:\dir\a b.txt)", L"a b"},
                       {LR"(C:\a.tar.gz)", L"a.tar"},
                       {LR"(C:\.gitignore)", L".gitignore"},
                       {LR"(C:\..a)", L"..a"},
                       {LR"(C:\a..b)", L"a."},
                       {LR"(C:\d.x\f)", L"f"},
                       {L"C:/D/F.TXT", L"F"},
                       {LR"(\\?\C:\表\日本.テキスト)", L"日本"},
                       {LR"(\\srv\sh\x.y)", L"x"},
                       {L"", L""}});
    const auto folder = [](std::wstring_view line) {
        return NameWithoutExtension(line, true);
    };
    ExpectLines(
        folder,
        {{LR"(C:\v1.2)", L"v1.2"}, {LR"(\\?\UNC\srv\sh\d.e\)", L"d.e"}, {LR"(C:\)", LR"(C:\)"}});
}

} // namespace
