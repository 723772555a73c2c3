#include <gtest/gtest.h>

#include "toolkit/core/FileName.h"

namespace tk {
namespace {

TEST(ExtensionOfTest, TakesTheTextFromTheLastDotAfterEveryFolderDelimiter) {
  EXPECT_EQ(ExtensionOf("a.jpg"), ".jpg");
  EXPECT_EQ(ExtensionOf("C:\\my.pics\\photo"), "");
  EXPECT_EQ(ExtensionOf("/home/me/my.pics/photo"), "");
  EXPECT_EQ(ExtensionOf("C:.jpg"), ".jpg");
  EXPECT_EQ(ExtensionOf("C:x"), "");
  EXPECT_EQ(ExtensionOf("写真.JPEG"), ".JPEG");
  EXPECT_EQ(ExtensionOf("a.b.bmp"), ".bmp");
  EXPECT_EQ(ExtensionOf(""), "");
}

}  // namespace
}  // namespace tk
