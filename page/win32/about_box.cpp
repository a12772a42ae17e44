#include "page/win32/about_box.h"

#include "page/win32/page_font.h"
#include "page/win32/wide_text.h"

namespace kelvane::page {

namespace {

struct AboutState {
  std::wstring version;
  std::vector<std::wstring> lines;
  HFONT font = nullptr;
  HFONT title_font = nullptr;
};

// An empty popup dialog; its size and contents are set on creation.
std::vector<WORD> AboutTemplate() {
  std::vector<WORD> t;
  const DWORD style = WS_POPUP | WS_BORDER | DS_MODALFRAME | DS_SETFONT;
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
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(box, &ps);
  RECT client;
  GetClientRect(box, &client);
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  FrameRect(dc, &client, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));

  // The top picture: the program's name on a deep blue band.
  FillGradient(dc, kAboutTopPicture, RGB(0, 0, 160), RGB(90, 140, 230), false);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  HGDIOBJ old = SelectObject(dc, s.title_font);
  RECT title = {kAboutTopPicture.left + 16, kAboutTopPicture.top + 18, kAboutTopPicture.right,
                kAboutTopPicture.top + 70};
  DrawTextW(dc, L"Kelvane", -1, &title, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, s.font);
  RECT version = kAboutVersionBox;
  DrawTextW(dc, s.version.c_str(), -1, &version, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);

  // The left picture: a pale band with a small camera.
  FillGradient(dc, kAboutLeftPicture, RGB(242, 254, 226), RGB(255, 255, 185), true);
  HBRUSH body = CreateSolidBrush(RGB(0, 0, 160));
  const int cx = (kAboutLeftPicture.left + kAboutLeftPicture.right) / 2;
  const int cy = kAboutLeftPicture.top + 30;
  RECT camera = {cx - 16, cy - 9, cx + 16, cy + 13};
  FillRect(dc, &camera, body);
  RECT finder = {cx - 6, cy - 14, cx + 6, cy - 9};
  FillRect(dc, &finder, body);
  DeleteObject(body);
  SelectObject(dc, GetStockObject(WHITE_BRUSH));
  Ellipse(dc, cx - 7, cy - 5, cx + 7, cy + 9);

  // The label's lines, one every 12 pixels as with the page font on
  // Windows, whatever line spacing the font at hand has.
  SetTextColor(dc, RGB(0, 0, 0));
  for (size_t i = 0; i < s.lines.size(); ++i) {
    const int top = kAboutLabel.y + static_cast<int>(i) * kAboutLineStep;
    RECT line = {kAboutLabel.x, top, client.right - 2, top + kAboutLineStep + 4};
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
      RECT frame = {0, 0, kAboutClient.cx, kAboutClient.cy};
      AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(box, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(GetWindowLongPtrW(box, GWL_EXSTYLE)));
      const int w = frame.right - frame.left, h = frame.bottom - frame.top;
      RECT work;
      SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
      SetWindowPos(box, nullptr, work.left + (work.right - work.left - w) / 2,
                   work.top + (work.bottom - work.top - h) / 2, w, h, SWP_NOZORDER);
      SetWindowTextW(box, L"Kelvane");
      HWND ok = CreateWindowExW(0, L"BUTTON", L"&OK",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON | BS_FLAT,
                                kAboutOkButton.left, kAboutOkButton.top,
                                kAboutOkButton.right - kAboutOkButton.left,
                                kAboutOkButton.bottom - kAboutOkButton.top, box,
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

void ShowAbout(HWND owner, const std::string& version, const std::vector<std::string>& lines) {
  AboutState s;
  s.version = Wide(version);
  for (const std::string& line : lines) s.lines.push_back(Wide(line));
  s.font = CreatePageFont(12);
  s.title_font = CreatePageFont(36, FW_BOLD);
  const std::vector<WORD> t = AboutTemplate();
  DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(t.data()),
                          owner, AboutProc, reinterpret_cast<LPARAM>(&s));
  DeleteObject(s.font);
  DeleteObject(s.title_font);
}

}  // namespace kelvane::page
