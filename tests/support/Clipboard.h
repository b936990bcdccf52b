#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

// What the clipboard holds as CF_TEXT (in the ANSI code page), as
// CF_UNICODETEXT, and as CF_LOCALE; none where it holds no such thing.
std::optional<std::string> ReadClipboardText();
std::optional<std::wstring> ReadClipboardUnicodeText();
std::optional<LCID> ReadClipboardLocale();
// What it holds as "HTML Format", up to its first NUL.
std::optional<std::string> ReadClipboardHtml();
// Puts the blocks on the clipboard in place of what it held, each in its
// format; the clipboard then owns them. Null blocks are left out.
void WriteClipboard(const std::vector<std::pair<UINT, HANDLE>>& data);
void WriteClipboardText(const std::string& strText);
// Files on the clipboard, as a file manager's Copy leaves them (CF_HDROP).
void WriteClipboardFiles(HDROP hDrop);
