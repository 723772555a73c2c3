#pragma once
// Tests that need a real display. Each test process starts its own Xvfb (which picks a free
// display number itself, so parallel tests never collide) and installs the GTK backend once;
// without Xvfb the tests are skipped.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gtk/GtkPlatform.h"
#include "toolkit/controls/Form.h"

typedef struct _GtkWidget GtkWidget;

namespace gtkui::testing {

// The backend of this test process, or null when no Xvfb could be started.
TGtkPlatform* SharedPlatform();

// Runs the main loop until `done` holds or five seconds have passed; returns `done()`.
bool RunUntil(const std::function<bool()>& done);
// Runs the main loop for a while (lets the X server and GTK settle).
void RunFor(int milliseconds);

// The toplevel windows that GTK shows now, of the given GType (e.g. GTK_TYPE_MESSAGE_DIALOG).
std::vector<GtkWidget*> VisibleToplevels(unsigned long type);

// The popup menu shown now, or null.
GtkWidget* ShownMenu();

// While a modal dialog runs its own loop, `answer` gets it once it has been shown for
// `settleMs` (a file chooser loads its folder in the background first).
void AnswerNextDialog(unsigned long type, std::function<void(GtkWidget*)> answer, int settleMs = 0);

// Real input through the X server (XTest), as a user's mouse and keyboard make it: the
// pointer moves to a screen point first; keys go to the window under the pointer.
void FakeClick(tk::TPoint screen, unsigned button);
void FakeButton(tk::TPoint screen, unsigned button, bool press);
// `keysym` with the modifier keys in `modifiers` (GDK_SHIFT_MASK, GDK_CONTROL_MASK,
// GDK_MOD1_MASK) held around it.
void FakeKey(tk::TPoint screen, unsigned keysym, unsigned modifiers = 0);
// One key going down or up, nothing else.
void FakeKeyEvent(tk::TPoint screen, unsigned keysym, bool press);

// Whether the window's _NET_WM_STATE, which window managers read at mapping, holds `state`.
bool HasNetWmState(GtkWidget* toplevel, const char* state);

// The client pixels of a form's window as the X server has them, as 0x00RRGGBB words.
std::vector<std::uint32_t> CaptureClient(tk::TForm& form);

class DisplayTest : public ::testing::Test {
 protected:
  void SetUp() override;
  TGtkPlatform* platform = nullptr;
};

}  // namespace gtkui::testing
