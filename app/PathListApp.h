#pragma once

#include "afx/WinApp.h"

// The application: runs the main dialog modally as its main window, and ends
// when the dialog does.
class CPathListApp : public CWinApp
{
public:
    CPathListApp() : CWinApp(NULL) {}

    BOOL InitInstance() override;
};
