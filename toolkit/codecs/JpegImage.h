#pragma once
// A JPEG picture: the decoded pixels of a JPEG stream, or pixels assigned from a bitmap to be
// encoded. Width() and Height() are the image's own size even when it was decoded scaled
// down; drawing stretches the decoded pixels to the destination. Never transparent.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Graphic.h"

namespace tk {

struct TJpegDecoded;
struct TJpegStream;

class TJPEGImage : public TGraphic {
 public:
  static constexpr int kDefaultQuality = 80;

  TJPEGImage();
  ~TJPEGImage() override;
  const char* ClassName() const override { return "TJPEGImage"; }

  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }

  // Decodes `data`; with a cover size, only as finely as needed to cover it (see DecodeJpeg).
  // On failure (EJPEG) the image keeps what it held.
  void LoadFromBytes(std::span<const std::uint8_t> data, int coverWidth = 0, int coverHeight = 0);
  // The same, reading a stream a piece at a time; with `keepStretchSamples`, only the pixels a
  // stretch to the cover size takes are kept (see DecodeJpeg).
  void LoadFromStream(const TJpegStream& stream, int coverWidth = 0, int coverHeight = 0,
                      bool keepStretchSamples = false);

  // The encoder's quality, 1..100.
  int CompressionQuality() const { return FQuality; }
  void SetCompressionQuality(int quality);

  // The held pixels encoded with EncodeJpeg at CompressionQuality (the decoded, possibly
  // scaled pixels for a loaded image). Raises EJPEG, also for an empty image.
  std::vector<std::uint8_t> SaveToBytes() const;

  // The pixels as decoded or assigned; an empty bitmap for an empty image.
  const TBitmap& DecodedBitmap() const { return *FPixels; }

  // A TBitmap's pixels (at its size) or another JPEG image's content.
  void Assign(const TPersistent& source) override;
  void SetTransparent(bool) override {}
  void Draw(TCanvas& canvas, const TRect& dest) const override;

 protected:
  void AssignTo(TPersistent& dest) const override;

 private:
  void TakeDecoded(TJpegDecoded decoded);

  std::unique_ptr<TBitmap> FPixels;
  int FWidth = 0;
  int FHeight = 0;
  int FQuality = kDefaultQuality;
};

}  // namespace tk
