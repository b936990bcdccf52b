#include "app/PathListApp.h"

#include "app/PathListDlg.h"
#include "app/SystemUnicodeCase.h"
#include "pathlist/CrtCodePage.h"

CPathListApp theApp;

BOOL CPathListApp::InitInstance()
{
    // The application object's construction has selected the ANSI code page
    // for the runtime's multibyte routines, which this code page reads.
    const CCrtCodePage codePage;
    const CSystemUnicodeCase unicodeCase;
    // For the window's drop target, from before the window until after it.
    const COleInit ole;
    CPathListDlg dlg(codePage, unicodeCase);
    // What Send To, a drop on the program's icon or a shortcut names.
    dlg.SetCommandLine(::GetCommandLineW());
    const CMainWndScope mainWnd(&dlg);
    dlg.DoModal();
    // The main window is gone: no message loop to run, the process ends.
    return FALSE;
}
