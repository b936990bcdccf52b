#pragma once

#include <windows.h>

#include <string>

// The windows of another process, a program the test started.

// The visible window of process dwProcessId that hOwner owns (NULL: its main
// window), waited for up to 20 s; NULL when none shows.
HWND WaitForWindow(DWORD dwProcessId, HWND hOwner);

// A window's text, asked of the window: another process's control does not
// answer GetWindowText.
std::wstring TextOf(HWND hWnd);
