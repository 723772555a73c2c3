#include "toolkit/core/PrivateFolder.h"

#include <cstdlib>

#ifdef _WIN32
#include <filesystem>
#include <system_error>
#else
#include <fcntl.h>
#include <pwd.h>
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

namespace {
std::optional<std::string> AbsoluteFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (!value) return std::nullopt;
#ifdef _WIN32
  const bool absolute = std::filesystem::path(value).is_absolute();
#else
  const bool absolute = *value == '/';
#endif
  return absolute ? std::optional<std::string>(value) : std::nullopt;
}
}  // namespace

std::optional<std::string> UserCacheFolder() {
#ifdef _WIN32
  return AbsoluteFromEnvironment("LOCALAPPDATA");
#else
  if (auto cache = AbsoluteFromEnvironment("XDG_CACHE_HOME")) return cache;
  if (auto home = AbsoluteFromEnvironment("HOME")) return *home + "/.cache";
  // Started without an environment (by a service, or `env -i`): the home the system knows.
  if (const passwd* user = getpwuid(geteuid()); user && user->pw_dir && *user->pw_dir == '/')
    return std::string(user->pw_dir) + "/.cache";
  return std::nullopt;
#endif
}

}  // namespace tk
