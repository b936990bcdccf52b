#include "pathlist/FileLinks.h"

#include "pathlist/PathForms.h"
#include "pathlist/Utf8.h"

#include <array>
#include <iterator>

namespace {

// The name as text of the link's reader: in Markdown a backslash before each
// ASCII punctuation character that CommonMark's inline markup is made of
// (escapes, code spans, emphasis, links and images, autolinks and HTML,
// entities) and the `~` of GitHub's strikethrough; in HTML its entities.
void AppendName(std::wstring& text, std::wstring_view line, bool bHtml)
{
    static constexpr std::wstring_view MARKUP = L"!&*<[\\]_`~";
    static constexpr std::wstring_view SPECIAL = L"&<>\"'";
    static constexpr const wchar_t* ENTITIES[] = {L"&amp;", L"&lt;", L"&gt;", L"&quot;", L"&#39;"};
    for (wchar_t ch : LastName(line)) {
        const size_t special = SPECIAL.find(ch);
        if (bHtml && special != SPECIAL.npos)
            text += ENTITIES[special];
        else if (!bHtml && MARKUP.find(ch) != MARKUP.npos)
            (text += L'\\') += ch;
        else
            text += ch;
    }
}

} // namespace

std::wstring MarkdownLink(std::wstring_view line)
{
    const std::wstring url = FileUrl(line);
    std::wstring text = url.empty() ? L"" : L"[";
    AppendName(text, line, false);
    if (!url.empty())
        ((text += L"](") += url) += L')';
    return text;
}

std::wstring HtmlLink(std::wstring_view line)
{
    // The URL needs no escaping: it holds only unreserved characters, "/",
    // ":" and "%".
    const std::wstring url = FileUrl(line);
    std::wstring text = url.empty() ? L"" : L"<a href=\"";
    if (!url.empty())
        (text += url) += L"\">";
    AppendName(text, line, true);
    if (!url.empty())
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
