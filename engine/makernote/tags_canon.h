// Canon (code 8): the main directory of the note. The tags and their value
// lists come from the public Canon tag-name page ("Canon Tags"); a tag the
// page marks "?" (0x0003 CanonFlashInfo, 0x4002, 0x4005) or calls unknown
// (0x000A UnknownD30) stays unnamed. The settings arrays 0x0001, 0x0004
// and 0x00A0 are read element by element (canon_settings_tables.h).
// The newer tags are detail rows; the lens, the serial numbers and the
// firmware stay key rows.
#pragma once

#include "engine/makernote/canon_models.h"
#include "engine/makernote/maker_table.h"

namespace kelvane::maker {

// *Canon (code 8)*
inline constexpr CodeText kCanonProcessing[] = {{1, "標準"}, {2, "AdobeRGB"}, {3, "セピア"}};
inline constexpr CodeText kCanonSerialNumberFormat[] = {{0x90000000, "形式1"},
                                                        {0xA0000000, "形式2"}};
inline constexpr CodeText kCanonSuperMacro[] = {{0, "オフ"}, {1, "オン (1)"}, {2, "オン (2)"}};
inline constexpr CodeText kCanonDateStampMode[] = {{0, "オフ"}, {1, "日付"}, {2, "日付と時刻"}};

inline constexpr MakerTag kCanonTags[] = {
    {.tag = 0x0001, .rule = Rule::kCanonSettings},
    {.tag = 0x0002, .name = "焦点距離情報", .style = kStyleDetail},
    {.tag = 0x0004, .rule = Rule::kCanonSettings},
    {.tag = 0x0005, .name = "パノラマ情報", .style = kStyleDetail},
    {.tag = 0x0006, .name = "イメージの種類 ", .camera_type = true},
    {.tag = 0x0007, .name = "ファームウェア"},
    {.tag = 0x0008, .name = "ファイル番号"},
    {.tag = 0x0009, .name = "所有者名", .ascii = Text::kToNul},
    {.tag = 0x000C, .name = "シリアル番号", .rule = Rule::kCanonSerial},
    {.tag = 0x000D, .name = "カメラ情報", .style = kStyleDetail},
    {.tag = 0x000E, .name = "ファイルサイズ", .style = kStyleDetail},
    {.tag = 0x000F, .rule = Rule::kCanonCustomFunctions},
    {.tag = 0x0010, .name = "モデルID", .values = kCanonModels, .types = kLong, .style = kStyleDetail},
    {.tag = 0x0011, .name = "動画情報", .style = kStyleDetail},
    {.tag = 0x0012, .name = "AF情報", .style = kStyleDetail},
    {.tag = 0x0013, .name = "サムネイルの有効範囲", .style = kStyleDetail},
    {.tag = 0x0015, .name = "シリアル番号の形式", .values = kCanonSerialNumberFormat,
     .types = kLong, .style = kStyleDetail},
    {.tag = 0x001A, .name = "スーパーマクロ", .values = kCanonSuperMacro, .types = kShort, .style = kStyleDetail},
    {.tag = 0x001C, .name = "日付の写し込み", .values = kCanonDateStampMode, .types = kShort, .style = kStyleDetail},
    {.tag = 0x001D, .name = "マイカラー", .style = kStyleDetail},
    {.tag = 0x001E, .name = "ファームウェアのリビジョン", .rule = Rule::kUpperHex, .style = kStyleDetail},
    {.tag = 0x0023, .name = "カテゴリー", .style = kStyleDetail},
    {.tag = 0x0024, .name = "顔検出情報1", .style = kStyleDetail},
    {.tag = 0x0025, .name = "顔検出情報2", .style = kStyleDetail},
    {.tag = 0x0026, .name = "AF情報2", .style = kStyleDetail},
    {.tag = 0x0027, .name = "コントラスト情報", .style = kStyleDetail},
    {.tag = 0x0028, .name = "画像固有ID", .style = kStyleDetail},
    {.tag = 0x0029, .name = "ホワイトバランス情報", .style = kStyleDetail},
    {.tag = 0x002F, .name = "顔検出情報3", .style = kStyleDetail},
    {.tag = 0x0035, .name = "時刻情報", .style = kStyleDetail},
    {.tag = 0x0038, .name = "バッテリーの種類", .style = kStyleDetail},
    {.tag = 0x003C, .name = "AF情報3", .style = kStyleDetail},
    {.tag = 0x0081, .name = "RAWデータの位置", .style = kStyleDetail},
    {.tag = 0x0082, .name = "RAWデータの長さ", .style = kStyleDetail},
    {.tag = 0x0083, .name = "撮影時データの位置", .style = kStyleDetail},
    {.tag = 0x0090, .name = "カスタム機能(1D)", .style = kStyleDetail},
    {.tag = 0x0091, .name = "パーソナル機能", .style = kStyleDetail},
    {.tag = 0x0092, .name = "パーソナル機能の値", .style = kStyleDetail},
    {.tag = 0x0093, .name = "ファイル情報", .style = kStyleDetail},
    {.tag = 0x0094, .name = "合焦AFポイント(1D)", .style = kStyleDetail},
    {.tag = 0x0095, .name = "レンズ名"},
    {.tag = 0x0096, .name = "内部シリアル番号"},
    {.tag = 0x0097, .name = "ダスト除去データ", .style = kStyleDetail},
    {.tag = 0x0098, .name = "クロップ情報", .style = kStyleDetail},
    {.tag = 0x0099, .name = "カスタム機能2", .style = kStyleDetail},
    {.tag = 0x009A, .name = "アスペクト情報", .style = kStyleDetail},
    {.tag = 0x00A0, .name = "処理情報", .rule = Rule::kCanonSettingsAndRow, .style = kStyleDetail},
    {.tag = 0x00A1, .name = "トーンカーブ表", .style = kStyleDetail},
    {.tag = 0x00A2, .name = "シャープネス表", .style = kStyleDetail},
    {.tag = 0x00A3, .name = "シャープネス周波数表", .style = kStyleDetail},
    {.tag = 0x00A4, .name = "ホワイトバランス表", .style = kStyleDetail},
    {.tag = 0x00A8},
    {.tag = 0x00A9, .name = "カラーバランス", .style = kStyleDetail},
    {.tag = 0x00AA, .name = "測定色", .style = kStyleDetail},
    {.tag = 0x00AE, .name = "色温度", .rule = Rule::kDecimalUnit, .unit = "K"},
    {.tag = 0x00B0, .name = "フラグ", .style = kStyleDetail},
    {.tag = 0x00B1, .name = "変更情報", .style = kStyleDetail},
    {.tag = 0x00B2, .name = "トーンカーブの一致", .style = kStyleDetail},
    {.tag = 0x00B3, .name = "ホワイトバランスの一致", .style = kStyleDetail},
    {.tag = 0x00B4, .name = "現像パラメーター", .values = kCanonProcessing, .types = kShort},
    {.tag = 0x00B6, .name = "プレビュー画像情報", .style = kStyleDetail},
    {.tag = 0x00C0},
    {.tag = 0x00C1},
    {.tag = 0x00D0, .name = "VRDデータの位置", .style = kStyleDetail},
    {.tag = 0x00E0, .name = "センサー情報", .style = kStyleDetail},
    {.tag = 0x4001, .name = "カラーデータ", .style = kStyleDetail},
    {.tag = 0x4003, .name = "カラー情報", .style = kStyleDetail},
    {.tag = 0x4008, .name = "ピクチャースタイル(ユーザー設定)", .style = kStyleDetail},
    {.tag = 0x4009, .name = "ピクチャースタイル(PC)", .style = kStyleDetail},
    {.tag = 0x4010, .name = "カスタムピクチャースタイルのファイル名", .style = kStyleDetail},
    {.tag = 0x4013, .name = "AFマイクロアジャストメント", .style = kStyleDetail},
    {.tag = 0x4015, .name = "周辺光量補正", .style = kStyleDetail},
    {.tag = 0x4016, .name = "周辺光量補正2", .style = kStyleDetail},
    {.tag = 0x4018, .name = "オートライティングオプティマイザ", .style = kStyleDetail},
    {.tag = 0x4019, .name = "レンズ情報", .style = kStyleDetail},
    {.tag = 0x4020, .name = "雰囲気情報", .style = kStyleDetail},
    {.tag = 0x4021, .name = "多重露出", .style = kStyleDetail},
    {.tag = 0x4024, .name = "フィルター情報", .style = kStyleDetail},
    {.tag = 0x4025, .name = "HDR情報", .style = kStyleDetail},
    {.tag = 0x4026, .name = "Log情報", .style = kStyleDetail},
    {.tag = 0x4028, .name = "AF設定", .style = kStyleDetail},
    {.tag = 0x403F, .name = "RAWバースト情報", .style = kStyleDetail},
    {.tag = 0x4053, .name = "フォーカスブラケット情報", .style = kStyleDetail},
    {.tag = 0x4059, .name = "水準器情報", .style = kStyleDetail},
};

}  // namespace kelvane::maker
