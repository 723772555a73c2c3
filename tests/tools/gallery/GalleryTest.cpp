// The gallery's window read headless: it must show every look it promises, and answer clicks.

#include <gtest/gtest.h>

#include <set>

#include "platform/headless/HeadlessPlatform.h"
#include "toolkit/controls/SpeedButton.h"
#include "tools/gallery/GalleryForm.h"
#include "tools/gallery/GalleryGlyphs.h"
#include "widgets/Widgets.h"
#include "widgets/gradbox/Gradbox.h"
#include "widgets/shinespdbtn/Shinespdbtn.h"

namespace gallery {
namespace {

using widgets::TShineSpeedButton;

class GalleryTest : public ::testing::Test {
 protected:
  GalleryTest() {
    tk::SetPlatform(&platform);
    widgets::RegisterWidgetClasses();
    form = std::make_unique<TGalleryForm>(nullptr);
    form->Show();
    platform.Idle();
  }
  ~GalleryTest() override {
    form.reset();
    tk::SetPlatform(nullptr);
  }
  template <class T>
  std::vector<T*> All() {
    std::vector<T*> found;
    for (int i = 0; i < form->ComponentCount(); ++i)
      if (auto* c = dynamic_cast<T*>(form->Components(i))) found.push_back(c);
    return found;
  }
  TShineSpeedButton& Shine(const char* name) {
    return dynamic_cast<TShineSpeedButton&>(*form->FindComponent(name));
  }

  headless::THeadlessPlatform platform;
  std::unique_ptr<TGalleryForm> form;
};

TEST_F(GalleryTest, ShowsEveryFrameEffectLayoutAndState) {
  std::set<int> frames, hover, disabled, layouts;
  bool pressed = false, gradient = false, transparent = false, accelerator = false;
  for (TShineSpeedButton* b : All<TShineSpeedButton>()) {
    EXPECT_EQ(b->Glyph().Empty(), b->Tag() == 0) << b->Name();
    frames.insert(b->FrameType());
    if (b->Enabled()) hover.insert(b->ActiveImage());
    else disabled.insert(b->DisabledImage());
    if (!b->Caption().empty() && !b->Glyph().Empty()) layouts.insert(b->Layout());
    pressed |= b->Down() && b->GroupIndex() != 0;
    gradient |= b->Colors().Gradation();
    transparent |= b->Transparent();
    accelerator |= b->Caption().find('&') != std::string::npos;
  }
  EXPECT_EQ(frames.size(), 3u);
  EXPECT_EQ(hover.size(), 8u);
  EXPECT_EQ(disabled.size(), 5u);
  EXPECT_EQ(layouts.size(), 4u);
  EXPECT_TRUE(pressed && gradient && transparent && accelerator);
  EXPECT_GE(All<widgets::TGradBox>().size(), 3u);
}

TEST_F(GalleryTest, ShineAndStandardButtonsShareAGroup) {
  TShineSpeedButton& check = Shine("GroupCheck");
  auto& standard = dynamic_cast<tk::TSpeedButton&>(*form->FindComponent("GroupStandardA"));
  ASSERT_TRUE(check.Down());
  const tk::TPoint p{standard.Left() + 5, standard.Top() + 5};
  platform.PressButton(tk::TMouseButton::mbLeft, p);
  platform.ReleaseButton(tk::TMouseButton::mbLeft, p);
  EXPECT_TRUE(standard.Down());
  EXPECT_FALSE(check.Down());
  auto* status = dynamic_cast<tk::TControl*>(form->FindComponent("Status"));
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->Caption(), "Clicked GroupStandardA (down)");
}

TEST_F(GalleryTest, AcceleratorTogglesSave) {
  TShineSpeedButton& save = Shine("SaveButton");
  platform.PressKey('S', 0, 's');
  EXPECT_TRUE(save.Down());
  platform.PressKey('S', 0, 's');
  EXPECT_FALSE(save.Down());
}

TEST(GalleryPictureTest, EveryPictureHasAGroundInTheBottomLeftCornerAndADrawing) {
  for (int picture = 1; picture <= kPictureCount; ++picture) {
    const auto b = MakePicture(picture);
    ASSERT_NE(b, nullptr);
    const std::uint32_t ground = b->PixelWord(0, 15);
    EXPECT_EQ(ground, 0x808000u);
    int drawn = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) drawn += b->PixelWord(x, y) != ground;
    EXPECT_GT(drawn, 20) << picture;
  }
  EXPECT_EQ(MakePicture(0), nullptr);
}

}  // namespace
}  // namespace gallery
