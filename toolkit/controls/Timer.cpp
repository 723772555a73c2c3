#include "toolkit/controls/Timer.h"

#include "toolkit/controls/Application.h"

namespace tk {

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
  FEnabled = false;
  UpdateTimer();
}

void TTimer::SetEnabled(bool value) {
  if (StoreChanged(FEnabled, value)) UpdateTimer();
}

void TTimer::SetInterval(unsigned ms) {
  if (StoreChanged(FInterval, ms)) UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  FOnTimer = std::move(handler);
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (FId) {
    Clock().StopTimer(FId);
    FId = 0;
  }
  if (FEnabled && FInterval > 0 && FOnTimer) {
    FId =
        Clock().StartTimer(FInterval, [this] { Application().Guard([this] { FOnTimer(this); }); });
  }
}

}  // namespace tk
