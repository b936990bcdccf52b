#include "afx/SystemLibrary.h"

#include <string>

HMODULE AfxLoadSystemLibrary(LPCWSTR lpszFileName)
{
    // A full path: LOAD_LIBRARY_SEARCH_SYSTEM32 needs an update on Vista and 7.
    std::wstring strPath(MAX_PATH, L'\0');
    strPath.resize(::GetSystemDirectoryW(strPath.data(), MAX_PATH + 1));
    if (strPath.empty())
        return NULL;
    strPath += L'\\';
    strPath += lpszFileName;
    // Its own imports are then looked for beside it, in the system folder.
    return ::LoadLibraryExW(strPath.c_str(), NULL, LOAD_WITH_ALTERED_SEARCH_PATH);
}
