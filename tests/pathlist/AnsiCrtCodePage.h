#pragma once

#include "pathlist/CrtCodePage.h"

#include <mbctype.h>

// The runtime's rules for the ANSI code page, made on first use: a test
// binary has no application start-up to select the code page before it.
inline const CCrtCodePage& AnsiCrtCodePage()
{
    static const CCrtCodePage codePage = [] {
        _setmbcp(_MB_CP_ANSI);
        return CCrtCodePage();
    }();
    return codePage;
}
