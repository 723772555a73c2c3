#include "platform/gtk/GLibTimers.h"

#include <glib.h>

namespace gtkui {

struct TGLibTimers::Timer {
  std::function<void()> tick;
  guint source = 0;
};

// What the GLib source carries: the table and the id, never the timer itself, so that a
// source that outlives its timer only finds the id gone.
struct TGLibTimers::SourceData {
  TGLibTimers* timers;
  TimerId id;
};

TGLibTimers::~TGLibTimers() {
  for (auto& [id, timer] : FTimers) g_source_remove(timer->source);
}

TGLibTimers::TimerId TGLibTimers::Start(unsigned intervalMs, std::function<void()> tick) {
  const TimerId id = FNextId++;
  auto timer = std::make_shared<Timer>();
  timer->tick = std::move(tick);
  timer->source = g_timeout_add_full(G_PRIORITY_DEFAULT, intervalMs, &TGLibTimers::Timeout,
                                     new SourceData{this, id}, &TGLibTimers::SourceDestroyed);
  FTimers.emplace(id, std::move(timer));
  return id;
}

void TGLibTimers::Stop(TimerId id) {
  const auto it = FTimers.find(id);
  if (it == FTimers.end()) return;
  const guint source = it->second->source;
  FTimers.erase(it);
  // Removing the source whose callback is running is allowed; GLib drops it when it returns.
  g_source_remove(source);
}

int TGLibTimers::Timeout(void* data) {
  auto* source = static_cast<SourceData*>(data);
  TGLibTimers& timers = *source->timers;
  const auto it = timers.FTimers.find(source->id);
  if (it == timers.FTimers.end()) return G_SOURCE_REMOVE;
  // The tick may stop this timer and so free the table's entry: hold the timer while it runs.
  const std::shared_ptr<Timer> timer = it->second;
  try {
    timer->tick();
  } catch (...) {
    // The caller guards its ticks; nothing may unwind into GLib all the same.
  }
  return timers.Running(source->id) ? G_SOURCE_CONTINUE : G_SOURCE_REMOVE;
}

void TGLibTimers::SourceDestroyed(void* data) { delete static_cast<SourceData*>(data); }

}  // namespace gtkui
