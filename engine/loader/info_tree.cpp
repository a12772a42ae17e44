#include "engine/loader/info_tree.h"

#include "engine/text/encoding.h"
#include "engine/text/text_list.h"

namespace kelvane {

InfoTree::InfoTree() = default;
InfoTree::~InfoTree() = default;
InfoTree::InfoTree(const InfoTree& other)
    : rows_(other.Rows().begin(), other.Rows().end()),
      count_(other.count_),
      update_depth_(other.update_depth_) {}
InfoTree& InfoTree::operator=(const InfoTree& other) {
  if (this != &other) {
    rows_.assign(other.Rows().begin(), other.Rows().end());
    count_ = other.count_;
    update_depth_ = other.update_depth_;
  }
  return *this;
}
InfoTree::InfoTree(InfoTree&&) noexcept = default;
InfoTree& InfoTree::operator=(InfoTree&&) noexcept = default;

void InfoTree::AddRow(int style, std::string_view name, std::string_view value) {
  TreeRow& row = NewRow(style, name, value);
  text::MakeRowText(row.name);
  text::MakeRowText(row.value);
}

void InfoTree::AddRowUtf8Name(int style, std::string_view name, std::string_view value) {
  text::MakeRowText(NewRow(style, name, value).value);
}

TreeRow& InfoTree::NewRow(int style, std::string_view name, std::string_view value) {
  // A photo gives some dozens to a few hundred rows: grow in few steps.
  if (rows_.capacity() == 0) rows_.reserve(128);
  if (count_ == rows_.size()) rows_.emplace_back();
  // A row an earlier run left is refilled; its texts keep their storage.
  TreeRow& row = rows_[count_++];
  row.style = style;
  CopyInto(row.name, name);
  CopyInto(row.value, value);
  row.selected = false;
  return row;
}

}  // namespace kelvane
