#pragma once

#include "pathlist/FileDetails.h"
#include "pathlist/NameOrder.h"
#include "pathlist/PathList.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One entry of a folder as the platform lists it: its name, what its
// attributes say of it, and its details (a FILE or a FOLDER).
struct CFolderEntry
{
    enum Flag : unsigned char
    {
        HIDDEN = 1,
        // With HIDDEN, a protected file of the system.
        SYSTEM = 2,
        // A junction or a symbolic link: its files live elsewhere.
        LINK = 4
    };
    std::wstring strName;
    unsigned char nFlags = 0;
    CFileDetails details;
};

// Where a folder lives, to know it again under another name (a Unix
// symbolic link under Wine): its volume and its file ID, 128 bits as ReFS
// has them; all zero where the file system tells none.
struct CFolderId
{
    std::uint64_t nVolume = 0;
    std::uint64_t nFile = 0;
    std::uint64_t nFileHigh = 0;

    bool IsKnown() const { return nFile || nFileHigh; }
    bool operator==(const CFolderId& other) const
    {
        return nVolume == other.nVolume && nFile == other.nFile && nFileHigh == other.nFileHigh;
    }
};

// How the platform reads folders. Each path is one the file system takes:
// "\" separators, the long-path prefix where the path passes 259 characters.
class CFolderLister
{
public:
    virtual ~CFolderLister() = default;
    // Every entry of the folder but "." and "..", in any order, and the
    // folder's own ID, both from one opening of it; false when the folder
    // cannot be read.
    virtual bool List(const std::wstring& folder, std::vector<CFolderEntry>& entries,
                      CFolderId& id) = 0;
};

// Told before each folder is read: how many files the walk has found and the
// folder; false ends the walk.
class CWalkProgress
{
public:
    virtual ~CWalkProgress() = default;
    virtual bool Continue(size_t nFiles, const std::wstring& folder) = 0;
};

// What the shell shows, and so what a walk takes: hidden items, and among
// them the protected files of the system (hidden and system both).
struct CWalkRules
{
    bool bShowHidden;
    bool bShowProtected;
};

// The list's folders, each as every file beneath it: in each folder its
// files in name order (as the name order compares names), then its folders
// in name order, each walked in turn. Left out are the hidden items the
// rules leave out; folders that are links are not entered, nor one seen
// before in the same item's walk (by its CFolderId); folders that cannot be
// read are counted. A file's path is its folder's exact path and its name,
// with the long-path prefix where it passes 259 characters.
class CFolderExpansion
{
public:
    enum Result
    {
        WALKED,
        CANCELLED,
        // Past MAX_FILES files, or MAX_CHARS characters of the paths found
        // (files, with a line's end each, and folders): nothing kept.
        TOO_LARGE
    };
    // Far below what a 32-bit program can hold: the text a copy makes of them
    // is held to MAX_CHARS too (see MakeCopyText), and every text of it fits in
    // a few hundred MiB, however its strings grow.
    static constexpr size_t MAX_FILES = 1000000;
    static constexpr size_t MAX_CHARS = size_t{1} << 24;

    // Walks each item of the list the rules call a folder, in the order shown.
    Result Expand(const CPathList& list, const CNameOrderRules& rules, CFolderLister& lister,
                  CWalkRules walk, CWalkProgress& progress);

    // Whether item `i` of the list (as shown) is a folder, and its files.
    bool IsWalked(size_t i) const { return i < m_ranges.size() && m_ranges[i].first != NOT_WALKED; }
    std::pair<size_t, size_t> GetFilesOf(size_t i) const { return m_ranges[i]; }

    // Every file found, and the folders that could not be read.
    size_t GetFileCount() const { return m_found.size(); }
    size_t GetUnreadCount() const { return m_nUnread; }
    std::wstring_view GetPath(size_t j) const
    {
        const size_t start = j ? m_found[j - 1].nEnd : 0;
        return std::wstring_view(m_strPaths).substr(start, m_found[j].nEnd - start);
    }
    const CFileDetails& GetDetails(size_t j) const { return m_found[j].details; }

private:
    static constexpr size_t NOT_WALKED = size_t(-1);

    Result Walk(const std::wstring& top, const CNameOrderRules& rules, CFolderLister& lister,
                CWalkRules walk, CWalkProgress& progress);
    bool SeenBefore(const CFolderId& id);

    // Each file found: where its path ends in m_strPaths, and its details.
    struct CFound
    {
        size_t nEnd;
        CFileDetails details;
    };

    // The paths of the files found, one after the other.
    std::wstring m_strPaths;
    std::vector<CFound> m_found;
    std::vector<std::pair<size_t, size_t>> m_ranges;
    size_t m_nUnread = 0;
    size_t m_nChars = 0;
    // The folders the item's walk has read: open addressing, half full at most.
    std::vector<CFolderId> m_seen;
    size_t m_nSeen = 0;
};

// `path` as the file system takes it past 259 characters: `C:\x` as
// `\\?\C:\x`, `\\server\share\x` as `\\?\UNC\server\share\x`; a path that has
// the prefix, or another kind of path, as it is.
std::wstring LongPathForm(std::wstring path);
