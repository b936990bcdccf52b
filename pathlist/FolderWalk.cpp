#include "pathlist/FolderWalk.h"

#include "pathlist/PathParts.h"

#include <algorithm>

namespace {

// The most characters a path holds without the long-path prefix.
constexpr size_t MAX_PLAIN_PATH = 259;

bool IsShown(const CFolderEntry& entry, CWalkRules walk)
{
    if (!(entry.nFlags & CFolderEntry::HIDDEN))
        return true;
    return walk.bShowHidden && (!(entry.nFlags & CFolderEntry::SYSTEM) || walk.bShowProtected);
}

// A folder's entries by name, the shell's order first and the code units
// where it calls two names equal, so that the order never depends on the
// order the file system listed them in.
void SortByName(std::vector<const CFolderEntry*>& entries, const CNameOrderRules& rules)
{
    std::sort(entries.begin(), entries.end(), [&](const CFolderEntry* a, const CFolderEntry* b) {
        const int order = rules.Compare(a->strName, b->strName);
        return order ? order < 0 : a->strName < b->strName;
    });
}

std::wstring Child(const std::wstring& folder, const std::wstring& name)
{
    std::wstring path = folder;
    if (!path.empty() && path.back() != L'\\')
        path += L'\\';
    return path += name;
}

} // namespace

std::wstring LongPathForm(std::wstring path)
{
    if (path.rfind(L"\\\\?\\", 0) == 0)
        return path;
    const CPathParts parts = ReadPath(path);
    if (parts.nKind == CPathParts::DRIVE)
        return path.insert(0, L"\\\\?\\");
    if (parts.nKind == CPathParts::UNC)
        return path.replace(0, parts.nRest, L"\\\\?\\UNC\\");
    return path;
}

CFolderExpansion::Result CFolderExpansion::Expand(const CPathList& list,
                                                  const CNameOrderRules& rules,
                                                  CFolderLister& lister, CWalkRules walk,
                                                  CWalkProgress& progress)
{
    *this = CFolderExpansion();
    m_ranges.assign(list.GetCount(), {NOT_WALKED, NOT_WALKED});
    for (size_t i = 0; i < list.GetCount(); ++i) {
        const std::wstring& given = list.GetItem(i).strExact;
        if (given.empty() || !rules.IsFolder(given))
            continue;
        const size_t first = GetFileCount();
        if (const Result result = Walk(given, rules, lister, walk, progress); result != WALKED) {
            // Nothing of a walk that did not end is kept.
            *this = CFolderExpansion();
            return result;
        }
        m_ranges[i] = {first, GetFileCount()};
    }
    return WALKED;
}

CFolderExpansion::Result CFolderExpansion::Walk(const std::wstring& top,
                                                const CNameOrderRules& rules, CFolderLister& lister,
                                                CWalkRules walk, CWalkProgress& progress)
{
    m_seen.assign(64, {~std::uint64_t{0}, ~std::uint64_t{0}});
    m_nSeen = 0;
    // The folders to read, the next last: a stack, not the call stack, since
    // a path of 32 767 characters can be thousands of folders deep.
    std::vector<std::wstring> pending = {top};
    std::vector<CFolderEntry> entries;
    std::vector<const CFolderEntry*> files, folders;
    while (!pending.empty()) {
        std::wstring folder = std::move(pending.back());
        pending.pop_back();
        if (folder.size() + 2 > MAX_PLAIN_PATH) // with "\*" when listed
            folder = LongPathForm(std::move(folder));
        if (!progress.Continue(GetFileCount(), folder))
            return CANCELLED;
        CFolderId id;
        if (lister.Identify(folder, id) && SeenBefore(id))
            continue;
        entries.clear();
        if (!lister.List(folder, entries)) {
            ++m_nUnread;
            continue;
        }
        files.clear();
        folders.clear();
        for (const CFolderEntry& entry : entries)
            if (IsShown(entry, walk))
                (entry.details.nKind == CFileDetails::FOLDER ? folders : files).push_back(&entry);
        SortByName(files, rules);
        for (const CFolderEntry* pFile : files) {
            std::wstring path = Child(folder, pFile->strName);
            if (path.size() > MAX_PLAIN_PATH)
                path = LongPathForm(std::move(path));
            // With its line's end: the text of the paths alone stays within
            // the copy's limit.
            m_nChars += path.size() + 2;
            if (GetFileCount() >= MAX_FILES || m_nChars > MAX_CHARS)
                return TOO_LARGE;
            m_strPaths += path;
            m_ends.push_back(m_strPaths.size());
            m_details.push_back(pFile->details);
        }
        SortByName(folders, rules);
        for (auto it = folders.rbegin(); it != folders.rend(); ++it) {
            if ((*it)->nFlags & CFolderEntry::LINK)
                continue;
            pending.push_back(Child(folder, (*it)->strName));
            if ((m_nChars += pending.back().size()) > MAX_CHARS)
                return TOO_LARGE;
        }
    }
    return WALKED;
}

bool CFolderExpansion::SeenBefore(const CFolderId& id)
{
    if (2 * (m_nSeen + 1) > m_seen.size()) {
        std::vector<CFolderId> old(2 * m_seen.size(), {~std::uint64_t{0}, ~std::uint64_t{0}});
        old.swap(m_seen);
        m_nSeen = 0;
        for (const CFolderId& each : old)
            if (~each.nVolume || ~each.nFile)
                SeenBefore(each);
    }
    const size_t mask = m_seen.size() - 1;
    // The high half of a Fibonacci hash: every bit of the ID stirred in.
    const std::uint64_t key = (id.nFile ^ id.nVolume << 40) * 0x9E3779B97F4A7C15u;
    for (size_t slot = size_t(key >> 32) & mask;; slot = (slot + 1) & mask) {
        CFolderId& each = m_seen[slot];
        if (each.nVolume == id.nVolume && each.nFile == id.nFile)
            return true;
        if (!~each.nVolume && !~each.nFile) {
            each = id;
            ++m_nSeen;
            return false;
        }
    }
}
