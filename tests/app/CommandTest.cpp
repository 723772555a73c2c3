// The popup commands on the real board: save, mail, stay on top, information page.

#include <filesystem>
#include <functional>

#include "app/mail/TimeStamp.h"
#include "tests/app/BoardFixture.h"
#include "tests/support/Environment.h"
#include "toolkit/codecs/JpegCodec.h"
#include "toolkit/core/FileIO.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace app::test {
namespace {

namespace fs = std::filesystem;

// Windows keeps the mail attachment in the program folder and deletes it after the call; the
// mail cases below describe the cache folder used everywhere else.
#ifdef _WIN32
constexpr bool kAttachmentInCacheFolder = false;
#else
constexpr bool kAttachmentInCacheFolder = true;
#endif

class CommandTest : public BoardTest {
 protected:
  CommandTest() { tk::test::SetEnvironment("XDG_CACHE_HOME", folder.Path("cache").c_str()); }
  ~CommandTest() override { tk::test::UnsetEnvironment("XDG_CACHE_HOME"); }

  void Choose(const std::string& item) {
    platform.QueueMenuChoice(item);
    platform.Deliver([](tk::TForm& f) { f.PopupAt({300, 300}); });
  }
  tk::TJpegDecoded Decode(const std::string& path) {
    return tk::DecodeJpeg(tk::ReadFileBytes(path));
  }
  std::vector<std::string> Outward() const {
    std::vector<std::string> out;
    for (const auto& l : platform.Lines())
      if (l.rfind("menu-", 0) != 0) out.push_back(l);
    return out;
  }
  std::string Quoted(const std::string& s) { return headless::Quote(s); }
  static constexpr const char* kFilter =
      "filter=\"JPEG ファイル (*.jpg;*.jpeg)|*.jpg;*.jpeg\" defext=\"jpg\"";
};

TEST_F(CommandTest, SaveWritesTheBoardAsShownWithoutAnyDialog) {
  const std::string path = folder.Path("board.jpg");
  platform.QueueSaveAnswer(path);
  Choose("Save1");
  ASSERT_TRUE(fs::exists(path));
  const tk::TJpegDecoded jpeg = Decode(path);
  EXPECT_EQ(jpeg.ImageWidth, 652);
  EXPECT_EQ(jpeg.ImageHeight, 593);
  // Within JPEG tolerance of the window's own pixels, everywhere.
  long long totalError = 0;
  int worst = 0;
  for (int y = 0; y < 593; ++y)
    for (int x = 0; x < 652; ++x) {
      const std::uint32_t a = jpeg.Bitmap->PixelWord(x, y), b = Pixel(x, y);
      for (int s = 0; s <= 16; s += 8) {
        const int d =
            std::abs(static_cast<int>((a >> s) & 0xFF) - static_cast<int>((b >> s) & 0xFF));
        totalError += d;
        worst = std::max(worst, d);
      }
    }
  EXPECT_LT(static_cast<double>(totalError) / (652.0 * 593 * 3), 2.0);
  EXPECT_LT(worst, 160);
  EXPECT_EQ(Outward(),
            (std::vector<std::string>{
                std::string("save-dialog ") + kFilter + " -> " + path,
                "file-written " + Quoted(path) + " bytes=" + std::to_string(fs::file_size(path))}));
}

TEST_F(CommandTest, NameWithoutExtensionGetsJpg) {
  platform.QueueSaveAnswer(folder.Path("plain"));
  platform.PressKey('S', tk::ssCtrl, 0);
  EXPECT_TRUE(fs::exists(folder.Path("plain.jpg")));
}

class OverwriteTest : public CommandTest,
                      public ::testing::WithParamInterface<headless::TConfirmAnswer> {};

TEST_P(OverwriteTest, AsksFirstAndOnlyYesReplaces) {
  const std::string path = folder.Path("old.jpg");
  tk::WriteFileBytes(path, std::vector<std::uint8_t>{'o', 'l', 'd'});
  platform.QueueSaveAnswer(path);
  platform.QueueConfirmAnswer(GetParam());
  Choose("Save1");
  const auto confirms = LinesStartingWith("confirm");
  ASSERT_EQ(confirms.size(), 1u);
  EXPECT_EQ(
      confirms[0].substr(0, confirms[0].find(" -> ")),
      "confirm caption=\"確認\" text=" + Quoted(path + " は既に存在します。\n上書きしますか？"));
  const bool replaced = GetParam() == headless::TConfirmAnswer::kYes;
  EXPECT_EQ(fs::file_size(path) > 3, replaced);
  EXPECT_EQ(LinesStartingWith("file-written").size(), replaced ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Answers, OverwriteTest,
                         ::testing::Values(headless::TConfirmAnswer::kYes,
                                           headless::TConfirmAnswer::kNo,
                                           headless::TConfirmAnswer::kEscape));

TEST_F(CommandTest, CancelWritesNothingButRefreshesTheSnapshot) {
  Choose("Save1");  // no answer queued: cancelled
  ASSERT_NE(board->Image0->Picture().Graphic(), nullptr);
  tk::TBitmap& snapshot = board->Image0->Picture().Bitmap();
  EXPECT_EQ(snapshot.Width(), 652);
  EXPECT_EQ(snapshot.Height(), 593);
  EXPECT_EQ(snapshot.PixelWord(0, 0) & 0xFFFFFF, 0u);  // the window frame
  EXPECT_TRUE(LinesStartingWith("file-written").empty());
  // The second snapshot reuses the bitmap.
  Choose("Save1");
  EXPECT_EQ(&board->Image0->Picture().Bitmap(), &snapshot);
}

TEST_F(CommandTest, UnwritablePathShowsTheCreateErrorOnceAndGoesOn) {
  tk::WriteFileBytes(folder.Path("file"), std::vector<std::uint8_t>{1});
  const std::string path = folder.Path("file") + "/sub.jpg";  // a file where a folder should be
  platform.QueueSaveAnswer(path);
  Choose("Save1");
  EXPECT_EQ(LinesStartingWith("error"),
            (std::vector<std::string>{"error caption=\"ぽてりんこ\" text=" +
                                      Quoted("ファイル " + path + " を作成できません.")}));
  platform.QueueSaveAnswer(folder.Path("fine.jpg"));
  Choose("Save1");
  EXPECT_TRUE(fs::exists(folder.Path("fine.jpg")));
}

TEST_F(CommandTest, MailHandsTheBoardOverAndKeepsTheAttachmentForTheMailProgram) {
  if (!kAttachmentInCacheFolder) GTEST_SKIP() << "Windows: attachment in the program folder";
  const std::time_t now = platform.CurrentTime();
  Choose("M1");
  const std::string stamp = FormatTimeStamp(now);
  const std::string path = folder.Path("cache") + "/poterinko/" + stamp + ".jpg";
  EXPECT_EQ(
      Outward(),
      (std::vector<std::string>{
          "file-written " + Quoted(path) + " bytes=" + std::to_string(fs::file_size(path)),
          "mail subject=\"(添付画像あり)\" note=\"\" to=\"\" address=\"\" class=1 attachment=" +
              Quoted(path) + " jpeg=652x593 -> 0"}));
}

TEST_F(CommandTest, MailFailureBeepsTellsTheUserAndDeletesTheAttachment) {
  if (!kAttachmentInCacheFolder) GTEST_SKIP() << "Windows: attachment in the program folder";
  const std::string path =
      folder.Path("cache") + "/poterinko/" + FormatTimeStamp(platform.CurrentTime()) + ".jpg";
  platform.QueueMailResult(2);
  platform.PressKey('M', tk::ssCtrl, 0);
  const std::vector<std::string> out = Outward();
  ASSERT_EQ(out.size(), 5u);
  EXPECT_EQ(out[2], "beep");
  EXPECT_EQ(
      out[3],
      "notice caption=\"ぽてりんこ\" "
      "text=\"お使いのメーラーを｢通常使うメールソフト(規定のプログラム)｣に設定してください。\"");
  EXPECT_EQ(out[4], "file-removed " + Quoted(path));
  EXPECT_FALSE(fs::exists(path));
}

TEST_F(CommandTest, MailRemovesOnlyAttachmentsOlderThanADay) {
  if (!kAttachmentInCacheFolder) GTEST_SKIP() << "Windows: attachment in the program folder";
  const std::string cache = folder.Path("cache") + "/poterinko";
  fs::create_directories(cache);
  const auto now = fs::file_time_type::clock::now();
  auto make = [&](const std::string& name, std::chrono::hours age) {
    tk::WriteFileBytes(cache + "/" + name, std::vector<std::uint8_t>{1});
    fs::last_write_time(cache + "/" + name, now - age);
  };
  make("201001010000.jpg", std::chrono::hours(48));
  make("201001010001.jpg", std::chrono::hours(1));
  make("notes.jpg", std::chrono::hours(48));
  Choose("M1");
  EXPECT_FALSE(fs::exists(cache + "/201001010000.jpg"));
  EXPECT_TRUE(fs::exists(cache + "/201001010001.jpg"));
  EXPECT_TRUE(fs::exists(cache + "/notes.jpg"));
  EXPECT_EQ(LinesStartingWith("file-removed"),
            (std::vector<std::string>{"file-removed " + Quoted(cache + "/201001010000.jpg")}));
}

#ifndef _WIN32
mode_t ModeOf(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Each case prepares the surroundings of the attachment folder in the cache folder the test
// names (false: not possible here) and gives the folder of the refused file ($C: the cache
// folder), or "" when the mail must go out.
struct AttachmentFolderCase {
  const char* label;
  std::function<bool(const std::string& cache)> prepare;
  const char* refusedPath;
};

void PrintTo(const AttachmentFolderCase& c, std::ostream* os) { *os << c.label; }

class AttachmentFolderTest : public CommandTest,
                             public testing::WithParamInterface<AttachmentFolderCase> {};

TEST_P(AttachmentFolderTest, OnlyAPrivateFolderOfOursTakesTheAttachment) {
  const AttachmentFolderCase& c = GetParam();
  const std::string cache = folder.Path("cache"), own = cache + "/poterinko";
  if (c.prepare && !c.prepare(cache)) GTEST_SKIP() << "only the superuser can do this here";
  const std::string stamp = FormatTimeStamp(platform.CurrentTime());
  Choose("M1");
  if (*c.refusedPath == '\0') {
    EXPECT_EQ(ModeOf(own), 0700u);
    EXPECT_EQ(ModeOf(own + "/" + stamp + ".jpg"), 0600u);
    EXPECT_EQ(LinesStartingWith("mail").size(), 1u);
    return;
  }
  std::string refused = c.refusedPath;
  if (refused.rfind("$C", 0) == 0) refused = cache + refused.substr(2);
  EXPECT_EQ(
      Outward(),
      (std::vector<std::string>{"error caption=\"ぽてりんこ\" text=" +
                                Quoted("ファイル " + refused + stamp + ".jpg を作成できません.")}));
}

void MakeFolder(const std::string& path, fs::perms perms) {
  fs::create_directories(path);
  fs::permissions(path, perms);
}

INSTANTIATE_TEST_SUITE_P(
    Surroundings, AttachmentFolderTest,
    testing::Values(AttachmentFolderCase{"made for the owner alone", nullptr, ""},
                    AttachmentFolderCase{"ours but open to all: tightened",
                                         [](const std::string& cache) {
                                           MakeFolder(cache + "/poterinko", fs::perms::all);
                                           return true;
                                         },
                                         ""},
                    AttachmentFolderCase{"a symbolic link",
                                         [](const std::string& cache) {
                                           MakeFolder(cache + "/elsewhere", fs::perms::owner_all);
                                           fs::create_symlink("elsewhere", cache + "/poterinko");
                                           return true;
                                         },
                                         "$C/poterinko/"},
                    AttachmentFolderCase{"another user's",
                                         [](const std::string& cache) {
                                           MakeFolder(cache + "/poterinko", fs::perms::owner_all);
                                           return chown((cache + "/poterinko").c_str(), 4321,
                                                        4321) == 0;
                                         },
                                         "$C/poterinko/"},
                    AttachmentFolderCase{"a file where the cache folder should be",
                                         [](const std::string& cache) {
                                           tk::WriteFileBytes(cache, std::vector<std::uint8_t>{1});
                                           return true;
                                         },
                                         "$C/poterinko/"}),
    [](const auto& info) { return std::to_string(info.index); });
#endif

#ifdef _WIN32
// Windows: the attachment goes to the program folder and is deleted as soon as the mail program
// returns. The headless mail line tells what the mail program found at the moment of the call.
class WindowsMailTest : public CommandTest {
 protected:
  WindowsMailTest() { platform.SetProgramPath(folder.Path("poterinko.exe")); }

  std::string Stamp() const { return FormatTimeStamp(platform.CurrentTime()); }
  // The program's folder as it finds it from its own path, then '/' and the stamp.
  std::string Attachment() const { return folder.Root().string() + "/" + Stamp() + ".jpg"; }
  std::string MailLine(unsigned code) const {
    return "mail subject=\"(添付画像あり)\" note=\"\" to=\"\" address=\"\" class=1 attachment=" +
           headless::Quote(Attachment()) + " jpeg=652x593 -> " + std::to_string(code);
  }
};

TEST_F(WindowsMailTest, TheAttachmentIsInTheProgramFolderDuringTheSendAndGoneAfter) {
  Choose("M1");
  EXPECT_FALSE(fs::exists(Attachment()));
  const std::vector<std::string> out = Outward();
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[0].rfind("file-written " + Quoted(Attachment()), 0), 0u);
  EXPECT_EQ(out[1], MailLine(0));
  EXPECT_EQ(out[2], "file-removed " + Quoted(Attachment()));
}

TEST_F(WindowsMailTest, AFailedSendBeepsTellsTheUserAndStillDeletes) {
  platform.QueueMailResult(2);
  platform.PressKey('M', tk::ssCtrl, 0);
  EXPECT_FALSE(fs::exists(Attachment()));
  const std::vector<std::string> out = Outward();
  ASSERT_EQ(out.size(), 5u);
  EXPECT_EQ(out[1], MailLine(2));
  EXPECT_EQ(out[2], "beep");
  EXPECT_EQ(
      out[3],
      "notice caption=\"ぽてりんこ\" "
      "text=\"お使いのメーラーを｢通常使うメールソフト(規定のプログラム)｣に設定してください。\"");
  EXPECT_EQ(out[4], "file-removed " + Quoted(Attachment()));
}

TEST_F(WindowsMailTest, AFileUnderTheStampsNameIsOverwrittenThenDeleted) {
  tk::WriteFileBytes(Attachment(), std::vector<std::uint8_t>{'o', 'l', 'd'});
  Choose("M1");
  EXPECT_FALSE(fs::exists(Attachment()));
  // A second mail in the same minute uses the same name and cleans up after itself too.
  Choose("M1");
  EXPECT_EQ(LinesStartingWith("mail "), (std::vector<std::string>{MailLine(0), MailLine(0)}));
  EXPECT_FALSE(fs::exists(Attachment()));
}
#endif

TEST_F(CommandTest, StayOnTopTogglesCheckAndStackingAndDropsStillWork) {
  Choose("S1");
  EXPECT_FALSE(board->S1->Checked());
  EXPECT_EQ(board->FormStyle(), tk::TFormStyle::fsNormal);
  Choose("S1");
  EXPECT_TRUE(board->S1->Checked());
  EXPECT_EQ(board->FormStyle(), tk::TFormStyle::fsStayOnTop);
  EXPECT_EQ(LinesStartingWith("topmost"), (std::vector<std::string>{"topmost off", "topmost on"}));
  platform.MoveMouse(CellCentre(4));
  tk::TBitmap b(2, 2);
  const std::string path = folder.Path("x.jpg");
  tk::WriteFileBytes(path, tk::EncodeJpeg(b, 80));
  platform.DropFiles({0, 0}, {path});
  EXPECT_NE(board->PhotoLayer(4).Picture().Graphic(), nullptr);
}

TEST_F(CommandTest, InformationPageNamesTheProgram) {
  platform.SetProgramPath("/opt/my.board/timetable");
  Choose("N4");
  platform.SetProgramPath("C:\\Program Files\\my.board.exe");
  Choose("N4");
  EXPECT_EQ(
      LinesStartingWith("open-url"),
      (std::vector<std::string>{"open-url \"" POTERINKO_INFO_BASE "/info.php?pf=w&sn=timetable\"",
                                "open-url \"" POTERINKO_INFO_BASE "/info.php?pf=w&sn=my.board\""}));
}

}  // namespace
}  // namespace app::test
