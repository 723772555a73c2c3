# Cross-compiles the Linux programs for 64-bit ARM (aarch64) with Debian's cross compiler, against
# Debian's arm64 libraries installed beside the build machine's own (multiarch: headers and
# libraries under aarch64-linux-gnu folders). The programs run on the build machine under
# qemu-user's emulator, started directly: the arm64 loader and libraries are where it looks.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(PKG_CONFIG_EXECUTABLE aarch64-linux-gnu-pkg-config CACHE FILEPATH "")
set(POTERINKO_DEB_ARCHITECTURE arm64)  # dpkg's name of the processor

if(NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64)
endif()
