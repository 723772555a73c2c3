#include "tests/support/TempFolder.h"

#include <atomic>
#include <random>

namespace tk::test {

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  std::random_device random;
  FRoot = std::filesystem::temp_directory_path() /
          ("poterinko-codecs-" + std::to_string(random()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(FRoot);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::permissions(FRoot, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(FRoot, ignored);
}

}  // namespace tk::test
