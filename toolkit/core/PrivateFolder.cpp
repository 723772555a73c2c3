#include "toolkit/core/PrivateFolder.h"

#ifdef _WIN32
#include <filesystem>
#include <system_error>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tk {

#ifdef _WIN32
bool MakePrivateFolder(const std::string& folder) {
  const std::filesystem::path path(std::u8string(folder.begin(), folder.end()));
  std::error_code error;
  std::filesystem::create_directories(path, error);
  return std::filesystem::is_directory(std::filesystem::symlink_status(path, error));
}
#else
bool MakePrivateFolder(const std::string& folder) {
  // Every missing folder on the way is made for the user alone, as the desktop conventions
  // make cache folders.
  for (std::size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
    mkdir(folder.substr(0, end).c_str(), 0700);
    if (end == std::string::npos) break;
  }
  // Checked on the open folder itself, so that it cannot be swapped for a link between the
  // check and the tightening.
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  const bool ours = fstat(fd, &st) == 0 && st.st_uid == geteuid() &&
                    ((st.st_mode & 077) == 0 || fchmod(fd, 0700) == 0);
  close(fd);
  return ours;
}
#endif

}  // namespace tk
