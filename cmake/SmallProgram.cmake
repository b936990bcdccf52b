# Keeps a Windows program small: its code optimised for size and without
# exceptions (see app/NoExceptions.cpp), unused code dropped, the result
# stripped. As C++20, libstdc++ compiles std::string into the program rather
# than linking its prebuilt copy, which is built with exceptions and so would
# bring the unwinder back.

# Every library and object of the program. With GCC and libstdc++ only: MSVC's
# MinSizeRel already optimises for size and drops unused code.
function(vexlo_small_code)
    if(MSVC)
        return()
    endif()
    foreach(target IN LISTS ARGN)
        target_compile_options(${target} PRIVATE -Os -fno-exceptions -fno-rtti -ffunction-sections -fdata-sections)
        if(CMAKE_SIZEOF_VOID_P EQUAL 4)
            # 32-bit GCC's unwind tables serve only its own exceptions, which
            # the program does not use (6.5 KiB). 64-bit Windows itself walks
            # the stack by its unwind data: those stay.
            # 32-bit Windows keeps its stack 4-byte aligned, as MSVC does;
            # GCC's padding of every frame to 16 bytes serves SSE, which the
            # program does not use (0.2 KiB).
            target_compile_options(${target} PRIVATE -fno-asynchronous-unwind-tables
                                                     -mpreferred-stack-boundary=2)
        endif()
        set_target_properties(${target} PROPERTIES CXX_STANDARD 20)
    endforeach()
endfunction()

# The executable: its own sources and those of the layer libraries named after
# it, compiled again for it with link-time optimisation, so that the optimiser
# sees the whole program across the layers (a sixth of it smaller). The
# libraries themselves, which the tests link, are built from the same sources
# without it: mingw-w64's 32-bit linker cannot mix the two kinds of object.
function(vexlo_small_executable target)
    vexlo_small_code(${target})
    if(MSVC)
        return()
    endif()
    foreach(library IN LISTS ARGN)
        get_target_property(folder ${library} SOURCE_DIR)
        get_target_property(sources ${library} SOURCES)
        get_target_property(definitions ${library} COMPILE_DEFINITIONS)
        get_target_property(libraries ${library} LINK_LIBRARIES)
        list(TRANSFORM sources PREPEND ${folder}/)
        target_sources(${target} PRIVATE ${sources})
        # What the library's own sources build with: headers, system DLLs.
        if(libraries)
            target_link_libraries(${target} PRIVATE ${libraries})
        endif()
        if(definitions)
            set_source_files_properties(${sources} TARGET_DIRECTORY ${target}
                PROPERTIES COMPILE_DEFINITIONS "${definitions}")
        endif()
    endforeach()
    target_compile_options(${target} PRIVATE -flto)
    target_link_options(${target} PRIVATE -flto -Wl,--gc-sections -s)
endfunction()
