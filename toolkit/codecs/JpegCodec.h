#pragma once
// JPEG decoding and encoding through libjpeg, bytes in and bytes out. libjpeg's own types stay
// inside the codec's sources.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "toolkit/core/Exceptions.h"
#include "toolkit/graphics/Bitmap.h"

namespace tk {

// %d is libjpeg's message number (its msg_code).
inline constexpr const char* kJpegError = "JPEG エラー #%d";

// An error reported by libjpeg, or a limit of ours given one of libjpeg's message numbers
// (JERR_IMAGE_TOO_BIG for a header over kMaxPicturePixels).
class EJPEG : public Exception {
 public:
  explicit EJPEG(const std::string& message) : Exception(message) {}
};

struct TJpegDecoded {
  std::unique_ptr<TBitmap> Bitmap;  // the decoded pixels, possibly scaled down
  int ImageWidth = 0;               // the image's own size, as its header gives it
  int ImageHeight = 0;
};

// The error of an image too big to decode (libjpeg's JERR_IMAGE_TOO_BIG).
EJPEG JpegTooBigError();

// The numerator n of the scale n/8 libjpeg decodes an image of `imageWidth` x `imageHeight`
// at: the smallest whose output still covers `coverWidth` x `coverHeight`, 8 when nothing
// smaller does or no size is asked for (either cover size 0 or less).
int JpegScaleNumerator(int imageWidth, int imageHeight, int coverWidth, int coverHeight);

// Decodes a JPEG stream; grey, RGB, YCbCr, CMYK and YCCK images all give RGB pixels. With a
// cover size, libjpeg's DCT scaling decodes at JpegScaleNumerator's scale, which needs a
// fraction of the memory and time of the full image. A picture whose Exif block gives an
// orientation comes out upright (turned or mirrored), its image size as shown, and the cover
// applies to it as shown. Raises EJPEG.
TJpegDecoded DecodeJpeg(std::span<const std::uint8_t> data, int coverWidth = 0,
                        int coverHeight = 0);

// A JPEG stream read a piece at a time: `read` fills up to n bytes and returns how many, 0 at
// the end, or a negative number when the bytes cannot be read. It must not throw.
// `size` is the stream's whole length as far as it is known (a file's size when it was opened):
// what a file could plausibly hold bounds what its decoding may cost.
struct TJpegStream {
  std::function<long long(std::uint8_t* data, std::size_t n)> read;
  std::size_t size = SIZE_MAX;
};

// DecodeJpeg over a stream, of which only a small buffer is held at a time. With
// `keepStretchSamples` and a cover size, the picture is not scaled: the bitmap holds exactly the
// pixels of the whole picture, shown upright, that a stretch to the cover size takes (see
// StretchSourceIndex), each axis longer than the cover's cut to it. Only the work those pixels
// need is done, and the picture is never held whole (see TJpegRawSamples). A stream that
// cannot be read raises EJPEG with libjpeg's JERR_FILE_READ.
TJpegDecoded DecodeJpeg(const TJpegStream& stream, int coverWidth = 0, int coverHeight = 0,
                        bool keepStretchSamples = false);

// Encodes `bitmap` as a baseline colour JPEG: 3 components of 8 bits given as JCS_RGB (the
// red, green and blue of each pixel word), libjpeg's defaults, the float DCT and `quality`
// (1..100) with baseline-compatible tables; rows top first. Raises EJPEG.
std::vector<std::uint8_t> EncodeJpeg(const TBitmap& bitmap, int quality);

}  // namespace tk
