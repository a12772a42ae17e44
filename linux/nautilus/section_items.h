// What the "Kelvane" section of Nautilus's Properties dialog lists: the
// page's rows as name/value items. Nautilus's items have no row styles, so
// a caption row becomes an item whose name is set in heading brackets.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/loader/info_tree.h"
#include "page/page_items.h"

namespace kelvane::nautilus {

// The section's title: the page's caption.
inline constexpr const char* kSectionTitle = kPageCaption;

// The one item shown while the file is being read.
inline constexpr const char* kLoadingName = "読み込み中";
inline constexpr const char* kLoadingValue = "ファイルを読んでいます…";

// The one item of a file that cannot be read; the reason follows.
inline constexpr const char* kErrorName = "エラー";
inline constexpr const char* kCannotOpen = "ファイルが開けません";
inline constexpr const char* kCannotRead = "ファイルを読み込めませんでした";

// A caption row's name is shown between these, so that it reads as the
// heading of the items below it.
inline constexpr const char* kHeadingOpen = "【";
inline constexpr const char* kHeadingClose = "】";

struct SectionItem {
  std::string name;
  std::string value;
  bool operator==(const SectionItem&) const = default;
};

// What one cell of the list shows: the text up to its first NUL, on one
// line (line breaks and other control characters become blanks), as
// kelvane-info's tree shows it.
std::string CellText(std::string_view text);

// The heading item's name for a caption row named `caption`.
std::string HeadingName(std::string_view caption);

// The items of a loaded tree, one per row in order.
std::vector<SectionItem> SectionItemsOf(const InfoTree& tree);

// The single item of a file that could not be read, `reason` after the
// text that says so.
SectionItem ErrorItem(std::string_view what, std::string_view reason);

}  // namespace kelvane::nautilus
