#include "pathlist/PathList.h"

#include <charconv>

namespace {
const char LINE_BREAK[] = "\r\n";
} // namespace

CPathList::CPathList(const CCodePage& codePage) : m_codePage(codePage)
{
}

bool CPathList::AcceptDrop(unsigned count, const FetchPath& fetch)
{
    // Test the count first: a refused drop must leave the list the window
    // still shows, or the next conversion would silently wipe it.
    if (count > MAX_DROP_COUNT)
        return false;

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
    *std::to_chars(m_szCount, m_szCount + sizeof m_szCount - 1, count).ptr = '\0';
    return true;
}

void CPathList::ToggleSlashes()
{
    const char from = m_nSlashMode == SLASH_AS_GIVEN ? '\\' : '/';
    const char to = m_nSlashMode == SLASH_AS_GIVEN ? '/' : '\\';
    const size_t length = m_strPaths.size();
    for (size_t i = 0; i < length; ++i) {
        const unsigned char byte = static_cast<unsigned char>(m_strPaths[i]);
        // A trail byte may equal "\" (ソ is 0x83 0x5C in code page 932):
        // step over the whole character. A lead byte at the very end has no
        // trail and stands alone.
        if (m_codePage.IsLeadByte(byte) && i + 1 < length)
            ++i;
        else if (m_strPaths[i] == from)
            m_strPaths[i] = to;
    }
    m_nSlashMode = m_nSlashMode == SLASH_AS_GIVEN ? SLASH_FORWARD : SLASH_AS_GIVEN;
}

CPathList::CaseMode CPathList::CycleCase()
{
    m_nCaseMode = static_cast<CaseMode>((m_nCaseMode + 1) % 3);
    return m_nCaseMode;
}

std::string CPathList::GetDisplayText(CaseMode nCaseMode) const
{
    std::string text = m_strPaths;
    if (nCaseMode == CASE_UPPER)
        m_codePage.MakeUpper(text);
    else if (nCaseMode == CASE_LOWER)
        m_codePage.MakeLower(text);
    return text;
}
