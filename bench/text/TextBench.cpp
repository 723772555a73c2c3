#include <benchmark/benchmark.h>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/text/FontCache.h"
#include "toolkit/graphics/text/FontResolver.h"
#include "toolkit/graphics/text/FreeTypeGlyphSource.h"
#include "toolkit/graphics/text/TextLayout.h"

namespace tk {
namespace {

// The header boxes' caption call: word break and tab expansion, clear brush.
constexpr unsigned kCaptionFormat = DT_WORDBREAK | DT_EXPANDTABS;

void PrepareCaptionCanvas(TCanvas& canvas) {
  canvas.Font().SetHeight(-32);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
}

// One column header: "月" at (44, 10) in a 120 x 50 box, after a first paint has filled the
// caches.
void BM_ColumnHeaderCaption(benchmark::State& state) {
  TBitmap bitmap(120, 50);
  TCanvas& canvas = bitmap.Canvas();
  PrepareCaptionCanvas(canvas);
  TRect r{44, 10, 120, 50};
  canvas.DrawText("月", r, kCaptionFormat);
  for (auto _ : state) {
    TRect caption{44, 10, 120, 50};
    benchmark::DoNotOptimize(canvas.DrawText("月", caption, kCaptionFormat));
  }
}
BENCHMARK(BM_ColumnHeaderCaption);

// All eleven header captions of the board, as one repaint of the window draws them.
void BM_AllHeaderCaptions(benchmark::State& state) {
  TBitmap bitmap(652, 593);
  TCanvas& canvas = bitmap.Canvas();
  PrepareCaptionCanvas(canvas);
  const char* rows[] = {"1", "2", "3", "4", "5", "6"};
  const char* columns[] = {"月", "火", "水", "木", "金"};
  auto paint = [&] {
    int height = 0;
    for (int i = 0; i < 6; ++i) {
      TRect r{1 + 16, 52 + 90 * i + 26, 1 + 50, 52 + 90 * i + 90};
      height += canvas.DrawText(rows[i], r, kCaptionFormat);
    }
    for (int i = 0; i < 5; ++i) {
      TRect r{51 + 120 * i + 44, 2 + 10, 51 + 120 * i + 120, 2 + 50};
      height += canvas.DrawText(columns[i], r, kCaptionFormat);
    }
    return height;
  };
  paint();
  for (auto _ : state) benchmark::DoNotOptimize(paint());
}
BENCHMARK(BM_AllHeaderCaptions);

// The shine button's measuring pass: a menu-sized caption with an accelerator.
void BM_MeasureButtonCaption(benchmark::State& state) {
  TBitmap bitmap(1, 1);
  TCanvas& canvas = bitmap.Canvas();
  for (auto _ : state) {
    TRect r{0, 0, 80, 0};
    benchmark::DoNotOptimize(canvas.DrawText("はい(&Y)", r, DT_CALCRECT));
  }
}
BENCHMARK(BM_MeasureButtonCaption);

// Layout only, of a longer mixed paragraph broken into lines.
void BM_LayoutParagraph(benchmark::State& state) {
  TFont font;
  TGlyphSource& glyphs = GlyphSourceFor(font);
  const std::string text =
      "お使いのメーラーを｢通常使うメールソフト(規定のプログラム)｣に設定してください。 "
      "The board is saved as a JPEG file of 652 x 593 pixels.\tTabs\tand &prefixes too.";
  for (auto _ : state)
    benchmark::DoNotOptimize(
        LayoutText(text, {0, 0, 200, 0}, DT_WORDBREAK | DT_EXPANDTABS, glyphs));
}
BENCHMARK(BM_LayoutParagraph);

// What a glyph costs without the cache: "月" at -32 rendered by a fresh source.
void BM_RenderGlyphCold(benchmark::State& state) {
  const TFontFace& face = SystemFontResolver().Resolve({TFont::kDefaultName});
  for (auto _ : state) {
    state.PauseTiming();
    TFreeTypeGlyphSource source(OpenFace(face.Path, face.Index), -32, false, false, nullptr);
    state.ResumeTiming();
    benchmark::DoNotOptimize(source.Glyph(U'月').Width);
  }
}
BENCHMARK(BM_RenderGlyphCold);

}  // namespace
}  // namespace tk

BENCHMARK_MAIN();
