#pragma once
// Nearest-neighbour scaling of a bitmap area onto a canvas, shared by picture drawing and
// rectangle copies.

#include <cstdint>
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

// The source index that target index `i` of `n` takes over a source of `s` (0 <= i < n):
// i * s / n. StretchPixels samples by it, so a reader that keeps only these pixels of a picture
// drawn at one size shows exactly what the whole picture would there.
int StretchSourceIndex(int i, int n, int s);

}  // namespace tk
