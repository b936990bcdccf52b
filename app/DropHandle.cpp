#include "app/DropHandle.h"

#include "pathlist/DropFilesCheck.h"

namespace {
UINT DragQueryFileOf(HDROP hDrop, UINT iFile, char* pszFile, UINT cch)
{
    return ::DragQueryFileA(hDrop, iFile, pszFile, cch);
}

UINT DragQueryFileOf(HDROP hDrop, UINT iFile, wchar_t* pszFile, UINT cch)
{
    return ::DragQueryFileW(hDrop, iFile, pszFile, cch);
}

// Item i into strPath, its length asked first.
template <class Char>
std::basic_string_view<Char> QueryFile(HDROP hDrop, UINT i, std::basic_string<Char>& strPath)
{
    strPath.resize(DragQueryFileOf(hDrop, i, static_cast<Char*>(nullptr), 0));
    strPath.resize(DragQueryFileOf(hDrop, i, strPath.data(), strPath.size() + 1));
    return strPath;
}
} // namespace

bool IsReadableGlobal(HGLOBAL hData, bool (*pfnIsReadable)(const void* pBlock, size_t nBytes))
{
    // A handle that is no block of global memory has no size and no lock.
    const SIZE_T nBytes = ::GlobalSize(hData);
    const void* pBlock = ::GlobalLock(hData);
    if (!pBlock)
        return false;
    const bool bReadable = pfnIsReadable(pBlock, nBytes);
    ::GlobalUnlock(hData);
    return bReadable;
}

bool IsReadableDrop(HDROP hDrop)
{
    return IsReadableGlobal(hDrop, IsReadableDropFiles);
}

unsigned CDropIntake::GetCount() const
{
    return ::DragQueryFileW(m_hDrop, 0xFFFFFFFF, NULL, 0);
}

std::wstring_view CDropIntake::GetExactName(unsigned index)
{
    return QueryFile(m_hDrop, index, m_strExactName);
}

std::string_view CDropIntake::GetAnsiName(unsigned index)
{
    return QueryFile(m_hDrop, index, m_strAnsiName);
}
