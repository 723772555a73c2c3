#pragma once
// PNG files through libpng: writing a bitmap as 8-bit RGB (the scenario driver's screen
// shots) and reading one back (tests and tools).

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "toolkit/core/Exceptions.h"
#include "toolkit/graphics/Bitmap.h"

namespace tk {

// Raised with libpng's own message when a PNG stream cannot be written or read.
class EPNG : public Exception {
 public:
  explicit EPNG(const std::string& message) : Exception(message) {}
};

// The bitmap's pixels as an 8-bit RGB PNG stream, without an alpha channel.
std::vector<std::uint8_t> EncodePng(const TBitmap& bitmap);

// Any PNG (palette, grey, 16-bit, alpha) as pixel words; alpha is composed over white.
// Refuses images over kMaxPicturePixels before allocating them.
std::unique_ptr<TBitmap> DecodePng(std::span<const std::uint8_t> data);

}  // namespace tk
