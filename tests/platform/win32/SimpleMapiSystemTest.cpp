// The Simple MAPI rule's system calls, made for real: the version record, the registry, the
// profile, the library, and the call through a __stdcall entry point with the records intact.

#include <gtest/gtest.h>

#include "platform/win32/SimpleMapiSystem.h"

namespace win32ui {
namespace {

struct Received {
  std::uintptr_t session = 99, uiParam = 0;
  const TMapiMessage* message = nullptr;
  std::uint32_t flags = 0, reserved = 99;
  std::string subject, path;
  std::uint32_t position = 0, recipClass = 0;
} received;

// Stands in for MAPISendMail: the system's calling convention, the callee pops the arguments.
std::uint32_t __stdcall FakeSendMail(std::uintptr_t session, std::uintptr_t uiParam,
                                     TMapiMessage* message, std::uint32_t flags,
                                     std::uint32_t reserved) {
  received.session = session;
  received.uiParam = uiParam;
  received.message = message;
  received.flags = flags;
  received.reserved = reserved;
  received.subject = message->lpszSubject;
  received.path = message->lpFiles[0].lpszPathName;
  received.position = message->lpFiles[0].nPosition;
  received.recipClass = message->lpRecips[0].ulRecipClass;
  return 26;
}

class Win32SimpleMapiSystem : public testing::Test {
 protected:
  std::unique_ptr<ISimpleMapiSystem> system = CreateWin32SimpleMapiSystem(0x1234);
};

TEST_F(Win32SimpleMapiSystem, TheVersionIsAfterThreeFiftyOne) {
  std::uint32_t major = 0, minor = 0;
  ASSERT_TRUE(system->GetVersionEx(major, minor));
  EXPECT_GE(major, 4u);
}

TEST_F(Win32SimpleMapiSystem, ReadsAValueIntoABufferOfTheGivenSize) {
  ISimpleMapiSystem::Handle key = 0;
  ASSERT_EQ(system->RegOpenKeyEx("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", key), 0);
  std::string value;
  // "CurrentVersion" is a short text ("6.1"), terminator included.
  EXPECT_EQ(system->RegQueryValueEx(key, "CurrentVersion", value, 9), 0);
  ASSERT_FALSE(value.empty());
  EXPECT_EQ(value.back(), '\0');
  // A longer value does not fit 9 bytes: ERROR_MORE_DATA, nothing read.
  std::string product;
  EXPECT_EQ(system->RegQueryValueEx(key, "ProductName", product, 9), 234);
  EXPECT_TRUE(product.empty());
  EXPECT_EQ(system->RegCloseKey(key), 0);
  EXPECT_NE(system->RegOpenKeyEx("SOFTWARE\\No Such Key Of Poterinko", key), 0);
}

TEST_F(Win32SimpleMapiSystem, ProfileIntGivesTheDefaultForAMissingKey) {
  EXPECT_EQ(system->GetProfileInt("Poterinko Test", "MAPI", 7), 7);
}

TEST_F(Win32SimpleMapiSystem, LoadsAndReleasesALibraryAndFindsItsEntryPoint) {
  const ISimpleMapiSystem::Handle module = system->LoadLibrary("KERNEL32.DLL");
  ASSERT_NE(module, 0u);
  EXPECT_NE(system->GetProcAddress(module, "GetVersionExA"), nullptr);
  EXPECT_EQ(system->GetProcAddress(module, "NoSuchEntryPoint"), nullptr);
  EXPECT_TRUE(system->FreeLibrary(module));
  EXPECT_EQ(system->LoadLibrary("NO-SUCH-LIBRARY.DLL"), 0u);
}

TEST_F(Win32SimpleMapiSystem, CallsTheEntryPointWithEveryArgumentInPlace) {
  TMapiRecipDesc recipient{0, MAPI_TO, const_cast<char*>(""), const_cast<char*>(""), 0, nullptr};
  TMapiFileDesc file{0,       0,      0xFFFFFFFFu, const_cast<char*>("C:\\p\\202401021504.jpg"),
                     nullptr, nullptr};
  TMapiMessage message{0,
                       const_cast<char*>("subject"),
                       const_cast<char*>(""),
                       nullptr,
                       nullptr,
                       nullptr,
                       0,
                       nullptr,
                       1,
                       &recipient,
                       1,
                       &file};
  const std::uint32_t result = system->CallSendMail(reinterpret_cast<void*>(&FakeSendMail), 0,
                                                    system->UiParent(), message, 11, 0);
  EXPECT_EQ(result, 26u);
  EXPECT_EQ(received.session, 0u);
  EXPECT_EQ(received.uiParam, 0x1234u);
  EXPECT_EQ(received.message, &message);
  EXPECT_EQ(received.flags, 11u);
  EXPECT_EQ(received.reserved, 0u);
  EXPECT_EQ(received.subject, "subject");
  EXPECT_EQ(received.path, "C:\\p\\202401021504.jpg");
  EXPECT_EQ(received.position, 0xFFFFFFFFu);
  EXPECT_EQ(received.recipClass, 1u);
}

TEST_F(Win32SimpleMapiSystem, TextsGoOutInTheAnsiCodePage) {
  EXPECT_EQ(system->ToAnsi("(abc)"), "(abc)");
  EXPECT_EQ(system->ToAnsi(""), "");
}

}  // namespace
}  // namespace win32ui
