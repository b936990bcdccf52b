// The program's start-up: the DLL search is restricted before any window is
// made; the names on the command line are listed once the window shows.
#include "afx/LoadString.h"
#include "res/resource.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/Paths.h"
#include "tests/support/ProgramWindows.h"
#include "tests/support/TestApp.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {
// What the start-up called, in order, and whether the system it runs on has
// SetDefaultDllDirectories.
std::vector<std::wstring> g_calls;
bool g_bHasSetDefault;

BOOL WINAPI SetDefaultStandIn(DWORD dwFlags)
{
    g_calls.push_back(L"SetDefaultDllDirectories " + std::to_wstring(dwFlags));
    return TRUE;
}

BOOL WINAPI SetDllDirectoryStandIn(LPCWSTR lpszPath)
{
    g_calls.push_back(L"SetDllDirectoryW \"" + std::wstring(lpszPath) + L"\"");
    return TRUE;
}

FARPROC WINAPI LookUpStandIn(HMODULE, LPCSTR lpszName)
{
    const bool bFound = g_bHasSetDefault && !std::strcmp(lpszName, "SetDefaultDllDirectories");
    return bFound ? reinterpret_cast<FARPROC>(reinterpret_cast<void*>(SetDefaultStandIn)) : NULL;
}

TEST(StartupTest, RestrictsTheDllSearchBeforeInitInstance)
{
    const CImportPatch setDllDirectory("kernel32.dll", "SetDllDirectoryW",
                                       reinterpret_cast<void*>(SetDllDirectoryStandIn));
    // Last: a patch finds the function it replaces by looking it up.
    const CImportPatch lookUp("kernel32.dll", "GetProcAddress",
                              reinterpret_cast<void*>(LookUpStandIn));
    ASSERT_TRUE(setDllDirectory.IsPatched() && lookUp.IsPatched());
    theTestApp.m_initInstance = [] {
        g_calls.push_back(L"InitInstance");
    };
    // LOAD_LIBRARY_SEARCH_SYSTEM32; or, on Vista and 7 without their update,
    // the current folder taken out.
    for (const bool bHasSetDefault : {true, false}) {
        g_bHasSetDefault = bHasSetDefault;
        g_calls.clear();
        AfxWinMain(::GetModuleHandleW(NULL), NULL, NULL, SW_SHOWNORMAL);
        EXPECT_EQ(g_calls,
                  (std::vector<std::wstring>{bHasSetDefault ? L"SetDefaultDllDirectories 2048"
                                                            : L"SetDllDirectoryW \"\"",
                                             L"InitInstance"}));
    }
    theTestApp.m_initInstance = nullptr;
}

template <class F> std::wstring PathBy(F pfnPath, const std::wstring& strPath)
{
    std::wstring strResult(pfnPath(strPath.c_str(), NULL, 0), L'\0');
    strResult.resize(pfnPath(strPath.c_str(), strResult.data(), strResult.size()));
    return strResult;
}

// Vexlo.exe started in a folder of the test's: each argument a name, made full
// against that folder, its 8.3 components long where the file exists, listed
// as made full where it does not; more than 99 are message 105 over the
// window; none, the empty window of every start.
TEST(CommandLineTest, ListsEachNameFullAndLongOnceTheWindowShows)
{
    wchar_t szTemp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, szTemp);
    const std::wstring folder = PathBy(::GetLongPathNameW, szTemp) + L"Vexlo コマンドライン";
    const std::wstring file = folder + L"\\長いファイル名 1.txt";
    ::CreateDirectoryW(folder.c_str(), NULL);
    ::CloseHandle(::CreateFileW(file.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
    const std::wstring shortFile = PathBy(::GetShortPathNameW, file);
    ASSERT_NE(shortFile, file) << "no 8.3 names here";
    std::wstring hundred;
    for (int i = 0; i < 100; ++i)
        hundred += L" n" + std::to_wstring(i);
    const struct
    {
        std::wstring arguments, paths, count;
        UINT nBoxText; // the start's own box, or else 全てコピー's question after it
    } CASES[] = {
        {L"\"" + file + L"\" \"長いファイル名 1.txt\" " + shortFile +
             L" \"..\\Vexlo コマンドライン\\.\\無い名前.txt\"",
         Join(WidePaths{file, file, file, folder + L"\\無い名前.txt"}), L"4", IDS_CONFIRM_COPY},
        {hundred, L"", L"0", IDS_TOO_MANY},
        {L"", L"", L"0", IDS_CONFIRM_COPY},
    };
    for (const auto& c : CASES) {
        std::wstring command = L"\"" VEXLO_PROGRAM L"\" " + c.arguments;
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        ASSERT_TRUE(::CreateProcessW(NULL, command.data(), NULL, NULL, FALSE, 0, NULL,
                                     folder.c_str(), &startup, &process));
        const HWND hDlg = WaitForWindow(process.dwProcessId, NULL);
        // Posted after what the window posted itself as it opened.
        if (hDlg && c.nBoxText == IDS_CONFIRM_COPY)
            ::PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDC_COPYALL, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, IDC_COPYALL)));
        const HWND hBox = hDlg ? WaitForWindow(process.dwProcessId, hDlg) : NULL;
        EXPECT_TRUE(hBox) << "no window, or no box over it";
        EXPECT_EQ(TextOf(::GetDlgItem(hBox, 0xFFFF)), AfxLoadString(c.nBoxText));
        EXPECT_EQ(TextOf(::GetDlgItem(hDlg, IDC_PATHS)), c.paths);
        EXPECT_EQ(TextOf(::GetDlgItem(hDlg, IDC_COUNT)), c.count);
        ::TerminateProcess(process.hProcess, 0);
        ::WaitForSingleObject(process.hProcess, 10000);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    ::DeleteFileW(file.c_str());
    ::RemoveDirectoryW(folder.c_str());
}
} // namespace
