#include "app/IdListIntake.h"

#include "app/GlobalBlock.h"
#include "pathlist/IdListArrayCheck.h"
#include "pathlist/PathList.h"

namespace {
// The shell's name of an item in the form sigdnName; false when it has none.
bool GetName(PCIDLIST_ABSOLUTE pidl, SIGDN sigdnName, std::wstring& strName)
{
    PWSTR pszName;
    if (FAILED(::SHGetNameFromIDList(pidl, sigdnName, &pszName)))
        return false;
    strName = pszName;
    ::CoTaskMemFree(pszName);
    return true;
}

// Item ID lists the shell reads without leaving the block, one item at least.
bool HoldsItems(const void* pBlock, size_t nBytes)
{
    return IsReadableIdListArray(pBlock, nBytes) && static_cast<const CIDA*>(pBlock)->cidl;
}
} // namespace

CIdListIntake::CIdListIntake(HGLOBAL hIdLists)
    : m_hIdLists(hIdLists), m_pIdLists(IsReadableGlobal(hIdLists, HoldsItems)
                                           ? static_cast<const CIDA*>(::GlobalLock(hIdLists))
                                           : nullptr)
{
    // Items none of which the shell can name hold no files either. Past the
    // list's limit no name is asked: the intake is refused for its count.
    if (m_pIdLists && m_pIdLists->cidl <= CPathList::MAX_DROP_COUNT) {
        unsigned i = 0;
        while (i < m_pIdLists->cidl && GetExactName(i).empty())
            ++i;
        if (i == m_pIdLists->cidl) {
            ::GlobalUnlock(hIdLists);
            m_pIdLists = nullptr;
        }
    }
}

CIdListIntake::~CIdListIntake()
{
    if (m_pIdLists)
        ::GlobalUnlock(m_hIdLists);
}

unsigned CIdListIntake::GetCount() const
{
    return m_pIdLists->cidl;
}

std::wstring CIdListIntake::FetchName(unsigned index)
{
    // Offsets the check has found inside the block, to lists ended inside it.
    const BYTE* pBlock = reinterpret_cast<const BYTE*>(m_pIdLists);
    const auto pidlParent = reinterpret_cast<PCIDLIST_ABSOLUTE>(pBlock + m_pIdLists->aoffset[0]);
    const auto pidlItem =
        reinterpret_cast<PCUIDLIST_RELATIVE>(pBlock + m_pIdLists->aoffset[index + 1]);
    std::wstring strName;
    if (const PIDLIST_ABSOLUTE pidl = ::ILCombine(pidlParent, pidlItem)) {
        if (!GetName(pidl, SIGDN_FILESYSPATH, strName))
            GetName(pidl, SIGDN_DESKTOPABSOLUTEPARSING, strName);
        ::ILFree(pidl);
    }
    return strName;
}
