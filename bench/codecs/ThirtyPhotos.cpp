// Peak memory of a board whose thirty cells hold 24-megapixel photos, each loaded the way a
// drop loads it (only the pixels a 120 x 90 cell shows). Prints the peak resident size before and
// after. The photos (with --make-photo, the phone photo too) are made by a child process when
// missing, so making them does not count.

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "BenchPictures.h"
#include "toolkit/codecs/Picture.h"

extern char** environ;

namespace {

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--make-photo") == 0) {
    tk::bench::CameraPhotoPath();
    tk::bench::PhonePhotoPath();
    return 0;
  }
  char make[] = "--make-photo";
  char* childArgs[] = {argv[0], make, nullptr};
  pid_t child;
  int status = 0;
  if (posix_spawn(&child, "/proc/self/exe", nullptr, nullptr, childArgs, environ) != 0 ||
      waitpid(child, &status, 0) != child || status != 0) {
    std::fprintf(stderr, "could not make the photo\n");
    return 1;
  }
  const std::string path = tk::bench::CameraPhotoPath();  // exists now: only the name

  const long before = PeakKilobytes();
  std::vector<std::unique_ptr<tk::TPicture>> cells;
  for (int i = 0; i < 30; ++i) {
    auto picture = std::make_unique<tk::TPicture>();
    picture->SetStretchSize(120, 90);
    picture->LoadFromFile(path);
    cells.push_back(std::move(picture));
  }
  const long after = PeakKilobytes();
  std::printf("thirty %dx%d photos in cells: peak resident %.1f MB (%.1f MB before loading)\n",
              cells[0]->Width(), cells[0]->Height(), after / 1024.0, before / 1024.0);
  return 0;
}
