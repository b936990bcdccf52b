#include "app/CommandLineIntake.h"

#include "pathlist/CommandLineNames.h"

namespace {
// Into strName, the name a path function of Windows writes, however long:
// asked with the buffer it has, it answers the size it needs with its NUL, or
// the length it wrote, or 0 when it fails; then the name is empty.
template <class Query> void QueryName(std::wstring& strName, Query query)
{
    DWORD nResult;
    while ((nResult = query(strName.data(), strName.size())) > strName.size())
        strName.resize(nResult);
    strName.resize(nResult);
}
} // namespace

CCommandLineIntake::CCommandLineIntake(LPCWSTR lpszCommandLine)
    : m_names(CommandLineNames(lpszCommandLine))
{
}

std::wstring_view CCommandLineIntake::GetExactName(unsigned index)
{
    const LPCWSTR lpszArgument = m_names[index].c_str();
    QueryName(m_strFullName, [&](LPWSTR lpszBuffer, DWORD nSize) {
        return ::GetFullPathNameW(lpszArgument, nSize, lpszBuffer, NULL);
    });
    // Not a name Windows can make a path of: listed as given.
    if (m_strFullName.empty())
        return lpszArgument;
    QueryName(m_strLongName, [&](LPWSTR lpszBuffer, DWORD nSize) {
        return ::GetLongPathNameW(m_strFullName.c_str(), lpszBuffer, nSize);
    });
    return m_strLongName.empty() ? m_strFullName : m_strLongName;
}
