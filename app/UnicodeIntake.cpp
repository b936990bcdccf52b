#include "app/UnicodeIntake.h"

#include "afx/AnsiText.h"

std::wstring_view CUnicodeIntake::GetExactName(unsigned index)
{
    while (index >= m_exactNames.size())
        m_exactNames.push_back({});
    m_exactNames[index] = FetchName(index);
    return m_exactNames[index];
}

std::string_view CUnicodeIntake::GetAnsiName(unsigned index)
{
    // Asked out of turn, before the exact name: fetched now.
    if (index >= m_exactNames.size())
        GetExactName(index);
    m_strAnsiName = AfxToAnsi(m_exactNames[index]);
    return m_strAnsiName;
}
