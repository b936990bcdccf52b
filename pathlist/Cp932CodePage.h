#pragma once

#include "pathlist/CodePage.h"

// Code page 932, Japanese Shift_JIS as Windows has it, built in so that the
// path list runs and is tested where the C runtime has no such code page.
// Its double-byte case changes are the Windows C runtime's own, recorded in
// Cp932CaseTable.inc by tools/gen-cp932-case-table.sh.
class CCp932CodePage : public CCodePage
{
public:
    CCp932CodePage();

    void MakeUpper(std::string& text) const override;
    void MakeLower(std::string& text) const override;
};
