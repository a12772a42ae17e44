// A substitute for the external map application's COM server: an in-process
// server of its class that accepts the page's two calls and records them.
// The tests register it, let the page call it, and read the record through
// MapServerCalls.
#include <windows.h>
#include <objbase.h>

#include "page/win32/win32_platform.h"

namespace {

using kelvane::page::IMapCooperate;
using kelvane::page::kClsidMapApplication;
using kelvane::page::kIidMapCooperate;

// What QueryValue answers, and what the calls brought.
constexpr LONG kValue = 0x4B454C;
LONG g_objects = 0;
LONG g_query_calls = 0;
LONG g_show_calls = 0;
LONG g_longitude = 0, g_latitude = 0, g_value = 0;

class MapServer final : public IDispatch, public IMapCooperate {
 public:
  MapServer() { InterlockedIncrement(&g_objects); }
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
      *out = static_cast<IDispatch*>(this);
    } else if (IsEqualIID(iid, kIidMapCooperate)) {
      *out = static_cast<IMapCooperate*>(this);
    } else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  STDMETHODIMP_(ULONG) Release() override {
    LONG left = InterlockedDecrement(&refs_);
    if (!left) {
      InterlockedDecrement(&g_objects);
      delete this;
    }
    return static_cast<ULONG>(left);
  }
  // IDispatch: no type information, no names.
  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }
  STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                      UINT*) override {
    return DISP_E_MEMBERNOTFOUND;
  }
  // The custom interface.
  STDMETHODIMP ShowPosition(LONG longitude, LONG latitude, LONG value) override {
    InterlockedIncrement(&g_show_calls);
    g_longitude = longitude;
    g_latitude = latitude;
    g_value = value;
    return S_OK;
  }
  STDMETHODIMP Reserved() override { return E_NOTIMPL; }
  STDMETHODIMP QueryValue(LONG* value) override {
    InterlockedIncrement(&g_query_calls);
    *value = kValue;
    return S_OK;
  }

 private:
  ~MapServer() = default;
  LONG refs_ = 1;
};

class Factory final : public IClassFactory {
 public:
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
      *out = this;
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    auto* server = new MapServer();
    HRESULT hr = static_cast<IDispatch*>(server)->QueryInterface(iid, out);
    static_cast<IDispatch*>(server)->Release();
    return hr;
  }
  STDMETHODIMP LockServer(BOOL) override { return S_OK; }
};

Factory g_factory;

}  // namespace

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (!IsEqualCLSID(clsid, kClsidMapApplication)) return CLASS_E_CLASSNOTAVAILABLE;
  return g_factory.QueryInterface(iid, out);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return g_objects ? S_FALSE : S_OK; }

// The record of calls since the last reset: QueryValue calls, ShowPosition
// calls, the last ShowPosition arguments, the value QueryValue gives, and
// the objects still alive.
extern "C" __declspec(dllexport) void MapServerCalls(LONG* query_calls, LONG* show_calls,
                                                      LONG* longitude, LONG* latitude,
                                                      LONG* value, LONG* expected_value,
                                                      LONG* alive) {
  *query_calls = g_query_calls;
  *show_calls = g_show_calls;
  *longitude = g_longitude;
  *latitude = g_latitude;
  *value = g_value;
  *expected_value = kValue;
  *alive = g_objects;
}

extern "C" __declspec(dllexport) void MapServerReset() {
  g_query_calls = g_show_calls = 0;
  g_longitude = g_latitude = g_value = 0;
}
