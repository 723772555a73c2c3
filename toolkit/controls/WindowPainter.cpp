#include "toolkit/controls/WindowPainter.h"

#include "toolkit/controls/Application.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/platform/NativeWindow.h"

namespace tk {

TBitmap* TWindowPainter::Paint(IWindowEvents& window) {
  ++FPainting;
  GuardCallback([&] { window.HandlePaint(); });
  if (--FPainting == 0 && !FHeld.empty() && !FShowRequested) {
    FShowRequested = true;
    FShowLater();
  }
  TBitmap& buffer = window.BackBuffer();
  return buffer.Width() > 0 && buffer.Height() > 0 ? &buffer : nullptr;
}

bool TWindowPainter::Hold(const std::string& caption, const std::string& text) {
  if (FPainting == 0) return false;
  FHeld.emplace_back(caption, text);
  return true;
}

void TWindowPainter::ShowHeldReports(
    const std::function<void(const std::string&, const std::string&)>& show) {
  FShowRequested = false;
  std::vector<std::pair<std::string, std::string>> reports;
  reports.swap(FHeld);
  for (const auto& report : reports) GuardCallback([&] { show(report.first, report.second); });
}

}  // namespace tk
