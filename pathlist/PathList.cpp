#include "pathlist/PathList.h"

#include <algorithm>
#include <charconv>

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

template <class Char>
void ChangeCase(const CTextCase<Char>& rules, std::basic_string<Char>& text,
                CPathListModes::CaseMode nCaseMode)
{
    if (nCaseMode == CPathListModes::CASE_UPPER)
        rules.MakeUpper(text);
    else if (nCaseMode == CPathListModes::CASE_LOWER)
        rules.MakeLower(text);
}
} // namespace

template <class Char> CBasicPathList<Char>::CBasicPathList(const Rules& rules) : m_rules(rules)
{
}

template <class Char> bool CBasicPathList<Char>::AcceptDrop(unsigned count, const FetchPath& fetch)
{
    // Test the count first: a refused drop must leave the list the window
    // still shows, or the next conversion would silently wipe it.
    if (count > MAX_DROP_COUNT)
        return false;

    static constexpr Char LINE_BREAK[] = {'\r', '\n', '\0'};
    m_strPaths.clear();
    m_nSlashMode = SLASH_AS_GIVEN;
    m_nCaseMode = CASE_AS_STORED;
    for (unsigned i = 0; i < count; ++i) {
        if (i > 0)
            m_strPaths += LINE_BREAK;
        m_strPaths += fetch(i);
    }
    // Decimal without leading zeros, as "%d" gives it; to_chars brings in
    // none of the C runtime's formatting (28 KB of a 40 KB program).
    char digits[sizeof m_szCount / sizeof(Char)] = {};
    std::to_chars(digits, digits + sizeof digits - 1, count);
    std::copy(digits, digits + sizeof digits, m_szCount);
    return true;
}

template <class Char> void CBasicPathList<Char>::ToggleSlashes()
{
    const Char from = m_nSlashMode == SLASH_AS_GIVEN ? '\\' : '/';
    const Char to = m_nSlashMode == SLASH_AS_GIVEN ? '/' : '\\';
    SwitchSeparators(m_rules, m_strPaths, from, to);
    m_nSlashMode = m_nSlashMode == SLASH_AS_GIVEN ? SLASH_FORWARD : SLASH_AS_GIVEN;
}

template <class Char> typename CBasicPathList<Char>::CaseMode CBasicPathList<Char>::CycleCase()
{
    m_nCaseMode = static_cast<CaseMode>((m_nCaseMode + 1) % 3);
    return m_nCaseMode;
}

template <class Char>
typename CBasicPathList<Char>::String CBasicPathList<Char>::GetDisplayText(CaseMode nCaseMode) const
{
    String text = m_strPaths;
    ChangeCase(m_rules, text, nCaseMode);
    return text;
}

template <class Char>
typename CBasicPathList<Char>::String CBasicPathList<Char>::ToDisplayForm(String text) const
{
    if (m_nSlashMode == SLASH_FORWARD)
        SwitchSeparators(m_rules, text, Char('\\'), Char('/'));
    ChangeCase(m_rules, text, m_nCaseMode);
    return text;
}

template class CBasicPathList<char>;
template class CBasicPathList<wchar_t>;
