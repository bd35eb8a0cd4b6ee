# Unpacks FROM into DIR, afresh, and checks that DIR then holds just FILES.
# FROM is a .tar.gz or .zip, a .deb (taken apart with dpkg-deb, not
# installed), or a build folder, which is installed with --strip for CONFIG.

file(REMOVE_RECURSE "${DIR}")
set(status 0)
if(IS_DIRECTORY "${FROM}")
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

file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE "${DIR}" "${DIR}/*")
set(expected ${FILES})
list(SORT found)
list(SORT expected)
if(NOT found STREQUAL expected)
    string(REPLACE ";" "\n  " found "${found}")
    string(REPLACE ";" "\n  " expected "${expected}")
    message(FATAL_ERROR "${FROM} holds\n  ${found}\nand not\n  ${expected}")
endif()
