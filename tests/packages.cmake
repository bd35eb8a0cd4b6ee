# What the build installs, and the package that cpack makes of it, each
# unpacked afresh and checked against a table of facts: those of every
# package, and those of the hardening and static linking that AVERAGE_HARDEN
# and AVERAGE_STATIC give. The package must hold what the build installs,
# byte for byte, or it was made from an older build. Each test carries the
# name of its tree as a label.

# unpacked(<tree> <from> <root> <file>...): the test <tree>, which unpacks
# <from> into the folder <tree> and checks that it holds just those files,
# in the folder <root> if that is not empty (see unpack.cmake). The facts of
# the tree need it.
function(unpacked tree from root)
    add_test(NAME ${tree}
             COMMAND "${CMAKE_COMMAND}" "-DFROM=${from}" "-DDIR=${CMAKE_CURRENT_BINARY_DIR}/${tree}" "-DROOT=${root}"
                     "-DFILES=${ARGN}" "-DINSTALLED=${CMAKE_CURRENT_BINARY_DIR}/install" "-DCONFIG=$<CONFIG>"
                     "-DSOURCE_DATE_EPOCH=${source_date_epoch}" -P "${CMAKE_CURRENT_SOURCE_DIR}/unpack.cmake")
    set_tests_properties(${tree} PROPERTIES FIXTURES_SETUP ${tree} LABELS ${tree})
endfunction()

# fact(<tree> <name> <regex> <command>...): the command, run in the unpacked
# tree, writes what the regex matches; with an empty regex, it succeeds.
function(fact tree name regex)
    add_test(NAME ${tree}.${name} COMMAND ${ARGN} WORKING_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}/${tree}")
    set_tests_properties(${tree}.${name} PROPERTIES FIXTURES_REQUIRED ${tree} LABELS ${tree})
    if(regex)
        set_tests_properties(${tree}.${name} PROPERTIES PASS_REGULAR_EXPRESSION "${regex}")
    endif()
endfunction()

set(program "${CMAKE_INSTALL_BINDIR}/average${CMAKE_EXECUTABLE_SUFFIX}")
if(WIN32)
    set(installed "${program}" "${CMAKE_INSTALL_BINDIR}/LICENSE.txt" "${CMAKE_INSTALL_BINDIR}/README.txt")
elseif(package_file MATCHES "\\.deb$")
    set(installed "${program}" share/man/man1/average.1.gz share/doc/average/copyright
                  share/doc/average/changelog.gz)
else()
    set(installed "${program}" share/man/man1/average.1.gz share/doc/average/LICENSE share/doc/average/NEWS.md)
endif()

list(TRANSFORM installed REPLACE "^\\./" "") # Windows programs go to the top: "./average.exe"
list(GET installed 0 program)
unpacked(install "${CMAKE_BINARY_DIR}" "" ${installed})
program_test(installed STDIN "1 2 3" STDOUT "${result}2\n" PROGRAM "${CMAKE_CURRENT_BINARY_DIR}/install/${program}")
set_tests_properties(program.installed PROPERTIES FIXTURES_REQUIRED install LABELS install)
if(NOT msvc_dialect AND NOT APPLE)
    fact(install stripped "no symbols" "${CMAKE_NM}" "${program}")
endif()

if(NOT package_file OR NOT (WIN32 OR CMAKE_SYSTEM_NAME STREQUAL "Linux"))
    return()
endif()
# The package holds the install in one folder: usr in a Debian package, one
# named like the package in a .tar.gz or .zip.
if(package_file MATCHES "\\.deb$")
    set(root usr)
else()
    set(root "${package_name}")
endif()
unpacked(package "${package_file}" "${root}" ${installed})
set_tests_properties(package PROPERTIES FIXTURES_REQUIRED install)
set(program "${root}/${program}")

if(WIN32)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        set(format pei-i386)
    else()
        set(format pei-x86-64)
    endif()
    # A console program with ASLR and DEP that needs only DLLs every Windows
    # has, and texts with Windows line ends.
    set(headers "${CMAKE_OBJDUMP}" -p "${program}")
    fact(package pe_format "file format ${format}\n" ${headers})
    fact(package console "\nSubsystem\t+[0-9]+\t\\(Windows CUI\\)\n" ${headers})
    fact(package aslr "\tDYNAMIC_BASE\n" ${headers})
    fact(package dep "\tNX_COMPAT\n" ${headers})
    if(AVERAGE_STATIC)
        fact(package dlls "^(\tDLL Name: (KERNEL32|msvcrt)\\.dll\n)+$"
             sh -c "\"${CMAKE_OBJDUMP}\" -p \"${program}\" | grep 'DLL Name'")
    endif()
    fact(package crlf "^[^\n]*/README.txt: +ASCII text, with CRLF line terminators\n[^\n]*/LICENSE.txt: +ASCII text, with CRLF line terminators\n$"
         file "${root}/README.txt" "${root}/LICENSE.txt")
else()
    program_test(packaged STDIN "1 2 3" STDOUT "${result}2\n" PROGRAM "${CMAKE_CURRENT_BINARY_DIR}/package/${program}")
    set_tests_properties(program.packaged PROPERTIES FIXTURES_REQUIRED package LABELS package)
    if(package_file MATCHES "\\.deb$")
        fact(package lintian "" lintian --fail-on error,warning "${package_file}")
    endif()
    if(AVERAGE_HARDEN)
        # As Debian's hardening=+all builds its packages: loaded at a random
        # address, with full RELRO, and compiled with stack canaries, which
        # the objects show. _FORTIFY_SOURCE leaves no mark: none of this
        # program's own code calls a function that it guards.
        fact(package pie "Type: +DYN \\(Position-Independent Executable file\\)" "${CMAKE_READELF}" -hW "${program}")
        fact(package relro "GNU_RELRO" "${CMAKE_READELF}" -lW "${program}")
        fact(package bind_now "\\(FLAGS_1\\) +Flags: NOW PIE" "${CMAKE_READELF}" -dW "${program}")
        fact(package canaries "__stack_chk_fail" "${CMAKE_NM}" -u "$<TARGET_OBJECTS:average>")
    endif()
    if(AVERAGE_STATIC)
        fact(package static_pie "static-pie linked, [^\n]*, stripped\n" file -b "${program}")
        if(AVERAGE_LINKER_PACKS_RELOCATIONS)
            fact(package packed_relocations "\\(RELR\\) " "${CMAKE_READELF}" -dW "${program}")
        endif()
    endif()
endif()

# The package's tests stand only once cpack has made the package, so that a
# build's tests pass before anything is packed. This goes into
# CTestCustom.cmake, which ctest reads before it runs them.
get_property(tests DIRECTORY PROPERTY TESTS)
list(FILTER tests INCLUDE REGEX "^(package|package\\..*|program\\.packaged)$")
string(APPEND ctest_custom "if(NOT EXISTS \"${package_file}\")\n    list(APPEND CTEST_CUSTOM_TESTS_IGNORE ${tests})\nendif()\n")
