#pragma once
// The toolkit's timers as GLib timeout sources of the default main context. A tick may stop
// or start any timer, its own included.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

namespace gtkui {

class TGLibTimers {
 public:
  using TimerId = std::uint64_t;

  TGLibTimers() = default;
  TGLibTimers(const TGLibTimers&) = delete;
  TGLibTimers& operator=(const TGLibTimers&) = delete;
  ~TGLibTimers();

  // `tick` runs every `intervalMs` milliseconds from the main loop. It is called as it is:
  // the caller guards it.
  TimerId Start(unsigned intervalMs, std::function<void()> tick);
  void Stop(TimerId id);
  bool Running(TimerId id) const { return FTimers.count(id) != 0; }

 private:
  struct Timer;
  struct SourceData;
  static int Timeout(void* data);
  static void SourceDestroyed(void* data);

  std::map<TimerId, std::shared_ptr<Timer>> FTimers;
  TimerId FNextId = 1;
};

}  // namespace gtkui
