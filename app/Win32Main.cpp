// poterinko on Windows: the timetable board in a Win32 window.

#include "app/Program.h"
#include "platform/win32/Win32Platform.h"

// A GUI program (no console); the runtime calls main for it as for a console program.
int main() {
  std::unique_ptr<win32ui::TWin32Platform> platform = win32ui::TWin32Platform::Create();
  if (!platform) return 1;
  tk::SetPlatform(platform.get());
  const int code = app::RunPoterinko();
  tk::SetPlatform(nullptr);
  return code;
}
