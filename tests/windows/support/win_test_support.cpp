#include "tests/windows/support/win_test_support.h"

#include <shlobj.h>

#include <cstdlib>
#include <cstring>

namespace kelvane::wintest {

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH * 4];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
  std::wstring folder(path, n);
  return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

std::wstring ModuleFolder() {
  const char* installed = std::getenv("KELVANE_INSTALLED_DIR");
  if (!installed || !*installed) return ProgramFolder();
  std::wstring folder = Wide(installed);
  if (folder.back() != L'\\') folder += L'\\';
  return folder;
}

std::wstring PropDllPath() { return ModuleFolder() + L"KelvaneProp.dll"; }

std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return {};
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w.data(), n);
  return w;
}

std::string Utf8(const std::wstring& wide) {
  if (wide.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string s(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), s.data(), n,
                      nullptr, nullptr);
  return s;
}

namespace {

class Selection final : public IDataObject {
 public:
  explicit Selection(const std::vector<std::wstring>& files) : files_(files) {}

  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
      *out = static_cast<IDataObject*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
  STDMETHODIMP_(ULONG) Release() override {
    ULONG left = --refs_;
    if (!left) delete this;
    return left;
  }

  STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (format->cfFormat != CF_HDROP || !(format->tymed & TYMED_HGLOBAL)) return DV_E_FORMATETC;
    size_t chars = 1;
    for (const auto& f : files_) chars += f.size() + 1;
    const size_t bytes = sizeof(DROPFILES) + chars * sizeof(wchar_t);
    HGLOBAL global = GlobalAlloc(GHND, bytes);
    if (!global) return E_OUTOFMEMORY;
    auto* drop = static_cast<DROPFILES*>(GlobalLock(global));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    auto* text = reinterpret_cast<wchar_t*>(reinterpret_cast<char*>(drop) + sizeof(DROPFILES));
    for (const auto& f : files_) {
      std::memcpy(text, f.c_str(), (f.size() + 1) * sizeof(wchar_t));
      text += f.size() + 1;
    }
    *text = L'\0';
    GlobalUnlock(global);
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = global;
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  STDMETHODIMP QueryGetData(FORMATETC* format) override {
    return format->cfFormat == CF_HDROP ? S_OK : DV_E_FORMATETC;
  }
  STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    out->ptd = nullptr;
    return E_NOTIMPL;
  }
  STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  ~Selection() = default;
  ULONG refs_ = 1;
  std::vector<std::wstring> files_;
};

}  // namespace

IDataObject* NewSelection(const std::vector<std::wstring>& files) { return new Selection(files); }

std::optional<std::wstring> RegText(HKEY root, const std::wstring& key, const wchar_t* name) {
  wchar_t buffer[2048];
  DWORD size = sizeof buffer;
  if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  return std::wstring(buffer);
}

bool RegKeyExists(HKEY root, const std::wstring& key) {
  HKEY k = nullptr;
  if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
  RegCloseKey(k);
  return true;
}

int RunProgram(const std::wstring& command_line, DWORD timeout_ms) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::wstring line = command_line;
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return -1;
  DWORD code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(process.hProcess, timeout_ms) == WAIT_OBJECT_0)
    GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(code);
}

bool PropModule::Load(const std::wstring& path) {
  module = LoadLibraryW(path.c_str());
  if (!module) return false;
  GetClassObject = reinterpret_cast<decltype(GetClassObject)>(
      reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")));
  CanUnloadNow = reinterpret_cast<decltype(CanUnloadNow)>(
      reinterpret_cast<void*>(GetProcAddress(module, "DllCanUnloadNow")));
  return GetClassObject && CanUnloadNow;
}

PropModule::~PropModule() {
  if (module) FreeLibrary(module);
}

}  // namespace kelvane::wintest
