#pragma once
// The save dialog's filter text, "Description|*.jpg;*.jpeg" (more pairs may follow, each
// "|Description|patterns"), taken apart for a GTK file chooser.

#include <string>
#include <string_view>
#include <vector>

namespace gtkui {

struct TFileFilterEntry {
  std::string Name;
  std::vector<std::string> Patterns;
};

// The pairs in order; a pair without any pattern is left out.
std::vector<TFileFilterEntry> ParseFileFilter(std::string_view filter);

// GTK's patterns match letter case exactly, the file names users type do not:
// "*.jpg" becomes "*.[jJ][pP][gG]". Bracket expressions already in the pattern stay as written;
// "*.*" means every file, as it does in the filter text's home, and becomes "*".
std::string CaseInsensitiveGlob(std::string_view pattern);

}  // namespace gtkui
