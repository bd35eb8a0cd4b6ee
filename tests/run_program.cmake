# Runs COMMAND with standard input from STDIN_FROM and checks that it exits
# with STATUS and writes exactly CASE_DIR/stdout and CASE_DIR/stderr.
# With STDOUT_TO set, standard output goes to that file and is not checked.
# With CRLF set (Windows), line ends of CR LF count as LF.

set(io INPUT_FILE "${STDIN_FROM}" ERROR_VARIABLE actual_stderr)
if(STDOUT_TO)
    list(APPEND io OUTPUT_FILE "${STDOUT_TO}")
else()
    list(APPEND io OUTPUT_VARIABLE actual_stdout)
endif()
execute_process(COMMAND ${COMMAND} ${io} RESULT_VARIABLE actual_status)

set(failures "")
if(NOT actual_status STREQUAL STATUS)
    string(APPEND failures "exit status: expected ${STATUS}, got ${actual_status}\n")
endif()
set(streams stderr)
if(NOT STDOUT_TO)
    list(APPEND streams stdout)
endif()
foreach(stream IN LISTS streams)
    file(READ "${CASE_DIR}/${stream}" expected)
    set(actual "${actual_${stream}}")
    if(CRLF)
        string(REPLACE "\r\n" "\n" actual "${actual}")
    endif()
    if(NOT actual STREQUAL expected)
        string(APPEND failures "${stream}: expected [${expected}]\n${stream}: got      [${actual}]\n")
    endif()
endforeach()
if(failures)
    message(FATAL_ERROR "${failures}")
endif()
