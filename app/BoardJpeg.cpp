#include "app/BoardJpeg.h"

#include <filesystem>
#include <system_error>

#include "toolkit/codecs/JpegCodec.h"
#include "toolkit/core/FileIO.h"

namespace app {

namespace {
std::filesystem::path FsPath(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
}  // namespace

void WriteBoardJpeg(const std::string& path, const tk::TBitmap& bitmap, int quality,
                    tk::TFilePrivacy privacy) {
  const std::vector<std::uint8_t> stream = tk::EncodeJpeg(bitmap, quality);
  tk::WriteFileBytesAtomic(path, stream, privacy);
}

bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(FsPath(path), error);
}

bool DeleteWrittenFile(const std::string& path) { return tk::EraseFile(path); }

}  // namespace app
