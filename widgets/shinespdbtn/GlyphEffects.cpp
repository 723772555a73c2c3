#include "widgets/shinespdbtn/GlyphEffects.h"

#include <algorithm>
#include <vector>

namespace widgets {

using tk::TBitmap;

namespace {

constexpr std::uint32_t kRgb = 0xFFFFFF;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;

// Applies `op(c, s)` to each channel of pixel `p` and colour `s`.
template <class Op>
std::uint32_t PerChannel(std::uint32_t p, std::uint32_t s, Op op) {
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const std::uint32_t c = (p >> shift) & 0xFF, k = (s >> shift) & 0xFF;
    out |= (op(c, k) & 0xFF) << shift;
  }
  return out;
}

// Replaces every opaque pixel by `op(pixel)`.
template <class Op>
void MapOpaque(const TBitmap& glyph, TBitmap& result, Op op) {
  const std::uint32_t key = TransparentKey(glyph);
  for (int y = 0; y < glyph.Height(); ++y) {
    const std::uint32_t* in = glyph.ScanLine(y);
    std::uint32_t* out = result.ScanLine(y);
    for (int x = 0; x < glyph.Width(); ++x)
      if ((in[x] & kRgb) != key) out[x] = op(in[x] & kRgb);
  }
}

// Every opaque channel c becomes op(c, k), k the same channel of `colour`.
template <class Op>
void MixOpaque(const TBitmap& glyph, TBitmap& result, std::uint32_t colour, Op op) {
  MapOpaque(glyph, result, [&](std::uint32_t p) { return PerChannel(p, colour, op); });
}

std::uint32_t HalfWay(std::uint32_t c, std::uint32_t k) { return (k + c) / 2; }
std::uint32_t ThreeQuarters(std::uint32_t c, std::uint32_t k) { return (3 * k + c) / 4; }
std::uint32_t AddLimited(std::uint32_t c, std::uint32_t k) {
  return std::min<std::uint32_t>(k + c, 255);
}

// Opaque pixels of a mesh: a counter runs over the pixels row by row and rises once more after
// each row when the height is even; a pixel where it is odd is changed. Square glyphs get a
// checkerboard, glyphs of even height and odd width (or the reverse) vertical stripes.
void Mesh(const TBitmap& glyph, TBitmap& result, std::uint32_t colour) {
  const std::uint32_t key = TransparentKey(glyph);
  const bool evenHeight = glyph.Height() % 2 == 0;
  unsigned k = 0;
  for (int y = 0; y < glyph.Height(); ++y) {
    const std::uint32_t* in = glyph.ScanLine(y);
    std::uint32_t* out = result.ScanLine(y);
    for (int x = 0; x < glyph.Width(); ++x, ++k)
      if ((k & 1) && (in[x] & kRgb) != key) out[x] = colour;
    if (evenHeight) ++k;
  }
}

// A set of pixels, with the test whether one of a pixel's four neighbours belongs to it.
class Mask {
 public:
  Mask(int width, int height)
      : FWidth(width), FHeight(height), FBits(std::size_t(width) * height) {}
  bool At(int x, int y) const {
    return x >= 0 && y >= 0 && x < FWidth && y < FHeight && FBits[Index(x, y)];
  }
  void Set(int x, int y) { FBits[Index(x, y)] = 1; }
  bool Neighbours(int x, int y) const {
    return At(x - 1, y) || At(x + 1, y) || At(x, y - 1) || At(x, y + 1);
  }

 private:
  std::size_t Index(int x, int y) const { return std::size_t(y) * FWidth + x; }
  int FWidth, FHeight;
  std::vector<std::uint8_t> FBits;
};

// aiFrameLight (one ring) and aiFrameLight2 (two rings) outside the shape's edge.
void Outline(const TBitmap& glyph, TBitmap& result, std::uint32_t shine, int rings) {
  const int w = glyph.Width(), h = glyph.Height();
  const std::uint32_t key = TransparentKey(glyph);
  Mask transparent(w, h), opaque(w, h);
  for (int y = 0; y < h; ++y) {
    const std::uint32_t* in = glyph.ScanLine(y);
    for (int x = 0; x < w; ++x) ((in[x] & kRgb) == key ? transparent : opaque).Set(x, y);
  }
  Mask ring(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (transparent.At(x, y) && opaque.Neighbours(x, y)) ring.Set(x, y);
  for (int y = 0; y < h; ++y) {
    std::uint32_t* out = result.ScanLine(y);
    for (int x = 0; x < w; ++x)
      if (ring.At(x, y) || (rings == 2 && transparent.At(x, y) && ring.Neighbours(x, y)))
        out[x] = shine;
  }
}

// White where one of the two diagonals of the 2 x 2 block at (x, y) joins different colours:
// the glyph's edges. The last row and column stay black.
void EmbossMask(const TBitmap& glyph, TBitmap& result) {
  const int w = glyph.Width(), h = glyph.Height();
  for (int y = 0; y < h; ++y) std::fill_n(result.ScanLine(y), w, kBlack);
  for (int y = 0; y + 1 < h; ++y) {
    const std::uint32_t* row = glyph.ScanLine(y);
    const std::uint32_t* below = glyph.ScanLine(y + 1);
    std::uint32_t* out = result.ScanLine(y);
    for (int x = 0; x + 1 < w; ++x) {
      const bool edge =
          (below[x + 1] & kRgb) != (row[x] & kRgb) || (below[x] & kRgb) != (row[x + 1] & kRgb);
      if (edge) out[x] = kWhite;
    }
  }
  result.SetMonochrome(true);
}

}  // namespace

std::uint32_t TransparentKey(const TBitmap& glyph) {
  return glyph.PixelWord(0, glyph.Height() - 1) & kRgb;
}

void ApplyActiveImage(const TBitmap& glyph, TBitmap& result, TActiveImageType effect,
                      std::uint32_t shine) {
  switch (effect) {
    case aiNormal: break;
    case aiXorLight:
      MapOpaque(glyph, result, [&](std::uint32_t p) { return (p ^ shine) & kRgb; });
      break;
    case aiHalfLight: MixOpaque(glyph, result, shine, HalfWay); break;
    case aiQuaterLight: MixOpaque(glyph, result, shine, ThreeQuarters); break;
    case aiAddLight: MixOpaque(glyph, result, shine, AddLimited); break;
    case aiFrameLight: Outline(glyph, result, shine, 1); break;
    case aiFrameLight2: Outline(glyph, result, shine, 2); break;
    case aiMaskLight: Mesh(glyph, result, shine); break;
  }
}

void ApplyDisabledImage(const TBitmap& glyph, TBitmap& result, TDisabledImageType effect,
                        std::uint32_t face) {
  switch (effect) {
    case diDefault: EmbossMask(glyph, result); break;
    case diGrayscale:
      MapOpaque(glyph, result, [](std::uint32_t p) {
        const std::uint32_t grey = (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF)) / 3;
        return grey << 16 | grey << 8 | grey;
      });
      break;
    case diAlphaHalfTrans: MixOpaque(glyph, result, face, HalfWay); break;
    case diAlphaQuaterTrans: MixOpaque(glyph, result, face, ThreeQuarters); break;
    case diMaskTrans: Mesh(glyph, result, TransparentKey(glyph)); break;
  }
}

}  // namespace widgets
