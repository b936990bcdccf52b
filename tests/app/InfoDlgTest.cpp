#include "app/InfoDlg.h"

#include "afx/LoadString.h"
#include "res/resource.h"
#include "tests/support/Ansi.h"
#include "tests/support/ModalRun.h"
#include "tests/support/WindowChecks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// The hidden text's lines in the ANSI code page, as its string resource has them.
std::vector<std::string> HiddenLines()
{
    const std::string strText = Ansi(AfxLoadString(IDS_INFO_HIDDEN));
    std::vector<std::string> lines;
    size_t nStart = 0;
    for (size_t nEnd; (nEnd = strText.find("\r\n", nStart)) != std::string::npos; nStart = nEnd + 2)
        lines.push_back(strText.substr(nStart, nEnd - nStart));
    lines.push_back(strText.substr(nStart));
    return lines;
}

int FirstVisibleLine(HWND hBox)
{
    return static_cast<int>(::SendMessageA(hBox, EM_GETFIRSTVISIBLELINE, 0, 0));
}

// The top of line n in the box's client area.
int LineTop(HWND hBox, int n)
{
    const LRESULT nIndex = ::SendMessageA(hBox, EM_LINEINDEX, n, 0);
    return static_cast<short>(HIWORD(::SendMessageA(hBox, EM_POSFROMCHAR, nIndex, 0)));
}

std::string LineText(HWND hBox, int n)
{
    std::string str(512, '\0');
    *reinterpret_cast<WORD*>(&str[0]) = static_cast<WORD>(str.size());
    str.resize(::SendMessageA(hBox, EM_GETLINE, n, reinterpret_cast<LPARAM>(&str[0])));
    return str;
}

// Line n is the box's first visible line, whole, and the only one in view.
void ExpectOnlyLineInView(HWND hBox, int n)
{
    // The box draws whole lines only, inside its formatting rectangle.
    RECT rcFormat;
    ::SendMessageA(hBox, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rcFormat));
    const std::vector<std::string> lines = HiddenLines();
    ASSERT_LT(n, static_cast<int>(lines.size()));
    EXPECT_EQ(FirstVisibleLine(hBox), n);
    EXPECT_EQ(LineText(hBox, n), lines[n]);
    EXPECT_EQ(LineTop(hBox, n), rcFormat.top);
    if (n + 1 < static_cast<int>(lines.size())) {
        EXPECT_GE(LineTop(hBox, n + 1), rcFormat.bottom) << "line " << n + 1 << " shows too";
    }
}

HWND FindIconStatic(HWND hDlg)
{
    for (HWND hChild = ::GetWindow(hDlg, GW_CHILD); hChild;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if ((::GetWindowLongA(hChild, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            return hChild;
    }
    return NULL;
}

SIZE IconSize(HICON hIcon)
{
    ICONINFO info = {};
    BITMAP bitmap = {};
    if (::GetIconInfo(hIcon, &info)) {
        ::GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
        ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
    }
    return {bitmap.bmWidth, bitmap.bmHeight};
}

// A click on the box, inside its first line, as the mouse makes it.
void ClickIntoFirstLine(HWND hBox)
{
    ::PostMessageA(hBox, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    ::PostMessageA(hBox, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
}

class InfoDlgTest : public ::testing::Test
{
protected:
    INT_PTR Run(std::vector<Step> steps)
    {
        CInfoDlg dlg;
        return RunModal(dlg, std::move(steps));
    }
};

TEST_F(InfoDlgTest, OpensCentredWithExitFocusedAndBothTextsInTheAnsiCodePage)
{
    Run({[](HWND hDlg) {
        const std::string strText = GetItemText(hDlg, IDC_INFO_TEXT);
        EXPECT_EQ(strText, Ansi(AfxLoadString(IDS_INFO_TEXT)));
        EXPECT_EQ(GetItemText(hDlg, IDC_INFO_HIDDEN), Ansi(AfxLoadString(IDS_INFO_HIDDEN)));
        // Double-byte characters whose second byte is "\" (能, 表), and a
        // real "\" in brackets.
        EXPECT_NE(strText.find("\x8b\x40\x94\x5c\x90\xe0\x96\xbe"), std::string::npos);
        EXPECT_NE(strText.find("\x95\x5c\x8c\xbb"), std::string::npos);
        EXPECT_NE(strText.find("\x81\x79[\\]-[/]"), std::string::npos);

        EXPECT_EQ(::GetFocus(), ::GetDlgItem(hDlg, IDOK));
        EXPECT_EQ(::SendMessageA(hDlg, DM_GETDEFID, 0, 0), MAKELONG(IDOK, DC_HASDEFID));

        // With no main window there is nothing to centre over but the screen.
        EXPECT_TRUE(IsCentredOnWorkArea(hDlg));

        const HWND hIconStatic = FindIconStatic(hDlg);
        ASSERT_TRUE(hIconStatic);
        const auto hIcon = reinterpret_cast<HICON>(::SendMessageA(hIconStatic, STM_GETICON, 0, 0));
        EXPECT_EQ(hIcon, ::LoadIconA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDR_MAINFRAME)));
        const SIZE size = IconSize(hIcon);
        EXPECT_EQ(size.cx, 32);
        EXPECT_EQ(size.cy, 32);
    }});
}

TEST_F(InfoDlgTest, SmallBoxShowsItsFirstLineAndEachDownArrowTheNextOne)
{
    std::vector<Step> steps = {
        [](HWND hDlg) {
            const HWND hBox = ::GetDlgItem(hDlg, IDC_INFO_HIDDEN);
            EXPECT_EQ(::SendMessageA(hBox, EM_GETLINECOUNT, 0, 0), 8) << "a line is wrapped";
            ExpectOnlyLineInView(hBox, 0);
            ClickIntoFirstLine(hBox);
        },
        [](HWND hDlg) {
            const HWND hBox = ::GetDlgItem(hDlg, IDC_INFO_HIDDEN);
            EXPECT_EQ(::GetFocus(), hBox);
            ExpectOnlyLineInView(hBox, 0);
            PostKey(VK_DOWN);
        },
    };
    for (int n = 1; n < 8; ++n) {
        steps.push_back([n](HWND hDlg) {
            ExpectOnlyLineInView(::GetDlgItem(hDlg, IDC_INFO_HIDDEN), n);
            PostKey(VK_DOWN);
        });
    }
    // Past the last line the view stays.
    steps.push_back(
        [](HWND hDlg) { ExpectOnlyLineInView(::GetDlgItem(hDlg, IDC_INFO_HIDDEN), 7); });
    Run(std::move(steps));
}

TEST_F(InfoDlgTest, TabGoesFromExitThroughBothBoxesAndBackShowingTheLastHiddenLine)
{
    Run({[](HWND) { PostKey(VK_TAB); },
         [](HWND hDlg) {
             EXPECT_EQ(::GetFocus(), ::GetDlgItem(hDlg, IDC_INFO_TEXT));
             PostKey(VK_TAB);
         },
         [](HWND hDlg) {
             const HWND hBox = ::GetDlgItem(hDlg, IDC_INFO_HIDDEN);
             EXPECT_EQ(::GetFocus(), hBox);
             // Positions in the box's own units, which need not be bytes.
             const auto [nStart, nEnd] = GetSelection(hBox);
             const LRESULT nLastLineStart = ::SendMessageA(hBox, EM_LINEINDEX, 7, 0);
             EXPECT_EQ(nStart, 0u);
             EXPECT_EQ(nEnd,
                       nLastLineStart + ::SendMessageA(hBox, EM_LINELENGTH, nLastLineStart, 0));
             ExpectOnlyLineInView(hBox, 7);
             PostKey(VK_TAB);
         },
         [](HWND hDlg) {
             EXPECT_EQ(::GetFocus(), ::GetDlgItem(hDlg, IDOK));
         }});
}

TEST_F(InfoDlgTest, EndsWithOkOnEnterOrExitAndWithCancelOnEscOrCloseBox)
{
    EXPECT_EQ(Run({Pressing(VK_RETURN)}), IDOK);
    EXPECT_EQ(Run({Clicking(IDOK)}), IDOK);
    EXPECT_EQ(Run({Pressing(VK_ESCAPE)}), IDCANCEL);
    EXPECT_EQ(Run({ClosingByCloseBox()}), IDCANCEL);
}
} // namespace
