#include "toolkit/platform/Platform.h"

#include <cstdio>
#include <cstdlib>

namespace tk {
namespace {

TPlatformRoles gRoles;

template <class Role>
Role& Installed(Role* role, const char* what) {
  if (!role) {
    std::fprintf(stderr, "poterinko: no backend with %s installed\n", what);
    std::abort();
  }
  return *role;
}

}  // namespace

void InstallPlatformRoles(const TPlatformRoles& roles) { gRoles = roles; }

IWindowSystem& WindowSystem() { return Installed(gRoles.Windows, "a window system"); }
ISystemDialogs& SystemDialogs() { return Installed(gRoles.Dialogs, "the system's dialogs"); }
IShell& Shell() { return Installed(gRoles.Shell, "a shell"); }
IClock& Clock() { return Installed(gRoles.Clock, "a clock"); }

}  // namespace tk
