#pragma once

#include <windows.h>

#include <optional>
#include <string>

// What the clipboard holds as CF_TEXT (in the ANSI code page), as
// CF_UNICODETEXT, and as CF_LOCALE; none where it holds no such thing.
std::optional<std::string> ReadClipboardText();
std::optional<std::wstring> ReadClipboardUnicodeText();
std::optional<LCID> ReadClipboardLocale();
void WriteClipboardText(const std::string& strText);
// Files on the clipboard, as a file manager's Copy leaves them (CF_HDROP).
void WriteClipboardFiles(HDROP hDrop);
