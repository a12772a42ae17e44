// Kodak's special-effects IFD (code 22) and borders IFD (code 23), both
// found through the Kodak tags of IFD0 or of the APP3 "Meta" block.
#pragma once

#include "engine/makernote/maker_table.h"

namespace kelvane::maker {

// *Kodak special-effects IFD (code 22)*
inline constexpr CodeText kKodakEffectType[] = {
    {0, "未適用"},       {1, "BLACK WHITE"},       {2, "SEPIA"},
    {3, "ENHANCED CONTRAST"}, {4, "BACKLIGHT"},    {5, "FLASHFACE"},
    {6, "ILLUMANCE"},    {7, "TEXTURIZED/CANVAS"}, {8, "STAMP FOR COLORING BOOK"}};

inline constexpr MakerTag kKodakEffectsTags[] = {
    {.tag = 0x0000, .name = "エフェクトバージョン", .block = Text::kSkipNul},
    {.tag = 0x0001, .name = "エフェクト名", .block = Text::kRaw},
    {.tag = 0x0002, .name = "エフェクトの種類", .block = Text::kRaw, .values = kKodakEffectType,
     .types = kShort},
};

// *Kodak borders IFD (code 23)*
inline constexpr CodeText kKodakBorderId[] = {{0, "不明"}, {1, "なし"}};
inline constexpr CodeText kKodakBorderLocation[] = {
    {0, "不明"}, {1, "RECTANGULAR COORDINATES"}, {2, "MASK"}};
inline constexpr CodeText kKodakBorderType[] = {{0, "不明"}, {1, "図形"}, {2, "写真"}};
inline constexpr CodeText kKodakWatermarkType[] = {{0, "なし"}, {1, "日付"}, {2, "日付/時刻"},
                                               {3, "不明"}, {4, "テキスト"}, {5, "ロゴ"}};

inline constexpr MakerTag kKodakBordersTags[] = {
    {.tag = 0x0000, .name = "Borders Version"},
    {.tag = 0x0001, .name = "Border Name", .block = Text::kRaw},
    {.tag = 0x0002, .name = "Border ID", .values = kKodakBorderId, .types = kLong},
    {.tag = 0x0003, .name = "Border Location", .values = kKodakBorderLocation, .types = kShort},
    {.tag = 0x0004, .name = "Border Type", .values = kKodakBorderType, .types = kShort},
    {.tag = 0x0005, .name = "Border Image Coordinates"},
    {.tag = 0x0006, .name = "Border Mask Compression"},
    {.tag = 0x0007, .name = "Border Mask"},
    {.tag = 0x0008, .name = "Watermark Type", .values = kKodakWatermarkType, .types = kShort},
    {.tag = 0x0009, .name = "Watermark Logo File"},
    {.tag = 0x000A, .name = "Watermark Coordinates"},
};

}  // namespace kelvane::maker
