#pragma once
// A file filter's pattern as a GTK file chooser matches it.

#include <string>
#include <string_view>

namespace gtkui {

// GTK's patterns match letter case exactly, the file names users type do not:
// "*.jpg" becomes "*.[jJ][pP][gG]". Bracket expressions already in the pattern stay as written;
// "*.*" means every file, as it does in the filter text's home, and becomes "*".
std::string CaseInsensitiveGlob(std::string_view pattern);

}  // namespace gtkui
