#include "app/SystemFileFacts.h"

#include "pathlist/FolderWalk.h"

CFileDetails CSystemFileFacts::Details(const std::wstring& strExactPath) const
{
    // A name past 259 characters is read with the long-path prefix, which
    // every system takes, not only those that allow long paths.
    const std::wstring strName =
        strExactPath.size() >= MAX_PATH ? LongPathForm(strExactPath) : strExactPath;
    WIN32_FILE_ATTRIBUTE_DATA data;
    CFileDetails details;
    if (!::GetFileAttributesExW(strName.c_str(), GetFileExInfoStandard, &data))
        return details;
    details.nKind = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? CFileDetails::FOLDER
                                                                       : CFileDetails::FILE;
    details.nSize = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    CLocalTimes().SetLastWrite(data.ftLastWriteTime, details);
    return details;
}

void CLocalTimes::SetLastWrite(const FILETIME& time, CFileDetails& details)
{
    SYSTEMTIME utc, local;
    if (!::FileTimeToSystemTime(&time, &utc))
        return;
    if (utc.wYear != m_wYear) {
        if (!::GetTimeZoneInformationForYear(utc.wYear, NULL, &m_zone))
            return;
        m_wYear = utc.wYear;
    }
    if (::SystemTimeToTzSpecificLocalTime(&m_zone, &utc, &local)) {
        details.nYear = local.wYear;
        details.nMonth = local.wMonth;
        details.nDay = local.wDay;
        details.nHour = local.wHour;
        details.nMinute = local.wMinute;
        details.nSecond = local.wSecond;
    }
}
