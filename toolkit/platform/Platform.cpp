#include "toolkit/platform/Platform.h"

#include <cstdio>
#include <cstdlib>

namespace tk {
namespace {
IPlatform* gPlatform = nullptr;
}

IPlatform& Platform() {
  if (!gPlatform) {
    std::fputs("poterinko: no platform backend installed\n", stderr);
    std::abort();
  }
  return *gPlatform;
}

void SetPlatform(IPlatform* platform) { gPlatform = platform; }

}  // namespace tk
