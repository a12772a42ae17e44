// Fujifilm (code 12) and the Fujifilm 230HD (code 14).
#pragma once

#include "engine/makernote/maker_table.h"

namespace kelvane::maker {

// *Fujifilm (code 12)*
// The tags, their value types and their vocabularies are those of the
// public FujiFilm tag list (/work/shared/reference/tagnames/FujiFilm.html,
// "FujiFilm Tags"). The rows of the older FinePix tags keep their own
// texts; codes the later bodies added are appended to those vocabularies.
// Tags the list marks unknown stay unnamed.
inline constexpr CodeText kFujiSharpness[] = {
    {1, "-"}, {2, "SOFT"}, {3, "NORMAL"}, {4, "HARD"}, {5, "+"},
    {0x0, "-4 (最弱)"}, {0x6, "+4 (最強)"}, {0x82, "-1 (やや弱)"}, {0x84, "+1 (やや強)"},
    {0x8000, "フィルムシミュレーション"}, {0xFFFF, "なし"}};
inline constexpr CodeText kFujiWhiteBalance[] = {
    {0, "オート"},          {256, "晴天"},          {512, "日陰"},
    {768, "昼光色蛍光灯"},  {769, "昼白色蛍光灯"},  {770, "白色蛍光灯"},
    {1024, "電球・白熱灯"}, {3840, "マニュアル"},   {3841, "マニュアル・補正"},
    {0x1, "オート(ホワイト優先)"}, {0x2, "オート(雰囲気優先)"}, {0x303, "温白色蛍光灯"},
    {0x304, "電球色蛍光灯"}, {0x500, "フラッシュ"}, {0x600, "水中"},
    {0xF02, "カスタム3"}, {0xF03, "カスタム4"}, {0xF04, "カスタム5"}, {0xFF0, "色温度指定"}};
inline constexpr CodeText kFujiColor[] = {
    {0, "標準"}, {256, "HIGH"}, {512, "ORG"}, {768, "BW"},
    {0x80, "+1 (やや高)"}, {0xC0, "+3 (高)"}, {0xE0, "+4 (最高)"}, {0x180, "-1 (やや低)"},
    {0x301, "白黒 Rフィルター"}, {0x302, "白黒 Yeフィルター"}, {0x303, "白黒 Gフィルター"},
    {0x310, "白黒 セピア"}, {0x400, "-2 (低)"}, {0x4C0, "-3 (より低)"}, {0x4E0, "-4 (最低)"},
    {0x500, "ACROS"}, {0x501, "ACROS Rフィルター"}, {0x502, "ACROS Yeフィルター"},
    {0x503, "ACROS Gフィルター"}, {0x8000, "フィルムシミュレーション"}};
inline constexpr CodeText kFujiTone[] = {
    {0, "標準"}, {256, "HARD"}, {512, "ORG"},
    {0x80, "やや高"}, {0x180, "やや低"}, {0x8000, "フィルムシミュレーション"}};
inline constexpr CodeText kFujiContrast[] = {{0x0, "標準"}, {0x100, "高"}, {0x300, "低"}};
inline constexpr CodeText kFujiNoiseReduction[] = {{0x40, "弱"}, {0x80, "標準"}, {0x100, "なし"}};
inline constexpr CodeText kFujiNoiseReductionLevel[] = {
    {0x0, "0 (標準)"}, {0x100, "+2 (強)"}, {0x180, "+1 (やや強)"}, {0x1C0, "+3 (より強)"},
    {0x1E0, "+4 (最強)"}, {0x200, "-2 (弱)"}, {0x280, "-1 (やや弱)"}, {0x2C0, "-3 (より弱)"},
    {0x2E0, "-4 (最弱)"}};
inline constexpr CodeText kFujiFlashMode[] = {
    {0, "オート"}, {1, "強制発光"}, {2, "発光禁止"}, {3, "赤目軽減"}, {4, "外部フラッシュ"},
    {0x10, "コマンダー"}, {0x8000, "未装着"}, {0x8120, "TTL"}, {0x8320, "TTLオート - 非発光"},
    {0x9840, "マニュアル"}, {0x9860, "フラッシュコマンダー"}, {0x9880, "マルチ発光"},
    {0xA920, "先幕シンクロ"}, {0xAA20, "TTLスロー - 先幕シンクロ"},
    {0xAB20, "TTLオート - 先幕シンクロ"}, {0xAD20, "TTL - 赤目軽減 - 先幕シンクロ"},
    {0xAE20, "TTLスロー - 赤目軽減 - 先幕シンクロ"},
    {0xAF20, "TTLオート - 赤目軽減 - 先幕シンクロ"}, {0xC920, "後幕シンクロ"},
    {0xCA20, "TTLスロー - 後幕シンクロ"}, {0xCB20, "TTLオート - 後幕シンクロ"},
    {0xCD20, "TTL - 赤目軽減 - 後幕シンクロ"}, {0xCE20, "TTLスロー - 赤目軽減 - 後幕シンクロ"},
    {0xCF20, "TTLオート - 赤目軽減 - 後幕シンクロ"}, {0xE920, "ハイスピードシンクロ (FP)"}};
inline constexpr CodeText kFujiOffOn[] = {{0, "オフ"}, {1, "オン"}};
inline constexpr CodeText kFujiFocusMode[] = {
    {0, "オートフォーカス"}, {1, "マニュアルフォーカス"}, {65535, "動画"}};
inline constexpr CodeText kFujiAfMode[] = {
    {0, "オフ"}, {1, "オン"}, {256, "ゾーン"}, {512, "ワイド/トラッキング"}};
inline constexpr CodeText kFujiPictureMode[] = {
    {0, "オート"},          {1, "ポートレート"}, {2, "風景"},
    {3, "スポーツ"},        {4, "スポーツ"},     {5, "夜景"},
    {6, "プログラムAE"},    {256, "絞り優先AE"}, {512, "シャッター速度優先AE"},
    {768, "マニュアル"},
    {0x7, "ナチュラルフォト"}, {0x8, "ブレ軽減"}, {0x9, "ビーチ&スノー"}, {0xA, "夕焼け"},
    {0xB, "美術館"}, {0xC, "パーティー"}, {0xD, "花"}, {0xE, "文字"},
    {0xF, "ナチュラルフォト&フラッシュ"}, {0x10, "ビーチ"}, {0x11, "スノー"}, {0x12, "花火"},
    {0x13, "水中"}, {0x14, "美肌ポートレート"}, {0x16, "パノラマ"}, {0x17, "夜景(三脚)"},
    {0x18, "プロ低ノイズ"}, {0x19, "プロフォーカス"}, {0x1A, "ポートレート2"},
    {0x1B, "犬の顔検出"}, {0x1C, "猫の顔検出"}, {0x30, "HDR"}, {0x40, "アドバンストフィルター"}};
inline constexpr CodeText kFujiExrAuto[] = {{0, "オート"}, {1, "マニュアル"}};
inline constexpr CodeText kFujiExrMode[] = {
    {0x100, "HR (解像度優先)"}, {0x200, "SN (高感度・低ノイズ優先)"}, {0x300, "DR (ダイナミックレンジ優先)"}};
inline constexpr CodeText kFujiMultipleExposure[] = {
    {1, "加算"}, {2, "平均"}, {3, "比較明"}, {4, "比較暗"}};
inline constexpr CodeText kFujiEffectStrength[] = {{0, "オフ"}, {32, "弱"}, {64, "強"}};
inline constexpr CodeText kFujiGrainSize[] = {{0, "オフ"}, {16, "小"}, {32, "大"}};
inline constexpr CodeText kFujiCropMode[] = {
    {0, "なし"}, {1, "GFXのフルサイズ"}, {2, "スポーツファインダーモード"},
    {4, "電子シャッター 1.25倍クロップ"}, {8, "デジタルテレコン"}};
inline constexpr CodeText kFujiShutterType[] = {
    {0, "メカニカル"}, {1, "電子"}, {2, "電子 (長秒時)"}, {3, "電子先幕"}};
inline constexpr CodeText kFujiContinuous[] = {
    {0, "オフ"}, {1, "オン"}, {2, "オン(MEGA連写)"}, {6, "ピクセルシフト"}};
inline constexpr CodeText kFujiWhiteBalanceBracketing[] = {
    {0x1FF, "±1"}, {0x2FF, "±2"}, {0x3FF, "±3"}};
inline constexpr CodeText kFujiCompositeImageMode[] = {
    {0, "なし"}, {1, "プロ低ノイズ"}, {2, "プロフォーカス"}, {32, "パノラマ"}, {128, "HDR"},
    {1024, "多重露出"}};
inline constexpr CodeText kFujiPanoramaDirection[] = {
    {1, "右"}, {2, "左"}, {3, "上"}, {4, "下"}};
inline constexpr CodeText kFujiAdvancedFilter[] = {
    {0x10000, "ポップカラー"}, {0x20000, "ハイキー"}, {0x30000, "トイカメラ"},
    {0x40000, "ミニチュア"}, {0x50000, "ダイナミックトーン"},
    {0x60001, "パートカラー(レッド)"}, {0x60002, "パートカラー(イエロー)"},
    {0x60003, "パートカラー(グリーン)"}, {0x60004, "パートカラー(ブルー)"},
    {0x60005, "パートカラー(オレンジ)"}, {0x60006, "パートカラー(パープル)"},
    {0x70000, "ソフトフォーカス"}, {0x90000, "ローキー"}, {0x100000, "ライトリーク"},
    {0x130000, "期限切れフィルム(グリーン)"}, {0x130001, "期限切れフィルム(レッド)"},
    {0x130002, "期限切れフィルム(ニュートラル)"}};
inline constexpr CodeText kFujiFinePixColor[] = {{0, "F-スタンダード"}, {16, "F-クローム"}, {48, "F-B&W"}};
inline constexpr CodeText kFujiWarning[] = {{0, "なし"}, {1, "あり"}};
inline constexpr CodeText kFujiStatus[] = {{0, "良好"}, {1, "不良"}};
inline constexpr CodeText kFujiDynamicRange[] = {{1, "標準"}, {3, "ワイド"}};
inline constexpr CodeText kFujiFilmMode[] = {
    {0x0, "F0/スタンダード (PROVIA)"}, {0x100, "F1/スタジオポートレート"},
    {0x110, "F1a/スタジオポートレート 彩度強調"},
    {0x120, "F1b/スタジオポートレート なめらか肌 (ASTIA)"},
    {0x130, "F1c/スタジオポートレート シャープネス強調"}, {0x200, "F2/フジクローム (Velvia)"},
    {0x300, "F3/スタジオポートレート Ex"}, {0x400, "F4/Velvia"}, {0x500, "PRO Neg. Std"},
    {0x501, "PRO Neg. Hi"}, {0x600, "クラシッククローム"}, {0x700, "ETERNA"},
    {0x800, "クラシックネガ"}, {0x900, "ブリーチバイパス"}, {0xA00, "ノスタルジックネガ"},
    {0xB00, "REALA ACE"}};
inline constexpr CodeText kFujiDynamicRangeSetting[] = {
    {0x0, "オート"}, {0x1, "マニュアル"}, {0x100, "標準 (100%)"}, {0x200, "ワイド1 (230%)"},
    {0x201, "ワイド2 (400%)"}, {0x8000, "フィルムシミュレーション"}};
inline constexpr CodeText kFujiSceneRecognition[] = {
    {0x0, "認識なし"}, {0x100, "人物"}, {0x103, "夜景と人物"}, {0x105, "逆光と人物"},
    {0x200, "風景"}, {0x300, "夜景"}, {0x400, "マクロ"}};
inline constexpr CodeText kFujiImageGeneration[] = {{0, "撮影した画像"}, {1, "RAWから現像"}};
inline constexpr CodeText kFujiDRangePriority[] = {{0, "オート"}, {1, "固定"}};
inline constexpr CodeText kFujiDRangePriorityAuto[] = {{1, "弱"}, {2, "強"}, {3, "プラス"}};
inline constexpr CodeText kFujiDRangePriorityFixed[] = {{1, "弱"}, {2, "強"}};
inline constexpr CodeText kFujiVideoRecordingMode[] = {
    {0x0, "標準"}, {0x10, "F-Log"}, {0x20, "HLG"}, {0x30, "F-Log2"}};
inline constexpr CodeText kFujiVideoCompression[] = {{1, "Long GOP"}, {2, "All Intra"}};
inline constexpr CodeText kFujiOffOnFrom1[] = {{1, "オフ"}, {2, "オン"}};

inline constexpr MakerTag kFujifilmTags[] = {
    {.tag = 0x0000, .name = "バージョン", .block = Text::kSkipNul},
    {.tag = 0x0010, .name = "内部シリアル番号", .style = kStyleKey},
    {.tag = 0x1000, .name = "画質モード"},
    {.tag = 0x1001, .name = "シャープネス", .values = kFujiSharpness, .types = kShort},
    {.tag = 0x1002, .name = "ホワイトバランス", .values = kFujiWhiteBalance, .types = kShort},
    {.tag = 0x1003, .name = "カラー", .values = kFujiColor, .types = kShort},
    {.tag = 0x1004, .name = "階調補正", .values = kFujiTone, .types = kShort},
    {.tag = 0x1005, .name = "色温度", .rule = Rule::kDecimalUnit, .unit = "K",
     .style = kStyleDetail},
    {.tag = 0x1006, .name = "コントラスト", .values = kFujiContrast, .types = kShort,
     .style = kStyleDetail},
    {.tag = 0x100A, .name = "ホワイトバランス微調整", .style = kStyleDetail},
    {.tag = 0x100B, .name = "ノイズリダクション", .values = kFujiNoiseReduction, .types = kShort,
     .style = kStyleDetail},
    {.tag = 0x100E, .name = "ノイズリダクション", .values = kFujiNoiseReductionLevel,
     .types = kShort, .style = kStyleDetail},
    {.tag = 0x100F, .name = "明瞭度", .style = kStyleDetail},
    {.tag = 0x1010, .name = "フラッシュモード", .values = kFujiFlashMode, .types = kShort},
    {.tag = 0x1011, .name = "ストロボ明るさ"},
    {.tag = 0x1020, .name = "マクロモード", .values = kFujiOffOn, .types = kShort},
    {.tag = 0x1021, .name = "フォーカスモード", .values = kFujiFocusMode, .types = kShort},
    {.tag = 0x1022, .name = "センター固定AF", .values = kFujiAfMode, .types = kShort},
    {.tag = 0x1023, .name = "フォーカスポイント"},
    {.tag = 0x102B, .name = "AF-S/AF-C優先設定", .style = kStyleDetail},
    {.tag = 0x102D, .name = "フォーカス設定", .style = kStyleDetail},
    {.tag = 0x102E, .name = "AF-C設定", .style = kStyleDetail},
    {.tag = 0x1030, .name = "スローシンクロ", .values = kFujiOffOn, .types = kShort},
    {.tag = 0x1031, .name = "撮影モード", .values = kFujiPictureMode, .types = kShort},
    {.tag = 0x1032, .name = "露出回数", .style = kStyleDetail},
    {.tag = 0x1033, .name = "EXRオート", .values = kFujiExrAuto, .types = kShort,
     .style = kStyleDetail},
    {.tag = 0x1034, .name = "EXRモード", .values = kFujiExrMode, .types = kShort,
     .style = kStyleDetail},
    {.tag = 0x1037, .name = "多重露出", .values = kFujiMultipleExposure, .types = kShort,
     .style = kStyleDetail},
    {.tag = 0x1040, .name = "シャドウトーン", .style = kStyleDetail},
    {.tag = 0x1041, .name = "ハイライトトーン", .style = kStyleDetail},
    {.tag = 0x1044, .name = "デジタルズーム", .style = kStyleDetail},
    {.tag = 0x1045, .name = "レンズモジュレーションオプティマイザー", .values = kFujiOffOn,
     .types = kLong, .style = kStyleDetail},
    {.tag = 0x1047, .name = "グレイン・エフェクト(強度)", .values = kFujiEffectStrength,
     .types = kSigned, .style = kStyleDetail},
    {.tag = 0x1048, .name = "カラークローム・エフェクト", .values = kFujiEffectStrength,
     .types = kSigned, .style = kStyleDetail},
    {.tag = 0x1049, .name = "モノクロ調整(暖/寒)", .style = kStyleDetail},
    {.tag = 0x104B, .name = "モノクロ調整(G/M)", .style = kStyleDetail},
    {.tag = 0x104C, .name = "グレイン・エフェクト(サイズ)", .values = kFujiGrainSize,
     .types = kShort, .style = kStyleDetail},
    {.tag = 0x104D, .name = "クロップモード", .values = kFujiCropMode, .types = kShort,
     .style = kStyleDetail},
    {.tag = 0x104E, .name = "カラークローム・ブルー", .values = kFujiEffectStrength,
     .types = kSigned, .style = kStyleDetail},
    {.tag = 0x1050, .name = "シャッター方式", .values = kFujiShutterType, .types = kShort,
     .style = kStyleDetail},
    {.tag = 0x1051, .name = "クロップ", .style = kStyleDetail},
    {.tag = 0x1052, .name = "クロップ位置", .style = kStyleDetail},
    {.tag = 0x1053, .name = "クロップサイズ", .style = kStyleDetail},
    {.tag = 0x1100, .name = "連写モード", .values = kFujiContinuous, .types = kShort},
    {.tag = 0x1101, .name = "連写連番"},
    {.tag = 0x1102, .name = "ホワイトバランスブラケット", .values = kFujiWhiteBalanceBracketing,
     .types = kShort, .style = kStyleDetail},
    {.tag = 0x1103, .name = "ドライブ設定", .style = kStyleDetail},
    {.tag = 0x1105, .name = "ピクセルシフト枚数", .style = kStyleDetail},
    {.tag = 0x1106, .name = "ピクセルシフト量", .style = kStyleDetail},
    {.tag = 0x1150, .name = "合成モード", .values = kFujiCompositeImageMode, .types = kLong,
     .style = kStyleDetail},
    {.tag = 0x1151, .name = "合成枚数1", .style = kStyleDetail},
    {.tag = 0x1152, .name = "合成枚数2", .style = kStyleDetail},
    {.tag = 0x1153, .name = "パノラマ角度", .style = kStyleDetail},
    {.tag = 0x1154, .name = "パノラマ方向", .values = kFujiPanoramaDirection, .types = kShort,
     .style = kStyleDetail},
    {.tag = 0x1201, .name = "アドバンストフィルター", .values = kFujiAdvancedFilter,
     .types = kLong, .style = kStyleDetail},
    {.tag = 0x1210, .name = "FinePixカラー", .values = kFujiFinePixColor, .types = kShort},
    {.tag = 0x1300, .name = "手ぶれ警告", .values = kFujiWarning, .types = kShort},
    {.tag = 0x1301, .name = "フォーカス状態", .values = kFujiStatus, .types = kShort},
    {.tag = 0x1302, .name = "露出状態", .values = kFujiStatus, .types = kShort},
    {.tag = 0x1304, .name = "GE画像サイズ", .style = kStyleDetail},
    {.tag = 0x1400, .name = "ダイナミックレンジ", .values = kFujiDynamicRange, .types = kShort,
     .style = kStyleDetail},
    {.tag = 0x1401, .name = "フィルムシミュレーション", .values = kFujiFilmMode, .types = kShort,
     .style = kStyleDetail},
    {.tag = 0x1402, .name = "ダイナミックレンジ設定", .values = kFujiDynamicRangeSetting,
     .types = kShort, .style = kStyleDetail},
    {.tag = 0x1403, .name = "現像ダイナミックレンジ", .style = kStyleDetail},
    {.tag = 0x1404, .name = "最短焦点距離", .style = kStyleDetail},
    {.tag = 0x1405, .name = "最長焦点距離", .style = kStyleDetail},
    {.tag = 0x1406, .name = "開放F値(広角端)", .style = kStyleDetail},
    {.tag = 0x1407, .name = "開放F値(望遠端)", .style = kStyleDetail},
    {.tag = 0x140B, .name = "オートダイナミックレンジ", .style = kStyleDetail},
    {.tag = 0x1422, .name = "手ぶれ補正", .style = kStyleDetail},
    {.tag = 0x1425, .name = "シーン認識", .values = kFujiSceneRecognition, .types = kShort,
     .style = kStyleDetail},
    {.tag = 0x1431, .name = "レーティング", .style = kStyleDetail},
    {.tag = 0x1436, .name = "画像の生成", .values = kFujiImageGeneration, .types = kShort,
     .style = kStyleDetail},
    {.tag = 0x1438, .name = "撮影枚数", .style = kStyleKey},
    {.tag = 0x1443, .name = "Dレンジ優先", .values = kFujiDRangePriority, .types = kShort,
     .style = kStyleDetail},
    {.tag = 0x1444, .name = "Dレンジ優先(オート)", .values = kFujiDRangePriorityAuto,
     .types = kShort, .style = kStyleDetail},
    {.tag = 0x1445, .name = "Dレンジ優先(固定)", .values = kFujiDRangePriorityFixed,
     .types = kShort, .style = kStyleDetail},
    {.tag = 0x1446, .name = "フリッカー低減", .style = kStyleDetail},
    {.tag = 0x1447, .name = "機種名", .style = kStyleDetail},
    {.tag = 0x1448, .name = "機種名2", .style = kStyleDetail},
    {.tag = 0x144A, .name = "WB赤レベル", .style = kStyleDetail},
    {.tag = 0x144B, .name = "WB緑レベル", .style = kStyleDetail},
    {.tag = 0x144C, .name = "WB青レベル", .style = kStyleDetail},
    {.tag = 0x144D, .name = "ロール角", .style = kStyleDetail},
    {.tag = 0x3803, .name = "動画記録モード", .values = kFujiVideoRecordingMode, .types = kLong,
     .style = kStyleDetail},
    {.tag = 0x3804, .name = "周辺光量補正", .values = kFujiOffOn, .types = kShort,
     .style = kStyleDetail},
    {.tag = 0x3806, .name = "動画圧縮", .values = kFujiVideoCompression, .types = kShort,
     .style = kStyleDetail},
    {.tag = 0x3820, .name = "フレームレート", .style = kStyleDetail},
    {.tag = 0x3821, .name = "フレーム幅", .style = kStyleDetail},
    {.tag = 0x3822, .name = "フレーム高さ", .style = kStyleDetail},
    {.tag = 0x3824, .name = "フルHDハイスピード記録", .values = kFujiOffOnFrom1, .types = kLong,
     .style = kStyleDetail},
    {.tag = 0x4005, .name = "選択された顔要素", .style = kStyleDetail},
    {.tag = 0x4100, .name = "検出された顔の数", .style = kStyleDetail},
    {.tag = 0x4103, .name = "顔の位置", .style = kStyleDetail},
    {.tag = 0x4200, .name = "顔要素の数", .style = kStyleDetail},
    {.tag = 0x4201, .name = "顔要素の種類", .style = kStyleDetail},
    {.tag = 0x4203, .name = "顔要素の位置", .style = kStyleDetail},
    {.tag = 0x4282, .name = "顔認識情報", .style = kStyleDetail},
    {.tag = 0x8000, .name = "ファイルソース", .style = kStyleDetail},
    {.tag = 0x8002, .name = "グループ番号"},
    {.tag = 0x8003, .name = "コマ番号"},
    {.tag = 0xB211, .name = "視差", .style = kStyleDetail},
};

// *Fujifilm 230HD (code 14)*
inline constexpr MakerTag kFujifilm230Tags[] = {
    {.tag = 0x0000, .name = "バージョン", .block = Text::kSkipNul},
    {.tag = 0x1000, .name = "画質モード"},
};

}  // namespace kelvane::maker
