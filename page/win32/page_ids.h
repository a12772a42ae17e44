// Control identifiers of the page window and the command identifiers of
// its popup menu (the Windows tests drive the page through them).
#pragma once

#include <cstddef>

namespace kelvane::page {

enum ControlId : int {
  kIdElTree = 101,
  kIdThumbnailImage = 102,
  kIdS1 = 103,
  kIdPanel5 = 104,  // shows NameEdit
  kIdMemo1 = 105,
  kIdPanel3 = 106,
  kIdMShowPanel = 107,
  kIdToolbarButton973 = 108,
  kIdToolbarButton971 = 109,
  kIdToolbarButton972 = 110,
  kIdStaticText1 = 111,
};

// PopupMenu1's entry at `index` (its place in the menu) has this command.
inline constexpr int kMenuCommandBase = 1000;
constexpr int MenuCommand(size_t index) { return kMenuCommandBase + static_cast<int>(index); }

// Heights of the toolbar (Panel1) and of the thumbnail panel (Panel2), at
// 96 DPI.
inline constexpr int kPanel1Height = 28;
inline constexpr int kPanel2Height = 129;

}  // namespace kelvane::page
