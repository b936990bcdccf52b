#include "app/DropHandle.h"

#include "pathlist/DropFilesCheck.h"

#include <string>

namespace {
UINT DragQueryFileOf(HDROP hDrop, UINT iFile, char* pszFile, UINT cch)
{
    return ::DragQueryFileA(hDrop, iFile, pszFile, cch);
}

UINT DragQueryFileOf(HDROP hDrop, UINT iFile, wchar_t* pszFile, UINT cch)
{
    return ::DragQueryFileW(hDrop, iFile, pszFile, cch);
}
} // namespace

bool IsReadableDrop(HDROP hDrop)
{
    // A handle that is no block of global memory has no size and no lock.
    const SIZE_T nBytes = ::GlobalSize(hDrop);
    const void* pBlock = ::GlobalLock(hDrop);
    if (!pBlock)
        return false;
    const bool bReadable = IsReadableDropFiles(pBlock, nBytes);
    ::GlobalUnlock(hDrop);
    return bReadable;
}

template <class Char> typename CBasicPathList<Char>::FetchPath DropItems(HDROP hDrop)
{
    return [hDrop, strPath = std::basic_string<Char>()](unsigned i) mutable {
        strPath.resize(DragQueryFileOf(hDrop, i, static_cast<Char*>(nullptr), 0));
        strPath.resize(DragQueryFileOf(hDrop, i, strPath.data(), strPath.size() + 1));
        return std::basic_string_view<Char>(strPath);
    };
}

template CPathList::FetchPath DropItems<char>(HDROP);
template CWidePathList::FetchPath DropItems<wchar_t>(HDROP);
