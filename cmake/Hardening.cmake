# The protections Windows offers a program, marked by GNU ld on every Windows
# executable: data is never executable (NX), the image loads at a random
# address (ASLR: a dynamic base, with the relocations ld keeps for it), from
# anywhere in the 64-bit address space (high-entropy ASLR), and it is
# terminal-server aware. The 32-bit images say they have no SEH handlers, so
# that Windows calls none of their code as one: GCC unwinds with DWARF tables
# and registers none. binutils 2.36 and later set NX and ASLR by default;
# naming them keeps them with an older ld. tests/app checks the flags in
# Vexlo.exe.
# Functions with arrays or addresses of locals also check a guard value on
# return (GCC's stack protector; its guard and failure are the program's own,
# app/StackProtector.cpp, and libssp's in the tests).
if(WIN32 AND NOT MSVC)
    add_compile_options(-fstack-protector-strong)
    add_link_options(-fstack-protector-strong)
    add_link_options(LINKER:--nxcompat LINKER:--dynamicbase LINKER:--tsaware)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        add_link_options(LINKER:--high-entropy-va)
    else()
        add_link_options(LINKER:--no-seh)
    endif()
endif()
