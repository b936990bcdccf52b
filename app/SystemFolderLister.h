#pragma once

#include "pathlist/FolderWalk.h"

#include <windows.h>

// Folders as the file system lists them (FindFirstFileExW, its basic
// information in large fetches: no short names, fewer calls), and as the
// shell shows them.
class CSystemFolderLister : public CFolderLister
{
public:
    // bTimes: each file's last write in local time, which only the table
    // shows, and which costs a conversion a file (slow under Wine).
    explicit CSystemFolderLister(bool bTimes) : m_bTimes(bTimes) {}

    bool List(const std::wstring& strFolder, std::vector<CFolderEntry>& entries) override;
    bool Identify(const std::wstring& strFolder, CFolderId& id) override;

    // Whether Explorer is set to show hidden items, and protected system
    // files (SHGetSetSettings: SSF_SHOWALLOBJECTS, SSF_SHOWSUPERHIDDEN).
    static CWalkRules ShellRules();

private:
    bool m_bTimes;
};
