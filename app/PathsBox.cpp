#include "app/PathsBox.h"

// clang-format off
BEGIN_MESSAGE_MAP(CPathsBox, CWnd)
    ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()
// clang-format on

void CPathsBox::OnContextMenu(CWnd*, POINT point)
{
    // Passed over the edit control's menu to the default procedure, which
    // asks the parent, as for any control without a menu of its own.
    ::DefWindowProcW(m_hWnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_hWnd),
                     MAKELPARAM(point.x, point.y));
}
