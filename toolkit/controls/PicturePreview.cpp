#include "toolkit/controls/PicturePreview.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <system_error>

#include "toolkit/codecs/Picture.h"
#include "toolkit/graphics/Canvas.h"

namespace tk {

TPreviewSize FitWithin(int width, int height, int box) {
  if (width <= box && height <= box) return {width, height};
  // Whole-number arithmetic in 64 bits: a picture may be up to 100 megapixels.
  const long long longer = std::max(width, height);
  const auto scaled = [&](int side) {
    return static_cast<int>(std::max<long long>(1, side * static_cast<long long>(box) / longer));
  };
  return {scaled(width), scaled(height)};
}

std::optional<TPicturePreview> LoadPicturePreview(const std::string& path, int box) {
  // Only plain files: opening a pipe or a device to look at it could wait forever.
  std::error_code error;
  if (!PictureFileKindOf(path) || !std::filesystem::is_regular_file(path, error)) return {};
  TPicture picture;
  picture.SetDecodeSize(box, box);
  try {
    picture.LoadFromFile(path);
  } catch (const std::exception&) {
    return {};  // a picture the readers refuse previews as nothing
  }
  const TGraphic& graphic = *picture.Graphic();
  const TPreviewSize size = FitWithin(graphic.Width(), graphic.Height(), box);
  TPicturePreview preview;
  preview.Image = std::make_unique<TBitmap>(size.Width, size.Height);
  preview.Image->Canvas().StretchDraw(Rect(0, 0, size.Width, size.Height), graphic);
  preview.PictureWidth = graphic.Width();
  preview.PictureHeight = graphic.Height();
  preview.Caption = std::to_string(graphic.Width()) + " × " + std::to_string(graphic.Height());
  return preview;
}

}  // namespace tk
