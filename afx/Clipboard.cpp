#include "afx/Clipboard.h"

#include <cstring>

namespace {
constexpr int OPEN_TRIES = 20;
constexpr DWORD OPEN_RETRY_MS = 50;

// Waits, painting what needs it meanwhile: the handler that waits runs
// inside the window's own loop. Only paints: input waits for the handler.
void PaintFor(DWORD dwMilliseconds)
{
    const DWORD dwStart = ::GetTickCount();
    for (DWORD dwElapsed = 0; dwElapsed < dwMilliseconds; dwElapsed = ::GetTickCount() - dwStart) {
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, dwMilliseconds - dwElapsed, QS_PAINT);
        MSG msg;
        while (::PeekMessageW(&msg, NULL, WM_PAINT, WM_PAINT, PM_REMOVE))
            ::DispatchMessageW(&msg);
    }
}

bool OpenClipboardPatiently(HWND hWndOwner)
{
    for (int nTry = 1; !::OpenClipboard(hWndOwner); ++nTry) {
        if (nTry == OPEN_TRIES)
            return false;
        PaintFor(OPEN_RETRY_MS);
    }
    return true;
}

// Hands the clipboard a copy of nBytes at pData in memory of its own.
void SetClipboardBytes(UINT nFormat, const void* pData, size_t nBytes)
{
    const HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
    if (!hMem)
        return;
    std::memcpy(::GlobalLock(hMem), pData, nBytes);
    ::GlobalUnlock(hMem);
    if (!::SetClipboardData(nFormat, hMem))
        ::GlobalFree(hMem);
}
} // namespace

bool AfxSetClipboardText(HWND hWndOwner, const std::wstring& strText,
                         const std::string& strAnsiText)
{
    if (!OpenClipboardPatiently(hWndOwner))
        return false;
    ::EmptyClipboard();
    SetClipboardBytes(CF_UNICODETEXT, strText.c_str(), (strText.size() + 1) * sizeof(wchar_t));
    SetClipboardBytes(CF_TEXT, strAnsiText.c_str(), strAnsiText.size() + 1);
    // The system locale is the one whose ANSI code page the system uses.
    const LCID lcid = ::GetSystemDefaultLCID();
    SetClipboardBytes(CF_LOCALE, &lcid, sizeof lcid);
    ::CloseClipboard();
    return true;
}
