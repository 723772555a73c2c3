#pragma once
// The program icon at the sizes a desktop theme asks for, from the one square pixel art.

#include <cstdint>
#include <span>
#include <vector>

namespace appicon {

// Resamples a square image of `from` x `from` pixels (0xAARRGGBB, row 0 at the top) to `to` x
// `to`. Each new pixel takes the old pixels it covers, weighted by the area they cover, with
// colours weighted by their alpha too: enlarging by a whole factor repeats pixels exactly, and a
// see-through pixel's colour never darkens its opaque neighbours.
std::vector<std::uint32_t> ScaleIcon(std::span<const std::uint32_t> pixels, int from, int to);

}  // namespace appicon
