# Cross-compiles for 32-bit Windows (i686), the architecture the program ships for.
set(POTERINKO_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-toolchain.cmake)
