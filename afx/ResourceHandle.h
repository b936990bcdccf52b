#pragma once

#include <windows.h>

// The module that holds the program's resources: its executable.
inline HINSTANCE AfxGetResourceHandle()
{
    return ::GetModuleHandleW(NULL);
}
