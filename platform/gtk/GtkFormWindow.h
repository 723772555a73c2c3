#pragma once
// One form's native window: a GtkWindow around a GtkDrawingArea of the form's client size that
// shows the back buffer and turns GTK's input into the form's Handle… calls.

#include <string>
#include <vector>

#include "platform/gtk/DoubleClick.h"
#include "toolkit/platform/NativeWindow.h"

typedef struct _GtkWidget GtkWidget;
typedef struct _GtkWindow GtkWindow;
typedef struct _GdkWindow GdkWindow;
typedef struct _cairo cairo_t;

namespace gtkui {

class TGtkPlatform;

class TGtkFormWindow : public tk::INativeWindow {
 public:
  TGtkFormWindow(TGtkPlatform& platform, tk::IWindowEvents& events,
                 const tk::TWindowParams& params);
  ~TGtkFormWindow() override;
  TGtkFormWindow(const TGtkFormWindow&) = delete;
  TGtkFormWindow& operator=(const TGtkFormWindow&) = delete;

  void SetCaption(const std::string& caption) override;
  void SetTopmost(bool topmost) override;
  void SetAcceptFiles(bool accept) override;
  void SetClientSize(int width, int height) override;
  void Show() override;
  void Hide() override;
  void InvalidateRect(const tk::TRect& clientRect) override;
  tk::TPoint ClientOrigin() const override;

  tk::IWindowEvents& Events() const { return FEvents; }
  GtkWindow* Window() const;
  // The drawing area's own GDK window (client coordinates), once realised.
  GdkWindow* ClientGdkWindow() const;
  bool Shown() const { return FShown; }

  // --- signal handlers, called by the C trampolines in the .cpp ---
  void Paint(cairo_t* cr);
  void MouseMoved(double x, double y, unsigned modifiers);
  bool ButtonPressed(unsigned button, unsigned time, double x, double y, unsigned modifiers);
  bool ButtonReleased(unsigned button, double x, double y, unsigned modifiers);
  void MouseLeft();
  bool KeyPressed(unsigned keyval, unsigned hardwareKeycode, unsigned modifiers);
  void KeyReleased(unsigned keyval, unsigned hardwareKeycode, unsigned modifiers);
  void CloseRequested();
  void FocusLost();
  void Realized();
  void FilesArrived(std::vector<std::string> paths);
  void DeliverDrop();

 private:
  void ConnectSignals();
  int VirtualKeyOf(unsigned keyval, unsigned hardwareKeycode, unsigned modifiers) const;
  void RefreshDoubleClickLimits();

  TGtkPlatform& FPlatform;
  tk::IWindowEvents& FEvents;
  tk::TWindowParams FParams;
  GtkWidget* FWindow = nullptr;
  GtkWidget* FArea = nullptr;
  bool FShown = false;
  TDoubleClickDetector FClicks{400, 5};
  std::vector<std::string> FPendingDrop;
  unsigned FDropIdle = 0;
};

}  // namespace gtkui
