# The package of a release (cpack, in a build folder): a ZIP holding
# Vexlo.exe and a short read-me in Japanese and English, in a folder of the
# same name, Vexlo-<version>-win32 or -win64. The version is project()'s, the
# one the version resource carries. tools/package.sh makes both packages and
# their checksums.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(CPACK_SYSTEM_NAME win64) # CPack's own default names every mingw-w64 build win32
else()
    set(CPACK_SYSTEM_NAME win32)
endif()
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION}) # all four numbers: CPack would take three
set(CPACK_GENERATOR ZIP)

install(TARGETS Vexlo RUNTIME DESTINATION .)
# For Notepad, old and new: UTF-8 with a byte order mark, CR LF.
configure_file(package/README.txt.in package/README.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${PROJECT_BINARY_DIR}/package/README.txt DESTINATION .)

include(CPack)
