// IFD0 of a Panasonic raw file (RW2, RWL: "IIU\0", magic 0x55). Its tags
// below 0x100 are Panasonic's own; 0x118 to 0x121 mean other things than
// in a TIFF file. Every other tag (Make, Model, Orientation, the Exif and
// GPS pointers, XMP) is read from the IFD tag table as in any TIFF file.
// One row per tag, ascending.
#pragma once

#include "engine/tiff/exif_rules.h"
#include "engine/tiff/exif_tags.h"
#include "engine/tiff/ifd_walker.h"
#include "engine/tiff/tag_table.h"

namespace kelvane {

namespace panasonic_raw_vocab {
inline constexpr CodeText kCfaPattern[] = {
    {0, "n/a"}, {1, "[赤,緑][緑,青]"}, {2, "[緑,赤][青,緑]"}, {3, "[緑,青][赤,緑]"},
    {4, "[青,緑][緑,赤]"},
};
inline constexpr CodeText kCompression[] = {
    {34316, "Panasonic RAW 1"},
    {34826, "Panasonic RAW 2"},
    {34828, "Panasonic RAW 3"},
    {34830, "Panasonic RAW 4"},
};
}  // namespace panasonic_raw_vocab

namespace panasonic_raw_table {
using namespace ifd_types;

inline constexpr IfdTag kPanasonicRawTags[] = {
    {.tag = 0x0001, .name = "RAWバージョン",
     .rule = Rule<TiffWalk>(kUndefinedType, ifd_rule::VersionBytes), .style = kStyleBasic},
    {.tag = 0x0002, .name = "センサーの幅", .style = kStyleKey},
    {.tag = 0x0003, .name = "センサーの高さ", .style = kStyleKey},
    {.tag = 0x0004, .name = "センサーの上端"},
    {.tag = 0x0005, .name = "センサーの左端"},
    {.tag = 0x0006, .name = "センサーの下端"},
    {.tag = 0x0007, .name = "センサーの右端"},
    {.tag = 0x0008, .name = "画素あたりのサンプル数"},
    {.tag = 0x0009, .name = "CFA配列", .rule = Vocabulary(panasonic_raw_vocab::kCfaPattern)},
    {.tag = 0x000A, .name = "画素のビットの深さ", .style = kStyleKey},
    {.tag = 0x000B, .name = "圧縮の種類", .rule = Vocabulary(panasonic_raw_vocab::kCompression)},
    {.tag = 0x000E, .name = "線形限界(赤)"},
    {.tag = 0x000F, .name = "線形限界(緑)"},
    {.tag = 0x0010, .name = "線形限界(青)"},
    {.tag = 0x0011, .name = "赤のバランス"},
    {.tag = 0x0012, .name = "青のバランス"},
    {.tag = 0x0013, .name = "ホワイトバランス情報"},
    {.tag = 0x0017, .name = "ISO感度", .style = kStyleKey},
    {.tag = 0x0018, .name = "高感度の倍率(赤)"},
    {.tag = 0x0019, .name = "高感度の倍率(緑)"},
    {.tag = 0x001A, .name = "高感度の倍率(青)"},
    {.tag = 0x001B, .name = "ノイズリダクションの値"},
    {.tag = 0x001C, .name = "黒レベル(赤)"},
    {.tag = 0x001D, .name = "黒レベル(緑)"},
    {.tag = 0x001E, .name = "黒レベル(青)"},
    {.tag = 0x0024, .name = "ホワイトバランスの赤レベル"},
    {.tag = 0x0025, .name = "ホワイトバランスの緑レベル"},
    {.tag = 0x0026, .name = "ホワイトバランスの青レベル"},
    {.tag = 0x0027, .name = "ホワイトバランス情報2"},
    {.tag = 0x002D, .name = "RAW形式"},
    {.tag = 0x002E, .name = "埋め込みJPEG",
     .rule = Rule<TiffWalk>(kUndefinedType, ifd_rule::OffsetAndBytes, ReadCost::kNone),
     .note = ifd_note::EmbeddedJpeg},
    {.tag = 0x002F, .name = "切り抜き(上)"},
    {.tag = 0x0030, .name = "切り抜き(左)"},
    {.tag = 0x0031, .name = "切り抜き(下)"},
    {.tag = 0x0032, .name = "切り抜き(右)"},
    {.tag = 0x0118, .name = "RAWデータのオフセット"},
    {.tag = 0x0119, .name = "歪曲補正情報",
     .rule = Rule<TiffWalk>(kUndefinedType, ifd_rule::ByteCount, ReadCost::kNone)},
    {.tag = 0x011C, .name = "ガンマ"},
    {.tag = 0x0120, .name = "カメラIFD", .rule = Rule<TiffWalk>(kLongType, ifd_rule::OffsetList)},
    {.tag = 0x0121, .name = "マルチショット"},
};

// Tags from here to kOwnLast that this table does not name are unknown in
// this IFD: the TIFF captions of these numbers would mislead.
inline constexpr uint16_t kOwnFirst = 0x0118;
inline constexpr uint16_t kOwnLast = 0x0121;

}  // namespace panasonic_raw_table

using panasonic_raw_table::kPanasonicRawTags;
static_assert(IsWellFormedTable<TiffWalk>(kPanasonicRawTags),
              "the Panasonic raw tag table must be sorted, free of duplicates and UTF-8");

constexpr bool PanasonicRawVocabulariesAreWellFormed() {
  for (const IfdTag& row : kPanasonicRawTags)
    if (!IsWellFormedVocabulary(row.rule.vocabulary)) return false;
  return true;
}
static_assert(PanasonicRawVocabulariesAreWellFormed());

// The row of `tag` in a Panasonic raw IFD0: its own table first, then the
// IFD tag table outside the range Panasonic gives other meanings.
constexpr const IfdTag* FindPanasonicRawRow(uint16_t tag) {
  if (const IfdTag* own = FindTagRow<TiffWalk>(kPanasonicRawTags, tag)) return own;
  if (tag >= panasonic_raw_table::kOwnFirst && tag <= panasonic_raw_table::kOwnLast) return nullptr;
  return FindTagRow<TiffWalk>(kIfdTags, tag);
}

}  // namespace kelvane
