# cmake -D OBJDUMP=... -D PROGRAM=... -D DLLS=a.dll,b.dll -P CheckImports.cmake
# Fails unless PROGRAM imports exactly the DLLs listed (in any order and case),
# each of them one of the system's known DLLs, and none of the functions that
# a known DLL forwards to a DLL that is not.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/ProgramFile.cmake)

# The system's known DLLs, which Windows loads from its own folder alone
# (HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\KnownDLLs): the
# entries that Windows 7, 10 and 11 all have.
set(KNOWN_DLLS advapi32 clbcatq comdlg32 difxapi gdi32 imagehlp imm32 kernel32 msctf msvcrt
    normaliz nsi ole32 oleaut32 psapi rpcrt4 sechost setupapi shell32 shlwapi user32 wldap32
    ws2_32)

# Functions of known DLLs that Windows forwards to DLLs that are not known
# (DLL:function:where to), from dumps of its export tables. The loader
# resolves a forward as the program loads, before the program's first
# instruction can restrict the DLL search: it would look for CRYPTBASE.dll or
# CRYPTSP.dll beside the program. Forwards to NTDLL and KERNELBASE (in every
# process before the program's imports) and to API sets (api-ms-win-*, which
# the loader maps by the system's own table) load nothing from a folder.
set(FORWARDED_OUT)
foreach(n 001 002 003 004 005 028 029 034 036 040 041)
    list(APPEND FORWARDED_OUT advapi32.dll:SystemFunction${n}:CRYPTBASE.dll)
endforeach()
foreach(n 006 007 008 009 010 011 012 013 014 015 016 018 020 021 022 023 024 025 026 027 030 031
        032 033 035)
    list(APPEND FORWARDED_OUT advapi32.dll:SystemFunction${n}:CRYPTSP.dll)
endforeach()

# objdump's import tables: "DLL Name: NAME", then a line per function with its
# hint and name.
string(REPLACE "\n" ";" lines "${dump}")
set(imported)
set(functions)
foreach(line IN LISTS lines)
    if(line MATCHES "DLL Name: ([^ ]+)")
        string(TOLOWER "${CMAKE_MATCH_1}" dll)
        list(APPEND imported ${dll})
    elseif(dll AND line MATCHES "^\t[0-9a-f]+\t +[0-9]+ +([A-Za-z_][A-Za-z0-9_@]*)$")
        list(APPEND functions ${dll}:${CMAKE_MATCH_1})
    endif()
endforeach()

string(REPLACE "," ";" DLLS "${DLLS}")
string(TOLOWER "${DLLS}" expected)
list(SORT imported)
list(SORT expected)
if(NOT imported STREQUAL expected)
    message(FATAL_ERROR "${PROGRAM} imports: ${imported}; expected: ${expected}")
endif()
list(LENGTH functions nFunctions)
if(nFunctions EQUAL 0)
    message(FATAL_ERROR "no imported function found in what ${OBJDUMP} says of ${PROGRAM}")
endif()
foreach(dll IN LISTS imported)
    string(REGEX REPLACE "\\.dll$" "" name "${dll}")
    if(NOT name IN_LIST KNOWN_DLLS)
        message(FATAL_ERROR "${PROGRAM} imports ${dll}, which is not a known DLL")
    endif()
endforeach()
foreach(forward IN LISTS FORWARDED_OUT)
    string(REGEX MATCH "^[^:]+:[^:]+" function "${forward}")
    if(function IN_LIST functions)
        string(REGEX REPLACE ".*:" "" target "${forward}")
        message(FATAL_ERROR "${PROGRAM} imports ${function}, which Windows forwards to ${target}, "
                            "not a known DLL")
    endif()
endforeach()
message(STATUS "${PROGRAM} imports ${imported}, ${nFunctions} functions")
