#pragma once

#include <windows.h>

#include <shlobj.h>

#include <string>
#include <vector>

// The clipboard format of the shell's item ID lists.
const UINT CF_IDLISTS = ::RegisterClipboardFormatW(L"Shell IDList Array");

// The items' ID lists as the shell puts them in a drag's data or on the
// clipboard (a CIDA, in global memory), with the desktop as their parent
// folder. Frees the items.
HGLOBAL MakeIdLists(const std::vector<PIDLIST_ABSOLUTE>& items);
// The same of existing files and folders, by their full paths.
HGLOBAL MakeIdLists(const std::vector<std::wstring>& paths);
// An item the shell cannot name, neither by a path nor by a parsing name: a
// child of "PC" that is none of its drives.
PIDLIST_ABSOLUTE MakeUnnamedItem();
