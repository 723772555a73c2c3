#pragma once
// A timer: while enabled, with an interval and a handler, OnTimer fires every Interval
// milliseconds on the GUI thread.

#include "toolkit/core/Component.h"
#include "toolkit/platform/Clock.h"

namespace tk {

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;
  const char* ClassName() const override { return "TTimer"; }

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  unsigned Interval() const { return FInterval; }
  void SetInterval(unsigned ms);
  void SetOnTimer(TNotifyEvent handler);
  const TNotifyEvent& OnTimer() const { return FOnTimer; }

 private:
  void UpdateTimer();

  bool FEnabled = true;
  unsigned FInterval = 1000;
  TNotifyEvent FOnTimer;
  IClock::TimerId FId = 0;
};

}  // namespace tk
