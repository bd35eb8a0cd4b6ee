# Shared part of the MinGW-w64 toolchain files, which set MINGW_TRIPLE,
# CMAKE_SYSTEM_PROCESSOR and WINE_NAMES. Uses the compilers' POSIX threads
# variant, since GoogleTest needs std::mutex. The programs run under Wine when
# it is found.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Debian keeps the loaders in /usr/lib/wine; its /usr/bin/wine picks one itself.
find_program(WINE NAMES ${WINE_NAMES} HINTS /usr/lib/wine)
find_program(WINESERVER NAMES wineserver HINTS /usr/lib/wine)
if(WINE AND WINESERVER)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${WINE}")
endif()
