#pragma once

#include "pathlist/FileTable.h"

// What the file system tells of one file or folder: its kind and size
// (GetFileAttributesExW), and its last write in local time as Explorer shows
// it, under the daylight saving rule of its own date.
class CSystemFileFacts : public CFileFacts
{
public:
    CFileDetails Details(const std::wstring& strExactPath) const override;
};
