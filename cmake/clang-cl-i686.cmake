# 32-bit x86 Windows in MSVC's command-line dialect, with LLVM's clang-cl
# (Debian's clang, lld and llvm). With no Windows SDK here nothing links: the
# clang-cl preset only configures, to check the flags of every compile.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR X86)
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
execute_process(COMMAND llvm-config --bindir OUTPUT_VARIABLE llvm OUTPUT_STRIP_TRAILING_WHITESPACE)
set(CMAKE_C_COMPILER "${llvm}/clang-cl")
set(CMAKE_CXX_COMPILER "${llvm}/clang-cl")
set(CMAKE_C_COMPILER_TARGET i686-pc-windows-msvc)
set(CMAKE_CXX_COMPILER_TARGET i686-pc-windows-msvc)
set(CMAKE_LINKER "${llvm}/lld-link")
set(CMAKE_AR "${llvm}/llvm-lib")
set(CMAKE_RC_COMPILER "${llvm}/llvm-rc")
