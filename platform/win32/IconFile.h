#pragma once
// The program icon as a Windows icon file (.ico): one 32 x 32 image of 256 colours, a palette
// of the art's colours, and the transparency mask. Plain C++ without any Windows header: the
// build runs it on the build machine to make the icon resource of the cross-built program.

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace win32ui {

// `pixels` are `size` x `size` words 0xAARRGGBB, row 0 at the top; alpha 0 is see-through,
// anything else opaque. Fails when the art has more than 255 opaque colours (palette entry 0 is
// kept black for the see-through pixels, as the mask needs).
std::vector<std::uint8_t> EncodeIcon256(const std::vector<std::uint32_t>& pixels, int size);

}  // namespace win32ui
