#include "page/win32/win32_platform.h"

#include <commdlg.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include "page/win32/about_box.h"
#include "page/win32/wide_text.h"

namespace kelvane::page {

namespace {

// "\Software\Tarnwell\Kelvane" names a key of the current user's hive.
std::wstring UserKeyPath(const std::string& key) {
  std::wstring path = Wide(key);
  while (!path.empty() && path.front() == L'\\') path.erase(0, 1);
  return path;
}

class MapConnection final : public MapApplication {
 public:
  MapConnection(IDispatch* server, IMapCooperate* cooperate)
      : server_(server), cooperate_(cooperate) {}
  ~MapConnection() override {
    cooperate_->Release();
    server_->Release();
  }
  MapConnection(const MapConnection&) = delete;
  MapConnection& operator=(const MapConnection&) = delete;

  bool QueryValue(int32_t& value) override {
    LONG v = 0;
    if (FAILED(cooperate_->QueryValue(&v))) return false;
    value = v;
    return true;
  }
  bool ShowPosition(int32_t longitude, int32_t latitude, int32_t value) override {
    return SUCCEEDED(cooperate_->ShowPosition(longitude, latitude, value));
  }

 private:
  IDispatch* server_;
  IMapCooperate* cooperate_;
};

// True when a new file can be made in `folder`: a temporary one is made
// and deleted at once (a folder's read-only flag says nothing about this).
bool TakesNewFiles(const std::wstring& folder) {
  wchar_t made[MAX_PATH];
  if (folder.size() >= MAX_PATH - 14 || !GetTempFileNameW(folder.c_str(), L"kel", 0, made))
    return false;
  DeleteFileW(made);
  return true;
}

std::wstring PicturesFolder() {
  PWSTR path = nullptr;
  std::wstring folder;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Pictures, 0, nullptr, &path)) && path)
    folder = path;
  CoTaskMemFree(path);
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  return folder;
}

}  // namespace

SaveDialogPlace ProposedSavePlace(const std::wstring& folder, const std::wstring& file_name) {
  if (folder.empty() || TakesNewFiles(folder)) return {folder, file_name};
  // A folder the user cannot write to (a CD, a share read-only to them):
  // the same name in their Pictures folder.
  const std::wstring pictures = PicturesFolder();
  if (pictures.empty()) return {folder, file_name};
  return {pictures, pictures + file_name.substr(file_name.find_last_of(L"\\/") + 1)};
}

HMODULE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&ThisModule), &module);
  return module;
}

bool Win32Platform::SettingsKeyExists(const std::string& key) {
  HKEY k = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, UserKeyPath(key).c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS)
    return false;
  RegCloseKey(k);
  return true;
}

std::string Win32Platform::ReadSetting(const std::string& key, const std::string& name) {
  const std::wstring path = UserKeyPath(key);
  const std::wstring value_name = Wide(name);
  DWORD size = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), value_name.c_str(), RRF_RT_REG_SZ, nullptr,
                   nullptr, &size) != ERROR_SUCCESS ||
      size == 0)
    return {};
  std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), value_name.c_str(), RRF_RT_REG_SZ, nullptr,
                   text.data(), &size) != ERROR_SUCCESS)
    return {};
  text.resize(wcsnlen(text.c_str(), text.size()));
  return Utf8(text);
}

void Win32Platform::WriteSetting(const std::string& key, const std::string& name,
                                 const std::string& value) {
  HKEY k = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, UserKeyPath(key).c_str(), 0, nullptr,
                      REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &k,
                      nullptr) != ERROR_SUCCESS)
    return;
  const std::wstring text = Wide(value);
  RegSetValueExW(k, Wide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(k);
}

void Win32Platform::SetClipboardText(const std::string& text) {
  const std::wstring w = Wide(text);
  HGLOBAL global = GlobalAlloc(GMEM_MOVEABLE, (w.size() + 1) * sizeof(wchar_t));
  if (!global) return;
  if (auto* p = static_cast<wchar_t*>(GlobalLock(global))) {
    std::copy(w.begin(), w.end(), p);
    p[w.size()] = L'\0';
    GlobalUnlock(global);
  }
  if (!OpenClipboard(owner_)) {
    GlobalFree(global);
    return;
  }
  EmptyClipboard();
  if (!SetClipboardData(CF_UNICODETEXT, global)) GlobalFree(global);
  CloseClipboard();
}

std::optional<SaveDialogChoice> Win32Platform::SaveFileDialog(const SaveDialogOptions& options) {
  // "Name|*.ext|..." as the double-NUL-terminated pairs the dialog takes.
  std::wstring filter = Wide(options.filter);
  for (wchar_t& c : filter)
    if (c == L'|') c = L'\0';
  filter.append(2, L'\0');
  std::wstring extension = Wide(options.default_extension);
  if (extension.rfind(L"*.", 0) == 0) extension.erase(0, 2);
  const std::wstring title = Wide(options.title);
  const SaveDialogPlace place =
      ProposedSavePlace(Wide(options.initial_folder), Wide(options.file_name));
  const std::wstring& folder = place.folder;
  std::wstring file = place.file_name;
  file.resize(std::max<size_t>(file.size() + 1, 32768), L'\0');

  OPENFILENAMEW ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner_;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
  ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  if (options.overwrite_prompt) ofn.Flags |= OFN_OVERWRITEPROMPT;
  if (!GetSaveFileNameW(&ofn)) return std::nullopt;
  return SaveDialogChoice{Utf8(file.c_str()), static_cast<int>(ofn.nFilterIndex)};
}

void Win32Platform::OpenUrl(const std::string& url) {
  ShellExecuteW(nullptr, L"OPEN", Wide(url).c_str(), L"", nullptr, SW_SHOWNORMAL);
}

bool Win32Platform::StartProgram(const std::string& program, const std::string& parameters) {
  // ShellExecute tells success by a value above 32.
  const HINSTANCE result = ShellExecuteW(owner_, nullptr, Wide(program).c_str(),
                                         Wide(parameters).c_str(), nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

std::string Win32Platform::ModuleFileName() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n =
        GetModuleFileNameW(ThisModule(), path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return Utf8(path);
    }
    path.resize(path.size() * 2);
  }
}

std::unique_ptr<MapApplication> Win32Platform::ConnectMapApplication() {
  IDispatch* server = nullptr;
  if (FAILED(CoCreateInstance(kClsidMapApplication, nullptr, CLSCTX_SERVER, IID_IDispatch,
                              reinterpret_cast<void**>(&server))) ||
      !server)
    return nullptr;
  IMapCooperate* cooperate = nullptr;
  if (FAILED(server->QueryInterface(kIidMapCooperate, reinterpret_cast<void**>(&cooperate))) ||
      !cooperate) {
    server->Release();
    return nullptr;
  }
  try {
    return std::make_unique<MapConnection>(server, cooperate);
  } catch (...) {
    cooperate->Release();
    server->Release();
    return nullptr;
  }
}

void Win32Platform::ShowMessage(const std::string& caption, const std::string& text) {
  MessageBoxW(owner_, Wide(text).c_str(), Wide(caption).c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void Win32Platform::ShowAboutBox(const std::string& version,
                                 const std::vector<std::string>& lines) {
  ShowAbout(owner_, version, lines);
}

}  // namespace kelvane::page
