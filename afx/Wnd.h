#pragma once

#include "afx/MessageMap.h"

#include <windows.h>

#include <string>

// Not declared by the platform headers: the message through which a drop's
// data crosses to a window.
constexpr UINT WM_COPYGLOBALDATA = 0x0049;

// A window by its handle, spoken to in UTF-16 (the W functions), as the class
// library's Unicode build does. It owns nothing: the window lives as long as the
// platform keeps it, and a CWnd for a control is just a way to talk to it.
class CWnd
{
public:
    CWnd() = default;
    explicit CWnd(HWND hWnd) : m_hWnd(hWnd) {}
    virtual ~CWnd() = default;

    CWnd GetDlgItem(int nID) const { return CWnd(::GetDlgItem(m_hWnd, nID)); }
    void SetWindowText(LPCWSTR lpszString) { ::SetWindowTextW(m_hWnd, lpszString); }
    // Inline: the name is <windows.h>'s macro, GetWindowTextA to code built
    // without UNICODE, as the tests are.
    void GetWindowText(std::wstring& rString) const
    {
        rString.resize(::GetWindowTextLengthW(m_hWnd));
        rString.resize(
            ::GetWindowTextW(m_hWnd, rString.data(), static_cast<int>(rString.size() + 1)));
    }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return ::PostMessageW(m_hWnd, message, wParam, lParam);
    }
    // Also when the program runs elevated: see Wnd.cpp.
    void DragAcceptFiles(BOOL bAccept = TRUE);
    // Makes control nID of pParent this object's window: its messages go
    // through this object's message map first, then to its own class.
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }

    HWND m_hWnd = NULL;

protected:
    // Asks for the platform's default handling of the message being handled.
    // It runs when the handler returns: a dialog procedure can only hand a
    // message back to the dialog manager, not call it.
    void Default() { *m_pbDefault = true; }

    // Runs the handler that the message map names for the message, if any.
    // False when there is none or the handler asked for the default handling.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

private:
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message, WPARAM wParam, LPARAM lParam) const;

    // The procedure of a subclassed control's own class.
    WNDPROC m_pfnSuper = nullptr;

    // Where Default() records its request; one flag per message being
    // handled, since handlers nest (a paint arrives while a box is open).
    bool* m_pbDefault = nullptr;
};
