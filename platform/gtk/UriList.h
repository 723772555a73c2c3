#pragma once
// A dropped `text/uri-list` as the local paths it names.

#include <string>
#include <vector>

namespace gtkui {

// The local paths of the list's entries in its order, each the whole path as the file system
// has it (UTF-8 on any current system). Comment lines are not entries. The list ends before the
// first entry without a local path, so the first path is always the first entry's: a drop whose
// first entry is no local file has none, and a later entry never takes its place.
std::vector<std::string> LocalPathsFromUriList(const char* uriList);

}  // namespace gtkui
