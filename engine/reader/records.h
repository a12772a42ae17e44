// The result records decoders fill and the loader copies into the info tree.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "engine/text/text_list.h"

namespace kelvane {

// The style of a row: how the front ends show it.
enum RowStyle : int {
  kStyleBasic = 0,
  kStyleKey = 1,
  kStyleDetail = 2,
  kStyleCaption = 3,
  kStylePlain = 4,
};

// One result row: the tag (or a decoder's own key), the item name and the
// displayed value.
struct TIFDItem {
  int32_t Tag = 0;
  std::string Name;
  std::string Value;
  bool NameFromTable = false;  // Name is a table's, known to be UTF-8
  // The style its tag table gives the row in its own group, and (for the
  // tags of IFD0 and the Exif IFD) in サブ情報.
  RowStyle Style = kStyleDetail;
  RowStyle ExifStyle = kStyleDetail;
};

// A row name taken from one of the decoders' name tables. Each table is
// checked for well-formed UTF-8 when it is compiled, so the tree need not
// check these names again.
struct TableName {
  std::string_view text;
};

inline constexpr int kRowCapacity = 101;

// Up to 101 rows. Storage grows as rows arrive, so a record that stays
// empty costs nothing; any index below the capacity can be used, as with a
// fixed array. Reset empties every row but keeps their storage, so a record
// used again refills the capacity it already has.
class RowArray {
 public:
  TIFDItem& operator[](size_t i) {
    if (i >= live_) Grow(i + 1);
    return items_[i];
  }
  const TIFDItem& operator[](size_t i) const { return i < live_ ? items_[i] : kEmpty; }
  void Reset() { live_ = 0; }

 private:
  void Grow(size_t n) {
    if (n > kRowCapacity) n = kRowCapacity;
    if (items_.capacity() < n) items_.reserve(n <= 32 ? 32 : kRowCapacity);
    for (; live_ < n; ++live_) {
      if (live_ == items_.size()) {
        items_.emplace_back();
        continue;
      }
      TIFDItem& item = items_[live_];
      item.Tag = 0;
      item.Name.clear();
      item.Value.clear();
      item.NameFromTable = false;
      item.Style = item.ExifStyle = kStyleDetail;
    }
  }
  static inline const TIFDItem kEmpty{};
  std::vector<TIFDItem> items_;
  size_t live_ = 0;  // rows in use; items_ may hold more, emptied, for reuse
};

// Makes `record` what a newly made one is, keeping its rows' storage.
template <typename Record>
void Renew(Record& record) {
  RowArray rows = std::move(record.Items);
  record = Record{};
  record.Items = std::move(rows);
  record.Items.Reset();
}

// Puts `text` into `to`: a string made for the row moves in; any other text
// is copied into the storage `to` already has.
template <typename Text>
void PutText(std::string& to, Text&& text) {
  if constexpr (std::is_same_v<Text, std::string>) {
    to = std::move(text);
  } else {
    CopyInto(to, std::string_view(text));
  }
}

// Appends a row while the list holds fewer than 101; further rows are
// dropped. `count` is the list's signed row count (-1 is treated as 0).
// The texts go straight into the row (moved when they can be).
template <typename Name, typename Value>
bool AppendRow(RowArray& items, int32_t& count, int32_t tag, Name&& name, Value&& value,
               RowStyle style = kStyleDetail, RowStyle exif_style = kStyleDetail) {
  if (count < 0) count = 0;
  if (count >= kRowCapacity) return false;
  TIFDItem& item = items[static_cast<size_t>(count)];
  item.Tag = tag;
  item.Style = style;
  item.ExifStyle = exif_style;
  if constexpr (std::is_same_v<std::decay_t<Name>, TableName>) {
    PutText(item.Name, name.text);
    item.NameFromTable = true;
  } else {
    PutText(item.Name, std::forward<Name>(name));
    item.NameFromTable = false;
  }
  PutText(item.Value, std::forward<Value>(value));
  ++count;
  return true;
}

// The record every decoder other than the IFD walker fills.
struct TMakerResult {
  int32_t Count = 0;
  RowArray Items;
  // Absolute file position and length of an embedded JPEG preview (0: none).
  uint32_t ThumbOffset = 0;
  uint32_t ThumbLength = 0;
  // A PrintIM block relative to the TIFF header; -1 asks the loader to search.
  int64_t PrintIMOffset = 0;
  // An IFD inside a maker note, relative to the TIFF header.
  uint32_t InnerIFD = 0;
  // A linked block: IPTC data among Photoshop resources, the resource section
  // of a Photoshop document, or a second maker-note IFD and its maker code.
  uint32_t LinkOffset = 0;
  uint32_t LinkSize = 0;
  std::array<std::string, 10> Texts;
  // Absolute position of an embedded TIFF header found inside a container.
  uint32_t ExifBase = 0;

  template <typename Name, typename Value>
  bool Add(int32_t tag, Name&& name, Value&& value, RowStyle style = kStyleDetail) {
    return AppendRow(Items, Count, tag, std::forward<Name>(name), std::forward<Value>(value),
                     style);
  }

  // Clears the row count and every side field (the rows' storage stays).
  void Clear() {
    Count = 0;
    ThumbOffset = ThumbLength = 0;
    PrintIMOffset = 0;
    InnerIFD = LinkOffset = LinkSize = ExifBase = 0;
    for (auto& t : Texts) t.clear();
  }
};

// A maker result is renewed by clearing it: Clear resets every field a newly
// made one has, without building its texts again.
inline void Renew(TMakerResult& record) {
  record.Clear();
  record.Items.Reset();
}

// The bounded row appender of the container decoders.
template <typename Name, typename Value>
void AddItem(TMakerResult& result, Name&& name, Value&& value) {
  result.Add(0, std::forward<Name>(name), std::forward<Value>(value));
}

}  // namespace kelvane
