#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <utility>

// An edit control's selection: its start and the position past its end, in
// the control's own units (characters of its text, whichever way it is asked).
std::pair<DWORD, DWORD> GetSelection(HWND hEdit);

// Whether a window is centred, to a pixel, on the screen's work area, or over
// another window.
testing::AssertionResult IsCentredOnWorkArea(HWND hWnd);
testing::AssertionResult IsCentredOver(HWND hWnd, HWND hOver);
