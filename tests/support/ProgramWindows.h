#pragma once

#include <windows.h>

#include <string>

// The visible window of another process that hOwner owns (NULL: its main
// window), waited for up to 20 s; NULL when none came.
HWND WaitForWindow(DWORD dwProcessId, HWND hOwner);
// Whether hWnd went within 20 s.
bool WaitForWindowGone(HWND hWnd);
// A window's text, asked of the window: another process's control does not
// answer GetWindowText.
std::wstring TextOf(HWND hWnd);
