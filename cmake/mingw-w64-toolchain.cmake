# Cross-compiles for Windows with Debian's mingw-w64. Included by the toolchain file of each
# architecture, which sets POTERINKO_MINGW_ARCH (i686 or x86_64) first.
#
# The POSIX-threads variant of the compiler is used: only it gives libstdc++ its std::thread,
# std::mutex and std::call_once with GCC 12 (the win32 variant leaves them out), and the toolkit
# and GoogleTest may use those. Its winpthread runtime is linked statically like libgcc and
# libstdc++, so each .exe runs alone, without DLLs beside it.
#
# Used for the project itself (presets "windows" and "windows64") and for the third-party
# libraries that scripts/build-windows-deps.sh builds into POTERINKO_WINDOWS_DEPS.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${POTERINKO_MINGW_ARCH})

set(_mingw ${POTERINKO_MINGW_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${_mingw}-windres)
set(CMAKE_AR ${_mingw}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${_mingw}-gcc-ranlib-posix CACHE FILEPATH "")

# Where the third-party libraries for Windows are installed; searched before the compiler's own
# sysroot. Nothing of the Linux host (its headers, libraries or CMake packages) may be found.
set(POTERINKO_WINDOWS_DEPS
    "${CMAKE_CURRENT_LIST_DIR}/../build/windows-deps/${POTERINKO_MINGW_ARCH}/prefix"
    CACHE PATH "Prefix of the third-party libraries built for Windows")
get_filename_component(POTERINKO_WINDOWS_DEPS "${POTERINKO_WINDOWS_DEPS}" ABSOLUTE)
set(CMAKE_FIND_ROOT_PATH "${POTERINKO_WINDOWS_DEPS}" /usr/${_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Static libraries only: a lone .exe must not need a DLL of ours at run time.
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

if(POTERINKO_MINGW_ARCH STREQUAL "i686")
  # float and double in SSE2 registers, as on x86-64: the same rounding on both, so that the
  # software canvas gives the same pixels. Plain i686 code would keep them in x87 registers with
  # extra precision. long double stays x87 on both (64-bit significand). GCC realigns the stack
  # where Windows hands over a 4-byte aligned one (-mstackrealign is on for this target).
  set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
  set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
endif()

# CMake runs the test programs (gtest_discover_tests at build time, ctest) through this:
# Wine of the program's architecture in the project's own prefix, made on first use.
if(NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR)
  get_filename_component(_wine_run "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh" ABSOLUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR "${_wine_run};${POTERINKO_MINGW_ARCH}")
endif()
