// Uses libpng's simplified API, which catches libpng's errors itself and reports them as a
// failed call, so no longjmp reaches this code.

#include "tools/png/PngCodec.h"

#include <png.h>

#include "toolkit/codecs/PictureLimits.h"

namespace png {

using tk::TBitmap;

namespace {

struct ImageControl {
  png_image image{};
  ImageControl() { image.version = PNG_IMAGE_VERSION; }
  ~ImageControl() { png_image_free(&image); }
  [[noreturn]] void Fail() const { throw EPNG(std::string("PNG: ") + image.message); }
};

// The one writer: `samples` holds width x height pixels of `format`, rows packed.
std::vector<std::uint8_t> Encode(const std::vector<std::uint8_t>& samples, int width, int height,
                                 png_uint_32 format) {
  ImageControl control;
  control.image.width = static_cast<png_uint_32>(width);
  control.image.height = static_cast<png_uint_32>(height);
  control.image.format = format;
  // The first call only measures; the second writes into a buffer of that size.
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&control.image, nullptr, &size, 0, samples.data(), 0, nullptr))
    control.Fail();
  std::vector<std::uint8_t> png(size);
  if (!png_image_write_to_memory(&control.image, png.data(), &size, 0, samples.data(), 0, nullptr))
    control.Fail();
  png.resize(size);
  return png;
}

// Red, green and blue of a pixel word, and its top byte when `alpha` is set.
void AppendSamples(std::vector<std::uint8_t>& out, std::uint32_t word, bool alpha) {
  out.push_back(static_cast<std::uint8_t>(word >> 16));
  out.push_back(static_cast<std::uint8_t>(word >> 8));
  out.push_back(static_cast<std::uint8_t>(word));
  if (alpha) out.push_back(static_cast<std::uint8_t>(word >> 24));
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const TBitmap& bitmap) {
  const int width = bitmap.Width(), height = bitmap.Height();
  std::vector<std::uint8_t> rgb;
  rgb.reserve(static_cast<std::size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y)
    for (const std::uint32_t word : std::span(bitmap.ScanLine(y), width))
      AppendSamples(rgb, word, false);
  return Encode(rgb, width, height, PNG_FORMAT_RGB);
}

std::vector<std::uint8_t> EncodePng(std::span<const std::uint32_t> argb, int width, int height) {
  std::vector<std::uint8_t> rgba;
  rgba.reserve(argb.size() * 4);
  for (const std::uint32_t word : argb) AppendSamples(rgba, word, true);
  return Encode(rgba, width, height, PNG_FORMAT_RGBA);
}

std::unique_ptr<TBitmap> DecodePng(std::span<const std::uint8_t> data) {
  ImageControl control;
  if (!png_image_begin_read_from_memory(&control.image, data.data(), data.size())) control.Fail();
  const std::uint64_t pixels = std::uint64_t{control.image.width} * control.image.height;
  if (pixels > tk::kMaxPicturePixels) throw EPNG("PNG: image too large");
  control.image.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(pixels) * 3);
  png_color white{255, 255, 255};
  if (!png_image_finish_read(&control.image, &white, rgb.data(), 0, nullptr)) control.Fail();
  const int width = static_cast<int>(control.image.width);
  const int height = static_cast<int>(control.image.height);
  auto bitmap = std::make_unique<TBitmap>(width, height);
  const std::uint8_t* in = rgb.data();
  for (int y = 0; y < height; ++y) {
    std::uint32_t* out = bitmap->ScanLine(y);
    for (int x = 0; x < width; ++x, in += 3)
      out[x] = static_cast<std::uint32_t>(in[0]) << 16 | in[1] << 8 | in[2];
  }
  return bitmap;
}

}  // namespace png
