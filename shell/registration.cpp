#include "shell/registration.h"

#include <olectl.h>

#include "shell/module.h"

namespace kelvane::shell {

namespace {

HRESULT FromError(LONG error) {
  return error == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(static_cast<DWORD>(error));
}

// Creates `path` below `root` and sets one text value (`name` null: the
// key's default value).
LONG SetText(HKEY root, const std::wstring& path, const wchar_t* name, const std::wstring& value) {
  HKEY key = nullptr;
  LONG error = RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                               KEY_SET_VALUE, nullptr, &key, nullptr);
  if (error != ERROR_SUCCESS) return error;
  error = RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  return error;
}

// Deleting what is not there counts as done.
LONG Tolerant(LONG error) { return error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : error; }

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(ModuleInstance(), path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

Scope ChooseScope() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return Scope::kUser;
  TOKEN_ELEVATION elevation = {};
  DWORD size = 0;
  BOOL ok = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
  CloseHandle(token);
  return ok && elevation.TokenIsElevated ? Scope::kMachine : Scope::kUser;
}

HKEY RootOf(Scope scope) { return scope == Scope::kMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

std::wstring ClsidKeyPath() { return std::wstring(L"Software\\Classes\\CLSID\\") + kClsidText; }

std::wstring HandlerKeyPath() {
  return std::wstring(L"Software\\Classes\\*\\shellex\\PropertySheetHandlers\\") + kDescription;
}

HRESULT Register(Scope scope) {
  const std::wstring module = ModulePath();
  if (module.empty()) return SELFREG_E_CLASS;
  const HKEY root = RootOf(scope);
  const std::wstring clsid = ClsidKeyPath();
  LONG error = SetText(root, clsid, nullptr, kDescription);
  if (error == ERROR_SUCCESS)
    error = SetText(root, clsid + L"\\InprocServer32", nullptr, module);
  if (error == ERROR_SUCCESS)
    error = SetText(root, clsid + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
  if (error == ERROR_SUCCESS) error = SetText(root, HandlerKeyPath(), nullptr, kClsidText);
  if (error == ERROR_SUCCESS) error = SetText(root, kApprovedKeyPath, kClsidText, kDescription);
  if (error != ERROR_SUCCESS) {
    Unregister(scope);  // leave no half registration behind
    return error == ERROR_ACCESS_DENIED ? E_ACCESSDENIED : SELFREG_E_CLASS;
  }
  return S_OK;
}

HRESULT Unregister(Scope scope) {
  const HKEY root = RootOf(scope);
  LONG first_error = ERROR_SUCCESS;
  auto keep = [&](LONG error) {
    error = Tolerant(error);
    if (first_error == ERROR_SUCCESS) first_error = error;
  };
  keep(RegDeleteTreeW(root, HandlerKeyPath().c_str()));
  keep(RegDeleteTreeW(root, ClsidKeyPath().c_str()));
  HKEY approved = nullptr;
  LONG error = RegOpenKeyExW(root, kApprovedKeyPath, 0, KEY_SET_VALUE, &approved);
  if (error == ERROR_SUCCESS) {
    keep(RegDeleteValueW(approved, kClsidText));
    RegCloseKey(approved);
  } else {
    keep(error);
  }
  return FromError(first_error);
}

}  // namespace kelvane::shell
