#include "engine/loader/info_tree.h"

#include "engine/loader/run_records.h"
#include "engine/text/encoding.h"

namespace kelvane {

InfoTree::InfoTree() = default;
InfoTree::~InfoTree() = default;
InfoTree::InfoTree(const InfoTree& other)
    : rows_(other.rows_), update_depth_(other.update_depth_) {}
InfoTree& InfoTree::operator=(const InfoTree& other) {
  rows_ = other.rows_;
  update_depth_ = other.update_depth_;
  return *this;
}
InfoTree::InfoTree(InfoTree&&) noexcept = default;
InfoTree& InfoTree::operator=(InfoTree&&) noexcept = default;

RunRecords& InfoTree::Records() {
  if (!records_) records_ = std::make_unique<RunRecords>();
  return *records_;
}

TreeRow& InfoTree::NewRow(int style) {
  // A photo gives some dozens to a few hundred rows: grow in few steps.
  if (rows_.capacity() == 0) rows_.reserve(128);
  const size_t next = rows_.size();
  if (next < spare_.size()) {
    // The texts are emptied but keep their storage.
    TreeRow& row = rows_.emplace_back(std::move(spare_[next]));
    row.name.clear();
    row.value.clear();
    row.selected = false;
    row.style = style;
    return row;
  }
  TreeRow& row = rows_.emplace_back();
  row.style = style;
  return row;
}

void InfoTree::Normalise(TreeRow& row) {
  text::MakeRowText(row.name);
  text::MakeRowText(row.value);
}

}  // namespace kelvane
