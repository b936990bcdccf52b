#include "tests/support/MessageBoxAnswerer.h"

#include "afx/LoadString.h"
#include "afx/WinApp.h"
#include "afx/Wnd.h"
#include "tests/support/Ansi.h"

namespace {
// The controls of a message box, as Windows and Wine number them.
constexpr int MSGBOX_IDTEXT = 0xFFFF;
constexpr int MSGBOX_IDICON = 0x0440;

CMessageBoxAnswerer* g_pAnswerer = nullptr;

bool IsShownButton(HWND hBox, int nID)
{
    const HWND hButton = ::GetDlgItem(hBox, nID);
    return hButton && (::GetWindowLongA(hButton, GWL_STYLE) & WS_VISIBLE);
}
} // namespace

CMessageBoxAnswerer::CMessageBoxAnswerer(int nAnswer)
    : m_nAnswer(nAnswer),
      m_hHook(::SetWindowsHookExA(WH_CBT, CbtProc, NULL, ::GetCurrentThreadId()))
{
    g_pAnswerer = this;
}

CMessageBoxAnswerer::~CMessageBoxAnswerer()
{
    ::UnhookWindowsHookEx(m_hHook);
    g_pAnswerer = nullptr;
}

LRESULT CALLBACK CMessageBoxAnswerer::CbtProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_ACTIVATE)
        g_pAnswerer->OnActivate(reinterpret_cast<HWND>(wParam));
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

void CMessageBoxAnswerer::OnActivate(HWND hWnd)
{
    // Other dialogs may have statics numbered as the text is (-1): a message
    // box has its icon control too.
    if (!::GetDlgItem(hWnd, MSGBOX_IDTEXT) || !::GetDlgItem(hWnd, MSGBOX_IDICON) ||
        !m_answered.insert(hWnd).second)
        return;
    std::wstring strText, strCaption;
    CWnd(::GetDlgItem(hWnd, MSGBOX_IDTEXT)).GetWindowText(strText);
    CWnd(hWnd).GetWindowText(strCaption);
    const HWND hOwner = ::GetWindow(hWnd, GW_OWNER);
    m_seen.push_back(
        {strText, strCaption, IsShownButton(hWnd, IDOK), IsShownButton(hWnd, IDCANCEL),
         reinterpret_cast<HICON>(::SendDlgItemMessageA(hWnd, MSGBOX_IDICON, STM_GETICON, 0, 0)),
         hOwner, hOwner && ::IsWindowEnabled(hOwner)});
    if (m_whileOpen)
        m_whileOpen(hWnd);
    // Answered once its own loop runs, as a click would be.
    ::PostMessageA(hWnd, WM_COMMAND, MAKEWPARAM(m_nAnswer, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(hWnd, m_nAnswer)));
}

testing::AssertionResult IsProgramMessageBox(const CMessageBoxSeen& box, UINT nIDText, UINT nType)
{
    testing::AssertionResult result = testing::AssertionFailure();
    bool bFailed = false;
    const auto expect = [&](bool bHolds, const char* pszWhat) {
        if (!bHolds)
            result << (bFailed ? "; " : "") << pszWhat;
        bFailed |= !bHolds;
    };
    expect(box.strText == AfxLoadString(nIDText), "another text");
    expect(box.strCaption == AfxGetApp()->m_strAppName, "another caption");
    expect(box.bHasOk, "no OK button");
    expect(box.bHasCancel == (nType == MB_OKCANCEL),
           box.bHasCancel ? "a Cancel button" : "no Cancel button");
    expect(!box.bOwnerEnabled, "not modal over its owner");
    if (!bFailed)
        return testing::AssertionSuccess();
    return result << " (the box said \"" << Ansi(box.strText) << "\", captioned \""
                  << Ansi(box.strCaption) << "\")";
}
