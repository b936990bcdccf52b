#include "app/SystemServerNames.h"

#include "afx/SystemLibrary.h"

CSystemServerNames::~CSystemServerNames()
{
    if (m_hMpr)
        ::FreeLibrary(m_hMpr);
}

std::wstring CSystemServerNames::ServerForm(const std::wstring& strExactPath) const
{
    if (!m_hMpr) {
        m_hMpr = AfxLoadSystemLibrary(L"mpr.dll");
        m_pfnGetUniversalName =
            AfxGetProcAddress<WNetGetUniversalNameProc>(m_hMpr, "WNetGetUniversalNameW");
    }
    if (!m_pfnGetUniversalName)
        return {};
    // The answer is a UNIVERSAL_NAME_INFOW pointing at the name after it, in
    // the same buffer; ERROR_MORE_DATA says how large that must be. Wine
    // answers ERROR_NOT_CONNECTED for every drive that is not remote.
    DWORD nBytes = sizeof(UNIVERSAL_NAME_INFOW) + MAX_PATH * sizeof(wchar_t);
    for (;;) {
        const auto pInfo = static_cast<UNIVERSAL_NAME_INFOW*>(::LocalAlloc(LMEM_FIXED, nBytes));
        if (!pInfo)
            return {};
        const DWORD dwResult =
            m_pfnGetUniversalName(strExactPath.c_str(), UNIVERSAL_NAME_INFO_LEVEL, pInfo, &nBytes);
        std::wstring strServer;
        if (dwResult == NO_ERROR && pInfo->lpUniversalName)
            strServer = pInfo->lpUniversalName;
        ::LocalFree(pInfo);
        if (dwResult != ERROR_MORE_DATA)
            return strServer;
    }
}
