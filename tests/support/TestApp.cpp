#include "afx/WinApp.h"

// A test program is an application like the program: its one application
// object selects the ANSI code page at start-up and titles message boxes
// after the executable. The tests run instead of InitInstance.
class CTestApp : public CWinApp
{
public:
    BOOL InitInstance() override { return FALSE; }
};

CTestApp theTestApp;
