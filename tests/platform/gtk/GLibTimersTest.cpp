#include <glib.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gtk/GLibTimers.h"

namespace gtkui {
namespace {

// Runs the default main context until `done` holds (or a generous safety limit passes).
template <class Done>
void RunUntil(Done done) {
  const gint64 limit = g_get_monotonic_time() + 5 * G_USEC_PER_SEC;
  while (!done() && g_get_monotonic_time() < limit) g_main_context_iteration(nullptr, TRUE);
}

TEST(GLibTimersTest, ATimerTicksUntilStopped) {
  TGLibTimers timers;
  int ticks = 0;
  const auto id = timers.Start(1, [&] { ++ticks; });
  RunUntil([&] { return ticks >= 3; });
  EXPECT_EQ(ticks, 3);
  timers.Stop(id);
  EXPECT_FALSE(timers.Running(id));
  // Another timer runs on; the stopped one does not tick again meanwhile.
  int other = 0;
  timers.Start(1, [&] { ++other; });
  RunUntil([&] { return other >= 3; });
  EXPECT_EQ(ticks, 3);
}

TEST(GLibTimersTest, ATickMayStopItsOwnTimer) {
  TGLibTimers timers;
  int ticks = 0;
  TGLibTimers::TimerId id = 0;
  id = timers.Start(1, [&] {
    ++ticks;
    timers.Stop(id);  // frees the timer's entry while its tick runs
  });
  int other = 0;
  timers.Start(1, [&] { ++other; });
  RunUntil([&] { return other >= 5; });
  EXPECT_EQ(ticks, 1);
  EXPECT_FALSE(timers.Running(id));
}

TEST(GLibTimersTest, ATickMayStopAnotherAndStartANewOne) {
  TGLibTimers timers;
  std::vector<std::string> log;
  TGLibTimers::TimerId victim = timers.Start(1000 * 60, [&] { log.push_back("victim"); });
  TGLibTimers::TimerId first = 0;
  first = timers.Start(1, [&] {
    log.push_back("first");
    timers.Stop(victim);
    timers.Stop(first);
    timers.Start(1, [&] { log.push_back("second"); });
  });
  RunUntil([&] { return log.size() >= 3; });
  EXPECT_EQ(log, (std::vector<std::string>{"first", "second", "second"}));
  EXPECT_FALSE(timers.Running(victim));
}

TEST(GLibTimersTest, IdsAreNeverReused) {
  TGLibTimers timers;
  const auto a = timers.Start(1000, [] {});
  timers.Stop(a);
  const auto b = timers.Start(1000, [] {});
  EXPECT_NE(a, b);
  EXPECT_TRUE(timers.Running(b));
  timers.Stop(12345);  // unknown ids are ignored
  EXPECT_TRUE(timers.Running(b));
}

TEST(GLibTimersTest, AThrowingTickStaysInsideTheTimer) {
  TGLibTimers timers;
  int ticks = 0;
  timers.Start(1, [&] {
    ++ticks;
    throw std::runtime_error("tick failed");
  });
  RunUntil([&] { return ticks >= 2; });
  EXPECT_EQ(ticks, 2);  // the loop survived the first throw and ticked again
}

TEST(GLibTimersTest, DestroyingTheTableRemovesItsSources) {
  int ticks = 0;
  {
    TGLibTimers timers;
    timers.Start(1, [&] { ++ticks; });
  }
  int other = 0;
  TGLibTimers timers;
  timers.Start(2, [&] { ++other; });
  RunUntil([&] { return other >= 3; });
  EXPECT_EQ(ticks, 0);
}

}  // namespace
}  // namespace gtkui
