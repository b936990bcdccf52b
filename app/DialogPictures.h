#pragma once

#include <windows.h>

#include <vector>

// The pictures of a dialog, drawn for the DPI of its window. Each is a bitmap
// static of the template, shown in one of three variants drawn for 96, 144
// and 192 DPI: the one for the nearest DPI at or above the window's, scaled
// to the window's when that lies between them or beyond.
class CDialogPictures
{
public:
    // The bitmaps of one picture drawn for 96, 144 and 192 DPI.
    using Variants = UINT[3];

    // The pictures in the order of their statics in the template.
    template <size_t N>
    explicit CDialogPictures(const Variants (&pictures)[N]) : m_pPictures(pictures), m_shown(N)
    {
    }
    ~CDialogPictures();
    CDialogPictures(const CDialogPictures&) = delete;
    CDialogPictures& operator=(const CDialogPictures&) = delete;

    // Shows the pictures for nDpi in the dialog's statics and frees the
    // bitmaps they showed before.
    void Show(HWND hDlg, UINT nDpi);

    // The DPI of the variant shown at nDpi.
    static UINT VariantDpi(UINT nDpi);

    // The window's DPI; before Windows 10 1607, which tells no window's own,
    // the system's.
    static UINT WindowDpi(HWND hWnd);

private:
    const Variants* m_pPictures;
    // The bitmaps the statics show, loaded here and so ours to free.
    std::vector<HBITMAP> m_shown;
};
