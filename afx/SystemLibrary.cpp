#include "afx/SystemLibrary.h"

HMODULE AfxLoadSystemLibrary(LPCWSTR lpszFileName)
{
    // A full path: LOAD_LIBRARY_SEARCH_SYSTEM32 needs an update on Vista and 7.
    WCHAR szPath[MAX_PATH];
    const UINT nFolder = ::GetSystemDirectoryW(szPath, MAX_PATH);
    if (!nFolder || nFolder + 1 + ::lstrlenW(lpszFileName) >= MAX_PATH)
        return NULL;
    szPath[nFolder] = L'\\';
    ::lstrcpyW(szPath + nFolder + 1, lpszFileName);
    // Its own imports are then looked for beside it, in the system folder.
    return ::LoadLibraryExW(szPath, NULL, LOAD_WITH_ALTERED_SEARCH_PATH);
}
