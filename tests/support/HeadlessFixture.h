#pragma once
// A headless backend installed for the duration of a test, with a 200 x 100 form shown at the
// screen's origin.

#include <gtest/gtest.h>

#include "platform/headless/HeadlessPlatform.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/Form.h"

namespace tk::testing {

class HeadlessTest : public ::testing::Test {
 protected:
  HeadlessTest() {
    SetPlatform(&platform);
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 200, 100);
    form->SetColor(clWhite);
    form->Show();
    platform.Idle();
  }
  ~HeadlessTest() override {
    form.reset();
    SetPlatform(nullptr);
  }

  std::uint32_t Pixel(int x, int y) { return form->BackBuffer().PixelWord(x, y) & 0xFFFFFF; }

  headless::THeadlessPlatform platform;
  std::unique_ptr<TForm> form;
};

}  // namespace tk::testing
