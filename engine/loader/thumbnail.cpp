#include "engine/loader/thumbnail.h"

#include <algorithm>

#include "engine/reader/primitives.h"

namespace kelvane {

namespace {

constexpr uint16_t kCompressionTag = 0x0103;
constexpr uint32_t kUncompressed = 1;

// The Compression value of the IFD at `ifd_position` (1 when it has none).
uint32_t IfdCompression(Reader& f, bool intel, uint64_t ifd_position) {
  f.Seek(ifd_position);
  const uint32_t count = ReadValue(f, intel, 2);
  for (uint32_t i = 0; i < count; ++i) {
    f.Seek(ifd_position + 2 + uint64_t{12} * i);
    const uint32_t tag = ReadValue(f, intel, 2);
    if (tag != kCompressionTag) continue;
    const uint32_t type = ReadValue(f, intel, 2);
    ReadValue(f, intel, 4);  // count
    return ReadValue(f, intel, type == 4 ? 4 : 2);
  }
  return kUncompressed;
}

}  // namespace

void FitRgbThumbnail(int w, int h, int& fit_w, int& fit_h) {
  // The ratios w/160 and h/160 compared, and the other side divided by the
  // larger one, in exact integers: round(w / (h/160)) = round(160w / h).
  // Halves round to the even neighbour.
  auto round_div = [](int64_t num, int64_t den) {
    const int64_t q = num / den, r = num % den;
    return static_cast<int>(2 * r < den ? q : 2 * r > den ? q + 1 : q + (q & 1));
  };
  if (h >= w) {
    fit_w = round_div(int64_t{w} * kRgbThumbnailBox, h);
    fit_h = kRgbThumbnailBox;
  } else {
    fit_w = kRgbThumbnailBox;
    fit_h = round_div(int64_t{h} * kRgbThumbnailBox, w);
  }
}

Bitmap ResampleNearest(const Bitmap& src, int fit_w, int fit_h) {
  Bitmap out;
  out.width = fit_w;
  out.height = fit_h;
  out.rgb.resize(static_cast<size_t>(fit_w) * static_cast<size_t>(fit_h) * 3);
  for (int y = 0; y < fit_h; ++y) {
    const int sy = std::min(static_cast<int>(int64_t{y} * src.height / fit_h), src.height - 1);
    for (int x = 0; x < fit_w; ++x) {
      const int sx = std::min(static_cast<int>(int64_t{x} * src.width / fit_w), src.width - 1);
      // Both positions lie inside their pictures, so none of these is negative.
      const size_t from =
          (static_cast<size_t>(sy) * static_cast<size_t>(src.width) + static_cast<size_t>(sx)) * 3;
      const size_t to =
          (static_cast<size_t>(y) * static_cast<size_t>(fit_w) + static_cast<size_t>(x)) * 3;
      for (size_t c = 0; c < 3; ++c) out.rgb[to + c] = src.rgb[from + c];
    }
  }
  return out;
}

std::optional<Bitmap> ReadRgbThumbnail(Reader& f, bool intel, uint32_t base,
                                       uint64_t ifd_position, const TempData& temp) {
  const uint32_t w = temp.ImageWidth;
  const uint32_t h = temp.ImageLength;
  if (w == 0 || h == 0 || w > kRgbThumbnailMaxSide || h > kRgbThumbnailMaxSide) return std::nullopt;
  if (temp.StripOffset == 0) return std::nullopt;
  if (IfdCompression(f, intel, ifd_position) != kUncompressed) return std::nullopt;

  Bitmap src;
  src.width = static_cast<int>(w);
  src.height = static_cast<int>(h);
  f.Seek(uint64_t{base} + temp.StripOffset);
  const std::string pixels = f.ReadString(uint64_t{w} * h * 3);
  src.rgb.assign(pixels.begin(), pixels.end());

  int fit_w = 0, fit_h = 0;
  FitRgbThumbnail(src.width, src.height, fit_w, fit_h);
  return ResampleNearest(src, fit_w, fit_h);
}

}  // namespace kelvane
