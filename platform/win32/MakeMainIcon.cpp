// Writes the program icon MAINICON as an .ico file, from the same pixel art the other backends
// show. Built and run on the build machine (with its own compiler) while the program itself is
// cross-compiled: the icon is made from its one source at every build, never kept as a file.
//
//   make-main-icon OUTPUT.ico

#include <cstdio>
#include <exception>

#include "platform/icon/MainIconArt.h"
#include "platform/win32/IconFile.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: make-main-icon OUTPUT.ico\n", stderr);
    return 2;
  }
  try {
    const auto art = appicon::MainIconPixels();
    const std::vector<std::uint32_t> pixels(art.begin(), art.end());
    const std::vector<std::uint8_t> bytes = win32ui::EncodeIcon256(pixels, appicon::kMainIconSize);
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file) {
      std::perror(argv[1]);
      return 1;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written) {
      std::perror(argv[1]);
      return 1;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make-main-icon: %s\n", e.what());
    return 1;
  }
  return 0;
}
