// Kelvane.exe: the Kelvane page in a window of its own, for the file named
// on the command line (the page's 単独起動 passes it quoted) or for one
// opened or dropped later.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

#include <string>

#include "page/win32/page_font.h"
#include "viewer/viewer_frame.h"

namespace {

// The first argument as a full path; empty when there is none.
std::wstring FileArgument() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::wstring file;
  if (arguments && count > 1 && arguments[1][0] != L'\0') {
    file = arguments[1];
    const DWORD n = GetFullPathNameW(file.c_str(), 0, nullptr, nullptr);
    if (n > 0) {
      std::wstring full(n, L'\0');
      const DWORD written = GetFullPathNameW(file.c_str(), n, full.data(), nullptr);
      if (written > 0 && written < n) {
        full.resize(written);
        file = full;
      }
    }
  }
  if (arguments) LocalFree(arguments);
  return file;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  // Per monitor, as Explorer hosts the page.
  kelvane::page::MakeProcessPerMonitorDpiAware();
  // The clipboard, the common dialogs and WIC (the thumbnails) need COM.
  const HRESULT ole = OleInitialize(nullptr);
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  kelvane::viewer::ViewerFrame::QuitWhenClosed();
  int status = 1;
  if (kelvane::viewer::ViewerFrame::Create(FileArgument(), show)) {
    MSG msg;
    BOOL got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) != 0 && got != -1) {
      if (kelvane::viewer::ViewerFrame::PreTranslate(msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    status = got == -1 ? 1 : static_cast<int>(msg.wParam);
  }
  if (SUCCEEDED(ole)) OleUninitialize();
  return status;
}
