#pragma once
// A window that exists only as state: caption, stacking, visibility and its place on a
// screen that nobody sees.

#include <string>

#include "toolkit/platform/NativeWindow.h"

namespace headless {

class THeadlessPlatform;

class THeadlessWindow : public tk::INativeWindow {
 public:
  THeadlessWindow(THeadlessPlatform& platform, tk::IWindowEvents& events,
                  const tk::TWindowParams& params);
  ~THeadlessWindow() override;

  void SetCaption(const std::string& caption) override { FParams.Caption = caption; }
  void SetTopmost(bool topmost) override;
  void SetAcceptFiles(bool accept) override { FParams.AcceptFiles = accept; }
  void SetClientSize(int width, int height) override {
    FParams.ClientWidth = width;
    FParams.ClientHeight = height;
  }
  void Show() override { FShown = true; }
  void Hide() override { FShown = false; }
  void InvalidateRect(const tk::TRect&) override {}
  tk::TPoint ClientOrigin() const override { return FParams.Position; }

  tk::IWindowEvents& Events() const { return FEvents; }
  bool Shown() const { return FShown; }

 private:
  THeadlessPlatform& FPlatform;
  tk::IWindowEvents& FEvents;
  tk::TWindowParams FParams;
  bool FShown = false;
};

}  // namespace headless
