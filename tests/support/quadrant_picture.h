// The picture both JPEG decoders (libjpeg here, WIC on Windows) are tested
// on, and the check of a decoded pixel.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>

#include "engine/loader/jpeg_decode.h"

namespace kelvane {

// Red in the top-left 160x120, green to its right, blue below; writes R, G, B.
inline void Quadrants(int x, int y, uint8_t* rgb) {
  rgb[0] = (x < 160 && y < 120) ? 255 : 0;
  rgb[1] = (x >= 160 && y < 120) ? 255 : 0;
  rgb[2] = y >= 120 ? 255 : 0;
}

// The decoded pixel at (x, y) is within `tolerance` of (r, g, bl) on each
// channel: JPEG is lossy.
inline void ExpectNear(const Bitmap& b, int x, int y, int r, int g, int bl, int tolerance) {
  const size_t i =
      (static_cast<size_t>(y) * static_cast<size_t>(b.width) + static_cast<size_t>(x)) * 3;
  EXPECT_NEAR(b.rgb[i], r, tolerance) << x << "," << y;
  EXPECT_NEAR(b.rgb[i + 1], g, tolerance) << x << "," << y;
  EXPECT_NEAR(b.rgb[i + 2], bl, tolerance) << x << "," << y;
}

}  // namespace kelvane
