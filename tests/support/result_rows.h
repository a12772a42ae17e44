// A decoder's rows as (name, value) pairs, for comparing with a table.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/reader/records.h"

namespace kelvane::testing {

using Rows = std::vector<std::pair<std::string, std::string>>;

inline Rows RowsOf(const TMakerResult& r) {
  Rows rows;
  for (int i = 0; i < r.Count && i < kRowCapacity; ++i)
    rows.emplace_back(r.Items[static_cast<size_t>(i)].Name, r.Items[static_cast<size_t>(i)].Value);
  return rows;
}

}  // namespace kelvane::testing
