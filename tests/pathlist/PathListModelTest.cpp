#include "pathlist/Cp932CodePage.h"
#include "pathlist/PathList.h"
#include "tests/pathlist/TestRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// ソフト and 表 in code page 932: both end in a "\" byte.
const std::wstring SOFT = L"ソフト";
const std::string SOFT_932 = "\x83\x5c\x83\x74\x83\x67";
const std::string HYOU_932 = "\x95\x5c";

enum Act
{
    TAKE,
    REFUSE, // an intake of 100 items
    SLASH,
    CASE,
    SORT,
    RESTORE
};

struct CStep
{
    Act act;
    std::wstring exact;
    std::string ansi;
    const wchar_t* count;
    bool bNameOrder = false;
};

// Paths in reverse code-unit order; no folders.
class CReverseOrder : public CTestNameRules
{
public:
    int Compare(const std::wstring& a, const std::wstring& b) const override
    {
        return b.compare(a);
    }
};

// Both lists, driven as the window drives them, show the same list in every
// step: taken, refused, switched, cycled and reordered together, and the
// given names follow the order shown.
TEST(PathListModelTest, KeepsBothListsInStep)
{
    const CCp932CodePage codePage;
    const CTestUnicodeCase unicodeCase;
    CPathList model(codePage, unicodeCase);
    const std::vector<std::wstring> exact = {L"C:\\" + SOFT + L"\\Mixed.Txt", L"D:\\表"};
    const std::vector<std::string> ansi = {"C:\\" + SOFT_932 + "\\Mixed.Txt", "D:\\" + HYOU_932};

    const CStep steps[] = {
        {TAKE, L"C:\\ソフト\\Mixed.Txt\r\nD:\\表",
         "C:\\" + SOFT_932 + "\\Mixed.Txt\r\nD:\\" + HYOU_932, L"2"},
        {CASE, L"C:\\ソフト\\MIXED.TXT\r\nD:\\表",
         "C:\\" + SOFT_932 + "\\MIXED.TXT\r\nD:\\" + HYOU_932, L"2"},
        {SLASH, L"C:/ソフト/MIXED.TXT\r\nD:/表", "C:/" + SOFT_932 + "/MIXED.TXT\r\nD:/" + HYOU_932,
         L"2"},
        {CASE, L"c:/ソフト/mixed.txt\r\nd:/表", "c:/" + SOFT_932 + "/mixed.txt\r\nd:/" + HYOU_932,
         L"2"},
        // Refused: both lists keep what they show, modes and all.
        {REFUSE, L"c:/ソフト/mixed.txt\r\nd:/表", "c:/" + SOFT_932 + "/mixed.txt\r\nd:/" + HYOU_932,
         L"2"},
        // Reordered, in the modes of the moment.
        {SORT, L"d:/表\r\nc:/ソフト/mixed.txt",
         "d:/" + HYOU_932 + "\r\nc:/" + SOFT_932 + "/mixed.txt", L"2", true},
        {RESTORE, L"c:/ソフト/mixed.txt\r\nd:/表",
         "c:/" + SOFT_932 + "/mixed.txt\r\nd:/" + HYOU_932, L"2"},
        {CASE, L"C:/ソフト/Mixed.Txt\r\nD:/表", "C:/" + SOFT_932 + "/Mixed.Txt\r\nD:/" + HYOU_932,
         L"2"},
        {SORT, L"D:/表\r\nC:/ソフト/Mixed.Txt",
         "D:/" + HYOU_932 + "\r\nC:/" + SOFT_932 + "/Mixed.Txt", L"2", true},
        // Taken: both start over as given, in the order given.
        {TAKE, L"C:\\ソフト\\Mixed.Txt\r\nD:\\表",
         "C:\\" + SOFT_932 + "\\Mixed.Txt\r\nD:\\" + HYOU_932, L"2"},
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        const CStep& step = steps[i];
        if (step.act == TAKE) {
            CTestIntake intake(exact, ansi);
            EXPECT_TRUE(model.AcceptDrop(intake));
        } else if (step.act == REFUSE) {
            CTestIntake intake(100);
            EXPECT_FALSE(model.AcceptDrop(intake));
            EXPECT_EQ(intake.m_nFetched, 0) << "a refused intake is fetched from";
        } else if (step.act == SLASH) {
            model.ToggleSlashes();
        } else if (step.act == CASE) {
            model.CycleCase();
        } else if (step.act == SORT) {
            model.SortByName(CReverseOrder());
        } else {
            model.RestoreGivenOrder();
        }
        EXPECT_EQ(model.GetText(), step.exact) << "step " << i;
        EXPECT_EQ(model.GetAnsiText(), step.ansi) << "step " << i;
        EXPECT_STREQ(model.GetCountText(), step.count) << "step " << i;
        // The names as given, whatever the separators shown, in the order shown.
        EXPECT_EQ(model.IsInNameOrder(), step.bNameOrder) << "step " << i;
        std::vector<std::wstring> given;
        for (size_t item = 0; item < model.GetCount(); ++item)
            given.push_back(model.GetItem(item).strExact);
        EXPECT_EQ(given, step.bNameOrder ? std::vector(exact.rbegin(), exact.rend()) : exact)
            << "step " << i;
    }
}

// A "/" the intake gave is a separator like any other: once switched, every
// separator shows as the mode says, and a new order keeps them so.
TEST(PathListModelTest, SeparatorsStayAsSwitchedWhateverTheOrder)
{
    const CCp932CodePage codePage;
    const CTestUnicodeCase unicodeCase;
    CPathList model(codePage, unicodeCase);
    CTestIntake intake({L"C:/a\\x", L"D:\\b/y"}, {"C:/a\\x", "D:\\b/y"});
    ASSERT_TRUE(model.AcceptDrop(intake));
    EXPECT_EQ(model.GetText(), L"C:/a\\x\r\nD:\\b/y") << "as given";
    const struct
    {
        Act act;
        const wchar_t* shown;
    } steps[] = {
        {SLASH, L"C:/a/x\r\nD:/b/y"},    {SLASH, L"C:\\a\\x\r\nD:\\b\\y"},
        {SORT, L"D:\\b\\y\r\nC:\\a\\x"}, {RESTORE, L"C:\\a\\x\r\nD:\\b\\y"},
        {SLASH, L"C:/a/x\r\nD:/b/y"},    {SORT, L"D:/b/y\r\nC:/a/x"},
    };
    for (const auto& step : steps) {
        if (step.act == SLASH)
            model.ToggleSlashes();
        else if (step.act == SORT)
            model.SortByName(CReverseOrder());
        else
            model.RestoreGivenOrder();
        EXPECT_EQ(model.GetText(), step.shown) << step.act;
        std::wstring ansi;
        for (char ch : model.GetAnsiText())
            ansi += static_cast<wchar_t>(ch);
        EXPECT_EQ(ansi, step.shown) << step.act;
    }
}

} // namespace
