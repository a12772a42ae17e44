// The sub-directories of Olympus and OM System notes: Equipment (0x2010),
// CameraSettings (0x2020), RawDevelopment (0x2030, and 0x2031 of later
// bodies), ImageProcessing (0x2040) and FocusInfo (0x2050). Older bodies
// store them as LONG offsets, newer ones as IFD-typed entries; either way
// their offsets count as the note's own do. The tags, value types and
// vocabularies are those of the public Olympus tag list
// (/work/shared/reference/tagnames/Olympus.html, the sections "Olympus
// Equipment Tags", "Olympus CameraSettings Tags", "Olympus RawDevelopment
// Tags", "Olympus RawDevelopment2 Tags", "Olympus ImageProcessing Tags" and
// "Olympus FocusInfo Tags"); tags it marks with "?" stay unnamed.
#pragma once

#include "engine/makernote/maker_table.h"
#include "engine/makernote/olympus_values.h"

namespace kelvane::maker {

inline constexpr CodeText kOlyOffOn[] = {{0, "オフ"}, {1, "オン"}};
inline constexpr CodeText kOlyNoYes[] = {{0, "いいえ"}, {1, "はい"}};

// *Equipment (0x2010)*
inline constexpr CodeText kOlyFlashType[] = {
    {0, "なし"}, {2, "シンプルEシステム"}, {3, "Eシステム"}, {4, "Eシステム(ボディ給電)"}};
inline constexpr CodeText kOlyFlashModel[] = {
    {0, "なし"}, {1, "FL-20"}, {2, "FL-50"}, {3, "RF-11"}, {4, "TF-22"}, {5, "FL-36"},
    {6, "FL-50R"}, {7, "FL-36R"}, {9, "FL-14"}, {11, "FL-600R"}, {13, "FL-LM3"},
    {15, "FL-900R"}};

inline constexpr MakerTag kOlympusEquipmentTags[] = {
    {.tag = 0x0000, .name = "機材情報バージョン", .rule = Rule::kVersion},
    {.tag = 0x0100, .name = "カメラタイプ"},
    {.tag = 0x0101, .name = "シリアル番号", .style = kStyleKey, .fact = Fact::kSerial},
    {.tag = 0x0102, .name = "内部シリアル番号"},
    {.tag = 0x0103, .name = "焦点面の対角長"},
    {.tag = 0x0104, .name = "ボディファームウェア", .rule = Rule::kUpperHex, .style = kStyleKey},
    {.tag = 0x0201, .name = "レンズ", .style = kStyleKey, .format = OlympusLensText},
    {.tag = 0x0202, .name = "レンズシリアル番号", .style = kStyleKey},
    {.tag = 0x0203, .name = "レンズ名", .style = kStyleKey},
    {.tag = 0x0204, .name = "レンズファームウェア", .rule = Rule::kUpperHex},
    {.tag = 0x0205, .name = "開放F値(広角端)"},
    {.tag = 0x0206, .name = "開放F値(望遠端)"},
    {.tag = 0x0207, .name = "最短焦点距離", .rule = Rule::kDecimalUnit, .unit = "mm",
     .fact = Fact::kFocalMin},
    {.tag = 0x0208, .name = "最長焦点距離", .rule = Rule::kDecimalUnit, .unit = "mm",
     .fact = Fact::kFocalMax},
    {.tag = 0x020A, .name = "最大口径"},
    {.tag = 0x020B, .name = "レンズの特性", .rule = Rule::kUpperHex},
    {.tag = 0x0301, .name = "エクステンダー", .format = OlympusExtenderText},
    {.tag = 0x0302, .name = "エクステンダーシリアル番号"},
    {.tag = 0x0303, .name = "エクステンダー名"},
    {.tag = 0x0304, .name = "エクステンダーファームウェア", .rule = Rule::kUpperHex},
    {.tag = 0x0403, .name = "コンバージョンレンズ"},
    {.tag = 0x1000, .name = "フラッシュの種類", .values = kOlyFlashType, .types = kShort},
    {.tag = 0x1001, .name = "フラッシュの機種", .values = kOlyFlashModel, .types = kShort},
    {.tag = 0x1002, .name = "フラッシュファームウェア", .rule = Rule::kUpperHex},
    {.tag = 0x1003, .name = "フラッシュシリアル番号"},
};

// *CameraSettings (0x2020)*
inline constexpr CodeText kOlyExposureMode[] = {
    {1, "マニュアル"}, {2, "プログラム"}, {3, "絞り優先AE"}, {4, "シャッター速度優先AE"},
    {5, "プログラムシフト"}};
inline constexpr CodeText kOlyMeteringMode[] = {
    {2, "中央重点平均測光"}, {3, "スポット測光"}, {5, "ESP測光"}, {261, "パターン+AF"},
    {515, "スポット+ハイライトコントロール"}, {1027, "スポット+シャドウコントロール"}};
inline constexpr CodeText kOlyMacroMode[] = {{0, "オフ"}, {1, "オン"}, {2, "スーパーマクロ"}};
// FocusMode's first value.
inline constexpr CodeText kOlyFocusMode[] = {
    {0, "S-AF"}, {1, "連写AF"}, {2, "C-AF"}, {3, "マルチAF"}, {4, "顔検出"}, {10, "MF"}};
inline constexpr CodeText kOlyFocusProcess[] = {{0, "AF不使用"}, {1, "AF使用"}};
inline constexpr CodeText kOlyAfSearch[] = {{0, "未完了"}, {1, "完了"}};
inline constexpr CodeText kOlyWhiteBalance2[] = {
    {0, "オート"}, {1, "オート(電球色残しオフ)"}, {16, "7500K (晴天日陰)"}, {17, "6000K (曇天)"},
    {18, "5300K (晴天)"}, {20, "3000K (電球)"}, {21, "3600K (電球色)"}, {22, "オートセットアップ"},
    {23, "5500K (フラッシュ)"}, {33, "6600K (昼光色蛍光灯)"}, {34, "4500K (中性白色蛍光灯)"},
    {35, "4000K (白色蛍光灯)"}, {36, "白色蛍光灯"}, {48, "3600K (電球色)"},
    {67, "水中"}, {256, "ワンタッチWB 1"}, {257, "ワンタッチWB 2"}, {258, "ワンタッチWB 3"},
    {259, "ワンタッチWB 4"}, {512, "カスタムWB 1"}, {513, "カスタムWB 2"},
    {514, "カスタムWB 3"}, {515, "カスタムWB 4"}};
inline constexpr CodeText kOlyModifiedSaturation[] = {
    {0, "オフ"}, {1, "CM1 (赤強調)"}, {2, "CM2 (緑強調)"}, {3, "CM3 (青強調)"},
    {4, "CM4 (肌色)"}};
inline constexpr CodeText kOlyColorSpace[] = {{0, "sRGB"}, {1, "AdobeRGB"}, {2, "ProPhoto RGB"}};
// PictureMode's first value.
inline constexpr CodeText kOlyPictureMode[] = {
    {1, "Vivid"}, {2, "Natural"}, {3, "Muted"}, {4, "Portrait"}, {5, "i-Enhance"},
    {6, "e-Portrait"}, {7, "カラークリエーター"}, {8, "水中"}, {9, "カラープロファイル1"},
    {10, "カラープロファイル2"}, {11, "カラープロファイル3"}, {12, "モノクロプロファイル1"},
    {13, "モノクロプロファイル2"}, {14, "モノクロプロファイル3"}, {17, "アートモード"},
    {18, "モノクロプロファイル4"}, {256, "モノトーン"}, {512, "セピア"}};
inline constexpr CodeText kOlyBwFilter[] = {
    {0, "なし"}, {1, "ニュートラル"}, {2, "イエロー"}, {3, "オレンジ"}, {4, "レッド"},
    {5, "グリーン"}};
inline constexpr CodeText kOlyPictureTone[] = {
    {0, "なし"}, {1, "ニュートラル"}, {2, "セピア"}, {3, "ブルー"}, {4, "パープル"},
    {5, "グリーン"}};
inline constexpr CodeText kOlyFilmGrain[] = {{0, "オフ"}, {1, "弱"}, {2, "中"}, {3, "強"}};
inline constexpr CodeText kOlyImageQuality2[] = {
    {1, "SQ"}, {2, "HQ"}, {3, "SHQ"}, {4, "RAW"}, {5, "SQ (5)"}};
inline constexpr CodeText kOlyImageStabilization[] = {
    {0, "オフ"}, {1, "オン, S-IS1 (全方向)"}, {2, "オン, S-IS2 (縦方向)"},
    {3, "オン, S-IS3 (横方向)"}, {4, "オン, S-IS AUTO"}};

inline constexpr MakerTag kOlympusCameraSettingsTags[] = {
    {.tag = 0x0000, .name = "カメラ設定バージョン", .rule = Rule::kVersion},
    {.tag = 0x0100, .name = "プレビュー画像有効", .values = kOlyNoYes, .types = kLong},
    {.tag = 0x0101, .name = "プレビュー画像の位置"},
    {.tag = 0x0102, .name = "プレビュー画像の長さ"},
    {.tag = 0x0200, .name = "露出モード", .values = kOlyExposureMode, .types = kShort},
    {.tag = 0x0201, .name = "AEロック", .values = kOlyOffOn, .types = kShort},
    {.tag = 0x0202, .name = "測光モード", .values = kOlyMeteringMode, .types = kShort},
    {.tag = 0x0203, .name = "露出シフト"},
    {.tag = 0x0204, .name = "NDフィルター", .values = kOlyOffOn, .types = kShort | kLong},
    {.tag = 0x0300, .name = "マクロモード", .values = kOlyMacroMode, .types = kShort},
    {.tag = 0x0301, .name = "フォーカスモード", .values = kOlyFocusMode, .types = kShort},
    {.tag = 0x0302, .name = "フォーカス処理", .values = kOlyFocusProcess, .types = kShort},
    {.tag = 0x0303, .name = "AFサーチ", .values = kOlyAfSearch, .types = kShort},
    {.tag = 0x0304, .name = "AFエリア"},
    {.tag = 0x0305, .name = "選択AFポイント"},
    {.tag = 0x0306, .name = "AF微調整", .values = kOlyOffOn, .types = kByte},
    {.tag = 0x0307, .name = "AF微調整量"},
    {.tag = 0x0308, .name = "フォーカスブラケットのステップ"},
    {.tag = 0x0309, .name = "AI被写体検出モード"},
    {.tag = 0x030A, .name = "AFターゲット情報"},
    {.tag = 0x030B, .name = "被写体検出情報"},
    {.tag = 0x0400, .name = "フラッシュモード", .rule = Rule::kUpperHex},
    {.tag = 0x0401, .name = "フラッシュ発光量補正"},
    {.tag = 0x0403, .name = "フラッシュのリモート制御"},
    {.tag = 0x0404, .name = "フラッシュ制御モード"},
    {.tag = 0x0405, .name = "フラッシュ強度"},
    {.tag = 0x0406, .name = "マニュアルフラッシュ発光量"},
    {.tag = 0x0500, .name = "ホワイトバランス", .values = kOlyWhiteBalance2, .types = kShort},
    {.tag = 0x0501, .name = "ホワイトバランス色温度"},
    {.tag = 0x0502, .name = "WBブラケット"},
    {.tag = 0x0503, .name = "カスタム彩度"},
    {.tag = 0x0504, .name = "彩度の変更", .values = kOlyModifiedSaturation, .types = kShort},
    {.tag = 0x0505, .name = "コントラスト設定"},
    {.tag = 0x0506, .name = "シャープネス設定"},
    {.tag = 0x0507, .name = "色空間", .values = kOlyColorSpace, .types = kShort},
    {.tag = 0x0509, .name = "シーンモード"},
    {.tag = 0x050A, .name = "ノイズリダクション", .rule = Rule::kUpperHex},
    {.tag = 0x050B, .name = "歪曲補正", .values = kOlyOffOn, .types = kShort},
    {.tag = 0x050C, .name = "シェーディング補正", .values = kOlyOffOn, .types = kShort},
    {.tag = 0x050D, .name = "圧縮率"},
    {.tag = 0x050F, .name = "階調"},
    {.tag = 0x0520, .name = "仕上がり", .values = kOlyPictureMode, .types = kShort},
    {.tag = 0x0521, .name = "仕上がりの彩度"},
    {.tag = 0x0523, .name = "仕上がりのコントラスト"},
    {.tag = 0x0524, .name = "仕上がりのシャープネス"},
    {.tag = 0x0525, .name = "仕上がりのモノクロフィルター", .values = kOlyBwFilter,
     .types = kSigned},
    {.tag = 0x0526, .name = "仕上がりの調色", .values = kOlyPictureTone, .types = kSigned},
    {.tag = 0x0527, .name = "ノイズフィルター"},
    {.tag = 0x0529, .name = "アートフィルター"},
    {.tag = 0x052C, .name = "マジックフィルター"},
    {.tag = 0x052D, .name = "仕上がりの効果"},
    {.tag = 0x052E, .name = "トーンレベル"},
    {.tag = 0x052F, .name = "アートフィルター効果"},
    {.tag = 0x0532, .name = "カラークリエーター効果"},
    {.tag = 0x0537, .name = "モノクロプロファイル設定"},
    {.tag = 0x0538, .name = "粒状フィルム効果", .values = kOlyFilmGrain, .types = kSigned},
    {.tag = 0x0539, .name = "カラープロファイル設定"},
    {.tag = 0x053A, .name = "モノクロの周辺光量"},
    {.tag = 0x053B, .name = "モノクロの色", .values = kOlyPictureTone, .types = kSigned},
    {.tag = 0x0600, .name = "ドライブモード"},
    {.tag = 0x0601, .name = "パノラマモード"},
    {.tag = 0x0603, .name = "画質", .values = kOlyImageQuality2, .types = kShort},
    {.tag = 0x0604, .name = "手ぶれ補正", .values = kOlyImageStabilization, .types = kLong},
    {.tag = 0x0804, .name = "合成画像"},
    {.tag = 0x0821, .name = "ISOオート設定"},
    {.tag = 0x0900, .name = "水圧計の気圧"},
    {.tag = 0x0901, .name = "水圧計の値"},
    {.tag = 0x0902, .name = "拡張WB検出", .values = kOlyOffOn, .types = kShort},
    {.tag = 0x0903, .name = "ロール角"},
    {.tag = 0x0904, .name = "ピッチ角"},
    {.tag = 0x0908, .name = "日時(UTC)"},
};

// *RawDevelopment (0x2030) and RawDevelopment2 (0x2031)*
inline constexpr CodeText kOlyRawDevEngine[] = {
    {0, "高速"}, {1, "高機能"}, {2, "高速(アドバンスト)"}, {3, "高機能(アドバンスト)"}};
inline constexpr CodeText kOlyRawDevEditStatus[] = {
    {0, "オリジナル"}, {1, "編集済み(風景)"}, {6, "編集済み(人物)"}, {8, "編集済み(人物)"}};
inline constexpr CodeText kOlyRawDevWhiteBalance[] = {{1, "色温度"}, {2, "グレーポイント"}};
inline constexpr CodeText kOlyRawDevPictureMode[] = {
    {1, "Vivid"}, {2, "Natural"}, {3, "Muted"}, {256, "モノトーン"}, {512, "セピア"}};
inline constexpr CodeText kOlyRawDevBwFilter[] = {
    {1, "ニュートラル"}, {2, "イエロー"}, {3, "オレンジ"}, {4, "レッド"}, {5, "グリーン"}};
inline constexpr CodeText kOlyRawDevPictureTone[] = {
    {1, "ニュートラル"}, {2, "セピア"}, {3, "ブルー"}, {4, "パープル"}, {5, "グリーン"}};

inline constexpr MakerTag kOlympusRawDevelopmentTags[] = {
    {.tag = 0x0000, .name = "RAW現像バージョン", .rule = Rule::kVersion},
    {.tag = 0x0100, .name = "露出補正値"},
    {.tag = 0x0101, .name = "ホワイトバランス値"},
    {.tag = 0x0102, .name = "WB微調整"},
    {.tag = 0x0103, .name = "グレーポイント"},
    {.tag = 0x0104, .name = "彩度強調"},
    {.tag = 0x0105, .name = "記憶色強調"},
    {.tag = 0x0106, .name = "コントラスト値"},
    {.tag = 0x0107, .name = "シャープネス値"},
    {.tag = 0x0108, .name = "色空間", .values = kOlyColorSpace, .types = kShort},
    {.tag = 0x0109, .name = "現像エンジン", .values = kOlyRawDevEngine, .types = kShort},
    {.tag = 0x010A, .name = "ノイズリダクション", .rule = Rule::kUpperHex},
    {.tag = 0x010B, .name = "編集状態", .values = kOlyRawDevEditStatus, .types = kShort},
    {.tag = 0x010C, .name = "現像設定", .rule = Rule::kUpperHex},
};

inline constexpr MakerTag kOlympusRawDevelopment2Tags[] = {
    {.tag = 0x0000, .name = "RAW現像バージョン", .rule = Rule::kVersion},
    {.tag = 0x0100, .name = "露出補正値"},
    {.tag = 0x0101, .name = "ホワイトバランス", .values = kOlyRawDevWhiteBalance, .types = kShort},
    {.tag = 0x0102, .name = "ホワイトバランス値"},
    {.tag = 0x0103, .name = "WB微調整"},
    {.tag = 0x0104, .name = "グレーポイント"},
    {.tag = 0x0105, .name = "コントラスト値"},
    {.tag = 0x0106, .name = "シャープネス値"},
    {.tag = 0x0107, .name = "彩度強調"},
    {.tag = 0x0108, .name = "記憶色強調"},
    {.tag = 0x0109, .name = "色空間", .values = kOlyColorSpace, .types = kShort},
    {.tag = 0x010A, .name = "ノイズリダクション", .rule = Rule::kUpperHex},
    {.tag = 0x010B, .name = "現像エンジン", .values = kOlyRawDevEngine, .types = kShort},
    {.tag = 0x010C, .name = "仕上がり", .values = kOlyRawDevPictureMode, .types = kShort},
    {.tag = 0x010D, .name = "仕上がりの彩度"},
    {.tag = 0x010E, .name = "仕上がりのコントラスト"},
    {.tag = 0x010F, .name = "仕上がりのシャープネス"},
    {.tag = 0x0110, .name = "仕上がりのモノクロフィルター", .values = kOlyRawDevBwFilter,
     .types = kShort},
    {.tag = 0x0111, .name = "仕上がりの調色", .values = kOlyRawDevPictureTone, .types = kShort},
    {.tag = 0x0112, .name = "階調"},
    {.tag = 0x0113, .name = "彩度3"},
    {.tag = 0x0119, .name = "オート階調", .values = kOlyOffOn, .types = kShort},
    {.tag = 0x0120, .name = "仕上がりのノイズフィルター"},
    {.tag = 0x0121, .name = "アートフィルター"},
    {.tag = 0x8000, .name = "RAW現像サブIFD"},
};

// *ImageProcessing (0x2040)*
inline constexpr CodeText kOlyMultipleExposure[] = {
    {0, "オフ"}, {1, "ライブコンポジット"}, {2, "オン(2コマ)"}, {3, "オン(3コマ)"}};
inline constexpr CodeText kOlyGndFilter[] = {{0, "ハード"}, {1, "ミディアム"}, {2, "ソフト"}};
inline constexpr CodeText kOlyKeystoneDirection[] = {{0, "垂直"}, {1, "水平"}};

inline constexpr MakerTag kOlympusImageProcessingTags[] = {
    {.tag = 0x0000, .name = "画像処理バージョン", .rule = Rule::kVersion},
    {.tag = 0x0100, .name = "WB R/Bレベル"},
    {.tag = 0x0102, .name = "WB R/Bレベル(3000K)"},
    {.tag = 0x0103, .name = "WB R/Bレベル(3300K)"},
    {.tag = 0x0104, .name = "WB R/Bレベル(3600K)"},
    {.tag = 0x0105, .name = "WB R/Bレベル(3900K)"},
    {.tag = 0x0106, .name = "WB R/Bレベル(4000K)"},
    {.tag = 0x0107, .name = "WB R/Bレベル(4300K)"},
    {.tag = 0x0108, .name = "WB R/Bレベル(4500K)"},
    {.tag = 0x0109, .name = "WB R/Bレベル(4800K)"},
    {.tag = 0x010A, .name = "WB R/Bレベル(5300K)"},
    {.tag = 0x010B, .name = "WB R/Bレベル(6000K)"},
    {.tag = 0x010C, .name = "WB R/Bレベル(6600K)"},
    {.tag = 0x010D, .name = "WB R/Bレベル(7500K)"},
    {.tag = 0x010E, .name = "WB R/Bレベル(CWB1)"},
    {.tag = 0x010F, .name = "WB R/Bレベル(CWB2)"},
    {.tag = 0x0110, .name = "WB R/Bレベル(CWB3)"},
    {.tag = 0x0111, .name = "WB R/Bレベル(CWB4)"},
    {.tag = 0x0113, .name = "WB Gレベル(3000K)"},
    {.tag = 0x0114, .name = "WB Gレベル(3300K)"},
    {.tag = 0x0115, .name = "WB Gレベル(3600K)"},
    {.tag = 0x0116, .name = "WB Gレベル(3900K)"},
    {.tag = 0x0117, .name = "WB Gレベル(4000K)"},
    {.tag = 0x0118, .name = "WB Gレベル(4300K)"},
    {.tag = 0x0119, .name = "WB Gレベル(4500K)"},
    {.tag = 0x011A, .name = "WB Gレベル(4800K)"},
    {.tag = 0x011B, .name = "WB Gレベル(5300K)"},
    {.tag = 0x011C, .name = "WB Gレベル(6000K)"},
    {.tag = 0x011D, .name = "WB Gレベル(6600K)"},
    {.tag = 0x011E, .name = "WB Gレベル(7500K)"},
    {.tag = 0x011F, .name = "WB Gレベル"},
    {.tag = 0x0200, .name = "色変換行列"},
    {.tag = 0x0300, .name = "エンハンサー"},
    {.tag = 0x0301, .name = "エンハンサー値"},
    {.tag = 0x0310, .name = "コアリングフィルター"},
    {.tag = 0x0311, .name = "コアリング値"},
    {.tag = 0x0600, .name = "黒レベル2"},
    {.tag = 0x0610, .name = "ゲインベース"},
    {.tag = 0x0611, .name = "有効ビット"},
    {.tag = 0x0612, .name = "クロップ(左)"},
    {.tag = 0x0613, .name = "クロップ(上)"},
    {.tag = 0x0614, .name = "クロップ幅"},
    {.tag = 0x0615, .name = "クロップ高さ"},
    {.tag = 0x0805, .name = "センサーキャリブレーション"},
    {.tag = 0x1010, .name = "ノイズリダクション2", .rule = Rule::kUpperHex},
    {.tag = 0x1011, .name = "歪曲補正2", .values = kOlyOffOn, .types = kShort},
    {.tag = 0x1012, .name = "シェーディング補正2", .values = kOlyOffOn, .types = kShort},
    {.tag = 0x101C, .name = "多重露出モード", .values = kOlyMultipleExposure, .types = kShort},
    {.tag = 0x1112, .name = "アスペクト比"},
    {.tag = 0x1113, .name = "アスペクトフレーム"},
    {.tag = 0x1200, .name = "検出された顔の数"},
    {.tag = 0x1201, .name = "顔検出エリア"},
    {.tag = 0x1202, .name = "最大顔数"},
    {.tag = 0x1203, .name = "顔検出フレームサイズ"},
    {.tag = 0x1207, .name = "顔検出フレームのクロップ"},
    {.tag = 0x1306, .name = "カメラ温度"},
    {.tag = 0x1900, .name = "台形補正"},
    {.tag = 0x1901, .name = "台形補正の方向", .values = kOlyKeystoneDirection, .types = kByte},
    {.tag = 0x1906, .name = "台形補正値"},
    {.tag = 0x2110, .name = "ハーフNDフィルターの種類", .values = kOlyGndFilter, .types = kByte},
};

// *FocusInfo (0x2050)*
inline constexpr CodeText kOlyExternalFlashBounce[] = {{0, "バウンスまたはオフ"}, {1, "直射"}};

inline constexpr MakerTag kOlympusFocusInfoTags[] = {
    {.tag = 0x0000, .name = "フォーカス情報バージョン", .rule = Rule::kVersion},
    {.tag = 0x0210, .name = "シーン検出"},
    {.tag = 0x0300, .name = "ズームステップ数"},
    {.tag = 0x0301, .name = "フォーカスステップ数"},
    {.tag = 0x0303, .name = "フォーカスステップ(無限遠)"},
    {.tag = 0x0304, .name = "フォーカスステップ(近距離)"},
    {.tag = 0x0305, .name = "被写体距離"},
    {.tag = 0x0308, .name = "AFポイント"},
    {.tag = 0x031B, .name = "AFポイントの詳細"},
    {.tag = 0x0328, .name = "AF情報"},
    {.tag = 0x1201, .name = "外部フラッシュ"},
    {.tag = 0x1204, .name = "外部フラッシュバウンス", .values = kOlyExternalFlashBounce,
     .types = kShort},
    {.tag = 0x1205, .name = "外部フラッシュズーム"},
    {.tag = 0x1208, .name = "内蔵フラッシュ", .values = kOlyOffOn, .types = kShort},
    {.tag = 0x1209, .name = "マニュアルフラッシュ"},
    {.tag = 0x120A, .name = "マクロLED", .values = kOlyOffOn, .types = kShort},
    {.tag = 0x1500, .name = "センサー温度"},
    {.tag = 0x1600, .name = "手ぶれ補正"},
    {.tag = 0x2100, .name = "防振待ち時間"},
};

inline constexpr MakerDirectory kOlympusEquipment{"機材情報", kOlympusEquipmentTags};
inline constexpr MakerDirectory kOlympusCameraSettings{"カメラ設定", kOlympusCameraSettingsTags};
inline constexpr MakerDirectory kOlympusRawDevelopment{"RAW現像情報", kOlympusRawDevelopmentTags};
inline constexpr MakerDirectory kOlympusRawDevelopment2{"RAW現像情報2", kOlympusRawDevelopment2Tags};
inline constexpr MakerDirectory kOlympusImageProcessing{"画像処理情報", kOlympusImageProcessingTags};
inline constexpr MakerDirectory kOlympusFocusInfo{"フォーカス情報", kOlympusFocusInfoTags};

}  // namespace kelvane::maker
