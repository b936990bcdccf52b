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
    explicit CPathListDlg(const CCodePage& codePage, CWnd* pParent = NULL);

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

    CPathList m_pathList;
    HICON m_hIcon;
    // The folders picture and the caption, drawn for the window's DPI.
    static const CDialogPictures::Variants s_pictures[2];
    CDialogPictures m_pictures{s_pictures};
};
