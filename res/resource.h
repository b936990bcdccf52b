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
#define IDR_PATHS_MENU 141
#define IDD_PROGRESS 142

// Strings are stored sixteen to a resource (ids 96-111 in one): kept within
// that block, they cost one resource, not three.
#define IDS_WALK_TITLE 96
#define IDS_WALK_COPIED 97
#define IDS_WALK_UNREADABLE 98
#define IDS_WALK_NO_FILES 99
#define IDS_WALK_TOO_LARGE 100
#define IDS_WALK_FILES_FOUND 101
#define IDS_INFO_TEXT 102
#define IDS_INFO_HIDDEN 103
#define IDS_CONFIRM_COPY 104
#define IDS_TOO_MANY 105
#define IDS_CLIPBOARD_BUSY 106
#define IDS_COPY_FAILED 107
#define IDS_COUNT_NAME 108
#define IDS_TABLE_HEADER 109
#define IDS_FOLDER_KIND 110
#define IDS_TABLE_TOO_LARGE 111

// Main dialog
#define IDC_INFO 16
#define IDC_SLASH 17
#define IDC_CASE 18
#define IDC_COPYALL 20
#define IDC_PATHS 1003
#define IDC_COUNT 1015

// The path box's menu and the keys: the class library's own commands, one
// copy command per form, in the order of the forms, the name order and the
// intakes' adding.
#define ID_EDIT_CLEAR 0xE120
#define ID_EDIT_PASTE 0xE125
#define ID_EDIT_SELECT_ALL 0xE12A
#define ID_EDIT_UNDO 0xE12B
#define ID_COPY_QUOTED 32771
#define ID_COPY_NAMES 32772
#define ID_COPY_UNC 32773
#define ID_COPY_WSL 32774
#define ID_COPY_URL 32775
#define ID_COPY_TABLE 32776
#define ID_COPY_PARENT 32777
#define ID_COPY_ESCAPED 32778
#define ID_COPY_GIT_BASH 32779
#define ID_COPY_CYGWIN 32780
#define ID_COPY_ONE_LINE 32781
#define ID_COPY_STEM 32782
#define ID_COPY_CMD_ARGUMENTS 32783
#define ID_COPY_POWERSHELL 32784
#define ID_COPY_WSL_ARGUMENTS 32785
#define ID_COPY_GIT_BASH_ARGUMENTS 32786
#define ID_COPY_RELATIVE 32787
#define ID_COPY_LINKS 32788
#define ID_SORT_BY_NAME 32789
// The menu's settings, after the copies.
#define ID_ADD_ON_DROP 32800
#define ID_EXPAND_FOLDERS 32801

// The walk's progress window
#define IDC_PROGRESS_FILES 1020
#define IDC_PROGRESS_FOLDER 1021

// Info dialog
#define IDC_INFO_TEXT 1008
#define IDC_INFO_HIDDEN 1009
#define IDC_INFO_ICON 1010

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
