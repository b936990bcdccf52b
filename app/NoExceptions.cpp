// The program is built without exceptions. It throws none of its own, and it
// could not recover from those the standard library would raise for it: memory
// exhausted, a string beyond max_size or made from a null pointer, an empty
// std::function called. These end the process here, as an uncaught exception
// would, instead of in the library's throwing versions, which bring in the
// unwinder and the demangler: three times the size of the rest of the program.
#include <cstdlib>
#include <functional>
#include <new>
#include <string>

void* operator new(std::size_t nSize)
{
    if (void* p = std::malloc(nSize ? nSize : 1))
        return p;
    std::abort();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

// Where the program's use of libstdc++ can report an error, as libstdc++ itself
// does when built without exceptions. Should the program come to use another,
// the linker fetches the library's own and reports every one here as defined
// twice: add the new one.
void std::__throw_bad_alloc()
{
    std::abort();
}

void std::__throw_bad_array_new_length()
{
    std::abort();
}

void std::__throw_length_error(const char*)
{
    std::abort();
}

void std::__throw_logic_error(const char*)
{
    std::abort();
}

void std::__throw_out_of_range_fmt(const char*, ...)
{
    std::abort();
}

void std::__throw_bad_function_call()
{
    std::abort();
}
