// A backend's roles are installed by what the backend class implements, and only those.

#include <gtest/gtest.h>

#include "toolkit/platform/Platform.h"

namespace tk {
namespace {

class ClockOnly : public IClock {
 public:
  std::time_t CurrentTime() const override { return 42; }
  TimerId StartTimer(unsigned, std::function<void()>) override { return 7; }
  void StopTimer(TimerId) override {}
};

class ShellAndClock : public IShell, public ClockOnly {
 public:
  std::string ProgramPath() const override { return "/opt/poterinko"; }
  void OpenUrl(const std::string&) override {}
  unsigned SendMail(const TMailRequest&) override { return 0; }
  TAttachmentReading AttachmentReading() const override { return TAttachmentReading::kLater; }
};

class PlatformRolesTest : public ::testing::Test {
 protected:
  ~PlatformRolesTest() override { SetPlatform(nullptr); }
};

using PlatformRolesDeathTest = PlatformRolesTest;

TEST_F(PlatformRolesTest, EachRoleTheBackendPlaysIsInstalled) {
  ShellAndClock backend;
  SetPlatform(&backend);
  EXPECT_EQ(&Shell(), static_cast<IShell*>(&backend));
  EXPECT_EQ(&Clock(), static_cast<IClock*>(&backend));
  EXPECT_EQ(Clock().CurrentTime(), 42);
}

TEST_F(PlatformRolesDeathTest, ARoleTheBackendLacksStopsTheProgramWithAMessage) {
  ClockOnly backend;
  SetPlatform(&backend);
  EXPECT_DEATH(Shell(), "no backend with a shell");
  EXPECT_DEATH(WindowSystem(), "no backend with a window system");
  EXPECT_DEATH(SystemDialogs(), "no backend with the system's dialogs");
  SetPlatform(nullptr);
  EXPECT_DEATH(Clock(), "no backend with a clock");
}

}  // namespace
}  // namespace tk
