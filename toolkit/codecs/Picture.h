#pragma once
// A picture holder: one TGraphic (a TBitmap or a TJPEGImage) or none, owned. Loading builds
// the new graphic apart and swaps it in only when the whole file was read, so a failed load
// leaves the old picture as it was. It knows nothing of widgets; a picture widget listens to
// OnChange.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "toolkit/core/Object.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Graphic.h"

namespace tk {

class TJPEGImage;

// The text for a file whose extension names no reader; %s is the path.
inline constexpr const char* kUnknownPictureExtension =
    "ファイル %s は読み込める画像ではありません";

enum class TPictureFileKind { kBitmap, kJpeg };

// The reader a path's own extension names, letter case ignored: ".bmp" a bitmap, ".jpg" and
// ".jpeg" a JPEG; nothing for any other extension or none. Only the last path component
// counts ("my.pics/photo" has no extension).
std::optional<TPictureFileKind> PictureFileKindOf(const std::string& path);

// Reads a whole file's content with the reader of `kind`, exactly as loading a file does.
// For a JPEG, the cover size is the decode hint (see DecodeJpeg). Raises EInvalidGraphic
// ("ビットマップイメージが不正です") or EJPEG ("JPEG エラー #%d").
std::unique_ptr<TGraphic> ReadGraphic(TPictureFileKind kind, std::span<const std::uint8_t> data,
                                      int coverWidth = 0, int coverHeight = 0);

class TPicture : public TPersistent {
 public:
  TPicture();
  ~TPicture() override;
  const char* ClassName() const override { return "TPicture"; }

  // The held graphic, or nullptr.
  TGraphic* Graphic() const { return FGraphic.get(); }
  // Takes `graphic` (nullptr empties the picture), frees the old one and fires OnChange.
  void SetGraphic(std::unique_ptr<TGraphic> graphic);

  // Loads a file with the reader its extension names. Raises EInvalidGraphic
  // (kUnknownPictureExtension) before opening a file of any other extension, EFOpenError when
  // the file cannot be read, or the reader's error; the picture is then unchanged.
  void LoadFromFile(const std::string& path);

  // The smallest size JPEG files are decoded to cover (0 x 0: full size). Only the decoded
  // detail changes; Width() and Height() stay the image's own.
  void SetDecodeSize(int width, int height);
  // The one size the picture is drawn at, stretched (0 x 0: none). A JPEG file loaded while it
  // is set keeps only the pixels of the picture at its own size that such a draw takes (see
  // DecodeJpeg): it shows exactly the same at that size, and thirty camera photos fit in the
  // memory of one.
  void SetStretchSize(int width, int height);

  // Frees the graphic; fires OnChange only if there was one.
  void Clear();

  // The held TBitmap. When the picture holds nothing or another kind of graphic, a new empty
  // TBitmap replaces it first (firing OnChange).
  TBitmap& Bitmap();

  int Width() const { return FGraphic ? FGraphic->Width() : 0; }
  int Height() const { return FGraphic ? FGraphic->Height() : 0; }

  // A copy of another picture's graphic, or of a graphic; an empty picture empties this one.
  void Assign(const TPersistent& source) override;

  // Fired when the graphic is replaced or emptied, and when the held graphic changes.
  TNotifyEvent OnChange;

 private:
  void Changed() { OnChange(this); }
  std::unique_ptr<TJPEGImage> ReadJpegFile(const std::string& path) const;

  std::unique_ptr<TGraphic> FGraphic;
  int FDecodeWidth = 0;
  int FDecodeHeight = 0;
  bool FKeepStretchSamples = false;
};

}  // namespace tk
