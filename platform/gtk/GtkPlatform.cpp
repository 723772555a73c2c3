#include "platform/gtk/GtkPlatform.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "platform/gtk/FirstFrameExit.h"
#include "platform/gtk/GtkDialogs.h"
#include "platform/gtk/GtkFormWindow.h"
#include "platform/gtk/GtkPopupMenu.h"
#include "platform/gtk/KeyMap.h"
#include "platform/gtk/MailHandOff.h"
#include "platform/gtk/MainIconPixbuf.h"
#include "toolkit/controls/Application.h"

namespace gtkui {

namespace {

GdkDevice* Pointer() {
  GdkDisplay* display = gdk_display_get_default();
  GdkSeat* seat = display ? gdk_display_get_default_seat(display) : nullptr;
  return seat ? gdk_seat_get_pointer(seat) : nullptr;
}

gboolean ShowHeldErrorsLater(gpointer platform) {
  tk::GuardCallback([&] { static_cast<TGtkPlatform*>(platform)->ShowHeldErrors(); });
  return G_SOURCE_REMOVE;
}

// Everything is drawn by the toolkit's own software canvas; nothing asks GDK for OpenGL. Left
// to itself GDK probes for it when it opens the display, loading the system's GL driver, which
// costs more than everything else before the first frame. Unless the user chose otherwise, GDK
// is told so while it reads its settings; the variable is gone again before anything starts
// another thread or program, so programs the board starts get the environment as it was.
bool InitGtkWithoutOpenGl(int& argc, char**& argv) {
  const bool chosen = g_getenv("GDK_GL") != nullptr;
  if (!chosen) g_setenv("GDK_GL", "disable", TRUE);
  const bool parsed = gtk_parse_args(&argc, &argv);
  if (!chosen) g_unsetenv("GDK_GL");
  return parsed && gtk_init_check(&argc, &argv);
}

}  // namespace

std::unique_ptr<TGtkPlatform> TGtkPlatform::Create(int& argc, char**& argv) {
  // Positions on the screen, keep-above and the pointer's screen position are what the board
  // relies on; X11 (XWayland on a Wayland desktop) provides them, Wayland itself does not.
  gdk_set_allowed_backends("x11,*");
  if (!InitGtkWithoutOpenGl(argc, argv)) {
    std::fputs("poterinko: cannot open the display (is DISPLAY set?)\n", stderr);
    return nullptr;
  }
  ExitAfterFirstFrameWhenAsked();
  GdkPixbuf* icon = CreateMainIconPixbuf();
  gtk_window_set_default_icon(icon);
  g_object_unref(icon);
  return std::unique_ptr<TGtkPlatform>(new TGtkPlatform());
}

TGtkPlatform::TGtkPlatform()
    : FLoop(g_main_loop_new(nullptr, FALSE)),
      FPainter([this] { FErrorIdle = g_idle_add(ShowHeldErrorsLater, this); }) {}

TGtkPlatform::~TGtkPlatform() {
  if (FErrorIdle) g_source_remove(FErrorIdle);
  g_main_loop_unref(FLoop);
}

std::unique_ptr<tk::INativeWindow> TGtkPlatform::CreateNativeWindow(
    tk::IWindowEvents& events, const tk::TWindowParams& params) {
  return std::make_unique<TGtkFormWindow>(*this, events, params);
}

void TGtkPlatform::WindowCreated(TGtkFormWindow* window) { FWindows.push_back(window); }

void TGtkPlatform::WindowDestroyed(TGtkFormWindow* window) {
  FWindows.erase(std::remove(FWindows.begin(), FWindows.end(), window), FWindows.end());
}

TGtkFormWindow* TGtkPlatform::ActiveWindow() const {
  for (TGtkFormWindow* window : FWindows)
    if (window->Shown() && gtk_window_is_active(window->Window())) return window;
  for (auto it = FWindows.rbegin(); it != FWindows.rend(); ++it)
    if ((*it)->Shown()) return *it;
  return nullptr;
}

void TGtkPlatform::RunMessageLoop() {
  if (FTerminated) return;
  g_main_loop_run(FLoop);
}

void TGtkPlatform::Terminate() {
  FTerminated = true;
  g_main_loop_quit(FLoop);
}

tk::IClock::TimerId TGtkPlatform::StartTimer(unsigned intervalMs, std::function<void()> tick) {
  return FTimers.Start(intervalMs, [tick = std::move(tick)] { tk::GuardCallback(tick); });
}

void TGtkPlatform::StopTimer(TimerId id) { FTimers.Stop(id); }

tk::TPoint TGtkPlatform::CursorPos() const {
  gint x = 0;
  gint y = 0;
  if (GdkDevice* pointer = Pointer()) gdk_device_get_position(pointer, nullptr, &x, &y);
  return {x, y};
}

short TGtkPlatform::KeyState(int virtualKey) const {
  GdkDevice* pointer = Pointer();
  if (pointer && (virtualKey == tk::VK_LBUTTON || virtualKey == tk::VK_RBUTTON ||
                  virtualKey == tk::VK_MBUTTON || virtualKey == tk::VK_SHIFT ||
                  virtualKey == tk::VK_CONTROL || virtualKey == tk::VK_MENU)) {
    GdkModifierType mask = static_cast<GdkModifierType>(0);
    GdkWindow* root = gdk_get_default_root_window();
    gdk_window_get_device_position(root, pointer, nullptr, nullptr, &mask);
    return KeyStateFromModifiers(virtualKey, mask);
  }
  return std::find(FKeysDown.begin(), FKeysDown.end(), virtualKey) != FKeysDown.end()
             ? static_cast<short>(-128)
             : 0;
}

void TGtkPlatform::KeyDown(int virtualKey) {
  if (std::find(FKeysDown.begin(), FKeysDown.end(), virtualKey) == FKeysDown.end())
    FKeysDown.push_back(virtualKey);
}

void TGtkPlatform::KeyUp(int virtualKey) {
  FKeysDown.erase(std::remove(FKeysDown.begin(), FKeysDown.end(), virtualKey), FKeysDown.end());
}

namespace {
GtkWindow* ParentOf(const TGtkFormWindow* window) { return window ? window->Window() : nullptr; }
}  // namespace

void TGtkPlatform::ShowErrorBox(const std::string& caption, const std::string& text) {
  if (FPainter.Hold(caption, text)) return;
  tk::TMessageDialogParams params;
  params.Caption = caption;
  params.Text = text;
  params.Type = tk::TMsgDlgType::mtError;
  params.Buttons = {{"OK", tk::TModalResult::mrOk}};
  params.DefaultButton = tk::TModalResult::mrOk;
  params.CancelResult = tk::TModalResult::mrOk;
  RunMessageDialog(ParentOf(ActiveWindow()), params);
}

void TGtkPlatform::ShowHeldErrors() {
  FErrorIdle = 0;
  FPainter.ShowHeldReports(
      [this](const std::string& caption, const std::string& text) { ShowErrorBox(caption, text); });
}

tk::TModalResult TGtkPlatform::MessageDialog(const tk::TMessageDialogParams& params) {
  return RunMessageDialog(ParentOf(ActiveWindow()), params);
}

std::optional<std::string> TGtkPlatform::SaveDialog(const tk::TSaveDialogParams& params) {
  return RunSaveDialog(ParentOf(ActiveWindow()), params);
}

void TGtkPlatform::PopupMenu(const tk::TMenuModel& menu, tk::TPoint screen) {
  TGtkFormWindow* window = ActiveWindow();
  if (window && window->ClientGdkWindow()) {
    const tk::TPoint origin = window->ClientOrigin();
    ShowPopupMenu(menu, window->ClientGdkWindow(), {screen.X - origin.X, screen.Y - origin.Y});
  } else {
    ShowPopupMenu(menu, gdk_get_default_root_window(), screen);
  }
}

void TGtkPlatform::Beep() {
  if (GdkDisplay* display = gdk_display_get_default()) gdk_display_beep(display);
}

std::string TGtkPlatform::ProgramPath() const {
  std::error_code error;
  const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : path.string();
}

void TGtkPlatform::OpenUrl(const std::string& address) {
  // Nothing is reported when no program opens web addresses.
  GError* error = nullptr;
  if (!g_app_info_launch_default_for_uri(address.c_str(), nullptr, &error)) g_clear_error(&error);
}

unsigned TGtkPlatform::SendMail(const tk::TMailRequest& request) {
  return HandMailToDesktop(request);
}

}  // namespace gtkui
