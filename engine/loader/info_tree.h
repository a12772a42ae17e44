// The result model of a run: a flat, ordered list of rows, each with a style,
// an item name and a value. AddRow is the only way rows enter it.
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/reader/records.h"

namespace kelvane {

struct TreeRow {
  int style = kStyleBasic;
  std::string name;   // UTF-8
  std::string value;  // UTF-8, may hold NULs kept from the file
  bool selected = false;
};

class InfoTree {
 public:
  InfoTree();
  ~InfoTree();
  InfoTree(const InfoTree& other);
  InfoTree& operator=(const InfoTree& other);
  InfoTree(InfoTree&&) noexcept;
  InfoTree& operator=(InfoTree&&) noexcept;

  // Appends a row; name and value are normalised to UTF-8 (CP932 bytes
  // are decoded). The texts are copied into the storage a cleared row left
  // when there is one.
  void AddRow(int style, std::string_view name, std::string_view value);
  // The same, for a name known to be well-formed UTF-8 (a table's): only
  // the value is normalised.
  void AddRowUtf8Name(int style, std::string_view name, std::string_view value);
  // Removes every row; their storage is kept for the rows of the next run.
  void Clear() { count_ = 0; }
  void BeginUpdate() { ++update_depth_; }
  void EndUpdate() {
    if (update_depth_ > 0) --update_depth_;
  }
  bool Updating() const { return update_depth_ > 0; }

  size_t size() const { return count_; }
  std::span<const TreeRow> Rows() const { return {rows_.data(), count_}; }
  const TreeRow& operator[](size_t i) const { return rows_[i]; }
  void Select(size_t i, bool selected) {
    if (i < count_) rows_[i].selected = selected;
  }

 private:
  TreeRow& NewRow(int style, std::string_view name, std::string_view value);

  // The first count_ rows are the tree's; the rest are rows Clear removed,
  // kept for the storage of their texts.
  std::vector<TreeRow> rows_;
  size_t count_ = 0;
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
