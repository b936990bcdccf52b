#include "pathlist/CopyForms.h"

#include "pathlist/Cp932CodePage.h"
#include "tests/pathlist/TestRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Drive Z: is mapped to \\Server\Share; every question is kept.
class CFakeServerNames : public CServerNames
{
public:
    std::wstring ServerForm(const std::wstring& exactPath) const override
    {
        m_asked.push_back(exactPath);
        if (exactPath.rfind(L"Z:\\", 0) != 0)
            return {};
        return L"\\\\Server\\Share\\" + exactPath.substr(3);
    }

    mutable std::vector<std::wstring> m_asked;
};

// Files the forms here never ask of.
class CNoFileFacts : public CFileFacts
{
public:
    CFileDetails Details(const std::wstring&) const override { return {}; }
};

// A conversion that tells itself apart: ASCII as it is, anything else "?".
std::string ToAscii(std::wstring_view text)
{
    std::string ascii;
    for (wchar_t ch : text)
        ascii += ch < 0x80 ? static_cast<char>(ch) : '?';
    return ascii;
}

constexpr auto GIVEN = CPathListModes::SLASH_AS_GIVEN;
constexpr auto FORWARD = CPathListModes::SLASH_FORWARD;
constexpr auto STORED = CPathListModes::CASE_AS_STORED;
constexpr auto UPPER = CPathListModes::CASE_UPPER;
constexpr auto LOWER = CPathListModes::CASE_LOWER;

struct CFormCase
{
    std::vector<std::wstring> paths;
    CPathListModes::SlashMode nSlash;
    CPathListModes::CaseMode nCase;
    std::wstring expected;
    // The exact names the look-up is asked, in order (server form only).
    std::vector<std::wstring> asked = {};
};

// The list dropped and switched as the window does it, then copied in `form`.
CCopyText CopyBoth(const CCopyForm& form, const CFormCase& row, CFakeServerNames& serverNames,
                   const std::vector<std::string>& ansi = {})
{
    const CCp932CodePage codePage;
    const CTestUnicodeCase unicodeCase;
    CPathList list(codePage, unicodeCase);
    CTestIntake intake(row.paths, ansi);
    EXPECT_TRUE(list.AcceptDrop(intake));
    if (row.nSlash == FORWARD)
        list.ToggleSlashes();
    while (list.GetCaseMode() != row.nCase)
        list.CycleCase();
    return MakeCopyText(form, list, serverNames, CTestNameRules(), CNoFileFacts(), CTableWords(),
                        ToAscii);
}

std::wstring Copy(const CCopyForm& form, const CFormCase& row, CFakeServerNames& serverNames)
{
    return CopyBoth(form, row, serverNames).strText;
}

void ExpectCopies(const CCopyForm& form, const std::vector<CFormCase>& rows)
{
    for (size_t i = 0; i < rows.size(); ++i) {
        CFakeServerNames serverNames;
        EXPECT_EQ(Copy(form, rows[i], serverNames), rows[i].expected) << "row " << i;
        if (&form == &SERVER_FORM) {
            EXPECT_EQ(serverNames.m_asked, rows[i].asked) << "row " << i;
        }
    }
}

TEST(CopyFormsTest, EmptyListGivesEmptyTextInEveryForm)
{
    for (const CCopyForm& form :
         {QUOTED_FORM, NAME_FORM, SERVER_FORM, WSL_FORM, URL_FORM, PARENT_FORM, ESCAPED_FORM,
          GIT_BASH_FORM, CYGWIN_FORM, ONE_LINE_FORM, STEM_FORM, CMD_ARGUMENT_FORM, POWERSHELL_FORM,
          WSL_ARGUMENT_FORM, GIT_BASH_ARGUMENT_FORM, RELATIVE_FORM, LINK_FORM}) {
        CFakeServerNames serverNames;
        EXPECT_EQ(Copy(form, {{}, FORWARD, UPPER, L""}, serverNames), L"");
        EXPECT_TRUE(serverNames.m_asked.empty());
    }
}

TEST(CopyFormsTest, QuotedKeepsEachLineAsShown)
{
    ExpectCopies(QUOTED_FORM,
                 {
                     {{L"C:\\a b\\c.txt"}, GIVEN, STORED, L"\"C:\\a b\\c.txt\""},
                     {{L"C:\\a", L"\\\\srv\\sh\\b"}, FORWARD, UPPER, L"\"C:/A\"\r\n\"//SRV/SH/B\""},
                     {{L"D:\\Dir\\F.TXT"}, GIVEN, LOWER, L"\"d:\\dir\\f.txt\""},
                     {{L"\\\\?\\C:\\x"}, GIVEN, STORED, L"\"\\\\?\\C:\\x\""},
                 });
}

TEST(CopyFormsTest, NamesOnlyTakesTheLastName)
{
    ExpectCopies(
        NAME_FORM,
        {
            {{L"C:\\dir\\sub\\f.txt", L"C:\\dir\\Sub\\"}, GIVEN, UPPER, L"F.TXT\r\nSUB"},
            {{L"C:\\a\\b.txt"}, FORWARD, STORED, L"b.txt"},
            {{L"C:\\", L"D:"}, GIVEN, STORED, L"C:\\\r\nD:"},
            {{L"C:\\"}, FORWARD, LOWER, L"c:/"},
            {{L"\\\\?\\C:\\"}, GIVEN, STORED, L"C:\\"},
            {{L"\\\\?\\C:\\"}, FORWARD, STORED, L"C:/"},
            {{L"\\\\?\\C:\\Dir\\"}, GIVEN, STORED, L"Dir"},
            {{L"\\\\srv\\share", L"\\\\?\\UNC\\Srv\\Share\\Dir"}, FORWARD, LOWER, L"share\r\ndir"},
            {{L"C:\\表\\😀 x"}, GIVEN, STORED, L"😀 x"},
        });
}

TEST(CopyFormsTest, UncAsksForTheExactNameOfLinesOffServers)
{
    ExpectCopies(SERVER_FORM, {
                                  {{L"Z:\\dir\\f.txt"},
                                   GIVEN,
                                   STORED,
                                   L"\\\\Server\\Share\\dir\\f.txt",
                                   {L"Z:\\dir\\f.txt"}},
                                  {{L"Z:\\Dir\\f.txt", L"C:\\Local"},
                                   FORWARD,
                                   UPPER,
                                   L"//SERVER/SHARE/DIR/F.TXT\r\nC:/LOCAL",
                                   {L"Z:\\Dir\\f.txt", L"C:\\Local"}},
                                  {{L"\\\\?\\Z:\\Long", L"\\\\?\\C:\\Long"},
                                   GIVEN,
                                   LOWER,
                                   L"\\\\server\\share\\long\r\n\\\\?\\c:\\long",
                                   {L"Z:\\Long", L"C:\\Long"}},
                                  {{L"\\\\Srv\\s\\x", L"\\\\?\\UNC\\Srv\\s\\x"},
                                   FORWARD,
                                   LOWER,
                                   L"//srv/s/x\r\n//?/unc/srv/s/x",
                                   {}},
                              });
}

TEST(CopyFormsTest, WslMountsDrivesAndKeepsServers)
{
    ExpectCopies(WSL_FORM,
                 {
                     {{L"C:\\dir\\f.txt"}, GIVEN, STORED, L"/mnt/c/dir/f.txt"},
                     {{L"C:\\Dir\\f.txt", L"d:\\x"}, GIVEN, UPPER, L"/mnt/c/DIR/F.TXT\r\n/mnt/d/X"},
                     {{L"C:\\Dir"}, FORWARD, LOWER, L"/mnt/c/dir"},
                     {{L"C:\\", L"\\\\?\\D:\\a b"}, FORWARD, STORED, L"/mnt/c/\r\n/mnt/d/a b"},
                     {{L"\\\\server\\share\\dir", L"\\\\?\\UNC\\Srv\\Sh\\D"},
                      GIVEN,
                      STORED,
                      L"//server/share/dir\r\n//Srv/Sh/D"},
                     {{L"\\dir\\x", L"C:\\表\\😀"}, GIVEN, STORED, L"/dir/x\r\n/mnt/c/表/😀"},
                 });
}

TEST(CopyFormsTest, UrlEncodesAllButUnreservedCharactersAsUtf8)
{
    const std::wstring pair = {wchar_t(0xD83D), wchar_t(0xDE00)}; // U+1F600 in UTF-16
    const std::wstring loneHigh = {wchar_t(0xD83D), L'a'};
    const std::wstring loneLow = {wchar_t(0xDE00)};
    ExpectCopies(
        URL_FORM,
        {
            {{L"C:\\dir\\a b.txt"}, GIVEN, STORED, L"file:///C:/dir/a%20b.txt"},
            {{L"\\\\server\\share\\dir"}, FORWARD, STORED, L"file://server/share/dir"},
            {{L"C:\\100%\\#1;+!", L"C:\\f.txt:s"},
             GIVEN,
             STORED,
             L"file:///C:/100%25/%231%3B%2B%21\r\nfile:///C:/f.txt%3As"},
            {{L"C:\\-._~Az09"}, FORWARD, STORED, L"file:///C:/-._~Az09"},
            {{L"C:\\表é", L"C:\\😀", L"C:\\" + pair},
             GIVEN,
             STORED,
             L"file:///C:/%E8%A1%A8%C3%A9\r\nfile:///C:/%F0%9F%98%80\r\nfile:///C:/%F0%9F%98%80"},
            {{L"C:\\" + loneHigh, L"C:\\" + loneLow},
             GIVEN,
             STORED,
             L"file:///C:/%EF%BF%BDa\r\nfile:///C:/%EF%BF%BD"},
            {{L"C:\\Dir", L"\\\\Srv\\Sh"}, FORWARD, LOWER, L"file:///c:/dir\r\nfile://srv/sh"},
            {{L"c:\\Dir"}, GIVEN, UPPER, L"file:///C:/DIR"},
            {{L"\\\\?\\C:\\a", L"\\\\?\\UNC\\srv\\sh\\a"},
             FORWARD,
             STORED,
             L"file:///C:/a\r\nfile://srv/sh/a"},
            // No name, a parsing name: no path, no URL.
            {{L"", L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", L"\\dir"},
             GIVEN,
             STORED,
             L"\r\n::{20D04FE0-3AEA-1069-A2D8-08002B30309D}\r\nfile:/dir"},
        });
}

TEST(CopyFormsTest, ParentFolderHoldsEachItemAndARootItself)
{
    ExpectCopies(PARENT_FORM,
                 {
                     {{LR"(C:\d\a b)", LR"(C:\d\s\)", LR"(C:\x)", LR"(C:\)"},
                      GIVEN,
                      STORED,
                      L"C:\\d\r\nC:\\d\r\nC:\\\r\nC:\\"},
                     {{LR"(\\s\sh\d)", LR"(\\s\sh)", LR"(\\?\UNC\s\sh\)"},
                      GIVEN,
                      UPPER,
                      L"\\\\S\\SH\r\n\\\\S\\SH\r\n\\\\S\\SH\\"},
                     {{LR"(\\?\C:\D\f)", L"C:\\😀\\表"}, FORWARD, LOWER, L"c:/d\r\nc:/😀"},
                 });
}

TEST(CopyFormsTest, EscapedDoublesEveryBackslashInQuotes)
{
    ExpectCopies(ESCAPED_FORM,
                 {
                     {{LR"(C:\dir\a b.txt)"}, GIVEN, STORED, LR"("C:\\dir\\a b.txt")"},
                     {{LR"(C:\)"}, GIVEN, UPPER, LR"("C:\\")"},
                     {{LR"(\\?\UNC\Srv\Sh\)"}, GIVEN, LOWER, LR"("\\\\srv\\sh\\")"},
                     {{LR"(\\?\C:\表\😀)"}, FORWARD, STORED, LR"("C:/表/😀")"},
                 });
}

// Git Bash and Cygwin as WSL, under their own mounts.
TEST(CopyFormsTest, GitBashAndCygwinMountDrivesInLowerCase)
{
    const std::vector<std::wstring> paths = {LR"(C:\dir\a b.txt)", LR"(D:\)", LR"(\\?\E:\X\)",
                                             LR"(\\server\share\dir)", LR"(\\?\UNC\S\表\😀)"};
    ExpectCopies(GIT_BASH_FORM,
                 {{paths, FORWARD, UPPER,
                   L"/c/DIR/A B.TXT\r\n/d/\r\n/e/X/\r\n//SERVER/SHARE/DIR\r\n//S/表/😀"}});
    ExpectCopies(CYGWIN_FORM,
                 {{paths, GIVEN, LOWER,
                   L"/cygdrive/c/dir/a b.txt\r\n/cygdrive/d/\r\n/cygdrive/e/x/\r\n//server/share/"
                   L"dir\r\n//s/表/😀"}});
}

TEST(CopyFormsTest, OneLineJoinsTheQuotedLinesBySpaces)
{
    ExpectCopies(ONE_LINE_FORM, {{{L"C:\\dir\\a b.txt", LR"(\\?\C:\x)", LR"(\\s\sh\)", L"😀"},
                                  FORWARD,
                                  UPPER,
                                  LR"("C:/DIR/A B.TXT" "//?/C:/X" "//S/SH/" "😀")"},
                                 // A "\" before the closing quote doubled.
                                 {{LR"(C:\)", LR"(D:\work\)", LR"(\\?\C:\)", LR"(\\s\sh\)"},
                                  GIVEN,
                                  STORED,
                                  LR"("C:\\" "D:\work\\" "\\?\C:\\" "\\s\sh\\")"}});
}

// The forms of one line for a command leave out an item with no name, which
// would be an empty argument ('' fails -LiteralPath); a form of lines keeps
// its line.
TEST(CopyFormsTest, OneLineFormsLeaveOutItemsWithNoName)
{
    const std::vector<std::wstring> paths = {L"", LR"(C:\a b)", L"", LR"(D:\x y\)", L""};
    const struct
    {
        const CCopyForm& form;
        std::wstring expected;
    } rows[] = {
        {ONE_LINE_FORM, LR"("C:\a b" "D:\x y\\")"},
        {POWERSHELL_FORM, LR"('C:\a b', 'D:\x y\')"},
        {WSL_ARGUMENT_FORM, LR"('/mnt/c/a b' '/mnt/d/x y/')"},
        {GIT_BASH_ARGUMENT_FORM, LR"('/c/a b' '/d/x y/')"},
        {CMD_ARGUMENT_FORM, L"\"\"\r\n\"C:\\a b\"\r\n\"\"\r\n\"D:\\x y\\\\\"\r\n\"\""},
    };
    for (const auto& row : rows) {
        CFakeServerNames serverNames;
        const CCopyText text = CopyBoth(row.form, {paths, GIVEN, STORED, L""}, serverNames);
        EXPECT_EQ(text.strText, row.expected);
        EXPECT_EQ(text.strAnsi, ToAscii(row.expected)) << text.strAnsi;
        if (&row.form != &CMD_ARGUMENT_FORM) {
            EXPECT_EQ(Copy(row.form, {{L"", L""}, GIVEN, STORED, L""}, serverNames), L"");
        }
    }
}

// Every form's ANSI text by one rule: a line that is its item as shown is the
// item's ANSI name as shown (here: 表 in code page 932, its case by the code
// page's rules); any other line is converted.
TEST(CopyFormsTest, AnsiTextIsTheAnsiNameWhereALineIsItsItemAsShown)
{
    const std::vector<std::wstring> exact = {L"C:\\表\\a", L"Z:\\表"};
    const std::vector<std::string> ansi = {"C:\\\x95\x5c\\a", "Z:\\\x95\x5c"};
    const struct
    {
        const CCopyForm& form;
        CPathListModes::CaseMode nCase;
        std::string expected;
    } rows[] = {
        {SHOWN_FORM, STORED, "C:\\\x95\x5c\\a\r\nZ:\\\x95\x5c"},
        {SHOWN_FORM, UPPER, "C:\\\x95\x5c\\A\r\nZ:\\\x95\x5c"},
        {QUOTED_FORM, STORED, "\"C:\\?\\a\"\r\n\"Z:\\?\""},
        {ONE_LINE_FORM, UPPER, "\"C:\\?\\A\" \"Z:\\?\""},
        // The local item stays as shown; the mapped one has its server form.
        {SERVER_FORM, STORED, "C:\\\x95\x5c\\a\r\n\\\\Server\\Share\\?"},
    };
    for (const auto& row : rows) {
        CFakeServerNames serverNames;
        EXPECT_EQ(CopyBoth(row.form, {exact, GIVEN, row.nCase, L""}, serverNames, ansi).strAnsi,
                  row.expected)
            << row.expected;
    }
}

} // namespace
