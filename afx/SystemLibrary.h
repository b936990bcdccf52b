#pragma once

#include <windows.h>

// Loads a DLL of Windows' own from the system folder, never from the
// program's folder or the current one, where another file of the same name
// could stand; NULL when it is not there.
HMODULE AfxLoadSystemLibrary(LPCWSTR lpszFileName);
