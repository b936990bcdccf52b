#include "pathlist/PathListModel.h"

#include "pathlist/Cp932CodePage.h"
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
};

// Names by code unit; one folder.
class CFakeNameOrder : public CNameOrderRules
{
public:
    int Compare(const std::wstring& a, const std::wstring& b) const override
    {
        return a.compare(b);
    }
    bool IsFolder(const std::wstring& exactPath) const override
    {
        return exactPath == L"C:\\" + SOFT + L"\\Z";
    }
};

// Does to the model what the window does on `act`.
void Apply(CPathListModel& model, Act act, const std::vector<std::wstring>& exact,
           const std::vector<std::string>& ansi)
{
    if (act == TAKE) {
        CTestIntake intake(exact, ansi);
        EXPECT_TRUE(model.Take(intake));
    } else if (act == REFUSE) {
        CTestIntake intake(100);
        EXPECT_FALSE(model.Take(intake));
        EXPECT_EQ(intake.m_nFetched, 0) << "a refused intake is fetched from";
    } else if (act == SLASH) {
        model.ToggleSlashes();
    } else if (act == CASE) {
        model.CycleCase();
    } else if (act == SORT) {
        model.SortByName(CFakeNameOrder());
    } else {
        model.RestoreGivenOrder();
    }
}

// Both lists, driven as the window drives them, show the same list in every
// step: taken, refused, switched and cycled together.
TEST(PathListModelTest, KeepsBothListsInStep)
{
    const CCp932CodePage codePage;
    const CTestUnicodeCase unicodeCase;
    CPathListModel model(codePage, unicodeCase);
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
        {CASE, L"C:/ソフト/Mixed.Txt\r\nD:/表", "C:/" + SOFT_932 + "/Mixed.Txt\r\nD:/" + HYOU_932,
         L"2"},
        // Taken: both start over as given.
        {TAKE, L"C:\\ソフト\\Mixed.Txt\r\nD:\\表",
         "C:\\" + SOFT_932 + "\\Mixed.Txt\r\nD:\\" + HYOU_932, L"2"},
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        const CStep& step = steps[i];
        Apply(model, step.act, exact, ansi);
        EXPECT_EQ(model.GetDisplayText(model.GetCaseMode()), step.exact) << "step " << i;
        EXPECT_EQ(model.GetAnsiDisplayText(model.GetCaseMode()), step.ansi) << "step " << i;
        EXPECT_STREQ(model.GetCountText(), step.count) << "step " << i;
        // The names as given, whatever the separators shown.
        EXPECT_EQ(model.GetGivenNames(), exact) << "step " << i;
    }
}

// In name order and back, in any modes: both lists reorder together from the
// names as given, keep their separators, case and count, and the given names
// follow the shown order (the copies find each item's line by them). A new
// intake starts in the order given.
TEST(PathListModelTest, ShowsBothListsInNameOrderAndBack)
{
    const CCp932CodePage codePage;
    const CTestUnicodeCase unicodeCase;
    CPathListModel model(codePage, unicodeCase);
    const std::vector<std::wstring> exact = {L"C:\\" + SOFT + L"\\b.Txt", L"D:\\表",
                                             L"C:\\" + SOFT + L"\\Z"};
    const std::vector<std::string> ansi = {"C:\\" + SOFT_932 + "\\b.Txt", "D:\\" + HYOU_932,
                                           "C:\\" + SOFT_932 + "\\Z"};
    const struct
    {
        Act act;
        std::wstring exact;
        std::string ansi;
        std::vector<size_t> shown;
    } steps[] = {
        {TAKE,
         L"C:\\ソフト\\b.Txt\r\nD:\\表\r\nC:\\ソフト\\Z",
         "C:\\" + SOFT_932 + "\\b.Txt\r\nD:\\" + HYOU_932 + "\r\nC:\\" + SOFT_932 + "\\Z",
         {0, 1, 2}},
        {CASE,
         L"C:\\ソフト\\B.TXT\r\nD:\\表\r\nC:\\ソフト\\Z",
         "C:\\" + SOFT_932 + "\\B.TXT\r\nD:\\" + HYOU_932 + "\r\nC:\\" + SOFT_932 + "\\Z",
         {0, 1, 2}},
        {SORT,
         L"C:\\ソフト\\Z\r\nC:\\ソフト\\B.TXT\r\nD:\\表",
         "C:\\" + SOFT_932 + "\\Z\r\nC:\\" + SOFT_932 + "\\B.TXT\r\nD:\\" + HYOU_932,
         {2, 0, 1}},
        {SLASH,
         L"C:/ソフト/Z\r\nC:/ソフト/B.TXT\r\nD:/表",
         "C:/" + SOFT_932 + "/Z\r\nC:/" + SOFT_932 + "/B.TXT\r\nD:/" + HYOU_932,
         {2, 0, 1}},
        {RESTORE,
         L"C:/ソフト/B.TXT\r\nD:/表\r\nC:/ソフト/Z",
         "C:/" + SOFT_932 + "/B.TXT\r\nD:/" + HYOU_932 + "\r\nC:/" + SOFT_932 + "/Z",
         {0, 1, 2}},
        {SORT,
         L"C:/ソフト/Z\r\nC:/ソフト/B.TXT\r\nD:/表",
         "C:/" + SOFT_932 + "/Z\r\nC:/" + SOFT_932 + "/B.TXT\r\nD:/" + HYOU_932,
         {2, 0, 1}},
        {CASE,
         L"c:/ソフト/z\r\nc:/ソフト/b.txt\r\nd:/表",
         "c:/" + SOFT_932 + "/z\r\nc:/" + SOFT_932 + "/b.txt\r\nd:/" + HYOU_932,
         {2, 0, 1}},
        {TAKE,
         L"C:\\ソフト\\b.Txt\r\nD:\\表\r\nC:\\ソフト\\Z",
         "C:\\" + SOFT_932 + "\\b.Txt\r\nD:\\" + HYOU_932 + "\r\nC:\\" + SOFT_932 + "\\Z",
         {0, 1, 2}},
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        Apply(model, steps[i].act, exact, ansi);
        EXPECT_EQ(model.GetDisplayText(model.GetCaseMode()), steps[i].exact) << "step " << i;
        EXPECT_EQ(model.GetAnsiDisplayText(model.GetCaseMode()), steps[i].ansi) << "step " << i;
        EXPECT_STREQ(model.GetCountText(), L"3") << "step " << i;
        EXPECT_EQ(model.IsInNameOrder(), steps[i].shown[0] == 2) << "step " << i;
        std::vector<std::wstring> shown;
        for (size_t k : steps[i].shown)
            shown.push_back(exact[k]);
        EXPECT_EQ(model.GetGivenNames(), shown) << "step " << i;
    }
}

} // namespace
