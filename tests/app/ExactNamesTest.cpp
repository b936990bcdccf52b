// The exact names beside the ANSI list: where the ANSI code page holds every
// name, the box shows what the ANSI list always showed; the program's texts
// read as written on any system; its title survives a file name with a "\"
// byte inside a character.
#include "afx/LoadString.h"
#include "afx/WinApp.h"
#include "app/SystemUnicodeCase.h"
#include "pathlist/CrtCodePage.h"
#include "pathlist/PathList.h"
#include "res/resource.h"
#include "tests/pathlist/TestRules.h"
#include "tests/support/Clipboard.h"
#include "tests/support/DropFiles.h"
#include "tests/support/MessageBoxAnswerer.h"
#include "tests/support/ModalRun.h"
#include "tests/support/PathListDlgFixture.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {
std::wstring Widen(const std::string& text)
{
    std::wstring wide(::MultiByteToWideChar(CP_ACP, 0, text.data(), text.size(), NULL, 0), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), text.size(), wide.data(), wide.size());
    return wide;
}

// Every double-byte character of the code page that changes letter case.
std::vector<std::string> CaseChangingCharacters(const CCodePage& codePage)
{
    std::vector<std::string> found;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        for (int trail = 0x40; trail <= 0xFC && codePage.IsLeadByte(lead); ++trail) {
            const std::string character = {static_cast<char>(lead), static_cast<char>(trail)};
            std::string upper = character, lower = character;
            codePage.MakeUpper(upper);
            codePage.MakeLower(lower);
            if (upper != character || lower != character)
                found.push_back(character);
        }
    }
    return found;
}

TEST(ExactNamesTest, ShowTheAnsiTextInEveryModeWhereTheCodePageHoldsEveryName)
{
    const CCrtCodePage codePage;
    const CSystemUnicodeCase unicodeCase;
    const std::vector<std::string> characters = CaseChangingCharacters(codePage);
    ASSERT_GT(characters.size(), 400u) << "under code page 932";

    // Each character between separators, and a mixed sample: ソ and 表 end in
    // a "\" byte, ツ in "c", Ａ is a full-width letter.
    std::vector<std::string> paths = {"C:\\Program Files\\\x83\x5c\x83\x74\x83\x67\\\x95\x5c.Txt",
                                      "D:\\\x83\x63\x82\x60\\MiXeD\\a\x83\x5c\\b\x83\x63"};
    for (size_t i = 0; i < characters.size(); i += 40) {
        std::string path = "C:";
        for (size_t j = i; j < i + 40 && j < characters.size(); ++j)
            path += "\\" + characters[j] + "x";
        paths.push_back(path);
    }
    std::vector<std::wstring> widePaths;
    for (const auto& path : paths)
        widePaths.push_back(Widen(path));

    CPathList model(codePage, unicodeCase);
    CTestIntake intake(widePaths, paths);
    ASSERT_TRUE(model.AcceptDrop(intake));
    for (int nSlashes = 0; nSlashes < 2; ++nSlashes) {
        // As stored, upper, lower.
        for (int nCase = 0; nCase < 3; ++nCase, model.CycleCase()) {
            const int mode = model.GetCaseMode();
            // Line by line, so that a difference reads as one name.
            const std::wstring shown = model.GetText();
            const std::wstring expected = Widen(model.GetAnsiText());
            for (size_t at = 0, line = 0; at < shown.size() || at < expected.size(); ++line) {
                const size_t end = shown.find(L"\r\n", at);
                const size_t expectedEnd = expected.find(L"\r\n", at);
                ASSERT_EQ(shown.substr(at, end - at), expected.substr(at, expectedEnd - at))
                    << "line " << line << ", separators " << nSlashes << ", case " << mode;
                at = end == std::wstring::npos ? shown.size() : end + 2;
            }
        }
        model.ToggleSlashes();
    }
}

// Run under code page 1252 too (see CMakeLists.txt): the Japanese texts of the
// resources are not turned into "?" on the way to the screen.
class AnyCodePageTest : public PathListDlgFixture
{
};

TEST_F(AnyCodePageTest, ButtonsMessagesAndNamesReadAsWritten)
{
    if (const char* pszCodePage = std::getenv("VEXLO_EXPECTED_ACP")) {
        ASSERT_EQ(::GetACP(), static_cast<UINT>(std::atoi(pszCodePage)));
    }
    Run({[&](HWND hDlg) {
        EXPECT_EQ(GetItemWideText(hDlg, IDC_COPYALL), L"全てコピー");
        EXPECT_EQ(GetItemWideText(hDlg, IDC_CASE), L"文字変換");
        EXPECT_EQ(GetItemWideText(hDlg, IDC_SLASH), L"(\\)(/)変換");
        EXPECT_EQ(GetItemWideText(hDlg, IDOK), L"Exit/終了");
        Drop(hDlg, std::vector<std::wstring>{L"C:\\ソフト\\한글é.txt"});
        EXPECT_EQ(GetItemWideText(hDlg, IDC_PATHS), L"C:\\ソフト\\한글é.txt");
        Click(hDlg, IDC_COPYALL);
        ASSERT_EQ(m_boxes.Seen().size(), 1u);
        EXPECT_EQ(m_boxes.Seen()[0].strText, AfxLoadString(IDS_CONFIRM_COPY));
    }});
}

// A copy's ANSI text has no look-alikes: a character with no place in the
// code page is "?", not a quote, a space or a "\" (U+FF02, U+3000, U+FF3C,
// and in code page 932 U+00A5) that would break the quoting or split a name.
TEST_F(AnyCodePageTest, CopiesPutNoLookAlikesInTheAnsiText)
{
    const std::string strAnsi =
        ::GetACP() == 932 ? "C:\\a b\xFA\x57\x81\x40\x81\x5F?.txt" : "C:\\a b???\xA5.txt";
    const struct
    {
        UINT nID;
        std::string strCopied;
    } forms[] = {
        {ID_COPY_QUOTED, '"' + strAnsi + '"'},
        {ID_COPY_CMD_ARGUMENTS, '"' + strAnsi + '"'},
        {ID_COPY_POWERSHELL, '\'' + strAnsi + '\''},
    };
    Run({[&](HWND hDlg) {
        Drop(hDlg, std::vector<std::wstring>{L"C:\\a b＂　＼¥.txt"});
        for (const auto& form : forms) {
            ::SendMessageW(hDlg, WM_COMMAND, form.nID, 0);
            EXPECT_EQ(ReadClipboardText(), form.strCopied) << form.nID;
        }
    }});
}

// Message boxes are captioned with the program file's name. Cut at its last
// "\" byte, 表示.exe (表 is 0x95 0x5C in code page 932) would be "示": this
// test copies its own program to that name and runs the copy, which checks
// the title it took.
TEST(ProgramTitleTest, IsTheWholeFileNameEvenWhereABackslashByteEndsACharacter)
{
    if (std::getenv("VEXLO_TITLE_CHECK")) {
        EXPECT_EQ(AfxGetApp()->m_strAppName, L"表示");
        return;
    }
    wchar_t szSelf[MAX_PATH], szDir[MAX_PATH];
    ::GetModuleFileNameW(NULL, szSelf, MAX_PATH);
    ::GetTempPathW(MAX_PATH, szDir);
    const std::wstring copy = std::wstring(szDir) + L"表示.exe";
    ASSERT_TRUE(::CopyFileW(szSelf, copy.c_str(), FALSE));
    std::wstring command = L"\"" + copy + L"\" --gtest_filter=ProgramTitleTest.*";
    ::SetEnvironmentVariableW(L"VEXLO_TITLE_CHECK", L"1");
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const BOOL bStarted = ::CreateProcessW(NULL, command.data(), NULL, NULL, FALSE, 0, NULL, NULL,
                                           &startup, &process);
    ::SetEnvironmentVariableW(L"VEXLO_TITLE_CHECK", NULL);
    ASSERT_TRUE(bStarted);
    ::WaitForSingleObject(process.hProcess, 60000);
    DWORD dwExitCode = 1;
    ::GetExitCodeProcess(process.hProcess, &dwExitCode);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    ::DeleteFileW(copy.c_str());
    EXPECT_EQ(dwExitCode, 0u) << "the copy named 表示.exe took another title";
}
} // namespace
