#include "packaging/icons/IconPng.h"

#include <png.h>

#include <stdexcept>
#include <vector>

namespace appicon {

void WriteIconPng(const std::string& path, std::span<const std::uint32_t> pixels, int size) {
  std::vector<png_byte> rgba;
  rgba.reserve(pixels.size() * 4);
  for (const std::uint32_t argb : pixels) {
    rgba.push_back(static_cast<png_byte>(argb >> 16));
    rgba.push_back(static_cast<png_byte>(argb >> 8));
    rgba.push_back(static_cast<png_byte>(argb));
    rgba.push_back(static_cast<png_byte>(argb >> 24));
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(size);
  image.height = static_cast<png_uint_32>(size);
  image.format = PNG_FORMAT_RGBA;
  if (!png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), 0, nullptr))
    throw std::runtime_error(path + ": " + image.message);
}

}  // namespace appicon
