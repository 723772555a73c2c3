#pragma once
// The glyph looks of the shine button, computed on 32-bit pixel words (0x00RRGGBB) row by row.
// Each effect reads the glyph and writes `result`, a copy of the glyph of the same size; every
// neighbour test reads the glyph, never the result being written. A glyph pixel is transparent
// when its low 24 bits equal those of the glyph's bottom-left pixel (the key T); the effects
// change opaque pixels only, except the outline effects, which paint around the shape.

#include <cstdint>

#include "toolkit/graphics/Bitmap.h"
#include "widgets/shinespdbtn/ShineTypes.h"

namespace widgets {

// T: the low 24 bits of the bottom-left pixel.
std::uint32_t TransparentKey(const tk::TBitmap& glyph);

// The hover look with the shine colour `shine` (a pixel word).
void ApplyActiveImage(const tk::TBitmap& glyph, tk::TBitmap& result, TActiveImageType effect,
                      std::uint32_t shine);

// The disabled look with the raised face colour `face` (a pixel word). diDefault leaves a
// monochrome emboss mask in `result`: white where the glyph has an edge, black elsewhere.
void ApplyDisabledImage(const tk::TBitmap& glyph, tk::TBitmap& result, TDisabledImageType effect,
                        std::uint32_t face);

}  // namespace widgets
