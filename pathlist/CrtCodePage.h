#pragma once

#include "pathlist/CodePage.h"

// The C runtime's multibyte rules for the code page that _setmbcp selected,
// which are those of the class library's multibyte CString: lead bytes from
// _ismbblead, letter case from _mbsupr and _mbslwr. Right for whatever ANSI
// code page the user's Windows has.
//
// Precondition: _setmbcp(_MB_CP_ANSI) has run before construction (the
// application does it at start-up); the lead bytes are taken once, then.
class CCrtCodePage : public CCodePage
{
public:
    CCrtCodePage();

    void MakeUpper(std::string& text) const override;
    void MakeLower(std::string& text) const override;

private:
    using Converter = unsigned char* (*)(unsigned char*);
    void Convert(std::string& text, Converter convert) const;
};
