#pragma once
// Writes an icon as a PNG file with its alpha channel, for the desktop's icon theme.

#include <cstdint>
#include <span>
#include <string>

namespace appicon {

// `pixels` are size x size words 0xAARRGGBB, row 0 at the top. Throws std::runtime_error with
// libpng's message when the file cannot be written.
void WriteIconPng(const std::string& path, std::span<const std::uint32_t> pixels, int size);

}  // namespace appicon
