#pragma once
// What the build's icon writers share around their work: one argument naming the output, a
// usage line and exit code 2 without it, the error and exit code 1 when writing fails. Header
// only, as the Windows icon writer is compiled by hand with the build machine's compiler.

#include <cstdio>
#include <exception>

namespace appicon {

// Runs `write(output)` and returns its exit code.
template <class Write>
int RunIconWriter(int argc, char** argv, const char* program, const char* operand, Write write) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s %s\n", program, operand);
    return 2;
  }
  try {
    return write(argv[1]);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s: %s\n", program, error.what());
    return 1;
  }
}

}  // namespace appicon
