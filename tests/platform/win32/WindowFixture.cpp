#include "tests/platform/win32/WindowFixture.h"

#include <chrono>
#include <cstring>
#include <functional>
#include <memory>

#include "toolkit/platform/Platform.h"

#include "platform/win32/TopDownDib.h"

#include <windows.h>

#include <shlobj.h>

namespace win32ui::test {

namespace {

struct PendingAnswer {
  std::function<HWND()> find;
  std::function<void(HWND)> answer;
  UINT_PTR timer = 0;
};
std::unique_ptr<PendingAnswer>& Pending() {
  static std::unique_ptr<PendingAnswer> pending;
  return pending;
}

void CALLBACK PollForWindow(HWND, UINT, UINT_PTR, DWORD) {
  auto& pending = Pending();
  if (!pending) return;
  HWND found = pending->find();
  if (!found) return;
  KillTimer(nullptr, pending->timer);
  // Taken out first: the answer may run a modal loop of its own.
  std::unique_ptr<PendingAnswer> done = std::move(pending);
  done->answer(found);
}

struct Search {
  std::wstring className;
  const std::wstring* caption;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  if (!IsWindowVisible(window) || ClassNameOf(window) != search.className) return TRUE;
  if (search.caption && WindowText(window) != *search.caption) return TRUE;
  search.found.push_back(window);
  return TRUE;
}

}  // namespace

TWin32Platform& SharedPlatform() {
  static std::unique_ptr<TWin32Platform> platform = TWin32Platform::Create();
  tk::SetPlatform(platform.get());
  return *platform;
}

bool PumpUntil(const std::function<bool()>& done, int milliseconds) {
  const auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (!done() && std::chrono::steady_clock::now() < limit) {
    MSG message;
    if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    } else {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
  }
  return done();
}

void PumpFor(int milliseconds) {
  PumpUntil([] { return false; }, milliseconds);
}

std::vector<HWND> ThreadWindows(const std::wstring& className) {
  Search search{className, nullptr, {}};
  EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindThreadWindow(const std::wstring& className, const std::wstring* caption) {
  Search search{className, caption, {}};
  EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found.empty() ? nullptr : search.found.front();
}

void AnswerWhenShown(std::function<HWND()> find, std::function<void(HWND)> answer) {
  auto pending = std::make_unique<PendingAnswer>();
  pending->find = std::move(find);
  pending->answer = std::move(answer);
  pending->timer = SetTimer(nullptr, 0, 20, PollForWindow);
  Pending() = std::move(pending);
}

bool AnswerPending() { return Pending() != nullptr; }

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring ClassNameOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

namespace {

// What `draw` puts into a width x height bitmap of ours, as 0x00RRGGBB words, row 0 first.
std::vector<std::uint32_t> DrawnPixels(HWND window, int width, int height,
                                       const std::function<void(HDC memory, HDC screen)>& draw) {
  std::vector<std::uint32_t> pixels;
  if (width <= 0 || height <= 0) return pixels;
  const BITMAPINFO info = TopDownDibInfo(width, height);
  void* bits = nullptr;
  HDC screen = GetDC(window);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP section = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, section);
  draw(memory, screen);
  GdiFlush();
  const auto* words = static_cast<const std::uint32_t*>(bits);
  for (int i = 0; i < width * height; ++i) pixels.push_back(words[i] & 0xFFFFFF);
  SelectObject(memory, old);
  DeleteObject(section);
  DeleteDC(memory);
  ReleaseDC(window, screen);
  return pixels;
}

}  // namespace

std::vector<std::uint32_t> CaptureClient(HWND window) {
  ::UpdateWindow(window);
  RECT client{};
  GetClientRect(window, &client);
  return DrawnPixels(window, client.right, client.bottom, [&](HDC memory, HDC screen) {
    BitBlt(memory, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
  });
}

std::vector<std::uint32_t> PrintClient(HWND control) {
  RECT client{};
  GetClientRect(control, &client);
  return DrawnPixels(control, client.right, client.bottom, [&](HDC memory, HDC) {
    SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
  });
}

HDROP MakeDropHandle(const std::vector<std::wstring>& files) {
  std::size_t chars = 1;  // the list's final NUL
  for (const auto& f : files) chars += f.size() + 1;
  HGLOBAL memory =
      GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + chars * sizeof(wchar_t));
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->pt = {10, 10};
  header->fNC = FALSE;
  header->fWide = TRUE;
  auto* names = reinterpret_cast<wchar_t*>(header + 1);
  for (const auto& f : files) {
    std::memcpy(names, f.c_str(), (f.size() + 1) * sizeof(wchar_t));
    names += f.size() + 1;
  }
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

HeldKeys::HeldKeys(std::vector<int> virtualKeys) : FSaved(256) {
  GetKeyboardState(FSaved.data());
  std::vector<unsigned char> state = FSaved;
  for (int key : virtualKeys) state[static_cast<std::size_t>(key)] |= 0x80;
  SetKeyboardState(state.data());
}

HeldKeys::~HeldKeys() { SetKeyboardState(FSaved.data()); }

}  // namespace win32ui::test
