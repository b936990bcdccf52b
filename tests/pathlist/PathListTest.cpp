#include "pathlist/PathList.h"

#include "pathlist/Cp932CodePage.h"
#include "tests/pathlist/TestRules.h"
#ifdef _WIN32
#include "tests/pathlist/AnsiCrtCodePage.h"
#endif

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Code page 932 bytes of the names used below.
const std::string SO_FUTO = "\x83\x5c\x83\x74\x83\x67"; // ソフト: ソ's trail byte is "\"
const std::string HYOU = "\x95\x5c";                    // 表: trail byte "\"
const std::string TSU = "\x83\x63";                     // ツ: trail byte "c"

// The ANSI names of the list under each code page's rules; the exact names
// are the same bytes, one unit each.
class PathListTest : public testing::TestWithParam<const CCodePage*>
{
protected:
    PathListTest() : list(*GetParam(), unicodeCase) {}

    bool Drop(const std::vector<std::string>& paths)
    {
        std::vector<std::wstring> exact;
        for (const std::string& path : paths)
            exact.emplace_back(path.begin(), path.end());
        CTestIntake intake(exact, paths);
        return list.AcceptDrop(intake);
    }

    std::string Shown(CPathList::CaseMode nCaseMode) { return AnsiTextInCase(list, nCaseMode); }
    std::string Paths() { return Shown(CPathList::CASE_AS_STORED); }

    // Moves both modes away from 0, so a test can see whether something resets them.
    void SetModesNonZero()
    {
        list.ToggleSlashes();
        list.CycleCase();
        list.CycleCase();
    }

    const CTestUnicodeCase unicodeCase;
    CPathList list;
};

TEST_P(PathListTest, StartsEmptyWithCountZero)
{
    EXPECT_EQ(Paths(), "");
    EXPECT_STREQ(list.GetCountText(), L"0");
    EXPECT_EQ(list.GetSlashMode(), 0);
    EXPECT_EQ(list.GetCaseMode(), 0);
}

TEST_P(PathListTest, JoinsPathsInDropOrderWithCrLfBetween)
{
    ASSERT_TRUE(Drop({"C:\\one.txt"}));
    EXPECT_EQ(Paths(), "C:\\one.txt");
    EXPECT_STREQ(list.GetCountText(), L"1");

    ASSERT_TRUE(Drop({"C:\\b", "C:\\a", "D:\\c"}));
    EXPECT_EQ(Paths(), "C:\\b\r\nC:\\a\r\nD:\\c");
    EXPECT_STREQ(list.GetCountText(), L"3");
}

TEST_P(PathListTest, DropReplacesListAndResetsModes)
{
    ASSERT_TRUE(Drop({"C:\\old1", "C:\\old2"}));
    SetModesNonZero();
    ASSERT_TRUE(Drop({"E:\\new"}));
    EXPECT_EQ(Paths(), "E:\\new");
    EXPECT_EQ(list.GetSlashMode(), 0);
    EXPECT_EQ(list.GetCaseMode(), 0);

    ASSERT_TRUE(Drop({}));
    EXPECT_EQ(Paths(), "");
    EXPECT_STREQ(list.GetCountText(), L"0");
}

TEST_P(PathListTest, TakesNinetyNineItems)
{
    std::vector<std::string> paths;
    std::string expected;
    for (int i = 0; i < 99; ++i) {
        paths.push_back("C:\\f" + std::to_string(i));
        expected += (i ? "\r\n" : "") + paths.back();
    }
    ASSERT_TRUE(Drop(paths));
    EXPECT_EQ(Paths(), expected);
    EXPECT_STREQ(list.GetCountText(), L"99");

    // Fewer digits than before: the old second digit must not show through.
    ASSERT_TRUE(Drop({"C:\\one"}));
    EXPECT_STREQ(list.GetCountText(), L"1");
}

// A refused drop leaves everything as the window still shows it.
TEST_P(PathListTest, RefusedDropChangesNothingAndFetchesNothing)
{
    ASSERT_TRUE(Drop({"C:\\Keep\\a.txt", "C:\\Keep\\b.txt"}));
    SetModesNonZero();
    const std::string before = Paths();

    for (unsigned count : {100u, 100000u, 0xFFFFFFFFu}) {
        CTestIntake intake(count);
        EXPECT_FALSE(list.AcceptDrop(intake)) << count;
        EXPECT_EQ(intake.m_nFetched, 0) << count;
        EXPECT_EQ(Paths(), before) << count;
        EXPECT_STREQ(list.GetCountText(), L"2") << count;
        EXPECT_EQ(list.GetSlashMode(), 1) << count;
        EXPECT_EQ(list.GetCaseMode(), 2) << count;
    }
}

TEST_P(PathListTest, StoresLongPathsWhole)
{
    const std::string longPath = "C:\\" + std::string(297, 'a');
    const std::string longestPath = "\\\\?\\C:\\" + std::string(32760, 'b');
    ASSERT_TRUE(Drop({longPath, longestPath}));
    EXPECT_EQ(Paths(), longPath + "\r\n" + longestPath);
}

TEST_P(PathListTest, SeparatorSwitchRoundTrips)
{
    ASSERT_TRUE(Drop({"C:\\Dir\\a.txt", "\\\\server\\share\\b"}));
    list.ToggleSlashes();
    EXPECT_EQ(Paths(), "C:/Dir/a.txt\r\n//server/share/b");
    EXPECT_EQ(list.GetSlashMode(), 1);
    list.ToggleSlashes();
    EXPECT_EQ(Paths(), "C:\\Dir\\a.txt\r\n\\\\server\\share\\b");
    EXPECT_EQ(list.GetSlashMode(), 0);
}

// Trail bytes equal to "\" belong to their character and never switch.
TEST_P(PathListTest, SeparatorSwitchKeepsDoubleByteCharactersWhole)
{
    const std::string path = "C:\\" + SO_FUTO + "\\" + HYOU + ".txt";
    ASSERT_TRUE(Drop({path}));
    list.ToggleSlashes();
    EXPECT_EQ(Paths(), "C:/" + SO_FUTO + "/" + HYOU + ".txt");
    list.ToggleSlashes();
    EXPECT_EQ(Paths(), path);
}

TEST_P(PathListTest, LoneLeadByteAtEndStandsAlone)
{
    ASSERT_TRUE(Drop({"a\\b\x83"}));
    list.ToggleSlashes();
    EXPECT_EQ(Paths(), "a/b\x83");
    EXPECT_EQ(Shown(CPathList::CASE_UPPER), "A/B\x83");
}

TEST_P(PathListTest, ConversionsOnEmptyListChangeOnlyModes)
{
    list.ToggleSlashes();
    EXPECT_EQ(list.GetSlashMode(), 1);
    EXPECT_EQ(list.CycleCase(), 1);
    EXPECT_EQ(list.GetAnsiText(), "");
}

TEST_P(PathListTest, CaseCycleShowsUpperLowerThenStoredWithoutTouchingList)
{
    const std::string path = "C:\\Program Files\\" + TSU + "Mixed.Txt";
    ASSERT_TRUE(Drop({path}));
    EXPECT_EQ(list.CycleCase(), 1);
    EXPECT_EQ(Shown(CPathList::CASE_UPPER), "C:\\PROGRAM FILES\\" + TSU + "MIXED.TXT");
    EXPECT_EQ(list.CycleCase(), 2);
    EXPECT_EQ(Shown(CPathList::CASE_LOWER), "c:\\program files\\" + TSU + "mixed.txt");
    EXPECT_EQ(list.CycleCase(), 0);
    EXPECT_EQ(Shown(CPathList::CASE_AS_STORED), path);
    EXPECT_EQ(Paths(), path);
}

TEST_P(PathListTest, CaseAndSeparatorModesAreIndependent)
{
    ASSERT_TRUE(Drop({"C:\\Dir\\" + SO_FUTO + "\\a.txt"}));
    list.CycleCase();
    list.ToggleSlashes();
    EXPECT_EQ(list.GetCaseMode(), 1);
    EXPECT_EQ(list.GetAnsiText(), "C:/DIR/" + SO_FUTO + "/A.TXT");
    EXPECT_EQ(Paths(), "C:/Dir/" + SO_FUTO + "/a.txt");
}

const CCp932CodePage builtInCp932;
// One code page per instantiation, which its prefix names: a readable suffix
// in place of the pointer's value.
std::string RulesSuffix(const testing::TestParamInfo<const CCodePage*>&)
{
    return "Rules";
}

INSTANTIATE_TEST_SUITE_P(BuiltInCp932, PathListTest, testing::Values(&builtInCp932), RulesSuffix);

#ifdef _WIN32
// The same cases against the C runtime's rules for the ANSI code page.
INSTANTIATE_TEST_SUITE_P(CrtAnsi, PathListTest,
                         testing::Values<const CCodePage*>(&AnsiCrtCodePage()), RulesSuffix);
#endif

// The exact names, in UTF-16: the same list over wide characters.
TEST(WidePathListTest, KeepsExactNamesUnderTheSameRulesAsTheAnsiList)
{
    const CTestUnicodeCase unicodeCase;
    const CCp932CodePage codePage;
    CPathList list(codePage, unicodeCase);
    CTestIntake intake({L"C:\\한글\\é.Txt", L"D:\\😀\\〜"});
    ASSERT_TRUE(list.AcceptDrop(intake));
    EXPECT_EQ(list.GetText(), L"C:\\한글\\é.Txt\r\nD:\\😀\\〜");
    EXPECT_STREQ(list.GetCountText(), L"2");

    list.ToggleSlashes();
    list.CycleCase();
    EXPECT_EQ(list.GetText(), L"C:/한글/É.TXT\r\nD:/😀/〜");
    list.CycleCase();
    EXPECT_EQ(list.GetText(), L"c:/한글/é.txt\r\nd:/😀/〜");
    list.ToggleSlashes();
    list.CycleCase();
    EXPECT_EQ(list.GetText(), L"C:\\한글\\é.Txt\r\nD:\\😀\\〜");

    CTestIntake tooMany(100);
    EXPECT_FALSE(list.AcceptDrop(tooMany));
    EXPECT_EQ(list.GetText(), L"C:\\한글\\é.Txt\r\nD:\\😀\\〜");
}

} // namespace
