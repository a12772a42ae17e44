// DllMain and the four exports of the in-process server.
#include "shell/module.h"

#include <objbase.h>

#include "shell/class_factory.h"
#include "shell/com_guard.h"
#include "shell/registration.h"

namespace kelvane::shell {

namespace {
HINSTANCE g_instance = nullptr;
LONG g_objects = 0;
LONG g_locks = 0;
}  // namespace

HINSTANCE ModuleInstance() { return g_instance; }
void AddObject() { InterlockedIncrement(&g_objects); }
void ReleaseObject() { InterlockedDecrement(&g_objects); }
void LockModule(bool lock) {
  if (lock)
    InterlockedIncrement(&g_locks);
  else
    InterlockedDecrement(&g_locks);
}
bool ModuleInUse() {
  return InterlockedCompareExchange(&g_objects, 0, 0) != 0 ||
         InterlockedCompareExchange(&g_locks, 0, 0) != 0;
}

}  // namespace kelvane::shell

using namespace kelvane::shell;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_instance = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  return ComGuard([&]() -> HRESULT {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!IsEqualCLSID(clsid, kClsidKelvanePropertySheet)) return CLASS_E_CLASSNOTAVAILABLE;
    auto* factory = new ClassFactory();
    HRESULT hr = factory->QueryInterface(iid, out);
    factory->Release();
    return hr;
  });
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return ModuleInUse() ? S_FALSE : S_OK; }

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
  return ComGuard([] { return Register(ChooseScope()); });
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
  return ComGuard([] { return Unregister(ChooseScope()); });
}

// "regsvr32 /n /i:user" and "/i:machine" choose the scope themselves;
// without a command line the scope follows the process's elevation.
extern "C" HRESULT STDAPICALLTYPE DllInstall(BOOL install, PCWSTR command_line) {
  return ComGuard([&]() -> HRESULT {
    Scope scope = ChooseScope();
    if (command_line && *command_line) {
      if (lstrcmpiW(command_line, L"user") == 0)
        scope = Scope::kUser;
      else if (lstrcmpiW(command_line, L"machine") == 0)
        scope = Scope::kMachine;
      else
        return E_INVALIDARG;
    }
    return install ? Register(scope) : Unregister(scope);
  });
}
