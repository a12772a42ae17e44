// Casio: the first layout (code 7) and the second layout with the "QVC"
// signature, which also serves notes that start with "AOC" (code 31).
#pragma once

#include "engine/makernote/maker_table.h"

namespace kelvane::maker {

// *Casio, first layout (code 7)*
inline constexpr CodeText kCasioRecordingMode[] = {
    {1, "通常撮影"},      {2, "連続撮影"},   {3, "連写撮影"},         {4, "インターバル撮影"},
    {5, "タイマー撮影"},  {7, "パノラマ撮影"}, {8, "ムービー撮影"},     {9, "スポーツ撮影"},
    {10, "夜景撮影"},     {11, "白黒撮影"},   {12, "セピア撮影"},       {13, "多重露光撮影"},
    {14, "AEB撮影"},      {15, "ポートレート撮影"}, {16, "風景撮影"}, {17, "ベストショット"}};
inline constexpr CodeText kCasioQuality[] = {{1, "エコノミー"}, {2, "標準"}, {3, "高精細"}, {4, "超高精細"}};
inline constexpr CodeText kCasioFocusMode[] = {{1, "固定"},         {2, "マクロ"},
                                           {3, "オートフォーカス"}, {4, "マニュアルフォーカス"},
                                           {5, "無限遠"},       {6, "マルチエリアAF"},
                                           {7, "スポットAF"}};
inline constexpr CodeText kCasioFlashMode[] = {
    {1, "自動発光"}, {2, "強制発光"}, {3, "スローシンクロ"}, {4, "発光禁止"}, {5, "赤目軽減"}};
// 12 gives no row at all.
inline constexpr CodeText kCasioFlashIntensity[] = {{1, "標準"},  {2, "弱"},     {3, "強"}, {11, "弱"},
                                                {12, nullptr}, {13, "標準"}, {15, "強"}};
inline constexpr CodeText kCasioWhiteBalance[] = {{1, "オート"}, {2, "電球"}, {3, "太陽光"},
                                              {4, "蛍光灯"}, {5, "日陰"}, {129, "マニュアル"}};
inline constexpr CodeText kCasioSharpness[] = {{0, "標準"}, {1, "ソフト"}, {2, "ハード"},
                                           {16, "標準"}, {17, "+1"},   {18, "-1"},
                                           {19, "+2"},  {20, "-2"}};
inline constexpr CodeText kCasioLevel[] = {{0, "標準"}, {1, "低"},  {2, "高"},  {16, "標準"},
                                       {17, "+1"},  {18, "-1"}, {19, "+2"}, {20, "-2"}};
inline constexpr CodeText kCasioSensitivity[] = {
    {64, "標準"}, {80, "標準"}, {125, "+1.0"}, {244, "+3.0"}, {250, "+2.0"}};
inline constexpr CodeText kCasioEnhancement[] = {
    {1, "オフ"}, {2, "赤"}, {3, "緑"}, {4, "青"}, {5, "フラッシュトーン"}};
inline constexpr CodeText kCasioFilter[] = {{1, "オフ"}, {2, "白黒"}, {3, "セピア"},
                                        {4, "赤"},   {5, "緑"},   {6, "青"},
                                        {7, "黄"},   {8, "ピンク"}, {9, "紫"}};
inline constexpr CodeText kCasioFocusArea[] = {{1, "中央"},   {10, "左上"},   {11, "中央上"},
                                           {12, "左上"},  {13, "左中央"}, {14, "右中央"},
                                           {15, "左下"},  {16, "中央下"}, {17, "右下"}};

inline constexpr MakerTag kCasioTags[] = {
    {.tag = 0x0001, .name = "撮影モード", .values = kCasioRecordingMode, .types = kShort},
    {.tag = 0x0002, .name = "撮影画質", .values = kCasioQuality, .types = kShort},
    {.tag = 0x0003, .name = "フォーカスモード", .values = kCasioFocusMode, .types = kShort},
    {.tag = 0x0004, .name = "フラッシュモード", .values = kCasioFlashMode, .types = kShort},
    {.tag = 0x0005, .name = "フラッシュ強度", .values = kCasioFlashIntensity, .types = kShort},
    {.tag = 0x0006, .name = "被写体までの距離", .rule = Rule::kDecimalUnit, .unit = "(mm)"},
    {.tag = 0x0007, .name = "ホワイトバランス", .values = kCasioWhiteBalance, .types = kShort},
    {.tag = 0x000A, .name = "デジタルズーム", .rule = Rule::kCasioZoom},
    {.tag = 0x000B, .name = "シャープネス", .values = kCasioSharpness, .types = kShort},
    {.tag = 0x000C, .name = "コントラスト", .values = kCasioLevel, .types = kShort},
    {.tag = 0x000D, .name = "彩度", .values = kCasioLevel, .types = kShort},
    {.tag = 0x0014, .name = "CCD感度", .values = kCasioSensitivity, .types = kShort},
    {.tag = 0x0015, .ascii = Text::kNulAsSpace},
    {.tag = 0x0016, .name = "色強調", .values = kCasioEnhancement, .types = kShort},
    {.tag = 0x0017, .name = "フィルター", .values = kCasioFilter, .types = kShort},
    {.tag = 0x0018, .name = "フォーカスエリア", .values = kCasioFocusArea, .types = kShort},
    {.tag = 0x0019, .name = "フラッシュ強度", .values = kCasioFlashIntensity, .types = kShort},
    {.tag = 0x001A, .rule = Rule::kHexDump},
    {.tag = 0x0E00, .name = "PrintIM IFD", .rule = Rule::kPrintIM},
};

// *Casio, second layout, and "AOC" blocks (code 31)*
inline constexpr CodeText kCasio2Quality[] = {
    {0, "エコノミー"}, {1, "ファイン"}, {2, "S.ファイン"}, {3, "TIFF"}, {4, "CCDRAW"}};
inline constexpr CodeText kCasio2ImageSize[] = {
    {0, "640x480"},    {2, "1024x768"},   {4, "1600x1200"},  {5, "2048x1536"},
    {8, "2560x1920"},  {20, "2288x1712"}, {21, "2592x1944"}, {22, "2304x1728"},
    {34, "1536x1024"}, {35, "2400x1600"}, {36, "3040x2024"}};
inline constexpr CodeText kCasio2FocusMode[] = {{0, "ノーマル"},         {1, "マクロ"},
                                            {3, "マニュアル"},       {4, "スーパーマクロ"},
                                            {16, "シングル"},        {17, "コンティニュアス"},
                                            {255, "遠景"}};
inline constexpr CodeText kCasio2Iso[] = {{3, "50"},   {4, "64"},   {5, "80"},
                                      {6, "100"},  {8, "100"},  {9, "200"},
                                      {12, "400"}, {18, "1600"}, {21, "3200"}};
inline constexpr CodeText kCasio2WhiteBalance[] = {
    {0, "オート"},     {1, "昼光"},       {2, "日陰"},       {4, "白熱灯"},
    {5, "マニュアル"}, {6, "蛍光灯(D)"},  {7, "蛍光灯(N)"},  {8, "蛍光灯(W)"},
    {9, "ストロボ"},   {10, "曇天"},      {16, "グレー点"}};
inline constexpr CodeText kCasio2Level[] = {{0, "-2"}, {1, "標準"}, {2, "+2"}, {3, "-1"},
                                        {4, "+1"}, {5, "-3"},   {6, "+3"}};
inline constexpr CodeText kCasio2ExposureMode[] = {
    {2, "プログラム"},         {3, "グリーンプログラム"}, {4, "シャッター速度優先"},
    {5, "絞り優先"},           {6, "シャッター速度優先"}, {7, "絞り優先"},
    {8, "マニュアル"},         {9, "バルブ"},             {11, "マニュアル"}};
inline constexpr CodeText kCasio2ColorSpace[] = {{0, "sRGB"}, {1, "AdobeRGB"}};
inline constexpr CodeText kCasio2WhiteBalance2[] = {
    {0, "太陽光"}, {1, "オート"},     {3, "日陰"},       {5, "蛍光灯"},
    {9, "電球"},   {12, "フラッシュ"}, {13, "マニュアル"}, {15, "オート"}};
inline constexpr CodeText kCasio2FlashDistance[] = {{0, "オフ"}};
inline constexpr CodeText kCasio2RecordMode[] = {{2, "通常撮影"}, {6, "ベストショット"}, {10, "夜景撮影"}};
inline constexpr CodeText kCasio2SubMode[] = {{1, ""}, {7, "セルフタイマー"}, {10, "カップリングショット"}};
inline constexpr CodeText kCasio2BestShot[] = {{0, "オフ"}};
inline constexpr CodeText kCasio2ColorMode[] = {{0, "カラー"}, {2, "白黒"}, {3, "セピア"}};
inline constexpr CodeText kCasio2Colors[] = {{0, "オフ"}, {1, "青"}, {3, "緑"},   {4, "黄"},
                                         {5, "赤"},   {6, "紫"}, {7, "ピンク"}, {9, "肌色"}};

inline constexpr MakerTag kCasio2Tags[] = {
    {.tag = 0x0003, .name = "サムネイルサイズ"},
    {.tag = 0x0004, .name = "サムネイル位置"},
    {.tag = 0x0006, .rule = Rule::kHexDump},
    {.tag = 0x0007, .rule = Rule::kHexDump},
    {.tag = 0x0008, .name = "画質モード", .values = kCasio2Quality, .types = kShort},
    {.tag = 0x0009, .name = "画像サイズ", .values = kCasio2ImageSize, .types = kShort},
    {.tag = 0x000D, .name = "フォーカスモード", .values = kCasio2FocusMode, .types = kShort},
    {.tag = 0x0014, .name = "ISO感度", .values = kCasio2Iso, .types = kShort},
    {.tag = 0x0019, .name = "ホワイトバランス", .values = kCasio2WhiteBalance, .types = kShort},
    {.tag = 0x001D, .name = "レンズの焦点距離"},
    {.tag = 0x001F, .name = "彩度", .values = kCasio2Level, .types = kShort},
    {.tag = 0x0020, .name = "コントラスト", .values = kCasio2Level, .types = kShort},
    {.tag = 0x0021, .name = "シャープネス", .values = kCasio2Level, .types = kShort},
    {.tag = 0x0027, .rule = Rule::kHexDump},
    {.tag = 0x0028, .rule = Rule::kHexDump},
    {.tag = 0x0033, .name = "撮影モード", .values = kCasio2ExposureMode, .types = kByte},
    {.tag = 0x0037, .name = "カラースペース", .values = kCasio2ColorSpace, .types = kShort},
    {.tag = 0x003C, .rule = Rule::kHexDump},
    {.tag = 0x003E},
    {.tag = 0x003F, .name = "レンズ情報"},
    {.tag = 0x0E00, .name = "PrintIM IFD", .rule = Rule::kPrintIM},
    {.tag = 0x2003, .rule = Rule::kHexDump},
    {.tag = 0x2011, .name = "ホワイトバランス補正値"},
    {.tag = 0x2012, .name = "ホワイトバランス", .values = kCasio2WhiteBalance2, .types = kShort},
    {.tag = 0x2022, .name = "被写体までの距離"},
    {.tag = 0x2031, .rule = Rule::kHexDump},
    {.tag = 0x2032, .rule = Rule::kHexDump},
    {.tag = 0x2034, .name = "フラッシュ距離", .values = kCasio2FlashDistance, .types = kShort},
    {.tag = 0x3000, .name = "撮影モード", .values = kCasio2RecordMode, .types = kShort},
    {.tag = 0x3001, .name = "サブ撮影モード", .values = kCasio2SubMode, .types = kShort},
    {.tag = 0x3002, .name = "画質モード", .values = kCasioQuality, .types = kShort},
    {.tag = 0x3003, .name = "フォーカスモード", .values = kCasioFocusMode, .types = kShort},
    {.tag = 0x3006, .name = "タイムゾーン", .ascii = Text::kNulAsSpace},
    {.tag = 0x3007, .name = "ベストショット番号", .values = kCasio2BestShot, .types = kShort},
    {.tag = 0x3011, .rule = Rule::kHexDump},
    {.tag = 0x3012, .rule = Rule::kHexDump},
    {.tag = 0x3013, .rule = Rule::kHexDump},
    {.tag = 0x3014, .name = "CCD感度"},
    {.tag = 0x3015, .name = "カラーモード", .values = kCasio2ColorMode, .types = kShort},
    {.tag = 0x3016, .name = "色強調", .values = kCasio2Colors, .types = kShort},
    {.tag = 0x3017, .name = "フィルター", .values = kCasio2Colors, .types = kShort},
};

}  // namespace kelvane::maker
