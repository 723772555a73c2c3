#include <fnmatch.h>
#include <gtest/gtest.h>

#include "platform/gtk/GlobPattern.h"

namespace gtkui {
namespace {

struct GlobCase {
  const char* pattern;
  const char* name;
  bool matches;
};

class CaseInsensitiveGlobTest : public ::testing::TestWithParam<GlobCase> {};

// GTK's file filters use shell-style patterns; fnmatch reads them the same way.
TEST_P(CaseInsensitiveGlobTest, MatchesNamesWhateverTheirLetterCase) {
  const auto& c = GetParam();
  const std::string glob = CaseInsensitiveGlob(c.pattern);
  EXPECT_EQ(fnmatch(glob.c_str(), c.name, 0) == 0, c.matches)
      << c.pattern << " -> " << glob << " on " << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, CaseInsensitiveGlobTest,
    ::testing::Values(GlobCase{"*.jpg", "photo.jpg", true}, GlobCase{"*.jpg", "PHOTO.JPG", true},
                      GlobCase{"*.jpg", "x.Jpg", true}, GlobCase{"*.jpeg", "x.JpEg", true},
                      GlobCase{"*.jpg", "x.jpeg", false}, GlobCase{"*.jpg", "x.jpgx", false},
                      GlobCase{"*.jpg", "x.jp", false}, GlobCase{"*.*", "README", true},
                      GlobCase{"*.*", "a.b", true}, GlobCase{"img?.BMP", "IMG1.bmp", true},
                      GlobCase{"img?.BMP", "img12.bmp", false},
                      GlobCase{"*.[jp]ng", "x.png", true},  // brackets stay as written
                      GlobCase{"*.[jp]ng", "x.Png", false},
                      GlobCase{"写真*.jpg", "写真1.JPG", true}));

TEST(CaseInsensitiveGlobTest, SpellsEachLetterInBothCases) {
  EXPECT_EQ(CaseInsensitiveGlob("*.jpg"), "*.[jJ][pP][gG]");
  EXPECT_EQ(CaseInsensitiveGlob("*.J1"), "*.[jJ]1");
}

}  // namespace
}  // namespace gtkui
