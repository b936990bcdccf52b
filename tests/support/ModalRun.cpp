#include "tests/support/ModalRun.h"

#include <gtest/gtest.h>

#include <map>

namespace {
// Steps that make no progress for this long have hung the dialog (a box no
// one answers): the run is torn down and the test fails.
constexpr int HANG_TICKS = 1000;
constexpr UINT TICK_MS = 10;

// Runs steps on a dialog from a thread timer, so from inside whatever modal
// loop the thread is in. A run nested in a step of another (a dialog opened
// over the first) has its own timer; the outer one waits out its step.
class CDriver
{
public:
    CDriver(std::function<HWND()> findDialog, std::vector<Step> steps)
        : m_findDialog(std::move(findDialog)), m_steps(std::move(steps)),
          m_nTimer(::SetTimer(NULL, 0, TICK_MS, OnTick))
    {
        s_drivers[m_nTimer] = this;
    }
    ~CDriver()
    {
        ::KillTimer(NULL, m_nTimer);
        s_drivers.erase(m_nTimer);
    }
    CDriver(const CDriver&) = delete;
    CDriver& operator=(const CDriver&) = delete;

    bool AllStepsRan() const { return m_nNext == m_steps.size(); }
    bool EndedByTest() const { return m_bEndedByTest; }

private:
    static void CALLBACK OnTick(HWND, UINT, UINT_PTR nTimer, DWORD)
    {
        const auto it = s_drivers.find(nTimer);
        if (it != s_drivers.end())
            it->second->Tick();
    }

    void Tick()
    {
        if (m_bInStep || m_bEndedByTest)
            return;
        const HWND hDlg = m_findDialog();
        if (!hDlg || !::IsWindowVisible(hDlg) || !::IsWindowEnabled(hDlg)) {
            if (++m_nIdleTicks < HANG_TICKS)
                return;
            ADD_FAILURE() << "the dialog stayed closed, disabled or hidden; ending what is open";
            const HWND hPopup = hDlg ? ::GetLastActivePopup(hDlg) : NULL;
            if (hPopup)
                ::EndDialog(hPopup, IDCANCEL);
            m_nIdleTicks = 0;
            return;
        }
        m_nIdleTicks = 0;
        if (AllStepsRan()) {
            ::EndDialog(hDlg, ENDED_BY_TEST);
            m_bEndedByTest = true;
            return;
        }
        m_bInStep = true;
        m_steps[m_nNext++](hDlg);
        m_bInStep = false;
    }

    static std::map<UINT_PTR, CDriver*> s_drivers;

    std::function<HWND()> m_findDialog;
    std::vector<Step> m_steps;
    size_t m_nNext = 0;
    bool m_bInStep = false;
    bool m_bEndedByTest = false;
    int m_nIdleTicks = 0;
    UINT_PTR m_nTimer;
};
std::map<UINT_PTR, CDriver*> CDriver::s_drivers;

struct COwnedSearch
{
    HWND hOwner;
    HWND hFound;
};

BOOL CALLBACK FindOwned(HWND hWnd, LPARAM lParam)
{
    auto& search = *reinterpret_cast<COwnedSearch*>(lParam);
    if (::GetWindow(hWnd, GW_OWNER) != search.hOwner || !::IsWindowVisible(hWnd))
        return TRUE;
    search.hFound = hWnd;
    return FALSE;
}

// The visible window of this thread that hOwner owns, if any.
HWND FindOwnedWindow(HWND hOwner)
{
    COwnedSearch search = {hOwner, NULL};
    ::EnumThreadWindows(::GetCurrentThreadId(), FindOwned, reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}
} // namespace

INT_PTR RunModal(CDialog& dlg, std::vector<Step> steps)
{
    CDriver driver([&dlg] { return dlg.m_hWnd; }, std::move(steps));
    const INT_PTR nResult = dlg.DoModal();
    EXPECT_TRUE(driver.AllStepsRan()) << "the dialog ended before all steps ran";
    return nResult;
}

bool RunModalOver(HWND hOwner, const std::function<void()>& open, std::vector<Step> steps)
{
    CDriver driver([hOwner] { return FindOwnedWindow(hOwner); }, std::move(steps));
    open();
    EXPECT_TRUE(driver.AllStepsRan()) << "no dialog opened, or it ended before all steps ran";
    return !driver.EndedByTest();
}

std::string GetItemText(HWND hDlg, int nID)
{
    // Through the A function: the system's conversion, which is what a
    // program of the ANSI code page reads, not one of the test's own.
    const HWND hItem = ::GetDlgItem(hDlg, nID);
    std::string strText(::GetWindowTextLengthA(hItem), '\0');
    strText.resize(::GetWindowTextA(hItem, &strText[0], strText.size() + 1));
    return strText;
}

std::wstring GetItemWideText(HWND hDlg, int nID)
{
    std::wstring strText;
    CWnd(::GetDlgItem(hDlg, nID)).GetWindowText(strText);
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

void HoldCtrlKey(bool bDown, bool bShift)
{
    // Posted keys change no key state: the thread's own is set instead.
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = bDown ? 0x80 : 0;
    keys[VK_SHIFT] = bDown && bShift ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

Step Pressing(UINT nVirtKey)
{
    return [nVirtKey](HWND) {
        PostKey(nVirtKey);
    };
}

Step Clicking(int nID)
{
    return [nID](HWND hDlg) {
        Click(hDlg, nID);
    };
}

Step ClosingByCloseBox()
{
    return [](HWND hDlg) {
        ::PostMessageA(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0);
    };
}
