#include "page/win32/page_font.h"

namespace kelvane::page {

namespace {

// Functions of newer Windows versions, looked up once.
template <typename Function>
Function User32Function(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                : nullptr;
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using SystemParametersInfoForDpiFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
using SetProcessDpiAwarenessContextFunction = BOOL(WINAPI*)(HANDLE);

UINT ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : kDesignDpi;
}

LOGFONTW MessageFont(UINT dpi) {
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof metrics;
  static const auto for_dpi =
      User32Function<SystemParametersInfoForDpiFunction>("SystemParametersInfoForDpi");
  if (for_dpi && for_dpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi))
    return metrics.lfMessageFont;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    // At the screen's DPI: scaled to the page's.
    metrics.lfMessageFont.lfHeight =
        MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi), static_cast<int>(ScreenDpi()));
    return metrics.lfMessageFont;
  }
  LOGFONTW fallback = {};
  fallback.lfHeight = -Scale(12, dpi);
  lstrcpynW(fallback.lfFaceName, L"Segoe UI", LF_FACESIZE);
  return fallback;
}

}  // namespace

UINT DpiOf(HWND window) {
  static const auto for_window = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  if (for_window && window) {
    const UINT dpi = for_window(window);
    if (dpi > 0) return dpi;
  }
  return ScreenDpi();
}

int Scale(int design, UINT dpi) {
  return MulDiv(design, static_cast<int>(dpi), static_cast<int>(kDesignDpi));
}

HFONT CreatePageFont(UINT dpi, int pixels, int weight) {
  LOGFONTW lf = MessageFont(dpi);
  if (pixels > 0) lf.lfHeight = -Scale(pixels, dpi);
  lf.lfWeight = weight;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfQuality = DEFAULT_QUALITY;
  return CreateFontIndirectW(&lf);
}

int LineHeightOf(HFONT font) {
  HDC dc = GetDC(nullptr);
  if (!dc) return 0;
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW metrics = {};
  const BOOL ok = GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return ok ? static_cast<int>(metrics.tmHeight + metrics.tmExternalLeading) : 0;
}

bool MakeProcessPerMonitorDpiAware() {
  static const auto set_context =
      User32Function<SetProcessDpiAwarenessContextFunction>("SetProcessDpiAwarenessContext");
  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
  return set_context && set_context(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4)));
}

}  // namespace kelvane::page
