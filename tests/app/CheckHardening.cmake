# cmake -D OBJDUMP=... -D PROGRAM=... -D FLAGS=NX_COMPAT,... -P CheckHardening.cmake
# Fails unless PROGRAM's DllCharacteristics include every flag listed (as
# objdump names them) and, as a dynamic base is worth nothing without them, it
# keeps its base relocations, and unless its code checks a stack guard: the
# stack protector's failure (app/StackProtector.cpp) is linked in only when
# code calls it.
include(${CMAKE_CURRENT_LIST_DIR}/ProgramFile.cmake)
string(REPLACE "," ";" FLAGS "${FLAGS}")
# The value's line, then one indented line per flag set.
string(REGEX MATCH "\nDllCharacteristics[^\n]*\n([ \t]+[A-Z_]+\n)*" characteristics "${dump}")
set(missing)
foreach(flag IN LISTS FLAGS)
    if(NOT characteristics MATCHES "[ \t]${flag}\n")
        list(APPEND missing ${flag})
    endif()
endforeach()
if(missing)
    message(FATAL_ERROR "${PROGRAM} lacks ${missing}; it has:${characteristics}")
endif()
string(REGEX MATCH "Entry 5 [0-9a-fA-F]+ ([0-9a-fA-F]+) Base Relocation Directory" relocations "${dump}")
set(relocations_size "${CMAKE_MATCH_1}")
if(dump MATCHES "relocations stripped" OR NOT relocations_size MATCHES "[1-9a-fA-F]")
    message(FATAL_ERROR "${PROGRAM} has no base relocations: Windows cannot move it")
endif()
# The stack protector's failure ends the process by Windows' fast fail
# (mov ecx, FAST_FAIL_STACK_COOKIE_CHECK_FAILURE; int 0x29): a byte sequence,
# found at a whole byte.
file(READ ${PROGRAM} bytes HEX)
set(at 0)
set(fail -1)
while(fail EQUAL -1)
    string(SUBSTRING "${bytes}" ${at} -1 rest)
    string(FIND "${rest}" "b902000000cd29" found)
    if(found EQUAL -1)
        break()
    endif()
    math(EXPR at "${at} + ${found}")
    math(EXPR odd "${at} % 2")
    if(odd)
        math(EXPR at "${at} + 1")
    else()
        set(fail ${at})
    endif()
endwhile()
if(fail EQUAL -1)
    message(FATAL_ERROR "${PROGRAM} has no stack protector")
endif()
message(STATUS "${PROGRAM} has ${FLAGS}, base relocations and the stack protector")
