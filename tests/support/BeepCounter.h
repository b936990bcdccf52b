#pragma once

#include "tests/support/ImportPatch.h"

// While it lives, counts the program's system beeps, which it keeps silent.
class CBeepCounter
{
public:
    CBeepCounter();

    bool IsCounting() const { return m_patch.IsPatched(); }
    int Beeps() const { return s_nBeeps; }

private:
    static BOOL WINAPI CountBeep(UINT);

    static int s_nBeeps;
    CImportPatch m_patch;
};
