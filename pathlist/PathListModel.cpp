#include "pathlist/PathListModel.h"

#include <numeric>

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
    std::vector<std::wstring> exactNames(nCount);
    std::vector<std::string> ansiNames(nCount);
    for (unsigned i = 0; i < nCount; ++i)
        exactNames[i] = intake.GetExactName(i);
    for (unsigned i = 0; i < nCount; ++i)
        ansiNames[i] = intake.GetAnsiName(i);
    m_exactNames.swap(exactNames);
    m_ansiNames.swap(ansiNames);
    Arrange(GivenOrder());
    m_bNameOrder = false;
    return true;
}

void CPathListModel::SortByName(const CNameOrderRules& rules)
{
    Rearrange(NameOrder(m_exactNames, rules));
    m_bNameOrder = true;
}

void CPathListModel::RestoreGivenOrder()
{
    Rearrange(GivenOrder());
    m_bNameOrder = false;
}

std::vector<size_t> CPathListModel::GivenOrder() const
{
    std::vector<size_t> order(m_exactNames.size());
    std::iota(order.begin(), order.end(), size_t{0});
    return order;
}

void CPathListModel::Arrange(const std::vector<size_t>& order)
{
    const auto nCount = static_cast<unsigned>(order.size());
    m_exactPaths.AcceptDrop(nCount,
                            [&](unsigned i) { return std::wstring_view(m_exactNames[order[i]]); });
    m_ansiPaths.AcceptDrop(nCount,
                           [&](unsigned i) { return std::string_view(m_ansiNames[order[i]]); });
    m_shownNames.clear();
    for (size_t i : order)
        m_shownNames.push_back(m_exactNames[i]);
}

void CPathListModel::Rearrange(const std::vector<size_t>& order)
{
    // Taken again from the names as given, then switched as before.
    const SlashMode nSlashMode = GetSlashMode();
    const CaseMode nCaseMode = GetCaseMode();
    Arrange(order);
    if (nSlashMode == SLASH_FORWARD)
        ToggleSlashes();
    while (GetCaseMode() != nCaseMode)
        CycleCase();
}
