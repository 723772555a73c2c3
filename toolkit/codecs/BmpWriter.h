#pragma once
// The bitmap file writer: one uncompressed 24-bit bottom-up file with an info header, the form
// every bitmap reader accepts. Monochrome bitmaps are written in the same form (their words are
// black or white), so the top byte of each pixel word is the only thing a file does not keep.

#include <cstdint>
#include <vector>

#include "toolkit/graphics/Bitmap.h"

namespace tk {

// The whole file. An empty bitmap gives an empty vector: there is no valid file of no pixels.
std::vector<std::uint8_t> EncodeBmp(const TBitmap& bitmap);

}  // namespace tk
