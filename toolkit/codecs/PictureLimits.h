#pragma once
// Limits every picture reader applies before it allocates anything for a picture.

#include <cstddef>
#include <cstdint>

namespace tk {

// More pixels than any photo or drawing the board is meant for; a header claiming more is
// refused, so that a damaged or hostile file cannot make the program allocate gigabytes.
inline constexpr std::uint64_t kMaxPicturePixels = 100'000'000;

// The longest picture file read at all: room for the largest picture above at 32 bits per
// pixel. A longer file is refused before it is read into memory.
inline constexpr std::size_t kMaxPictureFileBytes = std::size_t{512} << 20;

}  // namespace tk
