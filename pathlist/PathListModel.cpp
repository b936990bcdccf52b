#include "pathlist/PathListModel.h"

CPathListModel::CPathListModel(const CCodePage& codePage, const CUnicodeCase& unicodeCase)
    : m_exactPaths(unicodeCase), m_ansiPaths(codePage)
{
}

bool CPathListModel::Take(CPathIntake& intake)
{
    // One test of the limit for both lists: they take or refuse together.
    const unsigned nCount = intake.GetCount();
    if (nCount > MAX_DROP_COUNT)
        return false;
    std::vector<std::wstring> givenNames(nCount);
    m_exactPaths.AcceptDrop(nCount, [&](unsigned i) {
        return std::wstring_view(givenNames[i] = intake.GetExactName(i));
    });
    m_ansiPaths.AcceptDrop(nCount, [&](unsigned i) { return intake.GetAnsiName(i); });
    m_givenNames.swap(givenNames);
    return true;
}
