#pragma once

#include "afx/AnsiText.h"

#include <string>

// Text in the ANSI code page, as the program's controls and boxes hold it,
// and as the shell names files to ANSI programs.
inline std::string Ansi(const std::wstring& text)
{
    return AfxToShellAnsi(text);
}
