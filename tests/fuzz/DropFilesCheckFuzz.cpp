// Hands the fuzzer's input to the drop block check as a block, byte for byte.
// libFuzzer passes the input in an allocation of exactly its size, so under
// ASan a read past it aborts: walking each accepted list as DragQueryFile
// does, with no bound but the list's own end, proves the check never accepts
// a block the shell reads past. A bounded check written apart from it must
// agree on every block and on the names in it, so the check rejects no block
// the shell reads whole either; a list tells it names nothing exactly when the
// shell counts no names in it.
#include "pathlist/DropFilesCheck.h"
#include "tests/fuzz/Harness.h"

#include <cstdint>

namespace {

bool IsNulUnit(const uint8_t* p, size_t nUnit)
{
    for (size_t i = 0; i < nUnit; ++i)
        if (p[i])
            return false;
    return true;
}

// The names DragQueryFile counts, read as it reads them: name after name,
// each up to its NUL, until an empty one.
long CountNamesUnbounded(const uint8_t* pList, size_t nUnit)
{
    long nNames = 0;
    while (!IsNulUnit(pList, nUnit)) {
        do
            pList += nUnit;
        while (!IsNulUnit(pList - nUnit, nUnit));
        ++nNames;
    }
    return nNames;
}

// The same rules by index, counting the names: the header's fields, then the
// list name by name, each unit looked at only when the block holds all of it.
// -1 for a block the shell would read past.
long ReferenceNameCount(const uint8_t* data, size_t size)
{
    if (size < 20)
        return -1;
    const uint32_t pFiles = LittleEndian32(data);
    const size_t nUnit = LittleEndian32(data + 16) ? 2 : 1;
    if (pFiles < 20 || pFiles >= size)
        return -1;
    for (size_t i = pFiles, nNames = 0;; ++nNames) {
        if (i + nUnit > size)
            return -1;
        if (IsNulUnit(data + i, nUnit))
            return static_cast<long>(nNames); // the empty name
        while (i + nUnit <= size && !IsNulUnit(data + i, nUnit))
            i += nUnit;
        if (i + nUnit > size)
            return -1; // a name without its NUL
        i += nUnit;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const bool bReadable = IsReadableDropFiles(data, size);
    const long nReferenceNames = ReferenceNameCount(data, size);
    REQUIRE(bReadable == (nReferenceNames >= 0));
    // The walk's count is compared, so the compiler keeps every read of it.
    if (bReadable) {
        const size_t nUnit = LittleEndian32(data + 16) ? 2 : 1;
        REQUIRE(CountNamesUnbounded(data + LittleEndian32(data), nUnit) == nReferenceNames);
        REQUIRE(IsEmptyDropFiles(data) == (nReferenceNames == 0));
    }
    return 0;
}
