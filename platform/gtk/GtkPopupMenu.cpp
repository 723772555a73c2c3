#include "platform/gtk/GtkPopupMenu.h"

#include <gtk/gtk.h>

#include <functional>
#include <memory>

#include "platform/gtk/Mnemonics.h"
#include "toolkit/controls/Application.h"

namespace gtkui {

namespace {

constexpr char kItemKey[] = "poterinko-menu-item";
constexpr char kDestroyKey[] = "poterinko-menu-closing";

using Command = std::function<void()>;

gboolean ClickLater(gpointer click) {
  const std::unique_ptr<Command> owned(static_cast<Command*>(click));
  tk::GuardCallback([&] { (*owned)(); });
  return G_SOURCE_REMOVE;
}

void DeleteClick(gpointer click) { delete static_cast<Command*>(click); }

void ActivateSignal(GtkMenuItem* widget, gpointer) {
  tk::GuardCallback([&] {
    // Submenu headers are activated too when they open; only leaves run commands.
    if (gtk_menu_item_get_submenu(widget)) return;
    const auto* click = static_cast<Command*>(g_object_get_data(G_OBJECT(widget), kItemKey));
    // GTK hides the menu before it activates the item; the idle runs after it is gone (and
    // after the menu's widgets are destroyed: it owns a copy of the command).
    if (click && *click) g_idle_add(ClickLater, new Command(*click));
  });
}

gboolean DestroyNow(gpointer menu) {
  tk::GuardCallback([&] {
    gtk_widget_destroy(GTK_WIDGET(menu));
    g_object_unref(menu);
  });
  return G_SOURCE_REMOVE;
}

// Once per menu, however often GTK says it closed.
void DestroyLater(GtkWidget* menu) {
  if (g_object_get_data(G_OBJECT(menu), kDestroyKey)) return;
  g_object_set_data(G_OBJECT(menu), kDestroyKey, menu);
  g_idle_add(DestroyNow, menu);
}

void DeactivateSignal(GtkMenuShell* menu, gpointer) {
  // "activate" of the chosen item is still to come after this signal: destroy from the loop.
  tk::GuardCallback([&] { DestroyLater(GTK_WIDGET(menu)); });
}

GtkWidget* MenuItemWidget(const tk::TMenuEntry& item) {
  if (item.Line) return gtk_separator_menu_item_new();
  GtkWidget* widget = item.Checked ? gtk_check_menu_item_new() : gtk_menu_item_new();
  if (item.Checked) gtk_check_menu_item_set_active(GTK_CHECK_MENU_ITEM(widget), TRUE);

  GtkWidget* box = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 12);
  GtkWidget* caption = gtk_label_new_with_mnemonic(MnemonicFromCaption(item.Caption).c_str());
  gtk_label_set_mnemonic_widget(GTK_LABEL(caption), widget);
  gtk_label_set_xalign(GTK_LABEL(caption), 0.0f);
  gtk_box_pack_start(GTK_BOX(box), caption, TRUE, TRUE, 0);
  // The shortcut exactly as the toolkit spells it ("Ctrl+S", "Del"), styled as GTK's own
  // accelerator text.
  if (!item.ShortCut.empty()) {
    GtkWidget* label = gtk_label_new(item.ShortCut.c_str());
    gtk_style_context_add_class(gtk_widget_get_style_context(label), "accelerator");
    gtk_label_set_xalign(GTK_LABEL(label), 1.0f);
    gtk_box_pack_end(GTK_BOX(box), label, FALSE, FALSE, 0);
  }
  gtk_container_add(GTK_CONTAINER(widget), box);

  gtk_widget_set_sensitive(widget, item.Enabled);
  g_object_set_data_full(G_OBJECT(widget), kItemKey, new Command(item.Click), DeleteClick);
  if (!item.Items.empty())
    gtk_menu_item_set_submenu(GTK_MENU_ITEM(widget), BuildGtkMenu(item.Items));
  else g_signal_connect(widget, "activate", G_CALLBACK(ActivateSignal), nullptr);
  return widget;
}

}  // namespace

GtkWidget* BuildGtkMenu(const std::vector<tk::TMenuEntry>& items) {
  GtkWidget* menu = gtk_menu_new();
  for (const tk::TMenuEntry& item : items) {
    if (!item.Visible) continue;
    gtk_menu_shell_append(GTK_MENU_SHELL(menu), MenuItemWidget(item));
  }
  gtk_widget_show_all(menu);
  return menu;
}

void ShowPopupMenu(const tk::TMenuModel& popup, GdkWindow* relativeTo, tk::TPoint point) {
  GtkWidget* menu = BuildGtkMenu(popup.Items);
  g_object_ref_sink(menu);
  g_signal_connect(menu, "deactivate", G_CALLBACK(DeactivateSignal), nullptr);
  const GdkRectangle at{point.X, point.Y, 1, 1};
  GdkEvent* trigger = gtk_get_current_event();
  gtk_menu_popup_at_rect(GTK_MENU(menu), relativeTo, &at, GDK_GRAVITY_NORTH_WEST,
                         GDK_GRAVITY_NORTH_WEST, trigger);
  if (trigger) gdk_event_free(trigger);
  // A menu that could not take the pointer and keyboard never shows and never deactivates.
  if (!gtk_widget_get_visible(menu)) DestroyLater(menu);
}

}  // namespace gtkui
