#pragma once
// A headless form with glyphs of round numbers (every character but the space an 8 x 6 box one
// pixel right of its pen position and two rows below the line's top; advance 10, lines 10
// high), shine buttons that count their paints, and helpers that bring a button into each draw
// state through real input.

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/FakeGlyphSource.h"
#include "tests/support/HeadlessFixture.h"
#include "toolkit/graphics/text/FontCache.h"
#include "widgets/shinespdbtn/Shinespdbtn.h"

namespace widgets::test {

class CountingButton : public TShineSpeedButton {
 public:
  using TShineSpeedButton::TShineSpeedButton;
  int paints = 0;

 protected:
  void Paint() override {
    ++paints;
    TShineSpeedButton::Paint();
  }
};

// A glyph drawn as text: one string per row, one character per pixel, colours from `palette`.
inline std::unique_ptr<tk::TBitmap> MakeGlyph(const std::vector<std::string>& rows,
                                              const std::map<char, std::uint32_t>& palette) {
  auto glyph = std::make_unique<tk::TBitmap>(static_cast<int>(rows.front().size()),
                                             static_cast<int>(rows.size()));
  for (int y = 0; y < glyph->Height(); ++y)
    for (int x = 0; x < glyph->Width(); ++x)
      glyph->ScanLine(y)[x] =
          palette.at(rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]);
  return glyph;
}

class ShineTest : public tk::testing::HeadlessTest {
 protected:
  static constexpr tk::TPoint kOutside{190, 95};

  ShineTest() {
    tk::SetGlyphSourceProvider([this](const tk::TFont&) -> tk::TGlyphSource& { return glyphs; });
    platform.MoveMouse(kOutside);
  }
  ~ShineTest() override {
    form.reset();
    tk::SetGlyphSourceProvider(nullptr);
  }

  CountingButton* AddButton(int left, int top, int width = 25, int height = 25) {
    auto* b = new CountingButton(form.get());
    b->SetParent(form.get());
    b->SetBounds(left, top, width, height);
    platform.Idle();
    return b;
  }

  static tk::TPoint Centre(const tk::TControl& c) {
    return {c.Left() + c.Width() / 2, c.Top() + c.Height() / 2};
  }

  // Drives the button into `state` the way a user would; the cursor ends outside it for the
  // states without hover.
  void Reach(TShineSpeedButton& b, TShineDrawState state) {
    switch (state) {
      case stUp: break;
      case stActive: platform.MoveMouse(Centre(b)); break;
      case stActiveDown:
        platform.MoveMouse(Centre(b));
        platform.PressButton(tk::TMouseButton::mbLeft, Centre(b));
        break;
      case stDown:
        b.SetGroupIndex(99);
        b.SetDown(true);
        break;
      case stDisabled: b.SetEnabled(false); break;
    }
    platform.Idle();
    ASSERT_EQ(b.DrawState(), state);
  }

  tk::test::FakeGlyphSource glyphs;
};

// A table-driven test on `Fixture` with one `Case` a run.
template <class Case, class Fixture = ShineTest>
class ShineCaseTest : public Fixture, public ::testing::WithParamInterface<Case> {};

// A case that has a name prints as its name. A file's cases live in its own unnamed namespace,
// so each file that wants this brings it in with `using test::PrintTo;`.
template <class Case>
requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

}  // namespace widgets::test
