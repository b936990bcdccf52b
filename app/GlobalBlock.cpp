#include "app/GlobalBlock.h"

bool IsReadableGlobal(HGLOBAL hData, bool (*pfnIsReadable)(const void* pBlock, size_t nBytes))
{
    // A handle that is no block of global memory has no size and no lock.
    const SIZE_T nBytes = ::GlobalSize(hData);
    const void* pBlock = ::GlobalLock(hData);
    if (!pBlock)
        return false;
    const bool bReadable = pfnIsReadable(pBlock, nBytes);
    ::GlobalUnlock(hData);
    return bReadable;
}
