#pragma once
// What every backend does when the system asks a form's window to paint, and what happens to
// error reports raised meanwhile. A message box's nested loop inside the system's paint
// handler would paint (and fail) again and again, so a report raised while any window paints
// is held until the outermost paint has ended and is then shown from the backend's loop.

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tk {

class TBitmap;
class IWindowEvents;

class TWindowPainter {
 public:
  // `showLater` asks the backend's loop to call ShowHeldReports soon; it is called once for
  // each batch of held reports.
  explicit TWindowPainter(std::function<void()> showLater) : FShowLater(std::move(showLater)) {}

  // Brings the window's back buffer up to date, under the error report; the buffer to show, or
  // nullptr when it has no pixels.
  TBitmap* Paint(IWindowEvents& window);
  // True when the report is held for later because a window is painting.
  bool Hold(const std::string& caption, const std::string& text);
  // Shows the held reports in order through `show`, each under the error report.
  void ShowHeldReports(const std::function<void(const std::string&, const std::string&)>& show);

 private:
  std::function<void()> FShowLater;
  int FPainting = 0;
  bool FShowRequested = false;
  std::vector<std::pair<std::string, std::string>> FHeld;
};

}  // namespace tk
