#include "toolkit/codecs/StretchSamples.h"

#include <algorithm>
#include <numeric>

#include "toolkit/codecs/ExifOrientation.h"
#include "toolkit/graphics/Stretch.h"

namespace tk {

TStretchSamples::TStretchSamples(int storedWidth, int storedHeight, int orientation, int coverWidth,
                                 int coverHeight)
    : FTurned(OrientationTurns(orientation)) {
  const int shownWidth = FTurned ? storedHeight : storedWidth;
  const int shownHeight = FTurned ? storedWidth : storedHeight;
  FKeptWidth = std::min(shownWidth, coverWidth);
  FKeptHeight = std::min(shownHeight, coverHeight);
  // The shown pixel each kept index takes, then the stored pixel that shows there.
  const auto stored = [&](int keptX, int keptY) {
    return StoredPixelOf(orientation, StretchSourceIndex(keptX, FKeptWidth, shownWidth),
                         StretchSourceIndex(keptY, FKeptHeight, shownHeight), storedWidth,
                         storedHeight);
  };
  const int lines = FTurned ? FKeptWidth : FKeptHeight;
  const int places = FTurned ? FKeptHeight : FKeptWidth;
  FLineRows.resize(static_cast<std::size_t>(lines));
  for (int line = 0; line < lines; ++line)
    FLineRows[static_cast<std::size_t>(line)] = (FTurned ? stored(line, 0) : stored(0, line)).Y;
  FPlaceColumns.resize(static_cast<std::size_t>(places));
  for (int place = 0; place < places; ++place)
    FPlaceColumns[static_cast<std::size_t>(place)] =
        (FTurned ? stored(0, place) : stored(place, 0)).X;
  FLinesInRowOrder.resize(FLineRows.size());
  std::iota(FLinesInRowOrder.begin(), FLinesInRowOrder.end(), 0);
  std::sort(FLinesInRowOrder.begin(), FLinesInRowOrder.end(),
            [&](int a, int b) { return RowOfLine(a) < RowOfLine(b); });
}

}  // namespace tk
