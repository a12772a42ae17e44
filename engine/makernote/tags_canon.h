// Canon (code 8).
#pragma once

#include "engine/makernote/maker_table.h"

namespace kelvane::maker {

// *Canon (code 8)*
inline constexpr CodeText kCanonProcessing[] = {{1, "標準"}, {2, "AdobeRGB"}, {3, "セピア"}};

inline constexpr MakerTag kCanonTags[] = {
    {.tag = 0x0001, .rule = Rule::kCanonSettings},
    {.tag = 0x0004, .rule = Rule::kCanonSettings},
    {.tag = 0x0006, .name = "イメージの種類 ", .camera_type = true},
    {.tag = 0x0007, .name = "ファームウェア"},
    {.tag = 0x0008, .name = "ファイル番号"},
    {.tag = 0x0009, .name = "所有者名", .ascii = Text::kToNul},
    {.tag = 0x000C, .name = "シリアル番号", .rule = Rule::kCanonSerial},
    {.tag = 0x000F, .rule = Rule::kCanonCustomFunctions},
    {.tag = 0x0012},
    {.tag = 0x0013},
    {.tag = 0x0090},
    {.tag = 0x00A0, .rule = Rule::kCanonSettingsAndRow},
    {.tag = 0x00A8},
    {.tag = 0x00A9},
    {.tag = 0x00AA},
    {.tag = 0x00AE, .name = "色温度", .rule = Rule::kDecimalUnit, .unit = "K"},
    {.tag = 0x00B4, .name = "現像パラメーター", .values = kCanonProcessing, .types = kShort},
    {.tag = 0x00C0},
    {.tag = 0x00C1},
    {.tag = 0x4003},
};

}  // namespace kelvane::maker
