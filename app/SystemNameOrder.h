#pragma once

#include "pathlist/NameOrder.h"

#include <windows.h>

// The shell's order of names (StrCmpLogicalW in shlwapi.dll: case ignored,
// digits by value), and the file system's word on names and folders. shlwapi.dll is
// loaded at the first comparison, from the system folder: start-up and the
// program's imports do without it.
class CSystemNameOrder : public CNameOrderRules
{
public:
    CSystemNameOrder() = default;
    ~CSystemNameOrder() override;
    CSystemNameOrder(const CSystemNameOrder&) = delete;
    CSystemNameOrder& operator=(const CSystemNameOrder&) = delete;

    int Compare(const std::wstring& strA, const std::wstring& strB) const override;
    bool IsSameName(std::wstring_view a, std::wstring_view b) const override;
    bool IsFolder(const std::wstring& strExactPath) const override;

private:
    using StrCmpLogicalProc = int(WINAPI*)(LPCWSTR, LPCWSTR);

    mutable HMODULE m_hShlwapi = NULL;
    mutable StrCmpLogicalProc m_pfnCompare = nullptr;
};
