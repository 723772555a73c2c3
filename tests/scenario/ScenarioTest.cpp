// Runs poterinko-scenario on the scripts in cases/: the printed log must match NAME.expected
// line by line, and the pixels listed in NAME.pixels (worked out from the layout and drawing
// rules) must be found in the PNG files the script wrote: "FILE X Y RRGGBB", exactly, or with
// " ~T" within T per channel (for photos, which JPEG stores only approximately).
//
// In scripts and expectations $TMP is the test's own folder and $INFO the information page's
// base address; in expectations $N stands for a number, $STAMP for a 12-digit time stamp, and
// a line $MENU (or $MENU_UNCHECKED) for the popup menu's eight items. NAME.env, where present,
// sets the driver's surroundings: one VARIABLE=VALUE a line, or VARIABLE= to remove it.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>

#include <sys/stat.h>
#include <sstream>

#include "tests/support/BmpBuilder.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TextCase.h"
#include "toolkit/codecs/JpegCodec.h"
#include "toolkit/core/FileIO.h"
#include "toolkit/graphics/Canvas.h"
#include "tools/png/PngCodec.h"

namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

void ReplaceAll(std::string& s, const std::string& from, const std::string& to) {
  for (std::size_t at = 0; (at = s.find(from, at)) != std::string::npos; at += to.size())
    s.replace(at, from.size(), to);
}

std::vector<std::string> MenuLines(bool checked) {
  return {"menu-item Save1 \"保存(&S)...\" Ctrl+S -",
          "menu-item M1 \"メール送信(&M)...\" Ctrl+M -",
          "menu-item N1 \"-\" - -",
          "menu-item D1 \"ぜんぶ消去(&D)\" Del -",
          "menu-item N3 \"-\" - -",
          std::string("menu-item S1 \"常に手前に表示(&T)\" - ") + (checked ? "checked" : "-"),
          "menu-item N5 \"-\" - -",
          "menu-item N4 \"インフォメーション(&I)...\" - -"};
}

// An expected line as a pattern: everything literal but $N and $STAMP.
std::regex Pattern(const std::string& line) {
  std::string out;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line.compare(i, 6, "$STAMP") == 0) {
      out += "[0-9]{12}";
      i += 5;
    } else if (line.compare(i, 2, "$N") == 0) {
      out += "[0-9]+";
      i += 1;
    } else if (std::string("\\^$.|?*+()[]{}").find(line[i]) != std::string::npos) {
      out += '\\';
      out += line[i];
    } else {
      out += line[i];
    }
  }
  return std::regex(out);
}

struct RunResult {
  int exitCode;
  std::string out, err;
};

// The `env` command that gives the driver the surroundings a NAME.env file describes.
std::string EnvironmentCommand(const std::string& settings) {
  std::string command = "env";
  for (const std::string& line : Lines(settings)) {
    const std::size_t equals = line.find('=');
    if (line.empty() || line[0] == '#' || equals == std::string::npos) continue;
    const std::string name = line.substr(0, equals), value = line.substr(equals + 1);
    command += value.empty() ? " -u " + name : " " + name + "='" + value + "'";
  }
  return command + " ";
}

RunResult RunDriver(const std::string& args, const fs::path& work,
                    const std::string& environment = "") {
  const fs::path out = work / "stdout.txt", err = work / "stderr.txt";
  const std::string command = "cd '" + work.string() + "' && XDG_CACHE_HOME='" +
                              (work / "cache").string() + "' " + environment +
                              "'" POTERINKO_SCENARIO "' " + args + " > '" + out.string() +
                              "' 2> '" + err.string() + "'";
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(out), ReadText(err)};
}

// The pictures the scripts drop, made here.
void MakeInputs(const tk::test::TempFolder& folder) {
  auto jpeg = [&](const std::string& name, tk::TColor color) {
    tk::TBitmap b(16, 12);
    b.Canvas().Brush().SetColor(color);
    b.Canvas().FillRect({0, 0, 16, 12});
    tk::WriteFileBytes(folder.Path(name), tk::EncodeJpeg(b, 100));
  };
  jpeg("red.jpg", tk::clRed);
  jpeg("blue.jpg", tk::clBlue);
  fs::copy_file(folder.Path("red.jpg"), folder.Path("red.gif"));
  fs::copy_file(folder.Path("red.jpg"), folder.Path("jpeg-inside.bmp"));
  tk::WriteFileBytes(folder.Path("text.jpg"), std::vector<std::uint8_t>{'h', 'e', 'l', 'l', 'o'});
  fs::create_directories(folder.Path("folder.with dot"));
  fs::copy_file(folder.Path("red.jpg"), folder.Path("folder.with dot/photo"));
  // 2 x 2, 24 bits: black top-left, white elsewhere (the bottom-left white is see-through).
  tk::test::BmpFields f;
  f.width = 2;
  f.height = -2;
  f.pixels = tk::test::PackRows({{0x000000, 0xFFFFFF}, {0xFFFFFF, 0xFFFFFF}}, 24);
  tk::WriteFileBytes(folder.Path("corner.bmp"), tk::test::BuildBmp(f));
  // What a file manager may hand over under a picture's name but is no file to read.
  mkfifo(folder.Path("pipe.bmp").c_str(), 0644);
  fs::create_directories(folder.Path("folder.jpg"));
  fs::create_symlink("/dev/zero", folder.Path("zero.jpg"));
  // A font configuration that knows no fonts at all.
  const std::string noFonts = "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
  tk::WriteFileBytes(folder.Path("no-fonts.conf"),
                     std::vector<std::uint8_t>(noFonts.begin(), noFonts.end()));
}

class ScenarioTest : public ::testing::TestWithParam<std::string> {};

TEST_P(ScenarioTest, LogAndPixelsMatch) {
  const fs::path cases = fs::path(POTERINKO_SCENARIO_CASES);
  const std::string name = GetParam();
  tk::test::TempFolder folder;
  MakeInputs(folder);
  const std::string tmp = folder.Root().string();
  auto expand = [&](std::string text) {
    ReplaceAll(text, "$TMP", tmp);
    ReplaceAll(text, "$INFO", POTERINKO_INFO_BASE);
    return text;
  };
  tk::WriteFileBytes(folder.Path("script.txt"), [&] {
    const std::string s = expand(ReadText(cases / (name + ".script")));
    return std::vector<std::uint8_t>(s.begin(), s.end());
  }());
  const fs::path settings = cases / (name + ".env");
  const RunResult r =
      RunDriver("script.txt", folder.Root(),
                fs::exists(settings) ? EnvironmentCommand(expand(ReadText(settings))) : "");
  EXPECT_EQ(r.exitCode, 0) << r.err;

  std::vector<std::string> expected;
  for (const std::string& line : Lines(expand(ReadText(cases / (name + ".expected"))))) {
    if (line == "$MENU" || line == "$MENU_UNCHECKED") {
      for (const std::string& item : MenuLines(line == "$MENU")) expected.push_back(item);
    } else {
      expected.push_back(line);
    }
  }
  const std::vector<std::string> actual = Lines(r.out);
  ASSERT_EQ(actual.size(), expected.size()) << r.out;
  for (std::size_t i = 0; i < actual.size(); ++i)
    EXPECT_TRUE(std::regex_match(actual[i], Pattern(expected[i])))
        << "line " << i + 1 << "\n  actual:   " << actual[i] << "\n  expected: " << expected[i];

  const fs::path pixels = cases / (name + ".pixels");
  if (!fs::exists(pixels)) return;
  for (const std::string& line : Lines(ReadText(pixels))) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream in(line);
    std::string png, hex, tolerance;
    int x = 0, y = 0;
    in >> png >> x >> y >> hex >> tolerance;
    const int allowed = tolerance.empty() ? 0 : std::stoi(tolerance.substr(1));
    const auto image = png::DecodePng(tk::ReadFileBytes(folder.Path(png)));
    const std::uint32_t actual = image->PixelWord(x, y), wanted = std::stoul(hex, nullptr, 16);
    for (int shift = 0; shift <= 16; shift += 8)
      EXPECT_LE(std::abs(static_cast<int>((actual >> shift) & 0xFF) -
                         static_cast<int>((wanted >> shift) & 0xFF)),
                allowed)
          << png << " at " << x << "," << y << ": " << std::hex << actual << " for " << hex;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, ScenarioTest,
                         ::testing::Values("startup", "drops", "errors", "save", "mail", "window",
                                           "nofonts"));

using tk::test::TextCase;

// A script line, and what the error names it by.
class MalformedScriptTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(MalformedScriptTest, StopsWithExitCodeTwoNamingTheLine) {
  tk::test::TempFolder folder;
  const std::string script = std::string("# a comment\n\nmove 1 1\n") + GetParam().Input + "\n";
  tk::WriteFileBytes(folder.Path("bad.txt"),
                     std::vector<std::uint8_t>(script.begin(), script.end()));
  const RunResult r = RunDriver("bad.txt", folder.Root());
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_NE(r.err.find(std::string("line 4: ") + GetParam().Expected), std::string::npos) << r.err;
  EXPECT_EQ(r.out, "");  // nothing ran
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MalformedScriptTest,
    ::testing::Values(TextCase{"jump 1 2", "unknown command jump"},
                      TextCase{"move 1", "move takes 2 arguments"},
                      TextCase{"move 1 x", "move: a whole number expected"},
                      TextCase{"down leftish 1 2", "button must be"},
                      TextCase{"key ctrl+banana", "unknown key"},
                      TextCase{"answer confirm maybe", "answer confirm takes yes, no or esc"},
                      TextCase{"drop 1 2", "drop takes at least 3 arguments"},
                      TextCase{"shot \"a.png", "unterminated quoted argument"},
                      TextCase{"set Form1 3", "set takes NAME.PROPERTY VALUE"}));

TEST(ScenarioRuntimeTest, UnknownComponentStopsTheRunAfterWhatRan) {
  tk::test::TempFolder folder;
  const std::string script = "rclick 5 5\nset Nothing1.Left 3\nclose\n";
  tk::WriteFileBytes(folder.Path("s.txt"), std::vector<std::uint8_t>(script.begin(), script.end()));
  const RunResult r = RunDriver("s.txt", folder.Root());
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_NE(r.err.find("line 2: no component named Nothing1"), std::string::npos) << r.err;
  EXPECT_EQ(r.out.rfind("menu-open 5 5", 0), 0u);
}

}  // namespace
