#include "pathlist/PathList.h"

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
    std::vector<CPathItem> items(nCount);
    for (unsigned i = 0; i < nCount; ++i)
        items[i].strExact = intake.GetExactName(i);
    for (unsigned i = 0; i < nCount; ++i)
        items[i].strAnsi = intake.GetAnsiName(i);
    m_items.swap(items);
    RestoreGivenOrder();
    m_nSlashMode = SLASH_AS_GIVEN;
    m_bSlashesSwitched = false;
    m_nCaseMode = CASE_AS_STORED;
    // Decimal without leading zeros, as "%d" gives it; to_chars brings in
    // none of the C runtime's formatting (28 KB of a 40 KB program).
    char digits[sizeof m_szCount / sizeof(wchar_t)] = {};
    std::to_chars(digits, digits + sizeof digits - 1, nCount);
    std::copy(digits, digits + sizeof digits, m_szCount);
    return true;
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
