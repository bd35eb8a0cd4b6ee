# Starts (ACTION start) or stops (ACTION stop) the one Wine server that every
# test of a run shares, for the prefix in WINEPREFIX. Short runs that each
# start a server of their own can race its shutdown. Both actions may run
# again, as under ctest --repeat: a server already up, or already gone, is fine.
#
# The server and the helper processes that the first run starts stay up with
# it, holding the standard streams they were given: so those are files here,
# never ctest's pipes, or ctest would wait for them to close.
set(log "$ENV{WINEPREFIX}/wine.log")
if(ACTION STREQUAL "start")
    # With QEMU set, the kernel refuses 32-bit x86 programs and Wine runs under
    # that emulator: qemu-i386 10 starts it in seconds, 7.2 in minutes.
    if(QEMU)
        execute_process(COMMAND "${QEMU}" --version OUTPUT_VARIABLE version ERROR_QUIET)
        string(REGEX MATCH "[0-9]+\\.[0-9.]+" version "${version}")
        if(NOT version OR version VERSION_LESS 10)
            if(NOT version)
                set(version missing)
            endif()
            message(FATAL_ERROR "This kernel refuses 32-bit x86 programs, so Wine must run under ${QEMU} 10 or "
                                "newer, and ${QEMU} here is ${version}: install qemu-user 10 or newer; on Debian "
                                "12, from bookworm-backports, as HACKING.md shows")
        endif()
    endif()
    file(MAKE_DIRECTORY "$ENV{WINEPREFIX}")
    execute_process(COMMAND ${WINESERVER} -p ERROR_FILE "${log}" RESULT_VARIABLE server)
    # Status 2: a server for this prefix is running already.
    if(server MATCHES "^[02]$")
        # The first program run sets up the prefix, printing messages as it does.
        execute_process(COMMAND ${WINE} hostname INPUT_FILE /dev/null OUTPUT_FILE /dev/null
                        ERROR_FILE "${log}" RESULT_VARIABLE first_run)
    endif()
    if(NOT server MATCHES "^[02]$" OR NOT first_run EQUAL 0)
        file(READ "${log}" messages)
        message(FATAL_ERROR "cannot start Wine (server: ${server}, first run: ${first_run}):\n${messages}")
    endif()
else()
    execute_process(COMMAND ${WINESERVER} -k ERROR_QUIET)
endif()
