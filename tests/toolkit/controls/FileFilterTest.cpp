// The dialog filter text, taken apart the same way for every backend.

#include <gtest/gtest.h>

#include "toolkit/controls/FileFilter.h"

namespace tk {
namespace {

using Patterns = std::vector<std::string>;

TEST(FileFilterTest, TheBoardsFilterIsOneEntryWithBothExtensions) {
  const auto entries = ParseFileFilter("JPEG ファイル (*.jpg;*.jpeg)|*.jpg;*.jpeg");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].Name, "JPEG ファイル (*.jpg;*.jpeg)");
  EXPECT_EQ(entries[0].Patterns, (Patterns{"*.jpg", "*.jpeg"}));
}

TEST(FileFilterTest, SeveralPairsKeepTheirOrder) {
  const auto entries = ParseFileFilter("Bitmaps|*.bmp|All files|*.*");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].Name, "Bitmaps");
  EXPECT_EQ(entries[0].Patterns, Patterns{"*.bmp"});
  EXPECT_EQ(entries[1].Name, "All files");
  EXPECT_EQ(entries[1].Patterns, Patterns{"*.*"});
}

TEST(FileFilterTest, SpacesAndEmptyPatternsAreDropped) {
  const auto entries = ParseFileFilter("Pictures| *.png ; ;*.gif;");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].Patterns, (Patterns{"*.png", "*.gif"}));
}

TEST(FileFilterTest, APairWithoutPatternsOrAHalfPairIsLeftOut) {
  EXPECT_TRUE(ParseFileFilter("").empty());
  EXPECT_TRUE(ParseFileFilter("Nothing|").empty());
  EXPECT_TRUE(ParseFileFilter("Only a name").empty());
  const auto entries = ParseFileFilter("Empty||Text|*.txt|Dangling");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].Name, "Text");
}

TEST(FileFilterTest, AnEmptyNameShowsThePatterns) {
  const auto entries = ParseFileFilter("|*.jpg;*.jpeg");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].Name, "*.jpg;*.jpeg");
}

}  // namespace
}  // namespace tk
