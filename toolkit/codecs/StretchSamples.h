#pragma once
// Which pixels of a stored picture a picture kept for one stretch size takes, and where each one
// goes. Kept pixel (x, y) is exactly the pixel that the whole picture, turned upright and
// stretched to the cover size, shows at (x, y) (each axis longer than the cover's cut to it),
// so a decoder that fills only these shows what decoding everything would there.
//
// A turn or mirror only maps indices: every kept line (a row, or a column when the picture is
// turned a quarter) takes its pixels from one stored row, and every place along a line from one
// stored column. A decoder goes through the stored rows top to bottom and hands each line its
// row's pixels at the places' columns.

#include <cstdint>
#include <vector>

#include "toolkit/graphics/Bitmap.h"

namespace tk {

class TStretchSamples {
 public:
  // For a picture stored `storedWidth` x `storedHeight` under Exif `orientation` (1 to 8),
  // stretched to `coverWidth` x `coverHeight` (both above 0).
  TStretchSamples(int storedWidth, int storedHeight, int orientation, int coverWidth,
                  int coverHeight);

  int KeptWidth() const { return FKeptWidth; }
  int KeptHeight() const { return FKeptHeight; }

  // The kept lines in the order of their stored rows, and the stored row of each.
  const std::vector<int>& LinesInRowOrder() const { return FLinesInRowOrder; }
  int RowOfLine(int line) const { return FLineRows[static_cast<std::size_t>(line)]; }
  // The stored column of each place along a line.
  const std::vector<int>& PlaceColumns() const { return FPlaceColumns; }

  // Fills the lines of `kept` (KeptWidth() x KeptHeight()) from the `next`-th in row order on
  // whose stored rows lie above `belowRow`, with pixel(column, row) at each place; returns the
  // position in row order to go on from.
  template <class PixelAt>
  std::size_t Fill(TBitmap& kept, std::size_t next, int belowRow, PixelAt pixel) const {
    for (; next < FLinesInRowOrder.size(); ++next) {
      const int line = FLinesInRowOrder[next];
      const int row = RowOfLine(line);
      if (row >= belowRow) break;
      for (std::size_t place = 0; place < FPlaceColumns.size(); ++place) {
        const int at = static_cast<int>(place);
        (FTurned ? kept.ScanLine(at)[line] : kept.ScanLine(line)[at]) =
            pixel(FPlaceColumns[place], row);
      }
    }
    return next;
  }

 private:
  int FKeptWidth = 0;
  int FKeptHeight = 0;
  bool FTurned = false;
  std::vector<int> FLineRows;
  std::vector<int> FLinesInRowOrder;
  std::vector<int> FPlaceColumns;
};

}  // namespace tk
