// The yardstick for start-up: a bare GTK 3 window of the board's size and place that paints its
// client area white, and nothing else.

#include <gtk/gtk.h>

#include "platform/gtk/FirstFrameExit.h"

namespace {

gboolean PaintWhite(GtkWidget*, cairo_t* cr, gpointer) {
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  gdk_set_allowed_backends("x11,*");
  if (!gtk_init_check(&argc, &argv)) return 1;
  gtkui::ExitAfterFirstFrameWhenAsked();
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  GtkWidget* area = gtk_drawing_area_new();
  gtk_container_add(GTK_CONTAINER(window), area);
  gtk_widget_set_size_request(area, 652, 593);
  gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
  gtk_window_move(GTK_WINDOW(window), 20, 20);
  g_signal_connect(area, "draw", G_CALLBACK(PaintWhite), nullptr);
  g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
  gtk_widget_show_all(window);
  gtk_main();
  return 0;
}
