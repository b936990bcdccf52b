#pragma once

#include <optional>
#include <string>

// The clipboard's CF_TEXT, in the ANSI code page; none when it holds no text.
std::optional<std::string> ReadClipboardText();
void WriteClipboardText(const std::string& strText);
