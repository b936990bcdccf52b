// The path box's own menu: its items as they can be used, and each copy form
// on the clipboard.
#include "res/resource.h"
#include "tests/pathlist/HtmlHeader.h"
#include "tests/support/Ansi.h"
#include "tests/support/BeepCounter.h"
#include "tests/support/Clipboard.h"
#include "tests/support/DropFiles.h"
#include "tests/support/IdLists.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/MenuWatcher.h"
#include "tests/support/MessageBoxAnswerer.h"
#include "tests/support/ModalRun.h"
#include "tests/support/PathListDlgFixture.h"
#include "tests/support/Paths.h"
#include "tests/support/WindowChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace {
class PathsMenuTest : public PathListDlgFixture
{
};

// The menu's items in order, with what needs a list (copies, the removal and
// the name order), the paste and the undo greyed or not, and the adding checked.
std::vector<CMenuItemSeen> MenuItems(bool bEmpty, bool bPasteGrayed, bool bUndoGrayed = true,
                                     bool bAdding = false)
{
    return {{L"全てコピー(&C)", false},
            {L"引用符付きでコピー(&Q)\tCtrl+Shift+C", bEmpty},
            {L"名前だけコピー(&N)", bEmpty},
            {L"UNCパスでコピー(&U)", bEmpty},
            {L"WSLパスでコピー(&W)", bEmpty},
            {L"URLでコピー(&L)", bEmpty},
            {L"一覧表でコピー(&T)", bEmpty},
            {L"その他の形式でコピー(&O)",
             bEmpty,
             false,
             {{L"親フォルダのパス(&F)", bEmpty},
              {L"エスケープ付き(&E)", bEmpty},
              {L"Git Bash・MSYS2(&G)", bEmpty},
              {L"Cygwin(&Y)", bEmpty},
              {L"1行にまとめて(&J)", bEmpty},
              {L"拡張子なしの名前(&X)", bEmpty},
              {L"引用符は必要なときだけ(&M)", bEmpty},
              {L"PowerShell(&P)", bEmpty},
              {L"bash・WSL 1行(&B)", bEmpty},
              {L"Git Bash 1行(&H)", bEmpty},
              {L"共通フォルダからの相対パス(&R)", bEmpty},
              {L"リンク (HTML・Markdown)(&K)", bEmpty}}},
            {L"", false},
            {L"元に戻す(&Z)\tCtrl+Z", bUndoGrayed},
            {L"", false},
            {L"貼り付け(&P)", bPasteGrayed},
            {L"選択した行を削除(&R)\tDel", bEmpty},
            {L"", false},
            {L"すべて選択(&A)", false},
            {L"", false},
            {L"名前順に並べ替え(&S)", bEmpty},
            {L"フォルダの中のファイルに展開(&I)", false},
            {L"ドロップで追加(&D)", false, bAdding}};
}

// Whether the menu showed the item of that text checked.
bool IsChecked(const std::vector<CMenuItemSeen>& seen, const wchar_t* pszText)
{
    const auto item = std::find_if(seen.begin(), seen.end(),
                                   [&](const CMenuItemSeen& i) { return i.strText == pszText; });
    return item != seen.end() && item->bChecked;
}

// A right-click opens the box's menu in place of the edit control's, and
// so do Shift+F10 and the menu key; items that cannot be used are greyed.
TEST_F(PathsMenuTest, RightClickOrTheKeyboardOpensTheBoxsOwnMenu)
{
    WriteClipboardText("no files");
    Run({[&](HWND hDlg) {
             CMenuWatcher menu(nullptr);
             // What a right-click leaves the box with, the edit control's own
             // menu coming from it.
             ::SendMessageW(::GetDlgItem(hDlg, IDC_PATHS), WM_RBUTTONUP, 0, MAKELPARAM(20, 20));
             EXPECT_EQ(menu.Seen(), MenuItems(true, true));
             EXPECT_TRUE(m_boxes.Seen().empty());

             Drop(hDlg, Paths{"C:\\a b\\c.txt"});
             WriteClipboardFiles(MakeDrop(Paths{"C:\\pasted"}));
         },
         [&](HWND hDlg) {
             // What Shift+F10 and the menu key send the focused box.
             CMenuWatcher menu(L"q");
             const HWND hBox = ::GetDlgItem(hDlg, IDC_PATHS);
             ::SendMessageW(hBox, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hBox), -1);
             EXPECT_EQ(menu.Seen(), MenuItems(false, false, false));
         },
         [&](HWND hDlg) {
             ASSERT_EQ(m_boxes.Seen().size(), 1u) << "the copy question";
             EXPECT_EQ(ReadClipboardUnicodeText(), L"\"C:\\a b\\c.txt\"");
             EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), "C:\\a b\\c.txt");
         }});
}
// Files the shell put on the clipboard as its item ID lists alone, as it does
// for paths past 259 characters (which Wine cannot make: these are short),
// are pasted from the menu, whose paste item they enable; the clipboard keeps
// them.
TEST_F(PathsMenuTest, ItemIdListsOnTheClipboardArePastedFromTheMenu)
{
    wchar_t szFile[MAX_PATH];
    ::GetModuleFileNameW(NULL, szFile, MAX_PATH);
    WriteClipboard({{CF_IDLISTS, MakeIdLists(std::vector<std::wstring>{szFile})}});
    Run({[&](HWND hDlg) {
             CMenuWatcher menu(L"p");
             const HWND hBox = ::GetDlgItem(hDlg, IDC_PATHS);
             ::SendMessageW(hBox, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hBox), -1);
             EXPECT_EQ(menu.Seen(), MenuItems(true, false));
         },
         [&](HWND hDlg) {
             EXPECT_EQ(GetItemWideText(hDlg, IDC_PATHS), szFile);
             EXPECT_TRUE(::IsClipboardFormatAvailable(CF_IDLISTS));
         }});
}

// The paths of the DLLs the program loads at run time.
std::vector<std::wstring> g_loaded;
HMODULE(WINAPI* g_pfnLoadLibraryEx)(LPCWSTR, HANDLE, DWORD);

HMODULE WINAPI RecordingLoadLibraryEx(LPCWSTR lpszFile, HANDLE hFile, DWORD dwFlags)
{
    g_loaded.push_back(lpszFile);
    return g_pfnLoadLibraryEx(lpszFile, hFile, dwFlags);
}

// Each copy form after its question: the form's text as Unicode, its ANSI
// conversion and the locale; the list, the count and the selection stay.
// Wine has no network drives: the server form leaves the paths as they are,
// and the network DLL comes from the system folder, only once asked for.
TEST_F(PathsMenuTest, EachFormCopiesTheShownListAsItsReaderNeedsIt)
{
    const WidePaths paths = {L"C:\\a b\\表.txt", L"\\\\server\\share\\dir"};
    const struct
    {
        UINT nID;
        std::wstring strCopied;
    } forms[] = {
        {ID_COPY_QUOTED, L"\"C:\\a b\\表.txt\"\r\n\"\\\\server\\share\\dir\""},
        {ID_COPY_NAMES, L"表.txt\r\ndir"},
        {ID_COPY_UNC, L"C:\\a b\\表.txt\r\n\\\\server\\share\\dir"},
        {ID_COPY_WSL, L"/mnt/c/a b/表.txt\r\n//server/share/dir"},
        {ID_COPY_URL, L"file:///C:/a%20b/%E8%A1%A8.txt\r\nfile://server/share/dir"},
        {ID_COPY_PARENT, L"C:\\a b\r\n\\\\server\\share"},
        {ID_COPY_ESCAPED, L"\"C:\\\\a b\\\\表.txt\"\r\n\"\\\\\\\\server\\\\share\\\\dir\""},
        {ID_COPY_GIT_BASH, L"/c/a b/表.txt\r\n//server/share/dir"},
        {ID_COPY_CYGWIN, L"/cygdrive/c/a b/表.txt\r\n//server/share/dir"},
        {ID_COPY_ONE_LINE, LR"("C:\a b\表.txt" "\\server\share\dir")"},
    };
    g_loaded.clear();
    CImportPatch loads("kernel32.dll", "LoadLibraryExW",
                       reinterpret_cast<void*>(RecordingLoadLibraryEx));
    ASSERT_TRUE(loads.IsPatched());
    g_pfnLoadLibraryEx = RealOf<decltype(g_pfnLoadLibraryEx)>(loads);
    Run({[&](HWND hDlg) {
        Drop(hDlg, paths);
        const std::wstring strShown = GetItemWideText(hDlg, IDC_PATHS);
        ::SendDlgItemMessageW(hDlg, IDC_PATHS, EM_SETSEL, 2, 5);
        EXPECT_TRUE(g_loaded.empty()) << "nothing loaded before the server form is asked for";
        for (const auto& form : forms) {
            ::SendMessageW(hDlg, WM_COMMAND, form.nID, 0);
            EXPECT_EQ(ReadClipboardUnicodeText(), form.strCopied) << form.nID;
            EXPECT_EQ(ReadClipboardText(), Ansi(form.strCopied)) << form.nID;
            EXPECT_TRUE(ReadClipboardLocale()) << form.nID;
        }
        EXPECT_EQ(m_boxes.Seen().size(), std::size(forms)) << "a question before each";
        EXPECT_EQ(GetItemWideText(hDlg, IDC_PATHS), strShown);
        EXPECT_EQ(GetItemText(hDlg, IDC_COUNT), "2");
        const auto [nStart, nEnd] = GetSelection(::GetDlgItem(hDlg, IDC_PATHS));
        EXPECT_EQ(nStart, 2u);
        EXPECT_EQ(nEnd, 5u);

        wchar_t szSystem[MAX_PATH];
        ::GetSystemDirectoryW(szSystem, MAX_PATH);
        EXPECT_EQ(g_loaded, std::vector<std::wstring>{std::wstring(szSystem) + L"\\mpr.dll"});

        m_boxes.SetAnswer(IDCANCEL);
        ::SendMessageW(hDlg, WM_COMMAND, ID_COPY_WSL, 0);
        EXPECT_EQ(ReadClipboardUnicodeText(), forms[std::size(forms) - 1].strCopied)
            << "a cancelled copy changed the clipboard";
    }});
}

// The forms chosen in the submenu by their keys, each after its question: a
// name without its extension (a folder's kept whole, as the file system
// tells), the shells' quoting, paths from the folder every item is in, and
// links, their HTML beside the text. Copying another form takes the HTML away.
TEST_F(PathsMenuTest, SubmenuFormsReachTheClipboardAsTheirPlacesTakeThem)
{
    const std::wstring strFolder = L"C:\\v1.2";
    ASSERT_TRUE(::CreateDirectoryW(strFolder.c_str(), NULL) ||
                ::GetLastError() == ERROR_ALREADY_EXISTS);
    const WidePaths paths = {L"C:\\dir\\a b.tar.gz", L"c:\\DIR\\sub\\it's [表].txt", strFolder};
    const struct
    {
        wchar_t nKey;
        std::wstring strCopied;
        std::string strHtml = {};
    } forms[] = {
        {L'x', L"a b.tar\r\nit's [表]\r\nv1.2"},
        {L'm', LR"("C:\dir\a b.tar.gz")"
               L"\r\n"
               LR"("c:\DIR\sub\it's [表].txt")"
               L"\r\nC:\\v1.2"},
        {L'p', LR"('C:\dir\a b.tar.gz', 'c:\DIR\sub\it''s [表].txt', 'C:\v1.2')"},
        {L'b', LR"('/mnt/c/dir/a b.tar.gz' '/mnt/c/DIR/sub/it'\''s [表].txt' '/mnt/c/v1.2')"},
        {L'h', LR"('/c/dir/a b.tar.gz' '/c/DIR/sub/it'\''s [表].txt' '/c/v1.2')"},
        {L'r', L"dir\\a b.tar.gz\r\nDIR\\sub\\it's [表].txt\r\nv1.2"},
        {L'k',
         L"[a b.tar.gz](file:///C:/dir/a%20b.tar.gz)\r\n"
         L"[it's \\[表\\].txt](file:///c:/DIR/sub/it%27s%20%5B%E8%A1%A8%5D.txt)\r\n"
         L"[v1.2](file:///C:/v1.2)",
         "<a href=\"file:///C:/dir/a%20b.tar.gz\">a b.tar.gz</a><br>\r\n"
         "<a href=\"file:///c:/DIR/sub/it%27s%20%5B%E8%A1%A8%5D.txt\">it&#39;s "
         "[\xE8\xA1\xA8].txt</a><br>\r\n"
         "<a href=\"file:///C:/v1.2\">v1.2</a>"},
    };
    std::vector<Step> steps = {[&](HWND hDlg) {
        Drop(hDlg, paths);
    }};
    for (size_t i = 0; i <= std::size(forms); ++i) {
        steps.push_back([&, i](HWND hDlg) {
            if (i > 0) {
                const auto& form = forms[i - 1];
                EXPECT_EQ(ReadClipboardUnicodeText(), form.strCopied) << form.nKey;
                EXPECT_EQ(ReadClipboardText(), Ansi(form.strCopied)) << form.nKey;
                EXPECT_EQ(HtmlFragment(ReadClipboardHtml().value_or("")), form.strHtml)
                    << form.nKey;
            }
            if (i == std::size(forms))
                return;
            const std::wstring keys = {L'o', forms[i].nKey};
            CMenuWatcher menu(keys.c_str());
            const HWND hBox = ::GetDlgItem(hDlg, IDC_PATHS);
            ::SendMessageW(hBox, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hBox), -1);
        });
    }
    steps.push_back([&](HWND hDlg) {
        EXPECT_EQ(m_boxes.Seen().size(), std::size(forms)) << "a question before each";
        EXPECT_EQ(GetItemWideText(hDlg, IDC_PATHS), Join(paths));
        ::SendMessageW(hDlg, WM_COMMAND, ID_COPY_NAMES, 0);
        EXPECT_EQ(ReadClipboardHtml(), std::nullopt);
    });
    Run(steps);
    ::RemoveDirectoryW(strFolder.c_str());
}

// The one-line form, and each line of the form quoted where needed, split as
// programs split their command line (CommandLineToArgvW) give back the paths
// shown: roots, a folder named with its "\", spaces, several paths.
TEST_F(PathsMenuTest, CommandLineFormsSplitBackIntoThePathsShown)
{
    const WidePaths paths = {L"C:\\", L"D:\\work\\", L"C:\\a b\\c d.txt", L"\\\\srv\\s h\\",
                             L"C:\\x"};
    const auto split = [](const std::wstring& strLine) {
        int nArgs = 0;
        LPWSTR* ppszArgs = ::CommandLineToArgvW((L"program.exe " + strLine).c_str(), &nArgs);
        const WidePaths args(ppszArgs + 1, ppszArgs + nArgs);
        ::LocalFree(ppszArgs);
        return args;
    };
    Run({[&](HWND hDlg) {
        Drop(hDlg, paths);
        ::SendMessageW(hDlg, WM_COMMAND, ID_COPY_ONE_LINE, 0);
        EXPECT_EQ(split(ReadClipboardUnicodeText().value_or(L"")), paths);
        ::SendMessageW(hDlg, WM_COMMAND, ID_COPY_CMD_ARGUMENTS, 0);
        const std::wstring strLines = ReadClipboardUnicodeText().value_or(L"");
        size_t at = 0;
        for (const std::wstring& path : paths) {
            const size_t end = std::min(strLines.find(L"\r\n", at), strLines.size());
            EXPECT_EQ(split(strLines.substr(at, end - at)), WidePaths{path});
            at = end + 2;
        }
        EXPECT_EQ(at, strLines.size() + 2) << "a line for each path";
    }});
}

// The last write of a file as the table shows it, as the test reads it.
std::wstring LastWrite(const std::wstring& strPath)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    SYSTEMTIME utc, local;
    EXPECT_TRUE(::GetFileAttributesExW(strPath.c_str(), GetFileExInfoStandard, &data) &&
                ::FileTimeToSystemTime(&data.ftLastWriteTime, &utc) &&
                ::SystemTimeToTzSpecificLocalTime(NULL, &utc, &local));
    wchar_t szTime[32];
    ::wsprintfW(szTime, L"%04u/%02u/%02u %02u:%02u:%02u", local.wYear, local.wMonth, local.wDay,
                local.wHour, local.wMinute, local.wSecond);
    return szTime;
}

// The table, from the menu by its key after the question: a file, a folder
// (one past 259 characters too) and a file that is gone, as the file system
// tells the test; its HTML beside.
TEST_F(PathsMenuTest, TableCopiesEachItemsDetailsAsTheFileSystemTellsThem)
{
    const std::wstring strFolder = L"C:\\vexlo table", strSub = strFolder + L"\\sub.d";
    const std::wstring strFile = strFolder + L"\\表 a.tar.gz", strGone = strFolder + L"\\gone";
    const std::wstring strLong = strSub + L"\\" + std::wstring(250, L'x');
    ::CreateDirectoryW(strFolder.c_str(), NULL);
    ::CreateDirectoryW(strSub.c_str(), NULL);
    ::CreateDirectoryW((L"\\\\?\\" + strLong).c_str(), NULL);
    const HANDLE hFile =
        ::CreateFileW(strFile.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    DWORD nWritten = 0;
    ASSERT_TRUE(::WriteFile(hFile, "12345", 5, &nWritten, NULL));
    ::CloseHandle(hFile);
    const std::wstring strTable =
        L"パス\t名前\t種類\tサイズ\t更新日時\r\n" + strFile + L"\t表 a.tar.gz\t.gz\t5\t" +
        LastWrite(strFile) + L"\r\n" + strSub + L"\tsub.d\tフォルダ\t\t" + LastWrite(strSub) +
        L"\r\n" + strLong + L"\t" + std::wstring(250, L'x') + L"\tフォルダ\t\t" +
        LastWrite(L"\\\\?\\" + strLong) + L"\r\n" + strGone + L"\tgone\t\t\t";
    Run({[&](HWND hDlg) {
             Drop(hDlg, WidePaths{strFile, strSub, strLong, strGone});
             CMenuWatcher menu(L"t");
             const HWND hBox = ::GetDlgItem(hDlg, IDC_PATHS);
             ::SendMessageW(hBox, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hBox), -1);
         },
         [&](HWND) {
             ASSERT_EQ(m_boxes.Seen().size(), 1u) << "the copy question";
             EXPECT_EQ(ReadClipboardUnicodeText(), strTable);
             EXPECT_EQ(ReadClipboardText(), Ansi(strTable));
             const std::string html = HtmlFragment(ReadClipboardHtml().value_or(""));
             EXPECT_EQ(html.rfind("<table>", 0), 0u);
             EXPECT_NE(html.find(R"(<td style="mso-number-format:0">5</td>)"), html.npos) << html;
         }});
    ::DeleteFileW(strFile.c_str());
    ::RemoveDirectoryW((L"\\\\?\\" + strLong).c_str());
    ::RemoveDirectoryW(strSub.c_str());
    ::RemoveDirectoryW(strFolder.c_str());
}

// Ctrl+Shift+C, whichever control has the focus, copies the quoted form
// after the question; with no list it only beeps. Ctrl+C in the box still
// copies its selection.
TEST_F(PathsMenuTest, CtrlShiftCCopiesTheQuotedListWhicheverControlHasTheFocus)
{
    CBeepCounter beeps;
    const auto focus = [](HWND hDlg, int nID) {
        ::SendMessageW(hDlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(hDlg, nID)),
                       TRUE);
    };
    Run({[&](HWND) {
             HoldCtrlKey(true, true);
             PostKey('C');
         },
         [&](HWND hDlg) {
             EXPECT_EQ(beeps.Beeps(), 1);
             Drop(hDlg, Paths{"C:\\a b\\c.txt", "D:\\d"});
             focus(hDlg, IDC_PATHS);
             ::SendDlgItemMessageW(hDlg, IDC_PATHS, EM_SETSEL, 0, 4);
             HoldCtrlKey(true);
             PostKey('C');
         },
         [&](HWND hDlg) {
             EXPECT_EQ(ReadClipboardUnicodeText(), L"C:\\a");
             focus(hDlg, IDC_INFO);
             HoldCtrlKey(true, true);
             PostKey('C');
         },
         [&](HWND) {
             HoldCtrlKey(false);
             EXPECT_EQ(m_boxes.Seen().size(), 1u) << "the copy question";
             EXPECT_EQ(ReadClipboardUnicodeText(), L"\"C:\\a b\\c.txt\"\r\n\"D:\\d\"");
         }});
}

// By the menu, the list in name order (by folder, folders first, then by
// name as the shell compares them), checked; chosen again, as given.
TEST_F(PathsMenuTest, NameOrderByTheMenuAndBack)
{
    // A real folder for the file system to tell; the files need not be there.
    const WidePaths given = {L"C:\\windows\\a10.txt", L"C:\\windows\\system32",
                             L"C:\\windows\\B.txt", L"C:\\windows\\a2.txt"};
    const auto choose = [](HWND hDlg) {
        CMenuWatcher menu(L"s");
        const HWND hBox = ::GetDlgItem(hDlg, IDC_PATHS);
        ::SendMessageW(hBox, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hBox), -1);
        return IsChecked(menu.Seen(), L"名前順に並べ替え(&S)");
    };
    Run({[&](HWND hDlg) {
             Drop(hDlg, given);
             EXPECT_FALSE(choose(hDlg));
         },
         [&](HWND hDlg) {
             EXPECT_EQ(GetItemWideText(hDlg, IDC_PATHS),
                       Join(WidePaths{given[1], given[3], given[0], given[2]}));
             EXPECT_TRUE(choose(hDlg));
         },
         [&](HWND hDlg) {
             EXPECT_EQ(GetItemWideText(hDlg, IDC_PATHS), Join(given));
         }});
}

// With ドロップで追加 checked, drops and pastes gather one list, a path held
// already left out; Delete takes out the caret's line, then, with the focus
// elsewhere, two selected lines (not the third, whose start the selection
// ends at); Ctrl+Z puts them back. A drop that would pass 99 items is refused
// and changes nothing. Unchecked, the next drop replaces the list.
TEST_F(PathsMenuTest, DropsAddedTakenOutAndPutBack)
{
    const auto chooseAdding = [](HWND hDlg, bool bChecked) {
        CMenuWatcher menu(L"d");
        const HWND hBox = ::GetDlgItem(hDlg, IDC_PATHS);
        ::SendMessageW(hBox, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hBox), -1);
        EXPECT_EQ(IsChecked(menu.Seen(), L"ドロップで追加(&D)"), bChecked);
    };
    const auto expectList = [](HWND hDlg, const Paths& paths) {
        EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), Join(paths));
        EXPECT_EQ(GetItemText(hDlg, IDC_COUNT), std::to_string(paths.size()));
    };
    const auto focus = [](HWND hDlg, int nID) {
        ::SendMessageW(hDlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(hDlg, nID)),
                       TRUE);
    };
    const Paths all = {"C:\\one\\a.txt", "C:\\one\\b.txt", "D:\\two\\c.txt", "C:\\pasted"};
    const Paths kept = {all[0], all[2], all[3]};
    WriteClipboardFiles(MakeDrop(Paths{all[3]}));
    Run({[&](HWND hDlg) { chooseAdding(hDlg, false); },
         [&](HWND hDlg) {
             Drop(hDlg, Paths{all[0], all[1]});
             Drop(hDlg, Paths{all[2], "c:\\ONE\\A.TXT"});
             ::SendMessageW(hDlg, WM_COMMAND, ID_EDIT_PASTE, 0);
             Drop(hDlg, Paths{all[1]});
             expectList(hDlg, all);
             focus(hDlg, IDC_PATHS);
             ::SendDlgItemMessageW(hDlg, IDC_PATHS, EM_SETSEL, 17, 17);
             PostKey(VK_DELETE);
         },
         [&](HWND hDlg) {
             expectList(hDlg, kept);
             EXPECT_EQ(GetSelection(::GetDlgItem(hDlg, IDC_PATHS)), std::make_pair(14ul, 14ul))
                 << "the caret starts the line after";
             ::SendDlgItemMessageW(hDlg, IDC_PATHS, EM_SETSEL, 2, 28);
             focus(hDlg, IDC_INFO);
             PostKey(VK_DELETE);
         },
         [&](HWND hDlg) {
             expectList(hDlg, {all[3]});
             HoldCtrlKey(true);
             PostKey('Z');
         },
         [&](HWND hDlg) {
             HoldCtrlKey(false);
             expectList(hDlg, kept);
             Paths tooMany;
             for (int i = 0; i < 97; ++i)
                 tooMany.push_back("E:\\f" + std::to_string(i));
             Drop(hDlg, tooMany);
             ASSERT_EQ(m_boxes.Seen().size(), 1u);
             EXPECT_TRUE(IsProgramMessageBox(m_boxes.Seen()[0], IDS_TOO_MANY, MB_OK));
             expectList(hDlg, kept);
         },
         [&](HWND hDlg) { chooseAdding(hDlg, true); },
         [&](HWND hDlg) {
             Drop(hDlg, Paths{"F:\\new"});
             expectList(hDlg, {"F:\\new"});
         }});
}
} // namespace
