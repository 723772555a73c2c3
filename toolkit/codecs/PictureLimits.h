#pragma once
// Limits every picture reader applies before it allocates anything for a picture.

#include <cstdint>

namespace tk {

// More pixels than any photo or drawing the board is meant for; a header claiming more is
// refused, so that a damaged or hostile file cannot make the program allocate gigabytes.
inline constexpr std::uint64_t kMaxPicturePixels = 100'000'000;

}  // namespace tk
