#include "tests/support/TestApp.h"

BOOL CTestApp::InitInstance()
{
    if (m_initInstance)
        m_initInstance();
    return FALSE;
}

CTestApp theTestApp;
