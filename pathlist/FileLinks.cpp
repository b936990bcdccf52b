#include "pathlist/FileLinks.h"

#include "pathlist/PathForms.h"
#include "pathlist/Utf8.h"

#include <array>
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
    ((text += L"](") += FileUrl(line)) += L')';
    return text;
}

std::wstring HtmlLink(std::wstring_view line)
{
    if (line.empty())
        return {};
    // The URL needs no escaping: it holds only unreserved characters, "/",
    // ":" and "%".
    std::wstring text = L"<a href=\"";
    (text += FileUrl(line)) += L"\">";
    static constexpr std::wstring_view SPECIAL = L"&<>\"'";
    static constexpr const wchar_t* ENTITIES[] = {L"&amp;", L"&lt;", L"&gt;", L"&quot;", L"&#39;"};
    for (wchar_t ch : LastName(line)) {
        const size_t special = SPECIAL.find(ch);
        if (special == SPECIAL.npos)
            text += ch;
        else
            text += ENTITIES[special];
    }
    text += L"</a>";
    return text;
}

std::string ClipboardHtml(std::wstring_view fragment)
{
    // Every offset in ten digits, so that the header's length is known before
    // the offsets are.
    static constexpr char HEADER[] = "Version:0.9\r\n"
                                     "StartHTML:0000000000\r\n"
                                     "EndHTML:0000000000\r\n"
                                     "StartFragment:0000000000\r\n"
                                     "EndFragment:0000000000\r\n";
    // Where each offset's digits end: at the end of its line.
    static constexpr auto ENDS = [] {
        std::array<size_t, 5> ends = {};
        for (size_t i = 0, k = 0; i < sizeof HEADER; ++i)
            if (HEADER[i] == '\r')
                ends[k++] = i;
        return ends;
    }();
    std::string html = HEADER;
    html += "<html><body>\r\n<!--StartFragment-->";
    const size_t startFragment = html.size();
    html += ToUtf8(fragment);
    const size_t endFragment = html.size();
    html += "<!--EndFragment-->\r\n</body></html>";
    const size_t offsets[] = {sizeof HEADER - 1, html.size(), startFragment, endFragment};
    for (size_t i = 0; i < std::size(offsets); ++i)
        for (size_t n = offsets[i], digit = ENDS[i + 1]; n > 0; n /= 10)
            html[--digit] = static_cast<char>('0' + n % 10);
    return html;
}
