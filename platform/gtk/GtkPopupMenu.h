#pragma once
// A popup menu's model as a GtkMenu: access keys as mnemonics, the shortcut text at the
// right, check items, separators, insensitive disabled items. A chosen item is clicked after the
// menu has closed, from the main loop, so that what the command does (a snapshot of the board,
// a dialog) never meets the menu on screen.

#include <vector>

#include "toolkit/graphics/Geometry.h"
#include "toolkit/platform/MenuModel.h"

typedef struct _GtkWidget GtkWidget;
typedef struct _GdkWindow GdkWindow;

namespace gtkui {

// A new, floating GtkMenu with the visible entries of `items`, in order.
GtkWidget* BuildGtkMenu(const std::vector<tk::TMenuEntry>& items);

// Shows `menu` with its top-left corner at `point`, in the coordinates of `relativeTo`. The
// GTK menu destroys itself once it has closed.
void ShowPopupMenu(const tk::TMenuModel& menu, GdkWindow* relativeTo, tk::TPoint point);

}  // namespace gtkui
