#include "engine/loader/thumbnail.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include <jpeglib.h>

#include "engine/loader/jpeg_decode.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/support/quadrant_picture.h"

namespace kelvane {
namespace {

// ---- The uncompressed RGB thumbnail ----

TEST(RgbThumbnail, FitsIntoTheBoxKeepingProportions) {
  struct Case {
    int w, h, fit_w, fit_h;
  } cases[] = {
      {160, 120, 160, 120}, {80, 60, 160, 120}, {200, 200, 160, 160}, {120, 160, 120, 160},
      {100, 50, 160, 80},   {1, 200, 1, 160},   {200, 1, 160, 1},     {1, 1, 160, 160},
      // 160/64 = 2.5 and 480/64 = 7.5: halves go to the even neighbour.
      {1, 64, 2, 160},      {3, 64, 8, 160},    {64, 1, 160, 2},
  };
  for (const auto& c : cases) {
    int w = 0, h = 0;
    FitRgbThumbnail(c.w, c.h, w, h);
    EXPECT_EQ(w, c.fit_w) << c.w << "x" << c.h;
    EXPECT_EQ(h, c.fit_h) << c.w << "x" << c.h;
  }
}

Bitmap Strip(int w, int h) {
  // Pixel (x, y) is (x, y, 7).
  Bitmap b;
  b.width = w;
  b.height = h;
  b.rgb.resize(static_cast<size_t>(w) * static_cast<size_t>(h) * 3);
  auto pixel = b.rgb.begin();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      *pixel++ = static_cast<uint8_t>(x);
      *pixel++ = static_cast<uint8_t>(y);
      *pixel++ = 7;
    }
  return b;
}

TEST(RgbThumbnail, ResamplesByNearestNeighbour) {
  // Destination column x takes source column trunc(x * W / width).
  Bitmap up = ResampleNearest(Strip(3, 2), 8, 4);
  ASSERT_EQ(up.rgb.size(), 8u * 4 * 3);
  const int want_x[] = {0, 0, 0, 1, 1, 1, 2, 2};
  const int want_y[] = {0, 0, 1, 1};
  for (size_t y = 0; y < 4; ++y)
    for (size_t x = 0; x < 8; ++x) {
      EXPECT_EQ(up.rgb[(y * 8 + x) * 3], want_x[x]);
      EXPECT_EQ(up.rgb[(y * 8 + x) * 3 + 1], want_y[y]);
    }
  Bitmap down = ResampleNearest(Strip(5, 1), 2, 1);
  EXPECT_EQ(down.rgb[0], 0);
  EXPECT_EQ(down.rgb[3], 2);
}

// A TIFF block at `base` whose IFD0 (at base + 8) may carry Compression and
// whose strip of w x h RGB pixels follows it.
struct RgbFile {
  std::string bytes;
  TempData temp;
};

RgbFile MakeRgbFile(uint32_t base, uint32_t w, uint32_t h, int compression, bool intel = false) {
  fixtures::Ifd ifd;
  ifd.Short(0x0100, {w}).Short(0x0101, {h});
  if (compression > 0) ifd.Short(0x0103, {static_cast<uint32_t>(compression)});
  ifd.Short(0x0106, {2});
  const uint32_t strip = 8 + static_cast<uint32_t>(ifd.Size()) + 12;  // after the IFD and StripOffsets
  ifd.Long(0x0111, {strip});
  std::string tiff = fixtures::TiffHeader(intel) + ifd.Build(intel, 8);
  tiff.resize(strip, '\0');
  for (uint32_t y = 0; y < h; ++y)
    for (uint32_t x = 0; x < w; ++x) tiff += {char(x), char(y), 7};
  RgbFile f;
  f.bytes = std::string(base, 'p') + tiff;
  f.temp.ImageWidth = w;
  f.temp.ImageLength = h;
  f.temp.StripOffset = strip;
  f.temp.Photometric = 2;
  return f;
}

TEST(RgbThumbnail, ReadsTheStripAtBaseAndFitsIt) {
  for (bool intel : {false, true}) {
    RgbFile file = MakeRgbFile(48, 4, 3, 1, intel);
    MemoryReader f(file.bytes);
    auto bmp = ReadRgbThumbnail(f, intel, 48, 56, file.temp);
    ASSERT_TRUE(bmp.has_value());
    EXPECT_EQ(bmp->width, 160);
    EXPECT_EQ(bmp->height, 120);
    // Bottom-right destination pixel comes from source (3, 2), red first.
    const size_t last = (119 * 160 + 159) * 3;
    EXPECT_EQ(bmp->rgb[last], 3);
    EXPECT_EQ(bmp->rgb[last + 1], 2);
    EXPECT_EQ(bmp->rgb[last + 2], 7);
  }
}

TEST(RgbThumbnail, OnlyUncompressedAndSmallPictures) {
  struct Case {
    uint32_t w, h;
    int compression;  // 0: no Compression entry
    bool shown;
  } cases[] = {
      {160, 120, 1, true}, {80, 60, 0, true},   {200, 200, 1, true}, {201, 10, 1, false},
      {10, 201, 1, false}, {0, 10, 1, false},   {10, 0, 1, false},   {8, 8, 5, false},
      {8, 8, 7, false},
  };
  for (const auto& c : cases) {
    RgbFile file = MakeRgbFile(0, c.w, c.h, c.compression);
    MemoryReader f(file.bytes);
    EXPECT_EQ(ReadRgbThumbnail(f, false, 0, 8, file.temp).has_value(), c.shown)
        << c.w << "x" << c.h << " compression " << c.compression;
  }
}

TEST(RgbThumbnail, AShortStripThrows) {
  RgbFile file = MakeRgbFile(0, 100, 100, 1);
  file.bytes.resize(file.bytes.size() - 1);
  MemoryReader f(file.bytes);
  EXPECT_THROW(ReadRgbThumbnail(f, false, 0, 8, file.temp), ReadError);
}

// ---- The JPEG thumbnail ----

// Encodes a w x h picture (4:4:4, quality 95); `progressive` for SOF2.
std::string EncodeJpeg(int w, int h, const std::function<void(int, int, uint8_t*)>& pixel,
                       bool progressive = false, bool grey = false) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &out, &size);
  cinfo.image_width = static_cast<JDIMENSION>(w);
  cinfo.image_height = static_cast<JDIMENSION>(h);
  cinfo.input_components = grey ? 1 : 3;
  cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 95, TRUE);
  for (int c = 0; c < cinfo.num_components; ++c)
    cinfo.comp_info[c].h_samp_factor = cinfo.comp_info[c].v_samp_factor = 1;
  if (progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<uint8_t> row(static_cast<size_t>(w) * 3);
  while (cinfo.next_scanline < cinfo.image_height) {
    for (int x = 0; x < w; ++x) {
      uint8_t rgb[3];
      pixel(x, static_cast<int>(cinfo.next_scanline), rgb);
      if (grey) row[static_cast<size_t>(x)] = rgb[0];
      else std::copy(rgb, rgb + 3, row.begin() + x * 3);
    }
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&cinfo, &r, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::string bytes(reinterpret_cast<char*>(out), size);
  jpeg_destroy_compress(&cinfo);
  std::free(out);
  return bytes;
}

// libjpeg at quality 95 keeps every channel within 12 of the original.
constexpr int kTolerance = 12;

TEST(JpegThumbnail, ShowsTheTopLeftUnscaled) {
  for (bool progressive : {false, true}) {
    auto bmp = DecodeJpeg(EncodeJpeg(640, 480, Quadrants, progressive));
    ASSERT_TRUE(bmp.has_value()) << progressive;
    EXPECT_EQ(bmp->width, 160);
    EXPECT_EQ(bmp->height, 120);
    ASSERT_EQ(bmp->rgb.size(), 160u * 120 * 3);
    // Clipped, not scaled: the whole picture is the red corner.
    for (auto [x, y] : {std::pair{0, 0}, {159, 0}, {0, 119}, {159, 119}, {80, 60}})
      ExpectNear(*bmp, x, y, 255, 0, 0, kTolerance);
  }
}

TEST(JpegThumbnail, SmallPicturesKeepTheirSize) {
  auto pixel = [](int x, int y, uint8_t* rgb) {
    rgb[0] = static_cast<uint8_t>(x * 8);
    rgb[1] = static_cast<uint8_t>(y * 8);
    rgb[2] = 100;
  };
  auto bmp = DecodeJpeg(EncodeJpeg(32, 24, pixel));
  ASSERT_TRUE(bmp.has_value());
  EXPECT_EQ(bmp->width, 32);
  EXPECT_EQ(bmp->height, 24);
  // Wider than the panel but short, and greyscale.
  auto grey = DecodeJpeg(EncodeJpeg(300, 50, [](int, int, uint8_t* rgb) { rgb[0] = 200; }, false, true));
  ASSERT_TRUE(grey.has_value());
  EXPECT_EQ(grey->width, 160);
  EXPECT_EQ(grey->height, 50);
  ExpectNear(*grey, 10, 10, 200, 200, 200, kTolerance);
}

// Sets the picture size in the file's SOF segment.
std::string WithSize(std::string jpeg, uint16_t w, uint16_t h) {
  for (size_t i = 2; i + 9 < jpeg.size(); ++i) {
    if (static_cast<uint8_t>(jpeg[i]) == 0xFF &&
        (static_cast<uint8_t>(jpeg[i + 1]) == 0xC0 || static_cast<uint8_t>(jpeg[i + 1]) == 0xC2)) {
      const std::string hw = fixtures::BE16(h) + fixtures::BE16(w);
      jpeg.replace(i + 5, 4, hw);
      return jpeg;
    }
  }
  ADD_FAILURE() << "no SOF";
  return jpeg;
}

TEST(JpegThumbnail, HostileDataNeverEndsTheProcess) {
  const std::string good = EncodeJpeg(64, 48, Quadrants);
  // Garbage, a cut stream and a stream claiming a huge picture: each gives
  // a picture or nothing, and returns.
  EXPECT_FALSE(DecodeJpeg("").has_value());
  EXPECT_FALSE(DecodeJpeg("not a jpeg at all").has_value());
  EXPECT_FALSE(DecodeJpeg(good.substr(0, 20)).has_value());
  auto cut = DecodeJpeg(good.substr(0, good.size() / 2));
  if (cut) {
    EXPECT_EQ(cut->width, 64);
  }
  // Baseline: only the first rows are decoded, so a huge size is cheap.
  auto huge = DecodeJpeg(WithSize(good, 60000, 60000));
  ASSERT_TRUE(huge.has_value());
  EXPECT_EQ(huge->width, 160);
  EXPECT_EQ(huge->height, 120);
  // Progressive keeps every coefficient: over the memory limit, no picture.
  EXPECT_FALSE(DecodeJpeg(WithSize(EncodeJpeg(64, 48, Quadrants, true), 60000, 60000)).has_value());
}

TEST(JpegThumbnail, FromTheFileOnlyWhenWhollyInside) {
  const std::string jpeg = EncodeJpeg(16, 16, Quadrants);
  const std::string file = "prefix" + jpeg;
  MemoryReader f(file);
  auto bmp = DecodeJpegThumbnail(f, 6, jpeg.size());
  ASSERT_TRUE(bmp.has_value());
  EXPECT_EQ(bmp->width, 16);
  EXPECT_FALSE(DecodeJpegThumbnail(f, 6, jpeg.size() + 1).has_value());
  EXPECT_FALSE(DecodeJpegThumbnail(f, file.size() + 10, 4).has_value());
  EXPECT_FALSE(DecodeJpegThumbnail(f, 6, 0).has_value());
  EXPECT_FALSE(DecodeJpegThumbnail(f, 6, UINT64_MAX).has_value());
}

}  // namespace
}  // namespace kelvane
