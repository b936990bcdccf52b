#include "app/DialogPictures.h"

#include "afx/ResourceHandle.h"
#include "afx/SystemLibrary.h"

#include <iterator>
#include <utility>

namespace {
// The DPIs the variants are drawn for, in their order.
constexpr UINT VARIANT_DPIS[] = {96, 144, 192};

size_t VariantIndex(UINT nDpi)
{
    size_t i = 0;
    while (i + 1 < std::size(VARIANT_DPIS) && VARIANT_DPIS[i] < nDpi)
        ++i;
    return i;
}

// The pictures are the bitmap statics in template order: no ids (-1), robust to other controls.
bool IsPicture(HWND hWnd)
{
    return (::SendMessageW(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_STATIC) &&
           (::GetWindowLongW(hWnd, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP;
}

// A bitmap resource's size, from its header: LoadImage wants the size to
// scale to before it loads.
SIZE BitmapSize(HINSTANCE hInstance, UINT nID)
{
    const HRSRC hResource =
        ::FindResourceW(hInstance, MAKEINTRESOURCEW(nID), MAKEINTRESOURCEW(2)); // RT_BITMAP
    const auto* pHeader =
        static_cast<const BITMAPINFOHEADER*>(::LockResource(::LoadResource(hInstance, hResource)));
    return pHeader ? SIZE{pHeader->biWidth, pHeader->biHeight} : SIZE{};
}
} // namespace

CDialogPictures::~CDialogPictures()
{
    for (const HBITMAP hBitmap : m_shown)
        ::DeleteObject(hBitmap);
}

void CDialogPictures::Show(HWND hDlg, UINT nDpi)
{
    const HINSTANCE hInstance = AfxGetResourceHandle();
    const size_t nVariant = VariantIndex(nDpi);
    const UINT nVariantDpi = VARIANT_DPIS[nVariant];
    size_t i = 0;
    for (HWND hItem = ::GetWindow(hDlg, GW_CHILD); hItem && i < m_shown.size();
         hItem = ::GetWindow(hItem, GW_HWNDNEXT)) {
        if (!IsPicture(hItem))
            continue;
        const UINT nID = m_pPictures[i][nVariant];
        const SIZE size = BitmapSize(hInstance, nID);
        const auto hBitmap = static_cast<HBITMAP>(::LoadImageW(
            hInstance, MAKEINTRESOURCEW(nID), IMAGE_BITMAP, ::MulDiv(size.cx, nDpi, nVariantDpi),
            ::MulDiv(size.cy, nDpi, nVariantDpi), LR_DEFAULTCOLOR));
        // Without alpha, the bitmap is shown as it is, not copied by the static.
        const auto hPrevious = reinterpret_cast<HBITMAP>(
            ::SendMessageW(hItem, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
        // A static given a bitmap frees none, not even the one it loaded from
        // the template: that one is ours now. Ours from an earlier window of
        // this dialog are freed too.
        if (hPrevious != m_shown[i])
            ::DeleteObject(hPrevious);
        ::DeleteObject(std::exchange(m_shown[i++], hBitmap));
    }
}

UINT CDialogPictures::VariantDpi(UINT nDpi)
{
    return VARIANT_DPIS[VariantIndex(nDpi)];
}

UINT CDialogPictures::WindowDpi(HWND hWnd)
{
    // Looked up as the program runs, so that it still starts where user32 lacks it.
    const auto pGetDpiForWindow = AfxGetProcAddress<decltype(&::GetDpiForWindow)>(
        ::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    if (pGetDpiForWindow)
        return pGetDpiForWindow(hWnd);
    const HDC hDC = ::GetDC(hWnd);
    const int nDpi = ::GetDeviceCaps(hDC, LOGPIXELSY);
    ::ReleaseDC(hWnd, hDC);
    return nDpi;
}
