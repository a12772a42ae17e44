// DecodeJpeg over the Windows Imaging Component, which ships with Windows:
// the Windows build's stand-in for libjpeg.
#include <windows.h>
#include <objbase.h>
#include <wincodec.h>

#include <cstring>

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

std::optional<Bitmap> Decode(std::string_view bytes) {
  if (bytes.size() < 4 || bytes.size() > 0xFFFFFFFFu) return std::nullopt;
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
  std::vector<uint8_t> bgr(static_cast<size_t>(stride) * out.height);
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
