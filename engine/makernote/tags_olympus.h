// Olympus and Agfa (code 1), Epson (code 2) and Sanyo (code 3): the notes
// that share Olympus' layout.
#pragma once

#include "engine/makernote/maker_table.h"
#include "engine/makernote/tags_olympus_groups.h"

namespace kelvane::maker {

inline constexpr CodeText kOffOnSuperMacro[] = {{0, "オフ"}, {1, "オン"}, {2, "スーパーマクロモード"}};
inline constexpr CodeText kOffOn[] = {{0, "オフ"}, {1, "オン"}};

// *Olympus and Agfa (code 1), Olympus and OM System (code 36)*
// The tags added to the older rows, their value types and their
// vocabularies are those of the public Olympus tag list
// (/work/shared/reference/tagnames/Olympus.html, "Olympus Tags"); tags it
// marks with "?" stay unnamed.
inline constexpr CodeText kOlympusFlashMode[] = {{1, "自動"}, {2, "赤目軽減"}, {3, "強制"}, {4, "オフ"}};
inline constexpr CodeText kOlympusFocusMode[] = {{0, "AF"}, {1, "MF"}};
inline constexpr CodeText kOlympusContrast[] = {{0, "HIGH"}, {1, "NORMAL"}, {2, "LOW"}};
inline constexpr CodeText kOlympusBwMode[] = {{0, "オフ"}, {1, "オン"}, {6, "なし"}};
inline constexpr CodeText kOlympusSceneMode[] = {
    {0, "ノーマル"}, {1, "スタンダード"}, {2, "オート"}, {3, "iAUTO"}, {4, "ポートレート"},
    {5, "風景&人物"}, {6, "風景"}, {7, "夜景"}, {8, "夜景&人物"}, {9, "スポーツ"},
    {10, "セルフポートレート"}, {11, "室内"}, {12, "ビーチ&スノー"}, {13, "ビーチ"},
    {14, "スノー"}, {15, "セルフポートレート+セルフタイマー"}, {16, "夕日"}, {17, "料理"},
    {18, "文書"}, {19, "キャンドル"}, {20, "打ち上げ花火"}, {21, "自然光"}, {22, "ビビッド"},
    {23, "水中ワイド1"}, {24, "水中マクロ"}, {25, "美術館"}, {26, "ガラス越し"},
    {27, "オークション"}, {28, "シュート&セレクト1"}, {29, "シュート&セレクト2"},
    {30, "水中ワイド2"}, {31, "デジタル手ぶれ補正"}, {32, "顔ポートレート"}, {33, "ペット"},
    {34, "スマイルショット"}, {35, "クイックシャッター"}, {43, "手持ち星空"},
    {100, "パノラマ"}, {101, "マジックフィルター"}, {103, "HDR"}};
inline constexpr CodeText kOlympusFlashDevice[] = {
    {0, "なし"}, {1, "内蔵"}, {4, "外部"}, {5, "内蔵+外部"}};
inline constexpr CodeText kOlympusFocusRange[] = {{0, "ノーマル"}, {1, "マクロ"}};
inline constexpr CodeText kOlympusNoYes[] = {{0, "いいえ"}, {1, "はい"}};
inline constexpr CodeText kOlympusScanMode[] = {{0, "インターレース"}, {1, "プログレッシブ"}};

inline constexpr MakerTag kOlympusTags[] = {
    {.tag = 0x0000, .name = "メーカーノートバージョン", .rule = Rule::kVersion,
     .style = kStyleDetail},
    {.tag = 0x0040, .name = "圧縮画像サイズ", .style = kStyleDetail},
    {.tag = 0x0100, .name = "サムネイル情報", .rule = Rule::kPreview},
    {.tag = 0x0104, .name = "ボディファームウェア", .style = kStyleKey},
    {.tag = 0x0200, .name = "撮影モード", .rule = Rule::kSpecialMode},
    {.tag = 0x0201, .name = "画質モード"},
    {.tag = 0x0202, .name = "マクロモード", .values = kOffOnSuperMacro, .types = kShort},
    {.tag = 0x0203, .name = "白黒モード", .values = kOlympusBwMode, .types = kShort,
     .style = kStyleDetail},
    {.tag = 0x0204, .name = "デジタルズーム"},
    {.tag = 0x0205, .name = "焦点面の対角長", .style = kStyleDetail},
    {.tag = 0x0206, .name = "レンズ歪曲パラメーター", .style = kStyleDetail},
    {.tag = 0x0207, .name = "ハードウェアタイプ", .ascii = Text::kNulAsSpace, .camera_type = true},
    {.tag = 0x0208, .name = "PictInfo"},
    {.tag = 0x0209, .name = "CameraID", .block = Text::kSkipNul},
    {.tag = 0x020B, .name = "画像幅"},
    {.tag = 0x020C, .name = "画像高さ"},
    {.tag = 0x0300, .name = "プリキャプチャー枚数", .style = kStyleDetail},
    {.tag = 0x0301, .name = "ホワイトボード", .style = kStyleDetail},
    {.tag = 0x0302, .name = "ワンタッチWB", .values = kOffOn, .types = kShort},
    {.tag = 0x0303, .name = "WBブラケット", .style = kStyleDetail},
    {.tag = 0x0304, .name = "WBバイアス", .style = kStyleDetail},
    {.tag = 0x0403, .name = "シーンモード", .values = kOlympusSceneMode, .types = kShort,
     .style = kStyleDetail},
    {.tag = 0x0404, .name = "シリアル番号", .style = kStyleKey},
    {.tag = 0x0405, .name = "ファームウェア", .style = kStyleKey},
    {.tag = 0x0F00, .rule = Rule::kUpperHex},
    {.tag = 0x1000, .name = "シャッタースピード値", .style = kStyleDetail},
    {.tag = 0x1001, .name = "ISO値", .style = kStyleDetail},
    {.tag = 0x1002, .name = "絞り値", .style = kStyleDetail},
    {.tag = 0x1003, .name = "輝度値", .style = kStyleDetail},
    {.tag = 0x1004, .name = "フラッシュモード", .values = kOlympusFlashMode, .types = kShort},
    {.tag = 0x1005, .name = "フラッシュ機器", .values = kOlympusFlashDevice, .types = kShort,
     .style = kStyleDetail},
    {.tag = 0x1006, .name = "ブラケットEV補正値"},
    {.tag = 0x1007, .name = "センサー温度", .style = kStyleDetail},
    {.tag = 0x1008, .name = "レンズ温度", .style = kStyleDetail},
    {.tag = 0x1009, .name = "光源条件", .style = kStyleDetail},
    {.tag = 0x100A, .name = "フォーカス範囲", .values = kOlympusFocusRange, .types = kShort,
     .style = kStyleDetail},
    {.tag = 0x100B, .name = "フォーカスモード", .values = kOlympusFocusMode, .types = kShort},
    {.tag = 0x100C, .name = "マニュアルフォーカス距離", .style = kStyleDetail},
    {.tag = 0x100D, .name = "ズーム位置"},
    {.tag = 0x100E, .name = "フォーカスステップ数", .style = kStyleDetail},
    {.tag = 0x100F, .name = "シャープネス"},
    {.tag = 0x1010, .name = "フラッシュ充電レベル", .style = kStyleDetail},
    {.tag = 0x1011, .name = "色変換行列", .style = kStyleDetail},
    {.tag = 0x1012, .name = "黒レベル", .style = kStyleDetail},
    {.tag = 0x1015, .name = "ホワイトバランス"},
    {.tag = 0x1017, .name = "赤WB補正値"},
    {.tag = 0x1018, .name = "青WB補正値"},
    {.tag = 0x1019, .name = "色変換行列番号", .style = kStyleDetail},
    {.tag = 0x101A, .name = "シリアル番号"},
    {.tag = 0x1023, .name = "フラッシュ発光量補正"},
    {.tag = 0x1024, .name = "内蔵フラッシュテーブル", .style = kStyleDetail},
    {.tag = 0x1025, .name = "外部フラッシュGN", .style = kStyleDetail},
    {.tag = 0x1026, .name = "外部フラッシュバウンス", .values = kOlympusNoYes, .types = kShort,
     .style = kStyleDetail},
    {.tag = 0x1027, .name = "外部フラッシュズーム", .style = kStyleDetail},
    {.tag = 0x1028, .name = "外部フラッシュモード", .style = kStyleDetail},
    {.tag = 0x1029, .name = "コントラスト", .values = kOlympusContrast, .types = kShort},
    {.tag = 0x102A, .name = "シャープネス係数", .style = kStyleDetail},
    {.tag = 0x102B, .name = "色調整", .style = kStyleDetail},
    {.tag = 0x102C, .name = "有効ビット", .style = kStyleDetail},
    {.tag = 0x102D, .name = "コアリングフィルター", .style = kStyleDetail},
    {.tag = 0x102E, .name = "画像幅"},
    {.tag = 0x102F, .name = "画像高さ"},
    {.tag = 0x1030, .name = "シーン検出", .style = kStyleDetail},
    {.tag = 0x1034, .name = "圧縮率"},
    {.tag = 0x1035, .name = "プレビュー画像有効", .values = kOlympusNoYes, .types = kLong,
     .style = kStyleDetail},
    {.tag = 0x1036, .name = "プレビュー画像の位置", .style = kStyleDetail},
    {.tag = 0x1037, .name = "プレビュー画像の長さ", .style = kStyleDetail},
    {.tag = 0x1038, .name = "AF結果", .style = kStyleDetail},
    {.tag = 0x1039, .name = "CCDスキャンモード", .values = kOlympusScanMode, .types = kShort,
     .style = kStyleDetail},
    {.tag = 0x103A, .name = "ノイズリダクション", .values = kOffOn, .types = kShort,
     .style = kStyleDetail},
    {.tag = 0x103B, .name = "フォーカスステップ(無限遠)", .style = kStyleDetail},
    {.tag = 0x103C, .name = "フォーカスステップ(近距離)", .style = kStyleDetail},
    {.tag = 0x103D, .name = "中央部のLV", .style = kStyleDetail},
    {.tag = 0x103E, .name = "周辺部のLV", .style = kStyleDetail},
    {.tag = 0x2010, .name = "機材情報", .style = kStyleDetail,
     .directory = &kOlympusEquipment},
    {.tag = 0x2020, .name = "カメラ設定", .style = kStyleDetail,
     .directory = &kOlympusCameraSettings},
    {.tag = 0x2030, .name = "RAW現像情報", .style = kStyleDetail,
     .directory = &kOlympusRawDevelopment},
    {.tag = 0x2031, .name = "RAW現像情報2", .style = kStyleDetail,
     .directory = &kOlympusRawDevelopment2},
    {.tag = 0x2040, .name = "画像処理情報", .style = kStyleDetail,
     .directory = &kOlympusImageProcessing},
    {.tag = 0x2050, .name = "フォーカス情報", .style = kStyleDetail,
     .directory = &kOlympusFocusInfo},
    {.tag = 0x3000, .name = "RAW情報", .style = kStyleDetail},
};

// *Epson (code 2)*
inline constexpr CodeText kEpsonQuality[] = {
    {1, "標準"}, {2, "精細"}, {3, "高精細"}, {16, "RAW"}, {34, "ハイパー"}};

inline constexpr MakerTag kEpsonTags[] = {
    {.tag = 0x0200, .name = "撮影モード", .rule = Rule::kSpecialMode},
    {.tag = 0x0201, .name = "画質モード", .values = kEpsonQuality, .types = kShort},
    {.tag = 0x0202, .name = "マクロモード", .values = kOffOnSuperMacro, .types = kShort},
    {.tag = 0x0204, .name = "デジタルズーム"},
    {.tag = 0x0207, .name = "ハードウェアタイプ"},
    {.tag = 0x0209, .name = "CameraID", .block = Text::kSkipNul},
    {.tag = 0x020B, .name = "画像幅"},
    {.tag = 0x020C, .name = "画像高さ"},
    {.tag = 0x020D, .name = "ハードウェアタイプ"},
    {.tag = 0x0280, .name = "サムネイル情報", .rule = Rule::kPreview},
    {.tag = 0x0301, .name = "サムネイル情報"},
    {.tag = 0x0E00, .name = "PrintIM IFD", .rule = Rule::kPrintIM},
    {.tag = 0x0F00, .rule = Rule::kUpperHex},
};

// *Sanyo (code 3)*
inline constexpr CodeText kSanyoShootingMode[] = {{0, "通常"}, {1, "マクロ"}, {2, "遠景"}, {3, "マニュアル"}};
inline constexpr CodeText kSanyoSequential[] = {
    {0, "オフ"}, {1, "高速連写"}, {2, "ベストセレクト"}, {3, "オートブラケット"}};
inline constexpr CodeText kSanyoSelfTimer[] = {{0, "オフ"}, {1, "オン"}, {2, "オン"}};
inline constexpr CodeText kSanyoFocusMode[] = {{0, "ノーマル"}, {3, "スーパーマクロ"}};
inline constexpr CodeText kSanyoFlashMode[] = {
    {0, "オート"}, {1, "強制発行"}, {2, "オフ"}, {3, "赤目軽減"}};

inline constexpr MakerTag kSanyoTags[] = {
    {.tag = 0x0100, .name = "サムネイル画像", .rule = Rule::kPreview},
    {.tag = 0x0201, .name = "画質モード"},
    {.tag = 0x0202, .name = "撮影モード", .values = kSanyoShootingMode, .types = kShort},
    {.tag = 0x0204, .name = "デジタルズーム"},
    {.tag = 0x020E, .name = "連写モード", .values = kSanyoSequential, .types = kShort},
    {.tag = 0x020F, .name = "ワイドレンジショット", .values = kOffOn, .types = kShort},
    {.tag = 0x0210, .name = "リアルカラーイコライザー", .values = kOffOn, .types = kShort},
    {.tag = 0x0213, .name = "クイックショット", .values = kOffOn, .types = kShort},
    {.tag = 0x0214, .name = "セルフタイマー", .values = kSanyoSelfTimer, .types = kShort},
    {.tag = 0x0216, .name = "ボイスメモ", .values = kOffOn, .types = kShort},
    {.tag = 0x0218, .name = "フリッカー軽減", .values = kOffOn, .types = kShort},
    {.tag = 0x021A, .name = "フォーカスモード", .values = kSanyoFocusMode, .types = kShort},
    {.tag = 0x0225, .name = "フラッシュモード", .values = kSanyoFlashMode, .types = kShort},
    {.tag = 0x0E00, .name = "PrintIM IFD", .rule = Rule::kPrintIM},
};

}  // namespace kelvane::maker
