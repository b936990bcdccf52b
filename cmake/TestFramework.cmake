# GoogleTest: Debian's build for this machine; for a cross build, the same
# sources compiled by the cross compiler; elsewhere, an installed package.
set(VEXLO_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources for a cross build")

if(CMAKE_CROSSCOMPILING)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    add_subdirectory(${VEXLO_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    if(NOT TARGET GTest::gtest) # GoogleTest 1.11 and later name them itself
        add_library(GTest::gtest ALIAS gtest)
        add_library(GTest::gtest_main ALIAS gtest_main)
    endif()
else()
    find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# One test binary: discovered case by case where it runs natively; run whole
# under the emulator where every start costs a Wine process.
function(vexlo_add_test_binary target)
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME ${target} COMMAND ${target})
    else()
        gtest_discover_tests(${target})
    endif()
endfunction()

# Tests under Wine share their prefix's server, desktop and clipboard: those of
# one prefix take turns, those of others run beside them (the Windows test
# presets run two at once). Last in a folder, gives every test of the folder
# that runs under Wine and names no prefix of its own the build tree's one.
function(vexlo_lock_wine_prefixes)
    if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
        return()
    endif()
    get_property(tests DIRECTORY PROPERTY TESTS)
    foreach(test IN LISTS tests)
        get_test_property(${test} RESOURCE_LOCK prefix)
        get_test_property(${test} LABELS labels)
        if(NOT prefix AND NOT "static" IN_LIST labels)
            set_tests_properties(${test} PROPERTIES RESOURCE_LOCK ${PROJECT_BINARY_DIR}/wineprefix)
        endif()
    endforeach()
endfunction()
