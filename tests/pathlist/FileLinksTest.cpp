#include "pathlist/FileLinks.h"

#include "pathlist/PathForms.h"
#include "pathlist/Utf8.h"
#include "tests/pathlist/HtmlHeader.h"
#include "tests/pathlist/TestRules.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <string>
#include <string_view>
#ifdef VEXLO_CMARK
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>
#endif

namespace {

TEST(FileLinksTest, LinksNameTheFileAndPointAtItsUrl)
{
    const std::wstring rows[][3] = {
        {LR"(C:\dir\a b.txt)", L"[a b.txt](file:///C:/dir/a%20b.txt)",
         LR"(<a href="file:///C:/dir/a%20b.txt">a b.txt</a>)"},
        {LR"(C:\d\[1] a&b<c>"d'.txt)",
         LR"([\[1\] a\&b\<c>"d'.txt](file:///C:/d/%5B1%5D%20a%26b%3Cc%3E%22d%27.txt))",
         LR"(<a href="file:///C:/d/%5B1%5D%20a%26b%3Cc%3E%22d%27.txt">[1] a&amp;b&lt;c&gt;&quot;d&#39;.txt</a>)"},
        {LR"(C:\)", LR"([C:\\](file:///C:/))", LR"(<a href="file:///C:/">C:\</a>)"},
        {LR"(\\?\UNC\srv\sh\表.txt)", L"[表.txt](file://srv/sh/%E8%A1%A8.txt)",
         LR"(<a href="file://srv/sh/%E8%A1%A8.txt">表.txt</a>)"},
        // No path, no URL: the name alone, as text.
        {L"", L"", L""},
        {L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}",
         L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"},
        {L"::{031E4825-7B94-4DC3-B131-E946B44C8DD5}\\a_b&c.library-ms", L"a\\_b\\&c.library-ms",
         L"a_b&amp;c.library-ms"}};
    for (const auto& row : rows) {
        EXPECT_EQ(MarkdownLink(row[0]), row[1]);
        EXPECT_EQ(HtmlLink(row[0]), row[2]);
    }
}

// Names that CommonMark would read as markup (a code span across two lines,
// emphasis, an entity, an image, an autolink) give links whose text is the
// name, each such character after a backslash.
TEST(FileLinksTest, MarkdownEscapesWhatCommonMarkReadsAsMarkup)
{
    ExpectLines(
        MarkdownLink,
        {{L"C:\\a`b.txt", L"[a\\`b.txt](file:///C:/a%60b.txt)"},
         {L"C:\\__init__.py", L"[\\_\\_init\\_\\_.py](file:///C:/__init__.py)"},
         {L"C:\\a&amp;b.txt", L"[a\\&amp;b.txt](file:///C:/a%26amp%3Bb.txt)"},
         {L"C:\\![x](y)", L"[\\!\\[x\\](y)](file:///C:/%21%5Bx%5D%28y%29)"},
         {L"C:\\<a@b.c>*i*~s~", L"[\\<a@b.c>\\*i\\*\\~s\\~](file:///C:/%3Ca%40b.c%3E%2Ai%2A~s~)"},
         {L"D:\\", L"[D:\\\\](file:///D:/)"}});
    // Every ASCII punctuation character in a name (the separators end names):
    // read back as CommonMark reads a link's text, a backslash before one of
    // them standing for it, each gives the name; none of the characters that
    // open or close inline markup is left bare.
    constexpr std::wstring_view INLINE_MARKUP = L"\\`*_[]<&!~";
    for (wchar_t ch = L'!'; ch <= L'~'; ++ch) {
        if (std::iswalnum(ch) || ch == L'\\' || ch == L'/')
            continue;
        const std::wstring name = {L'a', ch, L'b'};
        const std::wstring link = MarkdownLink(L"C:\\" + name);
        const size_t end = link.find(L"](");
        ASSERT_EQ(link.substr(0, 1), L"[") << link;
        ASSERT_NE(end, link.npos) << link;
        std::wstring read;
        for (size_t i = 1; i < end; ++i) {
            if (link[i] == L'\\' && i + 1 < end && std::iswpunct(link[i + 1]))
                ++i;
            else
                EXPECT_EQ(INLINE_MARKUP.find(link[i]), INLINE_MARKUP.npos) << link;
            read += link[i];
        }
        EXPECT_EQ(read, name) << link;
    }
}

#ifdef VEXLO_CMARK
// CommonMark's reference parser reads a copy of names that hold every ASCII
// punctuation character, the two backtick names that once made one code
// span of two lines among them, as one link a line, each named by its name.
TEST(FileLinksTest, CommonMarkReadsOneLinkPerNameNamedByIt)
{
    std::vector<std::wstring> names = {L"a`b.txt", L"c`d.txt", L"__init__.py", L"a&amp;b.txt",
                                       L"<a@b.c>", L"![x](y)", L"a~~b~~",      L"**x** _y_"};
    for (wchar_t ch = L'!'; ch <= L'~'; ++ch)
        if (std::iswpunct(ch) && ch != L'\\' && ch != L'/')
            names.push_back({L'a', ch, L'b'});
    std::string markdown;
    for (const std::wstring& name : names)
        (markdown += ToUtf8(MarkdownLink(L"C:\\" + name))) += "\r\n";

    char path[] = "/tmp/vexlo-markdown-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(write(fd, markdown.data(), markdown.size()), ssize_t(markdown.size()));
    close(fd);
    // --unsafe: cmark otherwise empties every file: URL.
    FILE* pipe = popen((std::string(VEXLO_CMARK) + " --unsafe " + path).c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string html;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        html.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0);
    unlink(path);

    // cmark writes each link's text with &, <, > and " as entities.
    const auto unescape = [](const std::string& text) {
        const char* const entities[][2] = {
            {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}};
        std::string read;
        for (size_t i = 0; i < text.size();) {
            size_t n = 1;
            std::string ch = text.substr(i, 1);
            for (const auto& entity : entities)
                if (text.compare(i, std::strlen(entity[0]), entity[0]) == 0)
                    n = std::strlen(entity[0]), ch = entity[1];
            read += ch;
            i += n;
        }
        return read;
    };
    size_t at = 0;
    for (const std::wstring& name : names) {
        const size_t open = html.find("<a href=\"", at);
        ASSERT_NE(open, html.npos) << "no link for " << ToUtf8(name) << " in\n" << html;
        const size_t text = html.find("\">", open) + 2;
        const size_t close = html.find("</a>", text);
        ASSERT_NE(close, html.npos) << html;
        const std::string href = html.substr(open + 9, text - 2 - open - 9);
        EXPECT_EQ(href, ToUtf8(FileUrl(L"C:\\" + name))) << html;
        EXPECT_EQ(unescape(html.substr(text, close - text)), ToUtf8(name)) << html;
        // The line holds that link and nothing else.
        EXPECT_TRUE(html.compare(close + 4, 1, "\n") == 0 ||
                    html.compare(close + 4, 4, "</p>") == 0)
            << html.substr(open);
        at = close;
    }
    EXPECT_EQ(html.find("<a href=", at), html.npos) << html;
}
#endif

TEST(FileLinksTest, ClipboardHtmlHeaderCountsTheUtf8Bytes)
{
    const std::string html = ClipboardHtml(L"<a href=\"x\">表😀</a>");
    ASSERT_EQ(html.rfind("Version:0.9\r\nStartHTML:", 0), 0u);
    const size_t startFragment = HtmlOffset(html, "StartFragment:");
    const size_t endFragment = HtmlOffset(html, "EndFragment:");
    EXPECT_EQ(html.substr(HtmlOffset(html, "StartHTML:"), 6), "<html>");
    EXPECT_EQ(HtmlOffset(html, "EndHTML:"), html.size());
    EXPECT_EQ(html.rfind("</html>"), html.size() - 7);
    EXPECT_EQ(html.substr(startFragment - 20, 20), "<!--StartFragment-->");
    EXPECT_EQ(HtmlFragment(html), "<a href=\"x\">\xE8\xA1\xA8\xF0\x9F\x98\x80</a>");
    EXPECT_EQ(html.substr(endFragment, 18), "<!--EndFragment-->");
}

} // namespace
