#include "page/win32/page_window.h"

#include <windowsx.h>

#include <algorithm>

#include "engine/loader/jpeg_decode.h"
#include "engine/reader/reader.h"
#include "page/page_items.h"
#include "page/win32/page_font.h"
#include "page/win32/page_ids.h"
#include "page/win32/row_colours.h"
#include "page/win32/wide_text.h"

namespace kelvane::page {

namespace {

// Sent to a child window after its top-level window's DPI changed
// (WM_DPICHANGED_AFTERPARENT, Windows 10 version 1703 on).
constexpr UINT kDpiChangedAfterParent = 0x02E3;

std::vector<std::string> Utf8Names(const std::vector<std::wstring>& files) {
  std::vector<std::string> names;
  for (const auto& f : files) names.push_back(Utf8(f));
  return names;
}

HWND Child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y,
           int w, int h, int id, DWORD ex_style = 0) {
  return CreateWindowExW(ex_style, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ThisModule(),
                         nullptr);
}

// Panels are containers: what their controls report goes on to the page.
LRESULT CALLBACK ForwardToPage(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                               UINT_PTR, DWORD_PTR page) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return SendMessageW(reinterpret_cast<HWND>(page), message, wparam, lparam);
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

// The keys that open the popup menu from the list: the menu key (acting on
// its release) and Shift+F10. The list asks the page for the menu as the
// system's default handling would, with no position (-1, -1); the keys go
// no further, so the menu opens once.
LRESULT CALLBACK ListMenuKeys(HWND list, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                              DWORD_PTR) {
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const bool apps = (message == WM_KEYDOWN || message == WM_KEYUP) && wparam == VK_APPS;
  const bool shift_f10 =
      (message == WM_SYSKEYDOWN || message == WM_SYSKEYUP) && wparam == VK_F10 && shift;
  if (!apps && !shift_f10) return DefSubclassProc(list, message, wparam, lparam);
  if (message == WM_KEYUP || message == WM_SYSKEYDOWN)
    SendMessageW(GetParent(list), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), -1);
  return 0;
}

// A panel is a control parent: Tab walks on into its controls.
HWND Panel(HWND page, int id) {
  HWND panel = Child(page, L"STATIC", L"", WS_CLIPCHILDREN, 0, 0, 0, 0, id, WS_EX_CONTROLPARENT);
  SetWindowSubclass(panel, ForwardToPage, 1, reinterpret_cast<DWORD_PTR>(page));
  return panel;
}

// The pictures of ImageList1 and the toolbar glyph, drawn in a cell of 16x16
// pixels at 96 DPI.
void DrawGlyph(HDC dc, int image, int x, int y, UINT dpi) {
  auto box = [&](int l, int t, int r, int b, COLORREF c) {
    HBRUSH brush = CreateSolidBrush(c);
    RECT rc = {x + Scale(l, dpi), y + Scale(t, dpi), x + Scale(r, dpi), y + Scale(b, dpi)};
    FillRect(dc, &rc, brush);
    DeleteObject(brush);
  };
  switch (image) {
    case 1:  // the thumbnail panel hidden: a grey picture
    case 2:  // shown: a picture with sky and a green hill
      box(1, 2, 15, 14, image == 2 ? RGB(0, 0, 128) : RGB(128, 128, 128));
      box(2, 3, 14, 13, image == 2 ? RGB(150, 200, 255) : RGB(210, 210, 210));
      box(2, 9, 14, 13, image == 2 ? RGB(40, 160, 40) : RGB(160, 160, 160));
      box(4, 7, 8, 9, image == 2 ? RGB(40, 160, 40) : RGB(160, 160, 160));
      break;
    case 3:  // the stand-alone viewer: a small window
      box(1, 2, 15, 14, RGB(0, 0, 128));
      box(2, 5, 14, 13, RGB(255, 255, 255));
      box(3, 7, 9, 12, RGB(242, 200, 120));
      break;
    default:
      break;
  }
}

void DrawDropArrow(HDC dc, int x, int y, UINT dpi) {
  const int rows = Scale(4, dpi);
  for (int i = 0; i < rows; ++i) {
    RECT line = {x + i, y + i, x + 2 * rows - 1 - i, y + i + 1};
    FillRect(dc, &line, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
}

// A menu caption with its shortcut, right-aligned by the menu.
std::wstring MenuCaption(const MenuEntry& entry) {
  std::wstring caption = Wide(entry.caption);
  if (const char* shortcut = MenuShortcut(entry.id)) caption += L"\t" + Wide(shortcut);
  return caption;
}

}  // namespace

RECT FitPicture(SIZE picture, const RECT& box) {
  const LONG box_w = box.right - box.left, box_h = box.bottom - box.top;
  if (picture.cx <= 0 || picture.cy <= 0 || box_w <= 0 || box_h <= 0) return {0, 0, 0, 0};
  // The larger scale at which both sides fit: box_w / cx or box_h / cy.
  LONG w = box_w, h = box_h;
  if (static_cast<long long>(box_w) * picture.cy <= static_cast<long long>(box_h) * picture.cx)
    h = std::max<LONG>(1, MulDiv(picture.cy, box_w, picture.cx));
  else
    w = std::max<LONG>(1, MulDiv(picture.cx, box_h, picture.cy));
  const LONG left = box.left + (box_w - w) / 2, top = box.top + (box_h - h) / 2;
  return {left, top, left + w, top + h};
}

SIZE PageMinimumSize(UINT dpi) {
  return {Scale(kPageMinimumSize.cx, dpi), Scale(kPageMinimumSize.cy, dpi)};
}

PageWindow::PageWindow(HWND dialog, const std::vector<std::wstring>& files)
    : dialog_(dialog), platform_(dialog), model_(platform_) {
  dpi_ = DpiOf(dialog_);
  font_ = CreatePageFont(dpi_);
  name_edit_brush_ = CreateSolidBrush(kNameEditBackground);
  CreateControls();
  model_.FormCreate(Utf8Names(files));
  ShowPanel2();
  AfterLoad();
}

PageWindow::~PageWindow() {
  model_.SxShellPropSheetFormDestroy();
  if (picture_) DeleteObject(picture_);
  if (font_) DeleteObject(font_);
  if (name_edit_brush_) DeleteObject(name_edit_brush_);
  // The list destroys its image list with itself unless shared.
  if (row_images_) ImageList_Destroy(row_images_);
}

void PageWindow::CreateControls() {
  list_ = Child(dialog_, WC_LISTVIEWW, L"",
                WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS, 0, 0, 0, 0,
                kIdElTree, WS_EX_STATICEDGE);
  ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER |
                                               LVS_EX_LABELTIP);
  SetWindowSubclass(list_, ListMenuKeys, 1, 0);
  const std::wstring name = Wide(kNameColumnCaption), value = Wide(kValueColumnCaption);
  LVCOLUMNW column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.cx = S(kNameColumnWidth);
  column.pszText = const_cast<wchar_t*>(name.c_str());
  ListView_InsertColumn(list_, 0, &column);
  column.cx = 0;  // FitColumns gives it the rest of the width
  column.iSubItem = 1;
  column.pszText = const_cast<wchar_t*>(value.c_str());
  ListView_InsertColumn(list_, 1, &column);
  if (HWND header = ListView_GetHeader(list_)) {
    SetWindowLongPtrW(header, GWL_STYLE, GetWindowLongPtrW(header, GWL_STYLE) & ~HDS_BUTTONS);
  }

  panel2_ = Panel(dialog_, 0);
  s1_ = Child(panel2_, L"STATIC", L"", SS_BLACKFRAME, 0, 0, 0, 0, kIdS1);
  thumbnail_ = Child(panel2_, L"STATIC", L"", SS_OWNERDRAW, 0, 0, 0, 0, kIdThumbnailImage);
  panel5_ = Child(panel2_, L"STATIC", L"", SS_OWNERDRAW, 0, 0, 0, 0, kIdPanel5);
  panel3_ = Child(panel2_, L"STATIC", L"", WS_CLIPCHILDREN, 0, 0, 0, 0, kIdPanel3,
                  WS_EX_STATICEDGE);
  SetWindowSubclass(panel3_, ForwardToPage, 1, reinterpret_cast<DWORD_PTR>(dialog_));
  memo1_ = Child(panel3_, L"EDIT", L"", ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0, 0, 0,
                 kIdMemo1);

  // The tab order: the list, then the toolbar's buttons from left to right
  // (then the dialog's own buttons).
  panel1_ = Panel(dialog_, 0);
  auto button = [&](const char* caption, int id) {
    return Child(panel1_, L"BUTTON", Wide(caption).c_str(), WS_TABSTOP | BS_OWNERDRAW, 0, 0, 0, 0,
                 id);
  };
  show_panel_ = button(kMShowPanelCaption, kIdMShowPanel);
  button973_ = button(kToolbarButton973Caption, kIdToolbarButton973);
  button971_ = button(kToolbarButton971Caption, kIdToolbarButton971);
  button972_ = button(kToolbarButton972Caption, kIdToolbarButton972);
  // Takes the focus before the about box opens; not a tab stop.
  static_text1_ = Child(panel1_, L"STATIC", L" ", SS_NOTIFY, 0, 0, 0, 0, kIdStaticText1);
  ApplyDpi();
}

int PageWindow::S(int design) const { return Scale(design, dpi_); }

SIZE PageWindow::MinimumSize() const {
  SIZE size = PageMinimumSize(dpi_);
  // The header's own height for its font (not its place at the moment: the
  // list may not have laid it out yet).
  int header = 0;
  if (HWND h = ListView_GetHeader(list_)) {
    RECT area = {0, 0, 10000, 10000};
    WINDOWPOS place = {};
    HDLAYOUT layout = {&area, &place};
    if (Header_Layout(h, &layout)) header = place.cy;
    RECT now;
    if (GetWindowRect(h, &now)) header = std::max(header, static_cast<int>(now.bottom - now.top));
  }
  const int list = header + 4 * row_height_ + S(4);
  const int panels = S(kPanel1Height) + (model_.Panel2Visible() ? S(kPanel2Height) : 0);
  size.cy = panels + list;
  return size;
}

void PageWindow::ApplyDpi() {
  HFONT old_font = font_;
  font_ = CreatePageFont(dpi_);
  for (HWND control : {list_, memo1_, show_panel_, button973_, button971_, button972_,
                       static_text1_})
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
  if (old_font && old_font != font_) DeleteObject(old_font);
  // Rows 16 high at 96 DPI, and never lower than a line of the font: the
  // height of the (empty) small image list.
  HIMAGELIST old_images = row_images_;
  row_height_ = std::max(S(kRowHeight), LineHeightOf(font_) + S(3));
  row_images_ = ImageList_Create(1, row_height_, ILC_COLOR24, 1, 0);
  ListView_SetImageList(list_, row_images_, LVSIL_SMALL);
  if (old_images) ImageList_Destroy(old_images);
  ListView_SetColumnWidth(list_, 0, S(kNameColumnWidth));
  Layout();
  InvalidateRect(dialog_, nullptr, TRUE);
}

void PageWindow::Layout() {
  RECT client;
  GetClientRect(dialog_, &client);
  const int w = client.right, h = client.bottom;
  const bool panel2 = model_.Panel2Visible();
  const int panel1_height = S(kPanel1Height), panel2_height = S(kPanel2Height);
  const int panel1_top = h - panel1_height;
  const int panel2_top = panel1_top - (panel2 ? panel2_height : 0);
  MoveWindow(list_, 0, 0, w, std::max(0, panel2_top), TRUE);
  MoveWindow(panel2_, 0, panel2_top, w, panel2_height, TRUE);
  MoveWindow(panel1_, 0, panel1_top, w, panel1_height, TRUE);

  // The thumbnail panel: the picture at the left, the summary anchored to
  // both edges (as at the design width, 553).
  MoveWindow(s1_, S(6), S(4), S(162), S(122), TRUE);
  MoveWindow(thumbnail_, S(7), S(5), S(160), S(120), TRUE);
  MoveWindow(panel5_, S(173), S(5), std::max(0, w - S(173) - S(8)), S(19), TRUE);
  MoveWindow(panel3_, S(175), S(30), std::max(0, w - S(175) - S(7)), S(96), TRUE);
  RECT memo_box;
  GetClientRect(panel3_, &memo_box);
  MoveWindow(memo1_, S(7), S(5), std::max(0, static_cast<int>(memo_box.right) - S(7) - S(4)),
             std::max(0, static_cast<int>(memo_box.bottom) - S(5) - S(2)), TRUE);

  // The toolbar: two buttons at the left, two anchored to the right edge.
  const int top = S(2), height = S(22);
  MoveWindow(show_panel_, S(5), top, S(100), height, TRUE);
  MoveWindow(button973_, S(109), top, S(87), height, TRUE);
  MoveWindow(button971_, w - S(553 - 368), top, S(90), height, TRUE);
  MoveWindow(button972_, w - S(553 - 462), top, S(85), height, TRUE);
  MoveWindow(static_text1_, S(200), 0, S(4), S(14), TRUE);
  FitColumns();
  // Everything anew, the panels' children too: after a fast enlarge a
  // moved panel could keep an old copy of what it showed.
  RedrawWindow(dialog_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void PageWindow::FitColumns() {
  // The name column as designed, the value column the rest of the list's
  // width (its client area: without the vertical scroll bar when it shows),
  // so that no horizontal scroll bar shows.
  RECT client;
  GetClientRect(list_, &client);
  const int width = static_cast<int>(client.right);
  const int name = std::min(S(kNameColumnWidth), width - width * kMinimumValueShare / 8);
  if (ListView_GetColumnWidth(list_, 0) != name) ListView_SetColumnWidth(list_, 0, std::max(0, name));
  const int value = std::max(0, width - ListView_GetColumnWidth(list_, 0));
  if (ListView_GetColumnWidth(list_, 1) != value) ListView_SetColumnWidth(list_, 1, value);
}

void PageWindow::AfterLoad() {
  FillList();
  ShowSummary();
  UpdateThumbnail();
}

void PageWindow::FillList() {
  filling_ = true;
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  ListView_DeleteAllItems(list_);
  const auto& rows = model_.Tree().Rows();
  for (size_t i = 0; i < rows.size(); ++i) {
    const std::wstring name = DisplayText(rows[i].name);
    const std::wstring value = DisplayText(rows[i].value);
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = static_cast<int>(i);
    item.pszText = const_cast<wchar_t*>(name.c_str());
    item.lParam = rows[i].style;
    const int at = ListView_InsertItem(list_, &item);
    ListView_SetItemText(list_, at, 1, const_cast<wchar_t*>(value.c_str()));
  }
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  // The vertical scroll bar may have come or gone with the rows.
  FitColumns();
  InvalidateRect(list_, nullptr, TRUE);
  filling_ = false;
}

void PageWindow::ShowSummary() {
  InvalidateRect(panel5_, nullptr, TRUE);
  SetWindowTextW(memo1_, MemoText(model_.Memo1()).c_str());
}

void PageWindow::UpdateThumbnail() {
  if (picture_) DeleteObject(picture_);
  picture_ = nullptr;
  picture_size_ = {0, 0};
  const PageFields& fields = model_.Fields();
  std::optional<Bitmap> picture;
  if (fields.ThumbPos != 0 && fields.ThumbLen != 0) {
    if (auto file = FileReader::Open(model_.FileEdit()))
      picture = DecodeJpegThumbnail(*file, fields.ThumbPos, fields.ThumbLen);
  }
  if (!picture && fields.Thumbnail) picture = fields.Thumbnail;
  if (picture && picture->width > 0 && picture->height > 0 &&
      picture->rgb.size() >= static_cast<size_t>(picture->width) *
                                 static_cast<size_t>(picture->height) * 3) {
    const auto width = static_cast<size_t>(picture->width);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture->width;
    info.bmiHeader.biHeight = -picture->height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    picture_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (picture_ && bits) {
      const size_t stride = (width * 3 + 3) & ~size_t{3};
      auto* out = static_cast<uint8_t*>(bits);
      for (size_t y = 0; y < static_cast<size_t>(picture->height); ++y) {
        for (size_t x = 0; x < width; ++x) {
          const uint8_t* p = &picture->rgb[(y * width + x) * 3];
          uint8_t* q = out + y * stride + x * 3;
          q[0] = p[2];
          q[1] = p[1];
          q[2] = p[0];
        }
      }
      picture_size_ = {picture->width, picture->height};
    }
  }
  InvalidateRect(thumbnail_, nullptr, TRUE);
}

void PageWindow::ShowPanel2() {
  ShowWindow(panel2_, model_.Panel2Visible() ? SW_SHOW : SW_HIDE);
  Layout();
  InvalidateRect(show_panel_, nullptr, TRUE);
}

void PageWindow::ShowPopupMenu(POINT screen) {
  HMENU menu = CreatePopupMenu();
  if (!menu) return;
  for (size_t i = 0; i < kPopupMenu.size(); ++i) {
    const MenuEntry& entry = kPopupMenu[i];
    const std::wstring caption = MenuCaption(entry);
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING;
    info.wID = static_cast<UINT>(MenuCommand(i));
    info.fState = (model_.MenuEnabled(entry.id) ? MFS_ENABLED : MFS_DISABLED) |
                  (model_.MenuChecked(entry.id) ? MFS_CHECKED : MFS_UNCHECKED);
    switch (entry.kind) {
      case MenuKind::kSeparator:
        info.fMask = MIIM_FTYPE | MIIM_ID;
        info.fType = MFT_SEPARATOR;
        break;
      case MenuKind::kRadio:
        info.fType = MFT_STRING | MFT_RADIOCHECK;
        break;
      case MenuKind::kOwnerDrawn:
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE;
        info.fType = MFT_OWNERDRAW;
        info.fState = MFS_DISABLED;
        break;
      case MenuKind::kCommand:
      case MenuKind::kCheck:
        info.fType = MFT_STRING;
        break;
    }
    info.dwTypeData = const_cast<wchar_t*>(caption.c_str());
    InsertMenuItemW(menu, static_cast<UINT>(i), TRUE, &info);
  }
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0,
                 dialog_, nullptr);
  DestroyMenu(menu);
}

POINT PageWindow::PopupPointAtSelection() const {
  int item = ListView_GetNextItem(list_, -1, LVNI_FOCUSED | LVNI_SELECTED);
  if (item < 0) item = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
  POINT at = {S(8), S(8)};
  if (HWND header = ListView_GetHeader(list_)) {
    RECT r;
    if (GetWindowRect(header, &r)) at.y = static_cast<int>(r.bottom - r.top);
  }
  if (item >= 0) {
    ListView_EnsureVisible(list_, item, FALSE);
    RECT r;
    if (ListView_GetItemRect(list_, item, &r, LVIR_BOUNDS)) at = {r.left + S(8), r.bottom};
  }
  ClientToScreen(list_, &at);
  return at;
}

void PageWindow::OnListKeyDown(WORD key) {
  if (GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0) return;
  if (key == 'C') {
    model_.MCopy2Click();
  } else if (key == 'A') {
    ListView_SetItemState(list_, -1, LVIS_SELECTED, LVIS_SELECTED);
    model_.SelectAllRows();
  }
}

void PageWindow::OnCommand(int id) {
  if (id >= kMenuCommandBase && id < MenuCommand(kPopupMenu.size())) {
    const MenuId entry = kPopupMenu[static_cast<size_t>(id - kMenuCommandBase)].id;
    model_.MenuClick(entry);
    if (entry == MenuId::MShowAll || entry == MenuId::MShowMin || entry == MenuId::MShowIPTC ||
        entry == MenuId::MShowXMP || entry == MenuId::PIM)
      AfterLoad();
    return;
  }
  switch (id) {
    case kIdMShowPanel:
      model_.MShowPanelClick();
      ShowPanel2();
      break;
    case kIdToolbarButton973:
      model_.ToolbarButton973Click();
      break;
    case kIdToolbarButton971: {
      RECT r;
      GetWindowRect(button971_, &r);
      ShowPopupMenu({r.left, r.bottom});
      break;
    }
    case kIdToolbarButton972:
      SetFocus(static_text1_);
      model_.MAboutClick();
      break;
    default:
      break;
  }
}

void PageWindow::ApplyRowColours(NMLVCUSTOMDRAW& draw) const {
  const int row = static_cast<int>(draw.nmcd.dwItemSpec);
  const bool selected = (ListView_GetItemState(list_, row, LVIS_SELECTED) & LVIS_SELECTED) != 0;
  const RowColours c = ShownColours(static_cast<int>(draw.nmcd.lItemlParam), selected,
                                    GetFocus() == list_, GetSysColor(COLOR_HIGHLIGHT),
                                    GetSysColor(COLOR_HIGHLIGHTTEXT));
  draw.clrText = c.text;
  draw.clrTextBk = c.background;
  // The colours are ours, selected or not: the list would otherwise paint a
  // selection of its own over them (plain, once it has lost the focus).
  draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED);
}

LRESULT PageWindow::OnListCustomDraw(NMLVCUSTOMDRAW& draw) {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      ApplyRowColours(draw);
      // Each column asks again: the list fills in the selection anew for each.
      return CDRF_NOTIFYSUBITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    case CDDS_SUBITEM | CDDS_ITEMPREPAINT:
      ApplyRowColours(draw);
      return CDRF_DODEFAULT;
    case CDDS_ITEMPOSTPAINT: {
      // The vertical line between the two columns.
      RECT bounds;
      if (ListView_GetItemRect(list_, static_cast<int>(draw.nmcd.dwItemSpec), &bounds,
                               LVIR_BOUNDS)) {
        const int x = bounds.left + ListView_GetColumnWidth(list_, 0) - 1;
        RECT line = {x, bounds.top, x + 1, bounds.bottom};
        HBRUSH brush = CreateSolidBrush(RGB(192, 192, 192));
        FillRect(draw.nmcd.hdc, &line, brush);
        DeleteObject(brush);
      }
      return CDRF_DODEFAULT;
    }
  }
  return CDRF_DODEFAULT;
}

void PageWindow::OnListItemChanged(const NMLISTVIEW& change) {
  if (filling_ || !(change.uChanged & LVIF_STATE)) return;
  const bool was = (change.uOldState & LVIS_SELECTED) != 0;
  const bool now = (change.uNewState & LVIS_SELECTED) != 0;
  if (was == now) return;
  if (change.iItem < 0) {
    for (size_t i = 0; i < model_.Tree().size(); ++i) model_.SelectRow(i, now);
    return;
  }
  const auto index = static_cast<size_t>(change.iItem);
  model_.SelectRow(index, now);
  if (now) {
    model_.ElTreeItemSelectedChange(index);
    ShowSummary();
  }
}

void PageWindow::DrawButton(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  const bool toggle = item.CtlID == kIdMShowPanel;
  const bool down = (item.itemState & ODS_SELECTED) || (toggle && model_.MShowPanelDown());
  DrawEdge(dc, &r, down ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  int glyph = 0;
  if (toggle) glyph = model_.MShowPanelImage();
  if (item.CtlID == kIdToolbarButton973) glyph = 3;
  const int shift = down ? 1 : 0;
  RECT text = r;
  if (glyph) {
    DrawGlyph(dc, glyph, r.left + S(5) + shift, r.top + (r.bottom - r.top - S(16)) / 2 + shift,
              dpi_);
    text.left += S(21);
  }
  if (item.CtlID == kIdToolbarButton971) {
    DrawDropArrow(dc, r.right - S(13) + shift, r.top + (r.bottom - r.top - S(4)) / 2 + shift, dpi_);
    text.right -= S(12);
  }
  wchar_t caption[64] = {};
  GetWindowTextW(item.hwndItem, caption, 64);
  OffsetRect(&text, shift, shift);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor((item.itemState & ODS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  HGDIOBJ old = SelectObject(dc, font_);
  DrawTextW(dc, caption, -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = r;
    InflateRect(&focus, -S(3), -S(3));
    DrawFocusRect(dc, &focus);
  }
}

void PageWindow::DrawThumbnail(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
  if (!picture_) return;
  const RECT box = item.rcItem;
  const RECT at = FitPicture(picture_size_, box);
  if (at.right <= at.left || at.bottom <= at.top) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, picture_);
  const int w = at.right - at.left, h = at.bottom - at.top;
  if (w == picture_size_.cx && h == picture_size_.cy) {
    BitBlt(dc, at.left, at.top, w, h, source, 0, 0, SRCCOPY);
  } else {
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, at.left, at.top, w, h, source, 0, 0, picture_size_.cx, picture_size_.cy,
               SRCCOPY);
  }
  SelectObject(source, old);
  DeleteDC(source);
}

void PageWindow::DrawNameEdit(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  FillRect(dc, &item.rcItem, name_edit_brush_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  HGDIOBJ old = SelectObject(dc, font_);
  const std::wstring text = DisplayText(model_.NameEdit());
  RECT line = item.rcItem;
  line.left += S(7);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &line,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(dc, old);
}

bool PageWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  switch (message) {
    case WM_SIZE:
      Layout();
      return false;
    case kDpiChangedAfterParent:  // inside a dialog whose DPI changed
    case WM_DPICHANGED: {         // the page as a window of its own
      dpi_ = message == WM_DPICHANGED ? HIWORD(wparam) : DpiOf(dialog_);
      if (message == WM_DPICHANGED && !(GetWindowLongPtrW(dialog_, GWL_STYLE) & WS_CHILD)) {
        const auto* suggested = reinterpret_cast<const RECT*>(lparam);
        SetWindowPos(dialog_, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
      }
      ApplyDpi();
      UpdateThumbnail();
      result = 0;
      return true;
    }
    case WM_COMMAND:
      OnCommand(LOWORD(wparam));
      result = 0;
      return true;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lparam);
      if (header->hwndFrom != list_) return false;
      switch (header->code) {
        case NM_CUSTOMDRAW:
          result = OnListCustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lparam));
          return true;
        case LVN_ITEMCHANGED:
          OnListItemChanged(*reinterpret_cast<const NMLISTVIEW*>(lparam));
          return true;
        case LVN_KEYDOWN:
          OnListKeyDown(reinterpret_cast<const NMLVKEYDOWN*>(lparam)->wVKey);
          return true;
      }
      return false;
    }
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wparam) == list_) {
        POINT at = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
        // From the keyboard (the menu key, Shift+F10): at the selection.
        if (at.x == -1 && at.y == -1) at = PopupPointAtSelection();
        ShowPopupMenu(at);
        result = 0;
        return true;
      }
      return false;
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lparam);
      if (measure->CtlType != ODT_MENU) return false;
      measure->itemHeight = static_cast<UINT>(S(kN3Height));
      measure->itemWidth = 0;
      result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      if (item->CtlType == ODT_MENU) {
        FillRect(item->hDC, &item->rcItem, GetSysColorBrush(COLOR_BTNFACE));
      } else if (item->CtlID == kIdThumbnailImage) {
        DrawThumbnail(*item);
      } else if (item->CtlID == kIdPanel5) {
        DrawNameEdit(*item);
      } else if (item->CtlType == ODT_BUTTON) {
        DrawButton(*item);
      } else {
        return false;
      }
      result = TRUE;
      return true;
    }
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(lparam) == memo1_) {
        SetBkColor(reinterpret_cast<HDC>(wparam), GetSysColor(COLOR_BTNFACE));
        result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        return true;
      }
      return false;
  }
  return false;
}

INT_PTR PageWindow::DialogAnswer(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (!HandleMessage(message, wparam, lparam, result)) return FALSE;
  // The colour messages return their brush straight from the procedure.
  if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) return static_cast<INT_PTR>(result);
  SetWindowLongPtrW(dialog, DWLP_MSGRESULT, result);
  return TRUE;
}

}  // namespace kelvane::page
