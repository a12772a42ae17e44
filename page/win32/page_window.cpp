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

HWND Panel(HWND page, int id) {
  HWND panel = Child(page, L"STATIC", L"", WS_CLIPCHILDREN, 0, 0, 0, 0, id);
  SetWindowSubclass(panel, ForwardToPage, 1, reinterpret_cast<DWORD_PTR>(page));
  return panel;
}

// The pictures of ImageList1 and the toolbar glyph, drawn in a 16x16 cell.
void DrawGlyph(HDC dc, int image, int x, int y) {
  auto box = [&](int l, int t, int r, int b, COLORREF c) {
    HBRUSH brush = CreateSolidBrush(c);
    RECT rc = {x + l, y + t, x + r, y + b};
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

void DrawDropArrow(HDC dc, int x, int y) {
  for (int i = 0; i < 4; ++i) {
    RECT line = {x + i, y + i, x + 7 - i, y + i + 1};
    FillRect(dc, &line, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
}

}  // namespace

PageWindow::PageWindow(HWND dialog, const std::vector<std::wstring>& files)
    : dialog_(dialog), platform_(dialog), model_(platform_) {
  font_ = CreatePageFont(kPageFontPixels);
  name_edit_brush_ = CreateSolidBrush(kNameEditBackground);
  CreateControls();
  model_.FormCreate(Utf8Names(files));
  ShowPanel2();
  AfterLoad();
}

PageWindow::~PageWindow() {
  model_.SxShellPropSheetFormDestroy();
  if (timer_running_) KillTimer(dialog_, kTimer1);
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
  SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER |
                                               LVS_EX_LABELTIP);
  // Rows 16 high at least: the height of the (empty) small image list.
  row_images_ = ImageList_Create(1, 16, ILC_COLOR24, 1, 0);
  ListView_SetImageList(list_, row_images_, LVSIL_SMALL);
  const std::wstring name = Wide(kNameColumnCaption), value = Wide(kValueColumnCaption);
  LVCOLUMNW column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.cx = kNameColumnWidth;
  column.pszText = const_cast<wchar_t*>(name.c_str());
  ListView_InsertColumn(list_, 0, &column);
  column.cx = kValueColumnWidth;
  column.iSubItem = 1;
  column.pszText = const_cast<wchar_t*>(value.c_str());
  ListView_InsertColumn(list_, 1, &column);
  if (HWND header = ListView_GetHeader(list_)) {
    SetWindowLongPtrW(header, GWL_STYLE, GetWindowLongPtrW(header, GWL_STYLE) & ~HDS_BUTTONS);
  }

  panel2_ = Panel(dialog_, 0);
  s1_ = Child(panel2_, L"STATIC", L"", SS_BLACKFRAME, 6, 4, 162, 122, kIdS1);
  thumbnail_ = Child(panel2_, L"STATIC", L"", SS_OWNERDRAW, 7, 5, 160, 120, kIdThumbnailImage);
  panel5_ = Child(panel2_, L"STATIC", L"", SS_OWNERDRAW, 173, 5, 372, 19, kIdPanel5);
  panel3_ = Child(panel2_, L"STATIC", L"", WS_CLIPCHILDREN, 175, 30, 371, 96, kIdPanel3,
                  WS_EX_STATICEDGE);
  SetWindowSubclass(panel3_, ForwardToPage, 1, reinterpret_cast<DWORD_PTR>(dialog_));
  memo1_ = Child(panel3_, L"EDIT", L"", ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 7, 5, 356,
                 85, kIdMemo1);
  SendMessageW(memo1_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);

  panel1_ = Panel(dialog_, 0);
  auto button = [&](const char* caption, int x, int w, int id) {
    HWND b = Child(panel1_, L"BUTTON", Wide(caption).c_str(), WS_TABSTOP | BS_OWNERDRAW, x, 2, w,
                   22, id);
    SendMessageW(b, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return b;
  };
  show_panel_ = button(kMShowPanelCaption, 5, 100, kIdMShowPanel);
  button973_ = button(kToolbarButton973Caption, 109, 87, kIdToolbarButton973);
  button971_ = button(kToolbarButton971Caption, 368, 90, kIdToolbarButton971);
  button972_ = button(kToolbarButton972Caption, 462, 85, kIdToolbarButton972);
  static_text1_ = Child(panel1_, L"STATIC", L" ", WS_TABSTOP, 200, 0, 4, 14, kIdStaticText1);
  SendMessageW(static_text1_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  Layout();
}

void PageWindow::Layout() {
  RECT client;
  GetClientRect(dialog_, &client);
  const int w = client.right, h = client.bottom;
  const bool panel2 = model_.Panel2Visible();
  const int panel1_top = h - kPanel1Height;
  const int panel2_top = panel1_top - (panel2 ? kPanel2Height : 0);
  MoveWindow(list_, 0, 0, w, std::max(0, panel2_top), TRUE);
  MoveWindow(panel2_, 0, panel2_top, w, kPanel2Height, TRUE);
  MoveWindow(panel1_, 0, panel1_top, w, kPanel1Height, TRUE);
  // Anchored to the right edge as at the design width.
  const int grow = w - kPageDesignSize.cx;
  MoveWindow(panel5_, 173, 5, std::max(0, 372 + grow), 19, TRUE);
  MoveWindow(panel3_, 175, 30, std::max(0, 371 + grow), 96, TRUE);
  MoveWindow(memo1_, 7, 5, std::max(0, 356 + grow), 85, TRUE);
  MoveWindow(button971_, 368 + grow, 2, 90, 22, TRUE);
  MoveWindow(button972_, 462 + grow, 2, 85, 22, TRUE);
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
      picture->rgb.size() >= static_cast<size_t>(picture->width) * picture->height * 3) {
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
      const int stride = (picture->width * 3 + 3) & ~3;
      auto* out = static_cast<uint8_t*>(bits);
      for (int y = 0; y < picture->height; ++y) {
        for (int x = 0; x < picture->width; ++x) {
          const uint8_t* p = &picture->rgb[(static_cast<size_t>(y) * picture->width + x) * 3];
          uint8_t* q = out + static_cast<size_t>(y) * stride + x * 3;
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
    const std::wstring caption = Wide(entry.caption);
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

void PageWindow::OnCommand(int id) {
  if (id >= kMenuCommandBase && id < MenuCommand(kPopupMenu.size())) {
    const MenuId entry = kPopupMenu[static_cast<size_t>(id - kMenuCommandBase)].id;
    model_.MenuClick(entry);
    if (entry == MenuId::MShowAll || entry == MenuId::MShowMin || entry == MenuId::MShowIPTC ||
        entry == MenuId::PIM)
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

LRESULT PageWindow::OnListCustomDraw(NMLVCUSTOMDRAW& draw) {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
      const RowColours& c = ColoursOf(static_cast<int>(draw.nmcd.lItemlParam));
      draw.clrText = c.text;
      draw.clrTextBk = c.background;
      return CDRF_NOTIFYPOSTPAINT;
    }
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
    DrawGlyph(dc, glyph, r.left + 5 + shift, r.top + 3 + shift);
    text.left += 21;
  }
  if (item.CtlID == kIdToolbarButton971) {
    DrawDropArrow(dc, r.right - 13 + shift, r.top + 10 + shift);
    text.right -= 12;
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
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
}

void PageWindow::DrawThumbnail(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
  if (!picture_) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, picture_);
  // Unscaled from the top-left corner; the rest is clipped.
  BitBlt(dc, 0, 0, std::min<LONG>(picture_size_.cx, item.rcItem.right),
         std::min<LONG>(picture_size_.cy, item.rcItem.bottom), source, 0, 0, SRCCOPY);
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
  TextOutW(dc, 7, 4 - 1, text.c_str(), static_cast<int>(text.size()));
  SelectObject(dc, old);
}

bool PageWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  switch (message) {
    case WM_SIZE:
      Layout();
      return false;
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
        case NM_SETFOCUS:
          model_.ElTreeEnter();
          if (model_.Timer1Enabled() && !timer_running_)
            timer_running_ = SetTimer(dialog_, kTimer1, kTimer1IntervalMs, nullptr) != 0;
          return true;
      }
      return false;
    }
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wparam) == list_) {
        POINT at = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
        if (at.x == -1 && at.y == -1) {  // from the keyboard
          at = {8, 8};
          ClientToScreen(list_, &at);
        }
        ShowPopupMenu(at);
        result = 0;
        return true;
      }
      return false;
    case WM_TIMER:
      if (wparam == kTimer1) {
        InvalidateRect(list_, nullptr, FALSE);
        return true;
      }
      return false;
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lparam);
      if (measure->CtlType != ODT_MENU) return false;
      measure->itemHeight = kN3Height;
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

}  // namespace kelvane::page
