#include "pathlist/CrtCodePage.h"

#include <mbctype.h>
#include <mbstring.h>

#include <cstddef>

CCrtCodePage::CCrtCodePage()
{
    for (unsigned byte = 0; byte < 256; ++byte)
        if (_ismbblead(byte))
            SetLeadByte(static_cast<unsigned char>(byte));
}

void CCrtCodePage::MakeUpper(std::string& text) const
{
    Convert(text, _mbsupr);
}

void CCrtCodePage::MakeLower(std::string& text) const
{
    Convert(text, _mbslwr);
}

// The runtime works on NUL-terminated text, so the text goes to it run by run
// between NULs. A lead byte right before a NUL it takes together with the NUL
// as one character, and then reads and writes on past the end: such a lone lead
// byte is replaced by a NUL while the runtime runs.
void CCrtCodePage::Convert(std::string& text, Converter convert) const
{
    unsigned char* const bytes = reinterpret_cast<unsigned char*>(text.data());
    const std::size_t length = text.size(); // bytes[length] is std::string's own NUL
    std::size_t run = 0;
    while (run < length) {
        std::size_t end = run;
        while (bytes[end] != '\0' && !(IsLeadByte(bytes[end]) && bytes[end + 1] == '\0'))
            end += IsLeadByte(bytes[end]) ? 2 : 1;
        const unsigned char last = bytes[end]; // NUL, or a lone lead byte
        bytes[end] = '\0';
        convert(bytes + run);
        bytes[end] = last;
        run = end + (last != '\0' ? 2 : 1);
    }
}
