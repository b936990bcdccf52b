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

// The clipboard's data in nFormat, read as T from its first bytes.
template <class T, class Data> std::optional<T> ReadClipboard(UINT nFormat)
{
    if (!OpenClipboardSoon())
        return std::nullopt;
    std::optional<T> value;
    if (const HANDLE hData = ::GetClipboardData(nFormat)) {
        value = T(*static_cast<const Data*>(::GlobalLock(hData)));
        ::GlobalUnlock(hData);
    }
    ::CloseClipboard();
    return value;
}
} // namespace

std::optional<std::string> ReadClipboardText()
{
    return ReadClipboard<std::string, char[1]>(CF_TEXT);
}

std::optional<std::wstring> ReadClipboardUnicodeText()
{
    return ReadClipboard<std::wstring, wchar_t[1]>(CF_UNICODETEXT);
}

std::optional<LCID> ReadClipboardLocale()
{
    return ReadClipboard<LCID, LCID>(CF_LOCALE);
}

std::optional<std::string> ReadClipboardHtml()
{
    return ReadClipboard<std::string, char[1]>(::RegisterClipboardFormatW(L"HTML Format"));
}

void WriteClipboard(const std::vector<std::pair<UINT, HANDLE>>& data)
{
    if (!OpenClipboardSoon())
        return;
    ::EmptyClipboard();
    for (const auto& [nFormat, hData] : data)
        if (hData)
            ::SetClipboardData(nFormat, hData);
    ::CloseClipboard();
}

void WriteClipboardText(const std::string& strText)
{
    const HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, strText.size() + 1);
    std::memcpy(::GlobalLock(hData), strText.c_str(), strText.size() + 1);
    ::GlobalUnlock(hData);
    WriteClipboard({{CF_TEXT, hData}});
}

void WriteClipboardFiles(HDROP hDrop)
{
    WriteClipboard({{CF_HDROP, hDrop}});
}
