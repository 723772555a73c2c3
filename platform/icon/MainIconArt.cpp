#include "platform/icon/MainIconArt.h"

#include <string_view>

namespace appicon {

namespace {

// One character per pixel; the palette below gives each its colour.
constexpr std::string_view kArt[kMainIconSize] = {
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.", "kwwwwkggggkggggkggggkggggkggggk.",
    "kwwwwkggggkggggkggggkggggkggggk.", "kwwwwkggggkggggkggggkggggkggggk.",
    "kwwwwkggggkggggkggggkggggkggggk.", "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.",
    "kllllkrrrrkwwwwkbbbbkwwwwkwwwwk.", "kllllkrrrrkwwwwkbbbbkwwwwkwwwwk.",
    "kllllkrrrrkwwwwkbbbbkwwwwkwwwwk.", "kllllkrrrrkwwwwkbbbbkwwwwkwwwwk.",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.", "kllllkwwwwkyyyykwwwwkwwwwkooook.",
    "kllllkwwwwkyyyykwwwwkwwwwkooook.", "kllllkwwwwkyyyykwwwwkwwwwkooook.",
    "kllllkwwwwkyyyykwwwwkwwwwkooook.", "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.",
    "kllllkwwwwkwwwwkwwwwkmmmmkwwwwk.", "kllllkwwwwkwwwwkwwwwkmmmmkwwwwk.",
    "kllllkwwwwkwwwwkwwwwkmmmmkwwwwk.", "kllllkwwwwkwwwwkwwwwkmmmmkwwwwk.",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.", "kllllkppppkwwwwkwwwwkwwwwkwwwwk.",
    "kllllkppppkwwwwkwwwwkwwwwkwwwwk.", "kllllkppppkwwwwkwwwwkwwwwkwwwwk.",
    "kllllkppppkwwwwkwwwwkwwwwkwwwwk.", "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.",
    "kllllkwwwwksssskwwwwkyyyykrrrrk.", "kllllkwwwwksssskwwwwkyyyykrrrrk.",
    "kllllkwwwwksssskwwwwkyyyykrrrrk.", "kllllkwwwwksssskwwwwkyyyykrrrrk.",
    "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.", "................................",
};

constexpr std::uint32_t Colour(char c) {
  switch (c) {
    case 'k': return 0xFF303030;  // grid lines
    case 'w': return 0xFFFFFFFF;  // an empty cell
    case 'g': return 0xFF3CB043;  // weekday header row
    case 'l': return 0xFF80FF80;  // period column, the board's header green
    case 'r': return 0xFFE84040;
    case 'b': return 0xFF4070E0;
    case 'y': return 0xFFF0C020;
    case 'o': return 0xFFF08C20;
    case 'p': return 0xFF9050D0;
    case 'm': return 0xFFFF80C0;
    case 's': return 0xFF40C0F0;
    default: return 0x00000000;  // '.', see-through
  }
}

}  // namespace

std::array<std::uint32_t, kMainIconSize * kMainIconSize> MainIconPixels() {
  std::array<std::uint32_t, kMainIconSize * kMainIconSize> pixels{};
  for (int y = 0; y < kMainIconSize; ++y)
    for (int x = 0; x < kMainIconSize; ++x)
      pixels[static_cast<std::size_t>(y * kMainIconSize + x)] = Colour(kArt[y][x]);
  return pixels;
}

}  // namespace appicon
