#include "tests/support/Clipboard.h"

#include <windows.h>

#include <cstring>

namespace {
// Another process (Wine's clipboard manager) may hold the clipboard for a
// moment: try for a while before giving up.
bool OpenClipboardSoon()
{
    for (int nTry = 0; nTry < 100; ++nTry) {
        if (::OpenClipboard(NULL))
            return true;
        ::Sleep(10);
    }
    return false;
}
} // namespace

std::optional<std::string> ReadClipboardText()
{
    if (!OpenClipboardSoon())
        return std::nullopt;
    std::optional<std::string> text;
    if (const HANDLE hData = ::GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(::GlobalLock(hData));
        ::GlobalUnlock(hData);
    }
    ::CloseClipboard();
    return text;
}

void WriteClipboardText(const std::string& strText)
{
    if (!OpenClipboardSoon())
        return;
    ::EmptyClipboard();
    const HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, strText.size() + 1);
    std::memcpy(::GlobalLock(hData), strText.c_str(), strText.size() + 1);
    ::GlobalUnlock(hData);
    ::SetClipboardData(CF_TEXT, hData);
    ::CloseClipboard();
}
