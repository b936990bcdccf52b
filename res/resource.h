// Identifiers shared by the code and the resource script. Dialogs and
// strings have separate name spaces, so dialog 102 and string 102 coexist.
#pragma once

#define IDD_PATHLIST_DIALOG 102
#define IDD_INFO 129

#define IDR_MAINFRAME 128
#define IDB_FOLDERS 135
#define IDB_CAPTION 136
#define IDB_FOLDERS_144 137
#define IDB_FOLDERS_192 138
#define IDB_CAPTION_144 139
#define IDB_CAPTION_192 140

#define IDS_INFO_TEXT 102
#define IDS_INFO_HIDDEN 103
#define IDS_CONFIRM_COPY 104
#define IDS_TOO_MANY 105
#define IDS_CLIPBOARD_BUSY 106

// Main dialog
#define IDC_INFO 16
#define IDC_SLASH 17
#define IDC_CASE 18
#define IDC_COPYALL 20
#define IDC_PATHS 1003
#define IDC_COUNT 1015

// Info dialog
#define IDC_INFO_TEXT 1008
#define IDC_INFO_HIDDEN 1009

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
