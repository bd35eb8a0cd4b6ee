# Run by cpack on the staged files before it packs them: gives every file and
# folder the time of the sources, which the archive entries then carry.
file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
execute_process(COMMAND touch -h -d "@${CPACK_SOURCE_DATE_EPOCH}" "${CPACK_TEMPORARY_DIRECTORY}" ${staged}
                COMMAND_ERROR_IS_FATAL ANY)
