#pragma once

#include "afx/Wnd.h"

// A modal dialog made by the dialog manager from a template in the module's
// resources; message maps of derived classes receive its messages.
class CDialog : public CWnd
{
public:
    // Without a parent the dialog is owned by the application's main window,
    // so that it is modal over it, or by nothing when it is the main window.
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog until it ends; returns the value passed to EndDialog,
    // or -1 when the dialog could not be made.
    INT_PTR DoModal();
    void EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }

    // Centres a window over its owner, or on the work area of its monitor
    // when it has no visible owner, keeping it inside that work area; nFlags:
    // SetWindowPos's besides SWP_NOSIZE | SWP_NOZORDER.
    static void CenterWindow(HWND hWnd, UINT nFlags);

protected:
    // The return value says whether the dialog manager should put the focus
    // on the first tab stop.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // Sees each message for the dialog or its controls that its modal loop
    // takes, before the dialog manager does; TRUE when it handled it. Only
    // while the dialog is enabled: a box or dialog open over it has the input.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MessageFilterProc(int nCode, WPARAM wParam, LPARAM lParam);
    bool CheckAutoCenter() const;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    // The modal dialog this one was opened over, if any.
    CDialog* m_pOuterModal = nullptr;
};
