// Hands the fuzzer's input to the ID list array check as a block, byte for
// byte. libFuzzer passes the input in an allocation of exactly its size, so
// under ASan a read past it aborts: walking each ID list of an accepted block
// as the shell does, cb by cb with no bound but the list's own zero cb, proves
// the check never accepts a block the shell reads past. A bounded check
// written apart from it, which walks every list anew, must agree on every
// block and on the items in it, so the check rejects no block the shell reads
// whole either.
#include "pathlist/IdListArrayCheck.h"
#include "tests/fuzz/Harness.h"

#include <cstdint>

namespace {

unsigned LittleEndian16(const uint8_t* p)
{
    return p[0] | p[1] << 8;
}

// The items of one ID list, read as the shell reads them: cb by cb to a zero
// cb.
long CountItemsUnbounded(const uint8_t* pList)
{
    long nItems = 0;
    for (; LittleEndian16(pList) != 0; pList += LittleEndian16(pList))
        ++nItems;
    return nItems;
}

// The same rules by index, counting the items of every list: the count, the
// offsets, then each list item by item, each cb looked at only when the block
// holds both its bytes. -1 for a block the shell would read past.
long ReferenceItemCount(const uint8_t* data, size_t size)
{
    if (size < 4)
        return -1;
    const uint64_t nLists = uint64_t{LittleEndian32(data)} + 1;
    if (4 + 4 * nLists > size)
        return -1;
    long nItems = 0;
    for (size_t list = 0; list < nLists; ++list) {
        size_t i = LittleEndian32(data + 4 + 4 * list);
        for (;; ++nItems) {
            if (i + 2 > size)
                return -1;
            const unsigned cb = LittleEndian16(data + i);
            if (cb == 0)
                break;
            if (cb == 1 || i + cb > size)
                return -1;
            i += cb;
        }
    }
    return nItems;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const bool bReadable = IsReadableIdListArray(data, size);
    const long nReferenceItems = ReferenceItemCount(data, size);
    REQUIRE(bReadable == (nReferenceItems >= 0));
    // The walks' count is compared, so the compiler keeps every read of them.
    if (bReadable) {
        long nItems = 0;
        for (uint32_t list = 0; list <= LittleEndian32(data); ++list)
            nItems += CountItemsUnbounded(data + LittleEndian32(data + 4 + 4 * list));
        REQUIRE(nItems == nReferenceItems);
    }
    return 0;
}
