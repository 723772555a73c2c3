#include "platform/gtk/GlobPattern.h"

namespace gtkui {

namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

}  // namespace

std::string CaseInsensitiveGlob(std::string_view pattern) {
  // The filter text's way of saying "every file", names without a dot included.
  if (pattern == "*.*") return "*";
  std::string out;
  bool inBrackets = false;
  for (const char c : pattern) {
    if (inBrackets) {
      out += c;
      if (c == ']') inBrackets = false;
    } else if (c == '[') {
      out += c;
      inBrackets = true;
    } else if (IsAsciiLetter(c)) {
      const char lower = static_cast<char>(c | 0x20);
      out += '[';
      out += lower;
      out += static_cast<char>(lower - 0x20);
      out += ']';
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace gtkui
