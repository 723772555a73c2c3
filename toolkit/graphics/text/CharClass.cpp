#include "toolkit/graphics/text/CharClass.h"

#include <algorithm>
#include <iterator>

namespace tk {
namespace {
struct Range {
  char32_t First, Last;
};

// The wide and full-width blocks of the East Asian width property, sorted.
constexpr Range kWideRanges[] = {
    {0x1100, 0x115F},   {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},
    {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},
    {0xFE10, 0xFE19},   {0xFE30, 0xFE6F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},
    {0x1F300, 0x1F64F}, {0x1F900, 0x1F9FF}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
};
}  // namespace

bool IsWideCharacter(char32_t code) {
  auto it = std::upper_bound(std::begin(kWideRanges), std::end(kWideRanges), code,
                             [](char32_t c, const Range& r) { return c < r.First; });
  return it != std::begin(kWideRanges) && code <= std::prev(it)->Last;
}

bool IsControlCharacter(char32_t code) { return code < 0x20 || (code >= 0x7F && code < 0xA0); }

}  // namespace tk
