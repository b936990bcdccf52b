#pragma once

#include <windows.h>

#include <cstddef>

// Whether pfnIsReadable passes the bytes of a block of global memory that
// another program handed over (by a drop or on the clipboard); false for a
// handle that is no such block.
bool IsReadableGlobal(HGLOBAL hData, bool (*pfnIsReadable)(const void* pBlock, size_t nBytes));
