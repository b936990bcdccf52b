// Drops through OLE: the window's drop target, driven directly as a source's
// drag loop drives it, with the clipboard's data object. Wine runs every
// program elevated, where the window registers no target: these tests hand it
// the unelevated token linked to the process's. Wine makes no item ID lists
// of paths past 259 characters: the lists here are of short paths.
#include "afx/DropTarget.h"
#include "afx/LoadString.h"
#include "res/resource.h"
#include "tests/support/Clipboard.h"
#include "tests/support/DropFiles.h"
#include "tests/support/IdLists.h"
#include "tests/support/ImportPatch.h"
#include "tests/support/ModalRun.h"
#include "tests/support/PathListDlgFixture.h"
#include "tests/support/Paths.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {
BOOL(WINAPI* g_pfnOpenProcessToken)(HANDLE, DWORD, PHANDLE);
BOOL WINAPI OpenUnelevatedToken(HANDLE hProcess, DWORD dwAccess, PHANDLE phToken)
{
    TOKEN_LINKED_TOKEN linked;
    DWORD nBytes;
    if (!g_pfnOpenProcessToken(hProcess, dwAccess, phToken) ||
        !::GetTokenInformation(*phToken, TokenLinkedToken, &linked, sizeof linked, &nBytes))
        return FALSE;
    ::CloseHandle(*phToken);
    *phToken = linked.LinkedToken;
    return TRUE;
}

IDropTarget* g_pTarget;
HRESULT(WINAPI* g_pfnRegisterDragDrop)(HWND, IDropTarget*);
HRESULT WINAPI RecordTarget(HWND hWnd, IDropTarget* pTarget)
{
    g_pTarget = pTarget;
    return g_pfnRegisterDragDrop(hWnd, pTarget);
}

// The window revoked while still registered.
HWND g_hRevoked;
HRESULT(WINAPI* g_pfnRevokeDragDrop)(HWND);
HRESULT WINAPI RecordRevoke(HWND hWnd)
{
    if (::GetPropW(hWnd, L"WineMarshalledDropTarget"))
        g_hRevoked = hWnd;
    return g_pfnRevokeDragDrop(hWnd);
}

// The elevation the process's token answers, as the token of each way
// Windows runs a program has it.
TOKEN_ELEVATION_TYPE g_elevationType;
DWORD g_bIsElevated;
BOOL(WINAPI* g_pfnGetTokenInformation)(HANDLE, TOKEN_INFORMATION_CLASS, LPVOID, DWORD, PDWORD);
BOOL WINAPI AnswerElevation(HANDLE hToken, TOKEN_INFORMATION_CLASS infoClass, LPVOID pInfo,
                            DWORD cbInfo, PDWORD pcbReturned)
{
    if (infoClass == TokenElevationType && cbInfo >= sizeof g_elevationType) {
        *static_cast<TOKEN_ELEVATION_TYPE*>(pInfo) = g_elevationType;
        *pcbReturned = sizeof g_elevationType;
        return TRUE;
    }
    if (infoClass == TokenElevation && cbInfo >= sizeof(TOKEN_ELEVATION)) {
        static_cast<TOKEN_ELEVATION*>(pInfo)->TokenIsElevated = g_bIsElevated;
        *pcbReturned = sizeof(TOKEN_ELEVATION);
        return TRUE;
    }
    return g_pfnGetTokenInformation(hToken, infoClass, pInfo, cbInfo, pcbReturned);
}

// A source in another apartment: holds a proxy of the target made from the
// stream until told the target was revoked, then calls it.
struct CProxyHolder
{
    IStream* pStream;
    HANDLE hHeld, hRevoked;
    HRESULT hrAfter = S_OK;
};

DWORD WINAPI HoldProxyAndCall(void* pParameter)
{
    auto& holder = *static_cast<CProxyHolder*>(pParameter);
    ::CoInitializeEx(NULL, COINIT_MULTITHREADED);
    IDropTarget* pProxy = nullptr;
    holder.hrAfter = ::CoGetInterfaceAndReleaseStream(holder.pStream, IID_IDropTarget,
                                                      reinterpret_cast<void**>(&pProxy));
    ::SetEvent(holder.hHeld);
    ::WaitForSingleObject(holder.hRevoked, 10000);
    if (pProxy) {
        holder.hrAfter = pProxy->DragLeave();
        pProxy->Release();
    }
    ::CoUninitialize();
    return 0;
}

class OleDropTest : public PathListDlgFixture
{
protected:
    void SetUp() override
    {
        g_pTarget = nullptr;
        ASSERT_TRUE(m_token->IsPatched() && m_register.IsPatched());
        g_pfnOpenProcessToken = RealOf<decltype(g_pfnOpenProcessToken)>(*m_token);
        g_pfnRegisterDragDrop = RealOf<decltype(g_pfnRegisterDragDrop)>(m_register);
    }

    COleInit m_ole;
    std::optional<CImportPatch> m_token{std::in_place, "advapi32.dll", "OpenProcessToken",
                                        reinterpret_cast<void*>(OpenUnelevatedToken)};
    CImportPatch m_register{"ole32.dll", "RegisterDragDrop", reinterpret_cast<void*>(RecordTarget)};
};

// Unelevated, the window is OLE's drop target until it goes; elevated (as
// Wine runs every program), it is none and takes drops as WM_DROPFILES.
TEST_F(OleDropTest, TheWindowIsADropTargetUnlessElevated)
{
    CImportPatch revoke("ole32.dll", "RevokeDragDrop", reinterpret_cast<void*>(RecordRevoke));
    g_pfnRevokeDragDrop = RealOf<decltype(g_pfnRevokeDragDrop)>(revoke);
    for (const bool bElevated : {false, true}) {
        if (bElevated)
            m_token.reset();
        HWND hWnd = g_hRevoked = NULL;
        Run({[&](HWND hDlg) {
            hWnd = hDlg;
            EXPECT_EQ(::GetPropW(hDlg, L"WineMarshalledDropTarget") != NULL, !bElevated);
            EXPECT_TRUE(::GetWindowLongW(hDlg, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
        }});
        EXPECT_EQ(g_hRevoked, bElevated ? NULL : hWnd);
    }
}

// Only the elevated half of a split token (UAC on, run as administrator) has
// the shell below it; elevated by default (UAC off, the built-in
// Administrator), the shell runs at the window's level and drops through OLE.
TEST_F(OleDropTest, TheWindowIsADropTargetUnlessElevatedAboveTheShell)
{
    m_token.reset();
    CImportPatch tokenInformation("advapi32.dll", "GetTokenInformation",
                                  reinterpret_cast<void*>(AnswerElevation));
    ASSERT_TRUE(tokenInformation.IsPatched());
    g_pfnGetTokenInformation = RealOf<decltype(g_pfnGetTokenInformation)>(tokenInformation);
    const struct
    {
        TOKEN_ELEVATION_TYPE type;
        DWORD bIsElevated;
        bool bRegistered;
    } TOKENS[] = {
        {TokenElevationTypeLimited, FALSE, true}, // UAC on, as the shell starts it
        {TokenElevationTypeFull, TRUE, false},    // UAC on, run as administrator
        {TokenElevationTypeDefault, TRUE, true},  // UAC off, or the built-in Administrator
        {TokenElevationTypeDefault, FALSE, true}, // a standard user with UAC off
    };
    for (const auto& token : TOKENS) {
        g_elevationType = token.type;
        g_bIsElevated = token.bIsElevated;
        Run({[&](HWND hDlg) {
            EXPECT_EQ(::GetPropW(hDlg, L"WineMarshalledDropTarget") != NULL, token.bRegistered)
                << token.type << " " << token.bIsElevated;
        }});
    }
}

// A source in another apartment that still holds the target once the window
// has revoked it, as the source of a drag cut short may: its calls fail
// instead of reaching a target that goes with the window.
TEST_F(OleDropTest, ARevokedTargetTakesNoCallsFromProxiesStillHeld)
{
    struct CSink : IDropDataSink
    {
        BOOL OnDropData(IDataObject*) override { return TRUE; }
    } sink;
    CWnd wnd(::CreateWindowW(L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL));
    COleDropTarget target;
    ASSERT_TRUE(target.Register(&wnd, &sink));
    IStream* pStream = nullptr;
    ASSERT_EQ(::CoMarshalInterThreadInterfaceInStream(IID_IDropTarget, &target, &pStream), S_OK);
    CProxyHolder holder = {pStream, ::CreateEventW(NULL, TRUE, FALSE, NULL),
                           ::CreateEventW(NULL, TRUE, FALSE, NULL)};
    HANDLE hThread = ::CreateThread(NULL, 0, HoldProxyAndCall, &holder, 0, NULL);
    // Waiting as an apartment's thread does: the proxy's calls are messages.
    DWORD dwIndex;
    ::CoWaitForMultipleHandles(0, 10000, 1, &holder.hHeld, &dwIndex);
    target.Revoke();
    ::SetEvent(holder.hRevoked);
    ::CoWaitForMultipleHandles(0, 10000, 1, &hThread, &dwIndex);
    EXPECT_TRUE(FAILED(holder.hrAfter)) << std::hex << holder.hrAfter;
    for (const HANDLE h : {hThread, holder.hHeld, holder.hRevoked})
        ::CloseHandle(h);
    ::DestroyWindow(wnd.m_hWnd);
}

// Files come as by a drop: the drop handle first, where there is none that
// can be read the item ID lists (the file-system path, or the shell's parsing
// name), the same limit. The cursor offers a copy, or a link where the source
// allows no copy; never a move; nothing for data without files or while the
// window is disabled.
TEST_F(OleDropTest, TheDropTargetTakesFilesAsADropDoesAndNeverMoves)
{
    wchar_t szFile[MAX_PATH], szFolder[MAX_PATH];
    ::GetModuleFileNameW(NULL, szFile, MAX_PATH);
    ::GetSystemDirectoryW(szFolder, MAX_PATH);
    const WidePaths listed = {szFile, szFolder}, dropped = {L"C:\\ドロップ"};
    const std::wstring strListed = Join(listed), strBefore = L"C:\\before";
    // The lists without the end of the last one.
    const auto cut = [](HGLOBAL h) {
        return ::GlobalReAlloc(h, ::GlobalSize(h) - 2, GMEM_MOVEABLE);
    };
    // "PC", which has no file-system path: its class's GUID (in lower case
    // from Wine, upper case from Windows).
    PIDLIST_ABSOLUTE pidlComputer;
    ::SHGetSpecialFolderLocation(NULL, CSIDL_DRIVES, &pidlComputer);
    const std::wstring strComputer = L"::{20d04fe0-3aea-1069-a2d8-08002b30309d}";
    const DWORD COPY = DROPEFFECT_COPY, LINK = DROPEFFECT_LINK, NONE = DROPEFFECT_NONE;
    const DWORD ALL = COPY | DROPEFFECT_MOVE | LINK;
    struct
    {
        HANDLE hDrop, hIdLists; // what the data holds
        DWORD dwAllowed;
        bool bEnabled;
        DWORD dwOver;    // DragEnter's and DragOver's answer
        DWORD dwDropped; // Drop's
        std::wstring strShown;
    } const drags[] = {
        {MakeDrop(dropped), NULL, ALL, true, COPY, COPY, dropped[0]},
        {NULL, MakeIdLists(listed), COPY | DROPEFFECT_MOVE, true, COPY, COPY, strListed},
        {MakeDrop(dropped), MakeIdLists(listed), ALL, true, COPY, COPY, dropped[0]},
        {::GlobalAlloc(GHND, 4), MakeIdLists(listed), ALL, true, COPY, COPY, strListed},
        {NULL, MakeIdLists({pidlComputer}), ALL, true, COPY, COPY, strComputer},
        {NULL, cut(MakeIdLists(listed)), ALL, true, COPY, NONE, strBefore},
        {NULL, NULL, ALL, true, NONE, NONE, strBefore},
        // Blocks naming nothing: no files.
        {MakeDrop(WidePaths{}), NULL, ALL, true, COPY, NONE, strBefore},
        {NULL, MakeIdLists(std::vector<PIDLIST_ABSOLUTE>{}), ALL, true, COPY, NONE, strBefore},
        {NULL, MakeIdLists({MakeUnnamedItem()}), ALL, true, COPY, NONE, strBefore},
        {MakeDrop(WidePaths{}), MakeIdLists(listed), ALL, true, COPY, COPY, strListed},
        {MakeDrop(dropped), NULL, ALL, false, NONE, NONE, strBefore},
        {MakeDrop(dropped), NULL, DROPEFFECT_MOVE, true, NONE, NONE, strBefore},
        {MakeDrop(dropped), NULL, LINK, true, LINK, LINK, dropped[0]},
        // 100 items: message 105.
        {NULL, MakeIdLists(WidePaths(100, szFile)), ALL, true, COPY, COPY, strBefore},
    };
    Run({[&](HWND hDlg) {
             ASSERT_NE(g_pTarget, nullptr);
             for (size_t i = 0; i < std::size(drags); ++i) {
                 const auto& drag = drags[i];
                 Drop(hDlg, WidePaths{strBefore});
                 WriteClipboard({{CF_HDROP, drag.hDrop}, {CF_IDLISTS, drag.hIdLists}});
                 IDataObject* pData;
                 ASSERT_EQ(::OleGetClipboard(&pData), S_OK);
                 ::EnableWindow(hDlg, drag.bEnabled);
                 DWORD dwEnter = drag.dwAllowed, dwOver = drag.dwAllowed, dwDrop = drag.dwAllowed;
                 g_pTarget->DragEnter(pData, MK_LBUTTON, {10, 10}, &dwEnter);
                 g_pTarget->DragOver(MK_LBUTTON, {12, 12}, &dwOver);
                 g_pTarget->Drop(pData, 0, {12, 12}, &dwDrop);
                 ::EnableWindow(hDlg, TRUE);
                 pData->Release();
                 EXPECT_EQ(std::tuple(dwEnter, dwOver, dwDrop),
                           std::tuple(drag.dwOver, drag.dwOver, drag.dwDropped))
                     << i;
                 EXPECT_EQ(GetItemWideText(hDlg, IDC_PATHS), drag.strShown) << i;
             }
             EXPECT_TRUE(m_boxes.Seen().empty()) << "a box opened while the drag's source waited";
         },
         [&](HWND hDlg) {
             ASSERT_EQ(m_boxes.Seen().size(), 1u);
             EXPECT_EQ(m_boxes.Seen()[0].strText, AfxLoadString(IDS_TOO_MANY));
             // The report's message again, from another program: shown once.
             ::PostMessageW(hDlg, WM_APP + 1, 0, 0);
         },
         [&](HWND) {
             EXPECT_EQ(m_boxes.Seen().size(), 1u);
         }});
}
} // namespace
