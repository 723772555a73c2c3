#include "packaging/icons/IconScale.h"

#include <algorithm>

namespace appicon {

namespace {

// How much of old pixel `i` new pixel `j` covers along one axis, in units of 1/(from*to) of a
// new pixel's width: old pixel i spans [i*to, (i+1)*to), new pixel j spans [j*from, (j+1)*from).
std::int64_t Overlap(int i, int j, int from, int to) {
  const std::int64_t start = std::max(std::int64_t{i} * to, std::int64_t{j} * from);
  const std::int64_t end = std::min(std::int64_t{i + 1} * to, std::int64_t{j + 1} * from);
  return std::max<std::int64_t>(0, end - start);
}

std::uint32_t Divide(std::int64_t sum, std::int64_t total) {
  return static_cast<std::uint32_t>((sum + total / 2) / total);
}

}  // namespace

std::vector<std::uint32_t> ScaleIcon(std::span<const std::uint32_t> pixels, int from, int to) {
  std::vector<std::uint32_t> scaled(static_cast<std::size_t>(to) * to);
  const std::int64_t area = std::int64_t{from} * from;  // a new pixel's area, in these units
  for (int y = 0; y < to; ++y) {
    for (int x = 0; x < to; ++x) {
      std::int64_t alpha = 0, red = 0, green = 0, blue = 0;
      // Only the old pixels under the new one: from (j*from)/to to ((j+1)*from - 1)/to.
      for (int sy = y * from / to; sy <= ((y + 1) * from - 1) / to; ++sy) {
        for (int sx = x * from / to; sx <= ((x + 1) * from - 1) / to; ++sx) {
          const std::int64_t weight = Overlap(sy, y, from, to) * Overlap(sx, x, from, to);
          const std::uint32_t argb = pixels[static_cast<std::size_t>(sy) * from + sx];
          const std::int64_t a = (argb >> 24) * weight;
          alpha += a;
          red += ((argb >> 16) & 0xFF) * a;
          green += ((argb >> 8) & 0xFF) * a;
          blue += (argb & 0xFF) * a;
        }
      }
      std::uint32_t& out = scaled[static_cast<std::size_t>(y) * to + x];
      if (alpha == 0) {
        out = 0;
        continue;
      }
      out = Divide(alpha, area) << 24 | Divide(red, alpha) << 16 | Divide(green, alpha) << 8 |
            Divide(blue, alpha);
    }
  }
  return scaled;
}

}  // namespace appicon
