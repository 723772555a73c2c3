#include "toolkit/codecs/Picture.h"

#include "toolkit/codecs/BmpReader.h"
#include "toolkit/codecs/JpegCodec.h"
#include "toolkit/codecs/JpegImage.h"
#include "toolkit/codecs/PictureLimits.h"
#include "toolkit/core/Ascii.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/core/FileIO.h"
#include "toolkit/core/FileName.h"

namespace tk {
namespace {

// A new graphic of the same class with the same content.
std::unique_ptr<TGraphic> CopyOf(const TGraphic& graphic) {
  std::unique_ptr<TGraphic> copy;
  if (dynamic_cast<const TJPEGImage*>(&graphic)) copy = std::make_unique<TJPEGImage>();
  else copy = std::make_unique<TBitmap>();
  copy->Assign(graphic);
  copy->SetTransparent(graphic.Transparent());
  return copy;
}

}  // namespace

std::optional<TPictureFileKind> PictureFileKindOf(const std::string& path) {
  const std::string_view extension = ExtensionOf(path);
  if (EqualsNoCase(extension, ".bmp")) return TPictureFileKind::kBitmap;
  if (EqualsNoCase(extension, ".jpg") || EqualsNoCase(extension, ".jpeg"))
    return TPictureFileKind::kJpeg;
  return std::nullopt;
}

std::unique_ptr<TGraphic> ReadGraphic(TPictureFileKind kind, std::span<const std::uint8_t> data,
                                      int coverWidth, int coverHeight) {
  if (kind == TPictureFileKind::kBitmap) return ReadBmp(data);
  auto jpeg = std::make_unique<TJPEGImage>();
  jpeg->LoadFromBytes(data, coverWidth, coverHeight);
  return jpeg;
}

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic) {
  FGraphic = std::move(graphic);
  if (FGraphic) FGraphic->OnChange = TNotifyEvent([this](TObject*) { Changed(); });
  Changed();
}

void TPicture::LoadFromFile(const std::string& path) {
  const auto kind = PictureFileKindOf(path);
  if (!kind) throw EInvalidGraphic(Format(kUnknownPictureExtension, path));
  if (*kind == TPictureFileKind::kJpeg) {
    SetGraphic(ReadJpegFile(path));
    return;
  }
  std::vector<std::uint8_t> bytes;
  try {
    bytes = ReadFileBytes(path, kMaxPictureFileBytes);
  } catch (const EFileTooLarge&) {
    // Larger than any picture the readers accept: their own error, before anything is read.
    throw EInvalidGraphic(kInvalidBitmap);
  }
  SetGraphic(ReadGraphic(*kind, bytes));
}

std::unique_ptr<TJPEGImage> TPicture::ReadJpegFile(const std::string& path) const {
  // A photo is decoded as it is read, so that its file is never held whole.
  std::optional<TFileReader> file;
  try {
    file.emplace(path, kMaxPictureFileBytes);
  } catch (const EFileTooLarge&) {
    throw JpegTooBigError();
  }
  bool unreadable = false;
  const TJpegStream stream{[&](std::uint8_t* data, std::size_t n) {
                             const long long got = file->Read(data, n);
                             unreadable = unreadable || got < 0;
                             return got;
                           },
                           file->Size()};
  auto jpeg = std::make_unique<TJPEGImage>();
  try {
    jpeg->LoadFromStream(stream, FDecodeWidth, FDecodeHeight, FKeepStretchSamples);
  } catch (const EJPEG&) {
    if (unreadable) throw EFOpenError(Format(kFileOpenError, path));
    throw;
  }
  return jpeg;
}

void TPicture::SetDecodeSize(int width, int height) {
  FDecodeWidth = width;
  FDecodeHeight = height;
  FKeepStretchSamples = false;
}

void TPicture::SetStretchSize(int width, int height) {
  SetDecodeSize(width, height);
  FKeepStretchSamples = width > 0 && height > 0;
}

void TPicture::Clear() {
  if (!FGraphic) return;
  SetGraphic(nullptr);
}

TBitmap& TPicture::Bitmap() {
  if (auto* bitmap = dynamic_cast<TBitmap*>(FGraphic.get())) return *bitmap;
  SetGraphic(std::make_unique<TBitmap>());
  return static_cast<TBitmap&>(*FGraphic);
}

void TPicture::Assign(const TPersistent& source) {
  if (&source == this) return;
  if (auto* picture = dynamic_cast<const TPicture*>(&source)) {
    SetGraphic(picture->FGraphic ? CopyOf(*picture->FGraphic) : nullptr);
    return;
  }
  if (auto* graphic = dynamic_cast<const TGraphic*>(&source)) {
    SetGraphic(CopyOf(*graphic));
    return;
  }
  TPersistent::Assign(source);
}

}  // namespace tk
