# 32-bit x86 Windows with MinGW-w64 (Debian's g++-mingw-w64-i686). Tests run
# under 32-bit Wine (Debian's wine32, through multiarch), itself under
# qemu-i386 where the kernel refuses 32-bit programs (tests/CMakeLists.txt).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MINGW_TRIPLE i686-w64-mingw32)
set(WINE_NAMES wine)
include("${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake")
