// Pentax and Ricoh-made Pentax bodies: the "AOC\0" notes (code 70) and the
// "PENTAX \0" notes (code 71), which share one table. The tags, their
// value types and their vocabularies are those of the public Pentax tag
// list (/work/shared/reference/tagnames/Pentax.html, "Pentax Tags"); tags
// it marks with "?" stay unnamed. The Optio 330/430's own note (code 19)
// is in tags_minolta_pentax_ricoh.h.
#pragma once

#include "engine/makernote/maker_table.h"
#include "engine/makernote/pentax_values.h"

namespace kelvane::maker {

inline constexpr CodeText kPentaxNoYes[] = {{0, "いいえ"}, {1, "はい"}};
inline constexpr CodeText kPentaxOffOn[] = {{0, "オフ"}, {1, "オン"}};
inline constexpr CodeText kPentaxQuality2[] = {
    {0, "エコノミー"}, {1, "ファイン"}, {2, "スーパーファイン"}, {3, "TIFF"}, {4, "RAW"},
    {5, "プレミアム"}, {7, "RAW (ピクセルシフト)"}, {8, "ダイナミックピクセルシフト"},
    {9, "モノクロ"}, {65535, "なし"}};
inline constexpr CodeText kPentaxPictureMode2[] = {
    {0, "プログラム"}, {1, "シャッター優先"}, {2, "プログラムAE"}, {3, "マニュアル"},
    {5, "ポートレート"}, {6, "風景"}, {8, "スポーツ"}, {9, "夜景"}, {11, "ソフト"},
    {12, "サーフ&スノー"}, {13, "キャンドルライト"}, {14, "紅葉"}, {15, "マクロ"},
    {17, "花火"}, {18, "文字"}, {19, "パノラマ"}, {20, "3D"}, {21, "白黒"}, {22, "セピア"},
    {23, "赤"}, {24, "ピンク"}, {25, "紫"}, {26, "青"}, {27, "緑"}, {28, "黄"},
    {30, "セルフポートレート"}, {31, "イラスト"}, {33, "デジタルフィルター"},
    {35, "夜景ポートレート"}, {37, "美術館"}, {38, "料理"}, {39, "水中"},
    {40, "グリーンモード"}, {49, "ペット(明)"}, {50, "ペット(暗)"}, {51, "ペット(中間)"},
    {53, "水中"}, {54, "キャンドルライト"}, {55, "肌色きれい"}, {56, "音声同時記録"},
    {58, "フレーム合成"}, {59, "レポート"}, {60, "キッズ"}, {61, "ブレ軽減"},
    {63, "パノラマ2"}, {65, "半身ポートレート"}, {66, "ポートレート2"},
    {74, "デジタル顕微鏡"}, {75, "青空"}, {80, "ミニチュア"}, {81, "HDR"},
    {83, "魚眼"}, {85, "デジタルフィルター4"}, {221, "P"}, {255, "PICT"}};
inline constexpr CodeText kPentaxFocusMode2[] = {
    {0x0, "ノーマル"}, {0x1, "マクロ"}, {0x2, "無限遠"}, {0x3, "マニュアル"},
    {0x4, "スーパーマクロ"}, {0x5, "パンフォーカス"}, {0x6, "オートエリア"},
    {0x7, "ゾーンセレクト"}, {0x8, "セレクト"}, {0x9, "ピンポイント"}, {0xA, "追尾"},
    {0xB, "コンティニュアス"}, {0xC, "スナップ"}, {0x10, "AF-S (フォーカス優先)"},
    {0x11, "AF-C (フォーカス優先)"}, {0x12, "AF-A (フォーカス優先)"},
    {0x20, "コントラストAF (フォーカス優先)"}, {0x21, "追尾コントラストAF (フォーカス優先)"},
    {0x110, "AF-S (レリーズ優先)"}, {0x111, "AF-C (レリーズ優先)"},
    {0x112, "AF-A (レリーズ優先)"}, {0x120, "コントラストAF (レリーズ優先)"},
    {0x8003, "マニュアル (マクロ)"}, {0x8006, "オートエリア (マクロ)"},
    {0x8007, "ゾーンセレクト (マクロ)"}, {0x8008, "セレクト (マクロ)"},
    {0x8009, "ピンポイント (マクロ)"}, {0x800A, "追尾 (マクロ)"},
    {0x800B, "コンティニュアス (マクロ)"}};
// The ISO steps: the index the body writes, and the ISO number.
inline constexpr CodeText kPentaxIso[] = {
    {3, "50"},      {4, "64"},      {5, "80"},      {6, "100"},     {7, "125"},
    {8, "160"},     {9, "200"},     {10, "250"},    {11, "320"},    {12, "400"},
    {13, "500"},    {14, "640"},    {15, "800"},    {16, "1000"},   {17, "1250"},
    {18, "1600"},   {19, "2000"},   {20, "2500"},   {21, "3200"},   {22, "4000"},
    {23, "5000"},   {24, "6400"},   {25, "8000"},   {26, "10000"},  {27, "12800"},
    {28, "16000"},  {29, "20000"},  {30, "25600"},  {31, "32000"},  {32, "40000"},
    {33, "51200"},  {34, "64000"},  {35, "80000"},  {36, "102400"}, {37, "128000"},
    {38, "160000"}, {39, "204800"}, {40, "256000"}, {41, "320000"}, {42, "409600"},
    {43, "512000"}, {44, "640000"}, {45, "819200"}, {50, "50"},     {100, "100"},
    {200, "200"},   {258, "50"},    {259, "70"},    {260, "100"},   {261, "140"},
    {262, "200"},   {263, "280"},   {264, "400"},   {265, "560"},   {266, "800"},
    {267, "1100"},  {268, "1600"},  {269, "2200"},  {270, "3200"},  {271, "4500"},
    {272, "6400"},  {273, "9000"},  {274, "12800"}, {275, "18000"}, {276, "25600"},
    {277, "36000"}, {278, "51200"}, {400, "400"},   {800, "800"},   {1600, "1600"},
    {3200, "3200"}};
inline constexpr CodeText kPentaxMeteringMode[] = {
    {0, "分割測光"}, {1, "中央重点平均測光"}, {2, "スポット測光"}, {6, "ハイライト重点測光"}};
inline constexpr CodeText kPentaxWhiteBalance2[] = {
    {0, "オート"}, {1, "晴天"}, {2, "日陰"}, {3, "蛍光灯"}, {4, "白熱灯"}, {5, "マニュアル"},
    {6, "昼光色蛍光灯"}, {7, "昼白色蛍光灯"}, {8, "白色蛍光灯"}, {9, "フラッシュ"},
    {10, "曇天"}, {11, "温白色蛍光灯"}, {14, "マルチオート"}, {15, "CTE"},
    {17, "色温度指定"}, {65534, "不明"}, {65535, "ユーザー選択"}};
inline constexpr CodeText kPentaxWhiteBalanceMode[] = {
    {1, "オート (晴天)"}, {2, "オート (日陰)"}, {3, "オート (フラッシュ)"},
    {4, "オート (白熱灯)"}, {6, "オート (昼光色蛍光灯)"}, {7, "オート (昼白色蛍光灯)"},
    {8, "オート (白色蛍光灯)"}, {10, "オート (曇天)"}, {65534, "不明"},
    {65535, "ユーザー選択"}};
inline constexpr CodeText kPentaxLevel2[] = {
    {0, "-2 (低)"}, {1, "0 (標準)"}, {2, "+2 (高)"}, {3, "-1 (やや低)"}, {4, "+1 (やや高)"},
    {5, "-3 (より低)"}, {6, "+3 (より高)"}, {7, "-4 (最低)"}, {8, "+4 (最高)"},
    {65535, "なし"}};
inline constexpr CodeText kPentaxSharpness2[] = {
    {0, "-2 (ソフト)"}, {1, "0 (標準)"}, {2, "+2 (ハード)"}, {3, "-1 (ややソフト)"},
    {4, "+1 (ややハード)"}, {5, "-3 (よりソフト)"}, {6, "+3 (よりハード)"},
    {7, "-4 (最ソフト)"}, {8, "+4 (最ハード)"}};
inline constexpr CodeText kPentaxWorldTime[] = {{0, "現在地"}, {1, "目的地"}};
inline constexpr CodeText kPentaxColorSpace[] = {{0, "sRGB"}, {1, "AdobeRGB"}};
inline constexpr CodeText kPentaxImageTone[] = {
    {0, "ナチュラル"}, {1, "鮮やか"}, {2, "ポートレート"}, {3, "風景"}, {4, "ビビッド"},
    {5, "モノトーン"}, {6, "ほのか"}, {7, "リバーサルフィルム"}, {8, "銀残し"},
    {9, "雅(MIYABI)"}, {10, "クロスプロセス"}, {11, "フラット"}, {256, "スタンダード"},
    {257, "ビビッド"}, {258, "モノトーン"}, {259, "ソフトモノトーン"},
    {260, "ハードモノトーン"}, {261, "硬調モノクロ"}, {262, "ポジフィルム"},
    {263, "銀残し2"}, {264, "レトロ"}, {265, "HDRトーン"}, {266, "クロスプロセス2"},
    {267, "ネガフィルム"}, {32768, "標準"}, {32769, "ハード"}, {32770, "ソフト"},
    {33024, "モノクロ"}};
inline constexpr CodeText kPentaxRawDevelopmentProcess[] = {
    {1, "1 (K10D,K200D,K2000,K-m)"}, {3, "3 (K20D)"}, {4, "4 (K-7)"}, {5, "5 (K-x)"},
    {6, "6 (645D)"}, {7, "7 (K-r)"}, {8, "8 (K-5,K-5II,K-5IIs)"}, {9, "9 (Q)"},
    {10, "10 (K-01,K-30,K-50,K-500)"}, {11, "11 (Q10)"}, {12, "12 (MX-1,Q-S1,Q7)"},
    {13, "13 (K-3,K-3II)"}, {14, "14 (645Z)"}, {15, "15 (K-S1,K-S2)"}, {16, "16 (K-1)"},
    {17, "17 (K-70)"}, {18, "18 (KP)"}, {19, "19 (GR III)"}, {20, "20 (K-3III)"},
    {21, "21 (K-3IIIMonochrome)"}};
inline constexpr CodeText kPentaxHue[] = {
    {0, "-2"}, {1, "標準"}, {2, "2"}, {3, "-1"}, {4, "1"}, {5, "-3"}, {6, "3"},
    {7, "-4"}, {8, "4"}, {65535, "なし"}};
inline constexpr CodeText kPentaxMonochromeFilter[] = {
    {1, "グリーン"}, {2, "イエロー"}, {3, "オレンジ"}, {4, "レッド"}, {5, "マゼンタ"},
    {6, "ブルー"}, {7, "シアン"}, {8, "赤外"}, {65535, "なし"}};
inline constexpr CodeText kPentaxMonochromeToning[] = {
    {0, "-4"}, {1, "-3"}, {2, "-2"}, {3, "-1"}, {4, "0"}, {5, "1"}, {6, "2"}, {7, "3"},
    {8, "4"}, {65535, "なし"}};
inline constexpr CodeText kPentaxCrossProcess[] = {
    {0, "オフ"}, {1, "ランダム"}, {2, "プリセット1"}, {3, "プリセット2"}, {4, "プリセット3"},
    {33, "お気に入り1"}, {34, "お気に入り2"}, {35, "お気に入り3"}};
inline constexpr CodeText kPentaxBleachBypassToning[] = {
    {0, "オフ"}, {1, "グリーン"}, {2, "イエロー"}, {3, "オレンジ"}, {4, "レッド"},
    {5, "マゼンタ"}, {6, "パープル"}, {7, "ブルー"}, {8, "シアン"}, {65535, "なし"}};
inline constexpr CodeText kPentaxAspectRatio[] = {
    {0, "4:3"}, {1, "3:2"}, {2, "16:9"}, {3, "1:1"}};
inline constexpr CodeText kPentaxShutterType[] = {{0, "通常"}, {1, "電子"}};
// DriveMode's first byte.
inline constexpr CodeText kPentaxDriveMode[] = {
    {0, "1コマ撮影"}, {1, "連続撮影"}, {2, "連続撮影(Lo)"}, {3, "バースト"},
    {4, "連続撮影(中速)"}, {5, "連続撮影(低速)"}, {255, "動画"}};
// FlashMode's first value.
inline constexpr CodeText kPentaxFlashMode2[] = {
    {0x0, "オート, 非発光"}, {0x1, "オフ, 非発光"}, {0x2, "オン, 非発光"},
    {0x3, "オート, 非発光, 赤目軽減"}, {0x5, "オン, 非発光, ワイヤレス(マスター)"},
    {0x100, "オート, 発光"}, {0x102, "オン, 発光"}, {0x103, "オート, 発光, 赤目軽減"},
    {0x104, "オン, 赤目軽減"}, {0x105, "オン, ワイヤレス(マスター)"},
    {0x106, "オン, ワイヤレス(コントロール)"}, {0x108, "オン, ソフト"},
    {0x109, "オン, スローシンクロ"}, {0x10A, "オン, スローシンクロ, 赤目軽減"},
    {0x10B, "オン, 後幕シンクロ"}};

inline constexpr MakerTag kPentaxTags2[] = {
    {.tag = 0x0000, .name = "Pentaxバージョン"},
    {.tag = 0x0001, .name = "機種タイプ"},
    {.tag = 0x0002, .name = "プレビュー画像サイズ"},
    {.tag = 0x0003, .name = "プレビュー画像の長さ"},
    {.tag = 0x0004, .name = "プレビュー画像の位置"},
    {.tag = 0x0005, .name = "機種ID", .rule = Rule::kUpperHex},
    {.tag = 0x0006, .name = "日付", .format = PentaxDateText},
    {.tag = 0x0007, .name = "時刻", .format = PentaxTimeText},
    {.tag = 0x0008, .name = "画質モード", .values = kPentaxQuality2, .types = kShort},
    {.tag = 0x0009, .name = "画像サイズ"},
    {.tag = 0x000B, .name = "撮影モード", .values = kPentaxPictureMode2, .types = kShort},
    {.tag = 0x000C, .name = "フラッシュモード", .values = kPentaxFlashMode2, .types = kShort},
    {.tag = 0x000D, .name = "フォーカスモード", .values = kPentaxFocusMode2, .types = kShort},
    {.tag = 0x000E, .name = "選択AFポイント"},
    {.tag = 0x000F, .name = "合焦AFポイント"},
    {.tag = 0x0010, .name = "フォーカス位置"},
    {.tag = 0x0012, .name = "露出時間(1/100000秒)"},
    {.tag = 0x0013, .name = "F値(×10)"},
    {.tag = 0x0014, .name = "ISO感度", .values = kPentaxIso, .types = kShort},
    {.tag = 0x0015, .name = "測光値"},
    {.tag = 0x0016, .name = "露出補正"},
    {.tag = 0x0017, .name = "測光モード", .values = kPentaxMeteringMode, .types = kShort},
    {.tag = 0x0018, .name = "オートブラケット"},
    {.tag = 0x0019, .name = "ホワイトバランス", .values = kPentaxWhiteBalance2, .types = kShort},
    {.tag = 0x001A, .name = "ホワイトバランスモード", .values = kPentaxWhiteBalanceMode,
     .types = kShort},
    {.tag = 0x001B, .name = "青バランス"},
    {.tag = 0x001C, .name = "赤バランス"},
    {.tag = 0x001D, .name = "焦点距離(1/100mm)"},
    {.tag = 0x001E, .name = "デジタルズーム"},
    {.tag = 0x001F, .name = "彩度", .values = kPentaxLevel2, .types = kShort},
    {.tag = 0x0020, .name = "コントラスト", .values = kPentaxLevel2, .types = kShort},
    {.tag = 0x0021, .name = "シャープネス", .values = kPentaxSharpness2, .types = kShort},
    {.tag = 0x0022, .name = "ワールドタイム", .values = kPentaxWorldTime, .types = kShort},
    {.tag = 0x0023, .name = "現在地の都市"},
    {.tag = 0x0024, .name = "目的地の都市"},
    {.tag = 0x0025, .name = "現在地の夏時間", .values = kPentaxNoYes, .types = kShort},
    {.tag = 0x0026, .name = "目的地の夏時間", .values = kPentaxNoYes, .types = kShort},
    {.tag = 0x0027, .name = "DSPファームウェア", .rule = Rule::kHexDump},
    {.tag = 0x0028, .name = "CPUファームウェア", .rule = Rule::kHexDump},
    {.tag = 0x0029, .name = "フレーム番号"},
    {.tag = 0x002D, .name = "実効LV"},
    {.tag = 0x0032, .name = "画像編集", .rule = Rule::kHexDump},
    {.tag = 0x0033, .name = "撮影モード詳細"},
    {.tag = 0x0034, .name = "ドライブモード", .values = kPentaxDriveMode, .types = kByte},
    {.tag = 0x0035, .name = "センサーサイズ"},
    {.tag = 0x0037, .name = "色空間", .values = kPentaxColorSpace, .types = kShort},
    {.tag = 0x0038, .name = "画像領域の位置"},
    {.tag = 0x0039, .name = "RAW画像サイズ"},
    {.tag = 0x003C, .name = "合焦AFポイント"},
    {.tag = 0x003D, .name = "データスケーリング"},
    {.tag = 0x003E, .name = "プレビュー画像の縁"},
    {.tag = 0x003F, .name = "レンズ", .style = kStyleKey, .format = PentaxLensText},
    {.tag = 0x0040, .name = "感度調整"},
    {.tag = 0x0041, .name = "画像編集回数"},
    {.tag = 0x0047, .name = "カメラ温度(℃)"},
    {.tag = 0x0048, .name = "AEロック", .values = kPentaxOffOn, .types = kShort},
    {.tag = 0x0049, .name = "ノイズリダクション", .values = kPentaxOffOn, .types = kShort},
    {.tag = 0x004D, .name = "調光補正"},
    {.tag = 0x004F, .name = "カスタムイメージ", .values = kPentaxImageTone, .types = kShort},
    {.tag = 0x0050, .name = "色温度"},
    {.tag = 0x0053, .name = "色温度(晴天)"},
    {.tag = 0x0054, .name = "色温度(日陰)"},
    {.tag = 0x0055, .name = "色温度(曇天)"},
    {.tag = 0x0056, .name = "色温度(白熱灯)"},
    {.tag = 0x0057, .name = "色温度(昼光色蛍光灯)"},
    {.tag = 0x0058, .name = "色温度(昼白色蛍光灯)"},
    {.tag = 0x0059, .name = "色温度(白色蛍光灯)"},
    {.tag = 0x005A, .name = "色温度(フラッシュ)"},
    {.tag = 0x005C, .name = "手ぶれ補正情報"},
    {.tag = 0x005D, .name = "シャッター回数", .style = kStyleKey,
     .format = PentaxShutterCountText},
    {.tag = 0x0060, .name = "顔検出情報"},
    {.tag = 0x0062, .name = "RAW現像処理", .values = kPentaxRawDevelopmentProcess,
     .types = kShort},
    {.tag = 0x0067, .name = "色相", .values = kPentaxHue, .types = kShort},
    {.tag = 0x0068, .name = "AWB情報"},
    {.tag = 0x0069, .name = "Dレンジ拡大"},
    {.tag = 0x006B, .name = "時刻情報"},
    {.tag = 0x006C, .name = "キー調整"},
    {.tag = 0x006D, .name = "コントラスト(ハイライト)"},
    {.tag = 0x006E, .name = "コントラスト(シャドウ)"},
    {.tag = 0x006F, .name = "コントラスト(ハイライト/シャドウ)調整", .values = kPentaxOffOn,
     .types = kByte},
    {.tag = 0x0070, .name = "ファインシャープネス", .values = kPentaxOffOn, .types = kByte},
    {.tag = 0x0071, .name = "高感度ノイズリダクション"},
    {.tag = 0x0072, .name = "AF微調整"},
    {.tag = 0x0073, .name = "モノクロフィルター効果", .values = kPentaxMonochromeFilter,
     .types = kShort},
    {.tag = 0x0074, .name = "モノクロ調色", .values = kPentaxMonochromeToning,
     .types = kShort},
    {.tag = 0x0076, .name = "顔検出"},
    {.tag = 0x0077, .name = "顔検出フレームサイズ"},
    {.tag = 0x0079, .name = "シャドウ補正"},
    {.tag = 0x007A, .name = "ISOオート最低シャッター速度"},
    {.tag = 0x007B, .name = "クロスプロセス", .values = kPentaxCrossProcess, .types = kByte},
    {.tag = 0x007D, .name = "レンズ補正"},
    {.tag = 0x007E, .name = "ホワイトレベル"},
    {.tag = 0x007F, .name = "銀残し調色", .values = kPentaxBleachBypassToning,
     .types = kShort},
    {.tag = 0x0080, .name = "アスペクト比", .values = kPentaxAspectRatio,
     .types = kByte | kShort},
    {.tag = 0x0082, .name = "ぼかし制御"},
    {.tag = 0x0085, .name = "HDR"},
    {.tag = 0x0087, .name = "シャッター方式", .values = kPentaxShutterType, .types = kByte},
    {.tag = 0x0088, .name = "NDフィルター"},
    {.tag = 0x008B, .name = "ISO感度"},
    {.tag = 0x0092, .name = "インターバル撮影"},
    {.tag = 0x0095, .name = "肌色補正"},
    {.tag = 0x0096, .name = "明瞭強調"},
    {.tag = 0x0200, .name = "黒レベル"},
    {.tag = 0x0201, .name = "白レベル"},
    {.tag = 0x0203, .name = "色変換行列A"},
    {.tag = 0x0204, .name = "色変換行列B"},
    {.tag = 0x0205, .name = "カメラ設定"},
    {.tag = 0x0206, .name = "AE情報"},
    {.tag = 0x0207, .name = "レンズ情報ブロック"},
    {.tag = 0x0208, .name = "フラッシュ情報"},
    {.tag = 0x0209, .name = "AE測光値"},
    {.tag = 0x020A, .name = "フラッシュ測光値"},
    {.tag = 0x020B, .name = "スレーブフラッシュ測光値"},
    {.tag = 0x020D, .name = "WBレベル(晴天)"},
    {.tag = 0x020E, .name = "WBレベル(日陰)"},
    {.tag = 0x020F, .name = "WBレベル(曇天)"},
    {.tag = 0x0210, .name = "WBレベル(白熱灯)"},
    {.tag = 0x0211, .name = "WBレベル(昼光色蛍光灯)"},
    {.tag = 0x0212, .name = "WBレベル(昼白色蛍光灯)"},
    {.tag = 0x0213, .name = "WBレベル(白色蛍光灯)"},
    {.tag = 0x0214, .name = "WBレベル(フラッシュ)"},
    {.tag = 0x0215, .name = "カメラ情報"},
    {.tag = 0x0216, .name = "バッテリー情報"},
    {.tag = 0x021C, .name = "色変換行列A2"},
    {.tag = 0x021D, .name = "色変換行列B2"},
    {.tag = 0x021F, .name = "AF情報"},
    {.tag = 0x0221, .name = "色温度ごとのWB"},
    {.tag = 0x0222, .name = "色情報"},
    {.tag = 0x0224, .name = "EVステップ情報"},
    {.tag = 0x0226, .name = "撮影情報"},
    {.tag = 0x0227, .name = "顔の位置"},
    {.tag = 0x0228, .name = "顔のサイズ"},
    {.tag = 0x0229, .name = "シリアル番号", .style = kStyleKey, .fact = Fact::kSerial},
    {.tag = 0x022A, .name = "フィルター情報"},
    {.tag = 0x022B, .name = "水準器情報"},
    {.tag = 0x022D, .name = "WBレベル"},
    {.tag = 0x022E, .name = "撮影者"},
    {.tag = 0x022F, .name = "著作権"},
    {.tag = 0x0230, .name = "ファームウェア", .style = kStyleKey},
    {.tag = 0x0231, .name = "コントラストAFエリア"},
    {.tag = 0x0235, .name = "クロスプロセス設定"},
    {.tag = 0x0238, .name = "コンティニュアスAFポイント情報"},
    {.tag = 0x0239, .name = "Qレンズ情報"},
    {.tag = 0x023F, .name = "機種名"},
    {.tag = 0x0243, .name = "ピクセルシフト情報"},
    {.tag = 0x0245, .name = "AFポイント情報"},
    {.tag = 0x03FE, .name = "データダンプ"},
    {.tag = 0x03FF, .name = "温度情報"},
    {.tag = 0x0402, .name = "トーンカーブ"},
    {.tag = 0x0403, .name = "トーンカーブ群"},
    {.tag = 0x040B, .name = "顔検出情報(K-3III)"},
    {.tag = 0x040C, .name = "AF情報(K-3III)"},
    {.tag = 0x0E00, .name = "PrintIM IFD", .rule = Rule::kPrintIM},
};

}  // namespace kelvane::maker
