#pragma once
// Handing a mail to the mail program through Simple MAPI, and the rule for loading it: once per
// run, on the first send, after a test of the system version and of the registry (or, on old
// systems, of the profile); the entry point is looked up again on every send while it has not
// been found. The system calls are behind an interface, and nothing here includes a system
// header, so the rule is built and tested on every platform.

#include <cstdint>
#include <memory>
#include <string>

#include "toolkit/platform/Shell.h"

namespace win32ui {

// Records as Simple MAPI lays them out (32-bit fields where the system has ULONG).
struct TMapiRecipDesc {
  std::uint32_t ulReserved;
  std::uint32_t ulRecipClass;
  char* lpszName;
  char* lpszAddress;
  std::uint32_t ulEIDSize;
  void* lpEntryID;
};
struct TMapiFileDesc {
  std::uint32_t ulReserved;
  std::uint32_t flFlags;
  std::uint32_t nPosition;
  char* lpszPathName;
  char* lpszFileName;
  void* lpFileType;
};
struct TMapiMessage {
  std::uint32_t ulReserved;
  char* lpszSubject;
  char* lpszNoteText;
  char* lpszMessageType;
  char* lpszDateReceived;
  char* lpszConversationID;
  std::uint32_t flFlags;
  TMapiRecipDesc* lpOriginator;
  std::uint32_t nRecipCount;
  TMapiRecipDesc* lpRecips;
  std::uint32_t nFileCount;
  TMapiFileDesc* lpFiles;
};

inline constexpr std::uint32_t MAPI_TO = 1;
inline constexpr std::uint32_t MAPI_LOGON_UI = 0x1;
inline constexpr std::uint32_t MAPI_NEW_SESSION = 0x2;
inline constexpr std::uint32_t MAPI_DIALOG = 0x8;

// The system calls the rule uses, one for one.
class ISimpleMapiSystem {
 public:
  using Handle = std::uintptr_t;
  virtual ~ISimpleMapiSystem() = default;
  // GetVersionExA with a 148-byte record; false when it fails.
  virtual bool GetVersionEx(std::uint32_t& major, std::uint32_t& minor) = 0;
  // RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey, 0, KEY_READ); 0 on success.
  virtual long RegOpenKeyEx(const std::string& subKey, Handle& key) = 0;
  // RegQueryValueExA into a buffer of `size` bytes; 0 on success, the bytes read in `data`.
  virtual long RegQueryValueEx(Handle key, const std::string& name, std::string& data,
                               std::uint32_t size) = 0;
  virtual long RegCloseKey(Handle key) = 0;
  virtual int GetProfileInt(const std::string& section, const std::string& key, int def) = 0;
  virtual Handle LoadLibrary(const std::string& name) = 0;
  virtual void* GetProcAddress(Handle module, const std::string& name) = 0;
  virtual bool FreeLibrary(Handle module) = 0;
  // Calls the entry point found above.
  virtual std::uint32_t CallSendMail(void* entry, std::uintptr_t session, std::uintptr_t uiParam,
                                     TMapiMessage& message, std::uint32_t flags,
                                     std::uint32_t reserved) = 0;
  // Texts of the records are in the system's ANSI code page.
  virtual std::string ToAnsi(const std::string& utf8) = 0;
  // The window that parents the mail program's windows.
  virtual std::uintptr_t UiParent() = 0;
};

class TSimpleMapi {
 public:
  explicit TSimpleMapi(ISimpleMapiSystem& system) : FSystem(system) {}
  // A loaded library is released with this object, when the program ends.
  ~TSimpleMapi();
  TSimpleMapi(const TSimpleMapi&) = delete;
  TSimpleMapi& operator=(const TSimpleMapi&) = delete;

  // Fills the three records and sends; 1 when Simple MAPI or its entry point is missing. The
  // attachment's path goes out with the system's own separator, '\'.
  unsigned Send(const tk::TMailRequest& request);

  bool Tried() const { return FTried; }
  ISimpleMapiSystem::Handle Module() const { return FModule; }

 private:
  void LoadOnce();
  bool Installed();

  ISimpleMapiSystem& FSystem;
  bool FTried = false;
  ISimpleMapiSystem::Handle FModule = 0;
  void* FSendMail = nullptr;
};

}  // namespace win32ui
