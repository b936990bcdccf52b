#include "app/DropIntake.h"

#include "app/GlobalBlock.h"
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

// A list the shell reads without leaving the block, with a name in it.
bool HoldsNames(const void* pBlock, size_t nBytes)
{
    return IsReadableDropFiles(pBlock, nBytes) && !IsEmptyDropFiles(pBlock);
}
} // namespace

CDropIntake::CDropIntake(HDROP hDrop) : m_hDrop(hDrop), m_bOpen(IsReadableGlobal(hDrop, HoldsNames))
{
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
