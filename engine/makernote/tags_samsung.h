// Samsung: the second layout (code 51), an IFD with no header that phones
// and the NX, WB and ST bodies write. The tags and their values are those
// of ExifTool's public "Samsung Type2 Tags" page; the tags it marks as not
// understood ("?") are left unnamed.
#pragma once

#include "engine/makernote/maker_table.h"

namespace kelvane::maker {

inline constexpr CodeText kSamsungDeviceType[] = {
    {0x1000, "コンパクトデジタルカメラ"}, {0x2000, "NXシリーズ"},
    {0x3000, "HXMビデオカメラ"},         {0x12000, "携帯電話"},
    {0x300000, "SMXビデオカメラ"}};
inline constexpr CodeText kSamsungSmartAlbumColor[] = {
    {0, "赤"}, {1, "黄"}, {2, "緑"}, {3, "青"}, {4, "マゼンタ"}, {5, "黒"}, {6, "白"}, {7, "複数"}};
inline constexpr CodeText kSamsungByteOrder[] = {{0, "リトルエンディアン (II)"},
                                                 {1, "ビッグエンディアン (MM)"}};
inline constexpr CodeText kSamsungWhiteBalanceSetup[] = {{0, "自動"}, {1, "マニュアル"}};
inline constexpr CodeText kSamsungCfaPattern[] = {{0, "変更なし"}, {1, "入れ替え"}, {65535, "回転"}};
inline constexpr CodeText kSamsungOffOn[] = {{0, "オフ"}, {1, "オン"}};
inline constexpr CodeText kSamsungColorSpace[] = {{0, "sRGB"}, {1, "Adobe RGB"}};
// The page's LensType list (the first value of the entry).
inline constexpr CodeText kSamsungLensType[] = {
    {0, "内蔵またはマニュアルレンズ"},
    {1, "Samsung NX 30mm F2 Pancake"},
    {2, "Samsung NX 18-55mm F3.5-5.6 OIS"},
    {3, "Samsung NX 50-200mm F4-5.6 ED OIS"},
    {4, "Samsung NX 20-50mm F3.5-5.6 ED"},
    {5, "Samsung NX 20mm F2.8 Pancake"},
    {6, "Samsung NX 18-200mm F3.5-6.3 ED OIS"},
    {7, "Samsung NX 60mm F2.8 Macro ED OIS SSA"},
    {8, "Samsung NX 16mm F2.4 Pancake"},
    {9, "Samsung NX 85mm F1.4 ED SSA"},
    {10, "Samsung NX 45mm F1.8"},
    {11, "Samsung NX 45mm F1.8 2D/3D"},
    {12, "Samsung NX 12-24mm F4-5.6 ED"},
    {13, "Samsung NX 16-50mm F2-2.8 S ED OIS"},
    {14, "Samsung NX 10mm F3.5 Fisheye"},
    {15, "Samsung NX 16-50mm F3.5-5.6 Power Zoom ED OIS"},
    {20, "Samsung NX 50-150mm F2.8 S ED OIS"},
    {21, "Samsung NX 300mm F2.8 ED OIS"},
};

inline constexpr MakerTag kSamsungTags[] = {
    {.tag = 0x0001, .name = "メーカーノートバージョン", .rule = Rule::kVersion},
    {.tag = 0x0002, .name = "機器の種類", .values = kSamsungDeviceType, .types = kLong},
    {.tag = 0x0003, .name = "機種ID", .rule = Rule::kUpperHex},
    {.tag = 0x0011, .name = "向き情報"},
    {.tag = 0x0020, .name = "スマートアルバムの色", .values = kSamsungSmartAlbumColor, .types = kShort},
    {.tag = 0x0021, .name = "ピクチャーウィザード"},
    {.tag = 0x0030, .name = "撮影地名(現地語)"},
    {.tag = 0x0031, .name = "撮影地名"},
    {.tag = 0x0035, .name = "プレビューIFD"},
    {.tag = 0x0040, .name = "RAWデータのバイト順", .values = kSamsungByteOrder, .types = kShort | kLong},
    {.tag = 0x0041, .name = "ホワイトバランス設定", .values = kSamsungWhiteBalanceSetup, .types = kLong},
    {.tag = 0x0043, .name = "カメラ温度"},
    {.tag = 0x0050, .name = "RAWデータのCFA配列", .values = kSamsungCfaPattern, .types = kShort | kLong},
    {.tag = 0x0100, .name = "顔検出", .values = kSamsungOffOn, .types = kShort},
    {.tag = 0x0120, .name = "顔認識", .values = kSamsungOffOn, .types = kLong},
    {.tag = 0x0123, .name = "顔の名前"},
    {.tag = 0xA001, .name = "ファームウェア", .style = kStyleKey},
    {.tag = 0xA002, .name = "シリアル番号", .style = kStyleKey},
    {.tag = 0xA003, .name = "レンズ", .values = kSamsungLensType, .types = kShort, .style = kStyleKey},
    {.tag = 0xA004, .name = "レンズのファームウェア"},
    {.tag = 0xA005, .name = "レンズのシリアル番号", .style = kStyleKey},
    {.tag = 0xA010, .name = "センサーの領域"},
    {.tag = 0xA011, .name = "色空間", .values = kSamsungColorSpace, .types = kShort},
    {.tag = 0xA012, .name = "スマートレンジ", .values = kSamsungOffOn, .types = kShort},
    {.tag = 0xA013, .name = "露出補正"},
    {.tag = 0xA014, .name = "ISO感度"},
    {.tag = 0xA018, .name = "露出時間"},
    {.tag = 0xA019, .name = "F値"},
    {.tag = 0xA01A, .name = "35mm換算焦点距離", .rule = Rule::kDecimalUnit, .unit = "mm"},
    {.tag = 0xA020, .name = "暗号化キー"},
    {.tag = 0xA021, .name = "WB RGGBレベル(未補正)"},
    {.tag = 0xA022, .name = "WB RGGBレベル(自動)"},
    {.tag = 0xA023, .name = "WB RGGBレベル(光源1)"},
    {.tag = 0xA024, .name = "WB RGGBレベル(光源2)"},
    {.tag = 0xA025, .name = "ハイライトの直線性の限界"},
    {.tag = 0xA028, .name = "WB RGGBレベル(黒)"},
    {.tag = 0xA030, .name = "カラーマトリックス"},
    {.tag = 0xA031, .name = "カラーマトリックス(sRGB)"},
    {.tag = 0xA032, .name = "カラーマトリックス(Adobe RGB)"},
    {.tag = 0xA033, .name = "CbCrマトリックス(既定)"},
    {.tag = 0xA034, .name = "CbCrマトリックス"},
    {.tag = 0xA035, .name = "CbCrゲイン(既定)"},
    {.tag = 0xA036, .name = "CbCrゲイン"},
    {.tag = 0xA040, .name = "トーンカーブ(sRGB既定)"},
    {.tag = 0xA041, .name = "トーンカーブ(Adobe RGB既定)"},
    {.tag = 0xA042, .name = "トーンカーブ(sRGB)"},
    {.tag = 0xA043, .name = "トーンカーブ(Adobe RGB)"},
};

}  // namespace kelvane::maker
