#pragma once
// PNG files through libpng, for the tools: the scenario driver's shots (8-bit RGB) and the icon
// theme's icons (8-bit RGBA) are written here, and the tests that check shots read them back.
// The board itself neither reads nor writes PNG, so libpng is linked to the tools alone.

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "toolkit/core/Exceptions.h"
#include "toolkit/graphics/Bitmap.h"

namespace png {

// Raised with libpng's own message when a PNG stream cannot be written or read.
class EPNG : public tk::Exception {
 public:
  explicit EPNG(const std::string& message) : tk::Exception(message) {}
};

// The bitmap's pixels as an 8-bit RGB PNG stream, without an alpha channel.
std::vector<std::uint8_t> EncodePng(const tk::TBitmap& bitmap);

// width x height words 0xAARRGGBB, row 0 at the top, as an 8-bit RGBA PNG stream.
std::vector<std::uint8_t> EncodePng(std::span<const std::uint32_t> argb, int width, int height);

// Any PNG (palette, grey, 16-bit, alpha) as pixel words; alpha is composed over white.
// Refuses images over kMaxPicturePixels before allocating them.
std::unique_ptr<tk::TBitmap> DecodePng(std::span<const std::uint8_t> data);

}  // namespace png
