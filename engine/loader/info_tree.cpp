#include "engine/loader/info_tree.h"

#include "engine/text/encoding.h"

namespace kelvane {

void InfoTree::AddRow(int style, std::string_view name, std::string_view value) {
  rows_.push_back(TreeRow{style, text::RowText(name), text::RowText(value), false});
}

}  // namespace kelvane
