#pragma once
// Tells which presses are double clicks, the way the toolkit expects them: press, release,
// double-click press, release. GTK reports an extra plain press before its own double-click
// event, and a triple click as a third kind; this detector replaces both.

#include <cstdint>

namespace gtkui {

class TDoubleClickDetector {
 public:
  // `timeMs` and `distance` are the desktop's double-click time and distance (pixels each way).
  TDoubleClickDetector(unsigned timeMs, int distance) : FTimeMs(timeMs), FDistance(distance) {}
  void SetLimits(unsigned timeMs, int distance);

  // One press of `button` at `timeMs` (the window system's clock, which wraps around) and a
  // position in pixels. True when it completes a double click: the same button as the previous
  // press, soon enough, near enough, and that press was not itself the second of a pair.
  bool Press(unsigned button, std::uint32_t timeMs, int x, int y);

  // Forgets the previous press (the pointer left, another window came up in between).
  void Reset() { FHasPrevious = false; }

 private:
  unsigned FTimeMs;
  int FDistance;
  bool FHasPrevious = false;
  bool FPreviousWasDouble = false;
  unsigned FButton = 0;
  std::uint32_t FTime = 0;
  int FX = 0;
  int FY = 0;
};

}  // namespace gtkui
