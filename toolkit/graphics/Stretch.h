#pragma once
// Nearest-neighbour scaling of a bitmap area onto a canvas, shared by picture drawing and
// rectangle copies.

#include <cstdint>
#include <memory>
#include <optional>

#include "toolkit/graphics/Geometry.h"

namespace tk {

class TBitmap;
class TCanvas;

// Scales `sourceRect` of `source` onto logical rectangle `dest` of `canvas`. Each target pixel
// takes the colour of one source pixel: target column x (0-based in dest) takes source column
// sourceRect.Left + x * sourceWidth / destWidth, rows alike. A monochrome source that is shrunk
// keeps black: a target pixel is black when any source pixel it stands for is black. Pixels
// whose low 24 bits equal `transparentKey` are left out.
void StretchPixels(TCanvas& canvas, const TRect& dest, const TBitmap& source,
                   const TRect& sourceRect, std::optional<std::uint32_t> transparentKey);

// The pixels of `source` that StretchPixels takes for a destination of `width` x `height`: an
// axis longer than the destination's keeps only the columns (rows) it samples, a shorter one
// stays whole. Stretched to exactly that size, the result shows the same pixels as `source`
// would; so a picture only ever drawn at one size need keep no more. Not for a monochrome
// source, whose shrinking looks at every pixel.
std::unique_ptr<TBitmap> StretchSamples(const TBitmap& source, int width, int height);

}  // namespace tk
