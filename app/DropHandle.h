#pragma once

#include "pathlist/PathList.h"

#include <windows.h>

#include <shellapi.h>

// A drop handle is what another program hands the window, by a drop or on
// the clipboard: whether its block holds a list the shell reads without
// leaving it. Nothing else may be asked of a handle that fails.
bool IsReadableDrop(HDROP hDrop);

// The handle's items as a path list fetches them: each path whole, however
// long (its length asked first), and no more than the handle gave.
template <class Char> typename CBasicPathList<Char>::FetchPath DropItems(HDROP hDrop);
