#include "tests/support/IdLists.h"

#include <cstring>

HGLOBAL MakeIdLists(const std::vector<PIDLIST_ABSOLUTE>& items)
{
    // The count, the offsets of the parent's list and the items', the
    // parent's list (the desktop's: its end alone), the items' lists.
    const UINT nParent = UINT(sizeof(UINT) * (2 + items.size()));
    UINT nBytes = nParent + sizeof(USHORT);
    for (const auto pidl : items)
        nBytes += ::ILGetSize(pidl);
    const HGLOBAL hIdLists = ::GlobalAlloc(GHND, nBytes);
    auto* pHead = static_cast<UINT*>(::GlobalLock(hIdLists));
    pHead[0] = UINT(items.size());
    pHead[1] = nParent;
    UINT nOffset = nParent + sizeof(USHORT);
    for (size_t i = 0; i < items.size(); ++i) {
        pHead[2 + i] = nOffset;
        std::memcpy(reinterpret_cast<BYTE*>(pHead) + nOffset, items[i], ::ILGetSize(items[i]));
        nOffset += ::ILGetSize(items[i]);
        ::ILFree(items[i]);
    }
    ::GlobalUnlock(hIdLists);
    return hIdLists;
}

PIDLIST_ABSOLUTE MakeUnnamedItem()
{
    PIDLIST_ABSOLUTE pidlComputer;
    ::SHGetSpecialFolderLocation(NULL, CSIDL_DRIVES, &pidlComputer);
    // One item of a kind no folder makes, and the list's end.
    static const BYTE CHILD[] = {4, 0, 0xFF, 0xFF, 0, 0};
    const PIDLIST_ABSOLUTE pidl =
        ::ILCombine(pidlComputer, reinterpret_cast<PCUIDLIST_RELATIVE>(CHILD));
    ::ILFree(pidlComputer);
    return pidl;
}

HGLOBAL MakeIdLists(const std::vector<std::wstring>& paths)
{
    std::vector<PIDLIST_ABSOLUTE> items;
    for (const auto& path : paths)
        items.push_back(::ILCreateFromPathW(path.c_str()));
    return MakeIdLists(items);
}
