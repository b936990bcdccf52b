#pragma once

#include "pathlist/FolderWalk.h"

#include <windows.h>

// Folders as the file system lists them (GetFileInformationByHandleEx, a
// buffer of entries a call, as FindFirstFileExW's large fetch), and as the
// shell shows them.
class CSystemFolderLister : public CFolderLister
{
public:
    // bTimes: each file's last write in local time, which only the table
    // shows, and which costs a conversion a file (slow under Wine).
    explicit CSystemFolderLister(bool bTimes);

    bool List(const std::wstring& strFolder, std::vector<CFolderEntry>& entries,
              CFolderId& id) override;

    // Whether Explorer is set to show hidden items, and protected system
    // files (SHGetSetSettings: SSF_SHOWALLOBJECTS, SSF_SHOWSUPERHIDDEN).
    static CWalkRules ShellRules();

private:
    // 64 KiB, the large fetch's size; LONGLONG for the entries' alignment.
    static constexpr size_t BUFFER_WORDS = 65536 / sizeof(LONGLONG);

    bool m_bTimes;
    std::vector<LONGLONG> m_buffer;
};
