#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtest/gtest.h>

#include "platform/gtk/MainIconPixbuf.h"
#include "platform/icon/MainIconArt.h"

namespace gtkui {
namespace {

// GdkPixbuf keeps bytes R, G, B, A; the art keeps words 0xAARRGGBB. A swapped channel would
// turn the green header blue.
TEST(MainIconTest, PixbufHoldsTheArtsColoursInGdkByteOrder) {
  GdkPixbuf* pixbuf = CreateMainIconPixbuf();
  ASSERT_NE(pixbuf, nullptr);
  EXPECT_EQ(gdk_pixbuf_get_width(pixbuf), 32);
  EXPECT_EQ(gdk_pixbuf_get_height(pixbuf), 32);
  EXPECT_TRUE(gdk_pixbuf_get_has_alpha(pixbuf));
  const auto art = appicon::MainIconPixels();
  const guchar* rows = gdk_pixbuf_get_pixels(pixbuf);
  const int stride = gdk_pixbuf_get_rowstride(pixbuf);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const guchar* p = rows + y * stride + x * 4;
      const std::uint32_t word = art[static_cast<std::size_t>(y * 32 + x)];
      ASSERT_EQ((std::uint32_t{p[3]} << 24) | (std::uint32_t{p[0]} << 16) |
                    (std::uint32_t{p[1]} << 8) | p[2],
                word)
          << x << "," << y;
    }
  }
  g_object_unref(pixbuf);
}

// What the icon has to show at a glance: an opaque board with a green header row and white
// cells, on a see-through margin.
TEST(MainIconTest, ShowsAGreenHeaderRowOverWhiteCells) {
  const auto art = appicon::MainIconPixels();
  auto at = [&](int x, int y) { return art[static_cast<std::size_t>(y * 32 + x)]; };
  auto green = [](std::uint32_t c) {
    const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
    return g > r + 40 && g > b + 40;
  };
  EXPECT_EQ(at(31, 31) >> 24, 0u);
  for (int x = 6; x < 30; x += 5) EXPECT_TRUE(green(at(x + 1, 2))) << x;
  EXPECT_EQ(at(12, 7), 0xFFFFFFFFu);
  int opaque = 0;
  for (std::uint32_t c : art) opaque += (c >> 24) == 0xFF;
  EXPECT_GT(opaque, 32 * 32 * 9 / 10);
}

}  // namespace
}  // namespace gtkui
