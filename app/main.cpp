// poterinko: the timetable board in a GTK window on Linux, in a Win32 window on Windows.

#include "app/Program.h"
#include "toolkit/platform/Platform.h"

#ifdef _WIN32
#include "app/mail/SimpleMapi.h"
#include "app/mail/Win32SimpleMapiSystem.h"
#include "platform/win32/Win32Platform.h"

// A GUI program (no console); the runtime calls main for it as for a console program.
int main() {
  std::unique_ptr<win32ui::TWin32Platform> platform = win32ui::TWin32Platform::Create();
  if (!platform) return 1;
  tk::SetPlatform(platform.get());
  int code = 0;
  {
    // The mail program is reached through Simple MAPI, its windows parented to the application
    // window; a library it loaded is released when this block ends, at program end.
    const std::unique_ptr<app::ISimpleMapiSystem> system = app::CreateWin32SimpleMapiSystem(
        reinterpret_cast<std::uintptr_t>(platform->ApplicationWindow()));
    app::TSimpleMapi simpleMapi(*system);
    app::SetMailSender(&simpleMapi);
    code = app::RunPoterinko();
    app::SetMailSender(nullptr);
  }
  tk::SetPlatform(nullptr);
  return code;
}

#else
#include "app/ProgramOptions.h"
#include "platform/gtk/GtkPlatform.h"

int main(int argc, char** argv) {
  if (const int code = app::HandleProgramOptions(argc, argv); code >= 0) return code;
  std::unique_ptr<gtkui::TGtkPlatform> platform = gtkui::TGtkPlatform::Create(argc, argv);
  if (!platform) return 1;
  tk::SetPlatform(platform.get());
  const int code = app::RunPoterinko();
  tk::SetPlatform(nullptr);
  return code;
}
#endif
