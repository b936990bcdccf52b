#include "app/SystemServerNames.h"

#include "afx/SystemLibrary.h"

#include <vector>

CSystemServerNames::~CSystemServerNames()
{
    if (m_hMpr)
        ::FreeLibrary(m_hMpr);
}

std::wstring CSystemServerNames::ServerForm(const std::wstring& strExactPath) const
{
    if (!m_hMpr) {
        m_hMpr = AfxLoadSystemLibrary(L"mpr.dll");
        m_pfnGetUniversalName = reinterpret_cast<WNetGetUniversalNameProc>(
            reinterpret_cast<void*>(::GetProcAddress(m_hMpr, "WNetGetUniversalNameW")));
    }
    if (!m_pfnGetUniversalName)
        return {};
    // The answer is a UNIVERSAL_NAME_INFOW pointing at the name after it, in
    // the same buffer; ERROR_MORE_DATA says how large that must be. Wine
    // answers ERROR_NOT_CONNECTED for every drive that is not remote.
    std::vector<UNIVERSAL_NAME_INFOW> buffer(1 + MAX_PATH * sizeof(wchar_t) / sizeof buffer[0]);
    DWORD nBytes = buffer.size() * sizeof buffer[0];
    DWORD dwResult;
    while ((dwResult = m_pfnGetUniversalName(strExactPath.c_str(), UNIVERSAL_NAME_INFO_LEVEL,
                                             buffer.data(), &nBytes)) == ERROR_MORE_DATA)
        buffer.resize(nBytes / sizeof buffer[0] + 1);
    return dwResult == NO_ERROR && buffer[0].lpUniversalName ? buffer[0].lpUniversalName
                                                             : std::wstring();
}
