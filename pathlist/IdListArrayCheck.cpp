#include "pathlist/IdListArrayCheck.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {
// CIDA: UINT cidl, then UINT aoffset[cidl + 1]. SHITEMID: USHORT cb, then
// cb - 2 bytes of the item.
constexpr size_t FIELD_SIZE = 4;
constexpr size_t CB_SIZE = 2;

// Whether the ID list at nOffset ends inside the block. The fields are copied
// out, as the block has no alignment we may count on, in this machine's byte
// order: that of Windows, little-endian.
//
// pMarks holds a bit for each byte of the block, set where an item of a list
// already walked starts. A walk that meets one stops there: the rest of that
// chain has been walked and ended inside the block, as any other would have
// ended the check. So each byte starts at most one item walked.
bool ListEndsInside(const unsigned char* pBytes, size_t nBytes, size_t nOffset,
                    unsigned char* pMarks)
{
    for (size_t i = nOffset;;) {
        if (i > nBytes - CB_SIZE)
            return false;
        unsigned char& mark = pMarks[i / 8];
        const unsigned char bit = 1u << i % 8;
        if (mark & bit)
            return true;
        mark |= bit;
        uint16_t cb;
        std::memcpy(&cb, pBytes + i, sizeof cb);
        if (cb == 0)
            return true;
        if (cb < CB_SIZE || cb > nBytes - i)
            return false;
        i += cb;
    }
}
} // namespace

bool IsReadableIdListArray(const void* pBlock, size_t nBytes)
{
    if (!pBlock || nBytes < FIELD_SIZE)
        return false;
    const auto* pBytes = static_cast<const unsigned char*>(pBlock);
    uint32_t cidl;
    std::memcpy(&cidl, pBytes, sizeof cidl);
    // The count and its cidl + 1 offsets, counted in 64 bits: cidl may be
    // 0xFFFFFFFF, and four times it overflows 32.
    if (uint64_t{cidl} + 2 > nBytes / FIELD_SIZE)
        return false;

    const std::unique_ptr<unsigned char, decltype(&std::free)> marks(
        static_cast<unsigned char*>(std::calloc(nBytes / 8 + 1, 1)), &std::free);
    if (!marks)
        return false;
    const unsigned char* pOffset = pBytes + FIELD_SIZE;
    const unsigned char* pOffsetsEnd = pOffset + FIELD_SIZE * (size_t{cidl} + 1);
    for (; pOffset != pOffsetsEnd; pOffset += FIELD_SIZE) {
        uint32_t offset;
        std::memcpy(&offset, pOffset, sizeof offset);
        if (!ListEndsInside(pBytes, nBytes, offset, marks.get()))
            return false;
    }
    return true;
}
