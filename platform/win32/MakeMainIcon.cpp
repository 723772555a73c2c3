// Writes the program icon MAINICON as an .ico file, from the same pixel art the other backends
// show. Built and run on the build machine (with its own compiler) while the program itself is
// cross-compiled: the icon is made from its one source at every build, never kept as a file.
//
//   make-main-icon OUTPUT.ico

#include <cstdio>

#include "platform/icon/IconWriterMain.h"
#include "platform/icon/MainIconArt.h"
#include "platform/win32/IconFile.h"

int main(int argc, char** argv) {
  return appicon::RunIconWriter(argc, argv, "make-main-icon", "OUTPUT.ico", [](const char* out) {
    const auto art = appicon::MainIconPixels();
    const std::vector<std::uint32_t> pixels(art.begin(), art.end());
    const std::vector<std::uint8_t> bytes = win32ui::EncodeIcon256(pixels, appicon::kMainIconSize);
    std::FILE* file = std::fopen(out, "wb");
    if (!file) {
      std::perror(out);
      return 1;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written) {
      std::perror(out);
      return 1;
    }
    return 0;
  });
}
