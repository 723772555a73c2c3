#include <gtest/gtest.h>

#include "platform/gtk/Mnemonics.h"

namespace gtkui {
namespace {

struct MnemonicCase {
  const char* caption;
  const char* expected;
};

class MnemonicTest : public ::testing::TestWithParam<MnemonicCase> {};

TEST_P(MnemonicTest, MarksTheSameAccessKeyAsTheToolkit) {
  EXPECT_EQ(MnemonicFromCaption(GetParam().caption), GetParam().expected) << GetParam().caption;
}

INSTANTIATE_TEST_SUITE_P(
    Captions, MnemonicTest,
    ::testing::Values(MnemonicCase{"保存(&S)...", "保存(_S)..."},
                      MnemonicCase{"はい(&Y)", "はい(_Y)"},
                      MnemonicCase{"インフォメーション(&I)...", "インフォメーション(_I)..."},
                      MnemonicCase{"OK", "OK"},
                      MnemonicCase{"&&Save", "&Save"},      // a literal ampersand
                      MnemonicCase{"A&&&B", "A&_B"},        // literal, then the key
                      MnemonicCase{"&A&B", "A_B"},          // the later key replaces
                      MnemonicCase{"save_as", "save__as"},  // GTK would read "_a" as a key
                      MnemonicCase{"&save_as", "_save__as"},
                      MnemonicCase{"Save&", "Save"},   // a trailing mark marks nothing
                      MnemonicCase{"&_x", "__x"},      // GTK cannot mark "_" itself
                      MnemonicCase{"保&存", "保_存"},  // a multi-byte key
                      MnemonicCase{"", ""}));

}  // namespace
}  // namespace gtkui
