// The page's platform services on Windows: the current user's registry,
// the clipboard, the common save dialog, the shell, the module's own path,
// the map application's COM server, message and about boxes.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <string>

#include "page/platform.h"

namespace kelvane::page {

// The external map application's automation class and its custom
// interface (derived from IUnknown; the page uses its first and third
// methods).
// {5D1D2834-92F9-4398-8177-4DD9E155B139}
inline constexpr CLSID kClsidMapApplication = {
    0x5D1D2834, 0x92F9, 0x4398, {0x81, 0x77, 0x4D, 0xD9, 0xE1, 0x55, 0xB1, 0x39}};
// {ECFEA6DD-C9AB-4E86-93D8-C6B0DC22BCD7}
inline constexpr IID kIidMapCooperate = {
    0xECFEA6DD, 0xC9AB, 0x4E86, {0x93, 0xD8, 0xC6, 0xB0, 0xDC, 0x22, 0xBC, 0xD7}};

struct IMapCooperate : public IUnknown {
  // First method: show the position.
  virtual HRESULT STDMETHODCALLTYPE ShowPosition(LONG longitude, LONG latitude, LONG value) = 0;
  // Second method: not used by the page.
  virtual HRESULT STDMETHODCALLTYPE Reserved() = 0;
  // Third method: the value the first one takes.
  virtual HRESULT STDMETHODCALLTYPE QueryValue(LONG* value) = 0;
};

class Win32Platform final : public Platform {
 public:
  // `owner` owns the dialogs and boxes the services open.
  explicit Win32Platform(HWND owner) : owner_(owner) {}

  bool SettingsKeyExists(const std::string& key) override;
  std::string ReadSetting(const std::string& key, const std::string& name) override;
  void WriteSetting(const std::string& key, const std::string& name,
                    const std::string& value) override;
  void SetClipboardText(const std::string& text) override;
  std::optional<SaveDialogChoice> SaveFileDialog(const SaveDialogOptions& options) override;
  void OpenUrl(const std::string& url) override;
  bool StartProgram(const std::string& program, const std::string& parameters) override;
  std::string ModuleFileName() override;
  std::unique_ptr<MapApplication> ConnectMapApplication() override;
  void ShowMessage(const std::string& caption, const std::string& text) override;
  void ShowAboutBox(const std::string& version, const std::vector<std::string>& lines) override;

 private:
  HWND owner_;
};

// The module (DLL or program) this code is linked into.
HMODULE ThisModule();

// Where a save dialog opens and the name it proposes: `folder` and
// `file_name` as the page asks, unless no new file can be made in that
// folder; then the user's Pictures folder with the same name.
struct SaveDialogPlace {
  std::wstring folder;
  std::wstring file_name;
};
SaveDialogPlace ProposedSavePlace(const std::wstring& folder, const std::wstring& file_name);

}  // namespace kelvane::page
