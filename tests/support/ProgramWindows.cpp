#include "tests/support/ProgramWindows.h"

HWND WaitForWindow(DWORD dwProcessId, HWND hOwner)
{
    for (int nTries = 0; nTries < 2000; ++nTries, ::Sleep(10)) {
        for (HWND hWnd = ::GetTopWindow(NULL); hWnd; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
            DWORD dwOf = 0;
            ::GetWindowThreadProcessId(hWnd, &dwOf);
            if (dwOf == dwProcessId && ::IsWindowVisible(hWnd) &&
                ::GetWindow(hWnd, GW_OWNER) == hOwner)
                return hWnd;
        }
    }
    return NULL;
}

std::wstring TextOf(HWND hWnd)
{
    std::wstring strText(::SendMessageW(hWnd, WM_GETTEXTLENGTH, 0, 0), L'\0');
    strText.resize(::SendMessageW(hWnd, WM_GETTEXT, strText.size() + 1,
                                  reinterpret_cast<LPARAM>(strText.data())));
    return strText;
}
