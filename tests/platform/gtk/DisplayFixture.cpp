#include "tests/platform/gtk/DisplayFixture.h"

#include <X11/Xatom.h>
#include <X11/extensions/XTest.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/gtk/GtkFormWindow.h"
#include "toolkit/platform/Platform.h"

namespace gtkui::testing {

namespace {

// An Xvfb of our own, ended when the test process ends.
class PrivateXvfb {
 public:
  bool Start() {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return false;
    const std::string fd = std::to_string(pipeFds[1]);
    FPid = fork();
    if (FPid == 0) {
      close(pipeFds[0]);
      // Xvfb tells on stderr about every display number that was taken while it looks.
      if (FILE* quiet = std::freopen("/dev/null", "w", stderr)) (void)quiet;
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten",
             "tcp", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(pipeFds[1]);
    if (FPid < 0) return false;
    std::string number;
    char c = 0;
    while (read(pipeFds[0], &c, 1) == 1 && c != '\n') number += c;
    close(pipeFds[0]);
    if (number.empty()) return false;
    setenv("DISPLAY", (":" + number).c_str(), 1);
    return true;
  }
  ~PrivateXvfb() {
    if (FPid > 0) {
      kill(FPid, SIGTERM);
      waitpid(FPid, nullptr, 0);
    }
  }

 private:
  pid_t FPid = -1;
};

std::unique_ptr<TGtkPlatform> CreatePlatform() {
  // Always a display of our own: no window manager moves windows, nothing the user does
  // interferes, and the tests never flash over a developer's desktop.
  static PrivateXvfb xvfb;
  if (!xvfb.Start()) return nullptr;
  // The file chooser stores its settings; tests keep them in memory.
  setenv("GSETTINGS_BACKEND", "memory", 1);
  static char name[] = "gtk_display_tests";
  static char* args[] = {name, nullptr};
  int argc = 1;
  char** argv = args;
  return TGtkPlatform::Create(argc, argv);
}

struct PendingAnswer {
  GType type;
  std::function<void(GtkWidget*)> answer;
  gint64 settleUs;
  gint64 shownAt = 0;
};

// A dialog still open three seconds after its answer would hang the test: close it, so that
// the test fails on what it returned instead.
gboolean CloseIfStillOpen(gpointer data) {
  auto** weak = static_cast<GtkWidget**>(data);
  if (*weak && gtk_widget_get_mapped(*weak) && GTK_IS_DIALOG(*weak))
    gtk_dialog_response(GTK_DIALOG(*weak), GTK_RESPONSE_DELETE_EVENT);
  if (*weak) g_object_remove_weak_pointer(G_OBJECT(*weak), reinterpret_cast<gpointer*>(weak));
  delete weak;
  return G_SOURCE_REMOVE;
}

gboolean PollForDialog(gpointer data) {
  auto* pending = static_cast<PendingAnswer*>(data);
  const std::vector<GtkWidget*> shown = VisibleToplevels(pending->type);
  if (shown.empty()) return G_SOURCE_CONTINUE;
  const gint64 now = g_get_monotonic_time();
  if (!pending->shownAt) pending->shownAt = now;
  if (now - pending->shownAt < pending->settleUs) return G_SOURCE_CONTINUE;
  auto** watched = new GtkWidget*(shown.front());
  g_object_add_weak_pointer(G_OBJECT(*watched), reinterpret_cast<gpointer*>(watched));
  g_timeout_add(3000, CloseIfStillOpen, watched);
  pending->answer(shown.front());
  delete pending;
  return G_SOURCE_REMOVE;
}

}  // namespace

TGtkPlatform* SharedPlatform() {
  static std::unique_ptr<TGtkPlatform> platform = CreatePlatform();
  return platform.get();
}

bool RunUntil(const std::function<bool()>& done) {
  const gint64 limit = g_get_monotonic_time() + 5 * G_USEC_PER_SEC;
  while (!done() && g_get_monotonic_time() < limit) {
    if (!g_main_context_iteration(nullptr, FALSE)) g_usleep(2000);
  }
  return done();
}

void RunFor(int milliseconds) {
  const gint64 until = g_get_monotonic_time() + gint64{milliseconds} * 1000;
  while (g_get_monotonic_time() < until) {
    if (!g_main_context_iteration(nullptr, FALSE)) g_usleep(2000);
  }
}

std::vector<GtkWidget*> VisibleToplevels(unsigned long type) {
  std::vector<GtkWidget*> shown;
  GList* all = gtk_window_list_toplevels();
  for (GList* it = all; it; it = it->next) {
    auto* widget = GTK_WIDGET(it->data);
    if (G_TYPE_CHECK_INSTANCE_TYPE(widget, type) && gtk_widget_get_mapped(widget))
      shown.push_back(widget);
  }
  g_list_free(all);
  return shown;
}

GtkWidget* ShownMenu() {
  for (GtkWidget* window : VisibleToplevels(GTK_TYPE_WINDOW)) {
    GtkWidget* child = gtk_bin_get_child(GTK_BIN(window));
    if (child && GTK_IS_MENU(child)) return child;
  }
  return nullptr;
}

void AnswerNextDialog(unsigned long type, std::function<void(GtkWidget*)> answer, int settleMs) {
  g_timeout_add(20, PollForDialog,
                new PendingAnswer{type, std::move(answer), gint64{settleMs} * 1000});
}

namespace {
Display* XDisplay() { return GDK_DISPLAY_XDISPLAY(gdk_display_get_default()); }

void MovePointer(tk::TPoint screen) {
  XTestFakeMotionEvent(XDisplay(), -1, screen.X, screen.Y, CurrentTime);
}

void FakeKeysym(unsigned keysym, bool press) {
  XTestFakeKeyEvent(XDisplay(), XKeysymToKeycode(XDisplay(), keysym), press, CurrentTime);
}
}  // namespace

void FakeKeyEvent(tk::TPoint screen, unsigned keysym, bool press) {
  MovePointer(screen);
  FakeKeysym(keysym, press);
  XFlush(XDisplay());
}

bool HasNetWmState(GtkWidget* toplevel, const char* state) {
  Display* display = XDisplay();
  const Window window = GDK_WINDOW_XID(gtk_widget_get_window(toplevel));
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_STATE", False), 0, 64, False,
                     XA_ATOM, &type, &format, &count, &after, &data);
  bool found = false;
  const Atom wanted = XInternAtom(display, state, False);
  for (unsigned long i = 0; data && i < count; ++i)
    found = found || reinterpret_cast<Atom*>(data)[i] == wanted;
  if (data) XFree(data);
  return found;
}

void FakeButton(tk::TPoint screen, unsigned button, bool press) {
  MovePointer(screen);
  XTestFakeButtonEvent(XDisplay(), button, press, CurrentTime);
  XFlush(XDisplay());
}

void FakeClick(tk::TPoint screen, unsigned button) {
  FakeButton(screen, button, true);
  FakeButton(screen, button, false);
}

void FakeKey(tk::TPoint screen, unsigned keysym, unsigned modifiers) {
  MovePointer(screen);
  std::vector<unsigned> held;
  if (modifiers & GDK_SHIFT_MASK) held.push_back(GDK_KEY_Shift_L);
  if (modifiers & GDK_CONTROL_MASK) held.push_back(GDK_KEY_Control_L);
  if (modifiers & GDK_MOD1_MASK) held.push_back(GDK_KEY_Alt_L);
  for (unsigned key : held) FakeKeysym(key, true);
  FakeKeysym(keysym, true);
  FakeKeysym(keysym, false);
  for (auto it = held.rbegin(); it != held.rend(); ++it) FakeKeysym(*it, false);
  XFlush(XDisplay());
}

std::vector<std::uint32_t> CaptureClient(tk::TForm& form) {
  auto& native = static_cast<TGtkFormWindow&>(form.Handle());
  GdkWindow* window = native.ClientGdkWindow();
  const int width = gdk_window_get_width(window);
  const int height = gdk_window_get_height(window);
  std::vector<std::uint32_t> pixels;
  GdkPixbuf* shot = gdk_pixbuf_get_from_window(window, 0, 0, width, height);
  if (!shot) return pixels;
  const guchar* rows = gdk_pixbuf_get_pixels(shot);
  const int stride = gdk_pixbuf_get_rowstride(shot);
  const int channels = gdk_pixbuf_get_n_channels(shot);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const guchar* p = rows + y * stride + x * channels;
      pixels.push_back((std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2]);
    }
  }
  g_object_unref(shot);
  return pixels;
}

void DisplayTest::SetUp() {
  platform = SharedPlatform();
  if (!platform) GTEST_SKIP() << "no Xvfb to run on";
  tk::SetPlatform(platform);
}

}  // namespace gtkui::testing
