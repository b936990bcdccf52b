#pragma once

#include "pathlist/CopyForms.h"

#include <windows.h>

#include <winnetwk.h>

// The server forms of paths on mapped network drives, as Windows' network
// provider router (mpr.dll) gives them. Loaded at the first question, from
// the system folder: start-up and the program's imports do without it.
class CSystemServerNames : public CServerNames
{
public:
    CSystemServerNames() = default;
    ~CSystemServerNames() override;
    CSystemServerNames(const CSystemServerNames&) = delete;
    CSystemServerNames& operator=(const CSystemServerNames&) = delete;

    std::wstring ServerForm(const std::wstring& strExactPath) const override;

private:
    using WNetGetUniversalNameProc = DWORD(WINAPI*)(LPCWSTR, DWORD, LPVOID, LPDWORD);

    mutable HMODULE m_hMpr = NULL;
    mutable WNetGetUniversalNameProc m_pfnGetUniversalName = nullptr;
};
