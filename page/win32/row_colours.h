// How a row of each style looks in the list: text colour and background
// (red, green, blue). Styles outside the table look like style 0.
#pragma once

#include <windows.h>

#include <array>

namespace kelvane::page {

struct RowColours {
  COLORREF text;
  COLORREF background;
};

inline constexpr std::array<RowColours, 5> kRowColours = {{
    {RGB(0, 0, 0), RGB(242, 254, 226)},      // 0 basic: pale green
    {RGB(0, 0, 0), RGB(255, 255, 185)},      // 1 key: light yellow
    {RGB(128, 128, 128), RGB(255, 255, 255)},  // 2 detail: grey on white
    {RGB(255, 255, 255), RGB(0, 0, 160)},    // 3 group caption: white on dark blue
    {RGB(0, 0, 0), RGB(255, 255, 255)},      // 4 plain
}};

constexpr const RowColours& ColoursOf(int style) {
  return style >= 0 && style < static_cast<int>(kRowColours.size())
             ? kRowColours[static_cast<size_t>(style)]
             : kRowColours[0];
}

// A row as the list shows it. Selected in the focused list: the system's
// highlight. Selected while the list has not the focus: the row's own
// colours (caption bars stay bars, detail rows stay grey) with a third of
// the highlight mixed into the background, so the selection stays visible.
constexpr COLORREF Mix(COLORREF a, COLORREF b, int b_thirds) {
  auto part = [&](int shift) {
    const int x = static_cast<int>((a >> shift) & 0xFF), y = static_cast<int>((b >> shift) & 0xFF);
    return static_cast<COLORREF>((x * (3 - b_thirds) + y * b_thirds) / 3) << shift;
  };
  return part(0) | part(8) | part(16);
}

constexpr RowColours ShownColours(int style, bool selected, bool focused, COLORREF highlight,
                                  COLORREF highlight_text) {
  const RowColours& own = ColoursOf(style);
  if (!selected) return own;
  if (focused) return {highlight_text, highlight};
  return {own.text, Mix(own.background, highlight, 1)};
}

// The summary line's background.
inline constexpr COLORREF kNameEditBackground = RGB(255, 251, 223);

}  // namespace kelvane::page
