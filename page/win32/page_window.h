// The Kelvane page window inside its property-sheet page: the list of rows
// with per-style colours, the thumbnail panel with the summary, and the
// toolbar; every event goes to the page model.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "page/property_page.h"
#include "page/win32/page_ids.h"
#include "page/win32/win32_platform.h"

namespace kelvane::page {

// Design size of the page's client area, and of its fixed parts (pixels
// at 96 DPI). The value column takes what the name column leaves of the
// list's width; the name column keeps at least this share of it.
inline constexpr SIZE kPageDesignSize = {553, 396};
inline constexpr int kNameColumnWidth = 330;
inline constexpr int kMinimumValueShare = 3;  // of 8: the value column keeps 3/8 or more
inline constexpr int kRowHeight = 16;
// The smallest client area at which every control is whole (pixels at 96
// DPI): the toolbar's right-hand buttons clear 単独起動 by 4 pixels, and the
// list keeps its header and four rows above the two bottom panels.
inline constexpr SIZE kPageMinimumSize = {553 - (368 - 200), 28 + 129 + 19 + 4 * 16 + 4};

// Where a picture of `picture` pixels is drawn in `box`: centred, scaled to
// fit the box with its aspect kept (a small one grows to the box, a large
// one shrinks to it).
RECT FitPicture(SIZE picture, const RECT& box);

// The page's client size at its minimum, at `dpi`, before its font is
// known (PageWindow::MinimumSize is the page's own).
SIZE PageMinimumSize(UINT dpi);

class PageWindow {
 public:
  PageWindow(HWND dialog, const std::vector<std::wstring>& files);
  ~PageWindow();  // saves the settings
  PageWindow(const PageWindow&) = delete;
  PageWindow& operator=(const PageWindow&) = delete;

  // A message of the page's dialog; true when handled, with its result.
  bool HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
  // The same message answered as a dialog procedure answers: TRUE with
  // DWLP_MSGRESULT set, a colour message's brush itself, or FALSE when the
  // page leaves it to the dialog manager.
  INT_PTR DialogAnswer(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
  // The smallest client area at which every control is whole, at the
  // page's DPI and with its font: the toolbar's buttons apart, the
  // thumbnail panel when shown, and the list's header with four rows.
  SIZE MinimumSize() const;

 private:
  void CreateControls();
  // Fonts, row height and layout for the page's current DPI.
  void ApplyDpi();
  void Layout();
  void FitColumns();
  int S(int design) const;
  void AfterLoad();
  void FillList();
  void ShowSummary();
  void UpdateThumbnail();
  void ShowPanel2();
  void ShowPopupMenu(POINT screen);
  // The popup opened from the keyboard: below the selected row.
  POINT PopupPointAtSelection() const;
  void OnListKeyDown(WORD key);
  void OnCommand(int id);
  LRESULT OnListCustomDraw(NMLVCUSTOMDRAW& draw);
  // A row's text and background, selected or not, into `draw`.
  void ApplyRowColours(NMLVCUSTOMDRAW& draw) const;
  void OnListItemChanged(const NMLISTVIEW& change);
  void DrawButton(const DRAWITEMSTRUCT& item);
  void DrawThumbnail(const DRAWITEMSTRUCT& item);
  void DrawNameEdit(const DRAWITEMSTRUCT& item);

  HWND dialog_;
  Win32Platform platform_;
  PropertyPage model_;
  UINT dpi_ = 96;
  HFONT font_ = nullptr;
  HBRUSH name_edit_brush_ = nullptr;
  HIMAGELIST row_images_ = nullptr;
  int row_height_ = 16;
  HWND list_ = nullptr;
  HWND panel2_ = nullptr;
  HWND s1_ = nullptr;
  HWND thumbnail_ = nullptr;
  HWND panel5_ = nullptr;
  HWND panel3_ = nullptr;
  HWND memo1_ = nullptr;
  HWND panel1_ = nullptr;
  HWND show_panel_ = nullptr;
  HWND button973_ = nullptr;
  HWND button971_ = nullptr;
  HWND button972_ = nullptr;
  HWND static_text1_ = nullptr;
  HBITMAP picture_ = nullptr;
  SIZE picture_size_ = {0, 0};
  bool filling_ = false;  // selection changes while the list is rebuilt
};

}  // namespace kelvane::page
