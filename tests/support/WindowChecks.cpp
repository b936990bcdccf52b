#include "tests/support/WindowChecks.h"

#include <cstdlib>

namespace {
testing::AssertionResult IsCentredOn(HWND hWnd, const RECT& rcOn)
{
    RECT rcWnd;
    ::GetWindowRect(hWnd, &rcWnd);
    // Twice the centres, so that odd sizes compare exactly.
    const long dx = (rcWnd.left + rcWnd.right) - (rcOn.left + rcOn.right);
    const long dy = (rcWnd.top + rcWnd.bottom) - (rcOn.top + rcOn.bottom);
    if (std::labs(dx) <= 1 && std::labs(dy) <= 1)
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "the window (" << rcWnd.left << ", " << rcWnd.top << ")-(" << rcWnd.right << ", "
           << rcWnd.bottom << ") is not centred on (" << rcOn.left << ", " << rcOn.top << ")-("
           << rcOn.right << ", " << rcOn.bottom << ")";
}
} // namespace

std::pair<DWORD, DWORD> GetSelection(HWND hEdit)
{
    // What no control answers, should this one not answer.
    DWORD nStart = 0xFFFFFFFF, nEnd = 0xFFFFFFFF;
    ::SendMessageW(hEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&nStart),
                   reinterpret_cast<LPARAM>(&nEnd));
    return {nStart, nEnd};
}

testing::AssertionResult IsCentredOnWorkArea(HWND hWnd)
{
    RECT rcWork;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    return IsCentredOn(hWnd, rcWork);
}

testing::AssertionResult IsCentredOver(HWND hWnd, HWND hOver)
{
    RECT rcOver;
    ::GetWindowRect(hOver, &rcOver);
    return IsCentredOn(hWnd, rcOver);
}
