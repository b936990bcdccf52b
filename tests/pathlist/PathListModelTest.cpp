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
    bool bNameOrder = false;
};

// Paths in reverse code-unit order; no folders.
class CReverseOrder : public CNameOrderRules
{
public:
    int Compare(const std::wstring& a, const std::wstring& b) const override
    {
        return b.compare(a);
    }
    bool IsFolder(const std::wstring&) const override { return false; }
};

// Both lists, driven as the window drives them, show the same list in every
// step: taken, refused, switched, cycled and reordered together, and the
// given names follow the order shown.
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
        // Reordered from the names as given, in the modes of the moment.
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
            EXPECT_TRUE(model.Take(intake));
        } else if (step.act == REFUSE) {
            CTestIntake intake(100);
            EXPECT_FALSE(model.Take(intake));
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
        EXPECT_EQ(model.GetDisplayText(model.GetCaseMode()), step.exact) << "step " << i;
        EXPECT_EQ(model.GetAnsiDisplayText(model.GetCaseMode()), step.ansi) << "step " << i;
        EXPECT_STREQ(model.GetCountText(), step.count) << "step " << i;
        // The names as given, whatever the separators shown, in the order shown.
        EXPECT_EQ(model.IsInNameOrder(), step.bNameOrder) << "step " << i;
        EXPECT_EQ(model.GetGivenNames(),
                  step.bNameOrder ? std::vector(exact.rbegin(), exact.rend()) : exact)
            << "step " << i;
    }
}

} // namespace
