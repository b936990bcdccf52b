#include "app/SystemFileFacts.h"

#include "pathlist/PathParts.h"

#include <windows.h>

CFileDetails CSystemFileFacts::Details(const std::wstring& strExactPath) const
{
    // A name past 259 characters is read with the long-path prefix, which
    // every system takes, not only those that allow long paths.
    const wchar_t* pszName = strExactPath.c_str();
    std::wstring strLong;
    const CPathParts parts = ReadPath(strExactPath);
    if (strExactPath.size() >= MAX_PATH && strExactPath[2] != L'?') {
        // `\\?\C:\...`, `\\?\UNC\server\...`
        const bool bServer = parts.nKind == CPathParts::UNC;
        strLong.assign(L"\\\\?\\UNC", 4 + 3 * bServer)
            .append(strExactPath, bServer, std::wstring::npos);
        pszName = strLong.c_str();
    }
    WIN32_FILE_ATTRIBUTE_DATA data;
    CFileDetails details;
    if (!::GetFileAttributesExW(pszName, GetFileExInfoStandard, &data))
        return details;
    details.nKind = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? CFileDetails::FOLDER
                                                                       : CFileDetails::FILE;
    details.nSize = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    SYSTEMTIME utc, local;
    // A time no calendar date can hold stays unknown: year 0.
    if (::FileTimeToSystemTime(&data.ftLastWriteTime, &utc) &&
        ::SystemTimeToTzSpecificLocalTime(NULL, &utc, &local)) {
        details.nYear = local.wYear;
        details.nMonth = local.wMonth;
        details.nDay = local.wDay;
        details.nHour = local.wHour;
        details.nMinute = local.wMinute;
        details.nSecond = local.wSecond;
    }
    return details;
}
