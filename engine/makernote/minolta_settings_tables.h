// Minolta DiMAGE camera settings: which 32-bit word of the settings block
// carries which setting, its caption and how its value becomes text.
#pragma once

#include <cstdint>
#include <span>

#include "engine/makernote/settings_element.h"

namespace kelvane::minolta {

// How a word's value v becomes its value text.
enum class Rule {
  kNames,         // the vocabulary; unlisted values "Unknown (v)"
  kNamesOrNumber, // the vocabulary where it names v; otherwise v in decimal
  kNumber,        // v in decimal
  kLessFive,      // v - 5 in decimal
  // Blocks of fewer than kLargeBlock bytes: the vocabulary (unlisted values
  // "Unknown (v)"); larger blocks: v - 5 in decimal.
  kSmallNamesElseLessFive,
  // Larger blocks: the vocabulary where it names v; smaller blocks and
  // unlisted values: v in decimal.
  kLargeNamesElseNumber,
};

using Word = SettingsElement<Rule>;

// The settings block that older bodies write is shorter than this; newer
// bodies write larger blocks with differently coded values.
inline constexpr uint32_t kLargeBlock = 229;

// Row key of word i: kRowKey + i.
inline constexpr int32_t kRowKey = 0x930000;

// Nothing after this word is shown.
inline constexpr uint32_t kLastWord = 52;

inline constexpr CodeText kExposureMode[] = {{0, "P (プログラムモード)"},
                                              {1, "A (絞り優先モード)"},
                                              {2, "S (シャッター速度優先モード)"},
                                              {3, "M (マニュアルモード)"}};
inline constexpr CodeText kFlashMode[] = {
    {0, "通常発光"}, {1, "赤目軽減"}, {2, "後幕シンクロ"}, {3, "ワイヤレス"},   {4, "発光禁止"},
    {5, "強制発光"}, {6, "自動発光"}, {7, "赤目自動発光"}, {8, "赤目強制発光"}};
inline constexpr CodeText kImageSize[] = {{0, "2568x1928 (FULL)"},
                                           {1, "1600x1200 (UXGA)"},
                                           {2, "1280x960 (SXGA)"},
                                           {3, "640x480 (VGA)"},
                                           {4, "1024x768"}};
inline constexpr CodeText kQuality[] = {{0, "CCDRAW"}};
inline constexpr CodeText kDriveMode[] = {
    {0, "単写"}, {1, "連写"}, {3, "単写ブラケット"}, {4, "連写ブラケット"}, {5, "インターバル"}};
inline constexpr CodeText kMeteringMode[] = {
    {0, "多分割測光"}, {2, "スポット測光"}, {4, "シャドー測光"}};
inline constexpr CodeText kOffOn[] = {{0, "オフ"}, {1, "オン"}};
inline constexpr CodeText kExposureComp[] = {
    {0, "-2"},  {1, "-1 2/3"}, {2, "-1 1/3"}, {3, "-1"},      {4, "-2/3"},
    {5, "-1/3"}, {6, "±0"},    {7, "+1/3"},   {8, "+2/3"},    {9, "+1"},
    {10, "+1 1/3"}, {11, "+1 2/3"}, {12, "+2"}};
inline constexpr CodeText kBracketStep[] = {
    {0, "タイプA (0.3EV)"}, {1, "タイプB (0.7EV)"}, {2, "タイプC (1.0EV)"}};
inline constexpr CodeText kBracketFrames[] = {{0, "3"}, {1, "5"}, {2, "7"}};
inline constexpr CodeText kSevenSteps[] = {{0, "-3"},   {1, "-2"}, {2, "-1"}, {3, "標準"},
                                            {4, "+1"},   {5, "+2"}, {6, "+3"}};
inline constexpr CodeText kSharpness[] = {{0, "ハード"}};
inline constexpr CodeText kSceneSelector[] = {{0, "Pモード"}, {1, "ポートレート"},
                                               {2, "テキスト"}, {3, "夜景"},
                                               {4, "夕景"},     {5, "スポーツ"},
                                               {6, "風景"}};
inline constexpr CodeText kFlashComp[] = {
    {0, "-2.0"}, {1, "-1.7"}, {2, "-1.3"}, {3, "-1.0"}, {4, "-0.7"},  {5, "-0.3"}, {6, "±0"},
    {7, "+0.3"}, {8, "+0.7"}, {9, "+1.0"}, {10, "+1.3"}, {11, "+1.7"}, {12, "+2.0"}};
inline constexpr CodeText kColourMode[] = {{0, "Natural sRGB"},
                                            {1, "B&W"},
                                            {2, "Vivid sRGB"},
                                            {3, "Solarization"},
                                            {4, "AdobeRGB"}};
inline constexpr CodeText kFocusMode[] = {{0, "AF"}, {1, "MF"}};
inline constexpr CodeText kFocusArea[] = {{0, "ワイド"}, {1, "ローカル"}};

inline constexpr Word kWords[] = {
    {1, "露出モード", Rule::kNames, kExposureMode},
    {2, "フラッシュモード", Rule::kNames, kFlashMode},
    {3, "ホワイトバランス", Rule::kNumber, {}},
    {4, "画像サイズ", Rule::kNames, kImageSize},
    {5, "画質モード", Rule::kNamesOrNumber, kQuality},
    {6, "ドライブモード", Rule::kNamesOrNumber, kDriveMode},
    {7, "測光モード", Rule::kNamesOrNumber, kMeteringMode},
    {11, "マクロモード", Rule::kNames, kOffOn},
    {12, "デジタルズーム", Rule::kNames, kOffOn},
    {13, "露出補正(EV)", Rule::kNames, kExposureComp},
    {14, "ブラケット段階", Rule::kNames, kBracketStep},
    {15, "ブラケット枚数", Rule::kNames, kBracketFrames},
    {31, "彩度補正", Rule::kSmallNamesElseLessFive, kSevenSteps},
    {32, "コントラスト補正", Rule::kSmallNamesElseLessFive, kSevenSteps},
    {33, "シャープネス", Rule::kNamesOrNumber, kSharpness},
    {34, "シーンセレクタ", Rule::kNames, kSceneSelector},
    {35, "フラッシュ調光補正", Rule::kNames, kFlashComp},
    {40, "カラーモード", Rule::kLargeNamesElseNumber, kColourMode},
    {41, "フィルター効果", Rule::kLessFive, {}},
    {48, "フォーカスモード", Rule::kNames, kFocusMode},
    {49, "フォーカスエリア", Rule::kNames, kFocusArea},
    {52, "手ぶれ補正", Rule::kNames, kOffOn},
};

}  // namespace kelvane::minolta
