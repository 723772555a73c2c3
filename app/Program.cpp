#include "app/Program.h"

#include "app/MainWindow1.h"
#include "app/MainWindow1Layout.h"
#include "toolkit/controls/Application.h"
#include "widgets/Widgets.h"

namespace app {

int RunPoterinko() {
  widgets::RegisterWidgetClasses();
  tk::ClassRegistry().Register(MainForm1ClassInfo());
  const int code = tk::RunGuarded([] {
    tk::TApplication& application = tk::Application();
    application.Initialize();
    application.SetTitle("ぽてりんこ");
    MainForm1 = application.CreateForm<TMainForm1>();
    application.Run();
  });
  // Closing the window discards the board with every picture on it.
  tk::Application().DestroyForms();
  return code;
}

}  // namespace app
