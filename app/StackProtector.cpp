// The run-time part of GCC's stack protector (-fstack-protector-strong) for
// the program: the guard value that protected functions check on return, and
// what happens when one finds it overwritten. In place of libssp's, whose
// set-up opens a cryptographic provider at every start (CryptAcquireContext
// loads the provider's DLLs: 6% of the program's start-up under Wine).
#include <windows.h>

extern "C" {
// Seeded before any protected function runs.
void* __stack_chk_guard;

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
// h with v stirred in, every bit of v reaching every bit of h.
unsigned long long Stir(unsigned long long h, unsigned long long v)
{
    h = (h ^ v) * 0x9E3779B97F4A7C15ull;
    return h ^ (h >> 29);
}

// From what differs at every start and costs nothing to read, as Visual C++
// seeds its own cookie: the time, the process and thread, the performance
// counter, and where ASLR put the program and its stack. Only KERNEL32:
// RtlGenRandom (ADVAPI32!SystemFunction036) forwards to CRYPTBASE.dll, which
// is no known DLL, and the loader would look for it beside the program before
// the program's first instruction could restrict the search. Before the
// program's other constructors; unprotected itself, since it changes the
// guard it would check.
__attribute__((constructor(101), no_stack_protector)) void SeedStackGuard()
{
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    LARGE_INTEGER counter;
    ::QueryPerformanceCounter(&counter);
    unsigned long long h =
        (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    h = Stir(h, (static_cast<unsigned long long>(::GetCurrentProcessId()) << 32) |
                    ::GetCurrentThreadId());
    h = Stir(h, ::GetTickCount());
    h = Stir(h, counter.QuadPart);
    h = Stir(h, reinterpret_cast<UINT_PTR>(&now));
    h = Stir(h, reinterpret_cast<UINT_PTR>(::GetModuleHandleW(NULL)));
    __stack_chk_guard = reinterpret_cast<void*>(static_cast<UINT_PTR>(h ^ (h >> 32)));
}
} // namespace
