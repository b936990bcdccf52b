#pragma once

#include <cstddef>

// Whether the nBytes at pBlock hold a "Shell IDList Array" (CIDA) whose item
// ID lists the shell reads without leaving the block: a UINT count cidl, then
// cidl + 1 UINT offsets from the block's start, the first to the parent
// folder's ID list, the others to the items'; each list a chain of SHITEMIDs,
// a USHORT cb counting itself and then cb - 2 bytes, every item inside the
// block, ended by a zero cb wholly inside it. A cb of 1 is malformed. An empty
// list (the desktop as the parent) and a count of 0 (no items) are readable.
//
// The block comes from another program, buggy or hostile, through a drop's
// data object or the clipboard, and the shell trusts it: ILCombine and
// SHGetNameFromIDList walk an ID list cb by cb to its zero cb with no bound,
// so a list without its end reads past the block.
//
// Linear in nBytes (what GlobalSize says of the block), however many offsets
// name one long chain: the walks share what they have seen, so each byte is
// stepped on at most once in all, beside one look at each offset, at the cost
// of nBytes / 8 bytes of memory. A block too large for that memory is not
// readable.
bool IsReadableIdListArray(const void* pBlock, size_t nBytes);
