#include "toolkit/codecs/JpegImage.h"

#include <algorithm>

#include "toolkit/codecs/JpegCodec.h"
#include "toolkit/graphics/Stretch.h"

namespace tk {

TJPEGImage::TJPEGImage() : FPixels(std::make_unique<TBitmap>()) {}

TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::LoadFromBytes(std::span<const std::uint8_t> data, int coverWidth,
                               int coverHeight) {
  TakeDecoded(DecodeJpeg(data, coverWidth, coverHeight));
}

void TJPEGImage::LoadFromStream(const TJpegStream& stream, int coverWidth, int coverHeight,
                                bool keepStretchSamples) {
  TakeDecoded(DecodeJpeg(stream, coverWidth, coverHeight, keepStretchSamples));
}

void TJPEGImage::TakeDecoded(TJpegDecoded decoded) {
  FPixels = std::move(decoded.Bitmap);
  FWidth = decoded.ImageWidth;
  FHeight = decoded.ImageHeight;
  Changed();
}

void TJPEGImage::SetCompressionQuality(int quality) { FQuality = std::clamp(quality, 1, 100); }

std::vector<std::uint8_t> TJPEGImage::SaveToBytes() const { return EncodeJpeg(*FPixels, FQuality); }

void TJPEGImage::Assign(const TPersistent& source) {
  if (&source == this) return;
  if (auto* bitmap = dynamic_cast<const TBitmap*>(&source)) {
    auto pixels = std::make_unique<TBitmap>();
    pixels->Assign(*bitmap);
    pixels->SetPixelFormat(TPixelFormat::pfDevice);  // a photo is never monochrome
    FPixels = std::move(pixels);
    FWidth = bitmap->Width();
    FHeight = bitmap->Height();
    Changed();
    return;
  }
  if (auto* jpeg = dynamic_cast<const TJPEGImage*>(&source)) {
    auto pixels = std::make_unique<TBitmap>();
    pixels->Assign(*jpeg->FPixels);
    FPixels = std::move(pixels);
    FWidth = jpeg->FWidth;
    FHeight = jpeg->FHeight;
    FQuality = jpeg->FQuality;
    Changed();
    return;
  }
  TGraphic::Assign(source);
}

void TJPEGImage::AssignTo(TPersistent& dest) const {
  if (auto* bitmap = dynamic_cast<TBitmap*>(&dest)) {
    bitmap->Assign(*FPixels);
    return;
  }
  TGraphic::AssignTo(dest);
}

void TJPEGImage::Draw(TCanvas& canvas, const TRect& dest) const {
  if (FPixels->Empty()) return;
  StretchPixels(canvas, dest, *FPixels, {0, 0, FPixels->Width(), FPixels->Height()}, std::nullopt);
}

}  // namespace tk
