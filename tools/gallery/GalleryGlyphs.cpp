#include "tools/gallery/GalleryGlyphs.h"

#include <cmath>
#include <functional>

#include "widgets/shinespdbtn/Shinespdbtn.h"

namespace gallery {
namespace {

constexpr std::uint32_t kGround = 0x808000;  // clOlive as a pixel word
constexpr int kSize = 16;

// Paints the pixels for which `inside(x, y)` holds (pixel centres at x + 0.5, y + 0.5).
void Fill(tk::TBitmap& b, std::uint32_t colour, const std::function<bool(double, double)>& inside) {
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x)
      if (inside(x + 0.5, y + 0.5)) b.ScanLine(y)[x] = colour;
}

bool Box(double x, double y, double l, double t, double r, double bottom) {
  return x >= l && x < r && y >= t && y < bottom;
}

void Disk(tk::TBitmap& b) {
  Fill(b, 0x1E3C8C, [](double x, double y) { return Box(x, y, 1, 1, 15, 15); });
  Fill(b, 0xF4F4F4, [](double x, double y) { return Box(x, y, 4, 2, 12, 8); });
  Fill(b, 0xA0A8B0, [](double x, double y) { return Box(x, y, 5, 10, 11, 15); });
  Fill(b, 0x1E3C8C, [](double x, double y) { return Box(x, y, 8, 11, 10, 14); });
}

void Ball(tk::TBitmap& b) {
  Fill(b, 0xC81E1E, [](double x, double y) { return std::hypot(x - 8, y - 8) < 6.6; });
  Fill(b, 0xFF8C78, [](double x, double y) { return std::hypot(x - 6, y - 6) < 2.2; });
}

void Arrow(tk::TBitmap& b) {
  Fill(b, 0x1E9632, [](double x, double y) {
    return Box(x, y, 2, 6, 9, 10) || (x >= 8 && x < 15 && std::abs(y - 8) < 15 - x);
  });
}

void Folder(tk::TBitmap& b) {
  Fill(b, 0x8C6414,
       [](double x, double y) { return Box(x, y, 1, 2, 7, 4) || Box(x, y, 1, 4, 15, 14); });
  Fill(b, 0xF0C83C,
       [](double x, double y) { return Box(x, y, 2, 3, 6, 4) || Box(x, y, 2, 5, 14, 13); });
}

void Check(tk::TBitmap& b) {
  // Two thick strokes: down from (2, 8) to (6, 12), up from there to (14, 3).
  Fill(b, 0x14A03C, [](double x, double y) {
    const bool down = x >= 2 && x <= 7 && std::abs((y - 8) - (x - 2)) < 1.6;
    const bool up = x >= 5.5 && x <= 14 && std::abs((y - 12) + (x - 6) * 9.0 / 8.0) < 1.8;
    return down || up;
  });
}

void Heart(tk::TBitmap& b) {
  Fill(b, 0xE0286E, [](double x, double y) {
    const double u = (x - 8) / 6.5, v = (8.5 - y) / 6.5;
    const double a = u * u + v * v - 1;
    return a * a * a - u * u * v * v * v <= 0;
  });
}

}  // namespace

std::unique_ptr<tk::TBitmap> MakePicture(int picture) {
  auto b = std::make_unique<tk::TBitmap>(kSize, kSize);
  for (int y = 0; y < kSize; ++y) std::fill_n(b->ScanLine(y), kSize, kGround);
  switch (picture) {
    case kDisk: Disk(*b); break;
    case kBall: Ball(*b); break;
    case kArrow: Arrow(*b); break;
    case kFolder: Folder(*b); break;
    case kCheck: Check(*b); break;
    case kHeart: Heart(*b); break;
    default: return nullptr;
  }
  return b;
}

void GiveGlyphs(tk::TComponent& root) {
  for (int i = 0; i < root.ComponentCount(); ++i) {
    auto* button = dynamic_cast<widgets::TShineSpeedButton*>(root.Components(i));
    if (!button || !button->Glyph().Empty()) continue;
    if (const auto picture = MakePicture(static_cast<int>(button->Tag())))
      button->SetGlyph(picture.get());
  }
}

}  // namespace gallery
