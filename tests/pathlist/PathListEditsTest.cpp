#include "pathlist/Cp932CodePage.h"
#include "pathlist/PathList.h"
#include "tests/pathlist/TestRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

enum Act
{
    TAKE,   // an intake that replaces the list
    ADD,    // an intake added to it
    REMOVE, // the lines a selection from nStart to nEnd touches
    UNDO,
    CASE,
    SORT,
    RESTORE
};

struct CEditStep
{
    Act act;
    std::vector<std::wstring> paths; // of an intake
    size_t nStart, nEnd;             // of a removal
    // What the act returned: whether taken or undone, or the first line removed.
    size_t nResult;
    const wchar_t* shown; // its lines between "|"; null: not checked
    size_t nCount;
    bool bCanUndo;
    unsigned nClaimed = 0; // an intake claiming this many items, none of them read
};

// Each character not ASCII a "?", as a code page without it has it; "|" a line break.
template <class Char> std::basic_string<Char> Lines(const std::wstring& text)
{
    std::basic_string<Char> lines;
    for (wchar_t ch : text)
        if (ch == L'|')
            lines += {Char('\r'), Char('\n')};
        else
            lines += sizeof(Char) == 1 && ch >= 0x80 ? Char('?') : Char(ch);
    return lines;
}

std::vector<std::wstring> Numbered(const std::wstring& prefix, int nCount)
{
    std::vector<std::wstring> paths;
    for (int i = 0; i < nCount; ++i)
        paths.push_back(prefix + std::to_wstring(i));
    return paths;
}

constexpr size_t NONE = std::wstring::npos;

// Intakes added and replacing, removals by the box's selection and their
// undoing, between conversions and reorderings, as the window makes them:
// each step's list, both orders and the ANSI names kept with their items.
TEST(PathListEditsTest, AddsRemovesAndUndoesOneStep)
{
    std::vector<std::wstring> many = Numbered(L"F:\\", 97);
    many.insert(many.begin() + 40, L"C:\\0"); // held already: not counted
    // clang-format off
    const CEditStep steps[] = {
        {TAKE, {L"C:\\b", L"C:\\a"}, 0, 0, true, L"C:\\b|C:\\a", 2, true},
        // Paths held already, however written, and one given twice are left out.
        {ADD, {L"c:\\B", L"C:/a/", L"\\\\?\\C:\\b", L"D:\\ｘ", L"D:\\Ｘ", L"D:\\y", L"C:\\\\a"}, 0, 0,
         true, L"C:\\b|C:\\a|D:\\ｘ|D:\\y", 4, true},
        {CASE, {}, 0, 0, 0, L"C:\\B|C:\\A|D:\\ｘ|D:\\Y", 4, true},
        {SORT, {}, 0, 0, 0, L"C:\\A|C:\\B|D:\\Y|D:\\ｘ", 4, true},
        // Added in the order and case shown.
        {ADD, {L"C:\\0"}, 0, 0, true, L"C:\\0|C:\\A|C:\\B|D:\\Y|D:\\ｘ", 5, true},
        // The caret's line.
        {REMOVE, {}, 7, 7, 1, L"C:\\0|C:\\B|D:\\Y|D:\\ｘ", 4, true},
        // The given order kept as it was, less the item removed.
        {RESTORE, {}, 0, 0, 0, L"C:\\B|D:\\ｘ|D:\\Y|C:\\0", 4, true},
        // Two lines selected down to the start of the third, which stays.
        {REMOVE, {}, 1, 12, 0, L"D:\\Y|C:\\0", 2, true},
        {UNDO, {}, 0, 0, true, L"C:\\B|D:\\ｘ|D:\\Y|C:\\0", 4, false},
        {UNDO, {}, 0, 0, false, L"C:\\B|D:\\ｘ|D:\\Y|C:\\0", 4, false},
        // One character into the third line takes it too; backwards the same.
        {REMOVE, {}, 13, 6, 1, L"C:\\B|C:\\0", 2, true},
        // Neither a conversion nor a refusal is a change to undo.
        {CASE, {}, 0, 0, 0, L"c:\\b|c:\\0", 2, true},
        {ADD, Numbered(L"F:\\", 98), 0, 0, false, L"c:\\b|c:\\0", 2, true},
        {ADD, {}, 0, 0, false, L"c:\\b|c:\\0", 2, true, 100},
        {ADD, many, 0, 0, true, nullptr, 99, true},
        {UNDO, {}, 0, 0, true, L"c:\\b|c:\\0", 2, false},
        // A caret past the end is on the last line.
        {REMOVE, {}, 99, 99, 1, L"c:\\b", 1, true},
        {TAKE, {L"E:\\new"}, 0, 0, true, L"E:\\new", 1, true},
        // Back to the list replaced, in the modes of the moment.
        {UNDO, {}, 0, 0, true, L"C:\\b", 1, false},
        {REMOVE, {}, 0, 0, 0, L"", 0, true},
        {REMOVE, {}, 0, 0, NONE, L"", 0, true},
        {ADD, {L"E:\\new"}, 0, 0, true, L"E:\\new", 1, true},
    };
    // clang-format on
    const CCp932CodePage codePage;
    const CTestUnicodeCase unicodeCase;
    const CTestNameRules rules;
    CPathList list(codePage, unicodeCase);
    for (size_t i = 0; i < std::size(steps); ++i) {
        const CEditStep& step = steps[i];
        std::vector<std::string> ansi;
        for (const std::wstring& path : step.paths)
            ansi.push_back(Lines<char>(path));
        CTestIntake intake =
            step.nClaimed ? CTestIntake(step.nClaimed) : CTestIntake(step.paths, ansi);
        size_t nResult = 0;
        if (step.act == TAKE)
            nResult = list.AcceptDrop(intake);
        else if (step.act == ADD)
            nResult = list.AddDrop(intake, rules);
        else if (step.act == REMOVE)
            nResult = list.RemoveSelectedLines(step.nStart, step.nEnd);
        else if (step.act == UNDO)
            nResult = list.Undo(rules);
        else if (step.act == CASE)
            list.CycleCase();
        else if (step.act == SORT)
            list.SortByName(rules);
        else
            list.RestoreGivenOrder();
        EXPECT_EQ(nResult, step.nResult) << "step " << i;
        EXPECT_TRUE(!step.nClaimed || !intake.m_nFetched) << "step " << i << ": a claim was read";
        if (step.shown) {
            EXPECT_EQ(list.GetText(), Lines<wchar_t>(step.shown)) << "step " << i;
            EXPECT_EQ(list.GetAnsiText(), Lines<char>(step.shown)) << "step " << i;
        }
        EXPECT_EQ(list.GetCountText(), std::to_wstring(step.nCount)) << "step " << i;
        EXPECT_EQ(list.CanUndo(), step.bCanUndo) << "step " << i;
        EXPECT_EQ(list.GetLineStart(list.GetCount()), list.GetText().size()) << "step " << i;
    }
}

} // namespace
