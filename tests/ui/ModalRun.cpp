#include "ModalRun.h"

#include <gtest/gtest.h>

namespace {
// Steps that make no progress for this long have hung the dialog (a box no
// one answers): the run is torn down and the test fails.
constexpr int HANG_TICKS = 1000;
constexpr UINT TICK_MS = 10;

struct CRun
{
    CDialog& dlg;
    std::vector<Step> steps;
    size_t nNext = 0;
    bool bInStep = false;
    int nIdleTicks = 0;
};
CRun* g_pRun = nullptr;

void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD)
{
    CRun& run = *g_pRun;
    const HWND hDlg = run.dlg.m_hWnd;
    if (run.bInStep || !hDlg)
        return;
    if (!::IsWindowVisible(hDlg) || !::IsWindowEnabled(hDlg)) {
        if (++run.nIdleTicks < HANG_TICKS)
            return;
        ADD_FAILURE() << "the dialog stayed disabled or hidden; ending what is open over it";
        const HWND hPopup = ::GetLastActivePopup(hDlg);
        ::EndDialog(hPopup != hDlg ? hPopup : hDlg, IDCANCEL);
        run.nIdleTicks = 0;
        return;
    }
    run.nIdleTicks = 0;
    if (run.nNext == run.steps.size()) {
        ::EndDialog(hDlg, ENDED_BY_TEST);
        return;
    }
    run.bInStep = true;
    run.steps[run.nNext++](hDlg);
    run.bInStep = false;
}
} // namespace

INT_PTR RunModal(CDialog& dlg, std::vector<Step> steps)
{
    CRun run{dlg, std::move(steps)};
    g_pRun = &run;
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, TICK_MS, OnTick);
    const INT_PTR nResult = dlg.DoModal();
    ::KillTimer(NULL, nTimer);
    g_pRun = nullptr;
    EXPECT_EQ(run.nNext, run.steps.size()) << "the dialog ended before all steps ran";
    return nResult;
}

std::string GetItemText(HWND hDlg, int nID)
{
    const HWND hItem = ::GetDlgItem(hDlg, nID);
    std::string strText(::GetWindowTextLengthA(hItem), '\0');
    strText.resize(::GetWindowTextA(hItem, &strText[0], strText.size() + 1));
    return strText;
}

void Click(HWND hDlg, int nID)
{
    ::SendMessageA(::GetDlgItem(hDlg, nID), BM_CLICK, 0, 0);
}

void PostKey(UINT nVirtKey)
{
    const HWND hFocus = ::GetFocus();
    ::PostMessageA(hFocus, WM_KEYDOWN, nVirtKey, 1);
    ::PostMessageA(hFocus, WM_KEYUP, nVirtKey, 0xC0000001);
}
