// JPEG decoding of a dropped camera photo and encoding of the board, each next to the
// libjpeg-turbo command-line tool doing the same work on the same file in the same run.
// The tools run as child processes; BM_SpawnOnly measures what starting a process costs, to
// be subtracted from their figures.

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>
#include <vector>

#include "BenchPictures.h"
#include "toolkit/codecs/JpegCodec.h"
#include "toolkit/codecs/Picture.h"
#include "toolkit/core/FileIO.h"

extern char** environ;

namespace tk::bench {
namespace {

void Run(std::vector<std::string> args, benchmark::State& state) {
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid;
  if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
    state.SkipWithError(("cannot start " + args[0]).c_str());
    return;
  }
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    state.SkipWithError((args[0] + " failed").c_str());
}

std::string TempPath(const char* name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

// ---- a dropped 24-megapixel photo, shown in a 120 x 90 cell ----

// Loads the photo at `path` as a drop into a cell does.
void LoadForCell(benchmark::State& state, const std::string& path) {
  for (auto _ : state) {
    TPicture picture;
    picture.SetStretchSize(120, 90);
    picture.LoadFromFile(path);
    benchmark::DoNotOptimize(picture.Graphic());
  }
  state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
}

void BM_LoadPhotoForCell(benchmark::State& state) { LoadForCell(state, CameraPhotoPath()); }
BENCHMARK(BM_LoadPhotoForCell)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DjpegScaleOneEighth(benchmark::State& state) {
  const std::string path = CameraPhotoPath();
  for (auto _ : state) Run({"djpeg", "-scale", "1/8", "-outfile", "/dev/null", path}, state);
}
BENCHMARK(BM_DjpegScaleOneEighth)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole photo at its own size, with the DCT the board's reader uses (libjpeg's default).
void BM_DjpegFullSize(benchmark::State& state) {
  const std::string path = CameraPhotoPath();
  for (auto _ : state) Run({"djpeg", "-dct", "int", "-outfile", "/dev/null", path}, state);
}
BENCHMARK(BM_DjpegFullSize)->Unit(benchmark::kMillisecond)->UseRealTime();

// A phone's portrait photo, stored sideways: sampled while it is decoded, never turned whole.
void BM_LoadPhonePhotoForCell(benchmark::State& state) { LoadForCell(state, PhonePhotoPath()); }
BENCHMARK(BM_LoadPhonePhotoForCell)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LoadPhotoFullSize(benchmark::State& state) {
  const std::string path = CameraPhotoPath();
  for (auto _ : state) {
    TPicture picture;
    picture.LoadFromFile(path);
    benchmark::DoNotOptimize(picture.Graphic());
  }
}
BENCHMARK(BM_LoadPhotoFullSize)->Unit(benchmark::kMillisecond)->UseRealTime();

// ---- the board written as JPEG at quality 80 ----

void BM_EncodeBoardJpeg(benchmark::State& state) {
  const auto board = BoardLikeBitmap();
  for (auto _ : state) benchmark::DoNotOptimize(EncodeJpeg(*board, 80));
}
BENCHMARK(BM_EncodeBoardJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WriteBoardJpeg(benchmark::State& state) {
  const auto board = BoardLikeBitmap();
  const std::string path = TempPath("poterinko-bench-board.jpg");
  for (auto _ : state) WriteFileBytes(path, EncodeJpeg(*board, 80));
}
BENCHMARK(BM_WriteBoardJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CjpegBoard(benchmark::State& state) {
  const auto board = BoardLikeBitmap();
  // The same pixels as a binary PPM, cjpeg's plainest input.
  std::string ppm = "P6\n652 593\n255\n";
  for (int y = 0; y < board->Height(); ++y)
    for (int x = 0; x < board->Width(); ++x) {
      const std::uint32_t p = board->PixelWord(x, y);
      ppm += {static_cast<char>(p >> 16), static_cast<char>(p >> 8), static_cast<char>(p)};
    }
  const std::string input = TempPath("poterinko-bench-board.ppm");
  WriteFileBytes(input, std::span(reinterpret_cast<const std::uint8_t*>(ppm.data()), ppm.size()));
  const std::string output = TempPath("poterinko-bench-board-cjpeg.jpg");
  for (auto _ : state)
    Run({"cjpeg", "-quality", "80", "-dct", "float", "-baseline", "-outfile", output, input},
        state);
}
BENCHMARK(BM_CjpegBoard)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SpawnOnly(benchmark::State& state) {
  for (auto _ : state) Run({"true"}, state);
}
BENCHMARK(BM_SpawnOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tk::bench

BENCHMARK_MAIN();
