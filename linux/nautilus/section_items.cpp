#include "linux/nautilus/section_items.h"

#include "engine/reader/records.h"

namespace kelvane::nautilus {

std::string CellText(std::string_view text) {
  std::string out(text.substr(0, text.find('\0')));
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  return out;
}

std::string HeadingName(std::string_view caption) {
  return kHeadingOpen + CellText(caption) + kHeadingClose;
}

std::vector<SectionItem> SectionItemsOf(const InfoTree& tree) {
  std::vector<SectionItem> items;
  items.reserve(tree.size());
  for (const TreeRow& row : tree.Rows()) {
    if (row.style == kStyleCaption)
      items.push_back({HeadingName(row.name), CellText(row.value)});
    else
      items.push_back({CellText(row.name), CellText(row.value)});
  }
  return items;
}

SectionItem ErrorItem(std::string_view what, std::string_view reason) {
  std::string value(what);
  if (!reason.empty()) value += "（" + std::string(reason) + "）";
  return {kErrorName, value};
}

}  // namespace kelvane::nautilus
