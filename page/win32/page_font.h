// The page's fonts and its DPI. The page draws with the system's message
// font (NONCLIENTMETRICS: Yu Gothic UI or Meiryo UI on Japanese Windows,
// Segoe UI elsewhere, which Windows links to Japanese fonts) and no fixed
// character set, so that Latin and Japanese text both show in any locale.
// Every place and size is designed at 96 DPI and scaled to the page's.
#pragma once

#include <windows.h>

namespace kelvane::page {

inline constexpr UINT kDesignDpi = 96;

// The DPI of `window` (per monitor where Windows tells it), else the
// screen's.
UINT DpiOf(HWND window);

// `design` pixels at 96 DPI, at `dpi`.
int Scale(int design, UINT dpi);

// The message font at `dpi`; `pixels` > 0 asks for that character height
// (at 96 DPI) instead of the system's size.
HFONT CreatePageFont(UINT dpi, int pixels = 0, int weight = FW_NORMAL);

// The height of a line of `font` (character height plus external
// leading), in pixels.
int LineHeightOf(HFONT font);

// Makes the process per-monitor DPI aware (version 2) where Windows has
// it; false otherwise or when its awareness is set already. Explorer is
// per-monitor aware itself: this is for the page's other hosts (the
// viewer, the tests), before they open a window.
bool MakeProcessPerMonitorDpiAware();

}  // namespace kelvane::page
