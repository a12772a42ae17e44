// The about box ("バージョン"): modal, with a caption, centred over the
// page, closed by its OK button, Enter or Escape, and dragged by the left
// mouse button anywhere on it. Its lines are laid out from the height of
// its font, and every place scales with the DPI.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kelvane::page {

inline constexpr wchar_t kAboutCaption[] = L"Kelvane のバージョン情報";

// Where the box's parts go in its client area (pixels).
struct AboutLayout {
  SIZE client;
  RECT top_picture;
  RECT left_picture;
  RECT version_box;
  POINT label;     // the first line's top-left corner
  int line_step;   // from one line's top to the next
  RECT ok_button;
};

// The layout at `dpi` for `lines` lines of a font `line_height` pixels
// high: as designed at 96 DPI with 12-pixel lines (a client area of
// 353x233), growing downwards when the lines need more room.
AboutLayout LayoutAbout(UINT dpi, int line_height, size_t lines);

// The box's window rectangle of `size`, centred over `owner` and kept on
// the owner's monitor (in its work area).
RECT CentredOver(HWND owner, SIZE size);

// Shows the box owned by `owner` and returns when it is closed.
void ShowAbout(HWND owner, const std::string& version, const std::vector<std::string>& lines);

}  // namespace kelvane::page
