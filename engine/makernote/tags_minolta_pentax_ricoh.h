// Minolta DiMAGE (code 18), Pentax Optio 330/430 (code 19) and Ricoh
// Caplio (code 20).
#pragma once

#include "engine/makernote/maker_table.h"

namespace kelvane::maker {

// *Minolta DiMAGE (code 18)*
inline constexpr CodeText kMinoltaColorMode[] = {{0, "カラー"},         {1, "白黒"},
                                             {2, "カラー(Vivid)"},  {3, "ソラリゼーション"},
                                             {4, "カラー(AdobeRGB)"}, {5, "セピア"}};
inline constexpr CodeText kMinoltaQualityLong[] = {
    {2, "ファイン"}, {3, "ノーマル"}, {4, "エコノミー"}, {5, "エクストラファイン"}};
inline constexpr CodeText kMinoltaImageSize[] = {
    {1, "1600×1200"}, {2, "1280×960"}, {3, "640×480"}, {7, "2048×1536"}};
inline constexpr CodeText kMinoltaQualityShort[] = {{1, "ECON"}, {2, "STD"}, {3, "FINE"}, {4, "TIFF"}};
inline constexpr CodeText kMinoltaOffOn[] = {{0, "オフ"}, {1, "オン"}};

inline constexpr MakerTag kMinoltaTags[] = {
    {.tag = 0x0000, .block = Text::kSkipNul},
    {.tag = 0x0001, .rule = Rule::kMinoltaSettings},
    {.tag = 0x0003, .rule = Rule::kMinoltaSettings},
    {.tag = 0x0081, .name = "サムネイル画像", .rule = Rule::kPreview},
    {.tag = 0x0101, .name = "カラーモード", .values = kMinoltaColorMode, .types = kLong},
    {.tag = 0x0102, .name = "画質モード", .values = kMinoltaQualityLong, .types = kLong},
    {.tag = 0x0103, .name = "画像サイズ", .values = kMinoltaImageSize, .types = kLong},
    {.tag = 0x0201, .name = "画質モード", .values = kMinoltaQualityShort, .types = kShort},
    {.tag = 0x0202, .name = "マクロモード", .values = kMinoltaOffOn, .types = kShort},
    {.tag = 0x0204, .name = "デジタルズーム"},
    {.tag = 0x021D, .name = "マニュアルWB", .values = kMinoltaOffOn, .types = kShort},
    {.tag = 0x0E00, .name = "PrintIM IFD", .rule = Rule::kPrintIM},
};

// *Pentax Optio 330/430 (code 19)*
inline constexpr CodeText kPentaxPictureMode[] = {
    {0, "標準"}, {1, "夜景"}, {2, "マニュアル"}, {3, "動画"}, {4, "多重露出"}};
inline constexpr CodeText kPentaxQuality[] = {
    {0, "エコノミー"}, {1, "ファイン"}, {2, "S.ファイン"}, {3, "TIFF"}, {4, "CCDRAW"}};
inline constexpr CodeText kPentaxFocusMode[] = {{0, "遠景"}, {2, "マクロ"}, {3, "オートフォーカス"}};
inline constexpr CodeText kPentaxFlashMode[] = {{1, "自動発光"}, {2, "強制発光"}, {3, "スローシンクロ"},
                                            {4, "発光禁止"}, {5, "赤目軽減"}, {6, "赤目軽減"}};
inline constexpr CodeText kPentaxWhiteBalance[] = {
    {0, "オート"},      {1, "昼光"},       {2, "日陰"},       {3, "白熱灯"},
    {4, "蛍光灯"},      {5, "マニュアル"}, {6, "蛍光灯(D)"},  {7, "蛍光灯(N)"},
    {8, "蛍光灯(W)"},   {9, "ストロボ"},   {10, "曇天"},      {16, "グレー点"}};
inline constexpr CodeText kPentaxDigitalZoom[] = {
    {0, "オフ"},   {1, "1.12x"}, {2, "1.25x"}, {3, "1.37x"}, {4, "1.50x"},
    {5, "1.62x"}, {6, "1.75x"}, {7, "1.87x"}, {8, "2.00x"}};
inline constexpr CodeText kPentaxSharpness[] = {{0, "標準"}, {1, "Soft"}, {2, "Hard"}};
inline constexpr CodeText kPentaxLevel[] = {{0, "標準"}, {1, "Low"}, {2, "High"}};
inline constexpr CodeText kPentaxColorMode[] = {{1, "フルカラー"}, {2, "白黒"}, {3, "セピア"}};

inline constexpr MakerTag kPentaxTags[] = {
    {.tag = 0x0001, .name = "撮影モード", .values = kPentaxPictureMode, .types = kShort},
    {.tag = 0x0002, .name = "画質モード", .values = kPentaxQuality, .types = kShort},
    {.tag = 0x0003, .name = "フォーカスモード", .values = kPentaxFocusMode, .types = kShort},
    {.tag = 0x0004, .name = "フラッシュモード", .values = kPentaxFlashMode, .types = kShort},
    {.tag = 0x0007, .name = "ホワイトバランス", .values = kPentaxWhiteBalance, .types = kShort},
    {.tag = 0x000A, .name = "デジタルズーム", .values = kPentaxDigitalZoom, .types = kLong},
    {.tag = 0x000B, .name = "シャープネス", .values = kPentaxSharpness, .types = kShort},
    {.tag = 0x000C, .name = "コントラスト", .values = kPentaxLevel, .types = kShort},
    {.tag = 0x000D, .name = "彩度", .values = kPentaxLevel, .types = kShort},
    {.tag = 0x0014, .name = "CCD感度"},
    {.tag = 0x0017, .name = "カラーモード", .values = kPentaxColorMode, .types = kShort},
    {.tag = 0x0E00, .name = "PrintIM IFD", .rule = Rule::kPrintIM},
    {.tag = 0x1000, .name = "タイムゾーン", .block = Text::kSkipNul},
    {.tag = 0x1001, .block = Text::kSkipNul},
};

// *Ricoh Caplio (code 20)*
inline constexpr MakerTag kRicohTags[] = {
    {.tag = 0x0001, .name = "データ形式"},
    {.tag = 0x0002, .name = "ファームウェア"},
    {.tag = 0x0E00, .name = "PrintIM IFD", .rule = Rule::kPrintIM},
    {.tag = 0x1001, .rule = Rule::kHexDump},
    {.tag = 0x2001, .name = "Ricoh Camera Info IFD", .rule = Rule::kRicohCameraInfo},
};

}  // namespace kelvane::maker
