#pragma once
// A folder for files that only the user may see (photos of children waiting for the mail
// program, for one).

#include <optional>
#include <string>

namespace tk {

// Creates `folder` and any missing parent for the user alone, and makes sure it is a folder of
// this user that no one else may enter: one that is ours but open to others is tightened; a
// symbolic link, another user's folder or anything that is not a folder gives false. On Windows
// a new folder takes the access list of its parent, as every other file there does.
bool MakePrivateFolder(const std::string& folder);

// The user's cache folder, found as the system's own libraries find it: $XDG_CACHE_HOME, else
// the home folder's ".cache", the home folder being $HOME or, without it, the user's entry in
// the password database (only absolute paths count). On Windows the local application data
// folder. Nothing when none of them is there.
std::optional<std::string> UserCacheFolder();

}  // namespace tk
