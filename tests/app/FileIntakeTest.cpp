// Every way files reach the main window besides a plain drop: pasted from the
// clipboard, dropped while a question is open, dropped from a program of
// lower integrity than an elevated window.
#include "afx/LoadString.h"
#include "afx/Wnd.h"
#include "app/DropIntake.h"
#include "app/UnicodeIntake.h"
#include "res/resource.h"
#include "tests/support/Ansi.h"
#include "tests/support/BeepCounter.h"
#include "tests/support/Clipboard.h"
#include "tests/support/ClipboardHolder.h"
#include "tests/support/DropFiles.h"
#include "tests/support/IdLists.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/MessageBoxAnswerer.h"
#include "tests/support/ModalRun.h"
#include "tests/support/PathListDlgFixture.h"
#include "tests/support/Paths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
class FileIntakeTest : public PathListDlgFixture
{
};

void Paste(HWND hDlg)
{
    ::SendMessageW(hDlg, WM_COMMAND, ID_EDIT_PASTE, 0);
}

// A drop that arrives while a question or the info dialog is open over the
// window is released and changes nothing: not the list the user is being
// asked about, nor the count, nor the modes. (Wine delivers it; a box of its
// own saying so would stack on the question.)
TEST_F(FileIntakeTest, DropBehindAQuestionOrTheInfoDialogIsReleasedAndChangesNothing)
{
    WriteClipboardText("before");
    Run({[&](HWND hDlg) {
        Drop(hDlg, Paths{"C:\\Asked\\about.txt"});
        Click(hDlg, IDC_CASE);
        m_boxes.SetAnswer(IDOK);
        // Checked at once: the copy's own memory may take the freed handle's place.
        m_boxes.WhileOpen([&](HWND) {
            EXPECT_TRUE(IsReleased(Drop(hDlg, Paths{"C:\\a", "C:\\b"})));
        });
        Click(hDlg, IDC_COPYALL);
        m_boxes.WhileOpen(nullptr);

        EXPECT_EQ(m_boxes.Seen().size(), 1u) << "no box but the question";
        EXPECT_EQ(ReadClipboardText(), "C:\\ASKED\\ABOUT.TXT") << "what the user was asked about";
        EXPECT_EQ(GetItemText(hDlg, IDC_COUNT), "1");

        RunModalOver(hDlg, [&] { Click(hDlg, IDC_INFO); },
                     {[&](HWND) { EXPECT_TRUE(IsReleased(Drop(hDlg, Paths{"C:\\c"}))); },
                      Pressing(VK_ESCAPE)});
        EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), "C:\\ASKED\\ABOUT.TXT");
        Click(hDlg, IDC_CASE); // on to lower case: the mode was kept
        EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), "c:\\asked\\about.txt");
    }});
}

// Files copied in the file manager are pasted with Ctrl+V as a drop: exact
// names and the ANSI list, the count, both modes back to their start; the
// clipboard keeps its handle.
TEST_F(FileIntakeTest, CtrlVPastesCopiedFilesWhicheverControlHasTheFocus)
{
    struct
    {
        int nFocus;
        WidePaths paths;
        std::wstring strUpper;
    } const pastes[] = {
        {IDC_PATHS, {L"C:\\ソフト\\café.txt", L"D:\\Dir"}, L"C:/ソフト/CAFÉ.TXT\r\nD:/DIR"},
        {IDC_INFO, {L"E:\\only.doc"}, L"E:/ONLY.DOC"},
    };
    for (const auto& paste : pastes) {
        WriteClipboardFiles(MakeDrop(paste.paths));
        Run({[&](HWND hDlg) {
                 Drop(hDlg, Paths{"C:\\before"});
                 Click(hDlg, IDC_CASE);
                 Click(hDlg, IDC_SLASH);
                 ::SendMessageW(hDlg, WM_NEXTDLGCTL,
                                reinterpret_cast<WPARAM>(::GetDlgItem(hDlg, paste.nFocus)), TRUE);
                 HoldCtrlKey(true);
                 PostKey('V');
             },
             [&](HWND hDlg) {
                 HoldCtrlKey(false);
                 EXPECT_EQ(GetItemWideText(hDlg, IDC_PATHS), Join(paste.paths));
                 EXPECT_EQ(GetItemText(hDlg, IDC_COUNT), std::to_string(paste.paths.size()));
                 EXPECT_TRUE(::IsClipboardFormatAvailable(CF_HDROP)) << "the clipboard kept them";
                 // Both modes started again: the first presses give upper case and "/".
                 Click(hDlg, IDC_CASE);
                 Click(hDlg, IDC_SLASH);
                 EXPECT_EQ(GetItemWideText(hDlg, IDC_PATHS), paste.strUpper);
                 Click(hDlg, IDC_COPYALL);
                 EXPECT_EQ(ReadClipboardText(), Ansi(paste.strUpper)) << "the ANSI list";
             }});
    }
    EXPECT_TRUE(m_boxes.Seen().size() == 2u) << "only the two copy questions";
}

// A paste of 100 files or more is refused as such a drop is; one with no
// files on the clipboard beeps; a clipboard another program keeps is waited
// for, then reported. None of them changes the list.
TEST_F(FileIntakeTest, PasteOfTooManyOrNoFilesOrFromABusyClipboardChangesNothing)
{
    CBeepCounter beeps;
    ASSERT_TRUE(beeps.IsCounting());
    Run({[&](HWND hDlg) {
        Drop(hDlg, Paths{"C:\\Kept"});
        WriteClipboardFiles(MakeDrop(Paths(100, "C:\\x")));
        Paste(hDlg);
        ASSERT_EQ(m_boxes.Seen().size(), 1u);
        EXPECT_EQ(m_boxes.Seen()[0].strText, AfxLoadString(IDS_TOO_MANY));

        WriteClipboardText("C:\\just\\text");
        Paste(hDlg);
        EXPECT_EQ(beeps.Beeps(), 1);
        EXPECT_EQ(m_boxes.Seen().size(), 1u);

        WriteClipboardFiles(MakeDrop(Paths{"C:\\held"}));
        CClipboardHolder holder;
        ASSERT_TRUE(holder.IsHolding());
        Paste(hDlg);
        ASSERT_EQ(m_boxes.Seen().size(), 2u);
        EXPECT_EQ(m_boxes.Seen()[1].strText, AfxLoadString(IDS_CLIPBOARD_BUSY));
        EXPECT_EQ(beeps.Beeps(), 1);

        EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), "C:\\Kept");
        EXPECT_EQ(GetItemText(hDlg, IDC_COUNT), "1");
    }});
}

// A drop handle or item ID lists naming nothing (none of their items named
// by the shell) hold no files: pasted alone they beep and change nothing; an
// empty drop handle leaves the paste to the item ID lists beside it.
TEST_F(FileIntakeTest, PasteOfNoNamesBeepsOrTakesTheItemIdListsBesideThem)
{
    wchar_t szFile[MAX_PATH], szFolder[MAX_PATH];
    ::GetModuleFileNameW(NULL, szFile, MAX_PATH);
    ::GetSystemDirectoryW(szFolder, MAX_PATH);
    const WidePaths listed = {szFile, szFolder};
    const struct
    {
        const char* pszWhat;
        HANDLE hDrop, hIdLists;
        std::wstring strShown;
        const char* pszCount;
        int nBeeps; // in all, by the end of the row
    } pastes[] = {
        {"empty drop handle", MakeDrop(Paths{}), NULL, L"C:\\Kept", "1", 1},
        {"empty item ID lists", NULL, MakeIdLists(std::vector<PIDLIST_ABSOLUTE>{}), L"C:\\Kept",
         "1", 2},
        {"item ID lists the shell cannot name", NULL,
         MakeIdLists(std::vector{MakeUnnamedItem(), MakeUnnamedItem()}), L"C:\\Kept", "1", 3},
        {"an item the shell cannot name beside one it can", NULL,
         MakeIdLists(std::vector{MakeUnnamedItem(), ::ILCreateFromPathW(szFile)}),
         L"\r\n" + listed[0], "2", 3},
        {"empty drop handle beside item ID lists", MakeDrop(Paths{}), MakeIdLists(listed),
         Join(listed), "2", 3},
    };
    CBeepCounter beeps;
    ASSERT_TRUE(beeps.IsCounting());
    Run({[&](HWND hDlg) {
        for (const auto& paste : pastes) {
            Drop(hDlg, Paths{"C:\\Kept"});
            WriteClipboard({{CF_HDROP, paste.hDrop}, {CF_IDLISTS, paste.hIdLists}});
            Paste(hDlg);
            EXPECT_EQ(GetItemWideText(hDlg, IDC_PATHS), paste.strShown) << paste.pszWhat;
            EXPECT_EQ(GetItemText(hDlg, IDC_COUNT), paste.pszCount) << paste.pszWhat;
            EXPECT_EQ(beeps.Beeps(), paste.nBeeps) << paste.pszWhat;
        }
        EXPECT_TRUE(m_boxes.Seen().empty());
    }});
}

// Each item of the shell's item ID lists is named by the shell once: its
// ANSI name is made from the exact name fetched for it.
TEST_F(FileIntakeTest, EachItemIdListIsNamedByTheShellOnce)
{
    wchar_t szFile[MAX_PATH], szFolder[MAX_PATH];
    ::GetModuleFileNameW(NULL, szFile, MAX_PATH);
    ::GetSystemDirectoryW(szFolder, MAX_PATH);
    const WidePaths listed = {szFile, szFolder, szFile};
    static int s_nNamings;
    static HRESULT(WINAPI * s_pfnReal)(PCIDLIST_ABSOLUTE, SIGDN, PWSTR*);
    const auto counting = +[](PCIDLIST_ABSOLUTE pidl, SIGDN sigdn, PWSTR* ppszName) WINAPI {
        ++s_nNamings;
        return s_pfnReal(pidl, sigdn, ppszName);
    };
    s_nNamings = 0;
    CImportPatch naming("shell32.dll", "SHGetNameFromIDList", reinterpret_cast<void*>(counting));
    ASSERT_TRUE(naming.IsPatched());
    s_pfnReal = RealOf<decltype(s_pfnReal)>(naming);
    WriteClipboard({{CF_IDLISTS, MakeIdLists(listed)}});
    Run({[&](HWND hDlg) {
        Paste(hDlg);
        EXPECT_EQ(GetItemWideText(hDlg, IDC_PATHS), Join(listed));
        EXPECT_EQ(s_nNamings, 3);
    }});
}

// Any program can post the window the messages it posts itself: the command
// line is taken once, as the window shows, and message 105 opens only after
// a drop through OLE was refused for too many items.
TEST_F(FileIntakeTest, ItsOwnMessagesPostedByOthersChangeNothing)
{
    m_lpszCommandLine = L"Vexlo.exe C:\\given";
    Run({[&](HWND hDlg) {
             EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), "C:\\given");
             Drop(hDlg, Paths{"C:\\dropped"});
             for (const UINT message : {WM_APP, WM_APP + 1})
                 ::PostMessageW(hDlg, message, 0, 0);
         },
         [&](HWND hDlg) {
             EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), "C:\\dropped");
             EXPECT_TRUE(m_boxes.Seen().empty());
         }});
}

// What the window asks of the system's message filter.
struct CFilterCall
{
    HWND hWnd;
    UINT message;
    DWORD dwAction;
    PCHANGEFILTERSTRUCT pChangeFilterStruct;
};
std::vector<CFilterCall> g_filterCalls;
FARPROC(WINAPI* g_pfnGetProcAddress)(HMODULE, LPCSTR);

BOOL WINAPI RecordFilterCall(HWND hWnd, UINT message, DWORD dwAction, PCHANGEFILTERSTRUCT pChange)
{
    g_filterCalls.push_back({hWnd, message, dwAction, pChange});
    return TRUE;
}

FARPROC WINAPI GetProcAddressWithFilterRecorder(HMODULE hModule, LPCSTR lpszName)
{
    if (HIWORD(lpszName) && std::string(lpszName) == "ChangeWindowMessageFilterEx")
        return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(RecordFilterCall));
    return g_pfnGetProcAddress(hModule, lpszName);
}

// Run elevated, the window lets exactly the messages of a drop through the
// system's message filter, on its own window alone. Wine's filter is a stub:
// what the window asks of it is watched through its run-time look-up.
TEST_F(FileIntakeTest, DropsAreLetThroughToTheWindowWhenElevated)
{
    g_filterCalls.clear();
    CImportPatch lookUp("kernel32.dll", "GetProcAddress",
                        reinterpret_cast<void*>(GetProcAddressWithFilterRecorder));
    ASSERT_TRUE(lookUp.IsPatched());
    g_pfnGetProcAddress = RealOf<decltype(g_pfnGetProcAddress)>(lookUp);
    Run({[&](HWND hDlg) {
        ASSERT_EQ(g_filterCalls.size(), 3u);
        const UINT messages[] = {WM_DROPFILES, WM_COPYDATA, WM_COPYGLOBALDATA};
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(g_filterCalls[i].hWnd, hDlg);
            EXPECT_EQ(g_filterCalls[i].message, messages[i]);
            EXPECT_EQ(g_filterCalls[i].dwAction, static_cast<DWORD>(MSGFLT_ALLOW));
            EXPECT_EQ(g_filterCalls[i].pChangeFilterStruct, nullptr);
        }
    }});
}

// A source with UTF-16 names alone gives the same ANSI names as the shell
// reads from a drop of the same files: best fits, "?" and long names alike.
TEST(UnicodeIntakeTest, GivesTheAnsiNamesADropOfTheSameFilesGives)
{
    class CNames : public CUnicodeIntake
    {
    public:
        explicit CNames(const WidePaths& names) : m_names(names) {}
        unsigned GetCount() const override { return unsigned(m_names.size()); }

    private:
        std::wstring FetchName(unsigned i) override { return m_names[i]; }

        const WidePaths& m_names;
    };
    const WidePaths names = {L"C:\\ソフト\\表.txt", L"C:\\café\\한글 😀",
                             L"C:\\" + std::wstring(300, L'ソ')};
    const HDROP hDrop = MakeDrop(names);
    CDropIntake dropped(hDrop);
    CNames named(names);
    ASSERT_TRUE(dropped.IsOpen());
    ASSERT_EQ(dropped.GetCount(), names.size());
    for (unsigned i = 0; i < names.size(); ++i)
        EXPECT_EQ(named.GetAnsiName(i), dropped.GetAnsiName(i)) << "name " << i;
    ::GlobalFree(hDrop);
}
} // namespace
