// MAINICON as an .ico file: the layout of its headers, and the system reading it back into the
// art's pixels.

#include <gtest/gtest.h>

#include "platform/icon/MainIconArt.h"
#include "platform/win32/IconFile.h"

#include "platform/win32/TopDownDib.h"

#include <windows.h>

namespace win32ui {
namespace {

std::vector<std::uint32_t> Art() {
  const auto art = appicon::MainIconPixels();
  return {art.begin(), art.end()};
}

unsigned Word16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8);
}
std::uint32_t Word32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return Word16(b, at) | (static_cast<std::uint32_t>(Word16(b, at + 2)) << 16);
}

TEST(IconFile, HasOne32By32ImageOf256Colours) {
  const std::vector<std::uint8_t> ico = EncodeIcon256(Art(), 32);
  // 22 bytes of directory, 40 of header, 1024 of palette, 32 x 32 indices, 32 rows of 4 mask bytes.
  ASSERT_EQ(ico.size(), 22u + 40u + 1024u + 1024u + 128u);
  EXPECT_EQ(Word16(ico, 0), 0u);
  EXPECT_EQ(Word16(ico, 2), 1u);  // icon
  EXPECT_EQ(Word16(ico, 4), 1u);  // one image
  EXPECT_EQ(ico[6], 32);
  EXPECT_EQ(ico[7], 32);
  EXPECT_EQ(ico[8], 0);  // 256 colours
  EXPECT_EQ(Word16(ico, 12), 8u);
  EXPECT_EQ(Word32(ico, 14), ico.size() - 22);
  EXPECT_EQ(Word32(ico, 18), 22u);
  EXPECT_EQ(Word32(ico, 22), 40u);
  EXPECT_EQ(Word32(ico, 26), 32u);
  EXPECT_EQ(Word32(ico, 30), 64u);  // colour image and mask
  EXPECT_EQ(Word16(ico, 36), 8u);
}

TEST(IconFile, RefusesWrongSizesAndTooManyColours) {
  EXPECT_THROW(EncodeIcon256(std::vector<std::uint32_t>(10), 32), std::invalid_argument);
  std::vector<std::uint32_t> rainbow(32 * 32);
  for (std::size_t i = 0; i < rainbow.size(); ++i)
    rainbow[i] = 0xFF000000u | static_cast<std::uint32_t>(i);
  EXPECT_THROW(EncodeIcon256(rainbow, 32), std::invalid_argument);
}

// The system's own icon reader gets every opaque pixel's colour and every see-through pixel's
// mask bit from our bytes.
TEST(IconFile, TheSystemReadsBackTheArt) {
  const std::vector<std::uint32_t> art = Art();
  std::vector<std::uint8_t> ico = EncodeIcon256(art, 32);
  HICON icon = CreateIconFromResourceEx(ico.data() + 22, static_cast<DWORD>(ico.size() - 22), TRUE,
                                        0x00030000, 32, 32, LR_DEFAULTCOLOR);
  ASSERT_NE(icon, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  BITMAPINFO header = TopDownDibInfo(32, 32);
  std::vector<std::uint32_t> colour(32 * 32), mask(32 * 32);
  HDC dc = GetDC(nullptr);
  ASSERT_EQ(GetDIBits(dc, info.hbmColor, 0, 32, colour.data(), &header, DIB_RGB_COLORS), 32);
  ASSERT_EQ(GetDIBits(dc, info.hbmMask, 0, 32, mask.data(), &header, DIB_RGB_COLORS), 32);
  ReleaseDC(nullptr, dc);
  int wrong = 0;
  for (std::size_t i = 0; i < art.size(); ++i) {
    const bool seeThrough = (art[i] >> 24) == 0;
    wrong += (mask[i] & 0xFFFFFF) != (seeThrough ? 0xFFFFFFu : 0u);
    if (!seeThrough) wrong += (colour[i] & 0xFFFFFF) != (art[i] & 0xFFFFFF);
  }
  EXPECT_EQ(wrong, 0);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyIcon(icon);
}

}  // namespace
}  // namespace win32ui
