#include "platform/gtk/DoubleClick.h"

#include <cstdlib>

namespace gtkui {

void TDoubleClickDetector::SetLimits(unsigned timeMs, int distance) {
  FTimeMs = timeMs;
  FDistance = distance;
}

bool TDoubleClickDetector::Press(unsigned button, std::uint32_t timeMs, int x, int y) {
  // Unsigned subtraction keeps the interval right across the clock's wrap-around.
  const bool isDouble = FHasPrevious && !FPreviousWasDouble && button == FButton &&
                        static_cast<std::uint32_t>(timeMs - FTime) <= FTimeMs &&
                        std::abs(x - FX) <= FDistance && std::abs(y - FY) <= FDistance;
  FHasPrevious = true;
  FPreviousWasDouble = isDouble;
  FButton = button;
  FTime = timeMs;
  FX = x;
  FY = y;
  return isDouble;
}

}  // namespace gtkui
