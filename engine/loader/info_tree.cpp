#include "engine/loader/info_tree.h"

#include "engine/text/encoding.h"

namespace kelvane {

void InfoTree::AddRow(int style, std::string name, std::string value) {
  // A photo gives some dozens to a few hundred rows: grow in few steps.
  if (rows_.capacity() == 0) rows_.reserve(128);
  rows_.push_back(TreeRow{style, text::RowText(std::move(name)), text::RowText(std::move(value)), false});
}

}  // namespace kelvane
