#include "platform/gtk/GtkFormWindow.h"

#include <gtk/gtk.h>

#include <cmath>
#include <cstring>

#include "platform/gtk/GtkPlatform.h"
#include "platform/gtk/KeyMap.h"
#include "platform/gtk/MainIconPixbuf.h"
#include "platform/gtk/UriList.h"
#include "toolkit/controls/Application.h"
#include "toolkit/graphics/Bitmap.h"

namespace gtkui {

namespace {

constexpr char kUriListTarget[] = "text/uri-list";

tk::TPoint ClientPoint(double x, double y) {
  return {static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))};
}

TGtkFormWindow& Self(gpointer data) { return *static_cast<TGtkFormWindow*>(data); }

// --- C trampolines: each one guards all of its work ---

gboolean DrawSignal(GtkWidget*, cairo_t* cr, gpointer self) {
  tk::GuardCallback([&] { Self(self).Paint(cr); });
  return TRUE;
}

gboolean MotionSignal(GtkWidget*, GdkEventMotion* e, gpointer self) {
  tk::GuardCallback([&] { Self(self).MouseMoved(e->x, e->y, e->state); });
  return TRUE;
}

gboolean ButtonPressSignal(GtkWidget*, GdkEventButton* e, gpointer self) {
  // GTK's own double- and triple-click events follow plain presses that were already
  // reported; the window's detector decides about double clicks instead.
  if (e->type != GDK_BUTTON_PRESS) return TRUE;
  gboolean handled = FALSE;
  tk::GuardCallback(
      [&] { handled = Self(self).ButtonPressed(e->button, e->time, e->x, e->y, e->state); });
  return handled;
}

gboolean ButtonReleaseSignal(GtkWidget*, GdkEventButton* e, gpointer self) {
  gboolean handled = FALSE;
  tk::GuardCallback([&] { handled = Self(self).ButtonReleased(e->button, e->x, e->y, e->state); });
  return handled;
}

gboolean LeaveSignal(GtkWidget*, GdkEventCrossing* e, gpointer self) {
  if (e->detail != GDK_NOTIFY_INFERIOR) tk::GuardCallback([&] { Self(self).MouseLeft(); });
  return FALSE;
}

gboolean KeyPressSignal(GtkWidget*, GdkEventKey* e, gpointer self) {
  gboolean handled = FALSE;
  tk::GuardCallback(
      [&] { handled = Self(self).KeyPressed(e->keyval, e->hardware_keycode, e->state); });
  return handled;
}

gboolean KeyReleaseSignal(GtkWidget*, GdkEventKey* e, gpointer self) {
  tk::GuardCallback([&] { Self(self).KeyReleased(e->keyval, e->hardware_keycode, e->state); });
  return FALSE;
}

gboolean DeleteSignal(GtkWidget*, GdkEvent*, gpointer self) {
  tk::GuardCallback([&] { Self(self).CloseRequested(); });
  return TRUE;  // the form decides; it hides the window itself when it closes
}

void RealizeSignal(GtkWidget*, gpointer self) {
  tk::GuardCallback([&] { Self(self).Realized(); });
}

// Every file dragged over the window may be dropped, as a copy; which files are used is decided
// only after the drop.
gboolean DragMotionSignal(GtkWidget* widget, GdkDragContext* context, gint, gint, guint time,
                          gpointer) {
  gboolean offered = FALSE;
  tk::GuardCallback([&] {
    offered = gtk_drag_dest_find_target(widget, context, nullptr) != GDK_NONE;
    gdk_drag_status(context, offered ? GDK_ACTION_COPY : static_cast<GdkDragAction>(0), time);
  });
  return offered;
}

gboolean DragDropSignal(GtkWidget* widget, GdkDragContext* context, gint, gint, guint time,
                        gpointer) {
  gboolean taken = FALSE;
  tk::GuardCallback([&] {
    const GdkAtom target = gtk_drag_dest_find_target(widget, context, nullptr);
    if (target == GDK_NONE) return;
    gtk_drag_get_data(widget, context, target, time);
    taken = TRUE;
  });
  return taken;
}

void DragDataReceivedSignal(GtkWidget*, GdkDragContext* context, gint, gint, GtkSelectionData* data,
                            guint, guint time, gpointer self) {
  bool delivered = false;
  tk::GuardCallback([&] {
    const gint length = gtk_selection_data_get_length(data);
    if (length <= 0) return;
    const std::string text(reinterpret_cast<const char*>(gtk_selection_data_get_data(data)),
                           static_cast<std::size_t>(length));
    std::vector<std::string> paths = LocalPathsFromUriList(text.c_str());
    if (paths.empty()) return;
    // The form sees the files from the loop afterwards, the way a drop message arrives after
    // the drag has ended, so that its handler may open dialogs while the source goes on.
    Self(self).FilesArrived(std::move(paths));
    delivered = true;
  });
  gtk_drag_finish(context, delivered, FALSE, time);
}

gboolean FocusOutSignal(GtkWidget*, GdkEvent*, gpointer self) {
  tk::GuardCallback([&] { Self(self).FocusLost(); });
  return FALSE;
}

gboolean DeliverDropLater(gpointer self) {
  tk::GuardCallback([&] { Self(self).DeliverDrop(); });
  return G_SOURCE_REMOVE;
}

}  // namespace

TGtkFormWindow::TGtkFormWindow(TGtkPlatform& platform, tk::IWindowEvents& events,
                               const tk::TWindowParams& params)
    : FPlatform(platform), FEvents(events), FParams(params) {
  FWindow = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  FArea = gtk_drawing_area_new();
  gtk_container_add(GTK_CONTAINER(FWindow), FArea);
  gtk_widget_add_events(FArea, GDK_POINTER_MOTION_MASK | GDK_BUTTON_PRESS_MASK |
                                   GDK_BUTTON_RELEASE_MASK | GDK_LEAVE_NOTIFY_MASK);
  gtk_widget_set_size_request(FArea, params.ClientWidth, params.ClientHeight);
  gtk_window_set_resizable(GTK_WINDOW(FWindow), FALSE);
  gtk_window_set_title(GTK_WINDOW(FWindow), params.Caption.c_str());
  switch (params.BorderStyle) {
    case tk::TBorderStyle::bsToolWindow:
    case tk::TBorderStyle::bsSizeToolWin:
      gtk_window_set_type_hint(GTK_WINDOW(FWindow), GDK_WINDOW_TYPE_HINT_UTILITY);
      break;
    case tk::TBorderStyle::bsDialog:
      gtk_window_set_type_hint(GTK_WINDOW(FWindow), GDK_WINDOW_TYPE_HINT_DIALOG);
      break;
    case tk::TBorderStyle::bsNone: gtk_window_set_decorated(GTK_WINDOW(FWindow), FALSE); break;
    default: break;
  }
  gtk_window_set_gravity(GTK_WINDOW(FWindow), GDK_GRAVITY_NORTH_WEST);
  gtk_window_move(GTK_WINDOW(FWindow), params.Position.X, params.Position.Y);
  gtk_window_set_keep_above(GTK_WINDOW(FWindow), params.Topmost);
  GdkPixbuf* icon = CreateMainIconPixbuf();
  gtk_window_set_icon(GTK_WINDOW(FWindow), icon);
  g_object_unref(icon);
  ConnectSignals();
  SetAcceptFiles(params.AcceptFiles);
  FPlatform.WindowCreated(this);
}

TGtkFormWindow::~TGtkFormWindow() {
  FPlatform.WindowDestroyed(this);
  if (FDropIdle) g_source_remove(FDropIdle);
  // Destroying may still emit signals (leave, unmap); none may reach a form that is going away.
  g_signal_handlers_disconnect_by_data(FArea, this);
  g_signal_handlers_disconnect_by_data(FWindow, this);
  gtk_widget_destroy(FWindow);
}

void TGtkFormWindow::ConnectSignals() {
  struct Handler {
    const char* signal;
    GCallback callback;
  };
  // The drawing area takes the pointer, the painting and the drops; the window the keys and
  // closing.
  const Handler area[] = {
      {"draw", G_CALLBACK(DrawSignal)},
      {"motion-notify-event", G_CALLBACK(MotionSignal)},
      {"button-press-event", G_CALLBACK(ButtonPressSignal)},
      {"button-release-event", G_CALLBACK(ButtonReleaseSignal)},
      {"leave-notify-event", G_CALLBACK(LeaveSignal)},
      {"drag-motion", G_CALLBACK(DragMotionSignal)},
      {"drag-drop", G_CALLBACK(DragDropSignal)},
      {"drag-data-received", G_CALLBACK(DragDataReceivedSignal)},
  };
  const Handler window[] = {
      {"key-press-event", G_CALLBACK(KeyPressSignal)},
      {"key-release-event", G_CALLBACK(KeyReleaseSignal)},
      {"delete-event", G_CALLBACK(DeleteSignal)},
      {"focus-out-event", G_CALLBACK(FocusOutSignal)},
  };
  for (const Handler& h : area) g_signal_connect(FArea, h.signal, h.callback, this);
  for (const Handler& h : window) g_signal_connect(FWindow, h.signal, h.callback, this);
  g_signal_connect_after(FWindow, "realize", G_CALLBACK(RealizeSignal), this);
}

GtkWindow* TGtkFormWindow::Window() const { return GTK_WINDOW(FWindow); }

GdkWindow* TGtkFormWindow::ClientGdkWindow() const { return gtk_widget_get_window(FArea); }

void TGtkFormWindow::SetCaption(const std::string& caption) {
  FParams.Caption = caption;
  gtk_window_set_title(GTK_WINDOW(FWindow), caption.c_str());
}

void TGtkFormWindow::SetTopmost(bool topmost) {
  FParams.Topmost = topmost;
  gtk_window_set_keep_above(GTK_WINDOW(FWindow), topmost);
}

void TGtkFormWindow::SetAcceptFiles(bool accept) {
  FParams.AcceptFiles = accept;
  if (!accept) {
    gtk_drag_dest_unset(FArea);
    return;
  }
  // Motion and drop are answered by our own handlers: no highlight may draw over the board.
  GtkTargetEntry target{const_cast<gchar*>(kUriListTarget), 0, 0};
  gtk_drag_dest_set(FArea, static_cast<GtkDestDefaults>(0), &target, 1,
                    static_cast<GdkDragAction>(GDK_ACTION_COPY | GDK_ACTION_MOVE | GDK_ACTION_LINK |
                                               GDK_ACTION_ASK));
}

void TGtkFormWindow::Show() {
  FShown = true;
  gtk_widget_show_all(FWindow);
  gtk_window_present(GTK_WINDOW(FWindow));
}

void TGtkFormWindow::Hide() {
  FShown = false;
  gtk_widget_hide(FWindow);
}

void TGtkFormWindow::InvalidateRect(const tk::TRect& r) {
  gtk_widget_queue_draw_area(FArea, r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
}

void TGtkFormWindow::SetClientSize(int width, int height) {
  FParams.ClientWidth = width;
  FParams.ClientHeight = height;
  gtk_widget_set_size_request(FArea, width, height);
}

tk::TPoint TGtkFormWindow::ClientOrigin() const {
  GdkWindow* client = ClientGdkWindow();
  if (!client) return FParams.Position;
  gint x = 0;
  gint y = 0;
  gdk_window_get_origin(client, &x, &y);
  return {x, y};
}

void TGtkFormWindow::Realized() {
  // A tool window can be moved and closed, nothing else: window managers that read these hints
  // then show only the close button.
  const auto style = FParams.BorderStyle;
  if (style == tk::TBorderStyle::bsToolWindow || style == tk::TBorderStyle::bsDialog)
    gdk_window_set_functions(gtk_widget_get_window(FWindow),
                             static_cast<GdkWMFunction>(GDK_FUNC_MOVE | GDK_FUNC_CLOSE));
}

void TGtkFormWindow::Paint(cairo_t* cr) {
  tk::TBitmap* buffer = FPlatform.Painter().Paint(FEvents);
  if (!buffer) return;
  const int width = buffer->Width();
  const int height = buffer->Height();
  // The surface lies over the back buffer's own rows: no copy, no conversion. Its words are
  // 0x00RRGGBB, which is what CAIRO_FORMAT_RGB24 means on every byte order.
  const int stride = width * static_cast<int>(sizeof(std::uint32_t));
  if (cairo_format_stride_for_width(CAIRO_FORMAT_RGB24, width) != stride) return;
  cairo_surface_t* surface =
      cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(buffer->ScanLine(0)),
                                          CAIRO_FORMAT_RGB24, width, height, stride);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(cr, surface, 0, 0);
  // Where the desktop scales windows, pixels stay sharp squares.
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  cairo_rectangle(cr, 0, 0, width, height);
  cairo_fill(cr);
  cairo_surface_finish(surface);
  cairo_surface_destroy(surface);
}

void TGtkFormWindow::MouseMoved(double x, double y, unsigned modifiers) {
  FEvents.HandleMouseMove(ClientPoint(x, y), MouseKeysFromModifiers(modifiers));
}

void TGtkFormWindow::RefreshDoubleClickLimits() {
  gint time = 400;
  gint distance = 5;
  g_object_get(gtk_widget_get_settings(FArea), "gtk-double-click-time", &time,
               "gtk-double-click-distance", &distance, nullptr);
  FClicks.SetLimits(static_cast<unsigned>(time), distance);
}

bool TGtkFormWindow::ButtonPressed(unsigned button, unsigned time, double x, double y,
                                   unsigned modifiers) {
  const auto which = MouseButtonFromGdk(button);
  if (!which) return false;
  const tk::TPoint p = ClientPoint(x, y);
  RefreshDoubleClickLimits();
  const bool doubleClick = FClicks.Press(button, time, p.X, p.Y);
  FEvents.HandleMouseButton(*which, true, doubleClick, p,
                            MouseKeysAfterButton(modifiers, button, true));
  return true;
}

bool TGtkFormWindow::ButtonReleased(unsigned button, double x, double y, unsigned modifiers) {
  const auto which = MouseButtonFromGdk(button);
  if (!which) return false;
  FEvents.HandleMouseButton(*which, false, false, ClientPoint(x, y),
                            MouseKeysAfterButton(modifiers, button, false));
  return true;
}

void TGtkFormWindow::MouseLeft() { FEvents.HandleMouseLeaveWindow(); }

int TGtkFormWindow::VirtualKeyOf(unsigned keyval, unsigned hardwareKeycode,
                                 unsigned modifiers) const {
  // A virtual key names the physical key: take what it types in the first layout group without
  // Shift (so Shift+1 is still '1', and a Cyrillic or kana layout still gives Ctrl+S).
  guint base = 0;
  GdkKeymap* keymap = gdk_keymap_get_for_display(gtk_widget_get_display(FWindow));
  if (gdk_keymap_translate_keyboard_state(keymap, hardwareKeycode,
                                          static_cast<GdkModifierType>(modifiers & GDK_MOD2_MASK),
                                          0, &base, nullptr, nullptr, nullptr)) {
    if (const int vk = VirtualKeyFromKeyval(base)) return vk;
  }
  return VirtualKeyFromKeyval(keyval);
}

bool TGtkFormWindow::KeyPressed(unsigned keyval, unsigned hardwareKeycode, unsigned modifiers) {
  const int vk = VirtualKeyOf(keyval, hardwareKeycode, modifiers);
  if (vk) FPlatform.KeyDown(vk);
  if (vk && FEvents.HandleKeyDown(vk, ShiftStateFromModifiers(modifiers))) return true;
  // A key that types a character goes on as one (Alt held included: access keys); with Ctrl it
  // is a command that nothing took.
  const gunichar character = gdk_keyval_to_unicode(keyval);
  const bool ctrlOnly = (modifiers & GDK_CONTROL_MASK) && !(modifiers & GDK_MOD1_MASK);
  if (character != 0 && !ctrlOnly) FEvents.HandleChar(character);
  return false;
}

void TGtkFormWindow::KeyReleased(unsigned keyval, unsigned hardwareKeycode, unsigned modifiers) {
  if (const int vk = VirtualKeyOf(keyval, hardwareKeycode, modifiers)) FPlatform.KeyUp(vk);
}

void TGtkFormWindow::FocusLost() {
  // Keys released while another window had the focus never reach us.
  FPlatform.ForgetKeys();
}

void TGtkFormWindow::CloseRequested() { FEvents.HandleCloseRequest(); }

void TGtkFormWindow::FilesArrived(std::vector<std::string> paths) {
  FPendingDrop = std::move(paths);
  if (!FDropIdle) FDropIdle = g_idle_add(DeliverDropLater, this);
}

void TGtkFormWindow::DeliverDrop() {
  FDropIdle = 0;
  const tk::TDroppedFiles drop{std::move(FPendingDrop)};
  FPendingDrop.clear();
  FEvents.HandleDropFiles(drop);
}

}  // namespace gtkui
