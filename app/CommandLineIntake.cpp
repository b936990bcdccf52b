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

std::wstring CCommandLineIntake::FetchName(unsigned index)
{
    const std::wstring& strGiven = m_names[index];
    std::wstring strFull, strLong;
    QueryName(strFull, [&](LPWSTR lpszBuffer, DWORD nSize) {
        return ::GetFullPathNameW(strGiven.c_str(), nSize, lpszBuffer, NULL);
    });
    // Not a name Windows can make a path of: listed as given.
    if (strFull.empty())
        return strGiven;
    QueryName(strLong, [&](LPWSTR lpszBuffer, DWORD nSize) {
        return ::GetLongPathNameW(strFull.c_str(), lpszBuffer, nSize);
    });
    return strLong.empty() ? strFull : strLong;
}
