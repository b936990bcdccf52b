#include "pathlist/CopyForms.h"
#include "pathlist/Cp932CodePage.h"
#include "tests/pathlist/HtmlHeader.h"
#include "tests/pathlist/TestRules.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

class CNoServerNames : public CServerNames
{
public:
    std::wstring ServerForm(const std::wstring&) const override { return {}; }
};

// Files by exact name, every question kept; any other name is unread.
class CFakeFileFacts : public CFileFacts
{
public:
    CFileDetails Details(const std::wstring& exactPath) const override
    {
        m_asked.push_back(exactPath);
        const auto found = m_files.find(exactPath);
        return found == m_files.end() ? CFileDetails() : found->second;
    }

    std::map<std::wstring, CFileDetails> m_files;
    mutable std::vector<std::wstring> m_asked;
};

const CTableWords WORDS = {L"パス\t名前\t種類\tサイズ\t更新日時", L"フォルダ"};
constexpr auto FILE_ = CFileDetails::FILE;
constexpr auto FOLDER = CFileDetails::FOLDER;

// ASCII as it is, anything else "?".
std::string ToAscii(std::wstring_view text)
{
    std::string ascii;
    for (wchar_t ch : text)
        ascii += ch < 0x80 ? static_cast<char>(ch) : '?';
    return ascii;
}

// The list of `paths`, shown with "/" in upper case when asked, as a table.
CCopyText Table(const std::vector<std::wstring>& paths, const CFakeFileFacts& facts,
                bool bSwitched = false)
{
    const CCp932CodePage codePage;
    const CTestUnicodeCase unicodeCase;
    CPathList list(codePage, unicodeCase);
    CTestIntake intake(paths);
    EXPECT_TRUE(list.AcceptDrop(intake));
    if (bSwitched) {
        list.ToggleSlashes();
        list.CycleCase();
    }
    return MakeCopyText(TABLE_FORM, list, CNoServerNames(), CTestNameRules(), facts, WORDS,
                        ToAscii);
}

// Each column of an item's row, from what the file system tells.
TEST(FileTableTest, RowHoldsThePathNameKindSizeAndLastWrite)
{
    const struct
    {
        std::wstring strPath;
        CFileDetails details;
        std::wstring strRow;
    } rows[] = {
        {L"C:\\d\\a b.txt",
         {FILE_, 1234, 2026, 12, 9, 19, 9, 42},
         L"C:\\d\\a b.txt\ta b.txt\t.txt\t1234\t2026/12/09 19:09:42"},
        {L"C:\\d\\a.tar.gz",
         {FILE_, 0, 2000, 1, 2, 3, 4, 5},
         L"C:\\d\\a.tar.gz\ta.tar.gz\t.gz\t0\t2000/01/02 03:04:05"},
        {L"C:\\d\\.gitignore",
         {FILE_, 18446744073709551615u, 2024, 2, 29, 12, 0, 0},
         L"C:\\d\\.gitignore\t.gitignore\t\t18446744073709551615\t2024/02/29 12:00:00"},
        // A folder has its kind's word and no size, whatever its dots.
        {L"C:\\d\\v1.2\\",
         {FOLDER, 4096, 1999, 12, 31, 23, 59, 59},
         L"C:\\d\\v1.2\\\tv1.2\tフォルダ\t\t1999/12/31 23:59:59"},
        {L"C:\\", {FOLDER}, L"C:\\\tC:\\\tフォルダ\t\t"},
        // Gone: its path and name alone.
        {L"C:\\gone.txt", {}, L"C:\\gone.txt\tgone.txt\t\t\t"},
        // A tab, a line break or another control character is a space.
        {L"C:\\t\tb\\l\r\ni.n\te\x1F", {}, L"C:\\t b\\l  i.n e \tl  i.n e \t\t\t"},
    };
    for (const auto& row : rows) {
        CFakeFileFacts facts;
        facts.m_files[row.strPath] = row.details;
        EXPECT_EQ(Table({row.strPath}, facts).strText, WORDS.strHeader + L"\r\n" + row.strRow);
    }
}

// The list as shown, the header first, CR LF between rows and none after the
// last; every item asked once by its name as given; the ANSI text converted.
// Beside it the HTML: header cells, every text cell marked as text (a name
// that looks like a formula too) and escaped, the size a number, the time a
// date with its serial number, the cells of what is unknown empty.
TEST(FileTableTest, TableIsTheHeaderThenARowAnItemAsShownAndItsCellsInHtml)
{
    CFakeFileFacts facts;
    facts.m_files = {{L"C:\\Dir\\=1+<b>&c.csv", {FILE_, 5, 2026, 12, 9, 19, 9, 42}},
                     {L"C:\\Dir\\sub", {FOLDER, 0, 1999, 12, 31, 23, 59, 59}}};
    const CCopyText text =
        Table({L"C:\\Dir\\=1+<b>&c.csv", L"C:\\Dir\\sub", L"C:\\gone"}, facts, true);
    const std::wstring expected =
        L"パス\t名前\t種類\tサイズ\t更新日時\r\n"
        L"C:/DIR/=1+<B>&C.CSV\t=1+<B>&C.CSV\t.CSV\t5\t2026/12/09 19:09:42\r\n"
        L"C:/DIR/SUB\tSUB\tフォルダ\t\t1999/12/31 23:59:59\r\n"
        L"C:/GONE\tGONE\t\t\t";
    EXPECT_EQ(text.strText, expected);
    EXPECT_EQ(text.strAnsi, ToAscii(expected));
    EXPECT_EQ(facts.m_asked,
              (std::vector<std::wstring>{L"C:\\Dir\\=1+<b>&c.csv", L"C:\\Dir\\sub", L"C:\\gone"}));
    const std::string T = R"(<td style='mso-number-format:"\@"' sdnum="1033;0;@">)";
    const std::string TIME = R"(<td style='mso-number-format:"yyyy\/mm\/dd hh:mm:ss"' )"
                             R"(sdnum="1033;0;YYYY/MM/DD HH:MM:SS" sdval=")";
    EXPECT_EQ(HtmlFragment(text.strHtml),
              "<table>\r\n<tr><th>\xE3\x83\x91\xE3\x82\xB9</th><th>\xE5\x90\x8D\xE5\x89\x8D</th>"
              "<th>\xE7\xA8\xAE\xE9\xA1\x9E</th><th>\xE3\x82\xB5\xE3\x82\xA4\xE3\x82\xBA</th>"
              "<th>\xE6\x9B\xB4\xE6\x96\xB0\xE6\x97\xA5\xE6\x99\x82</th></tr>\r\n<tr>" +
                  T + "C:/DIR/=1+&lt;B&gt;&amp;C.CSV</td>" + T + "=1+&lt;B&gt;&amp;C.CSV</td>" + T +
                  ".CSV</td><td style=\"mso-number-format:0\">5</td>" + TIME +
                  "46365.7984027893\">2026/12/09 19:09:42</td></tr>\r\n<tr>" + T +
                  "C:/DIR/SUB</td>" + T + "SUB</td>" + T +
                  "\xE3\x83\x95\xE3\x82\xA9\xE3\x83\xAB\xE3\x83\x80</td><td></td>" + TIME +
                  "36525.9999884375\">1999/12/31 23:59:59</td></tr>\r\n<tr>" + T + "C:/GONE</td>" +
                  T + "GONE</td>" + T + "</td><td></td><td></td></tr>\r\n</table>");

    // What a walk's listing told is taken as it is: nothing asked.
    const CFileDetails told = {FILE_, 9, 2026, 1, 1, 0, 0, 0};
    const CCp932CodePage codePage;
    const CTestUnicodeCase unicodeCase;
    const CPathList list(codePage, unicodeCase);
    const CNoServerNames serverNames;
    const CTestNameRules nameRules;
    const CCopyContext context = {list, serverNames, nameRules, facts, WORDS, 0};
    facts.m_asked.clear();
    EXPECT_EQ(TableLine({L"C:\\x", L"C:\\x", &told}, context),
              L"C:\\x\tx\t\t9\t2026/01/01 00:00:00");
    EXPECT_TRUE(facts.m_asked.empty());

    // The HTML stops after the row that passes its limit: here the last, whose
    // end the table's own end follows.
    std::wstring html, cut;
    EXPECT_TRUE(AppendTableHtml(html, L"h\r\na", html.npos));
    const size_t nRows = html.size() - std::size(L"\r\n</table>") + 1;
    EXPECT_TRUE(AppendTableHtml(cut, L"h\r\na", nRows));
    cut.clear();
    EXPECT_FALSE(AppendTableHtml(cut, L"h\r\na", nRows - 1));
    EXPECT_EQ(cut.size(), nRows);
}

} // namespace
