#pragma once

// What the fuzz harnesses share: an invariant that ends the run with its text
// when it fails, so that libFuzzer keeps the input, and the reading of a field
// of the input's bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

inline void Require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "broken invariant: %s\n", what);
        std::abort();
    }
}
#define REQUIRE(condition) Require(condition, #condition)

// The 32-bit field at p, in Windows' byte order, whatever its alignment.
inline uint32_t LittleEndian32(const uint8_t* p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}
