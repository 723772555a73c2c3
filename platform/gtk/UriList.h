#pragma once
// A dropped `text/uri-list` as the local paths it names.

#include <string>
#include <vector>

namespace gtkui {

// The local files of the list in its order, each the whole path as the file system has it
// (UTF-8 on any current system). Comment lines, other schemes and files on other hosts are
// left out.
std::vector<std::string> LocalPathsFromUriList(const char* uriList);

}  // namespace gtkui
