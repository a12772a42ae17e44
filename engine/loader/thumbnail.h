// Thumbnails: the uncompressed RGB thumbnail of TIFF files, fitted into the
// page's picture. (The embedded JPEG is only located by the loader and
// decoded on request: engine/loader/jpeg_decode.h.)
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/reader/reader.h"
#include "engine/tiff/ifd_walker.h"

namespace kelvane {

// A picture as rows of 24-bit RGB pixels, top row first.
struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;  // width * height * 3
};

// The largest side of an RGB thumbnail we show, and the box it is fitted in.
inline constexpr uint32_t kRgbThumbnailMaxSide = 200;
inline constexpr int kRgbThumbnailBox = 160;

// The RGB thumbnail of the IFD at the absolute `ifd_position` (whose walk
// filled `temp` and reported PhotometricInterpretation 2): its strip at
// base + StripOffset, fitted into 160x160. Nothing when a side is 0 or above
// 200, or the image is compressed. A short file throws ReadError.
std::optional<Bitmap> ReadRgbThumbnail(Reader& f, bool intel, uint32_t base,
                                       uint64_t ifd_position, const TempData& temp);

// The size a w x h picture (both at least 1) gets in the 160x160 box,
// proportions kept.
void FitRgbThumbnail(int w, int h, int& fit_w, int& fit_h);

// Nearest-neighbour resampling of `src` to fit_w x fit_h.
Bitmap ResampleNearest(const Bitmap& src, int fit_w, int fit_h);

}  // namespace kelvane
