#pragma once

#include <windows.h>

#include <string>

// Puts text on the clipboard in one opening of it, replacing what was there:
// as UTF-16 (CF_UNICODETEXT), as strAnsiText in the ANSI code page (CF_TEXT),
// and the locale whose ANSI code page that is (CF_LOCALE), so that no reader
// converts by another. Another program may hold the clipboard for a moment:
// waits for it up to about a second, keeping the windows painted. Returns
// false, having changed nothing, when it stays held.
bool AfxSetClipboardText(HWND hWndOwner, const std::wstring& strText,
                         const std::string& strAnsiText);
