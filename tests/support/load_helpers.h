// Runs the loader over bytes built in a test and gives the rows back in a
// form that compares and prints well.
#pragma once

#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "engine/loader/loader.h"

namespace kelvane::testing {

struct Row {
  int style;
  std::string name;
  std::string value;
  bool operator==(const Row&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Row& r) {
  return os << "{" << r.style << ", \"" << r.name << "\", \"" << r.value << "\"}";
}

// The tree's rows, in a form that compares and prints well.
inline std::vector<Row> RowsOf(const InfoTree& tree) {
  std::vector<Row> rows;
  for (const TreeRow& r : tree.Rows()) rows.push_back({r.style, r.name, r.value});
  return rows;
}

struct Loaded {
  std::vector<Row> rows;
  PageFields page;
};

inline Loaded LoadBytes(const std::string& bytes, const std::string& name,
                        const LoadSwitches& switches = {}) {
  MemoryReader f(bytes);
  InfoTree tree;
  Loaded out;
  LoadFrom(f, name, switches, tree, out.page);
  out.rows = RowsOf(tree);
  return out;
}

}  // namespace kelvane::testing
