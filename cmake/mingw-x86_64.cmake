# 64-bit x86 Windows with MinGW-w64 (Debian's g++-mingw-w64-x86-64). Tests run
# under Wine (Debian's wine64).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLE x86_64-w64-mingw32)
set(WINE_NAMES wine64)
include("${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake")
