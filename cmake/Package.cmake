# The package of a release (cpack, in a build folder): a ZIP holding
# Vexlo.exe and a short read-me in Japanese and English, in a folder of the
# same name, Vexlo-<version>-win32 or -win64. The version is project()'s, the
# one the version resource carries. tools/package.sh makes both packages and
# their checksums.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION}) # all four numbers: CPack would take three
set(CPACK_GENERATOR ZIP)
include(CPack) # names the build win32 or win64 in CPACK_SYSTEM_NAME

install(TARGETS Vexlo RUNTIME DESTINATION .)
# For Notepad, old and new: UTF-8 with a byte order mark, CR LF.
configure_file(package/README.txt.in package/README.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${PROJECT_BINARY_DIR}/package/README.txt DESTINATION .)
