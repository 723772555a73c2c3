#pragma once
// The parts of a path that the program reads as text.

#include <string_view>

namespace tk {

// The extension of the path's file name: from its last '.', dot included, when no folder
// delimiter ('\', '/' or ':') comes after it; empty otherwise. '/' counts as well as '\': it
// separates folders on Linux and Windows accepts it too, so a dot in a folder name
// ("C:\my.pics\photo") never passes for the file's extension.
std::string_view ExtensionOf(std::string_view path);

}  // namespace tk
