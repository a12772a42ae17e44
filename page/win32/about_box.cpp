#include "page/win32/about_box.h"

#include <algorithm>

#include "page/win32/page_font.h"
#include "page/win32/wide_text.h"

namespace kelvane::page {

namespace {

struct AboutState {
  HWND page = nullptr;  // the box's owner is the page's top-level window
  std::wstring version;
  std::vector<std::wstring> lines;
  UINT dpi = 96;
  HFONT font = nullptr;
  HFONT title_font = nullptr;
  AboutLayout layout = {};
};

// An empty popup dialog with a caption; its size and contents are set on
// creation.
std::vector<WORD> AboutTemplate() {
  std::vector<WORD> t;
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
  t.push_back(LOWORD(style));
  t.push_back(HIWORD(style));
  t.insert(t.end(), {0, 0, 0, 0, 0, 100, 100, 0, 0, 0, 9});
  for (const wchar_t* f = L"MS Shell Dlg"; *f; ++f) t.push_back(static_cast<WORD>(*f));
  t.push_back(0);
  return t;
}

void FillGradient(HDC dc, const RECT& r, COLORREF from, COLORREF to, bool vertical) {
  const int span = vertical ? r.bottom - r.top : r.right - r.left;
  for (int i = 0; i < span; ++i) {
    auto mix = [&](int a, int b) { return a + (b - a) * i / (span > 1 ? span - 1 : 1); };
    HBRUSH brush = CreateSolidBrush(RGB(mix(GetRValue(from), GetRValue(to)),
                                        mix(GetGValue(from), GetGValue(to)),
                                        mix(GetBValue(from), GetBValue(to))));
    RECT line = vertical ? RECT{r.left, r.top + i, r.right, r.top + i + 1}
                         : RECT{r.left + i, r.top, r.left + i + 1, r.bottom};
    FillRect(dc, &line, brush);
    DeleteObject(brush);
  }
}

void Paint(HWND box, const AboutState& s) {
  const AboutLayout& l = s.layout;
  auto S = [&](int design) { return Scale(design, s.dpi); };
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(box, &ps);
  RECT client;
  GetClientRect(box, &client);
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  FrameRect(dc, &client, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));

  // The top picture: the program's name on a deep blue band.
  FillGradient(dc, l.top_picture, RGB(0, 0, 160), RGB(90, 140, 230), false);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  HGDIOBJ old = SelectObject(dc, s.title_font);
  RECT title = {l.top_picture.left + S(16), l.top_picture.top + S(18), l.top_picture.right,
                l.top_picture.top + S(70)};
  DrawTextW(dc, L"Kelvane", -1, &title, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, s.font);
  RECT version = l.version_box;
  DrawTextW(dc, s.version.c_str(), -1, &version, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);

  // The left picture: a pale band with a small camera.
  FillGradient(dc, l.left_picture, RGB(242, 254, 226), RGB(255, 255, 185), true);
  HBRUSH body = CreateSolidBrush(RGB(0, 0, 160));
  const int cx = (l.left_picture.left + l.left_picture.right) / 2;
  const int cy = l.left_picture.top + S(30);
  RECT camera = {cx - S(16), cy - S(9), cx + S(16), cy + S(13)};
  FillRect(dc, &camera, body);
  RECT finder = {cx - S(6), cy - S(14), cx + S(6), cy - S(9)};
  FillRect(dc, &finder, body);
  DeleteObject(body);
  SelectObject(dc, GetStockObject(WHITE_BRUSH));
  Ellipse(dc, cx - S(7), cy - S(5), cx + S(7), cy + S(9));

  // The label's lines, one line of the font apart.
  SetTextColor(dc, RGB(0, 0, 0));
  for (size_t i = 0; i < s.lines.size(); ++i) {
    const int top = l.label.y + static_cast<int>(i) * l.line_step;
    RECT line = {l.label.x, top, client.right - S(2), top + l.line_step};
    DrawTextW(dc, s.lines[i].c_str(), -1, &line,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  }
  SelectObject(dc, old);
  EndPaint(box, &ps);
}

INT_PTR CALLBACK AboutProc(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* s = reinterpret_cast<AboutState*>(GetWindowLongPtrW(box, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      s = reinterpret_cast<AboutState*>(lparam);
      SetWindowLongPtrW(box, DWLP_USER, lparam);
      const AboutLayout& l = s->layout;
      RECT frame = {0, 0, l.client.cx, l.client.cy};
      AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(box, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(GetWindowLongPtrW(box, GWL_EXSTYLE)));
      SetWindowPos(box, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOZORDER | SWP_NOMOVE);
      // The frame as the system drew it may differ from its estimate: the
      // client area is made exact, then the whole box centred.
      RECT client, window;
      GetClientRect(box, &client);
      GetWindowRect(box, &window);
      const SIZE size = {window.right - window.left + l.client.cx - client.right,
                         window.bottom - window.top + l.client.cy - client.bottom};
      const RECT place = CentredOver(s->page, size);
      SetWindowPos(box, nullptr, place.left, place.top, size.cx, size.cy, SWP_NOZORDER);
      SetWindowTextW(box, kAboutCaption);
      HWND ok = CreateWindowExW(0, L"BUTTON", L"&OK",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON | BS_FLAT,
                                l.ok_button.left, l.ok_button.top,
                                l.ok_button.right - l.ok_button.left,
                                l.ok_button.bottom - l.ok_button.top, box,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)), nullptr,
                                nullptr);
      SendMessageW(ok, WM_SETFONT, reinterpret_cast<WPARAM>(s->font), FALSE);
      SetFocus(ok);
      return FALSE;
    }
    case WM_PAINT:
      if (s) Paint(box, *s);
      return TRUE;
    case WM_ERASEBKGND:
      SetWindowLongPtrW(box, DWLP_MSGRESULT, 1);
      return TRUE;
    case WM_LBUTTONDOWN:
      // Dragged from anywhere, as if by a caption.
      ReleaseCapture();
      SendMessageW(box, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
        EndDialog(box, LOWORD(wparam));
        return TRUE;
      }
      break;
  }
  (void)lparam;
  return FALSE;
}

}  // namespace

AboutLayout LayoutAbout(UINT dpi, int line_height, size_t lines) {
  auto S = [&](int design) { return Scale(design, dpi); };
  AboutLayout l = {};
  l.line_step = std::max(line_height, 1);
  l.top_picture = {S(1), S(1), S(1 + 351), S(1 + 115)};
  // The version text sits on the top picture's lower edge.
  l.version_box = {S(202), S(97), S(202 + 137), S(97) + l.line_step};
  l.label = {S(69), S(124)};
  const int label_bottom = l.label.y + static_cast<int>(lines) * l.line_step;
  const int ok_top = std::max(S(200), label_bottom + S(4));
  l.ok_button = {S(240), ok_top, S(240 + 103), ok_top + S(22)};
  l.client = {S(353), l.ok_button.bottom + S(11)};
  l.left_picture = {S(1), S(117), S(1 + 58), l.client.cy - S(3)};
  return l;
}

RECT CentredOver(HWND owner, SIZE size) {
  RECT over = {0, 0, 0, 0};
  if (!owner || !GetWindowRect(owner, &over)) SystemParametersInfoW(SPI_GETWORKAREA, 0, &over, 0);
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  RECT work = over;
  if (GetMonitorInfoW(MonitorFromRect(&over, MONITOR_DEFAULTTONEAREST), &monitor))
    work = monitor.rcWork;
  LONG left = over.left + (over.right - over.left - size.cx) / 2;
  LONG top = over.top + (over.bottom - over.top - size.cy) / 2;
  left = std::max(work.left, std::min(left, work.right - size.cx));
  top = std::max(work.top, std::min(top, work.bottom - size.cy));
  return {left, top, left + size.cx, top + size.cy};
}

void ShowAbout(HWND owner, const std::string& version, const std::vector<std::string>& lines) {
  AboutState s;
  s.page = owner;
  s.version = Wide(version);
  for (const std::string& line : lines) s.lines.push_back(Wide(line));
  s.dpi = DpiOf(owner);
  s.font = CreatePageFont(s.dpi);
  s.title_font = CreatePageFont(s.dpi, 36, FW_BOLD);
  s.layout = LayoutAbout(s.dpi, LineHeightOf(s.font), s.lines.size());
  const std::vector<WORD> t = AboutTemplate();
  DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(t.data()),
                          owner, AboutProc, reinterpret_cast<LPARAM>(&s));
  DeleteObject(s.font);
  DeleteObject(s.title_font);
}

}  // namespace kelvane::page
