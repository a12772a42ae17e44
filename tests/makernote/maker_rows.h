// Looking up rows of a decoder's result in tests.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/reader/records.h"

namespace kelvane::testing_rows {

// The first row with this key, or nullptr.
inline const TIFDItem* FindRow(const TMakerResult& r, int32_t key) {
  for (int32_t i = 0; i < r.Count; ++i)
    if (r.Items[static_cast<size_t>(i)].Tag == key) return &r.Items[static_cast<size_t>(i)];
  return nullptr;
}

// The first row with this name, or nullptr.
inline const TIFDItem* FindRowNamed(const TMakerResult& r, std::string_view name) {
  for (int32_t i = 0; i < r.Count; ++i)
    if (r.Items[static_cast<size_t>(i)].Name == name) return &r.Items[static_cast<size_t>(i)];
  return nullptr;
}

// The value of the row with this key, or "(no row)".
inline std::string RowValue(const TMakerResult& r, int32_t key) {
  const TIFDItem* row = FindRow(r, key);
  return row ? row->Value : "(no row)";
}

// All rows as "name = value" lines, for test messages.
inline std::string RowsText(const TMakerResult& r) {
  std::string out;
  for (int32_t i = 0; i < r.Count; ++i) {
    const TIFDItem& row = r.Items[static_cast<size_t>(i)];
    out += row.Name + " = " + row.Value + "\n";
  }
  return out;
}

}  // namespace kelvane::testing_rows
