# What an install holds beside the program, and the package that cpack makes
# of it: on Windows, README.txt and LICENSE.txt beside average.exe, packed as
# a .zip; elsewhere the manual page, LICENSE and NEWS.md, packed as a .tar.gz,
# or with -DCPACK_GENERATOR=DEB the manual page and Debian's copyright and
# changelog, packed as a Debian package.
if(NOT CPACK_GENERATOR)
    if(WIN32)
        set(CPACK_GENERATOR ZIP)
    else()
        set(CPACK_GENERATOR TGZ)
    endif()
endif()

# The authors have no mailbox for the package: the .invalid domain says so.
set(AVERAGE_DEB_MAINTAINER "${copyright_holder} <average@authors.invalid>"
    CACHE STRING "Maintainer field of the Debian package; distributors set their own")

# Every date and timestamp that the build writes comes from the sources: the
# last commit's time, which a tree exported with git archive also gives its
# files. Without git, or where it refuses the tree, the files' time serves.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(source_date_epoch "$ENV{SOURCE_DATE_EPOCH}")
elseif(EXISTS "${PROJECT_SOURCE_DIR}/.git")
    find_package(Git QUIET)
    if(GIT_FOUND)
        execute_process(COMMAND "${GIT_EXECUTABLE}" log -1 --format=%ct WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
                        OUTPUT_VARIABLE source_date_epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
endif()
if(NOT source_date_epoch MATCHES "^[0-9]+$")
    file(TIMESTAMP "${PROJECT_SOURCE_DIR}/CMakeLists.txt" source_date_epoch "%s" UTC)
endif()
# string(TIMESTAMP) tells the time of SOURCE_DATE_EPOCH when that is set.
set(saved_epoch "$ENV{SOURCE_DATE_EPOCH}")
set(ENV{SOURCE_DATE_EPOCH} "${source_date_epoch}")
string(TIMESTAMP source_date "%Y-%m-%d" UTC)
set(ENV{SOURCE_DATE_EPOCH} "${saved_epoch}")

# The entry of this version in NEWS.md: its heading, which gives the date of
# the release or says that it is unreleased, and the lines after it up to the
# next heading. It is the text of the release, and of the Debian changelog.
file(READ "${PROJECT_SOURCE_DIR}/NEWS.md" news)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/NEWS.md")
string(REPLACE "." "\\." version_pattern "${PROJECT_VERSION}")
string(REGEX MATCH "\n## ${version_pattern} \\(([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]|unreleased)\\)\n(.*)"
       news_entry "${news}")
if(NOT news_entry)
    message(FATAL_ERROR "NEWS.md has no entry for version ${PROJECT_VERSION}, the version in project(): add one, "
                        "headed \"## ${PROJECT_VERSION} (unreleased)\" until its release date is set, "
                        "that says what changed")
endif()
set(release_date "${CMAKE_MATCH_1}")
string(FIND "${CMAKE_MATCH_2}" "\n## " end)
string(SUBSTRING "${CMAKE_MATCH_2}" 0 ${end} news_entry)
string(STRIP "${news_entry}" news_entry)
file(WRITE "${PROJECT_BINARY_DIR}/release-notes.md" "${news_entry}\n")

# Fills in the version and the date, then installs the file gzipped: gzip -n
# leaves the name and time out, as Debian wants for manual pages.
function(install_gzipped template destination)
    get_filename_component(name "${template}" NAME_WLE)
    set(source "${PROJECT_BINARY_DIR}/${name}")
    set(output "${source}.gz")
    configure_file("${template}" "${source}" @ONLY)
    add_custom_command(OUTPUT "${output}" COMMAND gzip -9n -c "${source}" > "${output}"
                       DEPENDS "${source}" VERBATIM)
    add_custom_target(gzip_${name} ALL DEPENDS "${output}")
    install(FILES "${output}" DESTINATION "${destination}")
endfunction()

# Installs a text file for Windows readers as <name>, with CR LF line ends.
function(install_windows_text name file)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${file}")
    file(READ "${file}" content)
    string(REPLACE "\n" "\r\n" content "${content}")
    file(WRITE "${PROJECT_BINARY_DIR}/${name}" "${content}")
    install(FILES "${PROJECT_BINARY_DIR}/${name}" DESTINATION "${CMAKE_INSTALL_BINDIR}")
endfunction()

if(WIN32)
    install_windows_text(README.txt "${PROJECT_SOURCE_DIR}/doc/README-windows.txt")
    install_windows_text(LICENSE.txt "${PROJECT_SOURCE_DIR}/LICENSE")
else()
    install_gzipped("${PROJECT_SOURCE_DIR}/doc/average.1.in" "${CMAKE_INSTALL_MANDIR}/man1")
endif()

if(CPACK_GENERATOR STREQUAL "DEB")
    # Without these, the package fails late (file) or lacks its Depends
    # (dpkg-shlibdeps).
    find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
    find_program(FILE_COMMAND file)
    if(NOT DPKG_SHLIBDEPS OR NOT FILE_COMMAND)
        message(FATAL_ERROR "The Debian package needs dpkg-shlibdeps and file (Debian's dpkg-dev and file)")
    endif()
    # Named as Debian names packages: name, version and architecture.
    execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    set(CPACK_DEBIAN_FILE_NAME "average_${PROJECT_VERSION}_${CPACK_DEBIAN_PACKAGE_ARCHITECTURE}.deb")
    # The entry in Debian's form: each item starts "  * ", each line after
    # its first "    ", and the release date as Debian writes dates. An
    # unreleased version goes to Debian's UNRELEASED, dated by its sources.
    string(REGEX REPLACE "(^|\n)- " "\\1* " changes "${news_entry}")
    string(REPLACE "\n" "\n  " changes "  ${changes}")
    string(REGEX REPLACE " +\n" "\n" changes "${changes}")
    set(distribution unstable)
    if(release_date STREQUAL "unreleased")
        set(distribution UNRELEASED)
        set(release_date "@${source_date_epoch}")
    endif()
    execute_process(COMMAND date -u -R -d "${release_date}" OUTPUT_VARIABLE release_date_rfc5322
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    install_gzipped("${PROJECT_SOURCE_DIR}/cmake/debian/changelog.in" "${CMAKE_INSTALL_DOCDIR}")
    # Debian's machine-readable form of LICENSE: its text after the copyright
    # line, each line indented, and an empty one written as a point.
    file(READ "${PROJECT_SOURCE_DIR}/LICENSE" licence)
    string(REGEX REPLACE "^.*\nCopyright [^\n]*\n\n(.*[^\n])\n*$" "\\1" licence "${licence}")
    string(REPLACE "\n\n" "\n.\n" licence "${licence}")
    string(REPLACE "\n" "\n " licence " ${licence}")
    configure_file("${PROJECT_SOURCE_DIR}/cmake/debian/copyright.in" copyright @ONLY)
    install(FILES "${PROJECT_BINARY_DIR}/copyright" DESTINATION "${CMAKE_INSTALL_DOCDIR}")
elseif(NOT WIN32)
    install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" "${PROJECT_SOURCE_DIR}/NEWS.md" DESTINATION "${CMAKE_INSTALL_DOCDIR}")
endif()

set(CPACK_PACKAGE_VENDOR "${copyright_holder}")
set(CPACK_PACKAGE_DESCRIPTION "\
average asks for three numbers, reads them from standard input and writes
their arithmetic mean. The numbers are added in double precision and the
mean is rounded once to single precision, so the same numbers give the same
mean on every platform. Input that cannot be read and output that cannot
be written are reported on standard error with a non-zero status.")
set(CPACK_STRIP_FILES ON)
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_LIST_DIR}/cpack_config.cmake")
set(CPACK_SOURCE_DATE_EPOCH "${source_date_epoch}")

if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(platform windows-i686)
elseif(WIN32)
    set(platform windows-x64)
else()
    string(TOLOWER "${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}" platform)
endif()
set(package_name "average-${PROJECT_VERSION}-${platform}")
set(CPACK_PACKAGE_FILE_NAME "${package_name}")
# The package that cpack makes, for the tests that check it.
if(CPACK_GENERATOR STREQUAL "DEB")
    set(package_file "${PROJECT_BINARY_DIR}/${CPACK_DEBIAN_FILE_NAME}")
elseif(CPACK_GENERATOR STREQUAL "ZIP")
    set(package_file "${PROJECT_BINARY_DIR}/${package_name}.zip")
elseif(CPACK_GENERATOR STREQUAL "TGZ")
    set(package_file "${PROJECT_BINARY_DIR}/${package_name}.tar.gz")
endif()

set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${AVERAGE_DEB_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
