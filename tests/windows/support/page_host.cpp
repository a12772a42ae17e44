#include "tests/windows/support/page_host.h"

#include <commctrl.h>
#include <shlobj.h>
#include <wincodec.h>

#include <algorithm>
#include <cstdlib>

#include "page/win32/page_font.h"
#include "page/win32/page_ids.h"

namespace kelvane::wintest {

namespace {

// The test program hosts the page as Explorer does: per-monitor DPI aware,
// from before its first window.
[[maybe_unused]] const bool kPerMonitorDpiAware = page::MakeProcessPerMonitorDpiAware();

BOOL CALLBACK CollectPage(HPROPSHEETPAGE page, LPARAM param) {
  reinterpret_cast<std::vector<HPROPSHEETPAGE>*>(param)->push_back(page);
  return TRUE;
}

struct Find {
  int id;
  HWND found;
};

BOOL CALLBACK FindControl(HWND window, LPARAM param) {
  auto* find = reinterpret_cast<Find*>(param);
  if (GetDlgCtrlID(window) == find->id) {
    find->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

void Pump(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      // As Explorer runs a property sheet: Tab and the other dialog keys
      // move between its controls.
      HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
      if (root && IsDialogMessageW(root, &msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(10);
  } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

std::wstring TextOf(HWND window) {
  wchar_t buffer[2048] = {};
  GetWindowTextW(window, buffer, 2048);
  return buffer;
}

std::wstring MessageBoxText(HWND box) {
  wchar_t cls[32] = {};
  GetClassNameW(box, cls, 32);
  if (lstrcmpW(cls, L"#32770") != 0) return {};
  HWND text = GetDlgItem(box, 0xFFFF);
  return text ? TextOf(text) : std::wstring();
}

namespace {
ModalDriver* g_driver = nullptr;
}

ModalDriver::ModalDriver(std::vector<Step> steps) : steps_(std::move(steps)) {
  g_driver = this;
  timer_ = SetTimer(nullptr, 0, 100, Tick);
}

ModalDriver::~ModalDriver() {
  KillTimer(nullptr, timer_);
  g_driver = nullptr;
}

BOOL CALLBACK ModalDriver::Visit(HWND window, LPARAM) {
  ModalDriver& d = *g_driver;
  if (!IsWindowVisible(window)) return TRUE;
  const std::wstring message = MessageBoxText(window);
  const bool box = !message.empty();
  if (box && std::find(d.seen_boxes_.begin(), d.seen_boxes_.end(), window) == d.seen_boxes_.end()) {
    d.seen_boxes_.push_back(window);
    d.messages_.push_back(message);
  }
  if (d.done()) {
    // Nothing more was expected: a box that comes anyway is answered (OK,
    // or No when it asks).
    if (box) {
      PostMessageW(window, WM_COMMAND, IDOK, 0);
      PostMessageW(window, WM_COMMAND, IDNO, 0);
    }
    return TRUE;
  }
  const Step& step = d.steps_[d.next_];
  if (step.message_box != box || TextOf(window) != step.caption) return TRUE;
  ++d.next_;
  step.act(window, d);
  return FALSE;
}

void CALLBACK ModalDriver::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (!g_driver || g_driver->busy_) return;
  g_driver->busy_ = true;
  EnumThreadWindows(GetCurrentThreadId(), Visit, 0);
  g_driver->busy_ = false;
}

PageHost::PageHost(PropModule& dll, const std::wstring& path) {
  IClassFactory* factory = nullptr;
  if (FAILED(dll.GetClassObject(kClsidKelvane, IID_IClassFactory,
                                reinterpret_cast<void**>(&factory))))
    return;
  IShellExtInit* init = nullptr;
  factory->CreateInstance(nullptr, IID_IShellExtInit, reinterpret_cast<void**>(&init));
  factory->Release();
  if (!init) return;
  IDataObject* selection = NewSelection({path});
  init->Initialize(nullptr, selection, nullptr);
  selection->Release();
  IShellPropSheetExt* ext = nullptr;
  init->QueryInterface(IID_IShellPropSheetExt, reinterpret_cast<void**>(&ext));
  std::vector<HPROPSHEETPAGE> pages;
  if (ext) {
    ext->AddPages(CollectPage, reinterpret_cast<LPARAM>(&pages));
    ext->Release();
  }
  init->Release();
  if (pages.size() != 1) {
    for (HPROPSHEETPAGE p : pages) DestroyPropertySheetPage(p);
    return;
  }
  const std::wstring caption = path.substr(path.find_last_of(L"\\/") + 1);
  PROPSHEETHEADERW header = {};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_MODELESS | PSH_NOAPPLYNOW | PSH_PROPTITLE;
  header.pszCaption = caption.c_str();
  header.nPages = 1;
  header.phpage = pages.data();
  sheet_ = reinterpret_cast<HWND>(PropertySheetW(&header));
  if (!sheet_) return;
  SetWindowPos(sheet_, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  page_ = PropSheet_GetCurrentPageHwnd(sheet_);
  list_ = page_ ? GetDlgItem(page_, page::kIdElTree) : nullptr;
  Pump(300);
}

PageHost::~PageHost() { Close(); }

void PageHost::Close() {
  if (sheet_) DestroyWindow(sheet_);
  sheet_ = page_ = list_ = nullptr;
  Pump(50);
}

HWND PageHost::Control(int id) const {
  Find find = {id, nullptr};
  EnumChildWindows(page_, FindControl, reinterpret_cast<LPARAM>(&find));
  return find.found;
}

std::vector<ListRow> PageHost::Rows() const {
  std::vector<ListRow> rows;
  const int count = ListView_GetItemCount(list_);
  std::vector<wchar_t> buffer(1 << 16);
  for (int i = 0; i < count; ++i) {
    ListRow row;
    LVITEMW item = {};
    item.mask = LVIF_PARAM;
    item.iItem = i;
    ListView_GetItem(list_, &item);
    row.style = static_cast<int>(item.lParam);
    ListView_GetItemText(list_, i, 0, buffer.data(), static_cast<int>(buffer.size()));
    row.name = buffer.data();
    ListView_GetItemText(list_, i, 1, buffer.data(), static_cast<int>(buffer.size()));
    row.value = buffer.data();
    rows.push_back(std::move(row));
  }
  return rows;
}

void PageHost::Command(int id) {
  SendMessageW(page_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
  Pump(50);
}

std::wstring ArtifactFolder() {
  std::wstring folder;
  if (const char* env = std::getenv("KELVANE_ARTIFACTS"); env && *env) {
    folder = Wide(env);
    if (folder.front() == L'/') folder = L"Z:" + folder;
    for (wchar_t& c : folder)
      if (c == L'/') c = L'\\';
    if (folder.back() != L'\\') folder += L'\\';
  } else {
    folder = ProgramFolder() + L"artifacts\\";
  }
  SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
  return folder;
}

std::wstring CorpusFile(const std::string& name) {
  const char* corpus = std::getenv("KELVANE_CORPUS");
  if (!corpus || !*corpus) return {};
  std::wstring path = Wide(std::string(corpus) + "/" + name);
  if (path.front() == L'/') path = L"Z:" + path;  // Wine's drive for the Unix root
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';
  return path;
}

bool SaveScreenshot(HWND window, const std::wstring& png_path) {
  RECT r;
  GetWindowRect(window, &r);
  return SaveScreenRect(r, png_path);
}

COLORREF ScreenPixel(POINT at) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = 1;
  info.bmiHeader.biHeight = 1;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, 1, 1, screen, at.x, at.y, SRCCOPY);
  GdiFlush();
  const auto* bgra = static_cast<const BYTE*>(bits);
  const COLORREF colour = bgra ? RGB(bgra[2], bgra[1], bgra[0]) : CLR_INVALID;
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return colour;
}

bool SaveScreenRect(const RECT& wanted, const std::wstring& png_path) {
  // Only what is on the screen can be read from it.
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const RECT screen_rect = {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                            top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  RECT r;
  if (!IntersectRect(&r, &wanted, &screen_rect)) return false;
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  bool saved = false;
  IWICImagingFactory* factory = nullptr;
  IWICStream* stream = nullptr;
  IWICBitmapEncoder* encoder = nullptr;
  IWICBitmapFrameEncode* frame = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) &&
      SUCCEEDED(factory->CreateStream(&stream)) &&
      SUCCEEDED(stream->InitializeFromFilename(png_path.c_str(), GENERIC_WRITE)) &&
      SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
      SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
      SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
      SUCCEEDED(frame->SetSize(static_cast<UINT>(w), static_cast<UINT>(h)))) {
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
    if (SUCCEEDED(frame->SetPixelFormat(&format)) &&
        SUCCEEDED(frame->WritePixels(static_cast<UINT>(h), static_cast<UINT>(w) * 4,
                                     static_cast<UINT>(w) * 4 * static_cast<UINT>(h),
                                     static_cast<BYTE*>(bits))) &&
        SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit()))
      saved = true;
  }
  if (frame) frame->Release();
  if (encoder) encoder->Release();
  if (stream) stream->Release();
  if (factory) factory->Release();
  DeleteObject(bitmap);
  return saved;
}

}  // namespace kelvane::wintest
