#pragma once
// What a save-picture dialog previews for the file under its cursor: the picture read with our
// own readers, scaled down to fit a square box (never enlarged, proportions kept), and its pixel
// size as a caption. The backends only put it on the screen.

#include <memory>
#include <optional>
#include <string>

#include "toolkit/graphics/Bitmap.h"

namespace tk {

struct TPicturePreview {
  std::unique_ptr<TBitmap> Image;  // the picture as the preview shows it
  int PictureWidth = 0;            // the picture's own size
  int PictureHeight = 0;
  std::string Caption;  // "652 × 593"
};

struct TPreviewSize {
  int Width = 0;
  int Height = 0;
  friend bool operator==(const TPreviewSize&, const TPreviewSize&) = default;
};

// The size a `width` x `height` picture is shown at inside a `box` x `box` square: itself when
// it fits, else scaled down so its longer side is `box` (each side at least 1 pixel).
TPreviewSize FitWithin(int width, int height, int box);

// The preview of a bitmap or JPEG file (by its extension, as loading a cell picture decides),
// or nothing for any other file, a folder, or a file the readers refuse.
std::optional<TPicturePreview> LoadPicturePreview(const std::string& path, int box);

}  // namespace tk
