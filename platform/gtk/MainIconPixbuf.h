#pragma once
// MAINICON as a GdkPixbuf for window icons.

typedef struct _GdkPixbuf GdkPixbuf;

namespace gtkui {

// A new reference; the caller unrefs it.
GdkPixbuf* CreateMainIconPixbuf();

}  // namespace gtkui
