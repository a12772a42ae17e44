// Nikon: the older COOLPIX layout (code 5) and the newer layouts (code 6,
// a plain IFD, and code 27, with its own TIFF header), which share a table.
#pragma once

#include "engine/makernote/maker_table.h"

namespace kelvane::maker {

// *Nikon COOLPIX, older layout (code 5)*
inline constexpr CodeText kCoolpixQuality[] = {
    {1, "VGA BASIC "},   {2, "VGA NORMAL "},  {3, "VGA FINE"},   {4, "XGA BASIC"},
    {5, "XGA NORMAL"},   {6, "XGA FINE"},     {10, "UVGA BASIC "}, {11, "UVGA NORMAL "},
    {12, "UXGA FINE"},   {20, "HI(UNCOMPRESS) "}};
inline constexpr CodeText kCoolpixColorMode[] = {{1, "カラー撮影"}, {2, "モノクロ撮影"}};
inline constexpr CodeText kCoolpixToneCompensation[] = {
    {0, "標準"}, {1, "BR+ "}, {2, "BR- "}, {3, "CONT+"}, {4, "CONT-"}};
inline constexpr CodeText kCoolpixWhiteBalance[] = {{0, "自動"},   {1, "プリセット"}, {2, "昼光"},
                                                {3, "白熱電球"}, {4, "蛍光灯"},     {5, "曇天"},
                                                {6, "スピードライト"}};
inline constexpr CodeText kCoolpixConverter[] = {{1, "Fisheye Converter"}};

inline constexpr MakerTag kCoolpixTags[] = {
    {.tag = 0x0003, .name = "撮影モード", .values = kCoolpixQuality, .types = kShort},
    {.tag = 0x0004, .name = "カラーモード", .values = kCoolpixColorMode, .types = kShort},
    {.tag = 0x0005, .name = "階調補正", .values = kCoolpixToneCompensation, .types = kShort},
    {.tag = 0x0007, .name = "ホワイトバランス", .values = kCoolpixWhiteBalance, .types = kShort},
    {.tag = 0x0008, .name = "フォーカス"},
    {.tag = 0x000A, .name = "デジタルズーム"},
    {.tag = 0x000B, .name = "コンバーター", .values = kCoolpixConverter, .types = kShort},
    {.tag = 0x0F00, .rule = Rule::kUpperHex},
};

// *Nikon, newer layouts (codes 6 and 27)*
inline constexpr CodeText kNikonDriveMode[] = {{0, "１コマ撮影"}, {1, "連続撮影"}, {2, "セルフタイマー"}};
inline constexpr TextLabel kNikonFinish[] = {
    {"NORMAL", "標準"},         {"CUSTOM", "カスタマイズ"},
    {"SHARP", "シャープに"},     {"SOFT", "ソフトに"},
    {"DIRECTPRINT", "ダイレクトプリント"}, {"PORTRAIT", "人物きれい"},
    {"VIVID", "鮮やかに"},       {"LANDSCAPE", "風景きれい"},
    {"", "-"}};

inline constexpr MakerTag kNikonTags[] = {
    // The data version, a four-character text ("0200"), decides below how
    // the thumbnail entry 0x0011 is read. Older bodies store binary bytes.
    {.tag = 0x0001, .name = "データバージョン", .rule = Rule::kVersion, .camera_type = true},
    {.tag = 0x0002, .name = "ISO設定", .rule = Rule::kIsoNumber},
    {.tag = 0x0003, .name = "カラーモード"},
    {.tag = 0x0004, .name = "画質モード"},
    {.tag = 0x0005, .name = "ホワイトバランス"},
    {.tag = 0x0006, .name = "輪郭の強調"},
    {.tag = 0x0007, .name = "フォーカスモード"},
    {.tag = 0x0008, .name = "フラッシュモード"},
    {.tag = 0x000B, .name = "ホワイトバランス補正値"},
    {.tag = 0x000D, .rule = Rule::kHexDump},
    {.tag = 0x000E, .rule = Rule::kHexDump},
    {.tag = 0x000F, .name = "ISOMode"},
    {.tag = 0x0011, .name = "サムネイル情報 IFD", .rule = Rule::kNikonThumbnailIFD},
    {.tag = 0x0012, .rule = Rule::kHexDump},
    {.tag = 0x0080, .name = "画像モード"},
    {.tag = 0x0081, .name = "階調補正"},
    {.tag = 0x0082, .name = "レンズコンバーター"},
    {.tag = 0x0084, .name = "レンズ情報"},
    {.tag = 0x0085, .name = "マニュアルフォーカス距離"},
    {.tag = 0x0086, .name = "デジタルズーム"},
    {.tag = 0x0088, .name = "フォーカスエリア", .rule = Rule::kDecimalBytes},
    {.tag = 0x0089, .name = "動作モード", .values = kNikonDriveMode, .types = kShort | kByte},
    {.tag = 0x008B, .rule = Rule::kHexDump},
    {.tag = 0x008D, .name = "色空間情報"},
    {.tag = 0x008F, .name = "シーンモード"},
    {.tag = 0x0092, .name = "色相補正値"},
    {.tag = 0x0094, .name = "彩度補正"},
    {.tag = 0x0095, .name = "ノイズ除去"},
    {.tag = 0x0098, .rule = Rule::kHexDump},
    {.tag = 0x00A5, .name = "差し引き撮影回数"},
    {.tag = 0x00A6, .name = "削除回数"},
    {.tag = 0x00A7, .name = "撮影回数"},
    {.tag = 0x00A9, .name = "仕上がり設定", .rule = Rule::kNikonFinish, .ascii = Text::kSkipNulSpace,
     .finish = kNikonFinish},
    {.tag = 0x00AB, .name = "デジタルイメージプログラム", .rule = Rule::kNikonProgram,
     .ascii = Text::kSkipNulSpace},
    {.tag = 0x0100, .name = "サムネイル情報"},
    {.tag = 0x0E00, .name = "PrintIM IFD", .rule = Rule::kPrintIM},
};

}  // namespace kelvane::maker
