// The page font: "ＭＳ Ｐゴシック", Shift_JIS character set.
#pragma once

#include <windows.h>

namespace kelvane::page {

inline constexpr wchar_t kPageFontFace[] = L"ＭＳ Ｐゴシック";

// `pixels` is the character height.
HFONT CreatePageFont(int pixels, int weight = FW_NORMAL);

}  // namespace kelvane::page
