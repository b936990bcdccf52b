#include "res/resource.h"
#include "tests/support/Clipboard.h"
#include "tests/support/DropFiles.h"
#include "tests/support/MessageBoxAnswerer.h"
#include "tests/support/ModalRun.h"
#include "tests/support/PathListDlgFixture.h"
#include "tests/support/Paths.h"
#include "tests/support/WindowChecks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
class PathListDlgTest : public PathListDlgFixture
{
};

// ソフト in code page 932: ソ's second byte is "\" (0x5C).
const std::string SOFT = "\x83\x5c\x83\x74\x83\x67";

TEST_F(PathListDlgTest, OpensCentredReadyForDropsWithCopyAllFocused)
{
    Run({[this](HWND hDlg) {
        EXPECT_EQ(GetItemText(hDlg, IDC_COUNT), "0");
        EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), "");
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(hDlg, IDC_COPYALL));
        EXPECT_TRUE(::GetWindowLongA(hDlg, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);

        EXPECT_TRUE(IsCentredOnWorkArea(hDlg));

        // One icon for the caption, the task list and dragging; the drag
        // icon's handle comes back from the dialog procedure itself.
        const LRESULT hIcon = ::SendMessageA(hDlg, WM_GETICON, ICON_BIG, 0);
        EXPECT_NE(hIcon, 0);
        EXPECT_EQ(::SendMessageA(hDlg, WM_GETICON, ICON_SMALL, 0), hIcon);
        EXPECT_EQ(::SendMessageA(hDlg, WM_QUERYDRAGICON, 0, 0), hIcon);

        // Buttons on an empty list: nothing to show, no question but copy's.
        Click(hDlg, IDC_CASE);
        Click(hDlg, IDC_SLASH);
        EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), "");
        EXPECT_TRUE(m_boxes.Seen().empty());
    }});
}

TEST_F(PathListDlgTest, DropShowsPathsInOrderAndTheirCountAndIsReleased)
{
    const Paths first = {"C:\\Dir\\a.txt", "D:\\" + SOFT + "\\Readme.TXT", "C:\\Folder"};
    const Paths second = {"E:\\only.doc"};
    Run({[&](HWND hDlg) {
        const HDROP hDrop = Drop(hDlg, first);
        EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), Join(first));
        EXPECT_EQ(GetItemText(hDlg, IDC_COUNT), "3");
        EXPECT_TRUE(IsReleased(hDrop)) << "the drop was not released";

        Drop(hDlg, second);
        EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), "E:\\only.doc");
        EXPECT_EQ(GetItemText(hDlg, IDC_COUNT), "1");
    }});
}

TEST_F(PathListDlgTest, WideDropArrivesInTheAnsiCodePageWhole)
{
    // Longer in code page 932 bytes than in characters: the length asked of
    // the drop must be that of the bytes.
    const std::wstring longName = L"C:\\" + std::wstring(150, L'ソ');
    Run({[&](HWND hDlg) {
        Drop<wchar_t>(hDlg, {L"C:\\ソフト\\a.txt", longName});
        std::string strLong = "C:\\";
        for (int i = 0; i < 150; ++i)
            strLong += "\x83\x5c";
        EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), "C:\\" + SOFT + "\\a.txt\r\n" + strLong);
    }});
}

TEST_F(PathListDlgTest, LongPathArrivesWhole)
{
    const std::string strPath = "C:\\" + std::string(296, 'x') + ".txt";
    ASSERT_EQ(strPath.size(), 303u);
    Run({[&](HWND hDlg) {
        Drop(hDlg, Paths{strPath});
        EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), strPath);
    }});
}

TEST_F(PathListDlgTest, CaseButtonCyclesUpperLowerAsDropped)
{
    Run({[](HWND hDlg) {
        Drop(hDlg, Paths{"C:\\Dir\\MixedCase.txt", "C:\\" + SOFT + "\\b"});
        const std::string steps[] = {"C:\\DIR\\MIXEDCASE.TXT\r\nC:\\" + SOFT + "\\B",
                                     "c:\\dir\\mixedcase.txt\r\nc:\\" + SOFT + "\\b",
                                     "C:\\Dir\\MixedCase.txt\r\nC:\\" + SOFT + "\\b"};
        for (const auto& strExpected : steps) {
            Click(hDlg, IDC_CASE);
            EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), strExpected);
        }
    }});
}

TEST_F(PathListDlgTest, SeparatorButtonSwitchesBackAndForthSparingDoubleByteCharacters)
{
    const std::string strPath = "C:\\" + SOFT + "\\a.txt";
    Run({[&](HWND hDlg) {
        Drop(hDlg, Paths{strPath});
        Click(hDlg, IDC_SLASH);
        EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), "C:/" + SOFT + "/a.txt");
        Click(hDlg, IDC_SLASH);
        EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), strPath);
    }});
}

TEST_F(PathListDlgTest, ConfirmedCopyPutsTheShownTextOnTheClipboardAllSelectedEndInView)
{
    Paths paths;
    std::string strShown;
    for (int i = 0; i < 30; ++i) {
        paths.push_back("C:\\Dir\\File" + std::to_string(i) + ".txt");
        strShown += (i ? "\r\n" : "") + ("C:/DIR/FILE" + std::to_string(i) + ".TXT");
    }
    Run({[&](HWND hDlg) {
        Drop(hDlg, paths);
        Click(hDlg, IDC_CASE);
        Click(hDlg, IDC_SLASH);
        EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), strShown);
        Click(hDlg, IDC_COPYALL);

        ASSERT_EQ(m_boxes.Seen().size(), 1u);
        const CMessageBoxSeen& box = m_boxes.Seen()[0];
        EXPECT_TRUE(IsProgramMessageBox(box, IDS_CONFIRM_COPY, MB_OKCANCEL));
        EXPECT_EQ(box.hIcon, ::LoadIconA(NULL, IDI_EXCLAMATION));
        EXPECT_EQ(box.hOwner, hDlg);

        EXPECT_EQ(ReadClipboardText(), strShown);
        const HWND hPaths = ::GetDlgItem(hDlg, IDC_PATHS);
        const auto [nStart, nEnd] = GetSelection(hPaths);
        EXPECT_EQ(nStart, 0u);
        EXPECT_EQ(nEnd, strShown.size());
        // The last line starts inside the box's client area.
        const LRESULT nLastLine = ::SendMessageA(hPaths, EM_GETLINECOUNT, 0, 0) - 1;
        EXPECT_GT(::SendMessageA(hPaths, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
        const LRESULT nPos = ::SendMessageA(hPaths, EM_POSFROMCHAR,
                                            ::SendMessageA(hPaths, EM_LINEINDEX, nLastLine, 0), 0);
        RECT rcClient;
        ::GetClientRect(hPaths, &rcClient);
        EXPECT_GE(static_cast<short>(HIWORD(nPos)), 0);
        EXPECT_LT(static_cast<short>(HIWORD(nPos)), rcClient.bottom);
    }});
}

TEST_F(PathListDlgTest, CancelledOrEmptyCopyLeavesClipboardAndSelectionAlone)
{
    WriteClipboardText("before");
    m_boxes.SetAnswer(IDCANCEL);
    Run({[&](HWND hDlg) {
        Drop(hDlg, Paths{"C:\\a", "C:\\b"});
        const HWND hPaths = ::GetDlgItem(hDlg, IDC_PATHS);
        ::SendMessageA(hPaths, EM_SETSEL, 1, 3);
        Click(hDlg, IDC_COPYALL);
        EXPECT_EQ(m_boxes.Seen().size(), 1u);
        EXPECT_EQ(ReadClipboardText(), "before");
        const auto [nStart, nEnd] = GetSelection(hPaths);
        EXPECT_EQ(nStart, 1u);
        EXPECT_EQ(nEnd, 3u);
    }});
    m_boxes.SetAnswer(IDOK);
    Run({[&](HWND hDlg) {
        Click(hDlg, IDC_COPYALL);
        EXPECT_EQ(m_boxes.Seen().size(), 2u) << "an empty list is asked about too";
        EXPECT_EQ(ReadClipboardText(), "before");
    }});
}

TEST_F(PathListDlgTest, DropOfMoreThan99IsRefusedAndChangesNothing)
{
    const Paths kept = {"C:\\Kept\\One", "C:\\Kept\\Two"};
    Run({[&](HWND hDlg) {
        Drop(hDlg, kept);
        Click(hDlg, IDC_CASE); // upper case
        const HDROP hDrop = Drop(hDlg, Paths(100, "C:\\x"));
        ASSERT_EQ(m_boxes.Seen().size(), 1u);
        EXPECT_TRUE(IsProgramMessageBox(m_boxes.Seen()[0], IDS_TOO_MANY, MB_OK));
        EXPECT_TRUE(IsReleased(hDrop)) << "the refused drop was not released";

        EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), "C:\\KEPT\\ONE\r\nC:\\KEPT\\TWO");
        EXPECT_EQ(GetItemText(hDlg, IDC_COUNT), "2");
        // The list and its case mode are still those on the screen.
        Click(hDlg, IDC_CASE);
        EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), "c:\\kept\\one\r\nc:\\kept\\two");

        Drop(hDlg, Paths(99, "C:\\x"));
        EXPECT_EQ(GetItemText(hDlg, IDC_COUNT), "99");
        EXPECT_EQ(m_boxes.Seen().size(), 1u);
    }});
}

TEST_F(PathListDlgTest, EnterAsksToCopyUnlessThePathBoxHasTheFocus)
{
    m_boxes.SetAnswer(IDCANCEL);
    Run({[](HWND) { PostKey(VK_RETURN); },
         [this](HWND hDlg) {
             EXPECT_EQ(m_boxes.Seen().size(), 1u);
             ::SendMessageA(hDlg, WM_NEXTDLGCTL,
                            reinterpret_cast<WPARAM>(::GetDlgItem(hDlg, IDC_PATHS)), TRUE);
             PostKey(VK_RETURN);
         },
         [this](HWND) {
             EXPECT_EQ(m_boxes.Seen().size(), 1u);
         }});
}

TEST_F(PathListDlgTest, EndsOnExitWithOkAndOnEscOrCloseWithCancel)
{
    EXPECT_EQ(Run({Clicking(IDOK)}), IDOK);
    EXPECT_EQ(Run({Pressing(VK_ESCAPE)}), IDCANCEL);
    EXPECT_EQ(Run({ClosingByCloseBox()}), IDCANCEL);
    EXPECT_EQ(Run({[](HWND hDlg) {
                  ::PostMessageA(hDlg, WM_CLOSE, 0, 0);
              }}),
              IDCANCEL);
}

TEST_F(PathListDlgTest, InfoOpensCentredOverTheWindowAndClosingItAnyWayChangesNothing)
{
    const std::vector<Step> closings = {
        [](HWND hInfo) { Click(hInfo, IDOK); },
        [](HWND) { PostKey(VK_RETURN); },
        [](HWND) { PostKey(VK_ESCAPE); },
        [](HWND hInfo) { ::PostMessageA(hInfo, WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    for (const Step& close : closings) {
        Run({[&](HWND hDlg) {
            // Off the screen's centre, where a dialog centred on the screen
            // would not be centred over the window.
            ::SetWindowPos(hDlg, NULL, 150, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            Drop(hDlg, Paths{"C:\\Dir\\a.txt", "C:\\Dir\\B.txt"});
            Click(hDlg, IDC_CASE);
            Click(hDlg, IDC_SLASH);

            const bool bClosed =
                RunModalOver(hDlg, [hDlg] { Click(hDlg, IDC_INFO); }, {[&](HWND hInfo) {
                                 EXPECT_EQ(::GetWindow(hInfo, GW_OWNER), hDlg);
                                 EXPECT_FALSE(::IsWindowEnabled(hDlg)) << "not modal";
                                 EXPECT_TRUE(IsCentredOver(hInfo, hDlg));
                                 close(hInfo);
                             }});
            EXPECT_TRUE(bClosed);
            EXPECT_TRUE(::IsWindowEnabled(hDlg));
            EXPECT_TRUE(m_boxes.Seen().empty());

            EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), "C:/DIR/A.TXT\r\nC:/DIR/B.TXT");
            EXPECT_EQ(GetItemText(hDlg, IDC_COUNT), "2");
            // Both modes go on from where they were: upper to lower case, and
            // "/" back to "\".
            Click(hDlg, IDC_CASE);
            EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), "c:/dir/a.txt\r\nc:/dir/b.txt");
            Click(hDlg, IDC_SLASH);
            EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), "c:\\dir\\a.txt\r\nc:\\dir\\b.txt");
        }});
    }
}

TEST_F(PathListDlgTest, EveryPaintSetsTheCountLabelAgainMinimisedToo)
{
    Run({[](HWND hDlg) {
        Drop(hDlg, Paths{"C:\\a", "C:\\b", "C:\\c"});
        ::SetDlgItemTextA(hDlg, IDC_COUNT, "?");
        ::RedrawWindow(hDlg, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_EQ(GetItemText(hDlg, IDC_COUNT), "3");

        // Without a window manager Wine restores the window once the loop
        // runs again: paint it while it is still minimised.
        ::ShowWindow(hDlg, SW_MINIMIZE);
        ASSERT_TRUE(::IsIconic(hDlg));
        ::SetDlgItemTextA(hDlg, IDC_COUNT, "?");
        ::SendMessageA(hDlg, WM_PAINT, 0, 0);
        EXPECT_EQ(GetItemText(hDlg, IDC_COUNT), "3");
        ::ShowWindow(hDlg, SW_RESTORE);
    }});
}
} // namespace
