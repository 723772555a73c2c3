#pragma once
// The pictures the codec benchmarks work on, made here so that every run measures the same
// thing: a 24-megapixel camera-like photo, a 12-megapixel phone photo stored sideways, and a
// board-sized bitmap.

#include <memory>
#include <string>

#include "toolkit/graphics/Bitmap.h"

namespace tk::bench {

inline constexpr int kPhotoWidth = 6000;
inline constexpr int kPhotoHeight = 4000;

// Smooth gradients with fine grain, like a photo: enough detail that the entropy decoder has
// real work, yet a file size near a camera's.
std::unique_ptr<TBitmap> PhotoLikeBitmap(int width, int height);

// The path of a 6000 x 4000 JPEG of PhotoLikeBitmap at quality 90, written on first use.
std::string CameraPhotoPath();

// The path of a 4032 x 3024 JPEG of PhotoLikeBitmap at quality 90 whose Exif block says it is
// shown turned a quarter clockwise (orientation 6), as phones store portrait photos; written on
// first use.
std::string PhonePhotoPath();

// 652 x 593 pixels drawn like the board: white cells with black frames, gradient headers and
// a few photo-like cells.
std::unique_ptr<TBitmap> BoardLikeBitmap();

}  // namespace tk::bench
