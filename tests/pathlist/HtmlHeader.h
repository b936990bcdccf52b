#pragma once

#include <cstdlib>
#include <cstring>
#include <string>

// The offset the clipboard HTML's header gives in `field` ("StartFragment:"),
// or npos where it has none.
inline size_t HtmlOffset(const std::string& html, const char* field)
{
    const size_t at = html.find(field);
    return at == html.npos ? html.npos : std::strtoul(&html[at + std::strlen(field)], NULL, 10);
}

// The fragment between the offsets the header gives; empty where it has none,
// or they point outside it.
inline std::string HtmlFragment(const std::string& html)
{
    const size_t start = HtmlOffset(html, "StartFragment:"), end = HtmlOffset(html, "EndFragment:");
    return start <= end && end <= html.size() ? html.substr(start, end - start) : "";
}
