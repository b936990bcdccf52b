#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

// What a message box showed, seen as it opened.
struct CMessageBoxSeen
{
    std::wstring strText;
    std::wstring strCaption;
    bool bHasOk;
    bool bHasCancel;
    HICON hIcon;
    HWND hOwner;
    bool bOwnerEnabled;
};

// Whether a box is one of the program's own: the text of string resource
// nIDText under the application's title, OK and, if nType is MB_OKCANCEL,
// Cancel, modal over its owner.
testing::AssertionResult IsProgramMessageBox(const CMessageBoxSeen& box, UINT nIDText, UINT nType);

// While it lives, answers every message box this thread opens, as soon as
// the box is activated, with the button nAnswer, and records what it showed.
class CMessageBoxAnswerer
{
public:
    explicit CMessageBoxAnswerer(int nAnswer);
    ~CMessageBoxAnswerer();
    CMessageBoxAnswerer(const CMessageBoxAnswerer&) = delete;
    CMessageBoxAnswerer& operator=(const CMessageBoxAnswerer&) = delete;

    void SetAnswer(int nAnswer) { m_nAnswer = nAnswer; }
    // Runs while each box is open, before it is answered.
    void WhileOpen(std::function<void(HWND hBox)> whileOpen) { m_whileOpen = std::move(whileOpen); }
    const std::vector<CMessageBoxSeen>& Seen() const { return m_seen; }

private:
    static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam);
    void OnActivate(HWND hWnd);

    int m_nAnswer;
    HHOOK m_hHook;
    std::function<void(HWND hBox)> m_whileOpen;
    std::set<HWND> m_answered;
    std::vector<CMessageBoxSeen> m_seen;
};
