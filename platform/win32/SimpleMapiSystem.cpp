#include "platform/win32/SimpleMapiSystem.h"

#include <cstddef>

#include "platform/win32/WinText.h"

#include <windows.h>

#include <mapi.h>

// The interface names its calls after the system's; the header's A/W macros of the same names
// would rename them here.
#undef GetVersionEx
#undef RegOpenKeyEx
#undef RegQueryValueEx
#undef GetProfileInt
#undef LoadLibrary

namespace win32ui {

// Our records must be the system's, field for field, on the 32-bit system the program is for.
static_assert(sizeof(TMapiRecipDesc) == sizeof(MapiRecipDesc));
static_assert(offsetof(TMapiRecipDesc, ulRecipClass) == offsetof(MapiRecipDesc, ulRecipClass));
static_assert(offsetof(TMapiRecipDesc, lpszName) == offsetof(MapiRecipDesc, lpszName));
static_assert(offsetof(TMapiRecipDesc, lpszAddress) == offsetof(MapiRecipDesc, lpszAddress));
static_assert(offsetof(TMapiRecipDesc, ulEIDSize) == offsetof(MapiRecipDesc, ulEIDSize));
static_assert(offsetof(TMapiRecipDesc, lpEntryID) == offsetof(MapiRecipDesc, lpEntryID));
static_assert(sizeof(TMapiFileDesc) == sizeof(MapiFileDesc));
static_assert(offsetof(TMapiFileDesc, flFlags) == offsetof(MapiFileDesc, flFlags));
static_assert(offsetof(TMapiFileDesc, nPosition) == offsetof(MapiFileDesc, nPosition));
static_assert(offsetof(TMapiFileDesc, lpszPathName) == offsetof(MapiFileDesc, lpszPathName));
static_assert(offsetof(TMapiFileDesc, lpszFileName) == offsetof(MapiFileDesc, lpszFileName));
static_assert(offsetof(TMapiFileDesc, lpFileType) == offsetof(MapiFileDesc, lpFileType));
static_assert(sizeof(TMapiMessage) == sizeof(MapiMessage));
static_assert(offsetof(TMapiMessage, lpszSubject) == offsetof(MapiMessage, lpszSubject));
static_assert(offsetof(TMapiMessage, lpszNoteText) == offsetof(MapiMessage, lpszNoteText));
static_assert(offsetof(TMapiMessage, lpszMessageType) == offsetof(MapiMessage, lpszMessageType));
static_assert(offsetof(TMapiMessage, lpszDateReceived) == offsetof(MapiMessage, lpszDateReceived));
static_assert(offsetof(TMapiMessage, lpszConversationID) ==
              offsetof(MapiMessage, lpszConversationID));
static_assert(offsetof(TMapiMessage, flFlags) == offsetof(MapiMessage, flFlags));
static_assert(offsetof(TMapiMessage, lpOriginator) == offsetof(MapiMessage, lpOriginator));
static_assert(offsetof(TMapiMessage, nRecipCount) == offsetof(MapiMessage, nRecipCount));
static_assert(offsetof(TMapiMessage, lpRecips) == offsetof(MapiMessage, lpRecips));
static_assert(offsetof(TMapiMessage, nFileCount) == offsetof(MapiMessage, nFileCount));
static_assert(offsetof(TMapiMessage, lpFiles) == offsetof(MapiMessage, lpFiles));
#if defined(__i386__)
// The 32-bit layout itself: six 4-byte fields, and twelve for the message.
static_assert(sizeof(TMapiRecipDesc) == 24 && sizeof(TMapiFileDesc) == 24);
static_assert(sizeof(TMapiMessage) == 48 && offsetof(TMapiMessage, lpFiles) == 44);
#endif

namespace {

// MAPISendMail as the library exports it: WINAPI (__stdcall), the callee cleans the stack.
using SendMailFunction = ULONG(WINAPI*)(LHANDLE session, ULONG_PTR uiParam, TMapiMessage* message,
                                        FLAGS flags, ULONG reserved);

class Win32SimpleMapiSystem : public ISimpleMapiSystem {
 public:
  explicit Win32SimpleMapiSystem(std::uintptr_t uiParent) : FUiParent(uiParent) {}

  bool GetVersionEx(std::uint32_t& major, std::uint32_t& minor) override {
    OSVERSIONINFOA version{};
    static_assert(sizeof(version) == 148, "the version record is 148 bytes");
    version.dwOSVersionInfoSize = sizeof(version);
    if (!::GetVersionExA(&version)) return false;
    major = version.dwMajorVersion;
    minor = version.dwMinorVersion;
    return true;
  }

  long RegOpenKeyEx(const std::string& subKey, Handle& key) override {
    HKEY opened = nullptr;
    const LONG status = ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, KEY_READ, &opened);
    key = reinterpret_cast<Handle>(opened);
    return status;
  }

  long RegQueryValueEx(Handle key, const std::string& name, std::string& data,
                       std::uint32_t size) override {
    std::string buffer(size, '\0');
    DWORD length = size;
    const LONG status =
        ::RegQueryValueExA(reinterpret_cast<HKEY>(key), name.c_str(), nullptr, nullptr,
                           reinterpret_cast<BYTE*>(buffer.data()), &length);
    if (status == ERROR_SUCCESS) data.assign(buffer.data(), std::min<DWORD>(length, size));
    return status;
  }

  long RegCloseKey(Handle key) override { return ::RegCloseKey(reinterpret_cast<HKEY>(key)); }

  int GetProfileInt(const std::string& section, const std::string& key, int def) override {
    return static_cast<int>(::GetProfileIntA(section.c_str(), key.c_str(), def));
  }

  Handle LoadLibrary(const std::string& name) override {
    return reinterpret_cast<Handle>(::LoadLibraryA(name.c_str()));
  }

  void* GetProcAddress(Handle module, const std::string& name) override {
    return reinterpret_cast<void*>(
        ::GetProcAddress(reinterpret_cast<HMODULE>(module), name.c_str()));
  }

  bool FreeLibrary(Handle module) override {
    return ::FreeLibrary(reinterpret_cast<HMODULE>(module)) != FALSE;
  }

  std::uint32_t CallSendMail(void* entry, std::uintptr_t session, std::uintptr_t uiParam,
                             TMapiMessage& message, std::uint32_t flags,
                             std::uint32_t reserved) override {
    const auto sendMail = reinterpret_cast<SendMailFunction>(entry);
    return sendMail(session, uiParam, &message, flags, reserved);
  }

  std::string ToAnsi(const std::string& utf8) override { return Utf8ToAnsi(utf8); }

  std::uintptr_t UiParent() override { return FUiParent; }

 private:
  std::uintptr_t FUiParent;
};

}  // namespace

std::unique_ptr<ISimpleMapiSystem> CreateWin32SimpleMapiSystem(std::uintptr_t uiParent) {
  return std::make_unique<Win32SimpleMapiSystem>(uiParent);
}

}  // namespace win32ui
