// Fujifilm (code 12) and the Fujifilm 230HD (code 14).
#pragma once

#include "engine/makernote/maker_table.h"

namespace kelvane::maker {

// *Fujifilm (code 12)*
inline constexpr CodeText kFujiSharpness[] = {
    {1, "-"}, {2, "SOFT"}, {3, "NORMAL"}, {4, "HARD"}, {5, "+"}};
inline constexpr CodeText kFujiWhiteBalance[] = {
    {0, "オート"},          {256, "晴天"},          {512, "日陰"},
    {768, "昼光色蛍光灯"},  {769, "昼白色蛍光灯"},  {770, "白色蛍光灯"},
    {1024, "電球・白熱灯"}, {3840, "マニュアル"},   {3841, "マニュアル・補正"}};
inline constexpr CodeText kFujiColor[] = {{0, "標準"}, {256, "HIGH"}, {512, "ORG"}, {768, "BW"}};
inline constexpr CodeText kFujiTone[] = {{0, "標準"}, {256, "HARD"}, {512, "ORG"}};
inline constexpr CodeText kFujiFlashMode[] = {
    {0, "オート"}, {1, "強制発光"}, {2, "発光禁止"}, {3, "赤目軽減"}, {4, "外部フラッシュ"}};
inline constexpr CodeText kFujiOffOn[] = {{0, "オフ"}, {1, "オン"}};
inline constexpr CodeText kFujiFocusMode[] = {{0, "オートフォーカス"}, {1, "マニュアルフォーカス"}};
inline constexpr CodeText kFujiPictureMode[] = {
    {0, "オート"},          {1, "ポートレート"}, {2, "風景"},
    {3, "スポーツ"},        {4, "スポーツ"},     {5, "夜景"},
    {6, "プログラムAE"},    {256, "絞り優先AE"}, {512, "シャッター速度優先AE"},
    {768, "マニュアル"}};
inline constexpr CodeText kFujiContinuous[] = {{0, "オフ"}, {1, "オン"}, {2, "オン(MEGA連写)"}};
inline constexpr CodeText kFujiFinePixColor[] = {{0, "F-スタンダード"}, {16, "F-クローム"}, {48, "F-B&W"}};
inline constexpr CodeText kFujiWarning[] = {{0, "なし"}, {1, "あり"}};
inline constexpr CodeText kFujiStatus[] = {{0, "良好"}, {1, "不良"}};

inline constexpr MakerTag kFujifilmTags[] = {
    {.tag = 0x0000, .name = "バージョン", .block = Text::kSkipNul},
    {.tag = 0x1000, .name = "画質モード"},
    {.tag = 0x1001, .name = "シャープネス", .values = kFujiSharpness, .types = kShort},
    {.tag = 0x1002, .name = "ホワイトバランス", .values = kFujiWhiteBalance, .types = kShort},
    {.tag = 0x1003, .name = "カラー", .values = kFujiColor, .types = kShort},
    {.tag = 0x1004, .name = "階調補正", .values = kFujiTone, .types = kShort},
    {.tag = 0x1010, .name = "フラッシュモード", .values = kFujiFlashMode, .types = kShort},
    {.tag = 0x1011, .name = "ストロボ明るさ"},
    {.tag = 0x1020, .name = "マクロモード", .values = kFujiOffOn, .types = kShort},
    {.tag = 0x1021, .name = "フォーカスモード", .values = kFujiFocusMode, .types = kShort},
    {.tag = 0x1022, .name = "センター固定AF", .values = kFujiOffOn, .types = kShort},
    {.tag = 0x1023, .name = "フォーカスポイント"},
    {.tag = 0x1030, .name = "スローシンクロ", .values = kFujiOffOn, .types = kShort},
    {.tag = 0x1031, .name = "撮影モード", .values = kFujiPictureMode, .types = kShort},
    {.tag = 0x1100, .name = "連写モード", .values = kFujiContinuous, .types = kShort},
    {.tag = 0x1101, .name = "連写連番"},
    {.tag = 0x1210, .name = "FinePixカラー", .values = kFujiFinePixColor, .types = kShort},
    {.tag = 0x1300, .name = "手ぶれ警告", .values = kFujiWarning, .types = kShort},
    {.tag = 0x1301, .name = "フォーカス状態", .values = kFujiStatus, .types = kShort},
    {.tag = 0x1302, .name = "露出状態", .values = kFujiStatus, .types = kShort},
    {.tag = 0x8002, .name = "グループ番号"},
    {.tag = 0x8003, .name = "コマ番号"},
};

// *Fujifilm 230HD (code 14)*
inline constexpr MakerTag kFujifilm230Tags[] = {
    {.tag = 0x0000, .name = "バージョン", .block = Text::kSkipNul},
    {.tag = 0x1000, .name = "画質モード"},
};

}  // namespace kelvane::maker
