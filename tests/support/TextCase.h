#pragma once
// A table case of one text that should turn into another: what a function gives for an input,
// or the message an input is refused with. A failure prints the input.

#include <ostream>

namespace tk::test {

struct TextCase {
  const char* Input;
  const char* Expected;
};

inline void PrintTo(const TextCase& c, std::ostream* os) { *os << c.Input; }

}  // namespace tk::test
