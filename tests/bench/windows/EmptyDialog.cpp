// The least Win32 program that shows a dialog: what Vexlo.exe's start-up is
// measured against. It shows dialog 1, its own empty one, unless DIALOG_ID
// names another template of its resources.
#include <windows.h>

#ifndef DIALOG_ID
#define DIALOG_ID 1
#endif

namespace {
INT_PTR CALLBACK DialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        ::EndDialog(hDlg, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}
} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    ::DialogBoxParamA(hInstance, MAKEINTRESOURCEA(DIALOG_ID), NULL, DialogProc, 0);
    return 0;
}
