#include "app/SystemNameOrder.h"

#include "afx/SystemLibrary.h"

CSystemNameOrder::~CSystemNameOrder()
{
    if (m_hShlwapi)
        ::FreeLibrary(m_hShlwapi);
}

int CSystemNameOrder::Compare(const std::wstring& strA, const std::wstring& strB) const
{
    if (!m_hShlwapi) {
        m_hShlwapi = AfxLoadSystemLibrary(L"shlwapi.dll");
        m_pfnCompare = AfxGetProcAddress<StrCmpLogicalProc>(m_hShlwapi, "StrCmpLogicalW");
    }
    // Without the shell's comparison every name is equal: folders come first,
    // and otherwise the order stays as given.
    return m_pfnCompare ? m_pfnCompare(strA.c_str(), strB.c_str()) : 0;
}

bool CSystemNameOrder::IsSameName(std::wstring_view a, std::wstring_view b) const
{
    // The comparison NTFS makes: each character by its upper case, no locale.
    return ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                  static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

bool CSystemNameOrder::IsFolder(const std::wstring& strExactPath) const
{
    const DWORD dwAttributes = ::GetFileAttributesW(strExactPath.c_str());
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY);
}
