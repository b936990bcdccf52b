# The same sources give the same bytes, wherever and whenever they are built
# (tools/check-reproducible.sh builds twice and compares). ld would stamp the
# PE header with the time of the link, or with SOURCE_DATE_EPOCH when the
# environment sets it: leave the stamp out, so the bytes depend on neither.
# Nothing else varies; no path reaches the program, which is stripped.
if(WIN32 AND NOT MSVC)
    add_link_options(LINKER:--no-insert-timestamp)
endif()
