#include "pathlist/Utf8.h"

#include <cstdint>

namespace {

// The code point at `i`, which it steps past. A surrogate pair is one.
std::uint32_t ReadCodePoint(std::wstring_view text, size_t& i)
{
    const auto unit = static_cast<std::uint32_t>(text[i++]);
    if (unit >= 0xD800 && unit <= 0xDBFF && i < text.size()) {
        const auto low = static_cast<std::uint32_t>(text[i]);
        if (low >= 0xDC00 && low <= 0xDFFF) {
            ++i;
            return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        }
    }
    if ((unit >= 0xD800 && unit <= 0xDFFF) || unit > 0x10FFFF)
        return 0xFFFD;
    return unit;
}

} // namespace

std::string ToUtf8(std::wstring_view text)
{
    std::string bytes;
    for (size_t i = 0; i < text.size();) {
        std::uint32_t codePoint = ReadCodePoint(text, i);
        const int count = codePoint < 0x80      ? 1
                          : codePoint < 0x800   ? 2
                          : codePoint < 0x10000 ? 3
                                                : 4;
        char code[4];
        for (int k = count - 1; k > 0; --k) {
            code[k] = static_cast<char>(0x80 | (codePoint & 0x3F));
            codePoint >>= 6;
        }
        // The first byte's marks, by the number of bytes.
        static constexpr unsigned char LEAD[] = {0, 0x00, 0xC0, 0xE0, 0xF0};
        code[0] = static_cast<char>(LEAD[count] | codePoint);
        bytes.append(code, count);
    }
    return bytes;
}
