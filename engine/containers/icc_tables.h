// The vocabularies of an ICC profile. Header fields and their codes:
// ICC.1:2010 (profile format 4.3), clause 7.2 (profile header, Table 17
// class signatures, Table 19 colour-space signatures, 7.2.10 platforms,
// 7.2.11 flags, 7.2.14 device attributes, 7.2.15 rendering intents); the
// tag captions follow the tag names of clause 9.2 as the public
// ICC_Profile tag-name page lists them; the measurement and viewing
// vocabularies are clause 10.12 (Tables 50 to 53) and 10.29.
#pragma once

#include "engine/containers/icc_signature.h"
#include "engine/text/vocabulary.h"

namespace kelvane::icc {

inline constexpr CodeText kProfileClasses[] = {
    {Sig("scnr"), "入力機器"},
    {Sig("mntr"), "ディスプレイ"},
    {Sig("prtr"), "出力機器"},
    {Sig("link"), "デバイスリンク"},
    {Sig("spac"), "色空間変換"},
    {Sig("abst"), "抽象"},
    {Sig("nmcl"), "名前付きカラー"},
    {Sig("cenc"), "色符号化空間"},
    {Sig("mid "), "多重識別"},
    {Sig("mlnk"), "多重リンク"},
    {Sig("mvis"), "多重視覚化"},
    {Sig("nkpf"), "Nikon 入力機器"},
};

inline constexpr CodeText kColourSpaces[] = {
    {Sig("XYZ "), "XYZ"},  {Sig("Lab "), "Lab"},  {Sig("Luv "), "Luv"},
    {Sig("YCbr"), "YCbCr"}, {Sig("Yxy "), "Yxy"},  {Sig("RGB "), "RGB"},
    {Sig("GRAY"), "グレー"}, {Sig("HSV "), "HSV"},  {Sig("HLS "), "HLS"},
    {Sig("CMYK"), "CMYK"}, {Sig("CMY "), "CMY"},  {Sig("2CLR"), "2色"},
    {Sig("3CLR"), "3色"},  {Sig("4CLR"), "4色"},  {Sig("5CLR"), "5色"},
    {Sig("6CLR"), "6色"},  {Sig("7CLR"), "7色"},  {Sig("8CLR"), "8色"},
    {Sig("9CLR"), "9色"},  {Sig("ACLR"), "10色"}, {Sig("BCLR"), "11色"},
    {Sig("CCLR"), "12色"}, {Sig("DCLR"), "13色"}, {Sig("ECLR"), "14色"},
    {Sig("FCLR"), "15色"},
};

inline constexpr CodeText kPlatforms[] = {
    {Sig("APPL"), "Apple Computer Inc."},
    {Sig("MSFT"), "Microsoft Corporation"},
    {Sig("SGI "), "Silicon Graphics Inc."},
    {Sig("SUNW"), "Sun Microsystems Inc."},
    {Sig("TGNT"), "Taligent Inc."},
};

inline constexpr CodeText kRenderingIntents[] = {
    {0, "知覚的"},
    {1, "メディア相対的な測色"},
    {2, "彩度"},
    {3, "ICC絶対的な測色"},
};

// The 'tech' tag's device technologies (clause 9.2.47, Table 29).
inline constexpr CodeText kTechnologies[] = {
    {Sig("fscn"), "フィルムスキャナ"},
    {Sig("dcam"), "デジタルカメラ"},
    {Sig("rscn"), "反射原稿スキャナ"},
    {Sig("ijet"), "インクジェットプリンタ"},
    {Sig("twax"), "熱転写ワックスプリンタ"},
    {Sig("epho"), "電子写真プリンタ"},
    {Sig("esta"), "静電プリンタ"},
    {Sig("dsub"), "昇華型プリンタ"},
    {Sig("rpho"), "印画紙プリンタ"},
    {Sig("fprn"), "フィルムレコーダ"},
    {Sig("vidm"), "ビデオモニタ"},
    {Sig("vidc"), "ビデオカメラ"},
    {Sig("pjtv"), "プロジェクションテレビ"},
    {Sig("CRT "), "CRTディスプレイ"},
    {Sig("PMD "), "パッシブマトリクスディスプレイ"},
    {Sig("AMD "), "アクティブマトリクスディスプレイ"},
    {Sig("KPCD"), "Photo CD"},
    {Sig("imgs"), "フォトイメージセッタ"},
    {Sig("grav"), "グラビア印刷"},
    {Sig("offs"), "オフセット印刷"},
    {Sig("silk"), "シルクスクリーン印刷"},
    {Sig("flex"), "フレキソ印刷"},
    {Sig("mpfs"), "映画フィルムスキャナ"},
    {Sig("mpfr"), "映画フィルムレコーダ"},
    {Sig("dmpc"), "デジタル映画カメラ"},
    {Sig("dcpj"), "デジタルシネマプロジェクタ"},
};

inline constexpr CodeText kObservers[] = {
    {0, "不明"},
    {1, "CIE 1931 (2°)"},
    {2, "CIE 1964 (10°)"},
};

inline constexpr CodeText kGeometries[] = {
    {0, "不明"},
    {1, "0/45 または 45/0"},
    {2, "0/d または d/0"},
};

inline constexpr CodeText kStandardIlluminants[] = {
    {0, "不明"}, {1, "D50"}, {2, "D65"}, {3, "D93"}, {4, "F2"},
    {5, "D55"}, {6, "A"},   {7, "等エネルギー (E)"}, {8, "F8"},
};

// How a tag's value is shown; chosen by the type signature the tag's data
// begins with, so that a tag of a type its clause does not name still shows.
enum class TagForm { kText, kXyz, kCurve, kNumbers, kSignature, kMeasurement, kViewing, kDate, kOther };

inline constexpr struct {
  int64_t type;
  TagForm form;
} kTagTypes[] = {
    {Sig("desc"), TagForm::kText},       {Sig("mluc"), TagForm::kText},
    {Sig("text"), TagForm::kText},       {Sig("XYZ "), TagForm::kXyz},
    {Sig("curv"), TagForm::kCurve},      {Sig("para"), TagForm::kCurve},
    {Sig("sf32"), TagForm::kNumbers},    {Sig("sig "), TagForm::kSignature},
    {Sig("meas"), TagForm::kMeasurement}, {Sig("view"), TagForm::kViewing},
    {Sig("dtim"), TagForm::kDate},
};

// The tags a reader looks at, each with its caption and whether it is one
// of the group's key rows. Other tags show as detail rows named by their
// signature.
struct TagRow {
  int64_t tag;
  const char* caption;
  bool key;
};

inline constexpr TagRow kTags[] = {
    {Sig("desc"), "プロファイルの説明", true},
    {Sig("cprt"), "著作権", true},
    {Sig("dmnd"), "機器の製造者の説明", false},
    {Sig("dmdd"), "機器のモデルの説明", false},
    {Sig("vued"), "観察条件の説明", false},
    {Sig("wtpt"), "白色点", false},
    {Sig("bkpt"), "黒色点", false},
    {Sig("rXYZ"), "赤の原色", false},
    {Sig("gXYZ"), "緑の原色", false},
    {Sig("bXYZ"), "青の原色", false},
    {Sig("rTRC"), "赤のトーンカーブ", false},
    {Sig("gTRC"), "緑のトーンカーブ", false},
    {Sig("bTRC"), "青のトーンカーブ", false},
    {Sig("kTRC"), "グレーのトーンカーブ", false},
    {Sig("lumi"), "輝度", false},
    {Sig("chad"), "色順応行列", false},
    {Sig("tech"), "機器の技術", false},
    {Sig("calt"), "較正日時", false},
    {Sig("meas"), "測定条件", false},
    {Sig("view"), "観察条件", false},
    {Sig("targ"), "特性化ターゲット", false},
};

}  // namespace kelvane::icc
