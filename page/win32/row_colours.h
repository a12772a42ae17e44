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

// The summary line's background.
inline constexpr COLORREF kNameEditBackground = RGB(255, 251, 223);

}  // namespace kelvane::page
