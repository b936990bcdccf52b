#include "pathlist/DropFilesCheck.h"

#include <cstdint>
#include <cstring>

namespace {
// DROPFILES, the same in 32- and 64-bit Windows: DWORD pFiles, POINT pt,
// BOOL fNC, BOOL fWide.
constexpr size_t HEADER_SIZE = 20;
constexpr size_t PFILES_OFFSET = 0;
constexpr size_t FWIDE_OFFSET = 16;

// The block has no alignment we may count on, so the fields are copied out,
// in this machine's byte order: that of Windows, little-endian.
uint32_t Field(const unsigned char* pBytes, size_t nOffset)
{
    uint32_t value;
    std::memcpy(&value, pBytes + nOffset, sizeof value);
    return value;
}
} // namespace

bool IsReadableDropFiles(const void* pBlock, size_t nBytes)
{
    if (!pBlock || nBytes < HEADER_SIZE)
        return false;
    const auto* pBytes = static_cast<const unsigned char*>(pBlock);
    const uint32_t pFiles = Field(pBytes, PFILES_OFFSET);
    if (pFiles < HEADER_SIZE || pFiles >= nBytes)
        return false;

    // Whole units from pFiles on; a wide list's odd last byte is none.
    const size_t nUnit = Field(pBytes, FWIDE_OFFSET) ? 2 : 1;
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

bool IsEmptyDropFiles(const void* pBlock)
{
    // The check found a whole first unit at pFiles.
    const auto* pBytes = static_cast<const unsigned char*>(pBlock);
    const unsigned char* pFirst = pBytes + Field(pBytes, PFILES_OFFSET);
    return pFirst[0] == 0 && (!Field(pBytes, FWIDE_OFFSET) || pFirst[1] == 0);
}
