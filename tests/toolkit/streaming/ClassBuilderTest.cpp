// One property line: where its default comes from, when it is written, what range it reads.

#include <gtest/gtest.h>

#include "toolkit/streaming/FormReader.h"
#include "toolkit/streaming/FormWriter.h"

namespace tk {
namespace {

class Sample : public TPersistent {
 public:
  std::uint8_t Depth() const { return FDepth; }
  void SetDepth(std::uint8_t v) { FDepth = v; }
  bool Inherited() const { return inherited; }

  int count = 3;
  bool shown = false;
  bool inherited = true;
  std::string title = "t";

 private:
  std::uint8_t FDepth = 1;
};

const TClassInfo& SampleInfo() {
  using S = Sample;
  static const TClassInfo info =
      TClassBuilder<S>("TSample")
          .Integer("Count", &S::count, &S::count)
          .Integer("Depth", &S::Depth, &S::SetDepth, 7)
          .Boolean("Shown", &S::shown, &S::shown, kNoDefault, StoredUnless(&S::Inherited))
          .String("Title", &S::title, &S::title, kNeverStored)
          .Build();
  return info;
}

struct WriteCase {
  const char* name;
  void (*change)(Sample&);
  const char* written;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

class PropertyLineWriteTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(PropertyLineWriteTest, WritesWhatDiffersFromItsDefault) {
  Sample sample;
  GetParam().change(sample);
  EXPECT_EQ(WriteProperties(sample, SampleInfo(), ""), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PropertyLineWriteTest,
    ::testing::Values(
        // Count's default is the constructed 3; Depth's declared 7 is not what it starts with.
        WriteCase{"Constructed", [](Sample&) {}, "Depth = 1\n"},
        WriteCase{"CountChanged", [](Sample& s) { s.count = 4; }, "Count = 4\nDepth = 1\n"},
        WriteCase{"AtDeclaredDefault", [](Sample& s) { s.SetDepth(7); }, ""},
        WriteCase{"OwnFlagWrittenAtAnyValue", [](Sample& s) { s.inherited = false; },
                  "Depth = 1\nShown = False\n"},
        WriteCase{"NeverStored", [](Sample& s) { s.title = "x"; }, "Depth = 1\n"}));

struct ReadCase {
  const char* path;
  const char* value;
  bool accepted;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.path << " = " << c.value; }

class PropertyLineReadTest : public ::testing::TestWithParam<ReadCase> {};

// The range read is the setter's parameter type, within 32 bits.
TEST_P(PropertyLineReadTest, AcceptsTheSettersRange) {
  TComponent root(nullptr);
  Sample sample;
  const ReadCase& c = GetParam();
  if (c.accepted) {
    SetPropertyFromText(root, sample, SampleInfo(), c.path, c.value);
    EXPECT_EQ(WriteProperties(sample, SampleInfo(), "").find(std::string(c.path) + " = " + c.value),
              0u);
  } else {
    EXPECT_THROW(SetPropertyFromText(root, sample, SampleInfo(), c.path, c.value), EReadError);
  }
}

INSTANTIATE_TEST_SUITE_P(Ranges, PropertyLineReadTest,
                         ::testing::Values(ReadCase{"Depth", "255", true},
                                           ReadCase{"Depth", "256", false},
                                           ReadCase{"Depth", "-1", false},
                                           ReadCase{"Count", "-2147483648", true},
                                           ReadCase{"Count", "2147483648", false}));

}  // namespace
}  // namespace tk
