#include "pathlist/FolderWalk.h"

#include "pathlist/PathParts.h"

#include <algorithm>

namespace {

bool IsShown(const CFolderEntry& entry, CWalkRules walk)
{
    if (!(entry.nFlags & CFolderEntry::HIDDEN))
        return true;
    return walk.bShowHidden && (!(entry.nFlags & CFolderEntry::SYSTEM) || walk.bShowProtected);
}

// Files before folders, each by name as the shell compares names.
bool Precedes(const CFolderEntry* a, const CFolderEntry* b, const CNameOrderRules& rules)
{
    if (a->details.nKind != b->details.nKind)
        return a->details.nKind == CFileDetails::FILE;
    return rules.Compare(a->strName, b->strName) < 0;
}

// A merge sort through `buffer`, so stable: names the shell calls equal keep
// the order the file system listed them in. A folder may hold a hundred
// thousand files; this is a fraction of the code of std::sort.
void SortEntries(const CFolderEntry** first, const CFolderEntry** last, const CFolderEntry** buffer,
                 const CNameOrderRules& rules)
{
    if (last - first < 2)
        return;
    const CFolderEntry** const middle = first + (last - first) / 2;
    SortEntries(first, middle, buffer, rules);
    SortEntries(middle, last, buffer, rules);
    const CFolderEntry** const end = std::merge(
        first, middle, middle, last, buffer,
        [&](const CFolderEntry* a, const CFolderEntry* b) { return Precedes(a, b, rules); });
    std::copy(buffer, end, first);
}

// The path of `name` in `folder`, in the long-path form past `nLongAt` characters.
std::wstring Child(const std::wstring& folder, const std::wstring& name, size_t nLongAt)
{
    std::wstring path = folder;
    if (!path.empty() && path.back() != L'\\')
        path += L'\\';
    path += name;
    return path.size() > nLongAt ? LongPathForm(std::move(path)) : path;
}

// Past these a file's path, and a folder's with "\\*" when listed, need the
// long-path prefix.
constexpr size_t LONG_FILE = 259;
constexpr size_t LONG_FOLDER = LONG_FILE - 2;

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
    m_strPaths.clear();
    m_found.clear();
    m_nUnread = m_nChars = 0;
    m_ranges.assign(list.GetCount(), {NOT_WALKED, NOT_WALKED});
    for (size_t i = 0; i < list.GetCount(); ++i) {
        const std::wstring& given = list.GetItem(i).strExact;
        if (given.empty() || !rules.IsFolder(given))
            continue;
        const size_t first = GetFileCount();
        if (const Result result = Walk(given, rules, lister, walk, progress); result != WALKED) {
            // Nothing of a walk that did not end is kept.
            m_strPaths.clear();
            m_found.clear();
            m_ranges.clear();
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
    m_seen.clear();
    m_nSeen = 0;
    // The folders to read, the next last: a stack, not the call stack, since
    // a path of 32 767 characters can be thousands of folders deep.
    std::vector<std::wstring> pending;
    pending.push_back(top);
    if (top.size() > LONG_FOLDER)
        pending.back() = LongPathForm(top);
    std::vector<CFolderEntry> entries;
    while (!pending.empty()) {
        const std::wstring folder = std::move(pending.back());
        pending.pop_back();
        if (!progress.Continue(GetFileCount(), folder))
            return CANCELLED;
        entries.clear();
        CFolderId id;
        if (!lister.List(folder, entries, id)) {
            ++m_nUnread;
            continue;
        }
        if (SeenBefore(id))
            continue;
        // The entries shown, then as many places for the sort.
        std::vector<const CFolderEntry*> shown(2 * entries.size());
        size_t nShown = 0;
        for (const CFolderEntry& entry : entries)
            if (IsShown(entry, walk))
                shown[nShown++] = &entry;
        SortEntries(shown.data(), shown.data() + nShown, shown.data() + nShown, rules);
        // The files in order; the folders onto the stack, the first last.
        size_t nFiles = 0;
        for (; nFiles < nShown; ++nFiles) {
            const CFolderEntry* pEntry = shown[nFiles];
            if (pEntry->details.nKind == CFileDetails::FOLDER)
                break;
            const std::wstring path = Child(folder, pEntry->strName, LONG_FILE);
            // With its line's end: the text of the paths alone stays within
            // the copy's limit.
            m_nChars += path.size() + 2;
            if (GetFileCount() >= MAX_FILES || m_nChars > MAX_CHARS)
                return TOO_LARGE;
            m_strPaths += path;
            m_found.push_back({m_strPaths.size(), pEntry->details});
        }
        for (size_t i = nShown; i-- > nFiles;) {
            if (shown[i]->nFlags & CFolderEntry::LINK)
                continue;
            pending.emplace_back(Child(folder, shown[i]->strName, LONG_FOLDER));
            if ((m_nChars += pending.back().size()) > MAX_CHARS)
                return TOO_LARGE;
        }
    }
    return WALKED;
}

bool CFolderExpansion::SeenBefore(const CFolderId& id)
{
    // File ID 0 names no folder (NTFS's record 0 is its own table): it marks
    // an empty slot, and is never kept.
    if (!id.IsKnown())
        return false;
    if (2 * (m_nSeen + 1) > m_seen.size()) {
        std::vector<CFolderId> old(std::max<size_t>(64, 2 * m_seen.size()));
        old.swap(m_seen);
        m_nSeen = 0;
        for (const CFolderId& each : old)
            SeenBefore(each);
    }
    const size_t mask = m_seen.size() - 1;
    // A Fibonacci hash of the ID's bits folded to 32.
    const std::uint64_t bits = id.nFile ^ id.nFileHigh ^ id.nVolume;
    const auto key = std::uint32_t(bits ^ bits >> 32) * 0x9E3779B9u;
    for (size_t slot = (key >> 8) & mask;; slot = (slot + 1) & mask) {
        CFolderId& each = m_seen[slot];
        if (!each.IsKnown()) {
            each = id;
            ++m_nSeen;
            return false;
        }
        if (each == id)
            return true;
    }
}
