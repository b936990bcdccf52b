// The program's start-up: where DLLs are looked for is restricted before any
// window is made.
#include "tests/support/ImportPatch.h"
#include "tests/support/TestApp.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {
// What the start-up called, in order.
std::vector<std::wstring> g_calls;
// Whether this system has SetDefaultDllDirectories, as the start-up looks it up.
bool g_bHasSetDefaultDllDirectories;

BOOL WINAPI RecordSetDefaultDllDirectories(DWORD dwFlags)
{
    g_calls.push_back(L"SetDefaultDllDirectories " + std::to_wstring(dwFlags));
    return TRUE;
}

BOOL WINAPI RecordSetDllDirectoryW(LPCWSTR lpszPath)
{
    g_calls.push_back(L"SetDllDirectoryW \"" + std::wstring(lpszPath ? lpszPath : L"(null)") +
                      L"\"");
    return TRUE;
}

FARPROC WINAPI LookUp(HMODULE, LPCSTR lpszName)
{
    const bool bAsked = HIWORD(lpszName) && !std::strcmp(lpszName, "SetDefaultDllDirectories");
    if (!bAsked || !g_bHasSetDefaultDllDirectories)
        return NULL;
    return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(RecordSetDefaultDllDirectories));
}

TEST(StartupTest, RestrictsTheDllSearchBeforeInitInstance)
{
    // The look-up last: the patches find the functions they replace with it.
    const CImportPatch setDllDirectory("kernel32.dll", "SetDllDirectoryW",
                                       reinterpret_cast<void*>(RecordSetDllDirectoryW));
    const CImportPatch lookUp("kernel32.dll", "GetProcAddress", reinterpret_cast<void*>(LookUp));
    ASSERT_TRUE(setDllDirectory.IsPatched() && lookUp.IsPatched());
    theTestApp.m_initInstance = [] {
        g_calls.push_back(L"InitInstance");
    };
    const struct
    {
        bool bHasSetDefaultDllDirectories;
        std::vector<std::wstring> calls;
    } CASES[] = {
        // LOAD_LIBRARY_SEARCH_SYSTEM32
        {true, {L"SetDefaultDllDirectories 2048", L"InitInstance"}},
        // Vista and 7 without their update: the current folder taken out.
        {false, {L"SetDllDirectoryW \"\"", L"InitInstance"}},
    };
    for (const auto& c : CASES) {
        g_bHasSetDefaultDllDirectories = c.bHasSetDefaultDllDirectories;
        g_calls.clear();
        EXPECT_EQ(AfxWinMain(::GetModuleHandleW(NULL), NULL, NULL, SW_SHOWNORMAL), 0);
        EXPECT_EQ(g_calls, c.calls);
    }
    theTestApp.m_initInstance = nullptr;
}
} // namespace
