#include "pathlist/CopyForms.h"
#include "pathlist/Cp932CodePage.h"
#include "tests/pathlist/HtmlHeader.h"
#include "tests/pathlist/TestRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

class CNoServerNames : public CServerNames
{
public:
    std::wstring ServerForm(const std::wstring&) const override { return {}; }
};

// The details of the files it holds, by exact name; every other name is
// unread. Every question is kept.
class CFakeFileFacts : public CFileFacts
{
public:
    explicit CFakeFileFacts(std::map<std::wstring, CFileDetails> files) : m_files(std::move(files))
    {
    }
    CFileDetails Details(const std::wstring& exactPath) const override
    {
        m_asked.push_back(exactPath);
        const auto found = m_files.find(exactPath);
        return found == m_files.end() ? CFileDetails() : found->second;
    }

    mutable std::vector<std::wstring> m_asked;

private:
    std::map<std::wstring, CFileDetails> m_files;
};

const CTableWords WORDS = {L"パス\t名前\t種類\tサイズ\t更新日時", L"フォルダ"};

CFileDetails File(std::uint64_t nSize, std::uint16_t nYear, std::uint16_t nMonth,
                  std::uint16_t nDay, std::uint16_t nHour, std::uint16_t nMinute,
                  std::uint16_t nSecond)
{
    return {CFileDetails::FILE, nSize, nYear, nMonth, nDay, nHour, nMinute, nSecond};
}

// Excel's and LibreOffice's marks of a text cell, a number and a date.
const std::string TEXT = R"(<td style='mso-number-format:"\@"' sdnum="1033;0;@">)";
const std::string SIZE = R"(<td style="mso-number-format:0">)";
const std::string TIME = R"(<td style='mso-number-format:"yyyy\/mm\/dd hh:mm:ss"' )"
                         R"(sdnum="1033;0;YYYY/MM/DD HH:MM:SS" sdval=")";

std::string TextCells(const std::vector<std::string>& cells)
{
    std::string html;
    for (const std::string& cell : cells)
        html += TEXT + cell + "</td>";
    return html;
}

// Each item of the list shown, its row as text and as HTML: every column
// from the details the file system gave, the names as shown, the text cells
// escaped and marked as text whatever they look like.
TEST(FileTableTest, EachItemIsARowOfItsDetailsAsTextAndAsCells)
{
    const struct
    {
        std::wstring strPath;
        CFileDetails details;
        std::wstring strRow;
        std::string strHtml;
    } rows[] = {
        {L"C:\\dir\\a b.txt", File(1234, 2026, 12, 9, 19, 9, 42),
         L"C:\\dir\\a b.txt\ta b.txt\t.txt\t1234\t2026/12/09 19:09:42",
         TextCells({"C:\\dir\\a b.txt", "a b.txt", ".txt"}) + SIZE + "1234</td>" + TIME +
             "46365.7984027893\">2026/12/09 19:09:42</td>"},
        // The last dot's extension; none of a name whose dots all lead; the
        // largest size whole.
        {L"C:\\dir\\a.tar.gz", File(0, 2000, 1, 2, 3, 4, 5),
         L"C:\\dir\\a.tar.gz\ta.tar.gz\t.gz\t0\t2000/01/02 03:04:05",
         TextCells({"C:\\dir\\a.tar.gz", "a.tar.gz", ".gz"}) + SIZE + "0</td>" + TIME +
             "36527.1278356597\">2000/01/02 03:04:05</td>"},
        {L"C:\\dir\\.gitignore", File(18446744073709551615u, 2024, 2, 29, 12, 0, 0),
         L"C:\\dir\\.gitignore\t.gitignore\t\t18446744073709551615\t2024/02/29 12:00:00",
         TextCells({"C:\\dir\\.gitignore", ".gitignore", ""}) + SIZE + "18446744073709551615</td>" +
             TIME + "45351.5000000115\">2024/02/29 12:00:00</td>"},
        // A folder has its kind's word and no size; a drive root its own name.
        {L"C:\\dir\\v1.2\\",
         {CFileDetails::FOLDER, 4096, 1999, 12, 31, 23, 59, 59},
         L"C:\\dir\\v1.2\\\tv1.2\tフォルダ\t\t1999/12/31 23:59:59",
         TextCells(
             {"C:\\dir\\v1.2\\", "v1.2", "\xE3\x83\x95\xE3\x82\xA9\xE3\x83\xAB\xE3\x83\x80"}) +
             "<td></td>" + TIME + "36525.9999884375\">1999/12/31 23:59:59</td>"},
        // A time before 1900 is no serial number, one of year 0 no time.
        {L"C:\\",
         {CFileDetails::FOLDER, 0, 1601, 1, 1, 0, 0, 0},
         L"C:\\\tC:\\\tフォルダ\t\t1601/01/01 00:00:00",
         TextCells({"C:\\", "C:\\", "\xE3\x83\x95\xE3\x82\xA9\xE3\x83\xAB\xE3\x83\x80"}) +
             "<td></td>" + TIME + "\">1601/01/01 00:00:00</td>"},
        {L"C:\\no time", File(7, 0, 0, 0, 0, 0, 0), L"C:\\no time\tno time\t\t7\t",
         TextCells({"C:\\no time", "no time", ""}) + SIZE + "7</td><td></td>"},
        // Gone: its path and name alone.
        {L"C:\\gone.txt",
         {},
         L"C:\\gone.txt\tgone.txt\t\t\t",
         TextCells({"C:\\gone.txt", "gone.txt", ""}) + "<td></td><td></td>"},
        // Names a spreadsheet would take for a formula or a number stay text.
        {L"C:\\=1+2", File(1, 2026, 1, 1, 0, 0, 0), L"C:\\=1+2\t=1+2\t\t1\t2026/01/01 00:00:00",
         TextCells({"C:\\=1+2", "=1+2", ""}) + SIZE + "1</td>" + TIME +
             "46023.0000000115\">2026/01/01 00:00:00</td>"},
        {L"D:\\-1.5",
         {},
         L"D:\\-1.5\t-1.5\t\t\t",
         TextCells({"D:\\-1.5", "-1.5", ""}) + "<td></td><td></td>"},
        {L"\\\\srv\\sh\\+1",
         {},
         L"\\\\srv\\sh\\+1\t+1\t\t\t",
         TextCells({"\\\\srv\\sh\\+1", "+1", ""}) + "<td></td><td></td>"},
        {L"D:\\@x.00",
         {},
         L"D:\\@x.00\t@x.00\t\t\t",
         TextCells({"D:\\@x.00", "@x.00", ""}) + "<td></td><td></td>"},
        // Escaped in HTML.
        {L"C:\\d\\[1] a&b<c>\"d'.txt", File(5, 2026, 12, 9, 0, 0, 1),
         L"C:\\d\\[1] a&b<c>\"d'.txt\t[1] a&b<c>\"d'.txt\t.txt\t5\t2026/12/09 00:00:01",
         TextCells(
             {"C:\\d\\[1] a&amp;b&lt;c&gt;\"d'.txt", "[1] a&amp;b&lt;c&gt;\"d'.txt", ".txt"}) +
             SIZE + "5</td>" + TIME + "46365.0000115856\">2026/12/09 00:00:01</td>"},
        // A tab, a line break or another control character is a space.
        {L"C:\\t\tab\\l\r\ni.n\te\x1F",
         {},
         L"C:\\t ab\\l  i.n e \tl  i.n e \t\t\t",
         TextCells({"C:\\t ab\\l  i.n e ", "l  i.n e ", ""}) + "<td></td><td></td>"},
    };
    const CCp932CodePage codePage;
    const CTestUnicodeCase unicodeCase;
    for (const auto& row : rows) {
        CPathList list(codePage, unicodeCase);
        CTestIntake intake({row.strPath});
        ASSERT_TRUE(list.AcceptDrop(intake));
        const CFakeFileFacts facts({{row.strPath, row.details}});
        const CCopyText text =
            MakeCopyText(TABLE_FORM, list, CNoServerNames(), CTestNameRules(), facts, WORDS,
                         [](std::wstring_view) { return std::string("a"); });
        EXPECT_EQ(text.strText, WORDS.strHeader + L"\r\n" + row.strRow)
            << testing::PrintToString(row.strPath);
        const std::string html = HtmlFragment(text.strHtml);
        const std::string head = "<table>\r\n<tr><th>\xE3\x83\x91\xE3\x82\xB9</th><th>";
        ASSERT_EQ(html.rfind(head, 0), 0u);
        const size_t start = html.find("</tr>\r\n") + 7;
        EXPECT_EQ(html.substr(start), "<tr>" + row.strHtml + "</tr>\r\n</table>")
            << testing::PrintToString(row.strPath);
    }
}

// The list in its order, shown in its separators and case: the header once
// before the rows, CR LF between them and none after the last, every item
// asked of the file system by its name as given, unless a listing told its
// details; the header's columns the HTML's header cells; the ANSI text the
// rows converted.
TEST(FileTableTest, TableHasTheHeaderThenOneRowAnItemAsShown)
{
    const CCp932CodePage codePage;
    const CTestUnicodeCase unicodeCase;
    CPathList list(codePage, unicodeCase);
    CTestIntake intake({L"C:\\Dir\\a.txt", L"C:\\Dir\\sub", L"C:\\gone"});
    ASSERT_TRUE(list.AcceptDrop(intake));
    list.ToggleSlashes();
    list.CycleCase();
    const CFakeFileFacts facts({{L"C:\\Dir\\a.txt", File(3, 2026, 12, 9, 1, 2, 3)},
                                {L"C:\\Dir\\sub", {CFileDetails::FOLDER, 0, 2025, 1, 2, 3, 4, 5}}});
    const CNoServerNames serverNames;
    const CTestNameRules nameRules;
    // ASCII as it is, anything else "?".
    const AnsiConversion toAscii = [](std::wstring_view line) {
        std::string ascii;
        for (wchar_t ch : line)
            ascii += ch < 0x80 ? static_cast<char>(ch) : '?';
        return ascii;
    };
    const CCopyText text =
        MakeCopyText(TABLE_FORM, list, serverNames, nameRules, facts, WORDS, toAscii);
    const std::wstring expected = L"パス\t名前\t種類\tサイズ\t更新日時\r\n"
                                  L"C:/DIR/A.TXT\tA.TXT\t.TXT\t3\t2026/12/09 01:02:03\r\n"
                                  L"C:/DIR/SUB\tSUB\tフォルダ\t\t2025/01/02 03:04:05\r\n"
                                  L"C:/GONE\tGONE\t\t\t";
    EXPECT_EQ(text.strText, expected);
    // Once an item: its HTML is made of the text.
    EXPECT_EQ(facts.m_asked,
              (std::vector<std::wstring>{L"C:\\Dir\\a.txt", L"C:\\Dir\\sub", L"C:\\gone"}));
    EXPECT_EQ(text.strAnsi, toAscii(expected));
    const std::string html = HtmlFragment(text.strHtml);
    EXPECT_EQ(html.substr(0, html.find("</tr>") + 5),
              "<table>\r\n<tr><th>\xE3\x83\x91\xE3\x82\xB9</th><th>\xE5\x90\x8D\xE5\x89\x8D</th>"
              "<th>\xE7\xA8\xAE\xE9\xA1\x9E</th><th>\xE3\x82\xB5\xE3\x82\xA4\xE3\x82\xBA</th>"
              "<th>\xE6\x9B\xB4\xE6\x96\xB0\xE6\x97\xA5\xE6\x99\x82</th></tr>");
    EXPECT_EQ(std::count(html.begin(), html.end(), '\n'), 5) << html;
    EXPECT_EQ(html.find(TEXT + "C:/DIR/A.TXT</td>"), html.find("</tr>\r\n<tr>") + 11);

    // What a walk's listing told is taken as it is: nothing asked.
    const CFileDetails told = File(9, 2026, 1, 1, 0, 0, 0);
    const CCopyItem item = {L"C:\\x.txt", L"C:\\x.txt", &told};
    facts.m_asked.clear();
    const CCopyContext context = {list, serverNames, nameRules, facts, WORDS, 0};
    EXPECT_EQ(TableLine(item, context), L"C:\\x.txt\tx.txt\t.txt\t9\t2026/01/01 00:00:00");
    EXPECT_TRUE(facts.m_asked.empty());
}

} // namespace
