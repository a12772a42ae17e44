#include "shell/class_factory.h"

#include "shell/com_guard.h"
#include "shell/module.h"
#include "shell/prop_sheet_ext.h"

namespace kelvane::shell {

ClassFactory::ClassFactory() { AddObject(); }
ClassFactory::~ClassFactory() { ReleaseObject(); }

STDMETHODIMP ClassFactory::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
    *out = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) ClassFactory::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }

STDMETHODIMP_(ULONG) ClassFactory::Release() {
  LONG left = InterlockedDecrement(&refs_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

STDMETHODIMP ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
  return ComGuard([&]() -> HRESULT {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    auto* extension = new PropSheetExtension();
    HRESULT hr = extension->QueryInterface(iid, out);
    extension->Release();
    return hr;
  });
}

STDMETHODIMP ClassFactory::LockServer(BOOL lock) {
  LockModule(lock != FALSE);
  return S_OK;
}

}  // namespace kelvane::shell
