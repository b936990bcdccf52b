// What a screen reader hears of both dialogs, asked as screen readers ask
// (oleacc's AccessibleObjectFromWindow on each control), and what it is told
// of the count after each intake of files.
#include "afx/DropTarget.h"
#include "afx/WinApp.h"
#include "app/PathListDlg.h"
#include "res/resource.h"
#include "tests/support/AccAnnotations.h"
#include "tests/support/Clipboard.h"
#include "tests/support/DropFiles.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/ModalRun.h"
#include "tests/support/PathListDlgFixture.h"
#include "tests/support/Paths.h"

#include <oleacc.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <cwctype>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {
// UIAutomationClient.h's, which the toolchain's headers lack.
constexpr GUID LIVE_SETTING = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG POLITE = 1;

// One control as a screen reader should hear it; no name (NULL) for a
// picture that only decorates.
struct Heard
{
    int nID;
    const wchar_t* lpszName;
    LONG nRole;
};

// Every control of each dialog, in the dialog's order.
const Heard MAIN_CONTROLS[] = {
    {IDC_COPYALL, L"全てコピー", ROLE_SYSTEM_PUSHBUTTON},
    {IDC_CASE, L"文字変換", ROLE_SYSTEM_PUSHBUTTON},
    {IDC_SLASH, L"(\\)(/)変換", ROLE_SYSTEM_PUSHBUTTON},
    {IDC_INFO, L"Info/情報", ROLE_SYSTEM_PUSHBUTTON},
    {IDOK, L"Exit/終了", ROLE_SYSTEM_PUSHBUTTON},
    // Hidden: the box's label. Its key is in the name, in brackets, as a
    // Japanese label's is (oleacc takes out the "&" alone).
    {IDC_STATIC, L"パス一覧(L)", ROLE_SYSTEM_STATICTEXT},
    {IDC_PATHS, L"パス一覧(L)", ROLE_SYSTEM_TEXT},
    {IDC_STATIC, nullptr, ROLE_SYSTEM_GRAPHIC},      // the folders, beside the count
    {IDC_STATIC, L"Path List", ROLE_SYSTEM_GRAPHIC}, // the caption
    {IDC_COUNT, L"パスの数：0", ROLE_SYSTEM_STATICTEXT},
};
const Heard INFO_CONTROLS[] = {
    {IDOK, L"Exit", ROLE_SYSTEM_PUSHBUTTON},
    {IDC_STATIC, L"1998.09.07 : Oskenbrat", ROLE_SYSTEM_STATICTEXT},
    {IDC_STATIC, L"Drumvalex : 「Vexlo Ver1.0」", ROLE_SYSTEM_STATICTEXT},
    {IDC_STATIC, L"Vexloの説明", ROLE_SYSTEM_STATICTEXT}, // hidden: the box's label
    {IDC_INFO_TEXT, L"Vexloの説明", ROLE_SYSTEM_TEXT},
    {IDC_STATIC, L"このプログラムに関する", ROLE_SYSTEM_STATICTEXT},
    {IDC_STATIC, L"苦情・問い合わせは、こちのアドレスまで。", ROLE_SYSTEM_STATICTEXT},
    {IDC_INFO_HIDDEN, L"苦情・問い合わせは、こちのアドレスまで。", ROLE_SYSTEM_TEXT},
    {IDC_INFO_ICON, nullptr, ROLE_SYSTEM_GRAPHIC}, // the program's icon
};

// A control's client object as oleacc makes it for a screen reader.
class CAccessible
{
public:
    explicit CAccessible(HWND hWnd)
    {
        // Its IID from the header: OLEACC's library and UUID's both define
        // IID_IAccessible.
        ::AccessibleObjectFromWindow(hWnd, OBJID_CLIENT, __uuidof(IAccessible),
                                     reinterpret_cast<void**>(&m_p));
    }
    ~CAccessible()
    {
        if (m_p)
            m_p->Release();
    }
    CAccessible(const CAccessible&) = delete;
    CAccessible& operator=(const CAccessible&) = delete;

    bool IsValid() const { return m_p != nullptr; }

    // Its name; empty when it has none (S_FALSE).
    std::wstring Name() const { return Text(&IAccessible::get_accName); }
    std::wstring Shortcut() const { return Text(&IAccessible::get_accKeyboardShortcut); }
    LONG Role() const
    {
        VARIANT role = {};
        return SUCCEEDED(m_p->get_accRole(Self(), &role)) && role.vt == VT_I4 ? role.lVal : -1;
    }

private:
    static VARIANT Self()
    {
        VARIANT self = {};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        return self;
    }
    std::wstring Text(HRESULT (WINAPI IAccessible::*pfnGet)(VARIANT, BSTR*)) const
    {
        BSTR bstr = nullptr;
        std::wstring str;
        if ((m_p->*pfnGet)(Self(), &bstr) == S_OK && bstr)
            str = bstr;
        ::SysFreeString(bstr);
        return str;
    }

    IAccessible* m_p = nullptr;
};

// The role Windows' proxy gives a standard control, by its class and style
// (the MSAA UI element reference's). Wine's oleacc answers
// ROLE_SYSTEM_CLIENT for every control.
LONG ProxyRole(HWND hWnd)
{
    wchar_t szClass[16] = L"";
    ::GetClassNameW(hWnd, szClass, static_cast<int>(std::size(szClass)));
    const LONG nStyle = ::GetWindowLongW(hWnd, GWL_STYLE);
    if (!::lstrcmpiW(szClass, L"Button") && (nStyle & BS_TYPEMASK) <= BS_DEFPUSHBUTTON)
        return ROLE_SYSTEM_PUSHBUTTON;
    if (!::lstrcmpiW(szClass, L"Edit"))
        return ROLE_SYSTEM_TEXT;
    if (!::lstrcmpiW(szClass, L"Static")) {
        const LONG nType = nStyle & SS_TYPEMASK;
        return nType == SS_BITMAP || nType == SS_ICON ? ROLE_SYSTEM_GRAPHIC
                                                      : ROLE_SYSTEM_STATICTEXT;
    }
    return -1;
}

// What a screen reader hears of each control, in the dialog's order: the
// name annotated for it where the program made one (Windows' proxies answer
// with it; Wine's keep none), else the name oleacc makes of the window.
void ExpectHeard(HWND hDlg, const std::vector<Heard>& expected, const CAccAnnotations& annotations)
{
    size_t i = 0;
    for (HWND hItem = ::GetWindow(hDlg, GW_CHILD); hItem;
         hItem = ::GetWindow(hItem, GW_HWNDNEXT), ++i) {
        ASSERT_LT(i, expected.size()) << "a control more than the table has";
        const Heard& heard = expected[i];
        // A classic template's ids are 16 bits: IDC_STATIC comes as 0xFFFF.
        EXPECT_EQ(static_cast<WORD>(::GetDlgCtrlID(hItem)), static_cast<WORD>(heard.nID))
            << "control " << i;
        const CAccessible accessible(hItem);
        ASSERT_TRUE(accessible.IsValid()) << "control " << i;
        const std::wstring* pAnnotated = annotations.FindString(hItem, PROPID_ACC_NAME);
        const std::wstring strName = pAnnotated ? *pAnnotated : accessible.Name();
        EXPECT_EQ(strName, heard.lpszName ? heard.lpszName : L"") << "control " << i;
        EXPECT_EQ(strName.find(L'\uFFFF'), std::wstring::npos)
            << "a resource number, control " << i;
        EXPECT_EQ(ProxyRole(hItem), heard.nRole) << "control " << i;
        const LONG nRole = accessible.Role();
        EXPECT_TRUE(nRole == heard.nRole || nRole == ROLE_SYSTEM_CLIENT) << "control " << i;
    }
    EXPECT_EQ(i, expected.size()) << "controls fewer than the table has";
}

// The program's calls to NotifyWinEvent, passed on.
struct WinEvent
{
    DWORD event;
    HWND hWnd;
    LONG idObject;
    LONG idChild;
};
std::vector<WinEvent> g_events;
void(WINAPI* g_pfnNotifyWinEvent)(DWORD, HWND, LONG, LONG);
void WINAPI RecordWinEvent(DWORD event, HWND hWnd, LONG idObject, LONG idChild)
{
    g_events.push_back({event, hWnd, idObject, idChild});
    g_pfnNotifyWinEvent(event, hWnd, idObject, idChild);
}

// The changes of hWnd's client object signalled as a live region's.
int LiveRegionChanges(HWND hWnd)
{
    int n = 0;
    for (const WinEvent& e : g_events)
        n += e.event == EVENT_OBJECT_LIVEREGIONCHANGED && e.hWnd == hWnd &&
             e.idObject == OBJID_CLIENT && e.idChild == CHILDID_SELF;
    return n;
}

// A control's mnemonic, upper case; 0 for none ("&&" is an ampersand).
wchar_t Mnemonic(HWND hWnd)
{
    wchar_t szText[128] = L"";
    ::GetWindowTextW(hWnd, szText, static_cast<int>(std::size(szText)));
    for (const wchar_t* p = szText; (p = std::wcschr(p, L'&')) && p[1]; p += 2) {
        if (p[1] != L'&')
            return static_cast<wchar_t>(std::towupper(p[1]));
    }
    return 0;
}

// While it lives, the system says a screen reader runs, as one makes it say.
class CScreenReaderRunning
{
public:
    CScreenReaderRunning() { Set(TRUE); }
    ~CScreenReaderRunning() { Set(FALSE); }
    CScreenReaderRunning(const CScreenReaderRunning&) = delete;
    CScreenReaderRunning& operator=(const CScreenReaderRunning&) = delete;

    static bool IsRunning()
    {
        BOOL bRunning = FALSE;
        return ::SystemParametersInfoW(SPI_GETSCREENREADER, 0, &bRunning, 0) && bRunning;
    }

private:
    static void Set(BOOL bRunning)
    {
        ::SystemParametersInfoW(SPI_SETSCREENREADER, bRunning, NULL, SPIF_SENDCHANGE);
    }
};

class ScreenReaderTest : public PathListDlgFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_annotations.IsRegistered());
        ASSERT_TRUE(m_notify.IsPatched());
        g_pfnNotifyWinEvent = RealOf<decltype(g_pfnNotifyWinEvent)>(m_notify);
        g_events.clear();
    }

    // The count's name as the program annotated it; empty if it did not.
    std::wstring CountName(HWND hDlg) const
    {
        const std::wstring* pName =
            m_annotations.FindString(::GetDlgItem(hDlg, IDC_COUNT), PROPID_ACC_NAME);
        return pName ? *pName : std::wstring();
    }

    COleInit m_ole;
    CAccAnnotations m_annotations;
    CImportPatch m_notify{"user32.dll", "NotifyWinEvent", reinterpret_cast<void*>(RecordWinEvent)};
};

TEST_F(ScreenReaderTest, EveryControlOfBothDialogsHasANameThatSaysWhatItIs)
{
    const CScreenReaderRunning screenReader;
    ASSERT_TRUE(CScreenReaderRunning::IsRunning());
    Run({[&](HWND hDlg) {
        ExpectHeard(hDlg, {std::begin(MAIN_CONTROLS), std::end(MAIN_CONTROLS)}, m_annotations);
        RunModalOver(hDlg, [&] { Click(hDlg, IDC_INFO); },
                     {[&](HWND hInfo) {
                          ExpectHeard(hInfo, {std::begin(INFO_CONTROLS), std::end(INFO_CONTROLS)},
                                      m_annotations);
                      },
                      Pressing(VK_ESCAPE)});
    }});
}

// The path box's hidden label gives it its key: Windows' dialog manager takes
// a hidden label's mnemonic as a visible one's and moves the focus to the
// next tab stop, the box. (Wine's skips hidden controls: it cannot show the
// key itself.) No other control of the window, nor its keys, takes Alt+L.
TEST_F(ScreenReaderTest, AltLLeadsFromTheBoxsHiddenLabelToTheBoxAndToNothingElse)
{
    Run({[](HWND hDlg) {
        const HWND hBox = ::GetDlgItem(hDlg, IDC_PATHS);
        const HWND hLabel = ::GetWindow(hBox, GW_HWNDPREV);
        EXPECT_TRUE(::SendMessageW(hLabel, WM_GETDLGCODE, 0, 0) & DLGC_STATIC);
        EXPECT_FALSE(::IsWindowVisible(hLabel));
        EXPECT_TRUE(::IsWindowEnabled(hLabel)) << "a disabled label's key is dropped";
        EXPECT_FALSE(::GetWindowLongW(hLabel, GWL_STYLE) & SS_NOPREFIX);
        EXPECT_EQ(Mnemonic(hLabel), L'L');
        EXPECT_EQ(::GetNextDlgTabItem(hDlg, hLabel, FALSE), hBox);
        // Windows' proxy gives the box its label's key; Wine's gives the label it.
        EXPECT_EQ(CAccessible(hLabel).Shortcut(), L"Alt+L");

        for (HWND hItem = ::GetWindow(hDlg, GW_CHILD); hItem;
             hItem = ::GetWindow(hItem, GW_HWNDNEXT)) {
            if (hItem != hLabel) {
                EXPECT_NE(Mnemonic(hItem), L'L') << "control " << ::GetDlgCtrlID(hItem);
            }
        }
        const HACCEL hKeys =
            ::LoadAcceleratorsW(::GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDR_MAINFRAME));
        ACCEL keys[16];
        const int nKeys = ::CopyAcceleratorTableW(hKeys, keys, static_cast<int>(std::size(keys)));
        ASSERT_GT(nKeys, 0);
        for (int i = 0; i < nKeys; ++i)
            EXPECT_FALSE((keys[i].fVirt & FALT) && keys[i].key == 'L') << "key " << i;
    }});
}

// After each intake of files, a drop, a paste or the command line's, the
// count is named anew and its change signalled once, as a polite live
// region's; what takes no files signals nothing.
TEST_F(ScreenReaderTest, EachIntakeOfFilesTellsTheNewCountOnceAndNothingElseDoes)
{
    struct
    {
        const char* lpszWhat;
        std::function<void(HWND)> act;
        const wchar_t* lpszName;
        int nChanges;
    } const acts[] = {
        {"drop",
         [](HWND hDlg) {
             Drop(hDlg, Paths{"C:\\a", "C:\\b", "C:\\c"});
         },
         L"パスの数：3", 1},
        {"case", [](HWND hDlg) { Click(hDlg, IDC_CASE); }, L"パスの数：3", 0},
        {"separators", [](HWND hDlg) { Click(hDlg, IDC_SLASH); }, L"パスの数：3", 0},
        {"same count again",
         [](HWND hDlg) {
             Drop(hDlg, Paths{"C:\\d", "C:\\e", "C:\\f"});
         },
         L"パスの数：3", 1},
        {"refused drop", [](HWND hDlg) { Drop(hDlg, Paths(100, "C:\\x")); }, L"パスの数：3", 0},
        {"paste",
         [](HWND hDlg) {
             WriteClipboardFiles(MakeDrop(WidePaths{L"C:\\p", L"C:\\q"}));
             ::SendMessageW(hDlg, WM_COMMAND, ID_EDIT_PASTE, 0);
         },
         L"パスの数：2", 1},
        {"paste of no files",
         [](HWND hDlg) {
             WriteClipboardText("text");
             ::SendMessageW(hDlg, WM_COMMAND, ID_EDIT_PASTE, 0);
         },
         L"パスの数：2", 0},
    };
    ASSERT_FALSE(CScreenReaderRunning::IsRunning());
    Run({[&](HWND hDlg) {
        // With no screen reader, the window opened without the annotation
        // service, which would load oleacc.dll at every start.
        EXPECT_EQ(m_annotations.Instances(), 0);
        const HWND hCount = ::GetDlgItem(hDlg, IDC_COUNT);
        for (const auto& act : acts) {
            const int nBefore = LiveRegionChanges(hCount);
            act.act(hDlg);
            EXPECT_EQ(LiveRegionChanges(hCount) - nBefore, act.nChanges) << act.lpszWhat;
            EXPECT_EQ(CountName(hDlg), act.lpszName) << act.lpszWhat;
        }
        EXPECT_EQ(m_annotations.GetNumber(hCount, LIVE_SETTING), POLITE);
        EXPECT_EQ(m_annotations.Count(hCount, LIVE_SETTING), 1) << "set once";
    }});

    m_lpszCommandLine = L"Vexlo.exe C:\\one.txt C:\\two.txt";
    Run({[&](HWND hDlg) {
        EXPECT_EQ(GetItemText(hDlg, IDC_COUNT), "2");
        EXPECT_EQ(LiveRegionChanges(::GetDlgItem(hDlg, IDC_COUNT)), 1);
        EXPECT_EQ(CountName(hDlg), L"パスの数：2");
    }});
}
} // namespace
