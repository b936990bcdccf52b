#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A drop handle as the shell makes it: a DROPFILES block in global memory,
// with the paths in the ANSI code page (char) or in UTF-16 (wchar_t).
template <class Char> HDROP MakeDrop(const std::vector<std::basic_string<Char>>& paths);

// Delivers a drop to the dialog, as the shell does, and returns the handle
// (which the dialog has released by then).
template <class Char> HDROP Drop(HWND hDlg, const std::vector<std::basic_string<Char>>& paths)
{
    const HDROP hDrop = MakeDrop(paths);
    ::SendMessageA(hDlg, WM_DROPFILES, reinterpret_cast<WPARAM>(hDrop), 0);
    return hDrop;
}

// Whether the receiver released the drop (DragFinish frees its memory).
inline bool IsReleased(HDROP hDrop)
{
    return ::GlobalFlags(hDrop) == GMEM_INVALID_HANDLE;
}
