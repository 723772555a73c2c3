#pragma once
// The bitmap file reader: core, info, V2/V3, V4 and V5 headers; 1, 4, 8, 16, 24 and 32 bits
// per pixel; uncompressed, RLE8, RLE4 and bit fields; bottom-up and top-down rows.
//
// A 1-bit file becomes a monochrome TBitmap that keeps its two palette colours; white is its
// transparent colour like that of every monochrome bitmap, and the darker of the two (entry 0
// when both are equally bright) is the ink that shrinking keeps. Every other depth gives a
// 32-bit bitmap.
//
// Pixels that an RLE stream skips (delta and end-of-line or end-of-bitmap escapes) take the
// colour of palette entry 0, as in an indexed image whose indices start as zero. An index
// beyond the palette gives black. Those escapes let a few bytes stand for any area, so an RLE
// image of more than 16 megapixels must carry at least one byte of stream per 4096 pixels
// (real encoders write one per 128 at most); otherwise a tiny file could demand hundreds of
// megabytes.

#include <cstdint>
#include <memory>
#include <span>
#include <variant>

#include "toolkit/core/Exceptions.h"
#include "toolkit/graphics/Bitmap.h"

namespace tk {

inline constexpr const char* kInvalidBitmap = "ビットマップイメージが不正です";

// Why a file was refused; the user sees kInvalidBitmap whatever the reason.
enum class TBmpError {
  kTruncated,          // a header, palette or the pixels reach past the end of the file
  kNotABitmap,         // no "BM" signature
  kUnsupportedHeader,  // a header size other than 12, 40, 52, 56, 108 or 124
  kBadDimensions,      // zero or negative width, zero height, planes other than 1
  kTooManyPixels,      // more than kMaxPicturePixels
  kUnsupportedFormat,  // a depth and compression that do not go together
  kBadPixelOffset,     // the pixel data would start inside the headers
  kCorruptRle,         // an RLE stream without its end-of-bitmap escape
  kRleTooShort,        // an RLE stream far too short for the area it claims
};

using TBmpDecodeResult = std::variant<std::unique_ptr<TBitmap>, TBmpError>;

// Decodes a whole bitmap file. Every size is checked against `file` before pixels are
// allocated.
TBmpDecodeResult DecodeBmp(std::span<const std::uint8_t> file);

// DecodeBmp at the toolkit boundary: raises EInvalidGraphic with kInvalidBitmap on failure.
std::unique_ptr<TBitmap> ReadBmp(std::span<const std::uint8_t> file);

}  // namespace tk
