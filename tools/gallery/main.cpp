// poterinko-gallery: the widget set in a real window. Without arguments it shows every look of
// the shine button beside the other widgets; given a form text file, it shows that form.

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/controls/Application.h"
#include "toolkit/core/FileIO.h"
#include "toolkit/streaming/FormReader.h"
#include "tools/gallery/GalleryForm.h"
#include "tools/gallery/GalleryGlyphs.h"
#include "widgets/Widgets.h"

#ifdef _WIN32
#include "platform/win32/CommandLine.h"
#include "platform/win32/Win32Platform.h"
#else
#include "platform/gtk/GtkPlatform.h"
#endif

namespace {

std::unique_ptr<tk::TComponent> LoadForm(const std::vector<std::string>& arguments) {
  if (arguments.size() < 2) return std::make_unique<gallery::TGalleryForm>(nullptr);
  const std::vector<std::uint8_t> bytes = tk::ReadFileBytes(arguments[1]);
  std::unique_ptr<tk::TComponent> root =
      tk::ReadForm(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  if (!dynamic_cast<tk::TForm*>(root.get()))
    throw tk::Exception(arguments[1] + ": the root object is not a form");
  return root;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  std::unique_ptr<win32ui::TWin32Platform> platform = win32ui::TWin32Platform::Create();
  const std::vector<std::string> arguments = win32ui::CommandLineArguments();
#else
  std::unique_ptr<gtkui::TGtkPlatform> platform = gtkui::TGtkPlatform::Create(argc, argv);
  const std::vector<std::string> arguments(argv, argv + argc);
#endif
  if (!platform) return 1;
  tk::SetPlatform(platform.get());
  widgets::RegisterWidgetClasses();
  std::unique_ptr<tk::TComponent> root;
  const int code = tk::RunGuarded([&] {
    tk::TApplication& application = tk::Application();
    application.SetTitle("poterinko gallery");
    root = LoadForm(arguments);
    application.SetMainForm(static_cast<tk::TForm*>(root.get()));
    application.Run();
  });
  tk::Application().SetMainForm(nullptr);
  root.reset();
  tk::SetPlatform(nullptr);
  return code;
}
