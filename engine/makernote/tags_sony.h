// Sony (codes 17 and 40): the main directory of every Sony note form. Tags
// and value meanings: the public Sony tag-name page, section "Sony Tags";
// the enciphered 0x9050 block's layouts are in sony_notes.cpp. The rows of
// 2005's notes (PrintIM and the hex-dumped blocks) keep their form; every
// row added since is a detail row unless it is a key fact (lens, serial
// number, shutter count).
#pragma once

#include "engine/makernote/lenses_minolta_sony_a.h"
#include "engine/makernote/maker_table.h"
#include "engine/makernote/sony_notes.h"

namespace kelvane::maker {

inline constexpr RowStyle kSonyDetail = kStyleDetail;

inline constexpr CodeText kSonyQuality[] = {
    {0, "RAW"}, {1, "スーパーファイン"}, {2, "ファイン"}, {3, "スタンダード"}, {4, "エコノミー"},
    {5, "エクストラファイン"}, {6, "RAW + JPEG/HEIF"}, {7, "圧縮RAW"}, {8, "圧縮RAW + JPEG"},
    {9, "ライト"}, {4294967295, "なし"}};
inline constexpr CodeText kSonyWhiteBalance[] = {
    {0x0, "オート"}, {0x1, "色温度/カラーフィルター"}, {0x10, "太陽光"}, {0x20, "曇天"},
    {0x30, "日陰"}, {0x40, "電球"}, {0x50, "フラッシュ"}, {0x60, "蛍光灯"}, {0x70, "カスタム"},
    {0x80, "水中"}};
inline constexpr CodeText kSonyOffOn[] = {{0, "オフ"}, {1, "オン"}};
inline constexpr CodeText kSonyLongExposureNr[] = {
    {0x0, "オフ"}, {0x1, "オン (未使用)"}, {0x10001, "オン (ダーク減算)"},
    {0xffff0000, "オフ (65535)"}, {0xffff0001, "オン (65535)"}, {0xffffffff, "なし"}};
inline constexpr CodeText kSonyHighIsoNr[] = {{0, "オフ"}, {1, "弱"}, {2, "標準"}, {3, "強"},
                                              {256, "オート"}, {65535, "なし"}};
inline constexpr CodeText kSonyMultiFrameNr[] = {{0, "オフ"}, {1, "オン"}, {255, "なし"}};
inline constexpr CodeText kSonySoftSkin[] = {{0, "オフ"}, {1, "弱"}, {2, "中"}, {3, "強"},
                                             {4294967295, "なし"}};
inline constexpr CodeText kSonyOffAuto[] = {{0, "オフ"}, {2, "オート"}, {4294967295, "なし"}};
inline constexpr CodeText kSonyNoYes[] = {{0, "いいえ"}, {1, "はい"}};
inline constexpr CodeText kSonyFlashAction[] = {{0, "発光せず"}, {1, "発光"}, {2, "外部フラッシュ発光"},
                                                {3, "ワイヤレス発光"}};
inline constexpr CodeText kSonyFocusMode[] = {{0, "MF"}, {2, "AF-S"}, {3, "AF-C"}, {4, "AF-A"},
                                              {6, "DMF"}, {7, "AF-D"}};
inline constexpr CodeText kSonyAfTracking[] = {{0, "オフ"}, {1, "顔追尾"}, {2, "ロックオンAF"}};
inline constexpr CodeText kSonyMultiFrameNrEffect[] = {{0, "標準"}, {1, "高"}};
inline constexpr CodeText kSonyRawFileType[] = {{0, "圧縮RAW"}, {1, "非圧縮RAW"},
                                                {2, "ロスレス圧縮RAW"}, {3, "圧縮RAW 2"},
                                                {65535, "なし"}};
inline constexpr CodeText kSonyAwbPriority[] = {{0, "標準"}, {1, "雰囲気優先"}, {2, "ホワイト優先"}};
inline constexpr CodeText kSonyMeteringMode2[] = {
    {0x100, "マルチ"}, {0x200, "中央重点"}, {0x301, "スポット (標準)"}, {0x302, "スポット (大)"},
    {0x400, "画面全体平均"}, {0x500, "ハイライト重点"}};
inline constexpr CodeText kSonyJpegHeif[] = {{0, "JPEG"}, {1, "HEIF"}, {65535, "なし"}};
inline constexpr CodeText kSonyStepCrop[] = {{0, "35mm (オフ)"}, {1, "50mm"}, {2, "70mm"}};
inline constexpr CodeText kSonySceneMode[] = {
    {0, "スタンダード"}, {1, "ポートレート"}, {2, "テキスト"}, {3, "夜景"}, {4, "夕景"},
    {5, "スポーツ"}, {6, "風景"}, {7, "夜景ポートレート"}, {8, "マクロ"}, {9, "スーパーマクロ"},
    {16, "オート"}, {17, "夜景/ポートレート"}, {18, "スイングパノラマ"}, {19, "手持ち夜景"},
    {20, "人物ブレ軽減"}, {21, "連写優先AE"}, {22, "オート+"}, {23, "3Dスイングパノラマ"},
    {24, "プレミアムおまかせオート"}, {25, "高感度"}, {26, "打ち上げ花火"}, {27, "料理"},
    {28, "ペット"}, {33, "HDR"}, {65535, "なし"}};
inline constexpr CodeText kSonyZoneMatching[] = {{0, "ISO設定どおり"}, {1, "ハイキー"}, {2, "ローキー"}};
inline constexpr CodeText kSonyDro[] = {
    {0, "オフ"}, {1, "スタンダード"}, {2, "アドバンスオート"}, {3, "オート"},
    {8, "アドバンス Lv1"}, {9, "アドバンス Lv2"}, {10, "アドバンス Lv3"}, {11, "アドバンス Lv4"},
    {12, "アドバンス Lv5"}, {16, "Lv1"}, {17, "Lv2"}, {18, "Lv3"}, {19, "Lv4"}, {20, "Lv5"}};
inline constexpr CodeText kSonyStabilization[] = {{0, "オフ"}, {1, "オン"}, {4294967295, "なし"}};
inline constexpr CodeText kSonyColorMode[] = {
    {0, "スタンダード"}, {1, "ビビッド"}, {2, "ポートレート"}, {3, "風景"}, {4, "夕景"},
    {5, "夜景/ポートレート"}, {6, "白黒"}, {7, "Adobe RGB"}, {12, "ニュートラル"}, {13, "クリア"},
    {14, "ディープ"}, {15, "ライト"}, {16, "紅葉"}, {17, "セピア"}, {18, "FL"}, {19, "ビビッド2"},
    {20, "IN"}, {21, "SH"}, {22, "FL2"}, {23, "FL3"}, {100, "ニュートラル"}, {101, "クリア"},
    {102, "ディープ"}, {103, "ライト"}, {104, "夜景"}, {105, "紅葉"}, {255, "オフ"},
    {4294967295, "なし"}};
inline constexpr CodeText kSonyMacro[] = {{0, "オフ"}, {1, "オン"}, {2, "クローズフォーカス"},
                                          {65535, "なし"}};
inline constexpr CodeText kSonyExposureMode[] = {
    {0, "プログラムAE"}, {1, "ポートレート"}, {2, "ビーチ"}, {3, "スポーツ"}, {4, "スノー"},
    {5, "風景"}, {6, "オート"}, {7, "絞り優先AE"}, {8, "シャッター優先AE"}, {9, "夜景/トワイライト"},
    {10, "高速シャッター"}, {11, "夜景ポートレート"}, {12, "ソフトスナップ/ポートレート"},
    {13, "打ち上げ花火"}, {14, "スマイルシャッター"}, {15, "マニュアル"}, {18, "高感度"},
    {19, "マクロ"}, {20, "アドバンススポーツ"}, {29, "水中"}, {33, "料理"}, {34, "スイングパノラマ"},
    {35, "手持ち夜景"}, {36, "人物ブレ軽減"}, {37, "ペット"}, {38, "逆光補正HDR"},
    {39, "プレミアムおまかせオート"}, {40, "背景ぼかし"}, {41, "美肌"}, {42, "3D撮影"},
    {65535, "なし"}};
inline constexpr CodeText kSonyFocusModeB042[] = {{1, "AF-S"}, {2, "AF-C"}, {4, "常時AF"},
                                                  {65535, "なし"}};
inline constexpr CodeText kSonyAfIlluminator[] = {{0, "オフ"}, {1, "オート"}, {65535, "なし"}};
inline constexpr CodeText kSonyJpegQuality[] = {{0, "スタンダード"}, {1, "ファイン"},
                                                {2, "エクストラファイン"}, {65535, "なし"}};
inline constexpr CodeText kSonyReleaseMode[] = {{0, "通常"}, {2, "連続撮影"}, {5, "露出ブラケット"},
                                                {6, "ホワイトバランスブラケット"}, {8, "DROブラケット"},
                                                {65535, "なし"}};
inline constexpr CodeText kSonySequenceNumber[] = {{0, "単写"}, {65535, "なし"}};
inline constexpr CodeText kSonyAntiBlur[] = {{0, "オフ"}, {1, "オン (連続)"}, {2, "オン (撮影時)"},
                                             {65535, "なし"}};
inline constexpr CodeText kSonyFocusModeB04E[] = {{0, "MF"}, {2, "AF-S"}, {3, "AF-C"},
                                                  {5, "セミマニュアル"}, {6, "DMF"}};
inline constexpr CodeText kSonyDroB04F[] = {{0, "オフ"}, {1, "スタンダード"}, {2, "プラス"}};
inline constexpr CodeText kSonyHighIsoNr2[] = {{0, "標準"}, {1, "強"}, {2, "弱"}, {3, "オフ"},
                                               {65535, "なし"}};
inline constexpr CodeText kSonyIntelligentAuto[] = {{0, "オフ"}, {1, "オン"}, {2, "アドバンス"}};
inline constexpr CodeText kSonyWhiteBalanceB054[] = {
    {0, "オート"}, {4, "カスタム"}, {5, "太陽光"}, {6, "曇天"}, {7, "白色蛍光灯"},
    {8, "昼白色蛍光灯"}, {9, "昼光色蛍光灯"}, {10, "電球2"}, {11, "温白色蛍光灯"}, {14, "電球"},
    {15, "フラッシュ"}, {17, "水中1 (青い水)"}, {18, "水中2 (緑の水)"}, {19, "水中オート"}};

inline constexpr MakerRecord kSony9050{.caption = "撮影情報 (0x9050)", .choose = ChooseSony9050};

inline constexpr MakerTag kSonyTags[] = {
    {.tag = 0x0102, .name = "画質", .values = kSonyQuality, .types = kLong, .style = kSonyDetail},
    {.tag = 0x0104, .name = "調光補正", .style = kSonyDetail},
    {.tag = 0x0105, .name = "テレコンバーター", .style = kSonyDetail},
    {.tag = 0x0112, .name = "ホワイトバランス微調整", .style = kSonyDetail},
    {.tag = 0x0115, .name = "ホワイトバランス", .values = kSonyWhiteBalance, .types = kLong,
     .style = kSonyDetail},
    {.tag = 0x0E00, .name = "PrintIM IFD", .rule = Rule::kPrintIM},
    {.tag = 0x1000, .name = "マルチバーストモード", .style = kSonyDetail},
    {.tag = 0x1001, .name = "マルチバースト画像幅", .style = kSonyDetail},
    {.tag = 0x1002, .name = "マルチバースト画像高さ", .style = kSonyDetail},
    {.tag = 0x1003, .name = "パノラマ情報", .style = kSonyDetail},
    {.tag = 0x2000, .rule = Rule::kHexDump},
    {.tag = 0x2001, .name = "プレビュー画像", .style = kSonyDetail},
    {.tag = 0x2002, .name = "レーティング", .style = kSonyDetail},
    {.tag = 0x2004, .name = "コントラスト", .style = kSonyDetail},
    {.tag = 0x2005, .name = "彩度", .style = kSonyDetail},
    {.tag = 0x2006, .name = "シャープネス", .style = kSonyDetail},
    {.tag = 0x2007, .name = "明るさ", .style = kSonyDetail},
    {.tag = 0x2008, .name = "長秒時ノイズリダクション", .values = kSonyLongExposureNr,
     .types = kLong, .style = kSonyDetail},
    {.tag = 0x2009, .name = "高感度ノイズリダクション", .values = kSonyHighIsoNr, .types = kShort,
     .style = kSonyDetail},
    {.tag = 0x200A, .name = "HDR", .style = kSonyDetail},
    {.tag = 0x200B, .name = "マルチショットNR", .values = kSonyMultiFrameNr, .types = kLong,
     .style = kSonyDetail},
    {.tag = 0x200E, .name = "ピクチャーエフェクト", .style = kSonyDetail},
    {.tag = 0x200F, .name = "美肌効果", .values = kSonySoftSkin, .types = kLong, .style = kSonyDetail},
    {.tag = 0x2010, .name = "暗号化情報 (0x2010)", .style = kSonyDetail},
    {.tag = 0x2011, .name = "周辺光量補正", .values = kSonyOffAuto, .types = kLong,
     .style = kSonyDetail},
    {.tag = 0x2012, .name = "倍率色収差補正", .values = kSonyOffAuto, .types = kLong,
     .style = kSonyDetail},
    {.tag = 0x2013, .name = "歪曲収差補正", .values = kSonyOffAuto, .types = kLong,
     .style = kSonyDetail},
    {.tag = 0x2014, .name = "ホワイトバランスシフト (AB,GM)", .style = kSonyDetail},
    {.tag = 0x2016, .name = "オートポートレートフレーミング", .values = kSonyNoYes, .types = kShort,
     .style = kSonyDetail},
    {.tag = 0x2017, .name = "フラッシュ動作", .values = kSonyFlashAction, .types = kLong,
     .style = kSonyDetail},
    {.tag = 0x201A, .name = "電子先幕シャッター", .values = kSonyOffOn, .types = kLong,
     .style = kSonyDetail},
    {.tag = 0x201B, .name = "フォーカスモード", .values = kSonyFocusMode, .types = kByte,
     .style = kSonyDetail},
    {.tag = 0x201C, .name = "フォーカスエリア設定", .style = kSonyDetail},
    {.tag = 0x201D, .name = "フレキシブルスポット位置", .style = kSonyDetail},
    {.tag = 0x201E, .name = "選択AFポイント", .style = kSonyDetail},
    {.tag = 0x2020, .name = "使用AFポイント", .style = kSonyDetail},
    {.tag = 0x2021, .name = "AFトラッキング", .values = kSonyAfTracking, .types = kByte,
     .style = kSonyDetail},
    {.tag = 0x2022, .name = "使用像面AFポイント", .style = kSonyDetail},
    {.tag = 0x2023, .name = "マルチショットNR効果", .values = kSonyMultiFrameNrEffect,
     .types = kLong, .style = kSonyDetail},
    {.tag = 0x2026, .name = "ホワイトバランスシフト (精密)", .style = kSonyDetail},
    {.tag = 0x2027, .name = "フォーカス位置", .style = kSonyDetail},
    {.tag = 0x2028, .name = "可変ローパスフィルター", .style = kSonyDetail},
    {.tag = 0x2029, .name = "RAWファイル形式", .values = kSonyRawFileType, .types = kShort,
     .style = kSonyDetail},
    {.tag = 0x202A, .name = "フォーカス情報 (0x202A)", .style = kSonyDetail},
    {.tag = 0x202B, .name = "AWB時の優先設定", .values = kSonyAwbPriority, .types = kByte,
     .style = kSonyDetail},
    {.tag = 0x202C, .name = "測光モード", .values = kSonyMeteringMode2, .types = kShort,
     .style = kSonyDetail},
    {.tag = 0x202D, .name = "標準露出調整", .style = kSonyDetail},
    {.tag = 0x202E, .name = "画質 (RAW, JPEG)", .style = kSonyDetail},
    {.tag = 0x202F, .name = "ピクセルシフト情報", .style = kSonyDetail},
    {.tag = 0x2031, .name = "シリアル番号", .style = kStyleKey, .fact = Fact::kSerial},
    {.tag = 0x2032, .name = "シャドウ", .style = kSonyDetail},
    {.tag = 0x2033, .name = "ハイライト", .style = kSonyDetail},
    {.tag = 0x2034, .name = "フェード", .style = kSonyDetail},
    {.tag = 0x2035, .name = "シャープネス範囲", .style = kSonyDetail},
    {.tag = 0x2036, .name = "明瞭度", .style = kSonyDetail},
    {.tag = 0x2037, .name = "フォーカス枠サイズ", .style = kSonyDetail},
    {.tag = 0x2039, .name = "JPEG/HEIF切換", .values = kSonyJpegHeif, .types = kShort,
     .style = kSonyDetail},
    {.tag = 0x204A, .name = "フォーカス位置2", .style = kSonyDetail},
    {.tag = 0x205C, .name = "ステップクロップ撮影", .values = kSonyStepCrop, .types = kByte,
     .style = kSonyDetail},
    {.tag = 0x3000, .name = "撮影情報", .style = kSonyDetail},
    {.tag = 0x9001, .rule = Rule::kHexDump},
    {.tag = 0x9002, .rule = Rule::kHexDump},
    {.tag = 0x9003, .rule = Rule::kHexDump},
    {.tag = 0x9004, .rule = Rule::kHexDump},
    {.tag = 0x9005, .rule = Rule::kHexDump},
    {.tag = 0x9006, .rule = Rule::kHexDump},
    {.tag = 0x9007, .rule = Rule::kHexDump},
    {.tag = 0x9008, .rule = Rule::kHexDump},
    {.tag = 0x9050, .name = "暗号化情報 (0x9050)", .style = kSonyDetail, .record = &kSony9050},
    {.tag = 0x9400, .name = "暗号化情報 (0x9400)", .style = kSonyDetail},
    {.tag = 0x9401, .name = "暗号化情報 (0x9401)", .style = kSonyDetail},
    {.tag = 0x9402, .name = "暗号化情報 (0x9402)", .style = kSonyDetail},
    {.tag = 0x9403, .name = "暗号化情報 (0x9403)", .style = kSonyDetail},
    {.tag = 0x9404, .name = "暗号化情報 (0x9404)", .style = kSonyDetail},
    {.tag = 0x9405, .name = "暗号化情報 (0x9405)", .style = kSonyDetail},
    {.tag = 0x9406, .name = "暗号化情報 (0x9406)", .style = kSonyDetail},
    {.tag = 0x940A, .name = "暗号化情報 (0x940A)", .style = kSonyDetail},
    {.tag = 0x940C, .name = "暗号化情報 (0x940C)", .style = kSonyDetail},
    {.tag = 0x940E, .name = "暗号化情報 (0x940E)", .style = kSonyDetail},
    {.tag = 0x9416, .name = "暗号化情報 (0x9416)", .style = kSonyDetail},
    {.tag = 0xB000, .name = "ファイル形式", .style = kSonyDetail},
    {.tag = 0xB001, .name = "機種ID", .style = kSonyDetail, .fact = Fact::kModelId},
    {.tag = 0xB020, .name = "クリエイティブスタイル", .style = kSonyDetail},
    {.tag = 0xB021, .name = "色温度", .style = kSonyDetail},
    {.tag = 0xB022, .name = "カラーフィルター", .style = kSonyDetail},
    {.tag = 0xB023, .name = "シーンモード", .values = kSonySceneMode, .types = kLong,
     .style = kSonyDetail},
    {.tag = 0xB024, .name = "ゾーンマッチング", .values = kSonyZoneMatching, .types = kLong,
     .style = kSonyDetail},
    {.tag = 0xB025, .name = "Dレンジオプティマイザー", .values = kSonyDro, .types = kLong,
     .style = kSonyDetail},
    {.tag = 0xB026, .name = "手ブレ補正", .values = kSonyStabilization, .types = kLong,
     .style = kSonyDetail},
    {.tag = 0xB027, .name = "レンズ", .style = kStyleKey, .lenses = kMinoltaSonyALenses},
    {.tag = 0xB029, .name = "カラーモード", .values = kSonyColorMode, .types = kLong,
     .style = kSonyDetail},
    {.tag = 0xB02A, .name = "レンズ仕様", .style = kStyleKey, .format = SonyLensSpec},
    {.tag = 0xB02B, .name = "画像サイズ", .style = kSonyDetail},
    {.tag = 0xB02C, .name = "プレビュー画像サイズ", .style = kSonyDetail},
    {.tag = 0xB040, .name = "マクロ", .values = kSonyMacro, .types = kShort, .style = kSonyDetail},
    {.tag = 0xB041, .name = "露出モード", .values = kSonyExposureMode, .types = kShort,
     .style = kSonyDetail},
    {.tag = 0xB042, .name = "フォーカスモード", .values = kSonyFocusModeB042, .types = kShort,
     .style = kSonyDetail},
    {.tag = 0xB043, .name = "AFエリアモード", .style = kSonyDetail},
    {.tag = 0xB044, .name = "AF補助光", .values = kSonyAfIlluminator, .types = kShort,
     .style = kSonyDetail},
    {.tag = 0xB047, .name = "JPEG画質", .values = kSonyJpegQuality, .types = kShort,
     .style = kSonyDetail},
    {.tag = 0xB048, .name = "フラッシュレベル", .style = kSonyDetail},
    {.tag = 0xB049, .name = "ドライブモード", .values = kSonyReleaseMode, .types = kShort,
     .style = kSonyDetail},
    {.tag = 0xB04A, .name = "連写番号", .values = kSonySequenceNumber, .types = kShort,
     .style = kSonyDetail},
    {.tag = 0xB04B, .name = "ブレ軽減", .values = kSonyAntiBlur, .types = kShort,
     .style = kSonyDetail},
    {.tag = 0xB04E, .name = "フォーカスモード", .values = kSonyFocusModeB04E, .types = kShort,
     .style = kSonyDetail},
    {.tag = 0xB04F, .name = "Dレンジオプティマイザー", .values = kSonyDroB04F, .types = kShort,
     .style = kSonyDetail},
    {.tag = 0xB050, .name = "高感度ノイズリダクション2", .values = kSonyHighIsoNr2, .types = kShort,
     .style = kSonyDetail},
    {.tag = 0xB052, .name = "インテリジェントオート", .values = kSonyIntelligentAuto, .types = kShort,
     .style = kSonyDetail},
    {.tag = 0xB054, .name = "ホワイトバランス", .values = kSonyWhiteBalanceB054, .types = kShort,
     .style = kSonyDetail},
};

}  // namespace kelvane::maker
