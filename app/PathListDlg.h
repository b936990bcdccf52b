#pragma once

#include "afx/Clipboard.h"
#include "afx/Dialog.h"
#include "afx/DropTarget.h"
#include "app/CountVoice.h"
#include "app/DialogPictures.h"
#include "app/PathsBox.h"
#include "app/SystemNameOrder.h"
#include "app/SystemServerNames.h"
#include "pathlist/FolderWalk.h"
#include "pathlist/PathList.h"

#include <shellapi.h>

// The main window: lists the paths of the files and folders dropped on it or
// pasted, their number, and converts and copies the list on its buttons and
// its path box's menu.
class CPathListDlg : public CDialog, private IDropDataSink
{
public:
    // The rules of the two lists: the ANSI code page's, and Unicode letter case.
    CPathListDlg(const CCodePage& codePage, const CUnicodeCase& unicodeCase, CWnd* pParent = NULL);

    // The command line, whose arguments, names of files and folders, the
    // window takes as one intake once it shows.
    void SetCommandLine(LPCWSTR lpszCommandLine) { m_lpszCommandLine = lpszCommandLine; }

protected:
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnDropData(IDataObject* pDataObject) override;

    void OnPaint();
    HICON OnQueryDragIcon();
    void OnDropFiles(HDROP hDropInfo);
    void OnDestroy();
    void OnInfo();
    void OnSlash();
    void OnCase();
    void OnDpiChanged(UINT nDpi, const RECT* pRect);
    void OnContextMenu(CWnd* pWnd, POINT point);
    void OnPaste();
    void OnCopy(UINT nID);
    void OnSelectAll();
    void OnSortByName();
    void OnAddOnDrop();
    void OnRemoveLines();
    void OnUndo();
    void OnExpandFolders();
    LRESULT OnTakeArguments(WPARAM, LPARAM);
    LRESULT OnReportTooMany(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()

private:
    // What became of the files of a drop handle.
    enum Intake
    {
        INTAKE_NONE, // none could be read
        INTAKE_TAKEN,
        INTAKE_TOO_MANY
    };

    // A source's files (the clipboard, a drop's data): its drop handle, or
    // where it has none that can be read, the shell's item ID lists.
    template <class Source> Intake TakeFilesOf(Source& source);
    // The files of the intake made of the source, if it opens.
    template <class SourceIntake, class Handle> Intake TakeOpened(Handle hSource);
    Intake TakeFiles(CPathIntake& intake);
    void ShowIntake(Intake intake);
    // The list and its count after a change of its items, told to a screen reader.
    void ShowChangedList();
    void ShowPaths();
    static void ReportCopy(ClipboardWrite result);
    // Walks the list's folders for a copy, as a long job; false, and said
    // why, when there is nothing to copy (cancelled, too many, no file).
    // bTimes: the files' last writes too (for the table).
    bool WalkFolders(CFolderExpansion& expansion, bool bTimes);

    CPathList m_paths;
    // Until the window has taken it.
    LPCWSTR m_lpszCommandLine = NULL;
    // A drop was refused for too many items, and its message is yet to show.
    bool m_bTooManyDue = false;
    // The copies of the menu take the files inside the list's folders.
    bool m_bExpandFolders = false;
    // How many lines the last walk gave.
    size_t m_nWalkedLines = 0;
    CSystemServerNames m_serverNames;
    CSystemNameOrder m_nameOrder;
    HICON m_hIcon;
    HACCEL m_hAccelTable;
    CPathsBox m_pathsBox;
    COleDropTarget m_dropTarget;
    // The folders picture and the caption, drawn for the window's DPI.
    static const CDialogPictures::Variants s_pictures[2];
    CDialogPictures m_pictures{s_pictures};
    CCountVoice m_countVoice;
};
