#include "tests/support/BeepCounter.h"

int CBeepCounter::s_nBeeps = 0;

CBeepCounter::CBeepCounter()
    : m_patch("user32.dll", "MessageBeep", reinterpret_cast<void*>(CountBeep))
{
    s_nBeeps = 0;
}

BOOL WINAPI CBeepCounter::CountBeep(UINT)
{
    ++s_nBeeps;
    return TRUE;
}
