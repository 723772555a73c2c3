#include "platform/gtk/FirstFrameExit.h"

#include <gtk/gtk.h>

#include <cstdlib>

namespace gtkui {
namespace {

// Runs once the frame whose drawing began is complete: idle sources come after the frame
// clock's paint. The round trip makes sure the server has the pixels before the process goes.
gboolean ExitNow(gpointer) {
  if (GdkDisplay* display = gdk_display_get_default()) gdk_display_sync(display);
  std::_Exit(0);
}

gboolean FirstDrawHook(GSignalInvocationHint*, guint, const GValue*, gpointer) {
  g_idle_add(ExitNow, nullptr);
  return FALSE;  // the hook is not needed again
}

}  // namespace

void ExitAfterFirstFrameWhenAsked() {
  if (!std::getenv("POTERINKO_EXIT_AFTER_FIRST_FRAME")) return;
  g_signal_add_emission_hook(g_signal_lookup("draw", GTK_TYPE_WIDGET), 0, FirstDrawHook, nullptr,
                             nullptr);
}

}  // namespace gtkui
