#include "tests/support/DropFiles.h"

#include <shlobj.h>

#include <cstring>

template <class Char> HDROP MakeDrop(const std::vector<std::basic_string<Char>>& paths)
{
    // The paths follow the header, each NUL-terminated, then one more NUL.
    size_t nChars = 1;
    for (const auto& path : paths)
        nChars += path.size() + 1;
    const HGLOBAL hDrop = ::GlobalAlloc(GHND, sizeof(DROPFILES) + nChars * sizeof(Char));
    auto* pFiles = static_cast<DROPFILES*>(::GlobalLock(hDrop));
    pFiles->pFiles = sizeof(DROPFILES);
    pFiles->pt = {10, 10};
    pFiles->fWide = sizeof(Char) == sizeof(wchar_t);
    auto* pNext = reinterpret_cast<Char*>(pFiles + 1);
    for (const auto& path : paths) {
        std::memcpy(pNext, path.c_str(), (path.size() + 1) * sizeof(Char));
        pNext += path.size() + 1;
    }
    ::GlobalUnlock(hDrop);
    return static_cast<HDROP>(hDrop);
}

template HDROP MakeDrop(const std::vector<std::string>&);
template HDROP MakeDrop(const std::vector<std::wstring>&);
