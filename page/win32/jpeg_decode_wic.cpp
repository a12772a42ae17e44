// DecodeJpeg over the Windows Imaging Component, which ships with Windows:
// the Windows build's stand-in for libjpeg.
#include <windows.h>
#include <objbase.h>
#include <wincodec.h>

#include <cstring>
#include <utility>

#include "engine/loader/jpeg_decode.h"

namespace kelvane {

namespace {

// WIC decodes a whole frame at once. A picture claiming more pixels than
// this is not decoded at all (libjpeg's memory limit plays this part on
// Linux); real embedded thumbnails and previews are far smaller.
constexpr UINT64 kMaxPixels = 64ull * 1024 * 1024 / 3;

template <typename T>
struct ComPtr {
  T* p = nullptr;
  ~ComPtr() {
    if (p) p->Release();
  }
  T** operator&() { return &p; }
  T* operator->() const { return p; }
};

// COM for the calling thread, when it has none yet.
struct ComScope {
  HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  ~ComScope() {
    if (SUCCEEDED(hr)) CoUninitialize();
  }
};

// The stream up to and including its last end-of-image marker; nothing
// when it has none. A stream cut short is not decoded: Wine's WIC decoder
// writes out of bounds when the data runs out.
std::optional<std::string_view> UpToEndMarker(std::string_view bytes) {
  for (size_t i = bytes.size(); i >= 2; --i) {
    if (static_cast<unsigned char>(bytes[i - 2]) == 0xFF &&
        static_cast<unsigned char>(bytes[i - 1]) == 0xD9)
      return bytes.substr(0, i);
  }
  return std::nullopt;
}

// The picture size in the first start-of-frame segment; nothing when the
// segments end before one.
std::optional<std::pair<UINT, UINT>> FrameSize(std::string_view jpeg) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(jpeg[i]); };
  if (jpeg.size() < 4 || byte(0) != 0xFF || byte(1) != 0xD8) return std::nullopt;
  size_t at = 2;
  while (at + 4 <= jpeg.size()) {
    if (byte(at) != 0xFF) return std::nullopt;
    const unsigned char marker = byte(at + 1);
    if (marker == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    const size_t length = (size_t{byte(at + 2)} << 8) | byte(at + 3);
    const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
                       marker != 0xCC;
    if (frame) {
      if (at + 9 > jpeg.size() || length < 7) return std::nullopt;
      const UINT height = (UINT{byte(at + 5)} << 8) | byte(at + 6);
      const UINT width = (UINT{byte(at + 7)} << 8) | byte(at + 8);
      return std::pair{width, height};
    }
    if (marker == 0xDA || marker == 0xD9 || length < 2) return std::nullopt;
    at += 2 + length;
  }
  return std::nullopt;
}

std::optional<Bitmap> Decode(std::string_view whole) {
  const std::optional<std::string_view> complete = UpToEndMarker(whole);
  if (!complete) return std::nullopt;
  const std::string_view bytes = *complete;
  if (bytes.size() < 4 || bytes.size() > 0xFFFFFFFFu) return std::nullopt;
  // Wine's decoder decodes the whole frame when it is opened: the size the
  // stream claims is checked before.
  const auto claimed = FrameSize(bytes);
  if (!claimed || UINT64{claimed->first} * claimed->second > kMaxPixels) return std::nullopt;
  ComScope com;
  ComPtr<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))))
    return std::nullopt;
  ComPtr<IWICStream> stream;
  if (FAILED(factory->CreateStream(&stream)) ||
      FAILED(stream->InitializeFromMemory(
          reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data())),
          static_cast<DWORD>(bytes.size()))))
    return std::nullopt;
  ComPtr<IWICBitmapDecoder> decoder;
  if (FAILED(factory->CreateDecoder(GUID_ContainerFormatJpeg, nullptr, &decoder)) ||
      FAILED(decoder->Initialize(stream.p, WICDecodeMetadataCacheOnDemand)))
    return std::nullopt;
  ComPtr<IWICBitmapFrameDecode> frame;
  if (FAILED(decoder->GetFrame(0, &frame))) return std::nullopt;
  UINT width = 0, height = 0;
  if (FAILED(frame->GetSize(&width, &height)) || width == 0 || height == 0 ||
      UINT64{width} * height > kMaxPixels)
    return std::nullopt;
  ComPtr<IWICFormatConverter> converter;
  if (FAILED(factory->CreateFormatConverter(&converter)) ||
      FAILED(converter->Initialize(frame.p, GUID_WICPixelFormat24bppBGR,
                                   WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom)))
    return std::nullopt;

  Bitmap out;
  out.width = static_cast<int>(width < UINT{kJpegPictureWidth} ? width : kJpegPictureWidth);
  out.height = static_cast<int>(height < UINT{kJpegPictureHeight} ? height : kJpegPictureHeight);
  const UINT stride = static_cast<UINT>(out.width) * 3;
  std::vector<uint8_t> bgr(static_cast<size_t>(stride) * static_cast<size_t>(out.height));
  const WICRect rect = {0, 0, out.width, out.height};
  if (FAILED(converter->CopyPixels(&rect, stride, static_cast<UINT>(bgr.size()), bgr.data())))
    return std::nullopt;
  out.rgb.resize(bgr.size());
  for (size_t i = 0; i + 2 < bgr.size(); i += 3) {
    out.rgb[i] = bgr[i + 2];
    out.rgb[i + 1] = bgr[i + 1];
    out.rgb[i + 2] = bgr[i];
  }
  return out;
}

}  // namespace

std::optional<Bitmap> DecodeJpeg(std::string_view bytes) {
  try {
    return Decode(bytes);
  } catch (...) {
    return std::nullopt;
  }
}

}  // namespace kelvane
