#include "pathlist/FileLinks.h"

#include "pathlist/PathForms.h"
#include "pathlist/Utf8.h"

#include <algorithm>
#include <cstring>
#include <iterator>

std::wstring MarkdownLink(std::wstring_view line)
{
    if (line.empty())
        return {};
    std::wstring text = L"[";
    for (wchar_t ch : LastName(line)) {
        if (ch == L'[' || ch == L']' || ch == L'\\')
            text += L'\\';
        text += ch;
    }
    return ((text += L"](") += FileUrl(line)) += L')';
}

std::wstring HtmlLink(std::wstring_view line)
{
    if (line.empty())
        return {};
    // The URL needs no escaping: it holds only unreserved characters, "/",
    // ":" and "%".
    std::wstring text = L"<a href=\"" + FileUrl(line) + L"\">";
    static constexpr struct
    {
        wchar_t ch;
        const wchar_t* entity;
    } ESCAPES[] = {
        {L'&', L"&amp;"}, {L'<', L"&lt;"}, {L'>', L"&gt;"}, {L'"', L"&quot;"}, {L'\'', L"&#39;"}};
    for (wchar_t ch : LastName(line)) {
        const auto escape = std::find_if(std::begin(ESCAPES), std::end(ESCAPES),
                                         [ch](const auto& e) { return e.ch == ch; });
        if (escape == std::end(ESCAPES))
            text += ch;
        else
            text += escape->entity;
    }
    return text += L"</a>";
}

std::string ClipboardHtml(std::wstring_view fragment)
{
    // Every offset in ten digits, so that the header's length is known
    // before the offsets are.
    static constexpr const char* FIELDS[] = {
        "StartHTML:", "EndHTML:", "StartFragment:", "EndFragment:"};
    static constexpr char VERSION[] = "Version:0.9\r\n";
    static constexpr char BEFORE[] = "<html><body>\r\n<!--StartFragment-->";
    static constexpr char AFTER[] = "<!--EndFragment-->\r\n</body></html>";
    constexpr size_t DIGITS = 10;
    const std::string bytes = ToUtf8(fragment);
    size_t startHtml = sizeof VERSION - 1;
    for (const char* field : FIELDS)
        startHtml += std::strlen(field) + DIGITS + 2;
    const size_t startFragment = startHtml + sizeof BEFORE - 1;
    const size_t endFragment = startFragment + bytes.size();
    const size_t offsets[] = {startHtml, endFragment + sizeof AFTER - 1, startFragment,
                              endFragment};
    std::string html = VERSION;
    for (size_t i = 0; i < 4; ++i) {
        html += FIELDS[i];
        std::string digits(DIGITS, '0');
        for (size_t n = offsets[i], k = DIGITS; n > 0; n /= 10)
            digits[--k] = static_cast<char>('0' + n % 10);
        (html += digits) += "\r\n";
    }
    return ((html += BEFORE) += bytes) += AFTER;
}
