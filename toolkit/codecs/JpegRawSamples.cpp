#include "toolkit/codecs/JpegRawSamples.h"

#include <algorithm>
#include <array>

// libjpeg's internal interfaces, where its headers are installed: they let the inverse DCT run
// for the blocks a kept pixel needs only. Without them every block is transformed; the pixels
// are the same.
#if __has_include(<jpegint.h>)
#include <jpegint.h>
#define POTERINKO_JPEG_INVERSE_DCT_HOOK 1
#endif

namespace tk {
namespace {

// iMCU rows held at a time: the upsampling of a row blends in the sample rows above and below.
constexpr int kRing = 3;

int Clamp(int value, int low, int high) { return std::min(std::max(value, low), high); }

// libjpeg's YCbCr to RGB conversion, with the fixed-point factors of its tables and its rounding.
constexpr int kScaleBits = 16;
constexpr int kOneHalf = 1 << (kScaleBits - 1);
constexpr int Fix(double x) { return static_cast<int>(x * (1 << kScaleBits) + 0.5); }

std::array<int, 3> YccToRgb(int y, int cb, int cr) {
  cb -= 128, cr -= 128;
  const int red = y + ((Fix(1.40200) * cr + kOneHalf) >> kScaleBits);
  const int green = y + ((-Fix(0.34414) * cb + kOneHalf - Fix(0.71414) * cr) >> kScaleBits);
  const int blue = y + ((Fix(1.77200) * cb + kOneHalf) >> kScaleBits);
  return {Clamp(red, 0, 255), Clamp(green, 0, 255), Clamp(blue, 0, 255)};
}

int ComponentsOf(J_COLOR_SPACE space) {
  switch (space) {
    case JCS_GRAYSCALE: return 1;
    case JCS_RGB:
    case JCS_YCbCr: return 3;
    case JCS_CMYK:
    case JCS_YCCK: return 4;
    default: return 0;
  }
}

// The sample a subsampled component blends with sample `at` for image pixel `pixel` (which of
// the two image pixels over the sample it is decides the side), within 0 .. count - 1.
int Neighbour(int pixel, int at, int count) {
  return Clamp(pixel % 2 ? at + 1 : at - 1, 0, count - 1);
}

}  // namespace

bool TJpegRawSamples::Handles(const jpeg_decompress_struct& cinfo) {
  if (cinfo.num_components != ComponentsOf(cinfo.jpeg_color_space)) return false;
  for (int i = 0; i < cinfo.num_components; ++i) {
    const jpeg_component_info& c = cinfo.comp_info[i];
    if (cinfo.max_h_samp_factor % c.h_samp_factor != 0 ||
        cinfo.max_v_samp_factor % c.v_samp_factor != 0)
      return false;  // libjpeg refuses these itself
  }
  return true;
}

void TJpegRawSamples::Start(jpeg_decompress_struct& cinfo, const TStretchSamples& samples) {
  FSamples = &samples;
  FSpace = cinfo.jpeg_color_space;
  FInvertedInks = cinfo.saw_Adobe_marker;
  FRowsPerRead = cinfo.max_v_samp_factor * DCTSIZE;
  FNextLine = 0;
  const auto count = static_cast<std::size_t>(cinfo.num_components);
  FComponents.assign(count, {});
  FPlanes.assign(count * kRing, nullptr);
  for (std::size_t i = 0; i < count; ++i) {
    const jpeg_component_info& info = cinfo.comp_info[i];
    TComponent& c = FComponents[i];
    c.Across = cinfo.max_h_samp_factor / info.h_samp_factor;
    c.Down = cinfo.max_v_samp_factor / info.v_samp_factor;
    c.Width = static_cast<int>(info.downsampled_width);
    c.Height = static_cast<int>(info.downsampled_height);
    // As libjpeg picks its upsampling at full size (fancy upsampling is its default); two
    // samples or fewer across are replicated.
    if (c.Across == 1 && c.Down == 1) c.Upsampling = TUpsampling::kNone;
    else if (c.Across == 2 && c.Down == 1 && c.Width > 2) c.Upsampling = TUpsampling::kFancyWide;
    else if (c.Across == 1 && c.Down == 2) c.Upsampling = TUpsampling::kFancyTall;
    else if (c.Across == 2 && c.Down == 2 && c.Width > 2)
      c.Upsampling = TUpsampling::kFancyWideTall;
    else c.Upsampling = TUpsampling::kBox;
    // Room for every block of an iMCU row, the padding of the last MCU included.
    const int blocksAcross = (static_cast<int>(info.width_in_blocks) + info.h_samp_factor - 1) /
                             info.h_samp_factor * info.h_samp_factor;
    const int blocksDown = (static_cast<int>(info.height_in_blocks) + info.v_samp_factor - 1) /
                           info.v_samp_factor * info.v_samp_factor;
    c.Stride = blocksAcross * DCTSIZE;
    c.RowsPerRead = info.v_samp_factor * DCTSIZE;
    c.Memory.assign(static_cast<std::size_t>(c.Stride) * c.RowsPerRead * kRing, 0);
    c.Rows.resize(static_cast<std::size_t>(c.RowsPerRead) * kRing);
    for (std::size_t r = 0; r < c.Rows.size(); ++r)
      c.Rows[r] = c.Memory.data() + r * static_cast<std::size_t>(c.Stride);
    for (int slot = 0; slot < kRing; ++slot)
      FPlanes[static_cast<std::size_t>(slot) * count + i] = c.Rows.data() + slot * c.RowsPerRead;
    c.BlockRowUsed.assign(static_cast<std::size_t>(blocksDown), 0);
    c.BlockColumnUsed.assign(static_cast<std::size_t>(blocksAcross), 0);
    for (const int line : samples.LinesInRowOrder()) MarkUsed(c, samples.RowOfLine(line), -1);
    for (const int column : samples.PlaceColumns()) MarkUsed(c, -1, column);
  }
#ifdef POTERINKO_JPEG_INVERSE_DCT_HOOK
  // Set by jpeg_start_decompress for the one output pass, and read block by block as the
  // planes are filled.
  cinfo.client_data = this;
  FLibjpegInverseDct.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    FLibjpegInverseDct[i] = cinfo.idct->inverse_DCT[i];
    cinfo.idct->inverse_DCT[i] = InverseDctWhereUsed;
  }
#endif
}

// The samples (and so the blocks) that image row `row` or image column `column` takes from
// component `c`: the one under it and, upsampling smoothly, the neighbour it blends in.
void TJpegRawSamples::MarkUsed(TComponent& c, int row, int column) const {
  const auto use = [](std::vector<char>& blocks, int sample) {
    const auto block = static_cast<std::size_t>(sample / DCTSIZE);
    if (block < blocks.size()) blocks[block] = 1;
  };
  if (row >= 0) {
    const bool tall =
        c.Upsampling == TUpsampling::kFancyTall || c.Upsampling == TUpsampling::kFancyWideTall;
    use(c.BlockRowUsed, row / c.Down);
    if (tall) use(c.BlockRowUsed, Neighbour(row, row / 2, c.Height));
  }
  if (column >= 0) {
    const bool wide =
        c.Upsampling == TUpsampling::kFancyWide || c.Upsampling == TUpsampling::kFancyWideTall;
    use(c.BlockColumnUsed, column / c.Across);
    if (wide) use(c.BlockColumnUsed, Neighbour(column, column / 2, c.Width));
  }
}

JSAMPIMAGE TJpegRawSamples::PlanesFor(int row) {
  FReading = row;
  return FPlanes.data() + static_cast<std::size_t>(row % kRing) * FComponents.size();
}

void TJpegRawSamples::InverseDctWhereUsed(j_decompress_ptr cinfo, jpeg_component_info* component,
                                          JCOEFPTR coefficients, JSAMPARRAY output,
                                          JDIMENSION column) {
  const auto& self = *static_cast<const TJpegRawSamples*>(cinfo->client_data);
  const auto index = static_cast<std::size_t>(component->component_index);
  const TComponent& c = self.FComponents[index];
  // Where in the planes of the iMCU row being read the block goes; a block that goes anywhere
  // else is transformed, whatever it is.
  const JSAMPARRAY planes =
      self.FPlanes[static_cast<std::size_t>(self.FReading % kRing) * self.FComponents.size() +
                   index];
  const std::ptrdiff_t offset = output - planes;
  if (offset >= 0 && offset < c.RowsPerRead) {
    const auto blockRow =
        static_cast<std::size_t>(self.FReading * component->v_samp_factor + offset / DCTSIZE);
    const auto blockColumn = static_cast<std::size_t>(column / DCTSIZE);
    if (blockRow < c.BlockRowUsed.size() && blockColumn < c.BlockColumnUsed.size() &&
        !(c.BlockRowUsed[blockRow] && c.BlockColumnUsed[blockColumn]))
      return;
  }
  self.FLibjpegInverseDct[index](cinfo, component, coefficients, output, column);
}

JSAMPLE TJpegRawSamples::TComponent::Sample(int x, int y) const {
  return Rows[static_cast<std::size_t>(y % (RowsPerRead * kRing))][x];
}

// The component's value at image pixel (x, y), as libjpeg's upsampling gives it: fancy
// upsampling weighs the nearer sample 3/4 and the next one 1/4 in each direction it doubles,
// rounding up and down in turn; every other ratio replicates the sample.
int TJpegRawSamples::TComponent::Upsampled(int x, int y) const {
  switch (Upsampling) {
    case TUpsampling::kNone: return Sample(x, y);
    case TUpsampling::kBox: return Sample(x / Across, y / Down);
    case TUpsampling::kFancyWide: {
      const int at = x / 2;
      return (3 * Sample(at, y) + Sample(Neighbour(x, at, Width), y) + (x % 2 ? 2 : 1)) >> 2;
    }
    case TUpsampling::kFancyTall: {
      const int at = y / 2;
      return (3 * Sample(x, at) + Sample(x, Neighbour(y, at, Height)) + (y % 2 ? 2 : 1)) >> 2;
    }
    case TUpsampling::kFancyWideTall: {
      const int row = y / 2, other = Neighbour(y, row, Height), at = x / 2;
      const auto column = [&](int sx) { return 3 * Sample(sx, row) + Sample(sx, other); };
      return (3 * column(at) + column(Neighbour(x, at, Width)) + (x % 2 ? 7 : 8)) >> 4;
    }
  }
  return 0;
}

std::uint32_t TJpegRawSamples::PixelAt(int x, int y) const {
  std::array<int, 4> v{};
  for (std::size_t i = 0; i < FComponents.size(); ++i) v[i] = FComponents[i].Upsampled(x, y);
  switch (FSpace) {
    case JCS_GRAYSCALE: return RgbWord(v[0], v[0], v[0]);
    case JCS_RGB: return RgbWord(v[0], v[1], v[2]);
    case JCS_YCbCr: {
      const auto [r, g, b] = YccToRgb(v[0], v[1], v[2]);
      return RgbWord(r, g, b);
    }
    case JCS_CMYK: return CmykWord(v[0], v[1], v[2], v[3], FInvertedInks);
    default: {  // YCCK: the inks are the YCbCr colour's complements, black as it is
      const auto [r, g, b] = YccToRgb(v[0], v[1], v[2]);
      return CmykWord(255 - r, 255 - g, 255 - b, v[3], FInvertedInks);
    }
  }
}

void TJpegRawSamples::Keep(TBitmap& kept, int belowRow) {
  FNextLine =
      FSamples->Fill(kept, FNextLine, belowRow, [this](int x, int y) { return PixelAt(x, y); });
}

}  // namespace tk
