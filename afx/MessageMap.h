#pragma once

#include <windows.h>

#include <windowsx.h>

class CWnd;

// A message map is a table: each row names a message (for WM_COMMAND also the
// notification code and the range of ids) and a dispatcher that unpacks
// wParam and lParam for the handler. Maps chain to their base class's map.
struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;
    UINT nCode;
    UINT nID;
    UINT nLastID;
    LRESULT (*pfnDispatch)(CWnd& wnd, WPARAM wParam, LPARAM lParam);
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

template <class T> struct AfxHandlerOwner;
template <class T, class R, class... Args> struct AfxHandlerOwner<R (T::*)(Args...)>
{
    using type = T;
};

// The window a handler belongs to, as the class that declares the handler.
template <auto pfn> auto& AfxHandlerTarget(CWnd& wnd)
{
    return static_cast<typename AfxHandlerOwner<decltype(pfn)>::type&>(wnd);
}

// One dispatcher per handler signature, named as the class library names them.
template <auto pfn> LRESULT AfxSig_vv(CWnd& wnd, WPARAM, LPARAM)
{
    (AfxHandlerTarget<pfn>(wnd).*pfn)();
    return 0;
}

template <auto pfn> LRESULT AfxSig_hv(CWnd& wnd, WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>((AfxHandlerTarget<pfn>(wnd).*pfn)());
}

template <auto pfn> LRESULT AfxSig_vD(CWnd& wnd, WPARAM wParam, LPARAM)
{
    (AfxHandlerTarget<pfn>(wnd).*pfn)(reinterpret_cast<HDROP>(wParam));
    return 0;
}

// The command's id, for a handler of a range of them.
template <auto pfn> LRESULT AfxSig_vw(CWnd& wnd, WPARAM wParam, LPARAM)
{
    (AfxHandlerTarget<pfn>(wnd).*pfn)(LOWORD(wParam));
    return 0;
}

// The window the menu is asked for, and where: in screen coordinates, or -1, -1
// when it was asked for from the keyboard.
template <auto pfn> LRESULT AfxSig_vWp(CWnd& wnd, WPARAM wParam, LPARAM lParam)
{
    CWnd window(reinterpret_cast<HWND>(wParam));
    (AfxHandlerTarget<pfn>(wnd).*pfn)(&window, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    return 0;
}

// The new DPI (the same across as down) and the window rectangle suggested
// for it.
template <auto pfn> LRESULT AfxSig_vwR(CWnd& wnd, WPARAM wParam, LPARAM lParam)
{
    (AfxHandlerTarget<pfn>(wnd).*pfn)(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
    return 0;
}

// A message of the program's own (WM_APP and above): its parameters as they
// came, the handler's result returned.
template <auto pfn> LRESULT AfxSig_lwl(CWnd& wnd, WPARAM wParam, LPARAM lParam)
{
    return (AfxHandlerTarget<pfn>(wnd).*pfn)(wParam, lParam);
}

// clang-format off
#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }              \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                \
    {                                                                                              \
        using ThisClass [[maybe_unused]] = theClass;                                               \
        using TheBaseClass = baseClass;                                                            \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                                          \
            {0, 0, 0, 0, nullptr}};                                                                   \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, entries};          \
        return &messageMap;                                                                        \
    }

#define ON_WM_PAINT() {WM_PAINT, 0, 0, 0, &AfxSig_vv<&ThisClass::OnPaint>},
#define ON_WM_QUERYDRAGICON() {WM_QUERYDRAGICON, 0, 0, 0, &AfxSig_hv<&ThisClass::OnQueryDragIcon>},
#define ON_WM_DROPFILES() {WM_DROPFILES, 0, 0, 0, &AfxSig_vD<&ThisClass::OnDropFiles>},
#define ON_WM_DESTROY() {WM_DESTROY, 0, 0, 0, &AfxSig_vv<&ThisClass::OnDestroy>},
#define ON_WM_DPICHANGED() {WM_DPICHANGED, 0, 0, 0, &AfxSig_vwR<&ThisClass::OnDpiChanged>},
#define ON_WM_CONTEXTMENU() {WM_CONTEXTMENU, 0, 0, 0, &AfxSig_vWp<&ThisClass::OnContextMenu>},
#define ON_MESSAGE(message, memberFxn) {(message), 0, 0, 0, &AfxSig_lwl<&ThisClass::memberFxn>},
// A command: code 0, as a button's click (BN_CLICKED), a menu item and Esc's
// IDCANCEL have; an accelerator's command counts as one too.
#define ON_COMMAND(id, memberFxn) {WM_COMMAND, 0, (id), (id), &AfxSig_vv<&ThisClass::memberFxn>},
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                    \
    {WM_COMMAND, 0, (id), (idLast), &AfxSig_vw<&ThisClass::memberFxn>},
#define ON_BN_CLICKED(id, memberFxn)                                                               \
    {WM_COMMAND, BN_CLICKED, (id), (id), &AfxSig_vv<&ThisClass::memberFxn>},
// clang-format on
