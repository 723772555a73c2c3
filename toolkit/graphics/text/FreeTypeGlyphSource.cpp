#include "toolkit/graphics/text/FreeTypeGlyphSource.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include "toolkit/graphics/Font.h"

namespace tk {
namespace {

int Round(double v) { return static_cast<int>(std::lround(v)); }

// The vertical extent the system measures text by: winAscent/winDescent of the OS/2 table,
// or the horizontal header's ascender and descender when the font has no usable OS/2 table.
struct FaceExtent {
  double Ascent, Descent;
};

FaceExtent DesignExtent(FT_Face face) {
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0)
    return {static_cast<double>(os2->usWinAscent), static_cast<double>(os2->usWinDescent)};
  if (face->ascender - face->descender > 0)
    return {static_cast<double>(face->ascender), static_cast<double>(-face->descender)};
  return {face->units_per_EM * 0.88, face->units_per_EM * 0.12};
}

// Copies a rendered bitmap row by row from the top, whichever way FreeType stored it.
TGlyphImage CopyBitmap(const FT_GlyphSlot slot) {
  const FT_Bitmap& bitmap = slot->bitmap;
  TGlyphImage image;
  image.Left = slot->bitmap_left;
  image.Top = slot->bitmap_top;
  image.Width = static_cast<int>(bitmap.width);
  image.Height = static_cast<int>(bitmap.rows);
  image.Coverage.resize(static_cast<std::size_t>(image.Width) * image.Height);
  const int pitch = std::abs(bitmap.pitch);
  for (int y = 0; y < image.Height; ++y) {
    const unsigned char* row =
        bitmap.buffer + (bitmap.pitch >= 0 ? y : image.Height - 1 - y) * pitch;
    std::uint8_t* out = image.Coverage.data() + static_cast<std::size_t>(y) * image.Width;
    for (int x = 0; x < image.Width; ++x) {
      if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
        out[x] = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
      else
        out[x] = static_cast<std::uint8_t>(bitmap.num_grays > 1 && bitmap.num_grays != 256
                                               ? row[x] * 255 / (bitmap.num_grays - 1)
                                               : row[x]);
    }
  }
  return image;
}

}  // namespace

TFreeTypeGlyphSource::TFreeTypeGlyphSource(TFaceHandle face, int height, bool embolden, bool slant,
                                           TGlyphSource* fallback)
    : FFace(std::move(face)), FEmbolden(embolden), FSlant(slant), FFallback(fallback) {
  FT_Face f = FFace.get();
  if (height == 0) height = TFont::kDefaultHeight;
  const FaceExtent extent = DesignExtent(f);
  const double upem = f->units_per_EM > 0 ? f->units_per_EM : 1000.0;
  // A cell height fixes ascent + descent; the em follows from the design extent.
  double em = height < 0 ? -height : height * upem / (extent.Ascent + extent.Descent);
  em = std::clamp(em, 1.0, static_cast<double>(kMaxEmPixels));
  const double scale = em / upem;
  FAscent = Round(extent.Ascent * scale);
  FDescent = height > 0 && em < kMaxEmPixels ? height - FAscent : Round(extent.Descent * scale);

  FT_Set_Char_Size(f, 0, static_cast<FT_F26Dot6>(std::lround(em * 64)), 72, 72);

  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(f, FT_SFNT_OS2));
  FAverageCharWidth = os2 && os2->xAvgCharWidth > 0 ? Round(os2->xAvgCharWidth * scale) : 0;
  if (FAverageCharWidth <= 0) FAverageCharWidth = std::max(1, Advance(U'x'));

  // FreeType gives the centre of the underline; the stroke's top edge lies half a thickness
  // above it. The stroke is kept inside the line's cell.
  FUnderline.Thickness = std::max(1, Round(f->underline_thickness * scale));
  FUnderline.Offset = Round(-(f->underline_position + f->underline_thickness / 2.0) * scale);
  FUnderline.Offset = std::min(FUnderline.Offset, FDescent - FUnderline.Thickness);
  if (os2 && os2->version != 0xFFFF && os2->yStrikeoutSize > 0) {
    FStrikeOut.Thickness = std::max(1, Round(os2->yStrikeoutSize * scale));
    FStrikeOut.Offset = -Round(os2->yStrikeoutPosition * scale);
  } else {
    FStrikeOut.Thickness = FUnderline.Thickness;
    FStrikeOut.Offset = -Round(FAscent * 0.3);
  }
}

const TFreeTypeGlyphSource::CachedGlyph& TFreeTypeGlyphSource::Load(char32_t code) {
  if (auto it = FGlyphs.find(code); it != FGlyphs.end()) return it->second;
  const FT_UInt index = FT_Get_Char_Index(FFace.get(), code);
  CachedGlyph glyph;
  if (index == 0 && FFallback) glyph = {FFallback->Advance(code), FFallback->Glyph(code)};
  else glyph = Render(index);
  return FGlyphs.emplace(code, std::move(glyph)).first->second;
}

TFreeTypeGlyphSource::CachedGlyph TFreeTypeGlyphSource::Render(FT_UInt index) {
  FT_Face f = FFace.get();
  CachedGlyph glyph;
  // Outlines at every size (no embedded bitmaps), lightly hinted: whole-pixel advances like
  // hinted system text, shapes close to their design.
  if (FT_Load_Glyph(f, index, FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_LIGHT) != 0) return glyph;
  FT_GlyphSlot slot = f->glyph;
  if (FEmbolden) FT_GlyphSlot_Embolden(slot);
  if (FSlant) FT_GlyphSlot_Oblique(slot);
  glyph.Advance = static_cast<int>((slot->advance.x + 32) >> 6);
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) == 0) glyph.Image = CopyBitmap(slot);
  return glyph;
}

}  // namespace tk
