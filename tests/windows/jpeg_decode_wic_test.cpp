// The Windows build decodes JPEG thumbnails with WIC: the same picture as
// the libjpeg build (the top-left 160x120, unscaled), and nothing but a
// picture or nothing for hostile data.
#include <windows.h>
#include <objbase.h>
#include <wincodec.h>

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "engine/loader/jpeg_decode.h"
#include "tests/support/quadrant_picture.h"

namespace kelvane {
namespace {

using Pixel = std::function<void(int x, int y, uint8_t* rgb)>;

// A baseline JPEG of w x h made by WIC's encoder (which takes B, G, R).
std::string EncodeJpeg(int w, int h, const Pixel& pixel) {
  std::string bytes;
  std::vector<BYTE> bgr(static_cast<size_t>(w) * static_cast<size_t>(h) * 3);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      uint8_t rgb[3];
      pixel(x, y, rgb);
      BYTE* out = &bgr[(static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)) * 3];
      out[0] = rgb[2];
      out[1] = rgb[1];
      out[2] = rgb[0];
    }
  }
  IWICImagingFactory* factory = nullptr;
  IStream* stream = nullptr;
  IWICBitmapEncoder* encoder = nullptr;
  IWICBitmapFrameEncode* frame = nullptr;
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) &&
      SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, &stream)) &&
      SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatJpeg, nullptr, &encoder)) &&
      SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
      SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
      SUCCEEDED(frame->SetSize(static_cast<UINT>(w), static_cast<UINT>(h))) &&
      SUCCEEDED(frame->SetPixelFormat(&format)) &&
      SUCCEEDED(frame->WritePixels(static_cast<UINT>(h), static_cast<UINT>(w) * 3,
                                   static_cast<UINT>(bgr.size()), bgr.data())) &&
      SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit())) {
    HGLOBAL global = nullptr;
    STATSTG stat = {};
    if (SUCCEEDED(stream->Stat(&stat, STATFLAG_NONAME)) &&
        SUCCEEDED(GetHGlobalFromStream(stream, &global))) {
      const char* data = static_cast<const char*>(GlobalLock(global));
      bytes.assign(data, static_cast<size_t>(stat.cbSize.QuadPart));
      GlobalUnlock(global);
    }
  }
  if (frame) frame->Release();
  if (encoder) encoder->Release();
  if (stream) stream->Release();
  if (factory) factory->Release();
  return bytes;
}

// WIC's encoder at its default quality keeps every channel within 16.
constexpr int kTolerance = 16;

class WicJpeg : public ::testing::Test {
 protected:
  void SetUp() override { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  void TearDown() override { CoUninitialize(); }
};

TEST_F(WicJpeg, ShowsTheTopLeftUnscaledAndSmallPicturesWhole) {
  const std::string big = EncodeJpeg(640, 480, Quadrants);
  ASSERT_FALSE(big.empty());
  auto bmp = DecodeJpeg(big);
  ASSERT_TRUE(bmp.has_value());
  EXPECT_EQ(bmp->width, 160);
  EXPECT_EQ(bmp->height, 120);
  ASSERT_EQ(bmp->rgb.size(), 160u * 120 * 3);
  for (auto [x, y] : {std::pair{2, 2}, {157, 2}, {2, 117}, {157, 117}, {80, 60}})
    ExpectNear(*bmp, x, y, 255, 0, 0, kTolerance);

  auto small = DecodeJpeg(EncodeJpeg(32, 24, [](int, int, uint8_t* rgb) {
    rgb[0] = 200;
    rgb[1] = 150;
    rgb[2] = 100;
  }));
  ASSERT_TRUE(small.has_value());
  EXPECT_EQ(small->width, 32);
  EXPECT_EQ(small->height, 24);
  ExpectNear(*small, 10, 10, 200, 150, 100, kTolerance);

  auto wide = DecodeJpeg(EncodeJpeg(300, 50, Quadrants));
  ASSERT_TRUE(wide.has_value());
  EXPECT_EQ(wide->width, 160);
  EXPECT_EQ(wide->height, 50);
}

TEST_F(WicJpeg, HostileDataGivesAPictureOrNothing) {
  const std::string good = EncodeJpeg(64, 48, Quadrants);
  ASSERT_FALSE(good.empty());
  EXPECT_FALSE(DecodeJpeg("").has_value());
  EXPECT_FALSE(DecodeJpeg("not a jpeg at all").has_value());
  EXPECT_FALSE(DecodeJpeg(good.substr(0, 20)).has_value());
  // A stream cut short has no end marker and is not handed to the decoder
  // (Wine's WIC decoder writes out of bounds on one); with its end marker
  // back, a damaged stream gives a picture or nothing.
  EXPECT_FALSE(DecodeJpeg(good.substr(0, good.size() / 2)).has_value());
  auto marked = DecodeJpeg(good.substr(0, good.size() / 2) + "\xFF\xD9");
  if (marked) {
    EXPECT_EQ(marked->width, 64);
  }
  // Padding after the end marker is ignored.
  EXPECT_TRUE(DecodeJpeg(good + std::string(16, '\0')).has_value());
  // A picture claiming 60000 x 60000 is refused before anything is decoded
  // (Wine's decoder would decode all of it at once, and overruns its
  // buffer doing so).
  std::string huge = good;
  for (size_t i = 2; i + 9 < huge.size(); ++i) {
    if (static_cast<BYTE>(huge[i]) == 0xFF && static_cast<BYTE>(huge[i + 1]) == 0xC0) {
      huge[i + 5] = static_cast<char>(0xEA);
      huge[i + 6] = static_cast<char>(0x60);
      huge[i + 7] = static_cast<char>(0xEA);
      huge[i + 8] = static_cast<char>(0x60);
      break;
    }
  }
  const DWORD start = GetTickCount();
  EXPECT_FALSE(DecodeJpeg(huge).has_value());
  EXPECT_LT(GetTickCount() - start, 5000u);
}

TEST_F(WicJpeg, FromTheFileOnlyWhenWhollyInside) {
  const std::string jpeg = EncodeJpeg(16, 16, Quadrants);
  const std::string file = "prefix" + jpeg;
  MemoryReader f(file);
  auto bmp = DecodeJpegThumbnail(f, 6, jpeg.size());
  ASSERT_TRUE(bmp.has_value());
  EXPECT_EQ(bmp->width, 16);
  EXPECT_FALSE(DecodeJpegThumbnail(f, 6, jpeg.size() + 1).has_value());
  EXPECT_FALSE(DecodeJpegThumbnail(f, 6, 0).has_value());
}

}  // namespace
}  // namespace kelvane
