#pragma once
// Where the mail command writes its attachment.
//
// On Windows it is the program folder, and the file is deleted as soon as the mail program
// returns. Elsewhere the program folder is usually not writable and the mail program's
// command returns before the attachment has been read, so the file goes to a per-user cache
// folder ($XDG_CACHE_HOME/poterinko, else ~/.cache/poterinko), stays after the hand-off, and is
// removed by a later mail command once it is a day old.

#include <ctime>
#include <string>

namespace app {

struct TAttachmentPlace {
  std::string Folder;
  bool DeleteAfterSend = true;
};

TAttachmentPlace AttachmentPlace();

// Removes attachments (12-digit stamp + ".jpg") in `folder` last written before `now` minus a
// day; each removal is reported to the platform.
void RemoveStaleAttachments(const std::string& folder, std::time_t now);

}  // namespace app
