#include "app/SystemFolderLister.h"

#include <shlobj.h>

#include <cstring>

namespace {
// FileIdInfo, from Windows 8 on, has the 128-bit IDs of ReFS. Windows 7 has
// none to give: there a loop no link shows (a server's symbolic link back up)
// ends at the walk's limits.
CFolderId IdentifyFolder(HANDLE hFolder)
{
    FILE_ID_INFO info;
    CFolderId id;
    if (::GetFileInformationByHandleEx(hFolder, FileIdInfo, &info, sizeof info)) {
        id.nVolume = info.VolumeSerialNumber;
        std::memcpy(&id.nFile, info.FileId.Identifier, sizeof id.nFile);
        std::memcpy(&id.nFileHigh, info.FileId.Identifier + sizeof id.nFile, sizeof id.nFileHigh);
    }
    return id;
}
} // namespace

bool CSystemFolderLister::List(const std::wstring& strFolder, std::vector<CFolderEntry>& entries,
                               CFolderId& id)
{
    // One opening for the ID and the names, opened as FindFirstFileW opens a
    // folder to list it, whoever else has it open.
    const HANDLE hFolder = ::CreateFileW(strFolder.c_str(), FILE_LIST_DIRECTORY,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         NULL, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, NULL);
    if (hFolder == INVALID_HANDLE_VALUE)
        return false;
    id = IdentifyFolder(hFolder);
    // As many entries a call as 64 KiB hold, as a large fetch takes (a
    // sixteenth of the stack); the class Windows Vista and 7 have too.
    alignas(LONGLONG) unsigned char buffer[65536];
    while (
        ::GetFileInformationByHandleEx(hFolder, FileIdBothDirectoryInfo, buffer, sizeof buffer)) {
        const unsigned char* pBytes = buffer;
        for (DWORD nNext = 1; nNext; pBytes += nNext) {
            const auto& info = *reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(pBytes);
            nNext = info.NextEntryOffset;
            const wchar_t* pszName = info.FileName;
            const size_t nLength = info.FileNameLength / sizeof(wchar_t);
            if (pszName[0] == L'.' && (nLength == 1 || (nLength == 2 && pszName[1] == L'.')))
                continue;
            CFolderEntry& entry = entries.emplace_back();
            entry.strName.assign(pszName, nLength);
            const DWORD dwAttributes = info.FileAttributes;
            entry.nFlags = (dwAttributes & FILE_ATTRIBUTE_HIDDEN ? CFolderEntry::HIDDEN : 0) |
                           (dwAttributes & FILE_ATTRIBUTE_SYSTEM ? CFolderEntry::SYSTEM : 0) |
                           (dwAttributes & FILE_ATTRIBUTE_REPARSE_POINT ? CFolderEntry::LINK : 0);
            CFileDetails& details = entry.details;
            details.nKind =
                dwAttributes & FILE_ATTRIBUTE_DIRECTORY ? CFileDetails::FOLDER : CFileDetails::FILE;
            details.nSize = static_cast<std::uint64_t>(info.EndOfFile.QuadPart);
            if (m_bTimes) {
                const FILETIME time = {info.LastWriteTime.LowPart,
                                       static_cast<DWORD>(info.LastWriteTime.HighPart)};
                m_times.SetLastWrite(time, details);
            }
        }
    }
    // The first call in an empty folder (a drive's root holds no "." or "..")
    // finds no file; a later one, no more.
    const DWORD dwError = ::GetLastError();
    ::CloseHandle(hFolder);
    return dwError == ERROR_NO_MORE_FILES || dwError == ERROR_FILE_NOT_FOUND;
}

CWalkRules CSystemFolderLister::ShellRules()
{
    SHELLSTATEW state = {};
    ::SHGetSetSettings(&state, SSF_SHOWALLOBJECTS | SSF_SHOWSUPERHIDDEN, FALSE);
    return {state.fShowAllObjects != 0, state.fShowSuperHidden != 0};
}
