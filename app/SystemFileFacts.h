#pragma once

#include "pathlist/FileTable.h"

#include <windows.h>

// What the file system tells of one file or folder: its kind and size
// (GetFileAttributesExW), and its last write in local time as Explorer shows
// it, under the daylight saving rule of its own date.
class CSystemFileFacts : public CFileFacts
{
public:
    CFileDetails Details(const std::wstring& strExactPath) const override;
};

// Last writes in local time as Explorer shows them: each by the time zone's
// rules for its own year (FileTimeToLocalFileTime would take today's
// daylight saving for every date). The rules of the year last asked for are
// kept: a walk's files mostly share a year, and each look-up reads the
// registry.
class CLocalTimes
{
public:
    // A time no calendar date can hold stays unknown: year 0.
    void SetLastWrite(const FILETIME& time, CFileDetails& details);

private:
    WORD m_wYear = 0;
    TIME_ZONE_INFORMATION m_zone;
};
