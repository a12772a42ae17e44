// Apple: the notes of iPhones and iPads ("Apple iOS\0", a version word,
// "MM", then the IFD; offsets count from the note's first byte). The tags
// and their values are those of ExifTool's public "Apple Tags" page; the
// tags it marks as not understood ("?") are left unnamed.
#pragma once

#include "engine/makernote/maker_table.h"

namespace kelvane::maker {

inline constexpr CodeText kAppleNoYes[] = {{0, "いいえ"}, {1, "はい"}};
inline constexpr CodeText kAppleHdrImageType[] = {{3, "HDR画像"}, {4, "元画像"}};
inline constexpr CodeText kAppleImageCaptureType[] = {
    {1, "ProRAW"}, {2, "ポートレート"}, {10, "写真"}, {11, "マニュアルフォーカス"}, {12, "シーン"}};
inline constexpr CodeText kAppleCameraType[] = {{0, "背面 広角"}, {1, "背面 標準"}, {6, "前面"}};

inline constexpr MakerTag kAppleTags[] = {
    {.tag = 0x0001, .name = "メーカーノートバージョン"},
    {.tag = 0x0003, .name = "起動からの経過時間", .rule = Rule::kAppleRunTime},
    {.tag = 0x0004, .name = "AE安定", .values = kAppleNoYes, .types = kSigned},
    {.tag = 0x0005, .name = "AE目標値"},
    {.tag = 0x0006, .name = "AE平均値"},
    {.tag = 0x0007, .name = "AF安定", .values = kAppleNoYes, .types = kSigned},
    {.tag = 0x0008, .name = "加速度ベクトル(g)", .rule = Rule::kDecimalRationals},
    {.tag = 0x000A, .name = "HDR画像の種類", .values = kAppleHdrImageType, .types = kSigned},
    {.tag = 0x000B, .name = "バーストUUID"},
    {.tag = 0x000C, .name = "合焦距離範囲", .rule = Rule::kDecimalRationals},
    {.tag = 0x000F, .name = "光学式手ぶれ補正モード"},
    {.tag = 0x0011, .name = "コンテンツID"},
    {.tag = 0x0014, .name = "撮影の種類", .values = kAppleImageCaptureType, .types = kSigned},
    {.tag = 0x0015, .name = "画像ユニークID"},
    {.tag = 0x0017, .name = "Live Photo動画インデックス"},
    {.tag = 0x001D, .name = "輝度ノイズ振幅", .rule = Rule::kDecimalRationals},
    {.tag = 0x001F, .name = "写真アプリの機能フラグ"},
    {.tag = 0x0021, .name = "HDRヘッドルーム", .rule = Rule::kDecimalRationals},
    {.tag = 0x0023, .name = "AF性能"},
    {.tag = 0x0027, .name = "S/N比", .rule = Rule::kDecimalRationals},
    {.tag = 0x002B, .name = "写真ID"},
    {.tag = 0x002D, .name = "色温度", .rule = Rule::kDecimalUnit, .unit = "K"},
    {.tag = 0x002E, .name = "カメラの種類", .values = kAppleCameraType, .types = kSigned},
    {.tag = 0x002F, .name = "フォーカス位置"},
    {.tag = 0x0030, .name = "HDRゲイン", .rule = Rule::kDecimalRationals},
    {.tag = 0x0038, .name = "AF測定深度"},
    {.tag = 0x003D, .name = "AF信頼度"},
    {.tag = 0x0040, .name = "セマンティックスタイル", .rule = Rule::kPropertyList},
    {.tag = 0x0041, .name = "セマンティックスタイルの描画バージョン", .rule = Rule::kPropertyList},
    {.tag = 0x0042, .name = "セマンティックスタイルのプリセット", .rule = Rule::kPropertyList},
};

}  // namespace kelvane::maker
