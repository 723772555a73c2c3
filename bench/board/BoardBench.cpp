// Painting speed on the headless backend: one gradient caption box at the header's size and at
// 1000 x 1000, a full repaint of the board with all sixty layers filled, and the time from
// creating the window to its first frame.

#include <benchmark/benchmark.h>

#include "app/MainWindow1.h"
#include "app/MainWindow1Layout.h"
#include "platform/headless/HeadlessPlatform.h"
#include "toolkit/codecs/JpegCodec.h"
#include "toolkit/codecs/JpegImage.h"
#include "toolkit/controls/Application.h"
#include "widgets/Widgets.h"
#include "widgets/gradbox/Gradbox.h"

namespace {

struct Backend {
  Backend() {
    tk::SetPlatform(&platform);
    widgets::RegisterWidgetClasses();
    tk::ClassRegistry().Register(app::MainForm1ClassInfo());
  }
  ~Backend() { tk::SetPlatform(nullptr); }
  headless::THeadlessPlatform platform;
};

void BM_GradBoxPaint(benchmark::State& state) {
  Backend backend;
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  tk::TForm form(nullptr);
  form.SetBounds(0, 0, w, h);
  form.Show();
  auto* box = new widgets::TGradBox(&form);
  box->SetParent(&form);
  box->SetBounds(0, 0, w, h);
  box->SetTopColor(8454016);
  box->SetLastColor(tk::clWhite);
  box->SetDrawOutLine(true);
  box->SetGradStyle(widgets::gsLeftRight);
  box->Font().SetHeight(-32);
  box->SetCaption("月");
  form.UpdateWindow();
  for (auto _ : state) {
    box->Invalidate();
    form.UpdateWindow();
  }
}
BENCHMARK(BM_GradBoxPaint)->Args({120, 50})->Args({1000, 1000})->Unit(benchmark::kMicrosecond);

// A camera-sized photo decoded for a cell, and a bitmap overlay, in every cell.
void FillBoard(app::TMainForm1& board) {
  tk::TBitmap photo(6000, 4000);
  for (int y = 0; y < photo.Height(); ++y) {
    std::uint32_t* row = photo.ScanLine(y);
    for (int x = 0; x < photo.Width(); ++x) row[x] = (x * 255 / 6000) << 16 | (y * 255 / 4000);
  }
  const std::vector<std::uint8_t> jpeg = tk::EncodeJpeg(photo, 80);
  for (int n = 1; n <= app::kCellCount; ++n) {
    auto image = std::make_unique<tk::TJPEGImage>();
    image->LoadFromBytes(jpeg, 120, 90);
    board.PhotoLayer(n).Picture().SetGraphic(std::move(image));
    auto overlay = std::make_unique<tk::TBitmap>(240, 180);
    overlay->Canvas().Brush().SetColor(tk::clRed);
    overlay->Canvas().FillRect({40, 40, 200, 140});
    board.OverlayLayer(n).Picture().SetGraphic(std::move(overlay));
  }
}

void BM_BoardFullRepaint(benchmark::State& state) {
  Backend backend;
  app::TMainForm1 board(nullptr);
  board.Show();
  FillBoard(board);
  board.UpdateWindow();
  for (auto _ : state) {
    board.InvalidateRect(board.ClientRect());
    board.UpdateWindow();
  }
}
BENCHMARK(BM_BoardFullRepaint)->Unit(benchmark::kMillisecond);

void BM_StartToFirstFrame(benchmark::State& state) {
  Backend backend;
  for (auto _ : state) {
    app::TMainForm1 board(nullptr);
    board.Show();
    board.UpdateWindow();
    benchmark::DoNotOptimize(board.BackBuffer().PixelWord(0, 0));
  }
}
BENCHMARK(BM_StartToFirstFrame)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
