#pragma once

#include <cstdint>

// What a listing of a file tells beside its name: whether it is a folder, its
// size and its last write in local time. Read from a folder's find data
// without another call per file, or asked of the file system for one item.
struct CFileDetails
{
    enum Kind : unsigned char
    {
        UNREAD, // gone, or could not be read: only its name is known
        FILE,
        FOLDER
    };
    Kind nKind = UNREAD;
    std::uint64_t nSize = 0;
    // The last write, in local time.
    std::uint16_t nYear = 0, nMonth = 0, nDay = 0, nHour = 0, nMinute = 0, nSecond = 0;
};
