#pragma once
// The clock's role: the current time and timers that tick on the event loop's thread.

#include <cstdint>
#include <ctime>
#include <functional>

namespace tk {

class IClock {
 public:
  virtual ~IClock() = default;

  // The current time (the headless backend's clock is scripted).
  virtual std::time_t CurrentTime() const { return std::time(nullptr); }

  using TimerId = std::uint64_t;
  virtual TimerId StartTimer(unsigned intervalMs, std::function<void()> tick) = 0;
  virtual void StopTimer(TimerId id) = 0;
};

IClock& Clock();

}  // namespace tk
