#pragma once

#include <string>
#include <string_view>

// The text in UTF-8. A lone surrogate, or a 32-bit unit beyond Unicode, is
// U+FFFD, as Windows' own conversion writes it.
std::string ToUtf8(std::wstring_view text);
