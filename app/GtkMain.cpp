// poterinko on Linux: the timetable board in a GTK window.

#include "app/Program.h"
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
