// The result model of a run: a flat, ordered list of rows, each with a style,
// an item name and a value. AddRow is the only way rows enter it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kelvane {

enum RowStyle : int {
  kStyleBasic = 0,
  kStyleKey = 1,
  kStyleDetail = 2,
  kStyleCaption = 3,
  kStylePlain = 4,
};

struct TreeRow {
  int style = kStyleBasic;
  std::string name;   // UTF-8
  std::string value;  // UTF-8, may hold NULs kept from the file
  bool selected = false;
};

class InfoTree {
 public:
  // Appends a row; name and value are normalised to UTF-8 (CP932 bytes
  // are decoded). The texts are moved into the row when they can be.
  template <typename Name, typename Value>
  void AddRow(int style, Name&& name, Value&& value) {
    TreeRow& row = NewRow(style);
    row.name = std::forward<Name>(name);
    row.value = std::forward<Value>(value);
    Normalise(row);
  }
  void Clear() { rows_.clear(); }
  void BeginUpdate() { ++update_depth_; }
  void EndUpdate() {
    if (update_depth_ > 0) --update_depth_;
  }
  bool Updating() const { return update_depth_ > 0; }

  size_t size() const { return rows_.size(); }
  const std::vector<TreeRow>& Rows() const { return rows_; }
  const TreeRow& operator[](size_t i) const { return rows_[i]; }
  void Select(size_t i, bool selected) {
    if (i < rows_.size()) rows_[i].selected = selected;
  }

 private:
  TreeRow& NewRow(int style);
  static void Normalise(TreeRow& row);

  std::vector<TreeRow> rows_;
  int update_depth_ = 0;
};

// Ends a tree update when it goes out of scope, on every path.
class TreeUpdate {
 public:
  explicit TreeUpdate(InfoTree& tree) : tree_(tree) { tree_.BeginUpdate(); }
  ~TreeUpdate() { tree_.EndUpdate(); }
  TreeUpdate(const TreeUpdate&) = delete;
  TreeUpdate& operator=(const TreeUpdate&) = delete;

 private:
  InfoTree& tree_;
};

}  // namespace kelvane
