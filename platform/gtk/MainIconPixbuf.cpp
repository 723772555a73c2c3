#include "platform/gtk/MainIconPixbuf.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include "platform/icon/MainIconArt.h"

namespace gtkui {

GdkPixbuf* CreateMainIconPixbuf() {
  constexpr int size = appicon::kMainIconSize;
  GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, size, size);
  const auto pixels = appicon::MainIconPixels();
  guchar* rows = gdk_pixbuf_get_pixels(pixbuf);
  const int stride = gdk_pixbuf_get_rowstride(pixbuf);
  for (int y = 0; y < size; ++y) {
    guchar* out = rows + y * stride;
    for (int x = 0; x < size; ++x) {
      const std::uint32_t argb = pixels[static_cast<std::size_t>(y * size + x)];
      *out++ = static_cast<guchar>(argb >> 16);
      *out++ = static_cast<guchar>(argb >> 8);
      *out++ = static_cast<guchar>(argb);
      *out++ = static_cast<guchar>(argb >> 24);
    }
  }
  return pixbuf;
}

}  // namespace gtkui
