// The run-time part of GCC's stack protector (-fstack-protector-strong) for
// the program: the guard value that protected functions check on return, and
// what happens when one finds it overwritten. In place of libssp's, whose
// set-up opens a cryptographic provider at every start (CryptAcquireContext
// loads the provider's DLLs: 6% of the program's start-up under Wine).
#include <windows.h>

#include <ntsecapi.h>

extern "C" {
// What it holds until it is seeded, and if the seed fails: libssp's
// fallback, whose NUL and line feed end the strings an overflow copies.
void* __stack_chk_guard = reinterpret_cast<void*>(0xFF0A0000);

// A protected function found its frame overwritten: the process ends at once,
// as Windows ends a program whose own stack cookie failed (Windows 8 and
// later report it as a stack buffer overrun; older ones as a fault).
[[noreturn]] void __stack_chk_fail()
{
    __asm__ volatile("int $0x29" : : "c"(FAST_FAIL_STACK_COOKIE_CHECK_FAILURE));
    __builtin_unreachable();
}
}

namespace {
// From the system's own random number generator, before the program's other
// constructors run. Unprotected itself: it changes the guard it would check.
__attribute__((constructor(101), no_stack_protector)) void SeedStackGuard()
{
    RtlGenRandom(&__stack_chk_guard, sizeof __stack_chk_guard);
}
} // namespace
