#pragma once

// A table row for the checks of blocks that other programs hand over, and the
// block as such a check gets it. Portable: the core's tests use it too.
#include <algorithm>
#include <memory>
#include <string>

struct BlockCase
{
    const char* what;
    std::string block;
    bool readable;
};

// The block's bytes in an allocation of exactly their size, so that under
// ASan a read past them aborts.
inline std::unique_ptr<unsigned char[]> ExactCopy(const std::string& block)
{
    auto copy = std::make_unique<unsigned char[]>(block.size());
    std::copy(block.begin(), block.end(), copy.get());
    return copy;
}
