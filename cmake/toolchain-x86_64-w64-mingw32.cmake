# Cross-compiles for 64-bit Windows (x86_64): the same tests under the 64-bit Wine, on machines
# whose kernel runs no 32-bit x86 code.
set(POTERINKO_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-toolchain.cmake)
