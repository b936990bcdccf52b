#pragma once

#include <windows.h>

// Loads a DLL of Windows' own from the system folder, never from the
// program's folder or the current one, where another file of the same name
// could stand; NULL when it is not there.
HMODULE AfxLoadSystemLibrary(LPCWSTR lpszFileName);

// Function lpszName of hModule as the function pointer type F; nullptr when
// the module lacks it. For functions the program can do without, looked up as
// it runs, so that it still starts on systems whose DLLs lack them.
template <class F> F AfxGetProcAddress(HMODULE hModule, LPCSTR lpszName)
{
    // Through void*: a FARPROC cast straight to another function type draws
    // -Wcast-function-type.
    return reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(hModule, lpszName)));
}
