#include "app/CommandLineIntake.h"

#include <windows.h>

namespace {
// The name a path function of Windows writes, however long: asked with the
// buffer it has, it answers the size it needs with its NUL, or the length it
// wrote, or 0 when it fails; then the name is empty.
template <class Query> std::wstring QueryName(Query query)
{
    std::wstring strName;
    DWORD nResult;
    while ((nResult = query(strName.data(), strName.size())) > strName.size())
        strName.resize(nResult);
    strName.resize(nResult);
    return strName;
}
} // namespace

std::wstring_view CCommandLineIntake::GetExactName(unsigned index)
{
    const std::wstring& strArgument = m_arguments[index];
    std::wstring strFull = QueryName([&](LPWSTR lpszBuffer, DWORD nSize) {
        return ::GetFullPathNameW(strArgument.c_str(), nSize, lpszBuffer, NULL);
    });
    if (strFull.empty())
        strFull = strArgument;
    m_strExactName = QueryName([&](LPWSTR lpszBuffer, DWORD nSize) {
        return ::GetLongPathNameW(strFull.c_str(), lpszBuffer, nSize);
    });
    if (m_strExactName.empty())
        m_strExactName = std::move(strFull);
    return m_strExactName;
}
