#include "afx/Clipboard.h"

#include <algorithm>
#include <cstring>
#include <iterator>

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

// A copy of nBytes at pData in memory the clipboard can own; NULL when
// there is no memory for it.
HGLOBAL GlobalCopy(const void* pData, size_t nBytes)
{
    const HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
    if (hMem) {
        std::memcpy(::GlobalLock(hMem), pData, nBytes);
        ::GlobalUnlock(hMem);
    }
    return hMem;
}
} // namespace

CClipboard::CClipboard(HWND hWndOwner) : m_bOpen(OpenClipboardPatiently(hWndOwner))
{
}

CClipboard::~CClipboard()
{
    if (m_bOpen)
        ::CloseClipboard();
}

UINT AfxGetShellIdListFormat()
{
    // The same number for the same name, for as long as the session lasts.
    return ::RegisterClipboardFormatW(L"Shell IDList Array");
}

UINT AfxGetHtmlFormat()
{
    return ::RegisterClipboardFormatW(L"HTML Format");
}

ClipboardWrite AfxSetClipboardText(HWND hWndOwner, const std::wstring& strText,
                                   const std::string& strAnsiText, const std::string& strHtml)
{
    // The system locale is the one whose ANSI code page the system uses.
    const LCID lcid = ::GetSystemDefaultLCID();
    // Made before the clipboard is opened: a failure then leaves it as it was,
    // and other programs wait no longer than the hand-over.
    struct
    {
        UINT nFormat;
        HGLOBAL hData;
    } data[] = {
        {CF_UNICODETEXT, GlobalCopy(strText.c_str(), (strText.size() + 1) * sizeof(wchar_t))},
        {CF_TEXT, GlobalCopy(strAnsiText.c_str(), strAnsiText.size() + 1)},
        {CF_LOCALE, GlobalCopy(&lcid, sizeof lcid)},
        {AfxGetHtmlFormat(), GlobalCopy(strHtml.c_str(), strHtml.size() + 1)},
    };
    // The HTML only where the copy has any.
    const auto end = std::end(data) - (strHtml.empty() ? 1 : 0);
    ClipboardWrite result = CLIPBOARD_FAILED;
    if (std::all_of(std::begin(data), end, [](const auto& d) { return d.nFormat && d.hData; })) {
        CClipboard clipboard(hWndOwner);
        result = clipboard.IsOpen() ? CLIPBOARD_WRITTEN : CLIPBOARD_BUSY;
        if (clipboard.IsOpen()) {
            ::EmptyClipboard();
            for (auto d = std::begin(data); d != end; ++d) {
                if (::SetClipboardData(d->nFormat, d->hData))
                    d->hData = NULL; // the clipboard's now
                else
                    result = CLIPBOARD_FAILED;
            }
            // Part of the text would pass for the whole list.
            if (result == CLIPBOARD_FAILED)
                ::EmptyClipboard();
        }
    }
    for (const auto& d : data)
        if (d.hData)
            ::GlobalFree(d.hData);
    return result;
}
