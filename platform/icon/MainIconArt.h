#pragma once
// The program icon MAINICON as pixel art: a little timetable with a green header row, a light
// green period column and a few cells holding coloured pictures. Plain C++ without any window
// system, so that every backend can turn the same pixels into its own kind of icon.

#include <array>
#include <cstdint>

namespace appicon {

inline constexpr int kMainIconSize = 32;

// Row 0 at the top; each pixel 0xAARRGGBB, alpha 0 where the icon is see-through.
std::array<std::uint32_t, kMainIconSize * kMainIconSize> MainIconPixels();

}  // namespace appicon
