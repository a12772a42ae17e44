#include "viewer/viewer_frame.h"

#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <new>
#include <vector>

#include "cli/file_list.h"
#include "page/win32/page_font.h"
#include "page/win32/wide_text.h"
#include "viewer/folder_navigation.h"
#include "viewer/viewer_ids.h"

namespace kelvane::viewer {

namespace {

// Sent to a child window after its top-level window's DPI changed.
constexpr UINT kDpiChangedAfterParent = 0x02E3;

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

// The page's dialog: an empty child dialog, a control parent so that Tab
// walks from the frame into the page's controls. Its size is the frame's
// business; PageWindow lays its controls out in whatever it gets.
const DLGTEMPLATE* PageTemplate() {
  static const std::vector<WORD> words = [] {
    std::vector<WORD> w;
    auto dword = [&](DWORD d) {
      w.push_back(LOWORD(d));
      w.push_back(HIWORD(d));
    };
    dword(DS_SHELLFONT | DS_CONTROL | WS_CHILD | WS_CLIPCHILDREN);
    dword(WS_EX_CONTROLPARENT);
    // No controls, at (0, 0), 369 x 244 units; no menu, class or caption;
    // an 8-point font.
    for (int v : {0, 0, 0, 369, 244, 0, 0, 0, 8}) w.push_back(static_cast<WORD>(v));
    for (const wchar_t* s = L"MS Shell Dlg"; *s; ++s) w.push_back(static_cast<WORD>(*s));
    w.push_back(0);
    return w;
  }();
  return reinterpret_cast<const DLGTEMPLATE*>(words.data());
}

HACCEL Accelerators() {
  static HACCEL table = [] {
    ACCEL keys[] = {
        {FVIRTKEY | FCONTROL, 'O', kIdOpen},
        {FVIRTKEY, VK_PRIOR, kIdPrevious},
        {FVIRTKEY, VK_NEXT, kIdNext},
    };
    return CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys)));
  }();
  return table;
}

HMENU FrameMenu() {
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, kIdOpen, kOpenCaption);
  AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(file, MF_STRING, kIdPrevious, kPreviousCaption);
  AppendMenuW(file, MF_STRING, kIdNext, kNextCaption);
  AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(file, MF_STRING, kIdExit, kExitCaption);
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), kFileMenuCaption);
  return bar;
}

// "Kelvane が読めるファイル" with every extension the loader reads, then
// every file; pairs of NUL-terminated texts.
std::wstring OpenFilter() {
  std::wstring patterns;
  for (std::string_view ext : cli::kReadableExtensions) {
    if (!patterns.empty()) patterns += L';';
    patterns += L'*' + page::Wide(ext);
  }
  std::wstring filter = kReadableFilesFilter;
  filter += L'\0' + patterns + L'\0';
  filter += kAllFilesFilter;
  filter += std::wstring(L"\0*.*\0", 5);
  return filter;
}

std::wstring NameOf(const std::wstring& path) {
  return path.substr(path.find_last_of(L"\\/") + 1);
}

std::wstring FolderOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

bool quit_on_close = false;

}  // namespace

ViewerFrame* ViewerFrame::Create(const std::wstring& file, int show) {
  static const ATOM registered = [] {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = Instance();
    wc.hIcon = LoadIconW(Instance(), MAKEINTRESOURCEW(1));
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = kFrameClass;
    return RegisterClassExW(&wc);
  }();
  if (!registered) return nullptr;
  const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  HWND window = CreateWindowExW(WS_EX_ACCEPTFILES, kFrameClass, kProductName, style,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                                FrameMenu(), Instance(), nullptr);
  if (!window) return nullptr;
  auto* frame = reinterpret_cast<ViewerFrame*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  // The page at its design size below the bar.
  RECT r = {0, 0, frame->S(page::kPageDesignSize.cx),
            frame->S(page::kPageDesignSize.cy) + frame->S(kBarHeight)};
  AdjustWindowRectEx(&r, style, TRUE, WS_EX_ACCEPTFILES);
  SetWindowPos(window, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (!file.empty()) frame->Open(file);
  ShowWindow(window, show);
  UpdateWindow(window);
  return frame;
}

void ViewerFrame::QuitWhenClosed() { quit_on_close = true; }

ViewerFrame::ViewerFrame(HWND window) : window_(window) {}

ViewerFrame::~ViewerFrame() {
  if (font_) DeleteObject(font_);
}

int ViewerFrame::S(int design) const { return page::Scale(design, dpi_); }

void ViewerFrame::CreateBar() {
  auto button = [&](const wchar_t* caption, int id) {
    return CreateWindowExW(0, L"BUTTON", caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                           0, 0, 0, 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           Instance(), nullptr);
  };
  previous_ = button(kPreviousButton, kIdPrevious);
  next_ = button(kNextButton, kIdNext);
}

void ViewerFrame::ApplyDpi() {
  HFONT old = font_;
  font_ = page::CreatePageFont(dpi_);
  for (HWND b : {previous_, next_})
    SendMessageW(b, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
  if (old) DeleteObject(old);
  Layout();
}

void ViewerFrame::Layout() {
  RECT client;
  GetClientRect(window_, &client);
  const int bar = S(kBarHeight);
  MoveWindow(previous_, S(5), S(3), S(32), S(22), TRUE);
  MoveWindow(next_, S(40), S(3), S(32), S(22), TRUE);
  if (page_)
    MoveWindow(page_, 0, bar, client.right, std::max(0, static_cast<int>(client.bottom) - bar),
               TRUE);
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void ViewerFrame::UpdateTitleAndButtons() {
  const std::wstring title =
      file_.empty() ? kProductName : NameOf(file_) + kTitleSeparator + kProductName;
  SetWindowTextW(window_, title.c_str());
  const std::string path = page::Utf8(file_);
  const bool previous = !file_.empty() && NeighbourFile(path, -1).has_value();
  const bool next = !file_.empty() && NeighbourFile(path, 1).has_value();
  EnableWindow(previous_, previous);
  EnableWindow(next_, next);
  HMENU menu = GetMenu(window_);
  auto state = [](bool enabled) { return static_cast<UINT>(MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED)); };
  EnableMenuItem(menu, kIdPrevious, state(previous));
  EnableMenuItem(menu, kIdNext, state(next));
}

void ViewerFrame::Open(const std::wstring& file) {
  // The page closes first (it saves its settings), the next one reads them.
  if (page_) DestroyWindow(page_);
  page_ = nullptr;
  file_ = file;
  HWND dialog =
      CreateDialogIndirectParamW(Instance(), PageTemplate(), window_, PageProc,
                                 reinterpret_cast<LPARAM>(this));
  if (dialog) {
    page_ = dialog;
    SetWindowLongPtrW(page_, GWLP_ID, kIdPageHost);
    Layout();
    ShowWindow(page_, SW_SHOW);
    if (HWND list = GetDlgItem(page_, page::kIdElTree)) SetFocus(list);
  }
  UpdateTitleAndButtons();
}

void ViewerFrame::Step(int step) {
  if (file_.empty()) return;
  if (auto neighbour = NeighbourFile(page::Utf8(file_), step)) Open(page::Wide(*neighbour));
}

void ViewerFrame::ChooseFile() {
  const std::wstring filter = OpenFilter();
  const std::wstring folder = FolderOf(file_);
  std::vector<wchar_t> path(32768, L'\0');
  OPENFILENAMEW ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = window_;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = path.data();
  ofn.nMaxFile = static_cast<DWORD>(path.size());
  ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  ofn.lpstrTitle = kOpenDialogTitle;
  ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (GetOpenFileNameW(&ofn)) Open(path.data());
}

bool ViewerFrame::PreTranslate(MSG& msg) {
  if (!msg.hwnd) return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  wchar_t cls[64] = {};
  if (!root || !GetClassNameW(root, cls, 64) || lstrcmpW(cls, kFrameClass) != 0) return false;
  if (TranslateAcceleratorW(root, Accelerators(), &msg)) return true;
  auto* frame = reinterpret_cast<ViewerFrame*>(GetWindowLongPtrW(root, GWLP_USERDATA));
  return frame && frame->page_ && IsDialogMessageW(frame->page_, &msg);
}

LRESULT CALLBACK ViewerFrame::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* frame = new (std::nothrow) ViewerFrame(window);
    if (!frame) return FALSE;
    frame->dpi_ = page::DpiOf(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(frame));
  }
  auto* frame = reinterpret_cast<ViewerFrame*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!frame) return DefWindowProcW(window, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    delete frame;
    if (quit_on_close) PostQuitMessage(0);
    return DefWindowProcW(window, message, wparam, lparam);
  }
  try {
    return frame->OnMessage(message, wparam, lparam);
  } catch (...) {
    // Nothing escapes into the system's window code.
    return DefWindowProcW(window, message, wparam, lparam);
  }
}

LRESULT ViewerFrame::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      dpi_ = page::DpiOf(window_);
      CreateBar();
      ApplyDpi();
      UpdateTitleAndButtons();
      return 0;
    case WM_SIZE:
      Layout();
      return 0;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
      // The page at its smallest below the bar, every control whole.
      const SIZE page = page_window_ ? page_window_->MinimumSize() : page::PageMinimumSize(dpi_);
      RECT r = {0, 0, page.cx, page.cy + S(kBarHeight)};
      AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)), TRUE,
                         static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)));
      info->ptMinTrackSize = {r.right - r.left, r.bottom - r.top};
      return 0;
    }
    case WM_DPICHANGED: {
      dpi_ = HIWORD(wparam);
      const auto* suggested = reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      ApplyDpi();
      if (page_) SendMessageW(page_, kDpiChangedAfterParent, 0, 0);
      return 0;
    }
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case kIdOpen:
          ChooseFile();
          return 0;
        case kIdPrevious:
          Step(-1);
          return 0;
        case kIdNext:
          Step(1);
          return 0;
        case kIdExit:
          DestroyWindow(window_);
          return 0;
      }
      break;
    case WM_DROPFILES: {
      auto drop = reinterpret_cast<HDROP>(wparam);
      const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
      std::wstring path(length, L'\0');
      if (length > 0) DragQueryFileW(drop, 0, path.data(), length + 1);
      DragFinish(drop);
      if (!path.empty()) {
        Open(path);
        SetForegroundWindow(window_);
      }
      return 0;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window_, &paint);
      if (!page_) {
        RECT r;
        GetClientRect(window_, &r);
        r.top += S(kBarHeight);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        HGDIOBJ old = SelectObject(dc, font_);
        DrawTextW(dc, kEmptyHint, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, old);
      }
      EndPaint(window_, &paint);
      return 0;
    }
    case WM_DESTROY:
      if (page_) DestroyWindow(page_);  // the page saves its settings
      page_ = nullptr;
      return 0;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

INT_PTR CALLBACK ViewerFrame::PageProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  try {
    if (message == WM_INITDIALOG) {
      auto* frame = reinterpret_cast<ViewerFrame*>(lparam);
      SetWindowLongPtrW(dialog, DWLP_USER, lparam);
      frame->page_window_ =
          std::make_unique<page::PageWindow>(dialog, std::vector<std::wstring>{frame->file_});
      return FALSE;  // the frame gives the focus
    }
    auto* frame = reinterpret_cast<ViewerFrame*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!frame || !frame->page_window_) return FALSE;
    if (message == WM_DESTROY) {
      frame->page_window_.reset();  // saves the settings
      return FALSE;
    }
    return frame->page_window_->DialogAnswer(dialog, message, wparam, lparam);
  } catch (...) {
    // Nothing escapes into the dialog manager.
  }
  return FALSE;
}

}  // namespace kelvane::viewer
