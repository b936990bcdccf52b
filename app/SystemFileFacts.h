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

// A last write into details in local time, by the time zone's rules for that
// date as Explorer shows it (FileTimeToLocalFileTime would take today's
// daylight saving for every date). A time no calendar date can hold stays
// unknown: year 0.
void SetLastWrite(const FILETIME& time, CFileDetails& details);
