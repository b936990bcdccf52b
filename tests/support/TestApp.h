#pragma once

#include "afx/WinApp.h"

#include <functional>

// A test program is an application like the program: its one application
// object selects the ANSI code page at start-up and titles message boxes
// after the executable. The tests run instead of InitInstance, which runs
// only when a test of the framework's start-up calls AfxWinMain, and then
// does what that test hands it.
class CTestApp : public CWinApp
{
public:
    BOOL InitInstance() override;

    std::function<void()> m_initInstance;
};

extern CTestApp theTestApp;
