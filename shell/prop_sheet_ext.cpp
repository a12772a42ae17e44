#include "shell/prop_sheet_ext.h"

#include <shellapi.h>

#include "shell/page_sheet.h"
#include "shell/accepted_extensions.h"
#include "shell/com_guard.h"
#include "shell/module.h"

namespace kelvane::shell {

namespace {

// The file names a selection's CF_HDROP carries, in order.
HRESULT SelectedFiles(IDataObject* selection, std::vector<std::wstring>& files) {
  FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium = {};
  HRESULT hr = selection->GetData(&format, &medium);
  if (FAILED(hr)) return hr;
  hr = E_INVALIDARG;
  if (auto drop = static_cast<HDROP>(GlobalLock(medium.hGlobal))) {
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
      const UINT length = DragQueryFileW(drop, i, nullptr, 0);
      std::wstring name(length + 1, L'\0');
      name.resize(DragQueryFileW(drop, i, name.data(), length + 1));
      files.push_back(std::move(name));
    }
    GlobalUnlock(medium.hGlobal);
    hr = S_OK;
  }
  ReleaseStgMedium(&medium);
  return hr;
}

}  // namespace

PropSheetExtension::PropSheetExtension() { AddObject(); }
PropSheetExtension::~PropSheetExtension() { ReleaseObject(); }

STDMETHODIMP PropSheetExtension::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IShellExtInit)) {
    *out = static_cast<IShellExtInit*>(this);
  } else if (IsEqualIID(iid, IID_IShellPropSheetExt)) {
    *out = static_cast<IShellPropSheetExt*>(this);
  } else {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) PropSheetExtension::AddRef() {
  return static_cast<ULONG>(InterlockedIncrement(&refs_));
}

STDMETHODIMP_(ULONG) PropSheetExtension::Release() {
  LONG left = InterlockedDecrement(&refs_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

STDMETHODIMP PropSheetExtension::Initialize(PCIDLIST_ABSOLUTE, IDataObject* selection, HKEY) {
  return ComGuard([&]() -> HRESULT {
    files_.clear();
    if (!selection) return E_INVALIDARG;
    std::vector<std::wstring> files;
    HRESULT hr = SelectedFiles(selection, files);
    if (SUCCEEDED(hr)) files_ = std::move(files);
    return hr;
  });
}

STDMETHODIMP PropSheetExtension::AddPages(LPFNSVADDPROPSHEETPAGE add_page, LPARAM param) {
  return ComGuard([&]() -> HRESULT {
    if (!add_page) return E_INVALIDARG;
    // A selection the page is not for adds nothing, silently.
    if (!OffersPage(files_)) return S_OK;
    HPROPSHEETPAGE page = CreateKelvanePage(files_);
    if (!page) return E_OUTOFMEMORY;
    if (!add_page(page, param)) DestroyPropertySheetPage(page);
    return S_OK;
  });
}

STDMETHODIMP PropSheetExtension::ReplacePage(EXPPS, LPFNSVADDPROPSHEETPAGE, LPARAM) {
  return E_NOTIMPL;
}

}  // namespace kelvane::shell
