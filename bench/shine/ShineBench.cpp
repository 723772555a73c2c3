// One paint of a 25 x 25 shine button with a 16 x 16 glyph, in each draw state and with each
// glyph effect, on the headless backend.

#include <benchmark/benchmark.h>

#include <memory>

#include "platform/headless/HeadlessPlatform.h"
#include "toolkit/controls/Form.h"
#include "widgets/shinespdbtn/Shinespdbtn.h"

namespace widgets {
namespace {

using tk::TPoint;

// A filled circle of radius 6 in two colours on an olive ground.
std::unique_ptr<tk::TBitmap> RoundGlyph() {
  auto glyph = std::make_unique<tk::TBitmap>(16, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const int dx = x - 8, dy = y - 8;
      const bool inside = dx * dx + dy * dy <= 36;
      glyph->ScanLine(y)[x] = !inside ? 0x808000 : (x < 8 ? 0xD02020 : 0x2040E0);
    }
  return glyph;
}

class Bench {
 public:
  Bench() {
    tk::SetPlatform(&FPlatform);
    FForm = std::make_unique<tk::TForm>(nullptr);
    FForm->SetBounds(0, 0, 100, 60);
    FForm->Show();
    FButton = new TShineSpeedButton(FForm.get());
    FButton->SetParent(FForm.get());
    FButton->SetBounds(10, 10, 25, 25);
    FButton->SetGlyph(RoundGlyph().get());
    FPlatform.MoveMouse({90, 50});
  }
  ~Bench() {
    FForm.reset();
    tk::SetPlatform(nullptr);
  }
  TShineSpeedButton& Button() { return *FButton; }

  void Reach(TShineDrawState s) {
    const TPoint centre{22, 22};
    switch (s) {
      case stActiveDown:
        FPlatform.MoveMouse(centre);
        FPlatform.PressButton(tk::TMouseButton::mbLeft, centre);
        break;
      case stActive: FPlatform.MoveMouse(centre); break;
      case stDown:
        FButton->SetGroupIndex(1);
        FButton->SetDown(true);
        break;
      case stDisabled: FButton->SetEnabled(false); break;
      case stUp: break;
    }
  }

  void Run(benchmark::State& state) {
    if (FButton->DrawState() != static_cast<TShineDrawState>(state.range(0))) {
      state.SkipWithError("state not reached");
      return;
    }
    tk::TBitmap& surface = FForm->BackBuffer();
    const tk::TRect area = FButton->BoundsRect();
    for (auto _ : state) {
      FButton->PaintOnto(surface, area);
      benchmark::DoNotOptimize(surface.ScanLine(22)[22]);
    }
  }

 private:
  headless::THeadlessPlatform FPlatform;
  std::unique_ptr<tk::TForm> FForm;
  TShineSpeedButton* FButton;
};

const char* const kStates[] = {"ActiveDown", "Down", "Active", "Up", "Disabled"};
const char* const kActive[] = {"Normal",   "XorLight",   "HalfLight",   "QuaterLight",
                               "AddLight", "FrameLight", "FrameLight2", "MaskLight"};
const char* const kDisabled[] = {"Default", "Grayscale", "AlphaHalfTrans", "AlphaQuaterTrans",
                                 "MaskTrans"};

// Arguments: draw state, and the effect of that state (hover or disabled; ignored otherwise).
void BM_PaintState(benchmark::State& state) {
  Bench bench;
  const auto s = static_cast<TShineDrawState>(state.range(0));
  const auto effect = static_cast<int>(state.range(1));
  bench.Button().SetActiveImage(static_cast<TActiveImageType>(effect));
  if (s == stDisabled) bench.Button().SetDisabledImage(static_cast<TDisabledImageType>(effect));
  bench.Reach(s);
  const bool hover = s == stActive || s == stActiveDown;
  state.SetLabel(std::string(kStates[s]) + (hover ? std::string(" ai") + kActive[effect]
                                            : s == stDisabled
                                                ? std::string(" di") + kDisabled[effect]
                                                : ""));
  bench.Run(state);
}
BENCHMARK(BM_PaintState)
    ->ArgsProduct({{stUp, stDown}, {0}})
    ->ArgsProduct({{stActive, stActiveDown}, {0, 1, 2, 3, 4, 5, 6, 7}})
    ->ArgsProduct({{stDisabled}, {0, 1, 2, 3, 4}});

// The raised face as a gradient: the 256-entry ramp is built and stretched on every paint.
void BM_PaintGradientFace(benchmark::State& state) {
  Bench bench;
  bench.Button().Colors().SetGradColor(tk::clWhite);
  bench.Button().Colors().SetGradVertical(state.range(1) != 0);
  bench.Button().Colors().SetGradation(true);
  state.SetLabel(state.range(1) ? "vertical" : "horizontal");
  bench.Run(state);
}
BENCHMARK(BM_PaintGradientFace)->Args({stUp, 0})->Args({stUp, 1});

// With a caption beside the glyph, in the installed font.
void BM_PaintWithCaption(benchmark::State& state) {
  Bench bench;
  bench.Button().SetBounds(10, 10, 60, 25);
  bench.Button().SetCaption("&Save");
  bench.Run(state);
}
BENCHMARK(BM_PaintWithCaption)->Args({stUp});

}  // namespace
}  // namespace widgets

BENCHMARK_MAIN();
