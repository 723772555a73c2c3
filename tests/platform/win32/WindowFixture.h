#pragma once
// Tests on real Win32 windows of this process, driven with real messages. Modal loops (message
// boxes, dialogs, menus) are answered from a thread timer, which every modal loop dispatches.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/win32/Handles.h"
#include "platform/win32/Win32Platform.h"

namespace win32ui::test {

// The backend of this test process, made once and installed.
TWin32Platform& SharedPlatform();

// Runs the thread's messages until `done` holds or `milliseconds` have passed; returns `done()`.
bool PumpUntil(const std::function<bool()>& done, int milliseconds = 5000);
void PumpFor(int milliseconds);

// The first visible top-level window of this thread (others may belong to another test process
// on the same Wine desktop) of the window class, with the caption when one is given.
HWND FindThreadWindow(const std::wstring& className, const std::wstring* caption = nullptr);
std::vector<HWND> ThreadWindows(const std::wstring& className);

// As soon as `find` returns a window, `answer` gets it, once; polled every 20 ms from the
// thread's timer, so it also happens inside a modal loop.
void AnswerWhenShown(std::function<HWND()> find, std::function<void(HWND)> answer);
bool AnswerPending();

std::wstring WindowText(HWND window);
std::wstring ClassNameOf(HWND window);

// The client area of `window` as the window shows it, read back through its device context,
// as 0x00RRGGBB words, row 0 first.
std::vector<std::uint32_t> CaptureClient(HWND window);
// A control's client area as the control paints it, through its own WM_PRINTCLIENT into a
// bitmap of ours: independent of when the screen catches up with a window just shown.
std::vector<std::uint32_t> PrintClient(HWND control);

// A drop handle as the shell makes one: DROPFILES with the wide file names after it.
HDROP MakeDropHandle(const std::vector<std::wstring>& files);

// Keys held down for GetKeyState while the object lives (Ctrl for Ctrl+S).
class HeldKeys {
 public:
  explicit HeldKeys(std::vector<int> virtualKeys);
  ~HeldKeys();
  HeldKeys(const HeldKeys&) = delete;
  HeldKeys& operator=(const HeldKeys&) = delete;

 private:
  std::vector<unsigned char> FSaved;
};

}  // namespace win32ui::test
