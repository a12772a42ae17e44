// Canon's settings arrays: for each array element that is shown, its caption
// and how its 16-bit word becomes the value text.
#pragma once

#include <cstdint>
#include <span>

#include "engine/makernote/settings_element.h"

namespace kelvane::canon {

// How an element's word v becomes its value.
enum class Rule {
  kNames,          // the vocabulary; unlisted values "Unknown (v)"
  kSignedNames,    // the vocabulary looked up with v as a signed 16-bit number
  kLevel,          // 0 "標準", 0x7FFF no row, otherwise the signed number with its sign
  kDecimal,        // v in decimal
  kLongFocal,      // no row: v is the long focal length
  kShortFocal,     // no row: v is the short focal length
  kFocalLength,    // the lens range, v being the focal-length unit
  kWhiteBalance,   // no row: v is the white balance the colour temperature needs
  kColourTemp,     // v + "K", only when the white balance is 9 (colour temperature)
  kLensType,       // the lens of ID v in Canon's lens list, chosen among those that
                   // share it by the array's focal range and largest aperture
};

using Element = SettingsElement<Rule>;

// The row keys of the decoded elements, by array.
inline constexpr int32_t kCameraSettingsKind = 0x80001;
inline constexpr int32_t kShotInfoKind = 0x80004;
inline constexpr int32_t kProcessingKind = 0x800A0;
inline constexpr int32_t kCameraSettingsRowKey = 0x910000;
inline constexpr int32_t kShotInfoRowKey = 0x900000;
inline constexpr int32_t kProcessingRowKey = 0x920000;

// White-balance word of the processing array that selects a colour
// temperature set directly.
inline constexpr int64_t kWhiteBalanceColourTemp = 9;

// ---- Camera settings (kind 0x80001) ----

inline constexpr CodeText kMacroMode[] = {{0, nullptr}, {1, "オン"}, {2, "オフ"}};
inline constexpr CodeText kSelfTimer[] = {{0, "オフ"}, {20, "2秒"}, {100, "10秒"}};
inline constexpr CodeText kQuality[] = {
    {1, "エコノミー"}, {2, "ノーマル"}, {3, "ファイン"}, {4, "RAW"}, {5, "スーパーファイン"}};
inline constexpr CodeText kFlashMode[] = {
    {0, "禁止"},           {1, "自動"},           {2, "強制"},
    {3, "赤目緩和"},       {4, "スローシンクロ"}, {5, "赤目緩和オート"},
    {6, "赤目緩和オン"},   {16, "外部フラッシュ使用"}};
inline constexpr CodeText kDriveMode[] = {{0, "１コマ撮影"},
                                           {1, "連続撮影"},
                                           {2, "セルフタイマー撮影"},
                                           {4, "低速連続撮影"},
                                           {5, "高速連続撮影"}};
inline constexpr CodeText kFocusMode[] = {
    {0, "ワンショット"},         {1, "AIサーボ"},         {2, "AIフォーカス"},
    {3, "マニュアルフォーカス"}, {4, "シングルフォーカス"}, {5, "連続フォーカス"},
    {6, "マニュアルフォーカス"}};
inline constexpr CodeText kImageSize[] = {{0, "LARGE"},   {1, "MEDIUM"},  {2, "SMALL"},
                                           {5, "MEDIUM1"}, {6, "MEDIUM2"}, {0xFFFF, nullptr}};
inline constexpr CodeText kImageSelectMode[] = {
    {0, "フルオート"},      {1, "マニュアル"},        {2, "風景"},
    {3, "高速シャッター"},  {4, "スローシャッター"},  {5, "夜景"},
    {6, "白黒"},            {7, "セピア"},            {8, "ポートレート"},
    {9, "スポーツ"},        {10, "マクロ/クローズアップ"}, {11, "パンフォーカス"}};
inline constexpr CodeText kDigitalZoom[] = {
    {0, "オフ"}, {1, "2倍"}, {2, "4倍"}, {3, "オン"}, {0xFFFF, nullptr}};
inline constexpr CodeText kIsoSpeed[] = {{0, nullptr},     {1, "ISO200"},  {2, "ISO400"},
                                          {15, "AUTO"},     {16, "ISO50"},  {17, "ISO100"},
                                          {18, "ISO200"},   {19, "ISO400"}, {0x7FFF, nullptr}};
inline constexpr CodeText kMeteringMode[] = {
    {0, "中央重点測光"}, {1, "スポット測光"},   {2, "平均測光"},
    {3, "評価測光"},     {4, "中央部部分測光"}, {5, "中央部重点平均測光 "}};
inline constexpr CodeText kFocusType[] = {{0, "マニュアル"}, {1, "オート"}, {2, nullptr},
                                           {3, "マクロ"},     {7, "遠景"},   {8, "固定"}};
inline constexpr CodeText kAfPoint[] = {{0, nullptr},         {0x3000, "オフ"},
                                         {0x3001, "自動選択"}, {0x3002, "右"},
                                         {0x3003, "中央"},     {0x3004, "左"}};
inline constexpr CodeText kExposureMode[] = {
    {0, "イメージセレクト"},       {1, "プログラムAE"}, {2, "シャッター速度優先AE"},
    {3, "絞り優先AE"},             {4, "マニュアル設定"}, {5, "自動深度優先(A-DEP)"},
    {6, "DEP"},                    {9, "バルブ撮影"}};
inline constexpr CodeText kFlashFired[] = {
    {0, "オフ"}, {1, "発光"}, {255, "オフ"}, {0xFFFF, nullptr}};
inline constexpr CodeText kLongExposure[] = {
    {0, "オフ"}, {1, nullptr}, {4, "オン"}, {0xFFFF, nullptr}};
inline constexpr CodeText kColourEffect[] = {
    {0, "オフ"},   {1, "くっきりカラー"}, {2, "すっきりカラー"}, {3, "ソフト"},
    {4, "セピア"}, {5, "白黒"},           {6, "カスタム"},       {0xFFFF, nullptr}};

inline constexpr Element kCameraSettings[] = {
    {1, "マクロモード", Rule::kNames, kMacroMode},
    {2, "セルフタイマ", Rule::kNames, kSelfTimer},
    {3, "圧縮率", Rule::kNames, kQuality},
    {4, "フラッシュモード", Rule::kNames, kFlashMode},
    {5, "ドライブモード", Rule::kNames, kDriveMode},
    {7, "フォーカスモード", Rule::kNames, kFocusMode},
    {10, "画像サイズ", Rule::kNames, kImageSize},
    {11, "イメージセレクトモード ", Rule::kNames, kImageSelectMode},
    {12, "デジタルズーム", Rule::kNames, kDigitalZoom},
    {13, "コントラスト", Rule::kLevel, {}},
    {14, "彩度", Rule::kLevel, {}},
    {15, "シャープネス", Rule::kLevel, {}},
    {16, "CCD感度", Rule::kNames, kIsoSpeed},
    {17, "測光方式", Rule::kNames, kMeteringMode},
    {18, "フォーカスタイプ", Rule::kNames, kFocusType},
    {19, "AFポイント選択", Rule::kNames, kAfPoint},
    {20, "露出制御モード", Rule::kNames, kExposureMode},
    {22, "レンズ", Rule::kLensType, {}},
    {23, "", Rule::kLongFocal, {}},
    {24, "", Rule::kShortFocal, {}},
    {25, "レンズ焦点距離", Rule::kFocalLength, {}},
    {28, "フラッシュ状態", Rule::kNames, kFlashFired},
    {33, "長秒時設定", Rule::kNames, kLongExposure},
    {40, "色効果", Rule::kNames, kColourEffect},
    {42, "カラートーン", Rule::kLevel, {}},
};

// ---- Shot information (kind 0x80004) ----

inline constexpr CodeText kWhiteBalance[] = {
    {0, "オート"},      {1, "太陽光"},        {2, "曇り"},      {3, "白熱灯"},
    {4, "蛍光灯"},      {5, "フラッシュ"},    {6, "カスタム"},  {7, "白黒"},
    {8, "日陰"},        {9, "色温度直接設定"}, {10, "PC Set1"}, {11, "PC Set2"},
    {12, "PC Set3"},    {14, "蛍光灯 H"},     {15, "カスタム1"}, {16, "カスタム2"},
    {0xFFFF, nullptr}};
inline constexpr CodeText kAfFrames[] = {
    {0, nullptr},           {0x3001, "右"},      {0x3002, "中央"},
    {0x3003, "中央 右"},    {0x3004, "左"},      {0x3005, "左 右"},
    {0x3006, "左 中央"},    {0x3007, "左 中央 右"}};
inline constexpr CodeText kFlashExposureComp[] = {
    {-64, "-2 EV"},    {-52, "-1.67 EV"}, {-48, "-1.50 EV"}, {-44, "-1.33 EV"},
    {-32, "-1 EV"},    {-20, "-0.67 EV"}, {-16, "-0.50 EV"}, {-12, "-0.33 EV"},
    {0, "0 EV "},      {12, "0.33 EV"},   {16, "0.50 EV"},   {20, "0.67 EV"},
    {32, "1 EV"},      {44, "1.33 EV"},   {48, "1.50 EV"},   {52, "1.67 EV"},
    {64, "2 EV"}};

inline constexpr Element kShotInfo[] = {
    {7, "ホワイトバランス設定", Rule::kNames, kWhiteBalance},
    {9, "連続撮影時の連番", Rule::kDecimal, {}},
    {14, "合焦AFフレーム(AiAF)", Rule::kNames, kAfFrames},
    {15, "フラッシュ発光強度補正", Rule::kSignedNames, kFlashExposureComp},
};

// ---- Processing information (kind 0x800A0) ----

inline constexpr CodeText kSharpnessStrength[] = {
    {0, "0"}, {1, "1"}, {2, "2"}, {3, "3"}, {4, "4"}, {5, "5"}};
inline constexpr CodeText kSharpnessTarget[] = {
    {1, "粗い"}, {2, "やや粗い"}, {3, "標準"}, {4, "やや細かい"}, {5, "細かい"}};
inline constexpr CodeText kColourMatrix[] = {{1, "マトリックス1(sRGB)"},
                                              {2, "マトリックス2(sRGB)"},
                                              {3, "マトリックス3(sRGB)"},
                                              {4, "マトリックス4(AdobeRGB)"},
                                              {5, "マトリックス5(sRGB)"}};

inline constexpr Element kProcessing[] = {
    {2, "シャープネスの強さ", Rule::kNames, kSharpnessStrength},
    {3, "シャープネスの対象", Rule::kNames, kSharpnessTarget},
    {8, "", Rule::kWhiteBalance, {}},
    {9, "指定色温度", Rule::kColourTemp, {}},
    {10, "カラーマトリックス", Rule::kNames, kColourMatrix},
};

}  // namespace kelvane::canon
