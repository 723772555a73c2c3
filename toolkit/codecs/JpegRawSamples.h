#pragma once
// Decoding only the pixels a picture kept for its stretch size takes (TStretchSamples), at the
// image's own size, from libjpeg's raw component planes.
//
// libjpeg has to read every entropy-coded block (nothing tells where a later one starts), but the
// rest of its work is per pixel: the inverse DCT of each block, the upsampling of subsampled
// components and the colour conversion. Here libjpeg hands over the planes as they are decoded,
// the inverse DCT runs only for blocks that a kept pixel (or the neighbour its upsampling
// blends in) lies in, where libjpeg's headers let us reach it, and only the kept pixels are
// upsampled and converted, by the very arithmetic libjpeg applies to every pixel of a full
// decode. The result is bit for bit what decoding everything and then picking would give.
//
// Used by the JPEG reader between jpeg_start_decompress and the end of the picture. Nothing here
// calls libjpeg but its inverse DCT, which raises no error, so nothing here is left by a longjmp.

#include <cstdint>
#include <vector>

#include "toolkit/codecs/JpegErrorManager.h"
#include "toolkit/codecs/StretchSamples.h"

namespace tk {

// A pixel word from red, green and blue.
inline std::uint32_t RgbWord(unsigned red, unsigned green, unsigned blue) {
  return red << 16 | green << 8 | blue;
}

// The pixel word of CMYK inks. Adobe writes the inks inverted (255 = no ink), others as they are.
inline std::uint32_t CmykWord(unsigned c, unsigned m, unsigned y, unsigned k, bool inverted) {
  if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
  return RgbWord((c * k + 127) / 255, (m * k + 127) / 255, (y * k + 127) / 255);
}

class TJpegRawSamples {
 public:
  // Whether libjpeg converts the image in `cinfo` (its header read) to the pixels the reader
  // gives with arithmetic that is reproduced here: grey, RGB, YCbCr, CMYK and YCCK, with every
  // component sampled a whole number of times per pixel. Set raw_data_out for such an image.
  static bool Handles(const jpeg_decompress_struct& cinfo);

  // Plans the decoding of `samples` from `cinfo`, just after jpeg_start_decompress with
  // raw_data_out, and takes libjpeg's inverse DCT over where that can be done.
  void Start(jpeg_decompress_struct& cinfo, const TStretchSamples& samples);

  // The planes jpeg_read_raw_data fills with iMCU row `row`, RowsPerRead() image rows.
  JSAMPIMAGE PlanesFor(int row);
  int RowsPerRead() const { return FRowsPerRead; }

  // Fills every kept line not filled yet whose stored row lies above `belowRow`. The caller has
  // read every iMCU row their upsampling looks into: up to the one after theirs, or to the end.
  void Keep(TBitmap& kept, int belowRow);

 private:
  enum class TUpsampling { kNone, kBox, kFancyWide, kFancyTall, kFancyWideTall };

  struct TComponent {
    TUpsampling Upsampling = TUpsampling::kNone;
    int Across = 1, Down = 1;   // image pixels per sample
    int Width = 0, Height = 0;  // samples
    int Stride = 0;
    int RowsPerRead = 0;
    std::vector<JSAMPLE> Memory;  // kRing iMCU rows of samples
    std::vector<JSAMPROW> Rows;
    std::vector<char> BlockRowUsed, BlockColumnUsed;
    JSAMPLE Sample(int x, int y) const;
    int Upsampled(int x, int y) const;
  };

  using TInverseDct = void (*)(j_decompress_ptr, jpeg_component_info*, JCOEFPTR, JSAMPARRAY,
                               JDIMENSION);
  static void InverseDctWhereUsed(j_decompress_ptr cinfo, jpeg_component_info* component,
                                  JCOEFPTR coefficients, JSAMPARRAY output, JDIMENSION column);
  void MarkUsed(TComponent& c, int row, int column) const;
  std::uint32_t PixelAt(int x, int y) const;

  const TStretchSamples* FSamples = nullptr;
  J_COLOR_SPACE FSpace = JCS_UNKNOWN;
  bool FInvertedInks = false;
  int FRowsPerRead = 0;
  int FReading = 0;  // the iMCU row being read
  std::size_t FNextLine = 0;
  std::vector<TComponent> FComponents;
  std::vector<JSAMPARRAY> FPlanes;
  std::vector<TInverseDct> FLibjpegInverseDct;
};

}  // namespace tk
