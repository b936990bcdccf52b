// Drops no shell makes on a good day, and a clipboard another program holds
// or cannot take the text: the dialog neither crashes nor hangs, says what
// failed and loses nothing it shows.
#include "afx/LoadString.h"
#include "res/resource.h"
#include "tests/support/Ansi.h"
#include "tests/support/BeepCounter.h"
#include "tests/support/Clipboard.h"
#include "tests/support/ClipboardHolder.h"
#include "tests/support/DropFiles.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/MessageBoxAnswerer.h"
#include "tests/support/ModalRun.h"
#include "tests/support/PathListDlgFixture.h"
#include "tests/support/Paths.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {
// The longest path Windows knows, in characters.
constexpr size_t LONGEST_PATH = 32767;

double MillisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// Counts the paths the dialog asks of drops: while it lives, this
// executable's import of DragQueryFileA (Char char) or DragQueryFileW
// (wchar_t) points at a stand-in that counts the calls for an item (not those
// asking the number of items) and passes every call on.
template <class Char> class CFetchCounter
{
public:
    CFetchCounter()
    {
        s_nFetches = s_nCalls = 0;
        s_pfnReal = RealOf<DragQueryFileProc>(m_patch);
    }

    bool IsCounting() const { return m_patch.IsPatched(); }
    int Fetches() const { return s_nFetches; }
    // Every call, those asking the number of items too.
    int Calls() const { return s_nCalls; }

private:
    using DragQueryFileProc = UINT(WINAPI*)(HDROP, UINT, Char*, UINT);

    static UINT WINAPI CountingDragQueryFile(HDROP hDrop, UINT iFile, Char* lpszFile, UINT cch)
    {
        ++s_nCalls;
        if (iFile != 0xFFFFFFFF)
            ++s_nFetches;
        return s_pfnReal(hDrop, iFile, lpszFile, cch);
    }

    static inline int s_nFetches = 0;
    static inline int s_nCalls = 0;
    static inline DragQueryFileProc s_pfnReal = nullptr;

    CImportPatch m_patch{"shell32.dll", sizeof(Char) == 1 ? "DragQueryFileA" : "DragQueryFileW",
                         reinterpret_cast<void*>(CountingDragQueryFile)};
};

class HostileDropTest : public PathListDlgFixture
{
};

TEST_F(HostileDropTest, HundredThousandItemsAreRefusedAtOnceWithoutOnePathFetched)
{
    const Paths kept = {"C:\\Kept\\One", "C:\\Kept\\Two"};
    const Paths huge(100000, "C:\\x");
    Run({[&](HWND hDlg) {
        Drop(hDlg, kept);
        Click(hDlg, IDC_CASE); // upper case
        CFetchCounter<char> ansiFetches;
        CFetchCounter<wchar_t> wideFetches;
        ASSERT_TRUE(ansiFetches.IsCounting()) << "the dialog's DragQueryFileA import was not found";
        ASSERT_TRUE(wideFetches.IsCounting()) << "the dialog's DragQueryFileW import was not found";

        // The refusal of a small drop over the limit, for comparison.
        auto start = std::chrono::steady_clock::now();
        const HDROP hSmall = Drop(hDlg, Paths(100, "C:\\x"));
        const double msSmall = MillisecondsSince(start);
        start = std::chrono::steady_clock::now();
        const HDROP hHuge = Drop(hDlg, huge);
        const double msHuge = MillisecondsSince(start);
        std::printf("refusal of 100 items: %.1f ms, of 100000 items: %.1f ms\n", msSmall, msHuge);

        EXPECT_EQ(ansiFetches.Fetches(), 0);
        EXPECT_EQ(wideFetches.Fetches(), 0);
        EXPECT_TRUE(IsReleased(hSmall));
        EXPECT_TRUE(IsReleased(hHuge));
        ASSERT_EQ(m_boxes.Seen().size(), 2u);
        EXPECT_EQ(m_boxes.Seen()[1].strText, AfxLoadString(IDS_TOO_MANY));
        EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), "C:\\KEPT\\ONE\r\nC:\\KEPT\\TWO");
        EXPECT_EQ(GetItemText(hDlg, IDC_COUNT), "2");
        Click(hDlg, IDC_CASE); // on to lower case: the mode was kept
        EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), "c:\\kept\\one\r\nc:\\kept\\two");

        // The counters see the fetches of a drop that is taken.
        Drop(hDlg, Paths{"C:\\taken"});
        EXPECT_GT(ansiFetches.Fetches(), 0);
        EXPECT_GT(wideFetches.Fetches(), 0);
    }});
}

TEST_F(HostileDropTest, PathOfTheLongestLengthArrivesWholeInBothForms)
{
    // Code page 932 text among ASCII: ソ's second byte is "\".
    std::string strPath = "\\\\?\\C:";
    while (strPath.size() + 7 <= LONGEST_PATH)
        strPath += "\\\x83\x5c\x83\x74\x83\x67"; // \ソフト
    strPath.append(LONGEST_PATH - strPath.size(), 'a');
    std::wstring widePath = L"\\\\?\\C:";
    while (widePath.size() + 4 <= LONGEST_PATH)
        widePath += L"\\ソフト";
    widePath.append(LONGEST_PATH - widePath.size(), L'a');
    ASSERT_EQ(strPath.size(), LONGEST_PATH);
    ASSERT_EQ(widePath.size(), LONGEST_PATH);

    Run({[&](HWND hDlg) {
        EXPECT_TRUE(IsReleased(Drop(hDlg, Paths{strPath})));
        EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), strPath);
        EXPECT_TRUE(IsReleased(Drop(hDlg, WidePaths{widePath, widePath})));
        const std::string strWide = Ansi(widePath);
        EXPECT_GT(strWide.size(), LONGEST_PATH) << "double-byte characters take two bytes";
        EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), strWide + "\r\n" + strWide);
        EXPECT_EQ(GetItemText(hDlg, IDC_COUNT), "2");
    }});
}

// Names with characters that code page 932 cannot hold are shown and copied
// exactly, in every separator and case mode. Programs that read only the ANSI
// code page get them as DragQueryFileA gives them, as WideCharToMultiByte
// does: a best fit where there is one (é as e), else one "?" per UTF-16 unit
// (έ and 한 as ?, an emoji as ??); the clipboard's locale tells them which
// code page that text is in.
TEST_F(HostileDropTest, NamesOutsideTheCodePageAreShownAndCopiedExactly)
{
    const WidePaths names = {L"C:\\한글\\파일.txt", L"C:\\café\\résumé.doc", L"C:\\絵文字\\😀.png",
                             L"C:\\ソフト\\Ωμέγα한é😀end.TXT"};
    const std::wstring exact = Join(names);
    Paths ansi;
    for (const auto& name : names)
        ansi.push_back(Ansi(name));
    EXPECT_EQ(ansi[0], "C:\\??\\??.txt");
    EXPECT_EQ(ansi[1], "C:\\cafe\\resume.doc");
    EXPECT_EQ(ansi[2], "C:\\" + Ansi(L"絵文字") + "\\??.png");
    EXPECT_EQ(ansi[3], Ansi(L"C:\\ソフト\\Ωμ") + "?" + Ansi(L"γα") + "?e?\?end.TXT");
    Run({[&](HWND hDlg) {
        EXPECT_TRUE(IsReleased(Drop(hDlg, names)));
        EXPECT_EQ(GetItemText(hDlg, IDC_COUNT), "4");
        EXPECT_EQ(GetItemWideText(hDlg, IDC_PATHS), exact);

        Click(hDlg, IDC_CASE);
        Click(hDlg, IDC_SLASH);
        EXPECT_EQ(GetItemWideText(hDlg, IDC_PATHS).substr(0, 14), L"C:/한글/파일.TXT\r\n");
        EXPECT_EQ(GetItemWideText(hDlg, IDC_PATHS).substr(exact.rfind(L"\r\n") + 2),
                  L"C:/ソフト/ΩΜΈΓΑ한É😀END.TXT");

        Click(hDlg, IDC_COPYALL);
        EXPECT_EQ(ReadClipboardUnicodeText(), GetItemWideText(hDlg, IDC_PATHS));
        const std::optional<std::string> strAnsi = ReadClipboardText();
        ASSERT_TRUE(strAnsi);
        EXPECT_EQ(strAnsi->substr(0, 34), "C:/?\?/?\?.TXT\r\nC:/CAFE/RESUME.DOC\r\n");
        const std::optional<LCID> lcid = ReadClipboardLocale();
        ASSERT_TRUE(lcid);
        UINT nCodePage = 0;
        ::GetLocaleInfoW(*lcid, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                         reinterpret_cast<LPWSTR>(&nCodePage), sizeof nCodePage / sizeof(wchar_t));
        EXPECT_EQ(nCodePage, ::GetACP());
    }});
}

// A drop without names: its list is the closing NUL alone, and NULs follow
// it, so that a reader who looks past the list finds nothing there either.
template <class Char> HDROP MakeEmptyDrop()
{
    const HGLOBAL hDrop = ::GlobalAlloc(GHND, sizeof(DROPFILES) + 4 * sizeof(Char));
    auto* pFiles = static_cast<DROPFILES*>(::GlobalLock(hDrop));
    pFiles->pFiles = sizeof(DROPFILES);
    pFiles->fWide = sizeof(Char) == sizeof(wchar_t);
    ::GlobalUnlock(hDrop);
    return static_cast<HDROP>(hDrop);
}

// An empty name ends a drop's list, so that one whose first name is empty
// names nothing, as Windows reads it: such a drop is released unread and
// changes nothing. (Wine 8 reads the first name even when it is empty: it
// would count an empty list as one empty name, and read on past an empty
// first name.)
TEST_F(HostileDropTest, EmptyNamesEndTheListAndADropOfNoNamesChangesNothing)
{
    using MakeDropFn = HDROP (*)();
    const std::pair<const char*, MakeDropFn> drops[] = {
        {"empty list", MakeEmptyDrop<char>},
        {"empty wide list", MakeEmptyDrop<wchar_t>},
        {"empty first name",
         [] {
             return MakeDrop(Paths{"", "C:\\after"});
         }},
        {"empty first wide name",
         [] {
             return MakeDrop(WidePaths{L"", L"C:\\after"});
         }},
    };
    Run({[&](HWND hDlg) {
        EXPECT_TRUE(IsReleased(Drop(hDlg, Paths{"C:\\a", "", "C:\\b"})));
        EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), "C:\\a");
        EXPECT_EQ(GetItemText(hDlg, IDC_COUNT), "1");

        CFetchCounter<char> ansiCalls;
        CFetchCounter<wchar_t> wideCalls;
        for (const auto& [pszWhat, make] : drops) {
            const HDROP hDrop = make();
            ::SendMessageA(hDlg, WM_DROPFILES, reinterpret_cast<WPARAM>(hDrop), 0);
            EXPECT_TRUE(IsReleased(hDrop)) << pszWhat;
            EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), "C:\\a") << pszWhat;
            EXPECT_EQ(GetItemText(hDlg, IDC_COUNT), "1") << pszWhat;
        }
        EXPECT_EQ(ansiCalls.Calls() + wideCalls.Calls(), 0) << "a drop of no names was read";
        EXPECT_TRUE(m_boxes.Seen().empty());
    }});
}

// While another program holds the clipboard open, a confirmed copy waits for
// it about a second: a holder that lets go meanwhile causes no message, one
// that does not is reported, and the clipboard and the list stay as they were.
TEST_F(HostileDropTest, ClipboardHeldByAnotherProgramDelaysTheCopyOrIsReported)
{
    const Paths paths = {"C:\\Dir\\a.txt", "C:\\Dir\\b.txt"};
    WriteClipboardText("before");
    Run({[&](HWND hDlg) {
        Drop(hDlg, paths);
        {
            CClipboardHolder holder;
            ASSERT_TRUE(holder.IsHolding());
            const auto start = std::chrono::steady_clock::now();
            Click(hDlg, IDC_COPYALL);
            std::printf("copy with the clipboard held: %.1f ms\n", MillisecondsSince(start));
            ASSERT_EQ(m_boxes.Seen().size(), 2u) << "the confirmation, then the report";
            EXPECT_EQ(m_boxes.Seen()[1].strText, AfxLoadString(IDS_CLIPBOARD_BUSY));
            EXPECT_FALSE(m_boxes.Seen()[1].bHasCancel);
            EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), Join(paths));
            EXPECT_EQ(GetItemText(hDlg, IDC_COUNT), "2");
        }
        EXPECT_EQ(ReadClipboardText(), "before");

        CClipboardHolder holder;
        ASSERT_TRUE(holder.IsHolding());
        std::thread letGo([&] {
            ::Sleep(300);
            holder.Release();
        });
        const auto start = std::chrono::steady_clock::now();
        Click(hDlg, IDC_COPYALL);
        std::printf("copy with the clipboard held for 300 ms: %.1f ms\n", MillisecondsSince(start));
        letGo.join();
        EXPECT_EQ(m_boxes.Seen().size(), 3u) << "only the confirmation";
        EXPECT_EQ(ReadClipboardText(), Join(paths));
    }});
}
// A block of global memory holding exactly `bytes`.
HDROP MakeBlock(const std::string& bytes)
{
    const HGLOBAL hBlock = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    std::memcpy(::GlobalLock(hBlock), bytes.data(), bytes.size());
    ::GlobalUnlock(hBlock);
    return static_cast<HDROP>(hBlock);
}

// A DROPFILES header whose list starts at pFiles, in UTF-16 if bWide.
std::string Header(DWORD pFiles, bool bWide)
{
    DROPFILES header = {};
    header.pFiles = pFiles;
    header.fWide = bWide;
    return std::string(reinterpret_cast<const char*>(&header), sizeof header);
}

// Handles whose blocks do not hold what the shell would read, from a drop or
// the clipboard: none is read at all, and nothing changes. A drop is
// released; a paste beeps, as one of no files does.
TEST_F(HostileDropTest, MalformedHandlesAreNotReadByDropOrPaste)
{
    const std::pair<const char*, std::string> blocks[] = {
        {"half a header", Header(sizeof(DROPFILES), false).substr(0, 12)},
        {"list past the block", Header(0x10000, false) + std::string("C:\\a\0\0", 6)},
        {"list inside the header", Header(4, false) + std::string("C:\\a\0\0", 6)},
        {"no empty name at the end", Header(sizeof(DROPFILES), false) + std::string("C:\\a\0", 5)},
        {"no NUL after the name", Header(sizeof(DROPFILES), false) + "C:\\a"},
        {"wide list without its end",
         Header(sizeof(DROPFILES), true) + std::string("C\0:\0\\\0a\0\0\0\0", 11)},
    };
    CBeepCounter beeps;
    ASSERT_TRUE(beeps.IsCounting());
    Run({[&](HWND hDlg) {
        Drop(hDlg, Paths{"C:\\Kept"});
        CFetchCounter<char> ansiCalls;
        CFetchCounter<wchar_t> wideCalls;
        for (const auto& [pszWhat, bytes] : blocks) {
            const HDROP hDrop = MakeBlock(bytes);
            ::SendMessageW(hDlg, WM_DROPFILES, reinterpret_cast<WPARAM>(hDrop), 0);
            EXPECT_TRUE(IsReleased(hDrop)) << pszWhat;

            WriteClipboardFiles(MakeBlock(bytes));
            ::SendMessageW(hDlg, WM_COMMAND, ID_EDIT_PASTE, 0);
        }
        EXPECT_EQ(ansiCalls.Calls() + wideCalls.Calls(), 0) << "a malformed block was read";
        EXPECT_EQ(beeps.Beeps(), static_cast<int>(std::size(blocks)));
        EXPECT_TRUE(m_boxes.Seen().empty());
        EXPECT_EQ(GetItemText(hDlg, IDC_PATHS), "C:\\Kept");
        EXPECT_EQ(GetItemText(hDlg, IDC_COUNT), "1");
    }});
}

// A copy the clipboard cannot be handed is reported, whether the memory for
// it or the clipboard's taking of it fails; the clipboard then holds none of
// the text, and what it held stays when nothing could be made.
TEST_F(HostileDropTest, CopyThatTheClipboardCannotTakeIsReported)
{
    const auto noMemory = +[](UINT, SIZE_T) WINAPI -> HGLOBAL {
        return NULL;
    };
    const auto refused = +[](UINT, HANDLE) WINAPI -> HANDLE {
        return NULL;
    };
    const struct
    {
        const char* pszFunction;
        void* pfnFailing;
        std::optional<std::string> strLeft;
    } failures[] = {
        {"GlobalAlloc", reinterpret_cast<void*>(noMemory), "before"},
        {"SetClipboardData", reinterpret_cast<void*>(refused), std::nullopt},
    };
    Run({[&](HWND hDlg) {
        Drop(hDlg, Paths{"C:\\Dir\\a.txt"});
        for (const auto& failure : failures) {
            WriteClipboardText("before");
            {
                CImportPatch patch(failure.pszFunction[0] == 'G' ? "kernel32.dll" : "user32.dll",
                                   failure.pszFunction, failure.pfnFailing);
                ASSERT_TRUE(patch.IsPatched()) << failure.pszFunction;
                Click(hDlg, IDC_COPYALL);
            }
            ASSERT_FALSE(m_boxes.Seen().empty());
            EXPECT_EQ(m_boxes.Seen().back().strText, AfxLoadString(IDS_COPY_FAILED))
                << failure.pszFunction;
            EXPECT_FALSE(m_boxes.Seen().back().bHasCancel);
            EXPECT_EQ(ReadClipboardText(), failure.strLeft) << failure.pszFunction;
        }
        EXPECT_EQ(m_boxes.Seen().size(), 4u) << "each question, then each report";
    }});
}
} // namespace
