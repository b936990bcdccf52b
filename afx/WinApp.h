#pragma once

#include "afx/Wnd.h"

#include <string>

// The one application object. Making it is the framework's start-up: the
// runtime's multibyte routines switch to the ANSI code page before anything
// else can use them.
class CWinApp
{
public:
    // Without a name of its own the application is titled after its
    // executable's file name without extension.
    explicit CWinApp(LPCWSTR lpszAppName = NULL);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The whole life of the program; there is no message loop of the
    // framework's own after it.
    virtual BOOL InitInstance() = 0;

    std::wstring m_strAppName;
    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// While it lives, pMainWnd is the application's main window: what message
// boxes and dialogs without a parent of their own are modal over.
class CMainWndScope
{
public:
    explicit CMainWndScope(CWnd* pMainWnd) { AfxGetApp()->m_pMainWnd = pMainWnd; }
    ~CMainWndScope() { AfxGetApp()->m_pMainWnd = nullptr; }
    CMainWndScope(const CMainWndScope&) = delete;
    CMainWndScope& operator=(const CMainWndScope&) = delete;
};

// The window that a dialog or message box without a parent of its own is
// modal over: what the main window last activated, which is the main window
// itself unless a dialog run from one of its handlers is open.
HWND AfxGetModalOwner();

// Shows string resource nIDPrompt in a message box captioned with the
// application's title, modal over the main window; a box that names no icon
// gets the warning icon. There is no help content, so nIDHelp goes unused.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

// The start-up: restricts where the process looks for the DLLs it loads to
// the system folder, then runs the application's InitInstance.
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
