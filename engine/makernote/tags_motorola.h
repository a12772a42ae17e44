// Motorola phones (code 53): "MOT\0", four bytes, then the IFD; offsets
// count from the note's first byte. The tags are those of ExifTool's public
// "Motorola Tags" page.
#pragma once

#include "engine/makernote/maker_table.h"

namespace kelvane::maker {

inline constexpr MakerTag kMotorolaTags[] = {
    {.tag = 0x5500, .name = "ビルド番号", .style = kStyleKey},
    {.tag = 0x5501, .name = "シリアル番号", .style = kStyleKey},
    {.tag = 0x6420, .name = "カスタム画像処理"},
    {.tag = 0x64D0, .name = "ドライブモード"},
    {.tag = 0x665E, .name = "センサー"},
    {.tag = 0x6705, .name = "製造日"},
};

}  // namespace kelvane::maker
