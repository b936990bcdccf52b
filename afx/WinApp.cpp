#include "afx/WinApp.h"

#include "afx/LoadString.h"
#include "afx/SystemLibrary.h"

#include <mbctype.h>

namespace {
CWinApp* g_pApp = nullptr;

// Taken from the wide path: in a multibyte one, a "\" byte may be the second
// half of a character (表 is 0x95 0x5C in code page 932).
std::wstring ExecutableTitle()
{
    std::wstring strPath(MAX_PATH, L'\0');
    DWORD nLength;
    while ((nLength = ::GetModuleFileNameW(NULL, strPath.data(), strPath.size())) == strPath.size())
        strPath.resize(strPath.size() * 2);
    strPath.resize(nLength);
    const size_t nStart = strPath.find_last_of(L"\\/:") + 1;
    const size_t nDot = strPath.rfind(L'.');
    const size_t nEnd = nDot == std::wstring::npos || nDot < nStart ? strPath.size() : nDot;
    return strPath.substr(nStart, nEnd - nStart);
}

using SetDefaultDllDirectoriesProc = BOOL(WINAPI*)(DWORD);

// The DLLs the process loads at run time (the themed controls', and those
// the system loads for it) are looked for in the system folder alone: a
// program unpacked into a Downloads folder would otherwise load a planted
// file of the same name from there. Windows 8 and later, Vista and 7 with an
// update; without it, the current folder at least is taken out.
void RestrictDllSearch()
{
    const auto pfnSetDefaultDllDirectories = AfxGetProcAddress<SetDefaultDllDirectoriesProc>(
        ::GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (!pfnSetDefaultDllDirectories || !pfnSetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32))
        ::SetDllDirectoryW(L"");
}
} // namespace

CWinApp::CWinApp(LPCWSTR lpszAppName)
{
    _setmbcp(_MB_CP_ANSI);
    m_strAppName = lpszAppName ? lpszAppName : ExecutableTitle();
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    g_pApp = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

CWnd* AfxGetMainWnd()
{
    return g_pApp ? g_pApp->m_pMainWnd : nullptr;
}

HWND AfxGetModalOwner()
{
    const CWnd* pMainWnd = AfxGetMainWnd();
    const HWND hWndMain = pMainWnd ? pMainWnd->m_hWnd : NULL;
    return hWndMain ? ::GetLastActivePopup(hWndMain) : NULL;
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT)
{
    if (!(nType & MB_ICONMASK))
        nType |= MB_ICONEXCLAMATION;
    const std::wstring strPrompt = AfxLoadString(nIDPrompt);
    return ::MessageBoxW(AfxGetModalOwner(), strPrompt.c_str(), AfxGetApp()->m_strAppName.c_str(),
                         nType);
}

int AfxWinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // Before any window, whose making loads DLLs.
    RestrictDllSearch();
    // The program runs its main window modally inside InitInstance, which
    // returns FALSE when it ends: there is nothing left to run, and the
    // process ends with the framework's code, 0.
    AfxGetApp()->InitInstance();
    return 0;
}
