#pragma once
// The toolkit's popup menu as a GtkMenu: access keys as mnemonics, the shortcut text at the
// right, check items, separators, insensitive disabled items. A chosen item is clicked after the
// menu has closed, from the main loop, so that what the command does (a snapshot of the board,
// a dialog) never meets the menu on screen.

typedef struct _GtkWidget GtkWidget;
typedef struct _GdkWindow GdkWindow;

namespace tk {
class TMenuItem;
class TPopupMenu;
struct TPoint;
}  // namespace tk

namespace gtkui {

// A new, floating GtkMenu with the items of `items` (the menu's root item), in order.
GtkWidget* BuildGtkMenu(const tk::TMenuItem& items);

// Shows `menu` with its top-left corner at `point`, in the coordinates of `relativeTo`. The
// GTK menu destroys itself once it has closed.
void ShowPopupMenu(tk::TPopupMenu& menu, GdkWindow* relativeTo, tk::TPoint point);

}  // namespace gtkui
