#pragma once
// Exif blocks as cameras write them, for the JPEG reader's tests and the fuzzers' seeds.

#include <cstdint>
#include <vector>

namespace tk::test {

// The content of an APP1 segment: "Exif\0\0", a TIFF header in the byte order asked for and an
// IFD0 of two entries, an image width (tag 0x0100) and then the orientation (tag 0x0112,
// SHORT, count 1). Byte offsets within the content: IFD0 entry count at 14, the orientation
// entry's type at 30, count at 32, value at 36.
std::vector<std::uint8_t> ExifOrientationBlock(int orientation, bool bigEndian);

// `jpeg` with APP1 segments of the given contents placed after its first segment (the JFIF
// header our encoder writes first).
std::vector<std::uint8_t> WithApp1Segments(const std::vector<std::uint8_t>& jpeg,
                                           const std::vector<std::vector<std::uint8_t>>& contents);

}  // namespace tk::test
