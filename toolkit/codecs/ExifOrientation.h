#pragma once
// The orientation a camera records in a JPEG's Exif block, and the turn or mirror that shows the
// picture upright. Phones store a portrait photo as a landscape image plus this tag.

#include <cstdint>
#include <memory>
#include <span>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Geometry.h"

namespace tk {

// The orientation tag (1 to 8) of IFD0 in the content of an APP1 segment (from "Exif\0\0"
// on): 0 when the segment is no Exif block; 1, the image as stored, when the block holds no
// valid tag or is damaged. Every offset is checked against the segment; both byte orders are
// read.
int ExifOrientation(std::span<const std::uint8_t> app1);

// Whether an orientation swaps width and height (5 to 8: turned a quarter).
inline bool OrientationTurns(int orientation) { return orientation >= 5 && orientation <= 8; }

// The pixel of a picture stored `storedWidth` x `storedHeight` that shows at (x, y) of the
// picture shown upright under `orientation`. A turn or mirror only maps indices: the stored row
// depends on one shown coordinate and the stored column on the other.
TPoint StoredPixelOf(int orientation, int x, int y, int storedWidth, int storedHeight);

// `stored` shown upright under `orientation`: 2 mirrored left to right, 3 turned half round,
// 4 mirrored top to bottom, 5 mirrored along the main diagonal, 6 turned a quarter clockwise,
// 7 mirrored along the other diagonal, 8 turned a quarter anticlockwise.
std::unique_ptr<TBitmap> Oriented(const TBitmap& stored, int orientation);

}  // namespace tk
