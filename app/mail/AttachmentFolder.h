#pragma once
// Where the mail command writes its attachment.
//
// Where the mail program has read the attachment before the hand-off returns (Simple MAPI on
// Windows) it is the program folder, and the file is deleted as soon as the hand-off returns.
// Otherwise the mail program reads it at some later moment, and the program folder is usually
// not writable there: the file goes to a per-user cache folder (the user's cache folder, see
// UserCacheFolder, + "/poterinko"), stays after a successful hand-off, and is removed by a later
// mail command once it is a day old. A failed hand-off deletes it at once. The board shows
// children's photos, so that folder is for its owner alone: made 0700 (tightened when it is ours
// and looser), with attachments 0600, and refused when it is a symbolic link or another user's.

#include <ctime>
#include <string>

#include "toolkit/core/FileIO.h"

namespace app {

struct TAttachmentPlace {
  std::string Folder;
  bool DeleteAfterSend = true;
  tk::TFilePrivacy Privacy = tk::TFilePrivacy::kShared;
};

// The folder for an attachment named `fileName`, made ready to write in. Raises
// "ファイル %s を作成できません", naming the file in that folder, when there is no folder of
// ours to write it in (no home, a folder that cannot be made, a link, another user's).
TAttachmentPlace AttachmentPlace(const std::string& fileName);

// Removes attachments (12-digit stamp + ".jpg") in `folder` last written before `now` minus a
// day; each removal is reported to the platform.
void RemoveStaleAttachments(const std::string& folder, std::time_t now);

}  // namespace app
