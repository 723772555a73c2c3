#pragma once
// PNG files through libpng: writing a bitmap as 8-bit RGB (the driver's shots, the one kind of
// PNG file anything here writes) and reading one back (the tests that check shots). The board
// itself neither reads nor writes PNG, so libpng is linked to the driver alone.

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "toolkit/core/Exceptions.h"
#include "toolkit/graphics/Bitmap.h"

namespace scenario {

// Raised with libpng's own message when a PNG stream cannot be written or read.
class EPNG : public tk::Exception {
 public:
  explicit EPNG(const std::string& message) : tk::Exception(message) {}
};

// The bitmap's pixels as an 8-bit RGB PNG stream, without an alpha channel.
std::vector<std::uint8_t> EncodePng(const tk::TBitmap& bitmap);

// Any PNG (palette, grey, 16-bit, alpha) as pixel words; alpha is composed over white.
// Refuses images over kMaxPicturePixels before allocating them.
std::unique_ptr<tk::TBitmap> DecodePng(std::span<const std::uint8_t> data);

}  // namespace scenario
