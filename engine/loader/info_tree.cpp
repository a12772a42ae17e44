#include "engine/loader/info_tree.h"

#include "engine/text/encoding.h"

namespace kelvane {

void InfoTree::AddRow(int style, std::string name, std::string value) {
  rows_.push_back(TreeRow{style, text::RowText(std::move(name)), text::RowText(std::move(value)), false});
}

}  // namespace kelvane
