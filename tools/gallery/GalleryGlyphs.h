#pragma once
// The gallery's pictures: 16 x 16 glyphs drawn in code on an olive ground, which the buttons
// leave out because it is their bottom-left colour.

#include <memory>

#include "toolkit/core/Component.h"
#include "toolkit/graphics/Bitmap.h"

namespace gallery {

// The pictures by the Tag that names them.
enum TGlyphPicture { kDisk = 1, kBall, kArrow, kFolder, kCheck, kHeart, kPictureCount = kHeart };

std::unique_ptr<tk::TBitmap> MakePicture(int picture);

// Gives every shine button of `root` whose Tag names a picture and that has no glyph yet that
// picture.
void GiveGlyphs(tk::TComponent& root);

}  // namespace gallery
