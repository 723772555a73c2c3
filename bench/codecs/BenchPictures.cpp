#include "BenchPictures.h"

#include <filesystem>

#include "toolkit/codecs/JpegCodec.h"
#include "toolkit/core/FileIO.h"

namespace tk::bench {
namespace {

std::uint32_t Grain(std::uint32_t x, std::uint32_t y) {
  std::uint32_t h = x * 0x9E3779B1u ^ y * 0x85EBCA77u;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  return h & 0x1F;  // 0..31
}

std::uint32_t Clamp(int v) { return static_cast<std::uint32_t>(v < 0 ? 0 : v > 255 ? 255 : v); }

}  // namespace

std::unique_ptr<TBitmap> PhotoLikeBitmap(int width, int height) {
  auto bitmap = std::make_unique<TBitmap>(width, height);
  for (int y = 0; y < height; ++y) {
    std::uint32_t* row = bitmap->ScanLine(y);
    for (int x = 0; x < width; ++x) {
      const int grain = static_cast<int>(Grain(x, y)) - 16;
      const int r = x * 255 / width + grain;
      const int g = y * 255 / height + grain;
      const int b = ((x / 97 + y / 89) % 2 ? 200 : 60) + grain;
      row[x] = Clamp(r) << 16 | Clamp(g) << 8 | Clamp(b);
    }
  }
  return bitmap;
}

namespace {

// `jpeg` with an Exif block giving `orientation` right after its start marker.
std::vector<std::uint8_t> WithExifOrientation(std::vector<std::uint8_t> jpeg, int orientation) {
  // APP1 and its length, "Exif\0\0", a little-endian TIFF header with IFD0 at 8, and IFD0: one
  // entry, the orientation (tag 0x0112, one SHORT), then no next IFD.
  std::uint8_t exif[] = {0xFF, 0xE1, 0, 34, 'E', 'x', 'i', 'f', 0,    0, 'I', 'I',
                         42,   0,    8, 0,  0,   0,   1,   0,   0x12, 1, 3,   0,
                         1,    0,    0, 0,  0,   0,   0,   0,   0,    0, 0,   0};
  exif[28] = static_cast<std::uint8_t>(orientation);  // the entry's value
  jpeg.insert(jpeg.begin() + 2, std::begin(exif), std::end(exif));
  return jpeg;
}

std::string PhotoPath(const char* name, int width, int height, int orientation) {
  const std::string path = (std::filesystem::temp_directory_path() / name).string();
  if (!std::filesystem::exists(path)) {
    std::vector<std::uint8_t> jpeg = EncodeJpeg(*PhotoLikeBitmap(width, height), 90);
    if (orientation != 1) jpeg = WithExifOrientation(std::move(jpeg), orientation);
    WriteFileBytesAtomic(path, jpeg);
  }
  return path;
}

}  // namespace

std::string CameraPhotoPath() {
  return PhotoPath("poterinko-bench-6000x4000.jpg", kPhotoWidth, kPhotoHeight, 1);
}

std::string PhonePhotoPath() {
  return PhotoPath("poterinko-bench-4032x3024-turned.jpg", 4032, 3024, 6);
}

std::unique_ptr<TBitmap> BoardLikeBitmap() {
  auto board = PhotoLikeBitmap(652, 593);
  for (int y = 0; y < 593; ++y) {
    std::uint32_t* row = board->ScanLine(y);
    for (int x = 0; x < 652; ++x) {
      const int cx = x - 51, cy = y - 52;
      if (cx < 0 || cy < 0) continue;  // header gradients stay
      const bool frame = cx % 120 == 0 || cy % 90 == 0;
      const bool photoCell = (cx / 120 + cy / 90) % 3 == 0;
      if (frame) row[x] = 0;
      else if (!photoCell) row[x] = 0xFFFFFF;
    }
  }
  return board;
}

}  // namespace tk::bench
