#pragma once
// A backend plays up to four roles: the window system, the system's dialogs, the shell and the
// clock (one header each). main installs the backend once, before anything else; each role it
// implements is installed, and code asks for the one role it uses (WindowSystem(), Clock(),
// ...). Asking for a role the installed backend does not play stops the program with a message.
// Nothing above this interface includes a window system's header.

#include <cstddef>
#include <type_traits>

#include "toolkit/platform/Clock.h"
#include "toolkit/platform/Shell.h"
#include "toolkit/platform/SystemDialogs.h"
#include "toolkit/platform/WindowSystem.h"

namespace tk {

struct TPlatformRoles {
  IWindowSystem* Windows = nullptr;
  ISystemDialogs* Dialogs = nullptr;
  IShell* Shell = nullptr;
  IClock* Clock = nullptr;
};
void InstallPlatformRoles(const TPlatformRoles& roles);

// Installs every role `backend` implements (not owned); nullptr uninstalls them all.
template <class Backend>
void SetPlatform(Backend* backend) {
  TPlatformRoles roles;
  if constexpr (std::is_base_of_v<IWindowSystem, Backend>) roles.Windows = backend;
  if constexpr (std::is_base_of_v<ISystemDialogs, Backend>) roles.Dialogs = backend;
  if constexpr (std::is_base_of_v<IShell, Backend>) roles.Shell = backend;
  if constexpr (std::is_base_of_v<IClock, Backend>) roles.Clock = backend;
  InstallPlatformRoles(roles);
}
inline void SetPlatform(std::nullptr_t) { InstallPlatformRoles({}); }

}  // namespace tk
