#include "pathlist/FileLinks.h"

#include "tests/pathlist/HtmlHeader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FileLinksTest, LinksNameTheFileAndPointAtItsUrl)
{
    const std::wstring rows[][3] = {
        {LR"(C:\dir\a b.txt)", L"[a b.txt](file:///C:/dir/a%20b.txt)",
         LR"(<a href="file:///C:/dir/a%20b.txt">a b.txt</a>)"},
        {LR"(C:\d\[1] a&b<c>"d'.txt)",
         LR"([\[1\] a&b<c>"d'.txt](file:///C:/d/%5B1%5D%20a%26b%3Cc%3E%22d%27.txt))",
         LR"(<a href="file:///C:/d/%5B1%5D%20a%26b%3Cc%3E%22d%27.txt">[1] a&amp;b&lt;c&gt;&quot;d&#39;.txt</a>)"},
        {LR"(C:\)", LR"([C:\\](file:///C:/))", LR"(<a href="file:///C:/">C:\</a>)"},
        {LR"(\\?\UNC\srv\sh\表.txt)", L"[表.txt](file://srv/sh/%E8%A1%A8.txt)",
         LR"(<a href="file://srv/sh/%E8%A1%A8.txt">表.txt</a>)"},
        {L"", L"", L""}};
    for (const auto& row : rows) {
        EXPECT_EQ(MarkdownLink(row[0]), row[1]);
        EXPECT_EQ(HtmlLink(row[0]), row[2]);
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
