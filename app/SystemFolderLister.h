#pragma once

#include "app/SystemFileFacts.h"
#include "pathlist/FolderWalk.h"

#include <windows.h>

// Folders as the file system lists them (GetFileInformationByHandleEx, a
// buffer of entries a call, as FindFirstFileExW's large fetch), and as the
// shell shows them.
class CSystemFolderLister : public CFolderLister
{
public:
    // bTimes: each file's last write in local time, which only the table
    // shows, and which costs a conversion a file.
    explicit CSystemFolderLister(bool bTimes) : m_bTimes(bTimes) {}

    bool List(const std::wstring& strFolder, std::vector<CFolderEntry>& entries,
              CFolderId& id) override;

    // Whether Explorer is set to show hidden items, and protected system
    // files (SHGetSetSettings: SSF_SHOWALLOBJECTS, SSF_SHOWSUPERHIDDEN).
    static CWalkRules ShellRules();

private:
    bool m_bTimes;
    CLocalTimes m_times;
};
