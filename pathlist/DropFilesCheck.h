#pragma once

#include <cstddef>

// Whether the nBytes at pBlock hold a drop list the shell's DragQueryFile reads
// without leaving the block: a whole DROPFILES header, then, from its pFiles
// offset past the header and inside the block, names each ended by a NUL unit
// and the list ended by an empty name; the units are bytes of the ANSI code
// page, or whole UTF-16 units when fWide is nonzero.
//
// A drop or a pasted CF_HDROP is a block another program wrote, buggy or
// hostile, and DragQueryFile trusts it: a list without its end reads past the
// block. An elevated window that lets drops through its message filter takes
// them from programs of lower integrity too.
//
// This is what Windows reads. Wine reads a list whose first name is empty
// otherwise: it counts one empty name and reads the unit after it.
bool IsReadableDropFiles(const void* pBlock, size_t nBytes);

// Of a block IsReadableDropFiles passes: whether its list names nothing, its
// first name being empty. The shell's DragQueryFile counts no names in it;
// Wine's counts one empty name, or reads on past an empty first name.
bool IsEmptyDropFiles(const void* pBlock);
