// The enumerations of SHORT Exif and TIFF values: the first value of the
// entry is looked up here; a value a table does not hold is shown as
// "Unknown (n)".
#pragma once

#include <cstdint>
#include <span>

#include "engine/text/vocabulary.h"

namespace kelvane::exif_vocab {

// 0x103 Compression
inline constexpr CodeText kCompression[] = {
    {1, "非圧縮"},
    {2, "CCITT 1D"},
    {3, "Group 3 Fax"},
    {4, "Group 4 Fax"},
    {5, "LZW"},
    {6, "OLDJPEG"},
    {7, "JPEG"},
    {8, "ADOBE-ZIP"},
    {9, "JBIG, per T.85"},
    {10, "JBIG, per T.43"},
    {32766, "NeXT 2-bit"},
    {32771, "CCITTRLE_W"},
    {32773, "PackBits"},
    {32809, "ThunderScan 4-bit"},
    {32946, "ZIP"},
    {32947, "Kodak DCS"},
    {34661, "ISO JBIG"},
    {34676, "SGI 32-bit Log Luminance"},
    {34677, "SGI 24-bit Log Luminance"},
};

// 0x106 PhotometricInterpretation
inline constexpr CodeText kPhotometric[] = {
    {0, "白黒(WhiteIsZero)"},
    {1, "白黒(BlackIsZero)"},
    {2, "RGB"},
    {3, "RGBPALETTE"},
    {4, "TRANSPMASK"},
    {5, "CMYK"},
    {6, "YCbCr"},
    {8, "CIELAB"},
    {9, "ICCLAB"},
    {10, "ITULAB"},
    {32803, "CFA"},
    {32844, "CIE L"},
    {32845, "CIE Luv"},
};

// 0x112 Orientation
inline constexpr CodeText kOrientation[] = {
    {1, "左上"},
    {2, "右上"},
    {3, "右下"},
    {4, "左下"},
    {5, "左上"},
    {6, "右下"},
    {7, "右下"},
    {8, "左下(縦位置)"},
    {9, "未定義"},
};

// 0x11C PlanarConfiguration
inline constexpr CodeText kPlanarConfiguration[] = {
    {1, "点順次フォーマット"},
    {2, "面順次フォーマット"},
};

// 0x128 ResolutionUnit and 0xA210 FocalPlaneResolutionUnit
inline constexpr CodeText kResolutionUnit[] = {
    {1, "単位定義なし"},
    {2, "インチ"},
    {3, "センチメートル"},
    {4, "ミリメートル"},
    {5, "マイクロメートル"},
};

// 0x213 YCbCrPositioning
inline constexpr CodeText kYCbCrPositioning[] = {
    {1, "中心"},
    {2, "一致"},
};

// 0x8822 ExposureProgram
inline constexpr CodeText kExposureProgram[] = {
    {1, "マニュアル設定"},
    {2, "プログラムAE"},
    {3, "絞り優先AE"},
    {4, "シャッター速度優先AE"},
    {5, "Creative プログラム"},
    {6, "Action プログラム"},
    {7, "ポートレートモード"},
    {8, "風景モード"},
};

// 0x9207 MeteringMode
inline constexpr CodeText kMeteringMode[] = {
    {1, "平均測光"},
    {2, "中央重点測光"},
    {3, "スポット測光"},
    {4, "マルチスポット測光"},
    {5, "分割測光"},
    {6, "部分測光"},
};

// 0x9208 LightSource
inline constexpr CodeText kLightSource[] = {
    {0, "不明"},
    {1, "昼光"},
    {2, "蛍光灯"},
    {3, "白熱電球"},
    {4, "フラッシュ"},
    {9, "晴天"},
    {10, "曇天"},
    {11, "日陰"},
    {12, "昼光色蛍光灯"},
    {13, "昼白色蛍光灯"},
    {14, "冷白色蛍光灯"},
    {15, "白色蛍光灯"},
    {17, "標準光源 A"},
    {18, "標準光源 B"},
    {19, "標準光源 C"},
    {20, "D55"},
    {21, "D65"},
    {22, "D75"},
    {23, "D50"},
    {24, "ISO studio tungsten"},
    {255, "その他"},
};

// 0x9209 Flash
inline constexpr CodeText kFlash[] = {
    {0, "オフ"},
    {1, "発光"},
    {4, "オフ・リターン不検出"},
    {5, "発光・リターン不検出"},
    {7, "発光・リターン検出"},
    {9, "発光"},
    {13, "強制発光・リターン不検出"},
    {15, "強制発光・リターン検出"},
    {16, "発光禁止"},
    {24, "オフ(自動)"},
    {25, "発光(自動)"},
    {29, "発光(自動)・リターン不検出"},
    {31, "発光(自動)・リターン検出"},
    {32, "オフ"},
    {65, "発光(赤目軽減)"},
    {69, "発光(赤目軽減)・リターン不検出"},
    {71, "発光(赤目軽減)・リターン検出"},
    {73, "強制発光(赤目軽減)"},
    {77, "強制発光(赤目軽減)・リターン不検出"},
    {79, "強制発光(赤目軽減)・リターン検出"},
    {88, "オフ(自動・赤目軽減)"},
    {89, "発光(自動・赤目軽減)"},
    {93, "発光(自動・赤目軽減)・リターン不検出"},
    {95, "発光(自動・赤目軽減)・リターン検出"},
};

// 0x9217 SensingMethod (TIFF/EP) and 0xA217 SensingMethod (Exif)
inline constexpr CodeText kSensingMethod[] = {
    {1, "モノクロームエリアセンサー"},
    {2, "１チップカラーエリアセンサー"},
    {3, "２チップカラーエリアセンサー"},
    {4, "３チップカラーエリアセンサー"},
    {5, "カラーシーケンシャルエリアセンサー"},
    {6, "モノクロームリニアセンサー"},
    {7, "トリリニアセンサー"},
    {8, "カラーシーケンシャルリニアセンサー"},
};

// 0xA001 ColorSpace
inline constexpr CodeText kColorSpace[] = {
    {1, "sRGB"},
    {65535, "sRGB以外"},
};

// 0xA401 CustomRendered
inline constexpr CodeText kCustomRendered[] = {
    {0, "通常処理"},
    {1, "カスタム処理"},
};

// 0xA402 ExposureMode
inline constexpr CodeText kExposureMode[] = {
    {0, "オート"},
    {1, "マニュアル"},
    {2, "オートブラケット"},
};

// 0xA403 WhiteBalance
inline constexpr CodeText kWhiteBalance[] = {
    {0, "オート"},
    {1, "マニュアル"},
};

// 0xA406 SceneCaptureType
inline constexpr CodeText kSceneCaptureType[] = {
    {0, "標準"},
    {1, "風景"},
    {2, "ポートレート"},
    {3, "夜景"},
};

// 0xA407 GainControl
inline constexpr CodeText kGainControl[] = {
    {0, "なし"},
    {1, "Low gain up"},
    {2, "High gain up"},
    {3, "Low gain down"},
    {4, "High gain down"},
};

// 0xA408 Contrast and 0xA40A Sharpness
inline constexpr CodeText kContrastSharpness[] = {
    {0, "標準"},
    {1, "Soft"},
    {2, "Hard"},
};

// 0xA409 Saturation
inline constexpr CodeText kSaturation[] = {
    {0, "標準"},
    {1, "Low"},
    {2, "High"},
};

// 0xA40C SubjectDistanceRange
inline constexpr CodeText kSubjectDistanceRange[] = {
    {0, "不明"},
    {1, "マクロ"},
    {2, "近景"},
    {3, "遠景"},
};

}  // namespace kelvane::exif_vocab
