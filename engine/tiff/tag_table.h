// The shape of a directory's tag table: one row per tag, with its caption,
// its value rule and the style the loader gives its row. The tables are
// data (exif_tags.h, gps_tags.h, interop_tags.h); FindTagRow looks them up.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "engine/reader/records.h"
#include "engine/text/encoding.h"
#include "engine/tiff/ifd_entry.h"
#include "engine/tiff/tiff_types.h"
#include "engine/text/vocabulary.h"

namespace kelvane {

// The bytes of a value that its text reads: as its type's plain text does,
// none (the text shows only the count, an offset or the stored field), or
// the whole value.
enum class ReadCost : uint8_t { kAsType, kNone, kWhole };

// How a value becomes its text, for the types the rule applies to; other
// types get the directory's plain text for their type. `Walk` is the walk
// at work (the file, its byte order and what the walk records).
template <typename Walk>
struct ValueRule {
  using Text = std::string (*)(Walk&, const IfdEntry&);
  TypeSet types = 0;
  Text text = nullptr;                        // a named rule, or
  std::span<const CodeText> vocabulary = {};  // the first value looked up
  ReadCost cost = ReadCost::kAsType;

  constexpr bool AppliesTo(uint16_t type) const { return InSet(types, type); }
};

template <typename Walk>
struct TagRow {
  uint16_t tag = 0;
  std::string_view name = {};  // empty: the directory's name for an unknown tag
  ValueRule<Walk> rule = {};
  // What the walk records from the entry before its text is made (where
  // other IFDs and blocks lie, the image facts); may read the file.
  void (*note)(Walk&, const IfdEntry&) = nullptr;
  // The row's style in its own group (for IFD0's tags: メイン情報), and
  // when it stands in the Exif IFD's group (サブ情報).
  RowStyle style = kStyleDetail;
  RowStyle exif_style = kStyleDetail;
  // The caption when the entry is not a SHORT (0xC635).
  std::string_view name_unless_short = {};

  constexpr std::string_view NameFor(uint16_t type) const {
    if (!name_unless_short.empty() && type != kTypeShort) return name_unless_short;
    return name;
  }
};

// The row of `tag`, or null: the tables are sorted by tag.
template <typename Walk>
constexpr const TagRow<Walk>* FindTagRow(std::span<const TagRow<Walk>> table, uint16_t tag) {
  size_t low = 0, high = table.size();
  while (low < high) {
    const size_t mid = (low + high) / 2;
    if (table[mid].tag < tag)
      low = mid + 1;
    else
      high = mid;
  }
  return low < table.size() && table[low].tag == tag ? &table[low] : nullptr;
}

// Where the rows of each high byte of the tag start in a sorted table, so
// that a lookup searches only the rows that share its high byte.
using TagIndex = std::array<uint16_t, 257>;

template <typename Walk>
constexpr TagIndex IndexTags(std::span<const TagRow<Walk>> table) {
  TagIndex index{};
  size_t row = 0;
  for (size_t high = 0; high <= 256; ++high) {
    while (row < table.size() && table[row].tag >> 8 < high) ++row;
    index[high] = static_cast<uint16_t>(row);
  }
  return index;
}

// The row of `tag` through the index of its table.
template <typename Walk>
constexpr const TagRow<Walk>* FindTagRow(std::span<const TagRow<Walk>> table,
                                         const TagIndex& index, uint16_t tag) {
  const size_t high = tag >> 8;
  const auto first = index[high];
  const auto end = index[high + 1];
  const TagRow<Walk>* row = FindTagRow<Walk>(table.subspan(first, end - first), tag);
  return row;
}

// Each table lists a tag once, in ascending order, so that a reviewer can
// read it against the standard, and every caption is well-formed UTF-8.
template <typename Walk>
constexpr bool IsWellFormedTable(std::span<const TagRow<Walk>> table) {
  for (size_t i = 0; i < table.size(); ++i) {
    if (i > 0 && table[i - 1].tag >= table[i].tag) return false;
    if (!text::IsValidUtf8(table[i].name)) return false;
    if (!text::IsValidUtf8(table[i].name_unless_short)) return false;
  }
  return true;
}

// Rule builders for the tables.
template <typename Walk>
constexpr ValueRule<Walk> Rule(TypeSet types, typename ValueRule<Walk>::Text text,
                               ReadCost cost = ReadCost::kAsType) {
  return {types, text, {}, cost};
}

}  // namespace kelvane
