#include <glib.h>
#include <glib/gstdio.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/gtk/MailHandOff.h"

namespace gtkui {
namespace {

tk::TMailRequest BoardMail() {
  tk::TMailRequest request;
  request.Subject = "(添付画像あり)";
  request.AttachmentPath = "/home/u/.cache/poterinko/202401021304.jpg";
  return request;
}

TEST(MailCommandLineTest, PassesSubjectAndTheAttachment) {
  EXPECT_EQ(MailCommandLine(BoardMail()),
            (std::vector<std::string>{"xdg-email", "--utf8", "--subject", "(添付画像あり)",
                                      "--attach", "/home/u/.cache/poterinko/202401021304.jpg"}));
}

// A stand-in `xdg-email` first on PATH: it writes down its arguments, one a line, and exits
// with the status the test chose.
class MailHandOffTest : public ::testing::Test {
 protected:
  MailHandOffTest() {
    FFolder = g_dir_make_tmp("poterinko-mail-XXXXXX", nullptr);
    const char* path = std::getenv("PATH");
    FOldPath = path ? path : "";
    g_setenv("PATH", FFolder, TRUE);
  }
  ~MailHandOffTest() override {
    g_setenv("PATH", FOldPath.c_str(), TRUE);
    g_remove(Script().c_str());
    g_remove(Log().c_str());
    g_rmdir(FFolder);
    g_free(FFolder);
  }
  std::string Script() const { return std::string(FFolder) + "/xdg-email"; }
  std::string Log() const { return std::string(FFolder) + "/args"; }
  void InstallStandIn(int exitStatus) {
    std::ofstream(Script()) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '"
                            << Log() << "'\nexit " << exitStatus << "\n";
    g_chmod(Script().c_str(), 0755);
  }
  std::string LoggedArguments() const {
    std::ifstream in(Log());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

 private:
  gchar* FFolder = nullptr;
  std::string FOldPath;
};

TEST_F(MailHandOffTest, SuccessIsExitStatusZero) {
  InstallStandIn(0);
  EXPECT_EQ(HandMailToDesktop(BoardMail()), 0u);
  EXPECT_EQ(
      LoggedArguments(),
      "--utf8\n--subject\n(添付画像あり)\n--attach\n/home/u/.cache/poterinko/202401021304.jpg\n");
}

TEST_F(MailHandOffTest, ANonZeroExitIsAFailure) {
  InstallStandIn(3);
  EXPECT_EQ(HandMailToDesktop(BoardMail()), 1u);
}

TEST_F(MailHandOffTest, AMissingMailCommandIsAFailure) {
  EXPECT_EQ(HandMailToDesktop(BoardMail()), 1u);
}

TEST_F(MailHandOffTest, NoShellReadsTheArguments) {
  InstallStandIn(0);
  tk::TMailRequest request = BoardMail();
  request.Subject = "$(touch pwned) `x` ; 'q\" *";
  EXPECT_EQ(HandMailToDesktop(request), 0u);
  EXPECT_NE(LoggedArguments().find("--subject\n$(touch pwned) `x` ; 'q\" *\n"), std::string::npos);
}

}  // namespace
}  // namespace gtkui
