#include "app/UnicodeIntake.h"

#include "afx/AnsiText.h"

std::wstring_view CUnicodeIntake::GetExactName(unsigned index)
{
    // In index order, each once, however often asked.
    while (index >= m_exactNames.size())
        m_exactNames.push_back(FetchName(static_cast<unsigned>(m_exactNames.size())));
    return m_exactNames[index];
}

std::string_view CUnicodeIntake::GetAnsiName(unsigned index)
{
    m_strAnsiName = AfxToShellAnsi(GetExactName(index));
    return m_strAnsiName;
}
