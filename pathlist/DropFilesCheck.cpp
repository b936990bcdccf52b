#include "pathlist/DropFilesCheck.h"

#include <cstdint>
#include <cstring>

namespace {
// DROPFILES, the same in 32- and 64-bit Windows: DWORD pFiles, POINT pt,
// BOOL fNC, BOOL fWide.
constexpr size_t HEADER_SIZE = 20;
constexpr size_t PFILES_OFFSET = 0;
constexpr size_t FWIDE_OFFSET = 16;
} // namespace

bool IsReadableDropFiles(const void* pBlock, size_t nBytes)
{
    if (!pBlock || nBytes < HEADER_SIZE)
        return false;
    // The block has no alignment we may count on, so the fields are copied
    // out, in this machine's byte order: that of Windows, little-endian.
    const auto* pBytes = static_cast<const unsigned char*>(pBlock);
    uint32_t pFiles, fWide;
    std::memcpy(&pFiles, pBytes + PFILES_OFFSET, sizeof pFiles);
    std::memcpy(&fWide, pBytes + FWIDE_OFFSET, sizeof fWide);
    if (pFiles < HEADER_SIZE || pFiles >= nBytes)
        return false;

    // Whole units from pFiles on; a wide list's odd last byte is none.
    const size_t nUnit = fWide ? 2 : 1;
    const unsigned char* pUnit = pBytes + pFiles;
    const unsigned char* pEnd = pUnit + (nBytes - pFiles) / nUnit * nUnit;
    bool bNameStart = true;
    for (; pUnit != pEnd; pUnit += nUnit) {
        const bool bNul = pUnit[0] == 0 && pUnit[nUnit - 1] == 0;
        if (bNul && bNameStart)
            return true; // the empty name that ends the list
        bNameStart = bNul;
    }
    return false;
}
