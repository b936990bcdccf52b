#include "pathlist/FileLinks.h"

#include "tests/pathlist/HtmlHeader.h"
#include "tests/pathlist/TestRules.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <string>
#include <string_view>

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
