#include "pathlist/PathList.h"

#include "pathlist/PathParts.h"

#include <algorithm>
#include <charconv>
#include <numeric>

namespace {
// Whether `unit` leads a character of two units whose second one the
// separator switch must not read alone: in a multibyte code page a trail byte
// may equal "\" (ソ is 0x83 0x5C in code page 932). In UTF-16 a separator is
// never half of a surrogate pair.
bool LeadsPair(const CCodePage& codePage, char unit)
{
    return codePage.IsLeadByte(static_cast<unsigned char>(unit));
}

bool LeadsPair(const CUnicodeCase&, wchar_t)
{
    return false;
}

// Switches every single-unit `from` in `text` to `to`. Double-unit characters
// are stepped over whole; a lead unit at the very end has no partner and
// stands alone.
template <class Rules, class Char>
void SwitchSeparators(const Rules& rules, std::basic_string<Char>& text, Char from, Char to)
{
    const size_t length = text.size();
    for (size_t i = 0; i < length; ++i) {
        if (LeadsPair(rules, text[i]) && i + 1 < length)
            ++i;
        else if (text[i] == from)
            text[i] = to;
    }
}

// Line i of the text is line(i), for every item shown.
template <class Char, class Line> std::basic_string<Char> JoinLines(size_t nCount, Line line)
{
    static constexpr Char LINE_BREAK[] = {'\r', '\n', '\0'};
    std::basic_string<Char> text;
    for (size_t i = 0; i < nCount; ++i) {
        if (i > 0)
            text += LINE_BREAK;
        text += line(i);
    }
    return text;
}
// The name at or after `pos`, which it steps past; empty past the last.
std::wstring_view NextName(std::wstring_view path, size_t& pos)
{
    const size_t start = std::min(path.find_first_not_of(L"\\/", pos), path.size());
    pos = std::min(path.find_first_of(L"\\/", start), path.size());
    return path.substr(start, pos - start);
}

// Whether two paths name one thing as Windows reads them: a long-path prefix
// stands for the path after it, "/" for "\", a run of separators or a
// trailing one for none, and each name compares as the file system compares it.
bool IsSamePath(std::wstring_view a, std::wstring_view b, const CNameOrderRules& rules)
{
    const CPathParts partsA = ReadPath(a), partsB = ReadPath(b);
    if (partsA.nKind != partsB.nKind)
        return false;
    // From the drive's letter or the server's name on, past any prefix.
    for (size_t i = partsA.nRest, j = partsB.nRest;;) {
        const std::wstring_view nameA = NextName(a, i), nameB = NextName(b, j);
        if (nameA.empty() || nameB.empty())
            return nameA.empty() && nameB.empty();
        if (!rules.IsSameName(nameA, nameB))
            return false;
    }
}

// The intake's items, every exact name fetched before the ANSI ones.
std::vector<CPathItem> FetchItems(CPathIntake& intake, unsigned nCount)
{
    std::vector<CPathItem> items(nCount);
    for (unsigned i = 0; i < nCount; ++i)
        items[i].strExact = intake.GetExactName(i);
    for (unsigned i = 0; i < nCount; ++i)
        items[i].strAnsi = intake.GetAnsiName(i);
    return items;
}
} // namespace

CPathList::CPathList(const CCodePage& codePage, const CUnicodeCase& unicodeCase)
    : m_codePage(codePage), m_unicodeCase(unicodeCase)
{
}

bool CPathList::AcceptDrop(CPathIntake& intake)
{
    // Test the count first: a refused drop must leave the list the window
    // still shows, or the next conversion would silently wipe it.
    const unsigned nCount = intake.GetCount();
    if (nCount > MAX_DROP_COUNT)
        return false;
    ChangeItems(FetchItems(intake, nCount));
    RestoreGivenOrder();
    m_nSlashMode = SLASH_AS_GIVEN;
    m_bSlashesSwitched = false;
    m_nCaseMode = CASE_AS_STORED;
    return true;
}

bool CPathList::AddDrop(CPathIntake& intake, const CNameOrderRules& rules)
{
    // An intake of more than the limit is refused before it is read.
    const unsigned nCount = intake.GetCount();
    if (nCount > MAX_DROP_COUNT)
        return false;
    // A list that shows nothing has no item to keep.
    std::vector<CPathItem> items = IsEmpty() ? std::vector<CPathItem>() : m_items;
    bool bAdded = false;
    for (CPathItem& item : FetchItems(intake, nCount)) {
        const auto same = [&](const CPathItem& held) {
            return IsSamePath(held.strExact, item.strExact, rules);
        };
        if (std::any_of(items.begin(), items.end(), same))
            continue;
        if (items.size() == MAX_DROP_COUNT)
            return false;
        items.push_back(std::move(item));
        bAdded = true;
    }
    if (bAdded) {
        ChangeItems(std::move(items));
        Reorder(rules);
    }
    return true;
}

size_t CPathList::GetLineStart(size_t nLine) const
{
    size_t nStart = 0;
    for (size_t i = 0; i < nLine && i < GetCount(); ++i)
        nStart += GetShownName(i).size() + (i + 1 < GetCount() ? 2 : 0);
    return nStart;
}

size_t CPathList::RemoveSelectedLines(size_t nStart, size_t nEnd)
{
    if (IsEmpty())
        return std::wstring::npos;
    if (nStart > nEnd)
        std::swap(nStart, nEnd);
    // The line holding each end: the last whose start is at or before it.
    size_t nFirst = 0, nLast = 0;
    for (size_t i = 1; i < GetCount(); ++i) {
        const size_t nLineStart = GetLineStart(i);
        if (nLineStart <= nStart)
            nFirst = i;
        // A selection ending where a line begins does not reach into it.
        if (nLineStart < nEnd || (nLineStart == nEnd && nStart == nEnd))
            nLast = i;
    }
    // Each item kept takes the index after those kept before it.
    constexpr size_t REMOVED = ~size_t{0};
    std::vector<size_t> newIndex(m_items.size());
    for (size_t i = nFirst; i <= nLast; ++i)
        newIndex[m_order[i]] = REMOVED;
    std::vector<CPathItem> items;
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (newIndex[i] != REMOVED) {
            newIndex[i] = items.size();
            items.push_back(m_items[i]);
        }
    }
    m_order.erase(m_order.begin() + nFirst, m_order.begin() + nLast + 1);
    for (size_t& index : m_order)
        index = newIndex[index];
    ChangeItems(std::move(items));
    return nFirst;
}

bool CPathList::Undo(const CNameOrderRules& rules)
{
    if (!m_bCanUndo)
        return false;
    m_items.swap(m_undoItems);
    m_undoItems.clear();
    m_bCanUndo = false;
    CountItems();
    Reorder(rules);
    return true;
}

void CPathList::ChangeItems(std::vector<CPathItem> items)
{
    m_undoItems.swap(m_items);
    m_items.swap(items);
    m_bCanUndo = true;
    CountItems();
}

void CPathList::CountItems()
{
    // Decimal without leading zeros, as "%d" gives it; to_chars brings in
    // none of the C runtime's formatting (28 KB of a 40 KB program).
    char digits[sizeof m_szCount / sizeof(wchar_t)] = {};
    std::to_chars(digits, digits + sizeof digits - 1, static_cast<unsigned>(m_items.size()));
    std::copy(digits, digits + sizeof digits, m_szCount);
}

void CPathList::Reorder(const CNameOrderRules& rules)
{
    if (m_bNameOrder)
        SortByName(rules);
    else
        RestoreGivenOrder();
}

void CPathList::ToggleSlashes()
{
    m_nSlashMode = m_nSlashMode == SLASH_AS_GIVEN ? SLASH_FORWARD : SLASH_AS_GIVEN;
    m_bSlashesSwitched = true;
}

CPathList::CaseMode CPathList::CycleCase()
{
    m_nCaseMode = static_cast<CaseMode>((m_nCaseMode + 1) % 3);
    return m_nCaseMode;
}

void CPathList::SortByName(const CNameOrderRules& rules)
{
    std::vector<std::wstring> names;
    for (const CPathItem& item : m_items)
        names.push_back(item.strExact);
    m_order = NameOrder(names, rules);
    m_bNameOrder = true;
}

void CPathList::RestoreGivenOrder()
{
    m_order.resize(m_items.size());
    std::iota(m_order.begin(), m_order.end(), size_t{0});
    m_bNameOrder = false;
}

std::wstring CPathList::GetText() const
{
    return JoinLines<wchar_t>(GetCount(), [this](size_t i) { return GetShownName(i); });
}

std::string CPathList::GetAnsiText() const
{
    return JoinLines<char>(GetCount(), [this](size_t i) { return GetShownAnsiName(i); });
}

std::string CPathList::GetShownAnsiName(size_t i) const
{
    std::string text = GetItem(i).strAnsi;
    Show(m_codePage, text);
    return text;
}

std::wstring CPathList::ToShownForm(std::wstring text) const
{
    Show(m_unicodeCase, text);
    return text;
}

template <class Rules, class Char>
void CPathList::Show(const Rules& rules, std::basic_string<Char>& text) const
{
    if (m_nSlashMode == SLASH_FORWARD)
        SwitchSeparators(rules, text, Char('\\'), Char('/'));
    else if (m_bSlashesSwitched)
        SwitchSeparators(rules, text, Char('/'), Char('\\'));
    if (m_nCaseMode == CASE_UPPER)
        rules.MakeUpper(text);
    else if (m_nCaseMode == CASE_LOWER)
        rules.MakeLower(text);
}
