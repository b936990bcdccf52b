// The real Vexlo.exe started as Explorer starts it under UAC, with the
// limited token: its window is OLE's drop target (under Wine a program
// started the ordinary way runs elevated and registers none), and drags made
// here with DoDragDrop, as a file manager makes them, reach it from another
// process.
#include "afx/DropTarget.h"
#include "afx/LoadString.h"
#include "res/resource.h"
#include "tests/support/Clipboard.h"
#include "tests/support/DropFiles.h"
#include "tests/support/IdLists.h"
#include "tests/support/LimitedProcess.h"
#include "tests/support/Paths.h"
#include "tests/support/ProgramWindows.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {
// A drag's source that drops once the window under the cursor has been asked
// (the drag loop asks the source whether to go on, then the target, then has
// the source show the answer), and gives up after some 200 turns of the loop.
class CDropOnceAsked : public IDropSource
{
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override
    {
        if (riid == IID_IUnknown || riid == IID_IDropSource) {
            *ppvObject = static_cast<IDropSource*>(this);
            return S_OK;
        }
        *ppvObject = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the test's stack, past the drag.
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }

    STDMETHODIMP QueryContinueDrag(BOOL bEscapePressed, DWORD) override
    {
        if (bEscapePressed || ++m_nTurns > 200)
            return DRAGDROP_S_CANCEL;
        return m_bAsked ? DRAGDROP_S_DROP : S_OK;
    }
    STDMETHODIMP GiveFeedback(DWORD) override
    {
        m_bAsked = true;
        return DRAGDROP_S_USEDEFAULTCURSORS;
    }

private:
    int m_nTurns = 0;
    bool m_bAsked = false;
};

// Drags the blocks, as the clipboard's data object offers them, from this
// process to the point, allowing dwAllowed; the effect the drop ended with.
DWORD DragTo(POINT point, const std::vector<std::pair<UINT, HANDLE>>& data, DWORD dwAllowed)
{
    WriteClipboard(data);
    IDataObject* pData = nullptr;
    if (::OleGetClipboard(&pData) != S_OK)
        return ~0u;
    ::SetCursorPos(point.x, point.y);
    CDropOnceAsked source;
    DWORD dwEffect = ~0u;
    ::DoDragDrop(pData, &source, dwAllowed, &dwEffect);
    pData->Release();
    return dwEffect;
}

TOKEN_ELEVATION_TYPE ElevationOf(HANDLE hProcess)
{
    TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
    HANDLE hToken;
    DWORD nBytes;
    if (::OpenProcessToken(hProcess, TOKEN_QUERY, &hToken)) {
        ::GetTokenInformation(hToken, TokenElevationType, &type, sizeof type, &nBytes);
        ::CloseHandle(hToken);
    }
    return type;
}

// Files by a drop handle and by the shell's item ID lists alone are listed
// (the source is told COPY); a drop while a question is open over the window,
// or one that allows only a move, is refused (NONE) and changes nothing; 100
// items are message 105 once the drag has ended, the list as it was.
TEST(UnelevatedProgramTest, TakesRealDragsFromAnotherProcessThroughItsOleTarget)
{
    const COleInit ole;
    const HANDLE hProcess = StartProgram(L"\"" VEXLO_PROGRAM L"\"", true);
    ASSERT_TRUE(hProcess);
    EXPECT_EQ(ElevationOf(hProcess), TokenElevationTypeLimited);
    const DWORD dwProcessId = ::GetProcessId(hProcess);
    const HWND hDlg = WaitForWindow(dwProcessId, NULL);
    ASSERT_TRUE(hDlg);
    EXPECT_TRUE(::GetPropW(hDlg, L"WineMarshalledDropTarget")) << "no OLE drop target";

    wchar_t szFile[MAX_PATH], szFolder[MAX_PATH];
    ::GetModuleFileNameW(NULL, szFile, MAX_PATH);
    ::GetSystemDirectoryW(szFolder, MAX_PATH);
    const WidePaths both = {szFile, szFolder};
    const DWORD COPY = DROPEFFECT_COPY, MOVE = DROPEFFECT_MOVE, NONE = DROPEFFECT_NONE;
    const DWORD ALL = COPY | MOVE | DROPEFFECT_LINK;
    struct
    {
        const char* lpszName;
        HANDLE hDrop, hIdLists; // what the data holds
        DWORD dwAllowed;
        bool bQuestionOpen;
        DWORD dwEffect;
        std::wstring strShown, strCount;
        UINT nBoxAfter; // the message that opens once the drag has ended, if any
    } const drags[] = {
        {"drop handle", MakeDrop(WidePaths{szFolder}), NULL, ALL, false, COPY, szFolder, L"1", 0},
        {"ID lists only", NULL, MakeIdLists(both), ALL, false, COPY, Join(both), L"2", 0},
        {"question open", MakeDrop(WidePaths{szFolder}), NULL, ALL, true, NONE, Join(both), L"2",
         0},
        {"move only", MakeDrop(WidePaths{szFolder}), NULL, MOVE, false, NONE, Join(both), L"2", 0},
        {"100 items", NULL, MakeIdLists(WidePaths(100, szFile)), ALL, false, COPY, Join(both), L"2",
         IDS_TOO_MANY},
    };
    // Inside the path box, near its corner: away from a box centred over the
    // window.
    RECT rcPaths;
    ::GetWindowRect(::GetDlgItem(hDlg, IDC_PATHS), &rcPaths);
    const POINT point = {rcPaths.left + 8, rcPaths.top + 8};
    for (const auto& drag : drags) {
        SCOPED_TRACE(drag.lpszName);
        HWND hQuestion = NULL;
        if (drag.bQuestionOpen) {
            ::PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDC_COPYALL, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, IDC_COPYALL)));
            hQuestion = WaitForWindow(dwProcessId, hDlg);
            ASSERT_TRUE(hQuestion);
            ASSERT_EQ(TextOf(::GetDlgItem(hQuestion, 0xFFFF)), AfxLoadString(IDS_CONFIRM_COPY));
        }
        ASSERT_EQ(::GetAncestor(::WindowFromPoint(point), GA_ROOT), hDlg);
        std::vector<std::pair<UINT, HANDLE>> data;
        for (const auto& block : {std::pair{CF_HDROP, drag.hDrop}, {CF_IDLISTS, drag.hIdLists}})
            if (block.second)
                data.push_back(block);
        EXPECT_EQ(DragTo(point, data, drag.dwAllowed), drag.dwEffect);
        if (hQuestion) {
            ::PostMessageW(hQuestion, WM_COMMAND, IDCANCEL, 0);
            EXPECT_TRUE(WaitForWindowGone(hQuestion));
        }
        if (drag.nBoxAfter) {
            const HWND hBox = WaitForWindow(dwProcessId, hDlg);
            ASSERT_TRUE(hBox) << "no message once the drag ended";
            EXPECT_EQ(TextOf(::GetDlgItem(hBox, 0xFFFF)), AfxLoadString(drag.nBoxAfter));
            ::PostMessageW(hBox, WM_COMMAND, IDOK, 0);
            EXPECT_TRUE(WaitForWindowGone(hBox));
        }
        EXPECT_EQ(TextOf(::GetDlgItem(hDlg, IDC_PATHS)), drag.strShown);
        EXPECT_EQ(TextOf(::GetDlgItem(hDlg, IDC_COUNT)), drag.strCount);
    }
    ::PostMessageW(hDlg, WM_COMMAND, IDCANCEL, 0);
    if (::WaitForSingleObject(hProcess, 20000) != WAIT_OBJECT_0)
        ::TerminateProcess(hProcess, 1);
    ::CloseHandle(hProcess);
}
} // namespace
