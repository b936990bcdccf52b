#pragma once

#include "afx/Dialog.h"
#include "app/DialogPictures.h"
#include "pathlist/PathList.h"

#include <shellapi.h>

// The main window: lists the paths of the files and folders dropped on it,
// their number, and converts and copies the list on its buttons.
class CPathListDlg : public CDialog
{
public:
    // The rules of the two lists: the ANSI code page's, and Unicode letter case.
    CPathListDlg(const CCodePage& codePage, const CUnicodeCase& unicodeCase, CWnd* pParent = NULL);

protected:
    BOOL OnInitDialog() override;

    void OnPaint();
    HICON OnQueryDragIcon();
    void OnDropFiles(HDROP hDropInfo);
    void OnInfo();
    void OnSlash();
    void OnCase();
    void OnCopyAll();
    void OnDpiChanged(UINT nDpi, const RECT* pRect);

    DECLARE_MESSAGE_MAP()

private:
    void ShowPaths(CPathList::CaseMode nCaseMode);

    // Every drop is kept twice, in lockstep: in the ANSI code page, for
    // programs that read only that, and as the exact names, which the box
    // shows and which name the files even where the code page cannot.
    CPathList m_pathList;
    CWidePathList m_exactPaths;
    HICON m_hIcon;
    // The folders picture and the caption, drawn for the window's DPI.
    static const CDialogPictures::Variants s_pictures[2];
    CDialogPictures m_pictures{s_pictures};
};
