// Nikon: the older COOLPIX layout (code 5) and the newer layouts (code 6,
// a plain IFD, and code 27, with its own TIFF header), which share a table.
// The newer tags are detail rows; the lens, the serial numbers and the
// shutter count stay key rows.
#pragma once

#include "engine/makernote/maker_table.h"

namespace kelvane::maker {

// *Nikon COOLPIX, older layout (code 5)*
inline constexpr CodeText kCoolpixQuality[] = {
    {1, "VGA BASIC "},   {2, "VGA NORMAL "},  {3, "VGA FINE"},   {4, "XGA BASIC"},
    {5, "XGA NORMAL"},   {6, "XGA FINE"},     {10, "UVGA BASIC "}, {11, "UVGA NORMAL "},
    {12, "UXGA FINE"},   {20, "HI(UNCOMPRESS) "}};
inline constexpr CodeText kCoolpixColorMode[] = {{1, "カラー撮影"}, {2, "モノクロ撮影"}};
inline constexpr CodeText kCoolpixToneCompensation[] = {
    {0, "標準"}, {1, "BR+ "}, {2, "BR- "}, {3, "CONT+"}, {4, "CONT-"}};
inline constexpr CodeText kCoolpixWhiteBalance[] = {{0, "自動"},   {1, "プリセット"}, {2, "昼光"},
                                                {3, "白熱電球"}, {4, "蛍光灯"},     {5, "曇天"},
                                                {6, "スピードライト"}};
inline constexpr CodeText kCoolpixConverter[] = {{1, "Fisheye Converter"}};

inline constexpr MakerTag kCoolpixTags[] = {
    {.tag = 0x0003, .name = "撮影モード", .values = kCoolpixQuality, .types = kShort},
    {.tag = 0x0004, .name = "カラーモード", .values = kCoolpixColorMode, .types = kShort},
    {.tag = 0x0005, .name = "階調補正", .values = kCoolpixToneCompensation, .types = kShort},
    {.tag = 0x0007, .name = "ホワイトバランス", .values = kCoolpixWhiteBalance, .types = kShort},
    {.tag = 0x0008, .name = "フォーカス"},
    {.tag = 0x000A, .name = "デジタルズーム"},
    {.tag = 0x000B, .name = "コンバーター", .values = kCoolpixConverter, .types = kShort},
    {.tag = 0x0F00, .rule = Rule::kUpperHex},
};

// *Nikon, newer layouts (codes 6 and 27)*
// The tags and value lists of the newer notes come from the public Nikon
// tag-name page ("Nikon Tags", the type 3 notes); the tags it calls
// UnknownInfo or MakerNotes0x51/0x56 stay unnamed.
inline constexpr CodeText kNikonDriveMode[] = {{0, "１コマ撮影"}, {1, "連続撮影"}, {2, "セルフタイマー"}};
inline constexpr CodeText kNikonCropHiSpeed[] = {
    {0, "オフ"},           {1, "1.3xクロップ"},        {2, "DXクロップ"},
    {3, "5:4クロップ"},    {4, "3:2クロップ"},         {6, "16:9クロップ"},
    {8, "2.7xクロップ"},   {9, "DX動画16:9クロップ"},  {10, "1.3x動画クロップ"},
    {11, "FX(クロップなし)"}, {12, "DX(クロップなし)"}, {13, "2.8x動画クロップ"},
    {14, "1.4x動画クロップ"}, {15, "1.5x動画クロップ"}, {17, "FX 1:1クロップ"},
    {18, "DX 1:1クロップ"}};
inline constexpr CodeText kNikonColorSpace[] = {{1, "sRGB"}, {2, "Adobe RGB"}, {4, "BT.2100"}};
inline constexpr CodeText kNikonOffOn[] = {{0, "オフ"}, {1, "オン"}};
inline constexpr CodeText kNikonActiveDLighting[] = {
    {0, "オフ"}, {1, "弱め"}, {3, "標準"}, {5, "強め"}, {7, "より強め"}};
inline constexpr CodeText kNikonVignetteControl[] = {
    {0, "オフ"}, {1, "弱め"}, {3, "標準"}, {5, "強め"}};
inline constexpr CodeText kNikonShutterMode[] = {
    {0, "メカシャッター"},           {16, "電子シャッター"},
    {48, "電子先幕シャッター"},      {64, "電子シャッター(動画)"},
    {80, "オート(メカシャッター)"},  {81, "オート(電子先幕シャッター)"},
    {96, "電子シャッター(高速)"}};
inline constexpr CodeText kNikonImageSizeRaw[] = {{1, "L"}, {2, "M"}, {3, "S"}};
inline constexpr CodeText kNikonJpgCompression[] = {{1, "サイズ優先"}, {3, "画質優先"}};
inline constexpr CodeText kNikonFlashMode[] = {
    {0, "発光せず"},           {1, "発光(マニュアル)"},   {3, "準備未完了"},
    {7, "発光(外付け)"},       {8, "発光(コマンダーモード)"}, {9, "発光(TTLモード)"},
    {18, "LEDライト"}};
inline constexpr CodeText kNikonNefCompression[] = {
    {1, "非可逆圧縮(タイプ1)"}, {2, "非圧縮"}, {3, "可逆圧縮"}, {4, "非可逆圧縮(タイプ2)"},
    {5, "ストライプ12ビット"}, {6, "非圧縮(12ビットに縮小)"}};
inline constexpr CodeText kNikonDateStampMode[] = {
    {0, "オフ"}, {1, "日付と時刻"}, {2, "日付"}, {3, "日付カウンター"}};
inline constexpr CodeText kNikonRetouchHistory[] = {
    {0, "なし"},           {3, "白黒"},             {4, "セピア"},
    {5, "トリミング"},     {6, "スモールピクチャー"}, {7, "D-ライティング"},
    {8, "赤目補正"},       {9, "シアノタイプ"},     {10, "スカイライト"},
    {11, "ウォームトーン"}, {12, "カラーカスタマイズ"}, {13, "画像合成"},
    {14, "レッド強調"},    {15, "グリーン強調"},    {16, "ブルー強調"},
    {17, "クロススクリーン"}, {18, "簡単レタッチ"},  {19, "RAW現像"},
    {23, "ゆがみ補正"},    {25, "魚眼効果"},        {26, "傾き補正"},
    {29, "アオリ効果"}};
inline constexpr CodeText kNikonHighIsoNoiseReduction[] = {
    {0, "オフ"}, {1, "最小限"}, {2, "弱め"}, {3, "やや弱め"},
    {4, "標準"}, {5, "やや強め"}, {6, "強め"}};
inline constexpr TextLabel kNikonFinish[] = {
    {"NORMAL", "標準"},         {"CUSTOM", "カスタマイズ"},
    {"SHARP", "シャープに"},     {"SOFT", "ソフトに"},
    {"DIRECTPRINT", "ダイレクトプリント"}, {"PORTRAIT", "人物きれい"},
    {"VIVID", "鮮やかに"},       {"LANDSCAPE", "風景きれい"},
    {"", "-"}};

inline constexpr MakerTag kNikonTags[] = {
    // The data version, a four-character text ("0200"), decides below how
    // the thumbnail entry 0x0011 is read. Older bodies store binary bytes.
    {.tag = 0x0001, .name = "データバージョン", .rule = Rule::kVersion, .camera_type = true},
    {.tag = 0x0002, .name = "ISO設定", .rule = Rule::kIsoNumber},
    {.tag = 0x0003, .name = "カラーモード"},
    {.tag = 0x0004, .name = "画質モード"},
    {.tag = 0x0005, .name = "ホワイトバランス"},
    {.tag = 0x0006, .name = "輪郭の強調"},
    {.tag = 0x0007, .name = "フォーカスモード"},
    {.tag = 0x0008, .name = "フラッシュモード"},
    {.tag = 0x0009, .name = "フラッシュの種類", .style = kStyleDetail},
    {.tag = 0x000B, .name = "ホワイトバランス補正値"},
    {.tag = 0x000C, .name = "ホワイトバランスのR/Bレベル", .style = kStyleDetail},
    {.tag = 0x000D, .name = "プログラムシフト", .rule = Rule::kHexDump, .style = kStyleDetail},
    {.tag = 0x000E, .name = "露出差", .rule = Rule::kHexDump, .style = kStyleDetail},
    {.tag = 0x000F, .name = "ISOMode"},
    {.tag = 0x0010, .name = "データダンプ", .style = kStyleDetail},
    {.tag = 0x0011, .name = "サムネイル情報 IFD", .rule = Rule::kNikonThumbnailIFD},
    {.tag = 0x0012, .name = "調光補正", .rule = Rule::kHexDump, .style = kStyleDetail},
    {.tag = 0x0013, .name = "ISO感度設定", .rule = Rule::kIsoNumber, .style = kStyleDetail},
    {.tag = 0x0014, .name = "カラーバランス", .style = kStyleDetail},
    {.tag = 0x0016, .name = "画像の範囲", .style = kStyleDetail},
    {.tag = 0x0017, .name = "外付けフラッシュの調光補正", .style = kStyleDetail},
    {.tag = 0x0018, .name = "フラッシュブラケットの補正値", .style = kStyleDetail},
    {.tag = 0x0019, .name = "露出ブラケットの補正値", .style = kStyleDetail},
    {.tag = 0x001A, .name = "画像処理", .style = kStyleDetail},
    {.tag = 0x001B, .name = "ハイスピードクロップ", .values = kNikonCropHiSpeed, .types = kShort, .style = kStyleDetail},
    {.tag = 0x001C, .name = "露出の微調整", .style = kStyleDetail},
    {.tag = 0x001D, .name = "シリアル番号"},
    {.tag = 0x001E, .name = "色空間", .values = kNikonColorSpace, .types = kShort, .style = kStyleDetail},
    {.tag = 0x001F, .name = "手ぶれ補正情報", .style = kStyleDetail},
    {.tag = 0x0020, .name = "画像認証", .values = kNikonOffOn, .types = kByte, .style = kStyleDetail},
    {.tag = 0x0021, .name = "顔検出情報", .style = kStyleDetail},
    {.tag = 0x0022, .name = "アクティブD-ライティング", .values = kNikonActiveDLighting,
     .types = kShort, .style = kStyleDetail},
    {.tag = 0x0023, .name = "ピクチャーコントロール", .style = kStyleDetail},
    {.tag = 0x0024, .name = "ワールドタイム", .style = kStyleDetail},
    {.tag = 0x0025, .name = "ISO情報", .style = kStyleDetail},
    {.tag = 0x002A, .name = "ヴィネットコントロール", .values = kNikonVignetteControl,
     .types = kShort, .style = kStyleDetail},
    {.tag = 0x002B, .name = "歪曲補正情報", .style = kStyleDetail},
    {.tag = 0x0034, .name = "シャッター方式", .values = kNikonShutterMode, .types = kShort, .style = kStyleDetail},
    {.tag = 0x0035, .name = "HDR情報", .style = kStyleDetail},
    {.tag = 0x0037, .name = "メカシャッター作動回数", .style = kStyleDetail},
    {.tag = 0x0039, .name = "位置情報", .style = kStyleDetail},
    {.tag = 0x003D, .name = "黒レベル", .style = kStyleDetail},
    {.tag = 0x003E, .name = "RAW画像サイズ", .values = kNikonImageSizeRaw, .types = kShort, .style = kStyleDetail},
    {.tag = 0x003F, .name = "ホワイトバランスの微調整", .style = kStyleDetail},
    {.tag = 0x0044, .name = "JPEG圧縮", .values = kNikonJpgCompression, .types = kShort, .style = kStyleDetail},
    {.tag = 0x0045, .name = "クロップ範囲", .style = kStyleDetail},
    {.tag = 0x004E, .name = "ニコン設定", .style = kStyleDetail},
    {.tag = 0x004F, .name = "色温度(オート)", .style = kStyleDetail},
    {.tag = 0x0080, .name = "画像モード"},
    {.tag = 0x0081, .name = "階調補正"},
    {.tag = 0x0082, .name = "レンズコンバーター"},
    {.tag = 0x0083, .name = "レンズの種類", .style = kStyleDetail},
    {.tag = 0x0084, .name = "レンズ情報"},
    {.tag = 0x0085, .name = "マニュアルフォーカス距離"},
    {.tag = 0x0086, .name = "デジタルズーム"},
    {.tag = 0x0087, .name = "フラッシュの発光", .values = kNikonFlashMode, .types = kByte, .style = kStyleDetail},
    {.tag = 0x0088, .name = "フォーカスエリア", .rule = Rule::kDecimalBytes},
    {.tag = 0x0089, .name = "動作モード", .values = kNikonDriveMode, .types = kShort | kByte},
    {.tag = 0x008B, .name = "レンズの絞り段数", .rule = Rule::kHexDump, .style = kStyleDetail},
    {.tag = 0x008C, .name = "コントラストカーブ", .style = kStyleDetail},
    {.tag = 0x008D, .name = "色空間情報"},
    {.tag = 0x008F, .name = "シーンモード"},
    {.tag = 0x0090, .name = "光源", .style = kStyleDetail},
    {.tag = 0x0091, .name = "撮影情報", .style = kStyleDetail},
    {.tag = 0x0092, .name = "色相補正値"},
    {.tag = 0x0093, .name = "NEF圧縮", .values = kNikonNefCompression, .types = kShort, .style = kStyleDetail},
    {.tag = 0x0094, .name = "彩度補正"},
    {.tag = 0x0095, .name = "ノイズ除去"},
    {.tag = 0x0096, .name = "NEFリニアライズ表", .style = kStyleDetail},
    {.tag = 0x0097, .name = "カラーバランス", .style = kStyleDetail},
    {.tag = 0x0098, .name = "レンズデータ", .rule = Rule::kHexDump, .style = kStyleDetail},
    {.tag = 0x0099, .name = "RAW画像の中心", .style = kStyleDetail},
    {.tag = 0x009A, .name = "センサーの画素サイズ", .style = kStyleDetail},
    {.tag = 0x009C, .name = "シーンアシスト", .style = kStyleDetail},
    {.tag = 0x009D, .name = "日付の写し込み", .values = kNikonDateStampMode, .types = kShort, .style = kStyleDetail},
    {.tag = 0x009E, .name = "レタッチ履歴", .values = kNikonRetouchHistory, .types = kShort, .style = kStyleDetail},
    {.tag = 0x00A0, .name = "シリアル番号"},
    {.tag = 0x00A2, .name = "画像データのサイズ", .style = kStyleDetail},
    {.tag = 0x00A5, .name = "差し引き撮影回数"},
    {.tag = 0x00A6, .name = "削除回数"},
    {.tag = 0x00A7, .name = "撮影回数"},
    {.tag = 0x00A8, .name = "フラッシュ情報", .style = kStyleDetail},
    {.tag = 0x00A9, .name = "仕上がり設定", .rule = Rule::kNikonFinish, .ascii = Text::kSkipNulSpace,
     .finish = kNikonFinish},
    {.tag = 0x00AA, .name = "彩度", .style = kStyleDetail},
    {.tag = 0x00AB, .name = "デジタルイメージプログラム", .rule = Rule::kNikonProgram,
     .ascii = Text::kSkipNulSpace},
    {.tag = 0x00AC, .name = "手ぶれ補正", .style = kStyleDetail},
    {.tag = 0x00AD, .name = "AFレスポンス", .style = kStyleDetail},
    {.tag = 0x00B0, .name = "多重露出", .style = kStyleDetail},
    {.tag = 0x00B1, .name = "高感度ノイズ低減", .values = kNikonHighIsoNoiseReduction,
     .types = kShort, .style = kStyleDetail},
    {.tag = 0x00B3, .name = "調色効果", .style = kStyleDetail},
    {.tag = 0x00B6, .name = "電源を入れた日時", .style = kStyleDetail},
    {.tag = 0x00B7, .name = "AF情報2", .style = kStyleDetail},
    {.tag = 0x00B8, .name = "ファイル情報", .style = kStyleDetail},
    {.tag = 0x00B9, .name = "AF微調節", .style = kStyleDetail},
    {.tag = 0x00BB, .name = "レタッチ情報", .style = kStyleDetail},
    {.tag = 0x00BD, .name = "ピクチャーコントロール", .style = kStyleDetail},
    {.tag = 0x00BF, .name = "サイレント撮影", .values = kNikonOffOn, .types = kShort, .style = kStyleDetail},
    {.tag = 0x00C3, .name = "気圧情報", .style = kStyleDetail},
    {.tag = 0x0100, .name = "サムネイル情報"},
    {.tag = 0x0E00, .name = "PrintIM IFD", .rule = Rule::kPrintIM},
    {.tag = 0x0E01, .name = "Nikon Captureデータ", .style = kStyleDetail},
    {.tag = 0x0E09, .name = "Nikon Captureのバージョン", .style = kStyleDetail},
    {.tag = 0x0E0E, .name = "Nikon Captureのオフセット", .style = kStyleDetail},
    {.tag = 0x0E10, .name = "Nikon Scan IFD", .style = kStyleDetail},
    {.tag = 0x0E13, .name = "Nikon Captureの編集履歴", .style = kStyleDetail},
    {.tag = 0x0E1D, .name = "ICCプロファイル", .style = kStyleDetail},
    {.tag = 0x0E1E, .name = "Nikon Captureの出力設定", .style = kStyleDetail},
    {.tag = 0x0E22, .name = "NEFのビット深度", .style = kStyleDetail},
};

}  // namespace kelvane::maker
