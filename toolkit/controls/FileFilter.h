#pragma once
// A file dialog's filter text, "Description|*.jpg;*.jpeg" (more pairs may follow, each
// "|Description|patterns"), taken apart once for every backend's dialog.

#include <string>
#include <string_view>
#include <vector>

namespace tk {

struct TFileFilterEntry {
  std::string Name;
  std::vector<std::string> Patterns;
};

// The pairs in order, names and patterns without surrounding spaces. A pair without any
// pattern, and a last name without its patterns, are left out; an empty name is replaced by
// the pair's pattern text, since no dialog can show a choice without a name.
std::vector<TFileFilterEntry> ParseFileFilter(std::string_view filter);

}  // namespace tk
