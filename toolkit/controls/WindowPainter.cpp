#include "toolkit/controls/WindowPainter.h"

#include "toolkit/controls/Application.h"
#include "toolkit/controls/Form.h"

namespace tk {

TBitmap* TWindowPainter::Paint(TForm& form) {
  ++FPainting;
  GuardCallback([&] { form.UpdateWindow(); });
  if (--FPainting == 0 && !FHeld.empty() && !FShowRequested) {
    FShowRequested = true;
    FShowLater();
  }
  TBitmap& buffer = form.BackBuffer();
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
