#pragma once

#include "pathlist/TextCase.h"

// The platform's own Unicode letter case (CharUpperBuffW, CharLowerBuffW):
// the case the exact names are shown in, as the ANSI list is shown in the C
// runtime's case for its code page.
class CSystemUnicodeCase : public CUnicodeCase
{
public:
    void MakeUpper(std::wstring& text) const override;
    void MakeLower(std::wstring& text) const override;
};
