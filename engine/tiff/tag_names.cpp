#include "engine/tiff/tag_names.h"

#include <array>

#include "engine/text/encoding.h"

namespace kelvane {

namespace {

struct TagEntry {
  uint16_t tag;
  std::string_view name;
};

// Ascending by tag.
constexpr TagEntry kTagNames[] = {
    {0x00FE, "NewSubFileType"},
    {0x00FF, "SubfileType"},
    {0x0100, "画像の幅"},
    {0x0101, "画像の高さ"},
    {0x0102, "画素のビットの深さ"},
    {0x0103, "圧縮の種類"},
    {0x0106, "画素構成"},
    {0x0107, "Threshholding"},
    {0x0108, "CellWidth"},
    {0x0109, "CellLength"},
    {0x010A, "FillOrder"},
    {0x010D, "DocumentName"},
    {0x010E, "タイトル"},
    {0x010F, "メーカー名"},
    {0x0110, "機種"},
    {0x0111, "StripOffset"},
    {0x0112, "画像方向"},
    {0x0115, "コンポーネント数"},
    {0x0116, "RowsPerStrip"},
    {0x0117, "StripByteCounts"},
    {0x0118, "MinSampleValue"},
    {0x0119, "MaxSampleValue"},
    {0x011A, "幅の解像度"},
    {0x011B, "高さの解像度"},
    {0x011C, "画像データの並び"},
    {0x011D, "PageName"},
    {0x011E, "XPosition"},
    {0x011F, "YPosition"},
    {0x0120, "FreeOffsets"},
    {0x0121, "FreeByteCounts"},
    {0x0122, "GrayResponseUnit"},
    {0x0123, "GrayResponseCurve"},
    {0x0124, "T4Options"},
    {0x0125, "T6Options"},
    {0x0128, "解像度単位"},
    {0x0129, "PageNumber"},
    {0x012D, "再生階調カーブ特性"},
    {0x0131, "ソフトウェア"},
    {0x0132, "変更日時"},
    {0x013B, "アーティスト"},
    {0x013C, "HostComputer"},
    {0x013D, "Predictor"},
    {0x013E, "ホワイトポイント"},
    {0x013F, "原色の色度座標値"},
    {0x0140, "ColorMap"},
    {0x0142, "TileWidth"},
    {0x0143, "TileLength"},
    {0x0144, "TileOffsets"},
    {0x0145, "TileByteCounts"},
    {0x0146, "BadFaxLines"},
    {0x0147, "CleanFaxData"},
    {0x0148, "ConsecutiveBadFaxLines"},
    {0x014A, "SubIFDs"},
    {0x014C, "InkSet"},
    {0x014D, "InkNames"},
    {0x014E, "NumberOfInks"},
    {0x0150, "DotRange"},
    {0x0152, "ExtraSamples"},
    {0x0154, "SMinSampleValue"},
    {0x0155, "SMaxSampleValue"},
    {0x0156, "TransferRange"},
    {0x015A, "Indexed"},
    {0x015B, "JPEGTables"},
    {0x0190, "GlobalParameterIFD"},
    {0x0191, "ProfileType"},
    {0x0192, "FaxProfile"},
    {0x0193, "CodingMethods"},
    {0x0194, "VersionYear"},
    {0x0195, "ModeNumber"},
    {0x01B1, "Decode"},
    {0x01B2, "DefaultImageColor"},
    {0x0200, "JPEGProc"},
    {0x0201, "JPEGInterchangeFormat"},
    {0x0202, "JPEGInterchangeFormatLength"},
    {0x0203, "JPEGRestartInterval"},
    {0x0205, "JPEGLosslessPredictors"},
    {0x0206, "JPEGPointTransforms"},
    {0x0207, "JPEGQTables"},
    {0x0208, "JPEGDCTables"},
    {0x0209, "JPEGACTables"},
    {0x0211, "色変換マトリクス係数"},
    {0x0212, "YCbCrSubSampling"},
    {0x0213, "YCbCrPositioning"},
    {0x0214, "ReferenceBlackWhite"},
    {0x022F, "StripRowCounts"},
    {0x02BC, "XML Metadata"},
    {0x80A4, "Annotation Data"},
    {0x828D, "CFARepeatPatternDim"},
    {0x828E, "CFAPattern"},
    {0x828F, "BatteryLevel"},
    {0x8290, "KodakCameraInfoIFD"},
    {0x8298, "著作権"},
    {0x829A, "露出時間"},
    {0x829D, "レンズF値"},
    {0x830E, "ModelPixelScale"},
    {0x83BB, "IPTC/NAA"},
    {0x8480, "IntergraphMatrix"},
    {0x8482, "ModelTiepoint"},
    {0x85D8, "ModelTransformation"},
    {0x8649, "AdobeResource"},
    {0x8769, "Exif情報オフセット"},
    {0x8773, "ICCProfile"},
    {0x87AC, "ImageLayer"},
    {0x87AF, "GeoKeyDirectoryTag"},
    {0x87B0, "GeoDoubleParams"},
    {0x87B1, "GeoAsciiParams"},
    {0x8822, "露出制御モード"},
    {0x8824, "スペクトル感度"},
    {0x8825, "GPS情報オフセット"},
    {0x8827, "ISO感度"},
    {0x8828, "OECF"},
    {0x8829, "Interlace"},
    {0x882A, "TimeZoneOffset"},
    {0x882B, "SelfTimerMode"},
    {0x9000, "Exifバージョン"},
    {0x9003, "オリジナル撮影日時"},
    {0x9004, "デジタル化日時"},
    {0x9101, "各コンポーネントの意味"},
    {0x9102, "画像圧縮率"},
    {0x9201, "シャッタースピード"},
    {0x9202, "レンズ絞り値"},
    {0x9203, "対象物の明るさ"},
    {0x9204, "露光補正量"},
    {0x9205, "開放F値"},
    {0x9206, "被写体距離"},
    {0x9207, "自動露出測光モード"},
    {0x9208, "光源"},
    {0x9209, "フラッシュ"},
    {0x920A, "レンズの焦点距離"},
    {0x920B, "FlashEnergy"},
    {0x920C, "SpatialFrequencyResponse"},
    {0x920D, "Noise"},
    {0x920E, "FocalPlaneXResolution"},
    {0x920F, "FocalPlaneYResolution"},
    {0x9210, "FocalPlaneResolutionUnit"},
    {0x9211, "ImageNumber"},
    {0x9212, "SecurityClassification"},
    {0x9213, "ImageHistory"},
    {0x9214, "SubjectLocation"},
    {0x9215, "ExposureIndex"},
    {0x9216, "TIFF/EP StandardID"},
    {0x9217, "SensingMethod"},
    {0x927C, "カメラの内部情報"},
    {0x9286, "ユーザーコメント"},
    {0x9290, "SubSecTime"},
    {0x9291, "SubSecTimeOriginal"},
    {0x9292, "SubSecTimeDigitized"},
    {0x9355, "Faveon Data"},
    {0x9C41, "送信先"},
    {0x9C42, "送信先番号"},
    {0x9C43, "送信元"},
    {0xA000, "FlashPixのバージョン"},
    {0xA001, "色空間情報"},
    {0xA002, "画像幅"},
    {0xA003, "画像高さ"},
    {0xA004, "サウンドファイル名"},
    {0xA005, "ExifR98拡張情報"},
    {0xA20B, "フラッシュ強度"},
    {0xA20C, "SpatialFrequencyResponse"},
    {0xA20E, "CCD画素密度(X)"},
    {0xA20F, "CCD画素密度(Y)"},
    {0xA210, "画素密度の単位"},
    {0xA214, "被写体位置"},
    {0xA215, "露出インデックス"},
    {0xA217, "イメージセンサー方式"},
    {0xA300, "ファイルソース"},
    {0xA301, "シーンタイプ"},
    {0xA302, "CFAPattern"},
    {0xA401, "カスタム画像処理"},
    {0xA402, "撮影モード"},
    {0xA403, "ホワイトバランスモード"},
    {0xA404, "デジタルズーム"},
    {0xA405, "レンズの焦点距離(35mm)"},
    {0xA406, "シーン撮影タイプ"},
    {0xA407, "ゲインコントロール"},
    {0xA408, "コントラスト"},
    {0xA409, "彩度"},
    {0xA40A, "シャープネス"},
    {0xA40B, "デバイス設定の説明"},
    {0xA40C, "被写体の距離範囲"},
    {0xA420, "画像識別ID"},
    {0xC350, "FilmProductCode"},
    {0xC351, "ImageSource"},
    {0xC352, "Intended Print Area"},
    {0xC353, "CameraOwnerID"},
    {0xC354, "CameraSerialNum"},
    {0xC355, "GroupCaption"},
    {0xC357, "FilmstripIDNumber"},
    {0xC359, "ScanFrameSequenceNumber"},
    {0xC35A, "FilmCategory"},
    {0xC35B, "FilmGenerationCode"},
    {0xC35D, "FilmSize"},
    {0xC363, "ImageRotationStatus"},
    {0xC365, "Metadata VersionNumber"},
    {0xC366, "Edit Tag Array"},
    {0xC367, "Burst/Time Lapse Sequence"},
    {0xC36E, "KodakSpecialEffects IFD"},
    {0xC36F, "KodakBorders IFD"},
    {0xC4A5, "PrintIM IFD"},
    {0xC612, "DNGVersion"},
    {0xC613, "DNGBackwardVersion"},
    {0xC614, "UniqueCameraModel"},
    {0xC615, "LocalizedCameraModel"},
    {0xC616, "CFAPlaneColor"},
    {0xC617, "CFALayout"},
    {0xC618, "LinearizationTable"},
    {0xC619, "BlackLevelRepeatDim"},
    {0xC61A, "BlackLevel"},
    {0xC61B, "BlackLevelDeltaH"},
    {0xC61C, "BlackLevelDeltaV"},
    {0xC61D, "WhiteLevel"},
    {0xC61E, "DefaultScale"},
    {0xC61F, "DefaultCropOrigin"},
    {0xC620, "DefaultCropSize"},
    {0xC621, "ColorMatrix1"},
    {0xC622, "ColorMatrix2"},
    {0xC623, "CameraCalibration1"},
    {0xC624, "CameraCalibration2"},
    {0xC625, "ReductionMatrix1"},
    {0xC626, "ReductionMatrix2"},
    {0xC627, "AnalogBalance"},
    {0xC628, "AsShotNeutral"},
    {0xC629, "AsShotWhiteXY"},
    {0xC62A, "BaselineExposure"},
    {0xC62B, "BaselineNoise"},
    {0xC62C, "BaselineSharpness"},
    {0xC62D, "BayerGreenSplit"},
    {0xC62E, "LinearResponseLimit"},
    {0xC62F, "CameraSerialNumber"},
    {0xC630, "レンズ情報(DNG)"},
    {0xC631, "ChromaBlurRadius"},
    {0xC632, "AntiAliasStrength"},
    {0xC634, "DNGPrivateData"},
    {0xC635, "MakerNoteSafety"},
    {0xC65A, "CalibrationIlluminant1"},
    {0xC65B, "CalibrationIlluminant2"},
};

constexpr bool Ascending() {
  for (size_t i = 1; i < std::size(kTagNames); ++i)
    if (kTagNames[i - 1].tag >= kTagNames[i].tag) return false;
  return true;
}
static_assert(Ascending(), "the tag dictionary must be sorted and free of duplicates");
static_assert(std::size(kTagNames) == 236);

constexpr bool NamesAreUtf8() {
  for (const TagEntry& e : kTagNames)
    if (!text::IsValidUtf8(e.name)) return false;
  return true;
}
static_assert(NamesAreUtf8(), "rows take these names without checking them again");

// An open-addressed index into the dictionary, built by the compiler, so
// that a lookup takes one or two probes instead of a binary search. A slot
// holds an entry's position plus one; 0 is an empty slot.
constexpr size_t kSlots = 512;
static_assert(std::size(kTagNames) < kSlots && std::size(kTagNames) < 255);

constexpr size_t SlotOf(uint16_t tag) { return (tag * 40503u >> 7) & (kSlots - 1); }

constexpr std::array<uint8_t, kSlots> BuildIndex() {
  std::array<uint8_t, kSlots> index{};
  for (size_t i = 0; i < std::size(kTagNames); ++i) {
    size_t slot = SlotOf(kTagNames[i].tag);
    while (index[slot] != 0) slot = (slot + 1) & (kSlots - 1);
    index[slot] = static_cast<uint8_t>(i + 1);
  }
  return index;
}
constexpr std::array<uint8_t, kSlots> kIndex = BuildIndex();

constexpr const TagEntry* FindEntry(uint16_t tag) {
  for (size_t slot = SlotOf(tag);; slot = (slot + 1) & (kSlots - 1)) {
    const uint8_t at = kIndex[slot];
    if (at == 0) return nullptr;
    if (kTagNames[at - 1].tag == tag) return &kTagNames[at - 1];
  }
}

// The index finds every entry of the dictionary. It finds no tag the
// dictionary lacks, as a probe returns an entry only when its tag matches,
// and every probe ends, as the index has empty slots.
constexpr bool IndexFindsEveryEntry() {
  for (const TagEntry& e : kTagNames)
    if (FindEntry(e.tag) != &e) return false;
  return true;
}
static_assert(IndexFindsEveryEntry());

constexpr uint16_t kMakerNoteSafety = 0xC635;
constexpr uint16_t kTypeShort = 3;

}  // namespace

std::optional<std::string_view> TagName(uint16_t tag, uint16_t type) {
  if (tag == kMakerNoteSafety && type != kTypeShort) return "BestQualityScale";
  const TagEntry* e = FindEntry(tag);
  if (!e) return std::nullopt;
  return e->name;
}

}  // namespace kelvane
