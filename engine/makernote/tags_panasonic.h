// Panasonic and Leica (code 25): "Panasonic\0\0\0" (IFD 12 bytes in) and
// "LEICA\0\0\0" (8 bytes in), offsets from the TIFF header. The tags and
// their values are those of ExifTool's public "Panasonic Tags" page (its
// main table; the Leica bodies that share the layout write the same tags);
// the tags it marks as not understood ("?") are left unnamed. Vocabularies
// of tags that several models read differently (contrast mode, noise
// reduction) are left as numbers.
#pragma once

#include "engine/makernote/maker_table.h"

namespace kelvane::maker {

inline constexpr CodeText kPanasonicQuality[] = {{1, "TIFF"}, {2, "ファイン"}, {3, "スタンダード"}, {6, "スーパーファイン"}, {7, "RAW"}, {9, "動画"}, {11, "フルHD動画"}, {12, "4K動画"}};
inline constexpr CodeText kPanasonicWhiteBalance[] = {{1, "オート"}, {2, "晴天"}, {3, "曇天"}, {4, "白熱電球"}, {5, "マニュアル"}, {8, "フラッシュ"}, {10, "白黒"}, {11, "マニュアル2"}, {12, "日陰"}, {13, "色温度指定"}, {14, "マニュアル3"}, {15, "マニュアル4"}, {19, "オート(クール)"}};
inline constexpr CodeText kPanasonicFocusMode[] = {{1, "オート"}, {2, "マニュアル"}, {4, "オート(フォーカスボタン)"}, {5, "オート(コンティニュアス)"}, {6, "AF-S"}, {7, "AF-C"}, {8, "AF-F"}};
inline constexpr CodeText kPanasonicStabilization[] = {{2, "オン(光学式)"}, {3, "オフ"}, {4, "オン(モード2)"}, {5, "オン(光学式・流し撮り)"}, {6, "オン(ボディ内のみ)"}, {7, "オン(ボディ内のみ・流し撮り)"}, {9, "Dual IS"}, {10, "Dual IS(流し撮り)"}, {11, "Dual2 IS"}, {12, "Dual2 IS(流し撮り)"}};
inline constexpr CodeText kPanasonicMacro[] = {{1, "オン"}, {2, "オフ"}, {257, "テレマクロ"}, {513, "マクロズーム"}};
inline constexpr CodeText kPanasonicShootingMode[] = {{1, "通常撮影"}, {2, "ポートレート"}, {3, "風景"}, {4, "高速連写"}, {5, "夜景&人物"}, {6, "プログラムAE"}, {7, "絞り優先AE"}, {8, "シャッター優先AE"}, {9, "マクロ撮影"}, {10, "スポット"}, {11, "マニュアル"}, {12, "動画プレビュー"}, {13, "流し撮り撮影"}, {14, "シンプル"}, {15, "カラーエフェクト"}, {16, "自分撮り"}, {17, "エコノミー"}, {18, "花火"}, {19, "パーティー"}, {20, "スノー"}, {21, "夜景"}, {22, "料理"}, {23, "赤ちゃん"}, {24, "美肌"}, {25, "キャンドル"}, {26, "星空"}, {27, "高感度"}, {28, "パノラマアシスト"}, {29, "水中"}, {30, "ビーチ"}, {31, "空撮"}, {32, "夕焼け"}, {33, "ペット"}, {34, "インテリジェントISO"}, {35, "クリップボード"}, {36, "高速連写"}, {37, "おまかせiA"}, {39, "マルチアスペクト"}, {41, "トランスフォーム"}, {42, "フラッシュ連写"}, {43, "ピンホール"}, {44, "フィルム粒子"}, {45, "マイカラー"}, {46, "フォトフレーム"}, {48, "動画"}, {51, "HDR"}, {52, "周辺ぼかし"}, {55, "手持ち夜景"}, {57, "3D"}, {59, "クリエイティブコントロール"}, {60, "おまかせiA+"}, {62, "パノラマ"}, {63, "ガラス越し"}, {64, "HDR"}, {66, "デジタルフィルター"}, {67, "クリアポートレート"}, {68, "シルキースキン"}, {69, "逆光ソフト"}, {70, "クリア逆光"}, {71, "リラックストーン"}, {72, "かわいい子供"}, {73, "くっきり風景"}, {74, "すっきり青空"}, {75, "ロマンチック夕焼け"}, {76, "ビビッド夕焼け"}, {77, "きらめく水面"}, {78, "クリア夜景"}, {79, "冷たい夜空"}, {80, "温かい夜景"}, {81, "アーティスティック夜景"}, {82, "きらめくイルミネーション"}, {83, "クリア夜景ポートレート"}, {84, "ふんわり花"}, {85, "おいしい料理"}, {86, "かわいいデザート"}, {87, "動物の動きを止める"}, {88, "クリアスポーツ"}, {89, "モノクローム"}, {90, "クリエイティブコントロール"}, {92, "手持ち夜景"}};
inline constexpr CodeText kPanasonicAudio[] = {{1, "あり"}, {2, "なし"}, {3, "ステレオ"}};
inline constexpr CodeText kPanasonicColorEffect[] = {{1, "オフ"}, {2, "暖色"}, {3, "寒色"}, {4, "白黒"}, {5, "セピア"}, {6, "ハッピー"}, {8, "ビビッド"}};
inline constexpr CodeText kPanasonicBurstMode[] = {{0, "オフ"}, {1, "オン"}, {2, "オートブラケット"}, {3, "フォーカスブラケット"}, {4, "無制限"}, {8, "ホワイトバランスブラケット"}, {17, "オン(フラッシュ併用)"}, {18, "絞りブラケット"}};
inline constexpr CodeText kPanasonicSelfTimer[] = {{0, "オフ(0)"}, {1, "オフ"}, {2, "10秒"}, {3, "2秒"}, {4, "10秒/3枚"}, {258, "シャッター後2秒"}, {266, "シャッター後10秒"}, {778, "10秒後に3枚"}};
inline constexpr CodeText kPanasonicRotation[] = {{1, "横(標準)"}, {3, "180度回転"}, {6, "右90度回転"}, {8, "左90度回転"}};
inline constexpr CodeText kPanasonicAfAssistLamp[] = {{1, "発光"}, {2, "有効(未使用)"}, {3, "無効(必要)"}, {4, "無効(不要)"}};
inline constexpr CodeText kPanasonicColorMode[] = {{0, "標準"}, {1, "ナチュラル"}, {2, "ビビッド"}};
inline constexpr CodeText kPanasonicOpticalZoomMode[] = {{1, "標準"}, {2, "EX光学ズーム"}};
inline constexpr CodeText kPanasonicConversionLens[] = {{1, "オフ"}, {2, "ワイド"}, {3, "テレ"}, {4, "マクロ"}};
inline constexpr CodeText kPanasonicBatteryLevel[] = {{1, "満充電"}, {2, "中"}, {3, "少"}, {4, "残りわずか"}, {7, "ほぼ満充電"}, {8, "やや少"}, {256, "なし"}};
inline constexpr CodeText kPanasonicWorldTime[] = {{1, "自宅"}, {2, "旅行先"}};
inline constexpr CodeText kPanasonicOffOn12[] = {{1, "オフ"}, {2, "オン"}};
inline constexpr CodeText kPanasonicFilmMode[] = {{0, "なし"}, {1, "スタンダード(カラー)"}, {2, "ダイナミック(カラー)"}, {3, "ネイチャー(カラー)"}, {4, "スムーズ(カラー)"}, {5, "スタンダード(白黒)"}, {6, "ダイナミック(白黒)"}, {7, "スムーズ(白黒)"}, {10, "ノスタルジック"}, {11, "ヴィブラント"}};
inline constexpr CodeText kPanasonicJpegQuality[] = {{0, "なし(動画)"}, {2, "ファイン"}, {3, "スタンダード"}, {6, "スーパーファイン"}, {255, "なし(RAWのみ)"}};
inline constexpr CodeText kPanasonicBracket[] = {{0, "ブラケットなし"}, {1, "3枚 0/-/+"}, {2, "3枚 -/0/+"}, {3, "5枚 0/-/+"}, {4, "5枚 -/0/+"}, {5, "7枚 0/-/+"}, {6, "7枚 -/0/+"}};
inline constexpr CodeText kPanasonicFlashCurtain[] = {{0, "なし"}, {1, "先幕"}, {2, "後幕"}};
inline constexpr CodeText kPanasonicLevel4[] = {{0, "オフ"}, {1, "弱"}, {2, "標準"}, {3, "強"}};
inline constexpr CodeText kPanasonicFlashWarning[] = {{0, "いいえ"}, {1, "はい(発光が必要だが禁止)"}};
inline constexpr CodeText kPanasonicIntelligentResolution[] = {{0, "オフ"}, {1, "弱"}, {2, "標準"}, {3, "強"}, {4, "拡張"}};
inline constexpr CodeText kPanasonicOffOn01[] = {{0, "オフ"}, {1, "オン"}};
inline constexpr CodeText kPanasonicPhotoStyle[] = {{0, "オート"}, {1, "スタンダードまたはカスタム"}, {2, "ヴィヴィッド"}, {3, "ナチュラル"}, {4, "モノクローム"}, {5, "風景"}, {6, "人物"}, {8, "シネライクD"}, {9, "シネライクV"}, {11, "L.モノクローム"}, {12, "Like709"}, {15, "L.モノクロームD"}, {17, "V-Log"}, {18, "シネライクD2"}};
inline constexpr CodeText kPanasonicCameraOrientation[] = {{0, "標準"}, {1, "右回転"}, {2, "180度回転"}, {3, "左回転"}, {4, "上向き"}, {5, "下向き"}};
inline constexpr CodeText kPanasonicSweepDirection[] = {{0, "オフ"}, {1, "左から右"}, {2, "右から左"}, {3, "上から下"}, {4, "下から上"}};
inline constexpr CodeText kPanasonicTimerRecording[] = {{0, "オフ"}, {1, "インターバル撮影"}, {2, "コマ撮りアニメ"}, {3, "フォーカスブラケット"}};
inline constexpr CodeText kPanasonicHdr[] = {{0, "オフ"}, {100, "1EV"}, {200, "2EV"}, {300, "3EV"}, {32868, "1EV(オート)"}, {32968, "2EV(オート)"}, {33068, "3EV(オート)"}};
inline constexpr CodeText kPanasonicShutterType[] = {{0, "メカシャッター"}, {1, "電子シャッター"}, {2, "ハイブリッド"}};
inline constexpr CodeText kPanasonicMonochromeFilter[] = {{0, "オフ"}, {1, "イエロー"}, {2, "オレンジ"}, {3, "レッド"}, {4, "グリーン"}};
inline constexpr CodeText kPanasonicVideoBurstResolution[] = {{1, "オフまたは4K"}, {4, "6K"}};
inline constexpr CodeText kPanasonicMultiExposure[] = {{0, "なし"}, {1, "オフ"}, {2, "オン"}};
inline constexpr CodeText kPanasonicDiffraction[] = {{0, "オフ"}, {1, "オート"}};
inline constexpr CodeText kPanasonicNoYes12[] = {{1, "いいえ"}, {2, "はい"}};
inline constexpr CodeText kPanasonicVideoPreburst[] = {{0, "いいえ"}, {1, "4Kまたは6K"}};
inline constexpr CodeText kPanasonicSensorType[] = {{0, "マルチアスペクト"}, {1, "標準"}};
inline constexpr CodeText kPanasonicSubjectDetection[] = {{0, "なし"}, {1, "人物(瞳/顔/体)"}, {2, "動物"}, {3, "人物(瞳/顔)"}, {4, "動物(体)"}, {5, "動物(瞳/体)"}, {6, "自動車"}, {7, "バイク"}, {8, "自動車(主要部優先)"}, {9, "バイク(ヘルメット優先)"}, {10, "鉄道"}, {11, "鉄道(主要部優先)"}, {12, "飛行機"}, {13, "飛行機(機首優先)"}};
inline constexpr CodeText kPanasonicSceneMode[] = {{0, "オフ"}, {1, "通常撮影"}, {2, "ポートレート"}, {3, "風景"}, {4, "高速連写"}, {5, "夜景&人物"}, {6, "プログラムAE"}, {7, "絞り優先AE"}, {8, "シャッター優先AE"}, {9, "マクロ撮影"}, {10, "スポット"}, {11, "マニュアル"}, {12, "動画プレビュー"}, {13, "流し撮り撮影"}, {14, "シンプル"}, {15, "カラーエフェクト"}, {16, "自分撮り"}, {17, "エコノミー"}, {18, "花火"}, {19, "パーティー"}, {20, "スノー"}, {21, "夜景"}, {22, "料理"}, {23, "赤ちゃん"}, {24, "美肌"}, {25, "キャンドル"}, {26, "星空"}, {27, "高感度"}, {28, "パノラマアシスト"}, {29, "水中"}, {30, "ビーチ"}, {31, "空撮"}, {32, "夕焼け"}, {33, "ペット"}, {34, "インテリジェントISO"}, {35, "クリップボード"}, {36, "高速連写"}, {37, "おまかせiA"}, {39, "マルチアスペクト"}, {41, "トランスフォーム"}, {42, "フラッシュ連写"}, {43, "ピンホール"}, {44, "フィルム粒子"}, {45, "マイカラー"}, {46, "フォトフレーム"}, {48, "動画"}, {51, "HDR"}, {52, "周辺ぼかし"}, {55, "手持ち夜景"}, {57, "3D"}, {59, "クリエイティブコントロール"}, {60, "おまかせiA+"}, {62, "パノラマ"}, {63, "ガラス越し"}, {64, "HDR"}, {66, "デジタルフィルター"}, {67, "クリアポートレート"}, {68, "シルキースキン"}, {69, "逆光ソフト"}, {70, "クリア逆光"}, {71, "リラックストーン"}, {72, "かわいい子供"}, {73, "くっきり風景"}, {74, "すっきり青空"}, {75, "ロマンチック夕焼け"}, {76, "ビビッド夕焼け"}, {77, "きらめく水面"}, {78, "クリア夜景"}, {79, "冷たい夜空"}, {80, "温かい夜景"}, {81, "アーティスティック夜景"}, {82, "きらめくイルミネーション"}, {83, "クリア夜景ポートレート"}, {84, "ふんわり花"}, {85, "おいしい料理"}, {86, "かわいいデザート"}, {87, "動物の動きを止める"}, {88, "クリアスポーツ"}, {89, "モノクローム"}, {90, "クリエイティブコントロール"}, {92, "手持ち夜景"}};
inline constexpr CodeText kPanasonicHighlightWarning[] = {{0, "無効"}, {1, "いいえ"}, {2, "はい"}};
inline constexpr CodeText kPanasonicVideoBurstMode[] = {{0x1, "オフ"}, {0x4, "フォーカスセレクト"}, {0x18, "4K連写"}, {0x28, "4K連写(S/S)"}, {0x48, "4Kプリ連写"}, {0x108, "ループ記録"}, {0x408, "フォーカス合成"}, {0x810, "6K連写"}, {0x820, "6K連写(S/S)"}, {0x1001, "ハイレゾモード"}};

inline constexpr MakerTag kPanasonicTags[] = {
    {.tag = 0x0001, .name = "画質モード", .values = kPanasonicQuality, .types = kShort},
    {.tag = 0x0002, .name = "バージョン", .rule = Rule::kHexDump},
    {.tag = 0x0003, .name = "ホワイトバランス", .values = kPanasonicWhiteBalance, .types = kShort},
    {.tag = 0x0007, .name = "フォーカスモード", .values = kPanasonicFocusMode, .types = kShort, .style = kStyleDetail},
    {.tag = 0x000F, .name = "AFエリアモード", .style = kStyleDetail},
    {.tag = 0x001A, .name = "手ぶれ補正", .values = kPanasonicStabilization, .types = kShort, .style = kStyleDetail},
    {.tag = 0x001C, .name = "マクロモード", .values = kPanasonicMacro, .types = kShort},
    {.tag = 0x001F, .name = "撮影モード", .values = kPanasonicShootingMode, .types = kShort},
    {.tag = 0x0020, .name = "音声", .values = kPanasonicAudio, .types = kShort, .style = kStyleDetail},
    {.tag = 0x0021, .name = "データダンプ", .style = kStyleDetail},
    {.tag = 0x0023, .name = "ホワイトバランス補正", .style = kStyleDetail},
    {.tag = 0x0024, .name = "調光補正", .style = kStyleDetail},
    {.tag = 0x0025, .name = "内部シリアル番号", .block = Text::kToNul, .style = kStyleKey},
    {.tag = 0x0026, .name = "Panasonic Exifバージョン", .block = Text::kToNul, .style = kStyleDetail},
    {.tag = 0x0027, .name = "動画のフレームレート", .style = kStyleDetail},
    {.tag = 0x0028, .name = "カラーエフェクト", .values = kPanasonicColorEffect, .types = kShort, .style = kStyleDetail},
    {.tag = 0x0029, .name = "電源オンからの時間(1/100秒)", .style = kStyleDetail},
    {.tag = 0x002A, .name = "連写モード", .values = kPanasonicBurstMode, .types = kShort, .style = kStyleDetail},
    {.tag = 0x002B, .name = "連番", .style = kStyleDetail},
    {.tag = 0x002C, .name = "コントラストモード", .style = kStyleDetail},
    {.tag = 0x002D, .name = "ノイズリダクション", .style = kStyleDetail},
    {.tag = 0x002E, .name = "セルフタイマー", .values = kPanasonicSelfTimer, .types = kShort, .style = kStyleDetail},
    {.tag = 0x0030, .name = "回転", .values = kPanasonicRotation, .types = kShort, .style = kStyleDetail},
    {.tag = 0x0031, .name = "AF補助光", .values = kPanasonicAfAssistLamp, .types = kShort, .style = kStyleDetail},
    {.tag = 0x0032, .name = "カラーモード", .values = kPanasonicColorMode, .types = kShort, .style = kStyleDetail},
    {.tag = 0x0033, .name = "月齢", .style = kStyleDetail},
    {.tag = 0x0034, .name = "光学ズームモード", .values = kPanasonicOpticalZoomMode, .types = kShort, .style = kStyleDetail},
    {.tag = 0x0035, .name = "コンバージョンレンズ", .values = kPanasonicConversionLens, .types = kShort, .style = kStyleDetail},
    {.tag = 0x0036, .name = "旅行日数", .style = kStyleDetail},
    {.tag = 0x0038, .name = "電池残量", .values = kPanasonicBatteryLevel, .types = kShort, .style = kStyleDetail},
    {.tag = 0x0039, .name = "コントラスト", .style = kStyleDetail},
    {.tag = 0x003A, .name = "ワールドタイム", .values = kPanasonicWorldTime, .types = kShort, .style = kStyleDetail},
    {.tag = 0x003B, .name = "文字焼き込み", .values = kPanasonicOffOn12, .types = kShort, .style = kStyleDetail},
    {.tag = 0x003C, .name = "プログラムISO", .style = kStyleDetail},
    {.tag = 0x003D, .name = "シーンの詳細", .style = kStyleDetail},
    {.tag = 0x003E, .name = "文字焼き込み", .values = kPanasonicOffOn12, .types = kShort, .style = kStyleDetail},
    {.tag = 0x003F, .name = "検出された顔の数", .style = kStyleDetail},
    {.tag = 0x0040, .name = "彩度", .style = kStyleDetail},
    {.tag = 0x0041, .name = "シャープネス", .style = kStyleDetail},
    {.tag = 0x0042, .name = "フィルムモード", .values = kPanasonicFilmMode, .types = kShort, .style = kStyleDetail},
    {.tag = 0x0043, .name = "JPEG画質", .values = kPanasonicJpegQuality, .types = kShort, .style = kStyleDetail},
    {.tag = 0x0044, .name = "色温度", .rule = Rule::kDecimalUnit, .unit = "K", .style = kStyleDetail},
    {.tag = 0x0045, .name = "ブラケット設定", .values = kPanasonicBracket, .types = kShort, .style = kStyleDetail},
    {.tag = 0x0046, .name = "WBシフト(青-琥珀)", .style = kStyleDetail},
    {.tag = 0x0047, .name = "WBシフト(緑-マゼンタ)", .style = kStyleDetail},
    {.tag = 0x0048, .name = "シンクロ", .values = kPanasonicFlashCurtain, .types = kShort, .style = kStyleDetail},
    {.tag = 0x0049, .name = "長秒ノイズリダクション", .values = kPanasonicOffOn12, .types = kShort, .style = kStyleDetail},
    {.tag = 0x004B, .name = "画像の幅", .style = kStyleDetail},
    {.tag = 0x004C, .name = "画像の高さ", .style = kStyleDetail},
    {.tag = 0x004D, .name = "AF点の位置", .rule = Rule::kDecimalRationals, .style = kStyleDetail},
    {.tag = 0x004E, .name = "顔検出情報", .style = kStyleDetail},
    {.tag = 0x0051, .name = "レンズ", .style = kStyleKey},
    {.tag = 0x0052, .name = "レンズのシリアル番号", .style = kStyleKey},
    {.tag = 0x0053, .name = "アクセサリー", .style = kStyleDetail},
    {.tag = 0x0054, .name = "アクセサリーのシリアル番号", .style = kStyleDetail},
    {.tag = 0x0059, .name = "トランスフォーム", .style = kStyleDetail},
    {.tag = 0x005D, .name = "インテリジェント露出", .values = kPanasonicLevel4, .types = kShort, .style = kStyleDetail},
    {.tag = 0x0060, .name = "レンズのファームウェア", .rule = Rule::kVersion, .style = kStyleDetail},
    {.tag = 0x0061, .name = "顔認識情報", .style = kStyleDetail},
    {.tag = 0x0062, .name = "フラッシュ警告", .values = kPanasonicFlashWarning, .types = kShort, .style = kStyleDetail},
    {.tag = 0x0065, .name = "タイトル", .block = Text::kToNul, .style = kStyleDetail},
    {.tag = 0x0066, .name = "名前", .block = Text::kToNul, .style = kStyleDetail},
    {.tag = 0x0067, .name = "場所", .block = Text::kToNul, .style = kStyleDetail},
    {.tag = 0x0069, .name = "国", .block = Text::kToNul, .style = kStyleDetail},
    {.tag = 0x006B, .name = "州・県", .block = Text::kToNul, .style = kStyleDetail},
    {.tag = 0x006D, .name = "市区町村", .block = Text::kToNul, .style = kStyleDetail},
    {.tag = 0x006F, .name = "ランドマーク", .block = Text::kToNul, .style = kStyleDetail},
    {.tag = 0x0070, .name = "超解像", .values = kPanasonicIntelligentResolution, .types = kByte, .style = kStyleDetail},
    {.tag = 0x0076, .name = "合成枚数", .style = kStyleDetail},
    {.tag = 0x0077, .name = "連写速度(コマ/秒)", .style = kStyleDetail},
    {.tag = 0x0079, .name = "iDレンジコントロール", .values = kPanasonicLevel4, .types = kShort, .style = kStyleDetail},
    {.tag = 0x007C, .name = "クリアレタッチ", .values = kPanasonicOffOn01, .types = kShort, .style = kStyleDetail},
    {.tag = 0x0080, .name = "市区町村2", .block = Text::kToNul, .style = kStyleDetail},
    {.tag = 0x0086, .name = "気圧計", .style = kStyleDetail},
    {.tag = 0x0089, .name = "フォトスタイル", .values = kPanasonicPhotoStyle, .types = kShort, .style = kStyleDetail},
    {.tag = 0x008A, .name = "シェーディング補正", .values = kPanasonicOffOn01, .types = kShort, .style = kStyleDetail},
    {.tag = 0x008B, .name = "WBシフト(おまかせiA)", .style = kStyleDetail},
    {.tag = 0x008C, .name = "加速度 Z", .style = kStyleDetail},
    {.tag = 0x008D, .name = "加速度 X", .style = kStyleDetail},
    {.tag = 0x008E, .name = "加速度 Y", .style = kStyleDetail},
    {.tag = 0x008F, .name = "カメラの向き", .values = kPanasonicCameraOrientation, .types = kByte, .style = kStyleDetail},
    {.tag = 0x0090, .name = "ロール角", .style = kStyleDetail},
    {.tag = 0x0091, .name = "ピッチ角", .style = kStyleDetail},
    {.tag = 0x0092, .name = "WBシフト(クリエイティブコントロール)", .style = kStyleDetail},
    {.tag = 0x0093, .name = "パノラマの方向", .values = kPanasonicSweepDirection, .types = kByte, .style = kStyleDetail},
    {.tag = 0x0094, .name = "パノラマの画角", .style = kStyleDetail},
    {.tag = 0x0096, .name = "タイマー撮影", .values = kPanasonicTimerRecording, .types = kByte, .style = kStyleDetail},
    {.tag = 0x009D, .name = "内蔵NDフィルター", .style = kStyleDetail},
    {.tag = 0x009E, .name = "HDR", .values = kPanasonicHdr, .types = kShort, .style = kStyleDetail},
    {.tag = 0x009F, .name = "シャッター方式", .values = kPanasonicShutterType, .types = kShort, .style = kStyleDetail},
    {.tag = 0x00A1, .name = "フィルター効果", .style = kStyleDetail},
    {.tag = 0x00A3, .name = "クリアレタッチの値", .style = kStyleDetail},
    {.tag = 0x00A7, .name = "出力LUT", .style = kStyleDetail},
    {.tag = 0x00AB, .name = "タッチAE", .values = kPanasonicOffOn01, .types = kShort, .style = kStyleDetail},
    {.tag = 0x00AC, .name = "モノクロのフィルター効果", .values = kPanasonicMonochromeFilter, .types = kShort, .style = kStyleDetail},
    {.tag = 0x00AD, .name = "ハイライト・シャドウ", .style = kStyleDetail},
    {.tag = 0x00AF, .name = "タイムスタンプ", .style = kStyleDetail},
    {.tag = 0x00B3, .name = "連写動画の解像度", .values = kPanasonicVideoBurstResolution, .types = kShort, .style = kStyleDetail},
    {.tag = 0x00B4, .name = "多重露出", .values = kPanasonicMultiExposure, .types = kShort, .style = kStyleDetail},
    {.tag = 0x00B9, .name = "赤目補正", .values = kPanasonicOffOn01, .types = kShort, .style = kStyleDetail},
    {.tag = 0x00BB, .name = "連写動画モード", .values = kPanasonicVideoBurstMode, .types = kLong, .style = kStyleDetail},
    {.tag = 0x00BC, .name = "回折補正", .values = kPanasonicDiffraction, .types = kShort, .style = kStyleDetail},
    {.tag = 0x00BD, .name = "フォーカスブラケット", .style = kStyleDetail},
    {.tag = 0x00BE, .name = "長秒ノイズリダクションの実行", .values = kPanasonicNoYes12, .types = kShort, .style = kStyleDetail},
    {.tag = 0x00BF, .name = "フォーカスセレクトの合成", .style = kStyleDetail},
    {.tag = 0x00C1, .name = "プリ連写動画", .values = kPanasonicVideoPreburst, .types = kShort, .style = kStyleDetail},
    {.tag = 0x00C4, .name = "レンズのメーカー番号", .style = kStyleDetail},
    {.tag = 0x00C5, .name = "レンズの型番号", .style = kStyleDetail},
    {.tag = 0x00CA, .name = "センサーの種類", .values = kPanasonicSensorType, .types = kShort, .style = kStyleDetail},
    {.tag = 0x00D1, .name = "ISO感度", .style = kStyleDetail},
    {.tag = 0x00D2, .name = "モノクロの粒状", .values = kPanasonicLevel4, .types = kShort, .style = kStyleDetail},
    {.tag = 0x00D4, .name = "HLG", .values = kPanasonicOffOn01, .types = kShort, .style = kStyleDetail},
    {.tag = 0x00D6, .name = "ノイズリダクションの強さ", .style = kStyleDetail},
    {.tag = 0x00DE, .name = "AFエリアの大きさ", .rule = Rule::kDecimalRationals, .style = kStyleDetail},
    {.tag = 0x00E4, .name = "レンズの型番号2", .style = kStyleDetail},
    {.tag = 0x00E8, .name = "最低ISO感度", .style = kStyleDetail},
    {.tag = 0x00E9, .name = "AF被写体検出", .values = kPanasonicSubjectDetection, .types = kShort, .style = kStyleDetail},
    {.tag = 0x00EE, .name = "ダイナミックレンジブースト", .values = kPanasonicOffOn01, .types = kShort, .style = kStyleDetail},
    {.tag = 0x00F1, .name = "LUT1の名前", .style = kStyleDetail},
    {.tag = 0x00F3, .name = "LUT1の不透明度", .style = kStyleDetail},
    {.tag = 0x00F4, .name = "LUT2の名前", .style = kStyleDetail},
    {.tag = 0x00F5, .name = "LUT2の不透明度", .style = kStyleDetail},
    {.tag = 0x0E00, .name = "PrintIM IFD", .rule = Rule::kPrintIM},
    {.tag = 0x2003, .name = "時刻情報", .style = kStyleDetail},
    {.tag = 0x8000, .name = "メーカーノートバージョン", .rule = Rule::kVersion, .style = kStyleDetail},
    {.tag = 0x8001, .name = "シーンモード", .values = kPanasonicSceneMode, .types = kShort, .style = kStyleDetail},
    {.tag = 0x8002, .name = "白飛び警告", .values = kPanasonicHighlightWarning, .types = kShort, .style = kStyleDetail},
    {.tag = 0x8003, .name = "暗所フォーカス環境", .values = kPanasonicNoYes12, .types = kShort, .style = kStyleDetail},
    {.tag = 0x8004, .name = "WB 赤レベル", .style = kStyleDetail},
    {.tag = 0x8005, .name = "WB 緑レベル", .style = kStyleDetail},
    {.tag = 0x8006, .name = "WB 青レベル", .style = kStyleDetail},
    {.tag = 0x8008, .name = "文字焼き込み", .values = kPanasonicOffOn12, .types = kShort, .style = kStyleDetail},
    {.tag = 0x8009, .name = "文字焼き込み", .values = kPanasonicOffOn12, .types = kShort, .style = kStyleDetail},
    {.tag = 0x8010, .name = "月齢", .style = kStyleDetail},
    {.tag = 0x8012, .name = "トランスフォーム", .style = kStyleDetail},
};

}  // namespace kelvane::maker
