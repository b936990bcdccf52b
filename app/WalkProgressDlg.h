#pragma once

#include "pathlist/FolderWalk.h"

#include <windows.h>

// A copy's walk of its folders as a long job. Once the walk has taken half a
// second, this window opens over the main one, which it disables as a modal
// box does: the files found so far, the folder being read, and キャンセル.
// From then on the thread's messages are handled between folders, so that
// the main window repaints; Esc, the close box and キャンセル end the walk at
// the next folder.
class CWalkProgressDlg : public CWalkProgress
{
public:
    explicit CWalkProgressDlg(HWND hOwner);
    ~CWalkProgressDlg() override;
    CWalkProgressDlg(const CWalkProgressDlg&) = delete;
    CWalkProgressDlg& operator=(const CWalkProgressDlg&) = delete;

    bool Continue(size_t nFiles, const std::wstring& strFolder) override;

    // Tells what became of a walked copy in a balloon on the path box, which
    // needs no answer: message nID (the copied one after nCount, the files),
    // and how many folders could not be read, if any.
    static void Report(HWND hBox, UINT nID, size_t nCount, size_t nUnread);

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool Open();

    HWND m_hOwner;
    HWND m_hWnd = NULL;
    DWORD m_dwStart;
    DWORD m_dwLastPump = 0;
    bool m_bCancelled = false;
};
