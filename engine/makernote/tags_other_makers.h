// The smaller tables: Konica (code 9), Kyocera (code 24), Toshiba (code 29),
// Sigma (code 33) and KDDI phones (code 35). Sony is in tags_sony.h,
// Panasonic and Leica (code 25) are in tags_panasonic.h.
#pragma once

#include "engine/makernote/maker_table.h"

namespace kelvane::maker {

// *Konica (code 9)*
inline constexpr MakerTag kKonicaTags[] = {
    {.tag = 0x0E00, .name = "PrintIM IFD", .rule = Rule::kPrintIM},
};

// *Kyocera (code 24)*
inline constexpr MakerTag kKyoceraTags[] = {
    {.tag = 0x0001, .name = "サムネイル画像"},
    {.tag = 0x0E00, .name = "PrintIM IFD", .rule = Rule::kPrintIM},
};

// *Toshiba PDR-M81/M25 (code 29)*
inline constexpr MakerTag kToshibaTags[] = {
    {.tag = 0x0E00, .name = "PrintIM IFD", .rule = Rule::kPrintIM},
};

// *Sigma (code 33)*
inline constexpr MakerTag kSigmaTags[] = {
    {.tag = 0x0002, .name = "シリアル番号"},
    {.tag = 0x0003, .name = "ドライブモード"},
    {.tag = 0x0004, .name = "解像度"},
    {.tag = 0x0005, .name = "AFモード"},
    {.tag = 0x0006, .name = "フォーカスモード"},
    {.tag = 0x0007, .name = "ホワイトバランス"},
    {.tag = 0x0008, .name = "撮影モード"},
    {.tag = 0x0009, .name = "測光モード"},
    {.tag = 0x000A, .name = "レンズ焦点範囲"},
    {.tag = 0x000B, .name = "カラースペース"},
    {.tag = 0x000C, .name = "露出"},
    {.tag = 0x000D, .name = "コントラスト"},
    {.tag = 0x000E, .name = "シャドウ"},
    {.tag = 0x000F, .name = "ハイライト"},
    {.tag = 0x0010, .name = "彩度"},
    {.tag = 0x0011, .name = "シャープネス"},
    {.tag = 0x0012, .name = "X3 Fill Light"},
    {.tag = 0x0014, .name = "カラー調整"},
    {.tag = 0x0015, .name = "調整モード"},
    {.tag = 0x0016, .name = "画質"},
    {.tag = 0x0017, .name = "ファームウェア"},
    {.tag = 0x0018, .name = "ソフトウェア"},
    {.tag = 0x0019, .name = "オートブラケット"},
};

// *KDDI (code 35)*
inline constexpr MakerTag kKddiTags[] = {
    {.tag = 0x0000, .name = "バージョン", .block = Text::kSkipNul},
    {.tag = 0x0001, .name = "画質モード", .ascii = Text::kNulAsSpace},
};

}  // namespace kelvane::maker
