// The path box's フォルダの中のファイルに展開: the menu's copies take the files
// inside the list's folders, walked in the real file system, with a progress
// window for a long walk and a balloon after the copy.
#include "res/resource.h"
#include "tests/support/Clipboard.h"
#include "tests/support/DropFiles.h"
#include "tests/support/MenuWatcher.h"
#include "tests/support/ModalRun.h"
#include "tests/support/PathListDlgFixture.h"
#include "tests/support/Paths.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {
class FolderWalkTest : public PathListDlgFixture
{
};

// The trees tests/app/make-walk-tree.sh made before the tests.
const std::wstring g_strTree = VEXLO_WALK_TREE;

// Chooses the path box's menu item of key nKey, through the real menu.
void ChooseInMenu(HWND hDlg, const wchar_t* pszKeys)
{
    CMenuWatcher menu(pszKeys);
    const HWND hBox = ::GetDlgItem(hDlg, IDC_PATHS);
    ::SendMessageW(hBox, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hBox), -1);
}

bool IsExpandChecked(HWND hDlg)
{
    CMenuWatcher menu(nullptr);
    const HWND hBox = ::GetDlgItem(hDlg, IDC_PATHS);
    ::SendMessageW(hBox, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hBox), -1);
    for (const CMenuItemSeen& item : menu.Seen())
        if (item.strText == L"フォルダの中のファイルに展開(&I)")
            return item.bChecked;
    return false;
}

// Every balloon shown on an edit control of this thread, title and text.
std::vector<std::wstring> g_balloons;

LRESULT CALLBACK RecordBalloon(int nCode, WPARAM wParam, LPARAM lParam)
{
    const auto& call = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && call.message == EM_SHOWBALLOONTIP) {
        const auto& tip = *reinterpret_cast<const EDITBALLOONTIP*>(call.lParam);
        g_balloons.push_back(std::wstring(tip.pszTitle) + L": " + tip.pszText);
    }
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

class CBalloonRecorder
{
public:
    CBalloonRecorder()
        : m_hHook(::SetWindowsHookExW(WH_CALLWNDPROC, RecordBalloon, NULL, ::GetCurrentThreadId()))
    {
        g_balloons.clear();
    }
    ~CBalloonRecorder() { ::UnhookWindowsHookEx(m_hHook); }

private:
    HHOOK m_hHook;
};

std::wstring Quoted(const std::vector<std::wstring>& paths)
{
    std::vector<std::wstring> quoted;
    for (const std::wstring& path : paths)
        quoted.push_back(L"\"" + path + L"\"");
    return Join(quoted);
}

// The tree's folder p, walked: its files by name, then its folders by name,
// each walked in turn; dot files hidden, as Wine marks them; the empty folder
// gives nothing, the path past 259 characters comes with the prefix, and the
// symbolic link back up to p is passed by.
TEST_F(FolderWalkTest, CheckedTheMenusCopiesTakeEveryFileInsideTheFolders)
{
    const std::wstring strP = g_strTree + L"\\p";
    std::wstring strDeep = L"\\\\?\\" + strP + L"\\long";
    for (int i = 1; i <= 6; ++i)
        strDeep += L"\\" + std::to_wstring(i) + L"-" + std::wstring(50, L'a');
    strDeep += L"\\deep.txt";
    const std::vector<std::wstring> walked = {strP + L"\\a b.txt",    strP + L"\\z.txt",
                                              strP + L"\\表.txt",     strDeep,
                                              strP + L"\\sub\\c.txt", g_strTree + L"\\single.txt"};
    CBalloonRecorder balloons;
    Run({[&](HWND hDlg) {
             Drop(hDlg, WidePaths{strP, g_strTree + L"\\single.txt"});
             EXPECT_FALSE(IsExpandChecked(hDlg)) << "unchecked at every start";
             ChooseInMenu(hDlg, L"i");
         },
         [&](HWND hDlg) {
             EXPECT_TRUE(IsExpandChecked(hDlg));
             ChooseInMenu(hDlg, L"q");
         },
         [&](HWND hDlg) {
             EXPECT_EQ(ReadClipboardUnicodeText(), Quoted(walked));
             ASSERT_EQ(g_balloons.size(), 1u);
             EXPECT_EQ(g_balloons[0], L"フォルダの中のファイル: 6個のファイルをコピーしました。");
             ChooseInMenu(hDlg, L"n");
         },
         [&](HWND hDlg) {
             EXPECT_EQ(ReadClipboardUnicodeText(),
                       L"a b.txt\r\nz.txt\r\n表.txt\r\ndeep.txt\r\nc.txt\r\nsingle.txt");
             // The box and Copy All stay as they were.
             EXPECT_EQ(GetItemWideText(hDlg, IDC_PATHS),
                       Join(WidePaths{strP, g_strTree + L"\\single.txt"}));
             Click(hDlg, IDC_COPYALL);
         },
         [&](HWND hDlg) {
             EXPECT_EQ(ReadClipboardUnicodeText(), GetItemWideText(hDlg, IDC_PATHS));
             ChooseInMenu(hDlg, L"i");
         },
         [&](HWND hDlg) {
             EXPECT_FALSE(IsExpandChecked(hDlg));
             ChooseInMenu(hDlg, L"q");
         },
         [&](HWND hDlg) {
             EXPECT_EQ(ReadClipboardUnicodeText(), Quoted({strP, g_strTree + L"\\single.txt"}));
             EXPECT_EQ(g_balloons.size(), 2u) << "one for each walked copy";

             // A folder with no file inside copies nothing, and says so.
             Drop(hDlg, WidePaths{strP + L"\\empty"});
             ChooseInMenu(hDlg, L"i");
         },
         [&](HWND hDlg) { ChooseInMenu(hDlg, L"q"); },
         [&](HWND) {
             EXPECT_EQ(ReadClipboardUnicodeText(), Quoted({strP, g_strTree + L"\\single.txt"}));
             ASSERT_EQ(g_balloons.size(), 3u);
             EXPECT_EQ(g_balloons[2],
                       L"フォルダの中のファイル: "
                       L"フォルダの中にファイルがないため、何もコピーしませんでした。");
         }});
}

// What the progress window showed, and how it was ended: 0 lets it run.
struct CProgressSeen
{
    bool bOpened = false;
    bool bOwnerDisabled = false;
    std::wstring strFiles, strFolder;
};

// Watches for the progress window from a timer, as the walk hands the thread
// its messages; once it shows, records it and ends it by `end`, if any.
class CProgressWatch
{
public:
    explicit CProgressWatch(HWND hOwner, void (*pfnEnd)(HWND)) : m_hOwner(hOwner), m_pfnEnd(pfnEnd)
    {
        s_pWatch = this;
        m_nTimer = ::SetTimer(NULL, 0, 20, OnTick);
    }
    ~CProgressWatch()
    {
        ::KillTimer(NULL, m_nTimer);
        s_pWatch = nullptr;
    }
    CProgressSeen m_seen;

private:
    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_pWatch && !s_pWatch->m_seen.bOpened)
            ::EnumThreadWindows(::GetCurrentThreadId(), Look, 0);
    }
    static BOOL CALLBACK Look(HWND hWnd, LPARAM)
    {
        CProgressWatch& watch = *s_pWatch;
        if (::GetWindow(hWnd, GW_OWNER) != watch.m_hOwner || !::IsWindowVisible(hWnd) ||
            !::GetDlgItem(hWnd, IDC_PROGRESS_FOLDER))
            return TRUE;
        // Once it has shown a folder.
        if (GetItemWideText(hWnd, IDC_PROGRESS_FOLDER).empty())
            return FALSE;
        watch.m_seen = {true, !::IsWindowEnabled(watch.m_hOwner),
                        GetItemWideText(hWnd, IDC_PROGRESS_FILES),
                        GetItemWideText(hWnd, IDC_PROGRESS_FOLDER)};
        if (watch.m_pfnEnd)
            watch.m_pfnEnd(hWnd);
        return FALSE;
    }
    static CProgressWatch* s_pWatch;
    HWND m_hOwner;
    void (*m_pfnEnd)(HWND);
    UINT_PTR m_nTimer;
};
CProgressWatch* CProgressWatch::s_pWatch = nullptr;

// A walk of 1 200 folders takes past half a second: the progress window
// opens over the disabled main window, with the files found and the folder
// read; Esc, the close box and キャンセル end the walk, the clipboard as it
// was; let run, it copies every file.
TEST_F(FolderWalkTest, ALongWalkShowsItsProgressAndCanBeCancelled)
{
    const std::wstring strBig = g_strTree + L"\\big";
    void (*const ends[])(HWND) = {
        [](HWND hWnd) { ::PostMessageW(::GetDlgItem(hWnd, IDCANCEL), WM_KEYDOWN, VK_ESCAPE, 1); },
        [](HWND hWnd) { ::PostMessageW(hWnd, WM_SYSCOMMAND, SC_CLOSE, 0); },
        [](HWND hWnd) { Click(hWnd, IDCANCEL); },
        nullptr,
    };
    CBalloonRecorder balloons;
    WriteClipboardText("as it was");
    std::vector<Step> steps = {[&](HWND hDlg) {
        Drop(hDlg, WidePaths{strBig});
        ChooseInMenu(hDlg, L"i");
    }};
    for (auto pfnEnd : ends)
        steps.push_back([&, pfnEnd](HWND hDlg) {
            const DWORD dwStart = ::GetTickCount();
            CProgressWatch watch(hDlg, pfnEnd);
            ::SendMessageW(hDlg, WM_COMMAND, ID_COPY_QUOTED, 0);
            EXPECT_TRUE(watch.m_seen.bOpened);
            EXPECT_TRUE(watch.m_seen.bOwnerDisabled);
            EXPECT_GE(::GetTickCount() - dwStart, 500u);
            EXPECT_NE(watch.m_seen.strFiles.find(L"個のファイルが見つかりました"),
                      std::wstring::npos)
                << watch.m_seen.strFiles;
            EXPECT_EQ(watch.m_seen.strFolder.rfind(strBig + L"\\", 0), 0u)
                << watch.m_seen.strFolder;
            EXPECT_TRUE(::IsWindowEnabled(hDlg));
            if (pfnEnd) {
                EXPECT_EQ(ReadClipboardText(), "as it was");
                EXPECT_TRUE(g_balloons.empty());
            } else {
                const std::wstring strCopied = ReadClipboardUnicodeText().value_or(L"");
                EXPECT_EQ(std::count(strCopied.begin(), strCopied.end(), L'\n'), 2399);
                EXPECT_EQ(strCopied.substr(0, strBig.size() + 11),
                          L"\"" + strBig + L"\\0000\\f1\"\r");
                ASSERT_EQ(g_balloons.size(), 1u);
                EXPECT_EQ(g_balloons[0],
                          L"フォルダの中のファイル: 2400個のファイルをコピーしました。");
            }
        });
    Run(steps);
}

} // namespace
