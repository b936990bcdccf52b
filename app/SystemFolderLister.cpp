#include "app/SystemFolderLister.h"

#include "app/SystemFileFacts.h"

#include <shlobj.h>

bool CSystemFolderLister::List(const std::wstring& strFolder, std::vector<CFolderEntry>& entries)
{
    std::wstring strPattern = strFolder;
    if (strPattern.back() != L'\\')
        strPattern += L'\\';
    strPattern += L'*';
    WIN32_FIND_DATAW data;
    const HANDLE hFind = ::FindFirstFileExW(strPattern.c_str(), FindExInfoBasic, &data,
                                            FindExSearchNameMatch, NULL, FIND_FIRST_EX_LARGE_FETCH);
    // A drive's root holds no "." or "..": empty, it lists nothing at all.
    if (hFind == INVALID_HANDLE_VALUE)
        return ::GetLastError() == ERROR_FILE_NOT_FOUND;
    do {
        const wchar_t* pszName = data.cFileName;
        if (pszName[0] == L'.' && (!pszName[1] || (pszName[1] == L'.' && !pszName[2])))
            continue;
        CFolderEntry& entry = entries.emplace_back();
        entry.strName = pszName;
        const DWORD dwAttributes = data.dwFileAttributes;
        entry.nFlags = (dwAttributes & FILE_ATTRIBUTE_HIDDEN ? CFolderEntry::HIDDEN : 0) |
                       (dwAttributes & FILE_ATTRIBUTE_SYSTEM ? CFolderEntry::SYSTEM : 0) |
                       (dwAttributes & FILE_ATTRIBUTE_REPARSE_POINT ? CFolderEntry::LINK : 0);
        CFileDetails& details = entry.details;
        details.nKind =
            dwAttributes & FILE_ATTRIBUTE_DIRECTORY ? CFileDetails::FOLDER : CFileDetails::FILE;
        details.nSize = std::uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow;
        if (m_bTimes)
            SetLastWrite(data.ftLastWriteTime, details);
    } while (::FindNextFileW(hFind, &data));
    const bool bWhole = ::GetLastError() == ERROR_NO_MORE_FILES;
    ::FindClose(hFind);
    return bWhole;
}

bool CSystemFolderLister::Identify(const std::wstring& strFolder, CFolderId& id)
{
    // Opened for its attributes alone, as a folder opens (backup semantics),
    // whoever else has it open.
    const HANDLE hFolder = ::CreateFileW(strFolder.c_str(), FILE_READ_ATTRIBUTES,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         NULL, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, NULL);
    if (hFolder == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info;
    const bool bKnown = ::GetFileInformationByHandle(hFolder, &info);
    ::CloseHandle(hFolder);
    if (bKnown)
        id = {info.dwVolumeSerialNumber,
              std::uint64_t{info.nFileIndexHigh} << 32 | info.nFileIndexLow};
    return bKnown;
}

CWalkRules CSystemFolderLister::ShellRules()
{
    SHELLSTATEW state = {};
    ::SHGetSetSettings(&state, SSF_SHOWALLOBJECTS | SSF_SHOWSUPERHIDDEN, FALSE);
    return {state.fShowAllObjects != 0, state.fShowSuperHidden != 0};
}
