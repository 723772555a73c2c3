// poterinko-make-icons OUTDIR: writes the program icon into an icon theme tree at the sizes
// desktops look for, OUTDIR/<n>x<n>/apps/poterinko.png, all from the window icon's pixel art.

#include <filesystem>
#include <string>

#include "packaging/icons/IconScale.h"
#include "platform/icon/IconWriterMain.h"
#include "platform/icon/MainIconArt.h"
#include "toolkit/core/FileIO.h"
#include "tools/png/PngCodec.h"

int main(int argc, char** argv) {
  return appicon::RunIconWriter(argc, argv, "poterinko-make-icons", "OUTDIR", [](const char* out) {
    const auto art = appicon::MainIconPixels();
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
      const std::string side = std::to_string(size);
      const std::filesystem::path dir = std::filesystem::path(out) / (side + "x" + side) / "apps";
      std::filesystem::create_directories(dir);
      const auto pixels = appicon::ScaleIcon(art, appicon::kMainIconSize, size);
      tk::WriteFileBytes((dir / "poterinko.png").string(), png::EncodePng(pixels, size, size));
    }
    return 0;
  });
}
