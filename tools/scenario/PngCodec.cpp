// Uses libpng's simplified API, which catches libpng's errors itself and reports them as a
// failed call, so no longjmp reaches this code.

#include "tools/scenario/PngCodec.h"

#include <png.h>

#include "toolkit/codecs/PictureLimits.h"

namespace scenario {

using tk::TBitmap;

namespace {

struct ImageControl {
  png_image image{};
  ImageControl() { image.version = PNG_IMAGE_VERSION; }
  ~ImageControl() { png_image_free(&image); }
  [[noreturn]] void Fail() const { throw EPNG(std::string("PNG: ") + image.message); }
};

}  // namespace

std::vector<std::uint8_t> EncodePng(const TBitmap& bitmap) {
  const int width = bitmap.Width(), height = bitmap.Height();
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
  std::uint8_t* out = rgb.data();
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* in = bitmap.ScanLine(y);
    for (int x = 0; x < width; ++x, out += 3) {
      out[0] = static_cast<std::uint8_t>(in[x] >> 16);
      out[1] = static_cast<std::uint8_t>(in[x] >> 8);
      out[2] = static_cast<std::uint8_t>(in[x]);
    }
  }
  ImageControl control;
  control.image.width = static_cast<png_uint_32>(width);
  control.image.height = static_cast<png_uint_32>(height);
  control.image.format = PNG_FORMAT_RGB;
  // The first call only measures; the second writes into a buffer of that size.
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&control.image, nullptr, &size, 0, rgb.data(), 0, nullptr))
    control.Fail();
  std::vector<std::uint8_t> png(size);
  if (!png_image_write_to_memory(&control.image, png.data(), &size, 0, rgb.data(), 0, nullptr))
    control.Fail();
  png.resize(size);
  return png;
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

}  // namespace scenario
