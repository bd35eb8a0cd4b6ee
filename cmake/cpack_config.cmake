# Read by cpack before it installs anything, once for each package it makes.
# With SOURCE_DATE_EPOCH set, strip stamps a PE header with that time instead
# of the present one, and cpack leaves the time out of the gzip headers it
# writes.
set(ENV{SOURCE_DATE_EPOCH} "${CPACK_SOURCE_DATE_EPOCH}")
# Without these, a Debian package fails late (file) or lacks its Depends
# (dpkg-shlibdeps).
if(CPACK_GENERATOR STREQUAL "DEB")
    find_program(dpkg_shlibdeps dpkg-shlibdeps)
    find_program(file_command file)
    if(NOT dpkg_shlibdeps OR NOT file_command)
        message(FATAL_ERROR "The Debian package needs dpkg-shlibdeps and file (Debian's dpkg-dev and file)")
    endif()
endif()
