#include "platform/gtk/Mnemonics.h"

namespace gtkui {

std::string MnemonicFromCaption(std::string_view caption) {
  // "&" and "_" are ASCII, which never occurs inside a multi-byte UTF-8 character, so bytes will
  // do.
  std::size_t accessKey = std::string_view::npos;
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') accessKey = i;
    ++i;  // the marked character, or the second "&" of a literal pair
  }
  std::string out;
  out.reserve(caption.size() + 4);
  for (std::size_t i = 0; i < caption.size(); ++i) {
    const char c = caption[i];
    if (c == '_') {
      out += "__";
    } else if (c != '&') {
      out += c;
    } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
      out += '&';
      ++i;
    } else if (i == accessKey && caption[i + 1] != '_') {
      out += '_';  // GTK cannot mark "_" itself: that one stays a plain character
    }
    // Any other "&" only marks a key that a later one replaced, or ends the text: not shown.
  }
  return out;
}

}  // namespace gtkui
