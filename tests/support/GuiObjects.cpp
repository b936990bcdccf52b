#include "tests/support/GuiObjects.h"

namespace {
// Wine leaves GetGuiResources unimplemented (0, ERROR_CALL_NOT_IMPLEMENTED):
// there the objects are counted another way.
DWORD GuiResources(DWORD uiFlags, DWORD (*countOtherwise)())
{
    ::SetLastError(ERROR_SUCCESS);
    const DWORD nCount = ::GetGuiResources(::GetCurrentProcess(), uiFlags);
    if (nCount || ::GetLastError() != ERROR_CALL_NOT_IMPLEMENTED)
        return nCount;
    return countOtherwise();
}

// GDI handles index the process's own table and are taken in their 16-bit
// form too: count the live ones.
DWORD CountLiveGdiHandles()
{
    DWORD nLive = 0;
    for (UINT_PTR nIndex = 1; nIndex <= 0xFFFF; ++nIndex)
        if (::GetObjectType(reinterpret_cast<HGDIOBJ>(nIndex)))
            ++nLive;
    return nLive;
}

BOOL CALLBACK CountWindow(HWND, LPARAM lParam)
{
    ++*reinterpret_cast<DWORD*>(lParam);
    return TRUE;
}

BOOL CALLBACK CountWindowAndDescendants(HWND hWnd, LPARAM lParam)
{
    CountWindow(hWnd, lParam);
    ::EnumChildWindows(hWnd, CountWindow, lParam); // every descendant, not only children
    return TRUE;
}

DWORD CountThreadWindows()
{
    DWORD nWindows = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountWindowAndDescendants,
                        reinterpret_cast<LPARAM>(&nWindows));
    return nWindows;
}
} // namespace

DWORD CountGdiObjects()
{
    return GuiResources(GR_GDIOBJECTS, CountLiveGdiHandles);
}

DWORD CountUserObjects()
{
    return GuiResources(GR_USEROBJECTS, CountThreadWindows);
}
