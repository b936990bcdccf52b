#include "app/UnicodeIntake.h"

#include "afx/AnsiText.h"

std::string_view CUnicodeIntake::GetAnsiName(unsigned index)
{
    m_strAnsiName = AfxToAnsi(GetExactName(index));
    return m_strAnsiName;
}
