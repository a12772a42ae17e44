// Olympus and Agfa (code 1), Epson (code 2) and Sanyo (code 3): the notes
// that share Olympus' layout.
#pragma once

#include "engine/makernote/maker_table.h"

namespace kelvane::maker {

inline constexpr CodeText kOffOnSuperMacro[] = {{0, "オフ"}, {1, "オン"}, {2, "スーパーマクロモード"}};
inline constexpr CodeText kOffOn[] = {{0, "オフ"}, {1, "オン"}};

// *Olympus and Agfa (code 1)*
inline constexpr CodeText kOlympusFlashMode[] = {{1, "自動"}, {2, "赤目軽減"}, {3, "強制"}, {4, "オフ"}};
inline constexpr CodeText kOlympusFocusMode[] = {{0, "AF"}, {1, "MF"}};
inline constexpr CodeText kOlympusContrast[] = {{0, "HIGH"}, {1, "NORMAL"}, {2, "LOW"}};

inline constexpr MakerTag kOlympusTags[] = {
    {.tag = 0x0100, .name = "サムネイル情報", .rule = Rule::kPreview},
    {.tag = 0x0200, .name = "撮影モード", .rule = Rule::kSpecialMode},
    {.tag = 0x0201, .name = "画質モード"},
    {.tag = 0x0202, .name = "マクロモード", .values = kOffOnSuperMacro, .types = kShort},
    {.tag = 0x0204, .name = "デジタルズーム"},
    {.tag = 0x0207, .name = "ハードウェアタイプ", .ascii = Text::kNulAsSpace, .camera_type = true},
    {.tag = 0x0208, .name = "PictInfo"},
    {.tag = 0x0209, .name = "CameraID", .block = Text::kSkipNul},
    {.tag = 0x020B, .name = "画像幅"},
    {.tag = 0x020C, .name = "画像高さ"},
    {.tag = 0x0302, .name = "ワンタッチWB", .values = kOffOn, .types = kShort},
    {.tag = 0x0F00, .rule = Rule::kUpperHex},
    {.tag = 0x1004, .name = "フラッシュモード", .values = kOlympusFlashMode, .types = kShort},
    {.tag = 0x1006, .name = "ブラケットEV補正値"},
    {.tag = 0x100B, .name = "フォーカスモード", .values = kOlympusFocusMode, .types = kShort},
    {.tag = 0x100D, .name = "ズーム位置"},
    {.tag = 0x100F, .name = "シャープネス"},
    {.tag = 0x1015, .name = "ホワイトバランス"},
    {.tag = 0x1017, .name = "赤WB補正値"},
    {.tag = 0x1018, .name = "青WB補正値"},
    {.tag = 0x101A, .name = "シリアル番号"},
    {.tag = 0x1023, .name = "フラッシュ発光量補正"},
    {.tag = 0x1029, .name = "コントラスト", .values = kOlympusContrast, .types = kShort},
    {.tag = 0x102E, .name = "画像幅"},
    {.tag = 0x102F, .name = "画像高さ"},
    {.tag = 0x1034, .name = "圧縮率"},
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
