#include "app/mail/AttachmentFolder.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "app/BoardJpeg.h"
#include "app/ProgramFile.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/platform/Platform.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace app {

namespace fs = std::filesystem;

namespace {
bool IsAttachmentName(const std::string& name) {
  if (name.size() != 16 || name.compare(12, 4, ".jpg") != 0) return false;
  for (int i = 0; i < 12; ++i)
    if (name[i] < '0' || name[i] > '9') return false;
  return true;
}

std::string Utf8(const fs::path& p) {
  const std::u8string s = p.u8string();
  return std::string(s.begin(), s.end());
}

#ifndef _WIN32
// Creates every missing folder of `path` for the user alone, as the cache folders of the
// desktop conventions are made.
void CreateFoldersPrivately(const std::string& path) {
  for (std::size_t end = path.find('/', 1);; end = path.find('/', end + 1)) {
    mkdir(path.substr(0, end).c_str(), 0700);
    if (end == std::string::npos) return;
  }
}

// The folder is ours and no one else's when the call returns true. Checked on the open folder
// itself, so that it cannot be swapped for a link between the check and the tightening.
bool MakeFolderPrivate(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  const bool ours = fstat(fd, &st) == 0 && st.st_uid == geteuid() &&
                    ((st.st_mode & 077) == 0 || fchmod(fd, 0700) == 0);
  close(fd);
  return ours;
}
#endif
}  // namespace

TAttachmentPlace AttachmentPlace(const std::string& fileName) {
#ifdef _WIN32
  (void)fileName;
  return {ProgramFolder(tk::Platform().ProgramPath()), true, tk::TFilePrivacy::Shared};
#else
  std::string base;
  if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache && *cache == '/') {
    base = cache;
  } else if (const char* home = std::getenv("HOME"); home && *home == '/') {
    base = std::string(home) + "/.cache";
  } else {
    // No home to keep the user's files in; a shared folder such as /tmp would not be private.
    throw tk::EFCreateError(tk::Format(tk::SFCreateError, "~/.cache/poterinko/" + fileName));
  }
  const std::string folder = base + "/poterinko";
  CreateFoldersPrivately(folder);
  if (!MakeFolderPrivate(folder))
    throw tk::EFCreateError(tk::Format(tk::SFCreateError, folder + "/" + fileName));
  return {folder, false, tk::TFilePrivacy::Private};
#endif
}

void RemoveStaleAttachments(const std::string& folder, std::time_t now) {
  std::error_code error;
  const fs::path dir(std::u8string(folder.begin(), folder.end()));
  const auto limit = std::chrono::system_clock::from_time_t(now) - std::chrono::hours(24);
  for (const fs::directory_entry& entry : fs::directory_iterator(dir, error)) {
    if (!entry.is_regular_file(error) || !IsAttachmentName(Utf8(entry.path().filename()))) continue;
    const auto written = std::chrono::file_clock::to_sys(entry.last_write_time(error));
    if (!error && written < limit) DeleteWrittenFile(folder + "/" + Utf8(entry.path().filename()));
  }
}

}  // namespace app
