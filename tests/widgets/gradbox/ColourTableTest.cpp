// The colour table, against the values worked out for the repeated extended-precision
// subtraction (including the places where it lands just below a whole number).

#include <gtest/gtest.h>

#include "widgets/gradbox/Gradbox.h"

namespace widgets {
namespace {

using tk::TColor;

struct TableCase {
  const char* what;
  TColor top;
  TColor last;
  TGradStyle style;
  std::vector<std::pair<int, TColor>> entries;  // index -> expected entry
};

void PrintTo(const TableCase& c, std::ostream* os) { *os << c.what; }

class ColourTableTest : public ::testing::TestWithParam<TableCase> {};

TEST_P(ColourTableTest, EntriesMatch) {
  const TableCase& c = GetParam();
  TGradBox box(nullptr);
  box.SetColarray(c.top, c.last, c.style);
  for (const auto& [index, expected] : c.entries)
    EXPECT_EQ(box.Colarray()[index], expected) << c.what << ", entry " << index;
}

std::vector<std::pair<int, TColor>> Channel(std::initializer_list<std::pair<int, int>> values,
                                            int shift) {
  std::vector<std::pair<int, TColor>> out;
  for (auto [i, v] : values) out.push_back({i, static_cast<TColor>(v) << shift});
  return out;
}

std::vector<std::pair<int, TColor>> EveryEntry(int (*f)(int), int shift) {
  std::vector<std::pair<int, TColor>> out;
  for (int i = 1; i <= 254; ++i) out.push_back({i, static_cast<TColor>(f(i)) << shift});
  return out;
}

INSTANTIATE_TEST_SUITE_P(
    Tables, ColourTableTest,
    ::testing::Values(
        TableCase{"header colours 0x80FF80 to white",
                  0x80FF80,
                  0xFFFFFF,
                  gsTopBottom,
                  {{0, 0x80FF80},
                   {1, 0x80FF80},
                   {2, 0x80FF80},
                   {3, 0x81FF81},
                   {4, 0x81FF81},
                   {5, 0x82FF82},
                   {127, 0xBFFFBF},
                   {128, 0xBFFFBF},
                   {253, 0xFEFFFE},
                   {254, 0xFEFFFE},
                   {255, 0xFFFFFF}}},
        TableCase{"falling 255 to 0 gives 255 - i", 0x0000FF, 0x000000, gsLeftRight,
                  EveryEntry([](int i) { return 255 - i; }, 0)},
        TableCase{"rising 0 to 255 gives i", 0x000000, 0x00FF00, gsTopBottom,
                  EveryEntry([](int i) { return i; }, 8)},
        TableCase{"rising 0 to 9 lands below 3 at entry 85", 0x000000, 0x090000, gsTopBottom,
                  Channel({{84, 2}, {85, 2}, {86, 3}}, 16)},
        TableCase{"falling 9 to 0 lands below 6 at entry 85", 0x000009, 0x000000, gsTopBottom,
                  Channel({{84, 6}, {85, 5}, {86, 5}}, 0)},
        TableCase{"rising 128 to 255", 0x008000, 0x00FF00, gsTopBottom,
                  Channel({{1, 128}, {2, 128}, {3, 129}, {4, 129}, {5, 130}}, 8)},
        TableCase{"bottom-top starts from the last colour",
                  0x0000FF,
                  0xFF0000,
                  gsBottomTop,
                  {{0, 0xFF0000}, {255, 0x0000FF}, {1, 0xFE0001}}},
        TableCase{"right-left starts from the last colour",
                  0x0000FF,
                  0xFF0000,
                  gsRightLeft,
                  {{0, 0xFF0000}, {255, 0x0000FF}}},
        // Index 15 is resolved for the arithmetic but kept as it is in entry 0.
        TableCase{"button face start",
                  tk::clBtnFace,
                  0x000000,
                  gsTopBottom,
                  {{0, tk::clBtnFace}, {1, 0xEFEFEF}, {255, 0x000000}}},
        // Index 26 is no system colour here: red 26, green 0, blue 0, high byte ignored.
        TableCase{"index 26 splits as a number",
                  0x8000001A,
                  0x000000,
                  gsTopBottom,
                  {{0, 0x8000001A}, {1, 25}, {254, 0}, {255, 0}}}));

TEST(ColourTableTest, NoneLeavesTheTableAsItWas) {
  TGradBox box(nullptr);
  box.SetColarray(0x000000, 0xFFFFFF, gsTopBottom);
  const auto before = box.Colarray();
  box.SetColarray(0x123456, 0x654321, gsNone);
  EXPECT_EQ(box.Colarray(), before);
}

struct RgbCase {
  TColor color;
  int r, g, b;
};

void PrintTo(const RgbCase& c, std::ostream* os) { *os << std::hex << c.color; }

class GetRGBTest : public ::testing::TestWithParam<RgbCase> {};

TEST_P(GetRGBTest, SplitsAndResolvesOnlyKnownSystemColours) {
  std::uint8_t r, g, b;
  TGradBox::GetRGB(GetParam().color, r, g, b);
  EXPECT_EQ(r, GetParam().r);
  EXPECT_EQ(g, GetParam().g);
  EXPECT_EQ(b, GetParam().b);
}

INSTANTIATE_TEST_SUITE_P(Colours, GetRGBTest,
                         ::testing::Values(RgbCase{0x00332211, 0x11, 0x22, 0x33},
                                           RgbCase{0x7F332211, 0x11, 0x22,
                                                   0x33},  // top byte ignored
                                           RgbCase{tk::clHighlight, 0x00, 0x78, 0xD7},
                                           RgbCase{0x80000018, 0xFF, 0xFF, 0xE1},  // last index
                                           RgbCase{0x80000019, 0x19, 0x00, 0x00},  // beyond
                                           RgbCase{tk::clNone, 0xFF, 0xFF, 0xFF}));

}  // namespace
}  // namespace widgets
