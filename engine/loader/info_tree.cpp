#include "engine/loader/info_tree.h"

#include "engine/text/encoding.h"

namespace kelvane {

void InfoTree::AddRow(int style, std::string name, std::string value) {
  // A photo gives some dozens to a few hundred rows: grow in few steps.
  if (rows_.capacity() == 0) rows_.reserve(128);
  TreeRow& row = rows_.emplace_back();
  row.style = style;
  row.name = std::move(name);
  row.value = std::move(value);
  text::MakeRowText(row.name);
  text::MakeRowText(row.value);
}

}  // namespace kelvane
