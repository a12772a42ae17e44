#include "shell/page_sheet.h"

#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <new>

#include "page/win32/page_window.h"
#include "shell/module.h"

namespace kelvane::shell {

namespace {

// What one page keeps from AddPages to its release.
struct SheetPage {
  std::vector<std::wstring> files;
  std::unique_ptr<page::PageWindow> window;
};

// The page's template: an empty dialog of the page's size. The sheet sizes
// itself to it; PageWindow lays its controls out in whatever client area
// the sheet gives.
class PageTemplate {
 public:
  PageTemplate() {
    // 553 x 396 pixels in dialog units of the 8-point shell font.
    const short width = 369, height = 244;
    const DWORD style = DS_SHELLFONT | DS_CONTROL | WS_CHILD | WS_CLIPCHILDREN;
    Dword(style);
    Dword(0);  // extended style
    Word(0);   // no controls
    Word(0);
    Word(0);
    Word(static_cast<WORD>(width));
    Word(static_cast<WORD>(height));
    Word(0);  // no menu
    Word(0);  // default class
    Word(0);  // no caption (the sheet takes PSP_USETITLE's)
    Word(8);  // font size
    Text(L"MS Shell Dlg");
  }
  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Word(WORD w) { words_.push_back(w); }
  void Dword(DWORD d) {
    Word(LOWORD(d));
    Word(HIWORD(d));
  }
  void Text(const wchar_t* s) {
    while (*s) Word(static_cast<WORD>(*s++));
    Word(0);
  }
  std::vector<WORD> words_;
};

const DLGTEMPLATE* Template() {
  static const PageTemplate page_template;
  return page_template.get();
}

// Visual styles: the module's manifest asks for common controls 6.
HANDLE ActivationContext() {
  static HANDLE context = [] {
    ACTCTXW actctx = {};
    actctx.cbSize = sizeof actctx;
    actctx.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    actctx.hModule = ModuleInstance();
    actctx.lpResourceName = MAKEINTRESOURCEW(2);
    return CreateActCtxW(&actctx);
  }();
  return context;
}

INT_PTR CALLBACK PageDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  try {
    if (message == WM_INITDIALOG) {
      auto* sheet_page = reinterpret_cast<const PROPSHEETPAGEW*>(lparam);
      auto* page = reinterpret_cast<SheetPage*>(sheet_page->lParam);
      SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(page));
      page->window = std::make_unique<page::PageWindow>(dialog, page->files);
      return TRUE;
    }
    auto* page = reinterpret_cast<SheetPage*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!page || !page->window) return FALSE;
    if (message == WM_DESTROY) {
      page->window.reset();  // saves the settings
      return FALSE;
    }
    return page->window->DialogAnswer(dialog, message, wparam, lparam);
  } catch (...) {
    // Nothing escapes into the dialog manager.
  }
  return FALSE;
}

UINT CALLBACK PageCallback(HWND, UINT message, PROPSHEETPAGEW* sheet_page) {
  if (message == PSPCB_RELEASE && sheet_page) {
    delete reinterpret_cast<SheetPage*>(sheet_page->lParam);
    ReleaseObject();
  }
  return 1;
}

}  // namespace

HPROPSHEETPAGE CreateKelvanePage(const std::vector<std::wstring>& files) {
  auto* page = new (std::nothrow) SheetPage;
  if (!page) return nullptr;
  try {
    page->files = files;
  } catch (...) {
    delete page;
    return nullptr;
  }
  PROPSHEETPAGEW sheet_page = {};
  sheet_page.dwSize = sizeof sheet_page;
  sheet_page.dwFlags = PSP_DLGINDIRECT | PSP_USETITLE | PSP_USECALLBACK;
  sheet_page.hInstance = ModuleInstance();
  sheet_page.pResource = Template();
  sheet_page.pszTitle = L"Kelvane";
  sheet_page.pfnDlgProc = PageDialogProc;
  sheet_page.pfnCallback = PageCallback;
  sheet_page.lParam = reinterpret_cast<LPARAM>(page);
  if (HANDLE context = ActivationContext(); context != INVALID_HANDLE_VALUE) {
    sheet_page.dwFlags |= PSP_USEFUSIONCONTEXT;
    sheet_page.hActCtx = context;
  }
  AddObject();
  HPROPSHEETPAGE handle = CreatePropertySheetPageW(&sheet_page);
  if (!handle) {
    delete page;
    ReleaseObject();
  }
  return handle;
}

}  // namespace kelvane::shell
