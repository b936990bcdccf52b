#include "afx/WinApp.h"

#include "afx/LoadString.h"

#include <mbctype.h>

namespace {
CWinApp* g_pApp = nullptr;

std::string ExecutableTitle()
{
    std::string strPath(MAX_PATH, '\0');
    DWORD nLength;
    while ((nLength = ::GetModuleFileNameA(NULL, &strPath[0], strPath.size())) == strPath.size())
        strPath.resize(strPath.size() * 2);
    strPath.resize(nLength);
    const size_t nStart = strPath.find_last_of("\\/:") + 1;
    const size_t nDot = strPath.rfind('.');
    const size_t nEnd = nDot == std::string::npos || nDot < nStart ? strPath.size() : nDot;
    return strPath.substr(nStart, nEnd - nStart);
}
} // namespace

CWinApp::CWinApp(LPCSTR lpszAppName)
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

HINSTANCE AfxGetResourceHandle()
{
    return ::GetModuleHandleA(NULL);
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
    const std::string strPrompt = AfxLoadString(nIDPrompt);
    return ::MessageBoxA(AfxGetModalOwner(), strPrompt.c_str(), AfxGetApp()->m_strAppName.c_str(),
                         nType);
}

int AfxWinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // The program runs its main window modally inside InitInstance, which
    // returns FALSE when it ends: there is nothing left to run, and the
    // process ends with the framework's code, 0.
    AfxGetApp()->InitInstance();
    return 0;
}
