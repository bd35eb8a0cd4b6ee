# Unpacks FROM into DIR, afresh, and checks that DIR then holds just FILES,
# in the folder ROOT if one is given. FROM is a build folder, installed with
# --strip for CONFIG, or a package: a .tar.gz or .zip, or a .deb (taken apart
# with dpkg-deb, not installed), whose files must be those in INSTALLED, the
# build's install, or the package was made from an older build.

file(REMOVE_RECURSE "${DIR}")
set(status 0)
if(IS_DIRECTORY "${FROM}")
    # strip stamps a Windows program with this time, as it does under cpack.
    set(ENV{SOURCE_DATE_EPOCH} "${SOURCE_DATE_EPOCH}")
    execute_process(COMMAND "${CMAKE_COMMAND}" --install "${FROM}" --prefix "${DIR}" --strip --config "${CONFIG}"
                    OUTPUT_QUIET RESULT_VARIABLE status)
elseif(NOT EXISTS "${FROM}")
    message(FATAL_ERROR "${FROM} is missing: the workflow packs it before it tests it")
elseif(FROM MATCHES "\\.deb$")
    execute_process(COMMAND dpkg-deb -x "${FROM}" "${DIR}" RESULT_VARIABLE status)
else()
    file(ARCHIVE_EXTRACT INPUT "${FROM}" DESTINATION "${DIR}")
endif()
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cannot unpack ${FROM}: ${status}")
endif()

if(ROOT)
    string(APPEND ROOT "/")
endif()
list(TRANSFORM FILES PREPEND "${ROOT}" OUTPUT_VARIABLE expected)
file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE "${DIR}" "${DIR}/*")
list(SORT found)
list(SORT expected)
if(NOT found STREQUAL expected)
    string(REPLACE ";" "\n  " found "${found}")
    string(REPLACE ";" "\n  " expected "${expected}")
    message(FATAL_ERROR "${FROM} holds\n  ${found}\nand not\n  ${expected}")
endif()

if(IS_DIRECTORY "${FROM}")
    return()
endif()
foreach(file IN LISTS FILES)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${DIR}/${ROOT}${file}" "${INSTALLED}/${file}"
                    RESULT_VARIABLE differs)
    if(NOT differs EQUAL 0)
        message(FATAL_ERROR "${FROM} was made from an older build: its ${file} is not the one that the build "
                            "installs now. Make the package again (cpack) before its tests.")
    endif()
endforeach()
