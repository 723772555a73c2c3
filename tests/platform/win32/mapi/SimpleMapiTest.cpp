// The Simple MAPI loading rule against a fake system that records every call.

#include <gtest/gtest.h>

#include "platform/win32/mapi/SimpleMapi.h"

namespace win32ui {
namespace {

class FakeSystem : public ISimpleMapiSystem {
 public:
  // What the fake system is like.
  std::uint32_t major = 10, minor = 0;
  bool keyExists = true;
  std::string value = std::string("1\0", 2);  // as stored, terminator included
  int profileMapi = 0;
  bool libraryLoads = true;
  int lookUpsFailing = 0;  // the first n look-ups fail
  std::uint32_t sendResult = 0;

  std::vector<std::string> calls;
  TMapiMessage sent{};
  std::uintptr_t sentUiParam = 0;
  std::uint32_t sentFlags = 0;
  std::string subject, note, name, address, pathName;
  bool fileNameNull = false, noteNotNull = false;

  bool GetVersionEx(std::uint32_t& ma, std::uint32_t& mi) override {
    calls.push_back("GetVersionEx");
    ma = major;
    mi = minor;
    return true;
  }
  long RegOpenKeyEx(const std::string& subKey, Handle& key) override {
    calls.push_back("RegOpenKeyEx " + subKey);
    key = 77;
    return keyExists ? 0 : 2;
  }
  long RegQueryValueEx(Handle key, const std::string& n, std::string& data,
                       std::uint32_t size) override {
    calls.push_back("RegQueryValueEx " + n + " " + std::to_string(size));
    if (value.size() > size) return 234;  // ERROR_MORE_DATA
    data = value;
    return 0;
  }
  long RegCloseKey(Handle) override {
    calls.push_back("RegCloseKey");
    return 0;
  }
  int GetProfileInt(const std::string& section, const std::string& key, int def) override {
    calls.push_back("GetProfileInt " + section + " " + key + " " + std::to_string(def));
    return profileMapi;
  }
  Handle LoadLibrary(const std::string& n) override {
    calls.push_back("LoadLibrary " + n);
    return libraryLoads ? 1234 : 0;
  }
  void* GetProcAddress(Handle module, const std::string& n) override {
    calls.push_back("GetProcAddress " + std::to_string(module) + " " + n);
    if (lookUpsFailing > 0) {
      --lookUpsFailing;
      return nullptr;
    }
    return this;
  }
  bool FreeLibrary(Handle module) override {
    calls.push_back("FreeLibrary " + std::to_string(module));
    return true;
  }
  std::uint32_t CallSendMail(void* entry, std::uintptr_t session, std::uintptr_t uiParam,
                             TMapiMessage& m, std::uint32_t flags,
                             std::uint32_t reserved) override {
    calls.push_back("MAPISendMail");
    EXPECT_EQ(entry, this);
    EXPECT_EQ(session, 0u);
    EXPECT_EQ(reserved, 0u);
    sentUiParam = uiParam;
    sentFlags = flags;
    sent = m;
    subject = m.lpszSubject;
    note = m.lpszNoteText;
    noteNotNull = m.lpszNoteText != nullptr;
    name = m.lpRecips->lpszName;
    address = m.lpRecips->lpszAddress;
    pathName = m.lpFiles->lpszPathName;
    fileNameNull = m.lpFiles->lpszFileName == nullptr;
    return sendResult;
  }
  std::string ToAnsi(const std::string& utf8) override { return utf8; }
  std::uintptr_t UiParent() override { return 4242; }
};

tk::TMailRequest Request() {
  tk::TMailRequest r;
  r.Subject = "(添付画像あり)";
  r.RecipientClass = tk::TRecipientClass::kTo;
  // As the program writes it: the folder from the system, the name joined with '/'.
  r.AttachmentPath = "C:\\apps/202612081530.jpg";
  return r;
}

const std::string kKey = "RegOpenKeyEx SOFTWARE\\Microsoft\\Windows Messaging Subsystem";

TEST(SimpleMapiTest, NewSystemWithTheValueOneSendsTheThreeRecords) {
  FakeSystem system;
  {
    TSimpleMapi mapi(system);
    EXPECT_EQ(mapi.Send(Request()), 0u);
    EXPECT_EQ(system.calls,
              (std::vector<std::string>{"GetVersionEx", kKey, "RegQueryValueEx MAPI 9",
                                        "RegCloseKey", "LoadLibrary MAPI32.DLL",
                                        "GetProcAddress 1234 MAPISendMail", "MAPISendMail"}));
    EXPECT_EQ(system.sentUiParam, 4242u);
    EXPECT_EQ(system.sentFlags, 11u);
    const TMapiMessage& m = system.sent;
    EXPECT_EQ(m.ulReserved, 0u);
    EXPECT_EQ(system.subject, "(添付画像あり)");
    EXPECT_TRUE(system.noteNotNull);
    EXPECT_EQ(system.note, "");
    EXPECT_EQ(m.lpszMessageType, nullptr);
    EXPECT_EQ(m.lpszDateReceived, nullptr);
    EXPECT_EQ(m.lpszConversationID, nullptr);
    EXPECT_EQ(m.flFlags, 0u);
    EXPECT_EQ(m.lpOriginator, nullptr);
    EXPECT_EQ(m.nRecipCount, 1u);
    EXPECT_EQ(m.nFileCount, 1u);
    EXPECT_EQ(system.name, "");
    EXPECT_EQ(system.address, "");
    EXPECT_EQ(system.pathName, "C:\\apps\\202612081530.jpg");
    EXPECT_TRUE(system.fileNameNull);
    system.calls.clear();
  }
  // Released when the program ends.
  EXPECT_EQ(system.calls, (std::vector<std::string>{"FreeLibrary 1234"}));
}

struct RuleCase {
  const char* what;
  std::uint32_t major, minor;
  bool keyExists;
  std::string value;
  int profile;
  bool loads;  // MAPI32.DLL is asked for
};

void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.what; }

class LoadingRuleTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(LoadingRuleTest, LoadsOnlyWhenInstalled) {
  const RuleCase& c = GetParam();
  FakeSystem system;
  system.major = c.major;
  system.minor = c.minor;
  system.keyExists = c.keyExists;
  system.value = c.value;
  system.profileMapi = c.profile;
  TSimpleMapi mapi(system);
  const unsigned result = mapi.Send(Request());
  const bool loaded = std::find(system.calls.begin(), system.calls.end(),
                                "LoadLibrary MAPI32.DLL") != system.calls.end();
  EXPECT_EQ(loaded, c.loads);
  EXPECT_EQ(result, c.loads ? 0u : 1u);
  const bool newSystem = c.major > 3 || (c.major == 3 && c.minor > 51);
  const bool readRegistry =
      std::find(system.calls.begin(), system.calls.end(), kKey) != system.calls.end();
  const bool readProfile = std::find(system.calls.begin(), system.calls.end(),
                                     "GetProfileInt Mail MAPI 0") != system.calls.end();
  EXPECT_EQ(readRegistry, newSystem);
  EXPECT_EQ(readProfile, !newSystem);
}

const std::string kOne("1\0", 2);

INSTANTIATE_TEST_SUITE_P(
    Systems, LoadingRuleTest,
    ::testing::Values(RuleCase{"NT4 with MAPI=1", 4, 0, true, kOne, 0, true},
                      RuleCase{"3.51 is old: profile", 3, 51, true, kOne, 0, false},
                      RuleCase{"3.51 with the profile set", 3, 51, true, kOne, 1, true},
                      RuleCase{"3.52 is new", 3, 52, true, kOne, 0, true},
                      RuleCase{"old with profile 2", 3, 10, false, "", 2, true},
                      RuleCase{"missing key", 10, 0, false, kOne, 1, false},
                      RuleCase{"value 0", 10, 0, true, std::string("0\0", 2), 1, false},
                      RuleCase{"value 10", 10, 0, true, std::string("10\0", 3), 1, false},
                      RuleCase{"value too long", 10, 0, true, std::string("1234567890\0", 11), 1,
                               false},
                      RuleCase{"value without terminator", 10, 0, true, "1", 1, false}));

TEST(SimpleMapiTest, FailedLoadAndMissingEntryPointReturnOneWithoutCalling) {
  FakeSystem system;
  system.libraryLoads = false;
  TSimpleMapi mapi(system);
  EXPECT_EQ(mapi.Send(Request()), 1u);
  EXPECT_EQ(std::count(system.calls.begin(), system.calls.end(), "MAPISendMail"), 0);
  EXPECT_EQ(mapi.Module(), 0u);
}

TEST(SimpleMapiTest, LookUpIsRetriedOnEverySendUntilItSucceeds) {
  FakeSystem system;
  system.lookUpsFailing = 1;
  TSimpleMapi mapi(system);
  EXPECT_EQ(mapi.Send(Request()), 1u);
  system.sendResult = 5;
  EXPECT_EQ(mapi.Send(Request()), 5u);  // found now, and the mail program's code comes back
  EXPECT_EQ(mapi.Send(Request()), 5u);
  EXPECT_EQ(
      std::count(system.calls.begin(), system.calls.end(), "GetProcAddress 1234 MAPISendMail"), 2);
  EXPECT_EQ(std::count(system.calls.begin(), system.calls.end(), "LoadLibrary MAPI32.DLL"), 1);
}

TEST(SimpleMapiTest, TheTestRunsOncePerRunWhateverItFound) {
  FakeSystem system;
  system.keyExists = false;
  TSimpleMapi mapi(system);
  EXPECT_EQ(mapi.Send(Request()), 1u);
  system.keyExists = true;  // a mail program set up meanwhile is not seen
  EXPECT_EQ(mapi.Send(Request()), 1u);
  EXPECT_EQ(std::count(system.calls.begin(), system.calls.end(), "GetVersionEx"), 1);
  EXPECT_EQ(std::count(system.calls.begin(), system.calls.end(), kKey), 1);
  EXPECT_TRUE(mapi.Tried());
}

}  // namespace
}  // namespace win32ui
