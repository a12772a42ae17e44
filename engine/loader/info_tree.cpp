#include "engine/loader/info_tree.h"

#include "engine/text/encoding.h"

namespace kelvane {

TreeRow& InfoTree::NewRow(int style) {
  // A photo gives some dozens to a few hundred rows: grow in few steps.
  if (rows_.capacity() == 0) rows_.reserve(128);
  TreeRow& row = rows_.emplace_back();
  row.style = style;
  return row;
}

void InfoTree::Normalise(TreeRow& row) {
  text::MakeRowText(row.name);
  text::MakeRowText(row.value);
}

}  // namespace kelvane
